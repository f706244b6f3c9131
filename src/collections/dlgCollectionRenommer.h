#pragma once
// Renames the open collection. Modeless: the collections screen stays usable behind it, so by the time
// OK is clicked another collection may be open, or none.

#include "collections/DialogueCollection.h"

class dlgCollectionRenommer : public DialogueCollection {
    Q_OBJECT
public:
    // `codeCollection`: the collection open when the dialog was opened, the one it renames.
    explicit dlgCollectionRenommer(const QString& codeCollection, QWidget* parent = nullptr);

    // Writes the new name, as long as the collection is still the open one and no other bears the name (the
    // creation's rule); the caption and the list follow.
    void BoutonOK_Click() override;

private:
    QString m_codeCollection;
    QLineEdit* m_newNom;
};
