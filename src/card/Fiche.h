#pragma once
// What the rest of the program knows of the stamp card: its catalogue recordset, its modified flag,
// its display and save, and the hand-off by which another screen opens the card on a stamp.

#include "data/Recordset.h"

#include <QString>

class QWidget;

// Every stamp of the catalogue in catalogue order, read once when the card loads; its current row is
// the stamp on the card.
extern Recordset rstFrance;
// The card's personal numbers, all stamps, in the order of the number (the quick search by personal number).
extern Recordset rstListeIDPerso;
// The holdings row of the card's stamp in the collection open when it was last displayed.
extern Recordset rstMaCollection;
// The personal number of the card's stamp.
extern Recordset rstCorrespID;

// 1 when the holdings grid was edited since the stamp was shown or saved.
extern int ModifFiche;

// Shows the current row of rstFrance on the card with the open collection's holdings; leaves ModifFiche at 0.
void AfficherFiche();
// Writes the card's holdings when they were edited and clears the flag. A write that fails is reported
// and keeps the flag: false, and the caller does not move the card.
bool EnregistrerSiModifie();
// The card's list of the themes of its stamp: the predefined ones, and the open collection's. A failure
// passes to the caller.
void RemplirThemesFiche();
// The card's list of the open collection's own items of its stamp; empty with no collection open.
void RemplirMesVarietesFiche();
// Opens the card on the stamp `dallay` for another screen, which hides itself: the card comes up on its
// own tab and shows that stamp, or the first of the catalogue when the number is unknown. Saves nothing.
void AtteindreFiche(const QString& dallay, QWidget* appelant);
