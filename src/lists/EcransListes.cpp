#include "lists/EcransListes.h"

#include "lists/OFormDoubles.h"
#include "lists/OFormManques.h"
#include "lists/OFormSaisieRapide.h"

void EnregistrerEcransListes()
{
    EnregistrerEcran(3, [] { return new OFormSaisieRapide; });
    EnregistrerEcran(4, [] { return new OFormManques; });
    EnregistrerEcran(5, [] { return new OFormDoubles; });
}
