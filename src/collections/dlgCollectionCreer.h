#pragma once
// Creates a collection: its name and an optional password typed twice. The new collection is not opened.

#include "collections/DialogueCollection.h"

class dlgCollectionCreer : public DialogueCollection {
    Q_OBJECT
public:
    explicit dlgCollectionCreer(QWidget* parent = nullptr);

    // Adds the collection when the name is given and not taken (case ignored) and the passwords agree;
    // then the list is reloaded and no collection is open any more.
    void BoutonOK_Click() override;

private:
    QLineEdit* m_texteDescription;
    QLineEdit* m_pass1;
    QLineEdit* m_pass2;
};
