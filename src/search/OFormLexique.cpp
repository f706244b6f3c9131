#include "search/OFormLexique.h"

OFormLexique::OFormLexique(QWidget* parent) : EcranPrincipal(8, QStringLiteral("OFormLexique"), 11895, 7755, parent)
{
}

void OFormLexique::Form_Load()
{
    // Reads through the connections the earlier screens opened: nothing to open here.
}
