#pragma once

// Registers the nine main screens, as the program's entry point does.
void EnregistrerEcransDuProgramme();
