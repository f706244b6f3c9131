#include "platform/Adresses.h"

#include "platform/Plateforme.h"

#include <QDesktopServices>

Navigateur::~Navigateur() = default;

bool NavigateurQt::ouvrir(const QUrl& adresse)
{
    return QDesktopServices::openUrl(adresse);
}

bool OuvrirAdresse(const QUrl& adresse)
{
    return Plateforme().navigateur->ouvrir(adresse);
}
