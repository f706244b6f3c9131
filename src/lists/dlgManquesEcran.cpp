#include "lists/dlgManquesEcran.h"

dlgManquesEcran::dlgManquesEcran(const VueResultat* liste, QWidget* parent)
    : DialogueListeEcran(QStringLiteral("dlgManquesEcran"), QStringLiteral("Liste des manques"), liste, parent)
{
}
