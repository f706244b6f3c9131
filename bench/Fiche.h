#pragma once

#include <QString>

// The stamp card's moves on the synthetic program folder `dossier`, beside the bare SQL reads a display
// makes; prints its figures.
void MesurerFiche(const QString& dossier);
