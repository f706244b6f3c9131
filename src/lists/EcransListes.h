#pragma once

// Registers the quick-entry, want-list and duplicates screens with the screen registry.
void EnregistrerEcransListes();
