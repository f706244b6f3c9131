#include "search/EcransRecherche.h"

#include "search/OFormLexique.h"
#include "search/OFormRecherche.h"
#include "search/OFormTarifs.h"
#include "search/OFormThematique.h"

void EnregistrerEcransRecherche()
{
    EnregistrerEcran(2, [] { return new OFormRecherche; });
    EnregistrerEcran(6, [] { return new OFormTarifs; });
    EnregistrerEcran(7, [] { return new OFormThematique; });
    EnregistrerEcran(8, [] { return new OFormLexique; });
}
