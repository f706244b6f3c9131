// The resident memory along a session, step after step, the screens driven through their own controls
// as the user works them; the inventory's time from the click to its preview shown comes with it.

#include "Memoire.h"
#include "Mesure.h"

#include "card/OFormFiche.h"
#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "lists/EcransListes.h"
#include "printing/dlgImpListeTimbres.h"
#include "search/EcransRecherche.h"
#include "shell/CollectionOuverte.h"
#include "shell/Demarrage.h"
#include "shell/EcranPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void etape(const char* nom)
{
    QApplication::processEvents();
    std::printf("%-58s %9.1f Mio\n", nom, MemoireResidente());
    std::fflush(stdout);
}

template <typename T> T* controle(QWidget* ecran, const char* nom)
{
    T* c = ecran ? ecran->findChild<T*>(QString::fromUtf8(nom)) : nullptr;
    if (!c)
        std::printf("(contrôle %s introuvable)\n", nom);
    return c;
}

// Once the modal preview is up and painted: `pendant` runs, then the preview is closed as the user
// closes it.
void quandApercuOuvert(const std::function<void()>& pendant)
{
    QTimer::singleShot(10, [pendant] {
        QWidget* apercu = QApplication::activeModalWidget();
        if (!apercu || qobject_cast<dlgImpListeTimbres*>(apercu)) {
            quandApercuOuvert(pendant);
            return;
        }
        pendant();
        apercu->close();
    });
}

}  // namespace

bool MesurerMemoire(const QString& dossier)
{
    std::printf("\nMémoire résidente au fil d'une séance (processus neuf)\n");
    etape("avant le démarrage");
    EnregistrerEcransCollections();
    EnregistrerEcransFiche();
    EnregistrerEcransRecherche();
    EnregistrerEcransListes();
    if (!Main()) {
        std::fprintf(stderr, "banc_essai : le programme n'a pas démarré sur %s\n", qPrintable(dossier));
        return false;
    }
    LecteurCD = QDir(dossier).filePath(QStringLiteral("disque"));
    etape("après le démarrage");
    LaCollectionOuverte().ouvrir(QStringLiteral("2"), QStringLiteral("Collection de mesure"));
    etape("collection 2 ouverte");

    // The keyword want list over every condition, as the user ticks them and types the keyword.
    QWidget* manques = ChargerEcran(4);
    manques->show();
    for (const char* c : {"ChoixNeuf", "ChoixOblitéré", "ChoixLettre"})
        if (auto* b = controle<QCheckBox>(manques, c); b && !b->isChecked())
            b->click();
    if (auto* motCle = controle<QLineEdit>(manques, "TexteMotCle"))
        motCle->setText(QStringLiteral("V"));
    if (auto* b = controle<QPushButton>(manques, "BoutonCrerListeSpec"))
        b->click();
    if (auto* n = controle<QLabel>(manques, "NBTimbres"))
        std::printf("(%s lignes)\n", qPrintable(n->text()));
    etape("après la mancoliste des variétés, mot-clé \"V\"");

    QWidget* recherche = ChargerEcran(2);
    recherche->show();
    if (auto* b = controle<QPushButton>(recherche, "BoutonRechercher"))
        b->click();
    if (auto* n = controle<QLabel>(recherche, "TexteNb"))
        std::printf("(%s)\n", qPrintable(n->text()));
    etape("après la recherche de tous les timbres");

    {
        dlgImpListeTimbres dialogue;
        dialogue.show();
        QElapsedTimer chrono;
        chrono.start();
        quandApercuOuvert([&] {
            std::printf("%-58s %9.1f ms\n", "inventaire : du clic à l'aperçu affiché", chrono.nsecsElapsed() / 1e6);
            etape("aperçu de l'inventaire ouvert");
        });
        if (auto* b = controle<QPushButton>(&dialogue, "OKButton"))
            b->click();
    }
    etape("aperçu de l'inventaire fermé");
    ArreterProgramme();
    return true;
}
