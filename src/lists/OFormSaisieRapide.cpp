#include "lists/OFormSaisieRapide.h"

#include "data/Source.h"

OFormSaisieRapide::OFormSaisieRapide(QWidget* parent)
    : EcranPrincipal(3, QStringLiteral("OFormSaisieRapide"), 11895, 7755, parent)
{
}

void OFormSaisieRapide::Form_Load()
{
    OuvrirBasePerso();
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
}
