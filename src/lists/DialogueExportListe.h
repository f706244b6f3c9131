#pragma once
// The export dialog of a list screen: the exchange file, or the list of numbers shown for copying.
// dlgExpManques and dlgExpDoubles differ only by their caption and by how the cells are written.

#include <QDialog>

class QComboBox;
class VueResultat;

class DialogueExportListe : public QDialog {
    Q_OBJECT
public:
    void OKButton_Click();
    void CancelButton_Click();
    // True when the user chose the list on screen: the screen opens it once this dialog is closed.
    bool listeEcranDemandee() const { return m_listeEcran; }

protected:
    DialogueExportListe(const QString& nom, const QString& titre, const VueResultat* liste, bool manques, QWidget* parent);

private:
    const VueResultat* m_liste;
    bool m_manques;
    bool m_listeEcran = false;
    QComboBox* m_choix = nullptr;
};
