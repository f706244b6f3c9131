#include "search/OFormRecherche.h"

#include "data/Source.h"

OFormRecherche::OFormRecherche(QWidget* parent)
    : EcranPrincipal(2, QStringLiteral("OFormRecherche"), 11900, 7750, parent)
{
}

void OFormRecherche::Form_Load()
{
    OuvrirBasePerso();
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
}
