#include "lists/dlgDoublesEcran.h"

dlgDoublesEcran::dlgDoublesEcran(const VueResultat* liste, QWidget* parent)
    : DialogueListeEcran(QStringLiteral("dlgDoublesEcran"), QStringLiteral("Liste des doubles"), liste, parent)
{
}
