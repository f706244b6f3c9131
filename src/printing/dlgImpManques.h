#pragma once

#include "printing/DialogueImpressionListe.h"

// "Imprimer la mancoliste": prints the statement the want list's last build left.
class dlgImpManques : public DialogueImpressionListe {
    Q_OBJECT
public:
    dlgImpManques(const Instruction& texteSQL, GenreListe genre, QWidget* parent = nullptr);
    void OKButton_Click() override;

private:
    Instruction m_texteSQL;
    GenreListe m_genre;
};
