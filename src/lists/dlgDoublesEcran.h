#pragma once

#include "lists/DialogueListeEcran.h"

// "Liste des doubles".
class dlgDoublesEcran : public DialogueListeEcran {
    Q_OBJECT
public:
    dlgDoublesEcran(const VueResultat* liste, QWidget* parent = nullptr);
};
