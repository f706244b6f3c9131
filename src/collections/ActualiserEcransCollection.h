#pragma once
// The screens that follow the open collection.

// Loads, in this order, the stamp card, the search, quick-entry, want-list, duplicates and thematic
// screens that are not loaded yet. Each subscribes to the open collection as it loads and comes in line
// with it at once; afterwards each brings itself in line whenever a collection is opened or closed.
void ActualiserEcransCollection();
