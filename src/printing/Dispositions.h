#pragma once
// The eight report layouts, as data. Each call gives a fresh layout with its open boxes unbound.

#include "printing/Etat.h"

Etat ImpManques1();
Etat ImpDoubles1();
Etat ImpDoubles2();
Etat ImpRecherche1();
Etat ImpRecherche2();
Etat ImpRecherche3();
Etat ImpCollection1();
Etat ImpListeTimbres1();

// The printing-error sentences of the layouts that have one.
inline const QString PhraseImprimanteAvecEspace = QStringLiteral("Il n' y a peut-être pas d'imprimante installée.");
inline const QString PhraseImprimanteSansEspace = QStringLiteral("Il n'y a peut-être pas d'imprimante installée.");
