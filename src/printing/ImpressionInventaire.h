#pragma once
// The valued inventory as its report prints it: the layout ImpListeTimbres1 bound to the rows and the
// totals that Inventaire builds.

#include "printing/Etat.h"
#include "printing/Inventaire.h"

#include <QString>

// Binds ImpListeTimbres1 as the inventory prints it: the title, the scope, the parents' and children's
// columns, the secondary number (`michel`, else the personal number) and the footer's totals.
void LierInventaire(Etat& etat, const QString& titre, const QString& legendeEtendue, bool michel,
    const TotauxInventaire& totaux);
