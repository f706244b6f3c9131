#include "platform/Aide.h"

#include "platform/Plateforme.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

VisionneuseAide::~VisionneuseAide() = default;

VisionneuseAideQt::~VisionneuseAideQt()
{
    // The registry outlives the application object; a widget cannot be
    // deleted once that is gone.
    if (QCoreApplication::instance())
        delete m_fenetre.data();
}

bool VisionneuseAideQt::ouvrir(const QString& fichier)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    f.close();

    if (!m_fenetre) {
        m_fenetre = new QWidget(nullptr, Qt::Window);
        m_fenetre->setWindowTitle(QStringLiteral("Aide"));
        auto* disposition = new QVBoxLayout(m_fenetre);
        disposition->setContentsMargins(0, 0, 0, 0);
        m_navigateur = new QTextBrowser(m_fenetre);
        m_navigateur->setOpenExternalLinks(true);
        disposition->addWidget(m_navigateur);
        m_fenetre->resize(800, 600);
    }

    // Through setSource so that relative links and images resolve against
    // the help file's folder.
    m_navigateur->setSource(QUrl::fromLocalFile(QFileInfo(fichier).absoluteFilePath()), QTextDocument::HtmlResource);

    m_fenetre->setWindowState(m_fenetre->windowState() & ~Qt::WindowMinimized);
    m_fenetre->show();
    m_fenetre->raise();
    m_fenetre->activateWindow();
    return true;
}

bool OuvrirAide(const QString& fichier)
{
    return Plateforme().aide->ouvrir(fichier);
}
