#pragma once
// Asks for the password of the collection selected on the collections screen before opening it.

#include "collections/DialogueCollection.h"

#include <optional>

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

// The stored password of collection `code`, the empty text when it has none. Nothing may open without it:
// when the row cannot be read the user is told why ("Erreur" and the database's reason, or the collection
// unknown when its row is gone) and there is no value. The open action and this dialog both read it here.
std::optional<QString> LireMotDePasse(const QString& code);
