#pragma once

#include "printing/DialogueImpressionListe.h"

// "Imprimer la dispoliste": prints one of the two statements the duplicates list's last build left.
class dlgImpDoubles : public DialogueImpressionListe {
    Q_OBJECT
public:
    dlgImpDoubles(const Instruction& texteSQL, const Instruction& texteSQL2, GenreListe genre, QWidget* parent = nullptr);
    void OKButton_Click() override;

private:
    Instruction m_texteSQL;
    Instruction m_texteSQL2;
    GenreListe m_genre;
};
