#pragma once
// Asks for the password of the collection selected on the collections screen before opening it.

#include <QDialog>

class QLineEdit;
class QPushButton;

class dlgCollectionOuvrir : public QDialog {
    Q_OBJECT
public:
    explicit dlgCollectionOuvrir(QWidget* parent = nullptr);

    // The password typed matches the selected collection's: the dialog closes and the collection opens.
    // Otherwise the user is told and may try again, as often as they like.
    void BoutonOK_Click();
    void BoutonAnnuler_Click();

private:
    QLineEdit* m_pass1;
    QPushButton* m_boutonOK;
    QPushButton* m_boutonAnnuler;
};
