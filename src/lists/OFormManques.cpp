#include "lists/OFormManques.h"

#include "data/Source.h"

OFormManques::OFormManques(QWidget* parent) : EcranPrincipal(4, QStringLiteral("OFormManques"), 11895, 7755, parent)
{
}

void OFormManques::Form_Load()
{
    OuvrirBaseCatalogue();
}
