#pragma once
// The département map: a picture of France with a button over each département's number. A button
// chooses its code and closes the map (accepted); any other way out chooses nothing.

#include <QDialog>

class QLineEdit;

class OFormRechercheDepts : public QDialog {
    Q_OBJECT
public:
    explicit OFormRechercheDepts(QWidget* parent = nullptr);

    // Closes the map on the code just chosen.
    void SelectionDpt();
    QString choix() const;
    void Bouton6_Click();

private:
    QLineEdit* m_choix;
};
