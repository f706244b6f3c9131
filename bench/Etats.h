#pragma once

#include <QString>

// The reports on the synthetic program folder `dossier`: a 40,000-row list laid out and a page painted;
// the inventory of collection 2, its items' statement and its whole build (links, statements, grouping)
// beside their bare form, its layout and a page painted.
void MesurerEtats(const QString& dossier);
// The inventory's first build in a fresh process, then its later builds, beside its bare statements.
bool MesurerPremierInventaire();
