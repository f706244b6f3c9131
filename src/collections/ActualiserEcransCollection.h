#pragma once

// Brings the card, search, quick-entry, want-list, duplicates and thematic screens into the state of
// the open collection, or of none; its first use of each screen loads that screen.
void ActualiserEcransCollection();
