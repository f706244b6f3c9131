#pragma once

// Registers the search, rates, thematic and glossary screens with the screen registry.
void EnregistrerEcransRecherche();
