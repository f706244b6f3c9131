#include "platform/Ecran.h"

#include "platform/Plateforme.h"

#include <QGuiApplication>
#include <QScreen>

Ecran::~Ecran() = default;

int EcranQt::largeurBureau()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->geometry().width() : 0;
}

int LargeurBureau()
{
    return Plateforme().ecran->largeurBureau();
}
