#pragma once
// What the search screen asks of the databases, without a window: the stamp search built from the
// chosen criteria (the list statement, the thumbnail statement and the readable criteria), the variety
// keyword search, the vignette of one stamp, the paging of the thumbnails and the links the stamp
// search reads the catalogue through. Every value travels as a bound parameter.

#include "data/Instruction.h"

#include <QString>
#include <QStringList>

#include <optional>

class Connexion;

// The criteria as the screen holds them. A code is the chosen entry's key, empty when nothing is
// chosen; the name beside it is what the entry shows, used for the readable criteria.
struct CriteresRecherche {
    bool maCollection = false;  // "Ma collection" rather than every stamp
    QString collection;         // the open collection's number, for "Ma collection"
    QString rubrique, nomRubrique;
    QString type, nomType;
    QString theme, nomTheme;
    QString serie, nomSerie;
    QString dessinateur, nomDessinateur;
    QString graveur, nomGraveur;
    QString motCle;
    QString operateurAnnee = QStringLiteral("=");
    QString annee;
    QString faciale;
    QString departement;
};

// The year comparisons offered, in the order the list shows them.
const QStringList& OperateursAnnee();

// Why the year cannot be searched, or nullopt when it can: empty, or one to four digits.
std::optional<QString> RefusAnnee(const QString& annee);

struct RechercheConstruite {
    Instruction liste;        // the rows of the result list and of the printed list, in catalogue order
    Instruction miniatures;   // the numbers of the hits, in catalogue order
    QString texteCritere;     // the criteria in words, ending with a full stop
};

// The stamp search. The statements read the catalogue through the links LinkFrance and LinkCotations
// of the personal database (CreerLiensRecherche) and the personal tables themselves.
RechercheConstruite ConstruireRecherche(const CriteresRecherche& c);

// The varieties whose designation holds the keyword, with their stamp, in the order of the stamp's number.
Instruction RequeteVarietes(const QString& motCle);

// The thumbnail of one stamp on the disc.
Instruction RequeteVignette(const QString& dallay);

// The links the stamp search's statements read; a link left by an earlier run is replaced.
void CreerLiensRecherche(const Connexion& perso);
void SupprimerLiensRecherche(const Connexion& perso);

inline constexpr int MiniaturesParPage = 20;

// One page of thumbnails: the page shown, the counter's text, which page buttons work, and the hits
// the page holds (from `premier`, `nombre` of them).
struct PageMiniatures {
    int page = 0;
    int pages = 0;
    QString libelle;
    bool precedente = false;
    bool suivante = false;
    int premier = 0;
    int nombre = 0;
};

// The page `demandee` of `resultats` hits, brought within the pages there are (page 0 of 0 when none).
PageMiniatures CalculerPage(int resultats, int demandee);
