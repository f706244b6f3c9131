#pragma once
// SQL functions and collations registered on every connection the program opens.

#include <QString>

struct sqlite3;

// LIKE that ignores case for every letter, accented capitals included ("église" matches "Église"),
// while accents themselves still count ("eglise" does not match "église"). Wildcards % and _; optional ESCAPE.
bool CorrespondLike(const QString& motif, const QString& texte, QChar echappement = QChar());

// French order for names: letters before accents before case, ligatures spelt out (œ as oe).
// Returns <0, 0 or >0. Registered as the collation FRANCAIS.
int ComparerFrancais(const QString& a, const QString& b);

// Registers on `db` the LIKE above, the collation FRANCAIS and ValeurSimple(x) (data/Valeurs.h), by
// which a statement takes a price stored in single precision as the decimal it stands for.
void EnregistrerFonctionsSql(sqlite3* db);
