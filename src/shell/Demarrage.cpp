#include "shell/Demarrage.h"

#include "data/Source.h"
#include "platform/Aide.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "shell/ChercherLecteurCD.h"
#include "shell/EcranPrincipal.h"
#include "shell/Intro.h"
#include "shell/MDIForm1.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSessionManager>

#include <memory>

#include <unistd.h>

namespace {

VerrouInstance g_verrou;
QPointer<MDIForm1> g_principale;
bool g_arret = false;

}  // namespace

MDIForm1* FormePrincipale()
{
    return g_principale.data();
}

bool Main()
{
    // One lock per user and program folder, outside the folder (it may be read-only).
    VerrouInstance verrou = PrendreVerrouInstance(FichierVerrouInstance(DossierProgramme(), ::geteuid()));
    if (verrou.etat != EtatVerrou::Pris) {
        AfficherMessage(verrou.message, Boutons::OK, Icone::Exclamation, TitreApplication);
        return false;
    }
    if (!QFileInfo(TrouverFichier(DossierProgramme(), NomBaseCatalogue)).isFile()) {
        AfficherMessage(MessageDossierInstallation, Boutons::OK, Icone::Exclamation, TitreApplication);
        return false;
    }
    g_verrou = std::move(verrou);
    g_arret = false;
    ChercherLecteurCD();

    // The hourglass until the collections screen has brought the screens in line; then the default.
    Sablier sablier;
    QPointer<Intro> intro = new Intro;
    intro->show();
    QCoreApplication::processEvents();

    g_principale = new MDIForm1;
    g_principale->setAttribute(Qt::WA_DeleteOnClose);
    g_principale->MDIForm_Load();
    g_principale->show();

    ChargerEcran(0);
    for (int onglet = 1; onglet < NombreOnglets; ++onglet)
        ChargerEcran(onglet);

    if (EcranPrincipal* collections = ChargerEcran(0)) {
        collections->barre()->setTab(0);
        collections->raise();
        collections->barre()->setFocus();
    }
    // Kept above the main window until its timer closes it, even where no window manager enforces it.
    if (intro)
        intro->raise();
    // The desktop session ending closes the program the same way, pending edits written first.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(
            app, &QGuiApplication::commitDataRequest, g_principale, [](QSessionManager&) { ArreterProgramme(); });
    return true;
}

void ArreterProgramme()
{
    if (g_arret)
        return;
    g_arret = true;
    // The screens first, while every recordset and connection is still open.
    for (int onglet = 0; onglet < NombreOnglets; ++onglet) {
        if (EcranPrincipal* ecran = EcranSiCharge(onglet))
            ecran->Form_Unload();
    }
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        for (QWidget* fenetre : app->topLevelWidgets()) {
            if (fenetre != g_principale.data() && fenetre->isVisible())
                fenetre->close();
        }
    }
    LibererConnexions();
    QCoreApplication::quit();
}

void AfficherAide()
{
    const QString chemin = TrouverFichier(DossierProgramme(), NomFichierAide);
    if (!QFileInfo(chemin).isFile() || !OuvrirAide(chemin)) {
        AfficherMessage(
            QStringLiteral("Le fichier d'aide %1 est introuvable dans le dossier du programme.").arg(NomFichierAide),
            Boutons::OK, Icone::Exclamation, TitreApplication);
    }
}

void OublierDemarrage()
{
    if (g_principale) {
        g_principale->setAttribute(Qt::WA_DeleteOnClose, false);
        delete g_principale.data();
    }
    DechargerEcrans();
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Deleting one window may delete others it owns: hold them by guarded pointers.
        QList<QPointer<QWidget>> fenetres;
        for (QWidget* fenetre : app->topLevelWidgets())
            fenetres << fenetre;
        for (const QPointer<QWidget>& fenetre : fenetres)
            delete fenetre.data();
    }
    g_verrou = VerrouInstance();
    g_arret = false;
}
