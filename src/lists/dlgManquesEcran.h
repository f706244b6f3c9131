#pragma once

#include "lists/DialogueListeEcran.h"

// "Liste des manques".
class dlgManquesEcran : public DialogueListeEcran {
    Q_OBJECT
public:
    dlgManquesEcran(const VueResultat* liste, QWidget* parent = nullptr);
};
