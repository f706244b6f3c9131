#pragma once
// Changes or removes the password of the open collection: the old one first, then the new one twice.

#include "collections/DialogueCollection.h"

class dlgCollectionModifierPass : public DialogueCollection {
    Q_OBJECT
public:
    explicit dlgCollectionModifierPass(QWidget* parent = nullptr);

    // Writes the new password once the old one is right and the new ones agree; two empty new boxes
    // remove the password.
    void BoutonOK_Click() override;

private:
    QLineEdit* m_texteDescription;
    QLineEdit* m_ancienPasse;
    QLineEdit* m_pass1;
    QLineEdit* m_pass2;
};
