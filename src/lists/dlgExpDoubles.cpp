#include "lists/dlgExpDoubles.h"

dlgExpDoubles::dlgExpDoubles(const VueResultat* liste, QWidget* parent)
    : DialogueExportListe(QStringLiteral("dlgExpDoubles"), QStringLiteral("Exporter la dispoliste"), liste, false, parent)
{
}
