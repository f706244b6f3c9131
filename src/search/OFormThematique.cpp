#include "search/OFormThematique.h"

OFormThematique::OFormThematique(QWidget* parent)
    : EcranPrincipal(7, QStringLiteral("OFormThematique"), 11895, 7755, parent)
{
}

void OFormThematique::Form_Load()
{
    // Reads through the connections the earlier screens opened: nothing to open here.
}
