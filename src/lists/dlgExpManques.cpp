#include "lists/dlgExpManques.h"

dlgExpManques::dlgExpManques(const VueListe* liste, QWidget* parent)
    : DialogueExportListe(QStringLiteral("dlgExpManques"), QStringLiteral("Exporter la mancoliste"), liste, true, parent)
{
}
