#pragma once
// Everything that reaches the three databases: their paths, one connection per database, the openers,
// the table test and the temporary links of catalogue tables into the personal database.

#include "data/Connexion.h"

#include <QString>

// The connections. Each always holds an object; an opener that failed leaves one that is not open,
// so every later statement on it fails and the screens come up empty.
// The reports read the personal database through CnxPerso itself, the catalogue's tables linked into it;
// the inventory is grouped and summed in code, so no report needs a connection of its own.
extern ConnexionPtr CnxPerso;
extern ConnexionPtr CnxCatalogue;
extern ConnexionPtr CnxCD;

// The mount path of the drive holding the catalogue disc; empty when none was found (then no disc connection at all).
extern QString LecteurCD;

inline const QString NomBaseCatalogue = QStringLiteral("FR_BIN.DOV");
inline const QString NomBasePerso = QStringLiteral("Ovlcfr02.mdb");
inline const QString CheminRelatifBaseCD = QStringLiteral("DATAS/FR_BINP.DOV");

// The program folder: the executable's folder unless a test or the builder set another.
QString DossierProgramme();
void DefinirDossierProgramme(const QString& dossier);

// `dossier` followed by `relatif`, each name of `relatif` matched ignoring case against what exists
// (case is ignored so that stored files written in either case still match the names the program uses).
// When nothing matches, the path as written.
QString TrouverFichier(const QString& dossier, const QString& relatif);

QString CheminBaseCD();  // empty when no disc was found
QString CheminBaseCatalogue();
QString CheminBasePerso();
QString CheminGroupeTravail();

// The openers return whether the connection is open. All but OuvrirBaseCD keep a connection that is
// already open; OuvrirBaseCD opens the disc anew each time, since the disc may have been changed.
bool OuvrirBaseCD();
bool OuvrirBaseCatalogue();
bool OuvrirBasePerso();
// Why the last opener failed, for diagnostics.
QString DerniereErreurOuverture();
// Shut-down: the globals let go of their connections (recordsets still open keep theirs alive).
void LibererConnexions();

// True when a table or a link of that name exists, the name compared ignoring case as the database does.
bool TableExiste(const Connexion& cnx, const QString& nom);

// Links `tableSource` of the database file `cheminSource` into `cnx` under `nomLien`: the file is
// attached read-only and the link is a TEMP view, so no link outlives the program. A link of that name
// made before is replaced. Throws ErreurBase when the file or its table is missing.
void CreerTableLiee(
    const Connexion& cnx, const QString& nomLien, const QString& cheminSource, const QString& tableSource);
// Drops the link; nothing happens when there is none.
void SupprimerTableLiee(const Connexion& cnx, const QString& nomLien);
// Detaches a source file once its links are dropped, so that it is no longer held open.
void DetacherSource(const Connexion& cnx, const QString& cheminSource);
