#include "platform/Sablier.h"

#include <QCursor>
#include <QGuiApplication>

Sablier::Sablier()
{
    // Code under a console-only test application has no pointer to change.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_actif = true;
    }
}

Sablier::~Sablier()
{
    restaurer();
}

void Sablier::restaurer()
{
    if (!m_actif)
        return;
    m_actif = false;
    QGuiApplication::restoreOverrideCursor();
}

void RetablirPointeurParDefaut()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
