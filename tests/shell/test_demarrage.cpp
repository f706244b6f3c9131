// Start-up, the main window, the nine-tab switching and shut-down, on a temporary program folder.

#include "card/OFormFiche.h"
#include "collections/Adresses.h"
#include "collections/OFormCollections.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "data/Source.h"
#include "shell/Demarrage.h"
#include "shell/EcranPrincipal.h"
#include "shell/Intro.h"
#include "shell/MDIForm1.h"
#include "shell/frmAproposde.h"
#include "shell/frmRemerciements.h"
#include "support/DossierTest.h"
#include "support/DroitsOrdinaires.h"
#include "support/EcransDuProgramme.h"
#include "support/PlateformeScriptee.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <optional>

namespace {

template <typename T> QList<T*> fenetresOuvertes()
{
    QList<T*> trouvees;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            trouvees << t;
    return trouvees;
}

QList<int> ecransVisibles()
{
    QList<int> visibles;
    for (int i = 0; i < NombreOnglets; ++i)
        if (EcranPrincipal* e = EcranSiCharge(i); e && !e->isHidden())
            visibles << i;
    return visibles;
}

// Sets environment variables for its lifetime (an empty optional unsets one), then puts them back.
class Environnement {
public:
    explicit Environnement(const QList<QPair<QByteArray, std::optional<QString>>>& valeurs)
    {
        for (const auto& [nom, valeur] : valeurs) {
            m_anciennes.append({nom, qEnvironmentVariableIsSet(nom.constData())
                                         ? std::optional<QString>(qEnvironmentVariable(nom.constData()))
                                         : std::nullopt});
            definir(nom, valeur);
        }
    }
    ~Environnement()
    {
        for (const auto& [nom, valeur] : m_anciennes)
            definir(nom, valeur);
    }

private:
    static void definir(const QByteArray& nom, const std::optional<QString>& valeur)
    {
        if (valeur)
            qputenv(nom.constData(), valeur->toLocal8Bit());
        else
            qunsetenv(nom.constData());
    }
    QList<QPair<QByteArray, std::optional<QString>>> m_anciennes;
};

}  // namespace

class TestDemarrage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { EnregistrerEcransDuProgramme(); }
    void cleanup() { ModifFiche = 0; }

    void demarrage()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        QVERIFY(p.plateforme.messages().isEmpty());
        // The collections screen's load brings up six screens inside it, then start-up the last two.
        QCOMPARE(OrdreDeChargement(), (QList<int> {0, 1, 2, 3, 4, 5, 7, 6, 8}));
        MDIForm1* principale = FormePrincipale();
        QVERIFY(principale);
        QCOMPARE(principale->windowTitle(), QStringLiteral("Orvalen Zorizad ud Udavoz - Edition 2002-2003"));
        QVERIFY(principale->windowState() & Qt::WindowMaximized);
        // Every screen a child of the main window; the collections screen in front, on its tab, focused.
        for (int i = 0; i < NombreOnglets; ++i)
            QCOMPARE(EcranSiCharge(i)->window(), principale);
        EcranPrincipal* collections = EcranSiCharge(0);
        QCOMPARE(collections->parentWidget()->children().last(), collections);
        QCOMPARE(collections->barre()->Tab(), 0);
        QCOMPARE(principale->focusWidget(), collections->barre()->onglets());
        QCOMPARE(collections->findChild<QLabel*>(QStringLiteral("TexteCollectionOuverte"))->text(),
            QStringLiteral("- Aucune -"));
        QVERIFY(CnxPerso->estOuverte());
        QVERIFY(CnxCatalogue->estOuverte());
        QVERIFY(!CnxCD->estOuverte());  // no disc found: no disc connection at all
        // The pointer is back to the default once the screens are in line.
        QVERIFY(!QGuiApplication::overrideCursor());

        // The splash stays until its 5-second timer, then closes and gives the default pointer back.
        QList<Intro*> intros = fenetresOuvertes<Intro>();
        QCOMPARE(intros.size(), 1);
        Intro* intro = intros.first();
        QVERIFY(intro->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(intro->windowFlags() & Qt::FramelessWindowHint);
        auto* minuterie = intro->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(minuterie->isActive());
        QCOMPARE(minuterie->interval(), 5000);
        auto* image = intro->findChild<QLabel*>(QStringLiteral("Picture1"));
        QCOMPARE(image->size(), QSize(500, 500));
        QCOMPARE(image->geometry().center(), intro->rect().center());
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        intro->Timer1_Timer();
        QVERIFY(fenetresOuvertes<Intro>().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void deuxiemeCopieRefusee()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        p.plateforme.repondreMessage(Reponse::OK);
        QVERIFY(!Main());
        QCOMPARE(p.plateforme.messages().size(), 1);
        const Message m = p.plateforme.messages().first();
        QCOMPARE(m.texte, QStringLiteral("Ce programme est déja ouvert"));
        QCOMPARE(m.titre, QStringLiteral("Orvalen Zorizad ud Udavoz"));
        QCOMPARE(m.icone, Icone::Exclamation);
        // The first copy is untouched.
        QVERIFY(FormePrincipale());
        QCOMPARE(OrdreDeChargement().size(), NombreOnglets);
    }

    // Only a running copy is "already open"; a lock that cannot be taken for another reason says why.
    void verrouImpossible_data()
    {
        QTest::addColumn<bool>("protege");
        QTest::newRow("dossier temporaire introuvable") << false;
        QTest::newRow("dossier temporaire protégé en écriture") << true;
    }

    void verrouImpossible()
    {
        QFETCH(bool, protege);
        ProgrammeTest p;
        QTemporaryDir racine;
        const QString temporaire = racine.filePath(QStringLiteral("tmp"));
        if (protege) {
            QDir().mkdir(temporaire);
            QFile::setPermissions(temporaire, QFile::ReadOwner | QFile::ExeOwner);
        }
        {
            Environnement environnement({{"TMPDIR", temporaire}, {"XDG_RUNTIME_DIR", std::nullopt}});
            const DroitsOrdinaires droits;  // the protection stops root too
            QVERIFY(droits.tenus());
            p.plateforme.repondreMessage(Reponse::OK);
            QVERIFY(!p.demarrer());
        }
        QFile::setPermissions(temporaire, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(p.plateforme.messages().size(), 1);
        const Message m = p.plateforme.messages().first();
        QVERIFY2(m.texte != MessageDejaOuvert, qPrintable(m.texte));
        QVERIFY2(m.texte.contains(temporaire), qPrintable(m.texte));
        QCOMPARE(m.titre, QStringLiteral("Orvalen Zorizad ud Udavoz"));
        QCOMPARE(m.icone, Icone::Exclamation);
        QVERIFY(!FormePrincipale());
        QVERIFY(OrdreDeChargement().isEmpty());
    }

    // Neither file is checked at start-up: its connections stay closed, the screens come up empty and
    // silent, and nothing can be opened. The missing personal database is not created either.
    void fichierAbsentAuDemarrage_data()
    {
        QTest::addColumn<QString>("absent");
        QTest::newRow("base personnelle") << QStringLiteral("ovlcfr02.mdb");
        QTest::newRow("fichier de groupe de travail") << QStringLiteral("orvalen.MDW");
    }

    void fichierAbsentAuDemarrage()
    {
        QFETCH(QString, absent);
        ProgrammeTest p([](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO Utilisateurs VALUES (2, 'Mes timbres', '2002-09-01', "
                                        "'2002-09-01', NULL)"));
        });
        QVERIFY(QFile::remove(p.dossier.fichier(absent)));
        QVERIFY(p.demarrer());
        QVERIFY(p.plateforme.messages().isEmpty());
        QCOMPARE(OrdreDeChargement().size(), NombreOnglets);
        QVERIFY(!CnxPerso->estOuverte());
        QVERIFY(!QFile::exists(p.dossier.fichier(absent)));
        auto* collections = qobject_cast<OFormCollections*>(EcranSiCharge(0));
        QCOMPARE(collections->ListeCollections()->count(), 0);
        QCOMPARE(collections->TexteCollectionOuverte()->text(), QStringLiteral("- Aucune -"));

        p.plateforme.repondreMessage(Reponse::OK);
        collections->bouton(QStringLiteral("BoutonOuvrir"))->click();
        QCOMPARE(p.plateforme.messages().size(), 1);
        const Message m = p.plateforme.messages().first();
        QCOMPARE(m.titre, QStringLiteral("Ouverture impossible"));
        QCOMPARE(m.texte,
            QStringLiteral("Choisissez une collection dans la liste ou cliquez le bouton 'Créer' si la liste est vide"));
        QVERIFY(CodeCollectionOuverte().isEmpty());
        QCOMPARE(collections->TexteCollectionOuverte()->text(), QStringLiteral("- Aucune -"));
    }

    void catalogueAbsent()
    {
        DossierTest dossier(false);
        dossier.creerGroupeTravail();
        PlateformeScriptee plateforme;
        plateforme.repondreMessage(Reponse::OK);
        QVERIFY(!Main());
        QCOMPARE(plateforme.messages().size(), 1);
        QVERIFY(
            plateforme.messages().first().texte.startsWith(QStringLiteral("Le fichier OVFRANCE.EXE doit être placé")));
        QCOMPARE(plateforme.messages().first().icone, Icone::Exclamation);
        QVERIFY(!FormePrincipale());
        QVERIFY(fenetresOuvertes<QWidget>().isEmpty());
        QVERIFY(OrdreDeChargement().isEmpty());
        // Refused start-ups keep no lock: the next one is not taken for a second copy.
        dossier.creerCatalogue();
        plateforme.definirLecteurs(
            {Lecteur {QStringLiteral("/home"), QStringLiteral("/dev/sda1"), QStringLiteral("ext4")}});
        QVERIFY(Main());
        OublierDemarrage();
    }

    void soixanteDouzeChangements()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        MDIForm1* principale = FormePrincipale();
        int courant = 0;
        auto aller = [&](int cible) {
            EcranSiCharge(courant)->barre()->setTab(cible);
            courant = cible;
        };
        int changements = 0;
        for (int depuis = 0; depuis < NombreOnglets; ++depuis) {
            for (int vers = 0; vers < NombreOnglets; ++vers) {
                if (vers == depuis)
                    continue;
                if (courant != depuis)
                    aller(depuis);
                aller(vers);
                ++changements;
                const QByteArray cas = QStringLiteral("de %1 vers %2").arg(depuis).arg(vers).toUtf8();
                QVERIFY2(ecransVisibles() == QList<int> {vers}, cas.constData());
                EcranPrincipal* cible = EcranSiCharge(vers);
                QVERIFY2(cible->barre()->Tab() == vers, cas.constData());
                QVERIFY2(cible->barre()->page()->isVisibleTo(cible), cas.constData());
                QVERIFY2(principale->focusWidget() == cible->barre()->onglets(), cas.constData());
            }
        }
        QCOMPARE(changements, 72);
        QCOMPARE(OrdreDeChargement().size(), NombreOnglets);  // no screen loaded twice
    }

    void propreOngletNeFaitRien()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        EcranSiCharge(0)->barre()->setTab(1);
        QCOMPARE(ecransVisibles(), QList<int> {1});
        ModifFiche = 1;
        EcranSiCharge(1)->SSTab_Click();  // the card's bar clicked on its own tab
        QCOMPARE(ModifFiche, 1);
        QCOMPARE(ecransVisibles(), QList<int> {1});
    }

    void ficheEnregistreAvantDeQuitterSonOnglet()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        EcranSiCharge(0)->barre()->setTab(1);
        ModifFiche = 1;
        EcranSiCharge(1)->barre()->setTab(5);
        QCOMPARE(ModifFiche, 0);
        QCOMPARE(ecransVisibles(), QList<int> {5});
        // Another screen's bar never writes the card.
        ModifFiche = 1;
        EcranSiCharge(5)->barre()->setTab(2);
        QCOMPARE(ModifFiche, 1);
    }

    void aProposUneSeuleFois()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        MDIForm1* principale = FormePrincipale();
        principale->findChild<QAction*>(QStringLiteral("FenetreApropos"))->trigger();
        principale->findChild<QAction*>(QStringLiteral("FenetreApropos"))->trigger();
        QCOMPARE(fenetresOuvertes<frmAproposde>().size(), 1);
        QCOMPARE(fenetresOuvertes<frmAproposde>().first()->windowTitle(), QStringLiteral("A propos de Orvalen"));
        QVERIFY(!fenetresOuvertes<frmAproposde>().first()->isModal());
        principale->findChild<QAction*>(QStringLiteral("FenetreRemerci"))->trigger();
        principale->findChild<QAction*>(QStringLiteral("FenetreRemerci"))->trigger();
        QCOMPARE(fenetresOuvertes<frmRemerciements>().size(), 1);
        // Closed, then chosen again: a fresh one.
        fenetresOuvertes<frmAproposde>().first()->cmdOK_Click();
        QVERIFY(fenetresOuvertes<frmAproposde>().isEmpty());
        principale->findChild<QAction*>(QStringLiteral("FenetreApropos"))->trigger();
        QCOMPARE(fenetresOuvertes<frmAproposde>().size(), 1);
    }

    // The maker's address block, under the same domain as the screens' addresses.
    void aProposAdresse()
    {
        frmAproposde apropos;
        auto texte = [&](const char* nom) {
            auto* l = apropos.findChild<QLabel*>(QString::fromLatin1(nom));
            return l ? l->text() : QString();
        };
        QVERIFY(!texte("lblRue").isEmpty());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{5} \\S")).match(texte("lblVille")).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^Tél\\. : 0\\d( \\d\\d){4}$")).match(texte("lblTelephone")).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^Fax : 0\\d( \\d\\d){4}$")).match(texte("lblFax")).hasMatch());
        QCOMPARE(QStringLiteral("mailto:") + texte("lblCourriel"), AdresseCourriel);
        // Read from top to bottom in that order.
        const QStringList ordre = {QStringLiteral("lblRue"), QStringLiteral("lblVille"),
            QStringLiteral("lblTelephone"), QStringLiteral("lblFax"), QStringLiteral("lblCourriel")};
        apropos.layout()->activate();
        for (int i = 1; i < ordre.size(); ++i)
            QVERIFY(apropos.findChild<QLabel*>(ordre.at(i - 1))->geometry().top()
                < apropos.findChild<QLabel*>(ordre.at(i))->geometry().top());
    }

    void menus()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        MDIForm1* principale = FormePrincipale();
        const QList<QPair<QString, QString>> attendus = {{QStringLiteral("Fichier"), QStringLiteral("&Fichier")},
            {QStringLiteral("FichierQuitter"), QStringLiteral("&Quitter")},
            {QStringLiteral("Fenetre"), QStringLiteral("F&enêtre")},
            {QStringLiteral("FenetreApropos"), QStringLiteral("&A propos de...")},
            {QStringLiteral("FenetreRemerci"), QStringLiteral("&Remerciements")},
            {QStringLiteral("Aide"), QStringLiteral("&?")},
            {QStringLiteral("AideSommaire"), QStringLiteral("&Sommaire de l'aide")}};
        for (const auto& [nom, texte] : attendus) {
            if (auto* menu = principale->findChild<QMenu*>(nom))
                QCOMPARE(menu->title(), texte);
            else
                QCOMPARE(principale->findChild<QAction*>(nom)->text(), texte);
        }
    }

    void aide()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        QFile aide(p.dossier.fichier(QStringLiteral("OVFRANCE.HLP")));
        QVERIFY(aide.open(QIODevice::WriteOnly));
        aide.write("<html><body>Aide</body></html>");
        aide.close();
        FormePrincipale()->findChild<QAction*>(QStringLiteral("AideSommaire"))->trigger();
        QTest::keyClick(EcranSiCharge(0)->barre()->onglets(), Qt::Key_F1);
        QCOMPARE(p.plateforme.aidesOuvertes(), QStringList(2, aide.fileName()));
        QFile::remove(aide.fileName());
        p.plateforme.repondreMessage(Reponse::OK);
        AfficherAide();
        QCOMPARE(p.plateforme.messages().size(), 1);
        QVERIFY(p.plateforme.messages().first().texte.contains(QStringLiteral("OVFRANCE.HLP")));
    }

    void arret()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        FormePrincipale()->FenetreApropos_Click();
        ModifFiche = 1;
        FormePrincipale()->findChild<QAction*>(QStringLiteral("FichierQuitter"))->trigger();
        // The card wrote its pending edits, every other window closed, the connections were released.
        QCOMPARE(ModifFiche, 0);
        QVERIFY(fenetresOuvertes<frmAproposde>().isEmpty());
        QVERIFY(fenetresOuvertes<Intro>().isEmpty());
        QVERIFY(!CnxPerso->estOuverte());
        QVERIFY(!CnxCatalogue->estOuverte());
    }
};

ENREGISTRER_TEST(TestDemarrage)
#include "test_demarrage.moc"
