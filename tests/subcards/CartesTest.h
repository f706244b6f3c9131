#pragma once
// The variety and cancellation cards' fixture: the stamp card's small catalogue with the quotations of
// its varieties and cancellations, and the ways a test works a card as the user does.

#include "data/Connexion.h"
#include "support/ProgrammeTest.h"

#include <QString>

#include <memory>

class FicheSecondaire;
class OFormFiche;
class QLineEdit;

// The stamp card's catalogue, and: variety 1a quoted N 12.5, NC 5, O 3, L 8 (NSG not quoted); 1b quoted
// O 2 and L 4 only; 1c (added) not quoted. Cancellation 1-O1 quoted O 6 and L 20, 1-O2 on cover only
// (L 15).
void remplirCatalogueCartes(const Connexion& cnx);

// The program started on that catalogue with the stamp card showing stamp 1, whose lists hold the
// varieties 1a, 1b, 1c and the cancellations 1-O1, 1-O2.
struct ProgrammeCartes {
    ProgrammeCartes();
    ~ProgrammeCartes();
    std::unique_ptr<ProgrammeTest> p;
    OFormFiche* f = nullptr;
};

// Shows the card and makes it the active window, as the modal display does.
bool activer(QWidget* carte);
// The user picks the personal prices in the card's price source, with the keyboard.
void choisirCotesPerso(FicheSecondaire* carte);
// The variety card (or the cancellation card) of `dallay`, opened from the stamp card's list and active.
std::unique_ptr<FicheSecondaire> ouvrirSousCarte(OFormFiche* f, bool obliteration, const QString& dallay);
// The user types into a box (which keeps the focus).
bool taperDans(QLineEdit* boite, const QString& texte);
// The user types into a box and leaves it for another control.
bool saisirEtQuitter(FicheSecondaire* carte, const QString& nom, const QString& texte);
// Rows written to the personal database since the connection was opened.
qint64 ecritures();
// The holdings row of an item in collection 2, as text; empty when there is none.
QString ligneDetention(const QString& table, const QString& dallay);
