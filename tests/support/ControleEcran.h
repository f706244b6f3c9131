#pragma once
// A control of a main screen, found by its name; the screen is loaded first if it is not. Tests reach
// the controls this way, as the user sees them.

#include "shell/EcranPrincipal.h"

#include <QString>

template <typename T> T* ControleEcran(int onglet, const QString& nom)
{
    EcranPrincipal* ecran = ChargerEcran(onglet);
    return ecran ? qobject_cast<T*>(ecran->findChild<QWidget*>(nom)) : nullptr;
}
