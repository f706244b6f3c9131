#include "search/OFormTarifs.h"

OFormTarifs::OFormTarifs(QWidget* parent) : EcranPrincipal(6, QStringLiteral("OFormTarifs"), 11895, 7755, parent)
{
}

void OFormTarifs::Form_Load()
{
    // Reads through the connections the earlier screens opened: nothing to open here.
}
