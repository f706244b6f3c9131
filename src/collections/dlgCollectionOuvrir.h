#pragma once
// Asks for the password of the collection selected on the collections screen before opening it.

#include "collections/DialogueCollection.h"

class dlgCollectionOuvrir : public DialogueCollection {
    Q_OBJECT
public:
    explicit dlgCollectionOuvrir(QWidget* parent = nullptr);

    // The password typed matches the selected collection's: the dialog closes and the collection opens.
    // Otherwise the user is told and may try again, as often as they like.
    void BoutonOK_Click() override;

private:
    QLineEdit* m_pass1;
};
