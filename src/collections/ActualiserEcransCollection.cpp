#include "collections/ActualiserEcransCollection.h"

#include "platform/Sablier.h"
#include "shell/EcranPrincipal.h"

void ActualiserEcransCollection()
{
    Sablier sablier;
    // The card, search, quick-entry, want-list, duplicates and thematic screens, in that order.
    for (int onglet : {1, 2, 3, 4, 5, 7})
        ChargerEcran(onglet);
    sablier.restaurer();
    RetablirPointeurParDefaut();
}
