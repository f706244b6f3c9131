#include "lists/dlgExpDoubles.h"

dlgExpDoubles::dlgExpDoubles(const VueListe* liste, QWidget* parent)
    : DialogueExportListe(QStringLiteral("dlgExpDoubles"), QStringLiteral("Exporter la dispoliste"), liste, false, parent)
{
}
