#pragma once
// The inventory's fixture, shared by the suite of its statements and sums and by that of its printed report.

#include "data/Connexion.h"

// Sections AA, AE and BS (nothing held in BS). Stamps 1 (Michel M1) and 2 in AA, PA1 in AE, 5 in AA
// without a quotation row; variety 1a and cancellation 1o of stamp 1.
void catalogueInventaire(const Connexion& cnx);
// Collection 2: stamp 1 in N at quality 150 (30), ticked in NC with no copy, in NSG without a price,
// copies in O without the tick but two duplicates (8); stamp 2 without a quality (0) with one duplicate
// (1000); 5 not quoted; PA1 at quality 50 (1,5); variety 1a (50); cancellation 1o in O and L at
// quality 50 (8 + 15); two identical own items of stamp 1 (4 each). Collection 3 holds 2; 4 holds nothing.
void persoInventaire(const Connexion& cnx);
