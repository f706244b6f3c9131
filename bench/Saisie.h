#pragma once

#include <QString>

// The quick entry on the synthetic program folder `dossier`: a whole section listed with its marks beside
// the bare statement, and a thousand stamps ticked at once; prints its figures.
void MesurerSaisie(const QString& dossier);
