#include "support/EcransDuProgramme.h"

#include "card/OFormFiche.h"
#include "collections/OFormCollections.h"
#include "lists/EcransListes.h"
#include "printing/EnregistrementImpressions.h"
#include "search/EcransRecherche.h"

void EnregistrerEcransDuProgramme()
{
    EnregistrerEcransCollections();
    EnregistrerEcransFiche();
    EnregistrerEcransRecherche();
    EnregistrerEcransListes();
    EnregistrerImpressions();
}
