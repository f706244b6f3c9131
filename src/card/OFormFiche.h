#pragma once
// The stamp card: one catalogue stamp at a time, with the open collection's holdings of it.

#include "shell/EcranPrincipal.h"

// Set by every accepted edit of the holdings grid; the card's next move writes the holdings when it is 1.
extern int ModifFiche;

class OFormFiche : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormFiche(QWidget* parent = nullptr);

    // Writes the holdings grid into the open collection's row of the card's stamp.
    void MaJCollection();
    void Form_Unload() override;

protected:
    void Form_Load() override;
    void AvantChangementEcran() override;
};

// Writes the card's holdings when they were edited, then clears the flag in every case.
void EnregistrerSiModifie();

// Registers the stamp card with the screen registry.
void EnregistrerEcransFiche();
