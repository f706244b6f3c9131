#pragma once

#include <QString>

// The search screen's searches on the synthetic program folder, each beside its statements stepped
// bare on the C API; prints its figures.
void MesurerRecherche(const QString& dossier);
