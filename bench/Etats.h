#pragma once

#include <QString>

// The reports on the synthetic program folder `dossier`: a 40,000-row list laid out and a page painted;
// the inventory of collection 2, its two statements beside their bare form, its grouping and its layout.
void MesurerEtats(const QString& dossier);
