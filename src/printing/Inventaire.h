#pragma once
// The valued inventory of a collection: its catalogue sections as parent rows, the items it holds
// (stamps, varieties, cancellations, own items) as their child rows with the value of the copies and of
// the duplicates per condition, the sums of each section and the collection's totals. Two statements
// (the sections, then the items in catalogue order) grouped and summed here, in double precision. The
// items stay packed in their result, each section holding their row numbers: no value per cell is made
// until the report reads it.

#include "data/Conditions.h"
#include "data/Connexion.h"
#include "printing/DonneesEtat.h"

#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <utility>

// The scopes of the dialog, numbered as its options.
enum class Etendue { TimbresType = 1, Varietes = 2, Obliterations = 3, VarietesPersonnelles = 4, Tout = 5 };

// The parts' captions joined by ", ", as the report header shows the scope.
QString LegendeEtendue(Etendue etendue);
// The catalogue tables the scope reads, in the order they are linked: (link, table).
QList<std::pair<QString, QString>> LiensInventaire(Etendue etendue);
// Every link name an inventory may make, dropped at the end of each print whatever its scope.
QStringList TousLiensInventaire();

// The statement of the items (36 columns, see the .cpp), with one ? per part for the collection's code.
QString InstructionElements(Etendue etendue);

// The number of conditions an item is valued in, for its copies and for its duplicates.
inline constexpr std::size_t NombreConditions = Conditions.size();
// The running totals: each condition's copies in the order of the table of conditions (N, NC, NSG, O, L),
// then each condition's duplicates (DN, DNC, DNSG, DO, DL).
using TotauxInventaire = std::array<double, 2 * NombreConditions>;

struct Inventaire {
    std::unique_ptr<TableEtat> rubriques;  // parents, the items under the member "Timbres"
    TotauxInventaire totaux {};
};

// Runs the two statements on `cnx`, whose links exist. Throws ErreurBase when one fails.
Inventaire ConstruireInventaire(const ConnexionPtr& cnx, Etendue etendue, const QString& collection);

// The report footer's labels and their values, formatted "#,##0.0".
QList<std::pair<QString, QString>> LegendesSynthese(const TotauxInventaire& totaux);
