#pragma once
// The import of personal data: a backup of this edition's personal database restored, or the personal
// database of the previous edition taken over with its stamp numbers converted to this edition's.

#include "data/Connexion.h"

#include <QString>

enum class ModeImport { RestaurationSauvegarde, ImportEditionPrecedente };

// The mode follows the file type chosen in the dialog: 1 is the backup, anything else the previous edition.
ModeImport ModePourFiltre(int indexFiltre);

// Empty when `chemin` can be imported in `mode`; otherwise the French sentence saying why: the personal
// database itself (`cheminBasePerso`), a missing or unreadable file, a file that is no database, a database
// lacking one of the mode's tables or one of the columns the mode reads.
QString VerifierSourceImport(const QString& chemin, ModeImport mode, const QString& cheminBasePerso);

struct ResultatImport {
    // Rows of the previous edition set aside because a row read before them has the same number in the same
    // collection: holdings that its renumbering made collide, or that its file held twice, and personal prices
    // held twice.
    int lignesEcartees = 0;
};

// Replaces the personal data of every collection with the file's, in one transaction on `perso`: this
// database keeps its collection 1, its predefined themes and its renumbering tables. The file is checked first
// (VerifierSourceImport): a file refused there changes nothing. The file is only read,
// through links made before and dropped after (the file detached), also on failure. Throws ErreurBase,
// and then this database is exactly as before.
ResultatImport ImporterDonnees(const Connexion& perso, const QString& chemin, ModeImport mode);

// "Importation terminée", followed, when rows were set aside, by a sentence saying how many and why.
QString MessageImportationTerminee(const ResultatImport& resultat);
