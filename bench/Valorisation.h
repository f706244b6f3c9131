#pragma once

#include <QString>

// The collection's valuation on the synthetic program folder `dossier`, beside the same grouped statements
// run bare; prints its figures.
void MesurerValorisation(const QString& dossier);
