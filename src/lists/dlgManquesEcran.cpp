#include "lists/dlgManquesEcran.h"

dlgManquesEcran::dlgManquesEcran(const VueListe* liste, QWidget* parent)
    : DialogueListeEcran(QStringLiteral("dlgManquesEcran"), QStringLiteral("Liste des manques"), liste, parent)
{
}
