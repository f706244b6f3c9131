#pragma once
// The backup of the personal database: a copy of the whole file, every collection and table included,
// that the import restores.

#include "data/Connexion.h"

#include <QString>

// Copies the personal database into `cible` through SQLite's online backup, so that the copy is consistent
// even while the program, or another, has the database open: the copy is written to a temporary file beside
// the target, then renamed over it, so an existing target is either wholly replaced or left as it was. A temporary
// file that a backup to the same target left behind, killed before its end, is removed first.
// The personal database itself as the target is refused. Throws ErreurBase.
void SauvegarderBasePerso(const Connexion& perso, const QString& cible);
