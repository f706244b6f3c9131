#include "lists/dlgExpManques.h"

dlgExpManques::dlgExpManques(const VueResultat* liste, QWidget* parent)
    : DialogueExportListe(QStringLiteral("dlgExpManques"), QStringLiteral("Exporter la mancoliste"), liste, true, parent)
{
}
