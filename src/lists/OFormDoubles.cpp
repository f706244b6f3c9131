#include "lists/OFormDoubles.h"

#include "data/Source.h"

OFormDoubles::OFormDoubles(QWidget* parent) : EcranPrincipal(5, QStringLiteral("OFormDoubles"), 11895, 7755, parent)
{
}

void OFormDoubles::Form_Load()
{
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
}
