#pragma once
// The numbers of a list on one line, for the user to copy: dlgManquesEcran and dlgDoublesEcran.

#include <QDialog>

class QPlainTextEdit;
class VueResultat;

class DialogueListeEcran : public QDialog {
    Q_OBJECT
public:
    // "Copier": the text as it stands, the user's changes included, to the clipboard.
    void OKButton_Click();
    void CancelButton_Click();

protected:
    DialogueListeEcran(const QString& nom, const QString& titre, const VueResultat* liste, QWidget* parent);

private:
    QPlainTextEdit* m_texte = nullptr;
};
