#pragma once

// Hands the print dialogs to the screens whose buttons open them: the want list, the duplicates list
// and the collection's inventory.
void EnregistrerImpressions();
