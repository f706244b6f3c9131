#pragma once
// What the quick-entry screen does without its window: the stamps of a section or a year with the open
// collection's marks, the years it offers, and the ticking of one condition for many stamps at once.

#include "data/Connexion.h"
#include "data/Recordset.h"

#include <QString>
#include <QStringList>

#include <vector>

// The list: LinkFrance (made for the query and dropped after it, whatever happens) joined once to the
// collection's rows. Columns Dallay, AnneeEmission, DesignationCourt, then the marks QN, QC, QG, QO, QL
// and NPA, each 'x' when the stored column is -1 and Null otherwise; stamps without a holdings row are
// listed too. An empty criterion is not applied; the caller refuses the case where both are empty.
Recordset OuvrirListeRapide(const ConnexionPtr& perso, const QString& cheminCatalogue, const QString& collection,
    const QString& rubrique, const QString& annee);
// The statement behind it, with its placeholders: collection, then section and year when given.
QString RequeteListeRapide(bool avecRubrique, bool avecAnnee);

// The distinct years of issue of the catalogue, of one section when `rubrique` is not empty, ascending,
// without Null. One column, AnneeEmission.
Recordset OuvrirAnneesRapide(const ConnexionPtr& catalogue, const QString& rubrique);

// One member of the choice of condition: the list's sub-item it toggles, the quotation that must exist
// (none for the "do not acquire" flag) and the columns it writes.
struct OptionCoche {
    QString libelle;
    int sousElement;
    QString prix;     // column of Cotations2001; empty: no quotation needed
    QString possede;  // QteN ... QteL, or NePasAcquerir
    QString qualite;  // EtatN ... EtatL; empty for the flag
    QString copies;   // QtesN ... QtesL; empty for the flag
};

inline constexpr int NombreOptionsCoche = 6;
// Members 1 to 6.
const OptionCoche& OptionDeCoche(int index);

// The texts a mark cell holds: the list's own mark and the one a tick writes. Any text counts as marked.
inline const QString MarqueListe = QStringLiteral("x");
inline const QString MarqueCochee = QStringLiteral("  x");

struct DemandeCoche {
    QString dallay;
    bool marquer;  // the cell is empty now: the condition becomes held
};

struct BilanCoche {
    // For each request, in order: its row was written and its cell may change.
    std::vector<bool> ecrits;
    // The numbers not quoted in the chosen condition, in order; nothing was written for them.
    QStringList nonCotes;
    // Why writing failed, empty when every quoted request was written.
    QString erreur;
};

// Writes the chosen member for every request into the collection's rows (a new row when the stamp has
// none), in one transaction: `Collection`, `Dallay` and the member's columns, nothing else. Quotations
// are read on `catalogue` first; a stamp not quoted in the condition is left alone. A failed write
// leaves that request unwritten; a failed commit leaves them all so.
BilanCoche CocherTimbres(const Connexion& perso, const Connexion& catalogue, const QString& collection,
    int option, const std::vector<DemandeCoche>& demandes);

// The one message for the stamps a run could not tick, or empty when there are none. With several rows
// selected it names them, since the user cannot tell otherwise which ones were refused.
QString MessageNonCotes(const QStringList& nonCotes, int nombreSelectionnes);
