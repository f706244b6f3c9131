#include "shell/MDIForm1.h"

#include "shell/Demarrage.h"
#include "shell/EcranPrincipal.h"
#include "shell/frmAproposde.h"
#include "shell/frmRemerciements.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShortcut>

namespace {

QAction* ajouterAction(QMenu* menu, const QString& nom, const QString& texte)
{
    QAction* a = menu->addAction(texte);
    a->setObjectName(nom);
    return a;
}

// The about box and the credits window: at most one of each, brought forward when chosen again.
template <typename Fenetre> void montrerUnique(QPointer<Fenetre>& fenetre)
{
    if (!fenetre) {
        fenetre = new Fenetre;
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

QPointer<frmAproposde> g_apropos;

// The area behind the screens, painted dark as a workspace; painted rather than set in the palette,
// which the screens would inherit.
class ZoneEcrans : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(128, 128, 128)); }
};
QPointer<frmRemerciements> g_remerciements;

}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(CaptionPrincipale);

    QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("Fichier"));
    connect(ajouterAction(fichier, QStringLiteral("FichierQuitter"), QStringLiteral("&Quitter")), &QAction::triggered,
        this, &MDIForm1::FichierQuitter_Click);

    QMenu* fenetre = menuBar()->addMenu(QStringLiteral("F&enêtre"));
    fenetre->setObjectName(QStringLiteral("Fenetre"));
    connect(ajouterAction(fenetre, QStringLiteral("FenetreApropos"), QStringLiteral("&A propos de...")),
        &QAction::triggered, this, &MDIForm1::FenetreApropos_Click);
    connect(ajouterAction(fenetre, QStringLiteral("FenetreRemerci"), QStringLiteral("&Remerciements")),
        &QAction::triggered, this, &MDIForm1::FenetreRemerci_Click);

    QMenu* aide = menuBar()->addMenu(QStringLiteral("&?"));
    aide->setObjectName(QStringLiteral("Aide"));
    connect(ajouterAction(aide, QStringLiteral("AideSommaire"), QStringLiteral("&Sommaire de l'aide")),
        &QAction::triggered, this, &MDIForm1::AideSommaire_Click);

    // F1 opens the help from any window of the program, cards and dialogs included.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [] { AfficherAide(); });

    m_zone = new ZoneEcrans(this);
    m_zone->setObjectName(QStringLiteral("ZoneEcrans"));
    setCentralWidget(m_zone);
    DefinirConteneurEcrans(m_zone);
}

void MDIForm1::MDIForm_Load()
{
    // Without a window manager the maximised state alone sizes nothing: take the screen's area too.
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        setGeometry(ecran->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void MDIForm1::FichierQuitter_Click()
{
    close();
}

void MDIForm1::FenetreApropos_Click()
{
    montrerUnique(g_apropos);
}

void MDIForm1::FenetreRemerci_Click()
{
    montrerUnique(g_remerciements);
}

void MDIForm1::AideSommaire_Click()
{
    AfficherAide();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // Nothing asks and nothing can cancel: closing the main window ends the program.
    event->accept();
    ArreterProgramme();
}
