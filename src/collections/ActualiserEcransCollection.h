#pragma once
// Bringing the other screens in line with the open collection.

#include <QString>

// The SQL condition for a theme of a collection's own: Predefini not true, Null counting as not predefined.
inline const QString ConditionThemePersonnel = QStringLiteral("COALESCE(Predefini, 0) = 0");

// Brings the card, search, quick-entry, want-list, duplicates and thematic screens into the state of
// the open collection, or of none, whichever the caption of CollectionOuverte shows; its first use of
// each screen loads that screen.
void ActualiserEcransCollection();
// The thematic screen's list of the open collection's personal themes.
void RemplirThemesPersos();
// The card's list of the themes of its stamp: the predefined ones, and the open collection's.
void RemplirThemesFiche();
// The card's list of the open collection's own items of its stamp.
void RemplirMesVarietesFiche();
// The search screen's theme criterion: the predefined themes, and the open collection's.
void RemplirThemesRecherche();
