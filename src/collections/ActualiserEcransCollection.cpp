#include "collections/ActualiserEcransCollection.h"

#include "platform/Sablier.h"
#include "shell/EcranPrincipal.h"

void ActualiserEcransCollection()
{
    Sablier sablier;
    // By tab: the card, the search, quick entry, the want list, the duplicates, the thematic screen. The
    // order of loading is the order in which they come in line at every opening and closing.
    for (int onglet : {1, 2, 3, 4, 5, 7})
        ChargerEcran(onglet);
    sablier.restaurer();
    RetablirPointeurParDefaut();
}
