// The thematic screen: which themes and stamps it lists, what a stamp click shows, the way to the
// card, and the keeping of the open collection's own themes.

#include "support/ControleEcran.h"
#include "card/Fiche.h"
#include "data/Source.h"
#include "search/OFormThematique.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/Images.h"
#include "support/ImagesTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QBuffer>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Onglet { Fiche = 1, Recherche = 2, Thematique = 7 };

// Stamps 1 "Cérès", 4 without a short designation, 99 and 100; stamp 1 has a vignette on the disc.
void remplirCatalogue(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO France (Dallay, Ordre, DesignationCourt) VALUES ('1', 10, 'Cérès');
        INSERT INTO France (Dallay, Ordre, DesignationCourt) VALUES ('4', 40, NULL);
        INSERT INTO France (Dallay, Ordre, DesignationCourt) VALUES ('99', 990, 'Marianne');
        INSERT INTO France (Dallay, Ordre, DesignationCourt) VALUES ('100', 1000, 'Sabine');
    )"));
}

// Predefined themes of collection 1 stored as -1 and as 1, beside rows of collection 1 that are not
// predefined (0, Null); collection 2 has two themes of its own, collection 3 one. Theme 1 holds 99 and
// 100 in collection 1 and 3A in collection 2; theme 10 holds 1 and 4 in collection 2.
void remplirPerso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Mes timbres', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Themes VALUES (1, 1, 'Églises', -1);
        INSERT INTO Themes VALUES (2, 1, 'Avions', 1);
        INSERT INTO Themes VALUES (3, 1, 'Zèbres', -1);
        INSERT INTO Themes VALUES (4, 1, 'Non prédéfini', 0);
        INSERT INTO Themes VALUES (5, 1, 'Sans valeur', NULL);
        INSERT INTO Themes VALUES (10, 2, 'Fleurs', 0);
        INSERT INTO Themes VALUES (11, 2, 'Bateaux', NULL);
        INSERT INTO Themes VALUES (12, 3, 'Trains', 0);
        INSERT INTO ThemesAssocies VALUES ('99', 1, 1, -1);
        INSERT INTO ThemesAssocies VALUES ('100', 1, 1, -1);
        INSERT INTO ThemesAssocies VALUES ('3A', 1, 2, -1);
        INSERT INTO ThemesAssocies VALUES ('1', 10, 2, 0);
        INSERT INTO ThemesAssocies VALUES ('4', 10, 2, 0);
    )"));
}

template <typename T> T* ctl(const char* nom)
{
    return ControleEcran<T>(Thematique, QString::fromUtf8(nom));
}

VueListe* liste(const char* nom)
{
    return ctl<VueListe>(nom);
}

// The texts of a list's rows, each row's columns joined by "|".
QStringList lignes(const char* nom)
{
    QStringList tout;
    for (int i = 0; i < liste(nom)->nombreLignes(); ++i)
        tout << liste(nom)->ligne(i).join(QLatin1Char('|'));
    return tout;
}

QStringList noms(const char* nom)
{
    QStringList tout;
    for (int i = 0; i < liste(nom)->nombreLignes(); ++i)
        tout << liste(nom)->ligne(i).value(0);
    return tout;
}

// Every stored theme and association, one text per row.
QString stockage()
{
    QString tout;
    for (const char* sql : {"SELECT CodeTheme, Collection, Theme, Predefini FROM Themes ORDER BY CodeTheme",
             "SELECT Dallay, Theme, Collection FROM ThemesAssocies ORDER BY rowid"}) {
        Requete r = CnxPerso->preparer(QString::fromUtf8(sql));
        while (r.suivante()) {
            for (int i = 0; i < r.nombreColonnes(); ++i)
                tout += r.colonne(i).toString() + QLatin1Char('|');
            tout += QLatin1Char('\n');
        }
    }
    return tout;
}

void ouvrirCollection(const QString& code)
{
    if (code.isEmpty())
        LaCollectionOuverte().fermer();
    else
        LaCollectionOuverte().ouvrir(code, QString());
}

// The themes the search screen offers, by name.
QStringList themesRecherche()
{
    auto* combo = ControleEcran<ComboDonnees>(Recherche, QStringLiteral("ThemeChoisi"));
    QStringList tout;
    for (int i = 0; i < combo->count(); ++i)
        if (!combo->itemText(i).isEmpty())
            tout << combo->itemText(i);
    return tout;
}

}  // namespace

class TestThematique : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormThematique* t = nullptr;

    void cliquer(const char* nomListe, const QString& texte)
    {
        VueListe* l = liste(nomListe);
        const auto trouves = l->findItems(texte, Qt::MatchExactly);
        QVERIFY2(!trouves.isEmpty(), qPrintable(texte));
        l->setCurrentItem(trouves.first());
        emit l->itemClicked(trouves.first(), 0);
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(remplirPerso);
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        t = qobject_cast<OFormThematique*>(ChargerEcran(Thematique));
        QVERIFY(t);
    }

    void cleanup() { p.reset(); }

    void chargement()
    {
        // Only predefined rows of collection 1, whichever way true was stored, in French order.
        QCOMPARE(lignes("ListePredefinis"),
            QStringList({QStringLiteral("Avions|2"), QStringLiteral("Églises|1"), QStringLiteral("Zèbres|3")}));
        QVERIFY(liste("ListePredefinis")->isColumnHidden(1));
        QCOMPARE(liste("ListePredefinis")->columnWidth(0), 4500 / 15);
        QCOMPARE(liste("ListePersos")->nombreLignes(), 0);
        QCOMPARE(liste("ListeTimbres")->nombreLignes(), 0);
        QVERIFY(ctl<QLabel>("LabelThemeChoisi")->text().isEmpty());
        QVERIFY(ctl<QLabel>("LabelDesignation")->text().isEmpty());

        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(lignes("ListePersos"), QStringList({QStringLiteral("Bateaux|11"), QStringLiteral("Fleurs|10")}));
        QVERIFY(!liste("ListePersos")->currentItem());
    }

    void timbresDuTheme_data()
    {
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("nomListe");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QStringList>("timbres");
        // Numbers compare as text: 100 before 99. A predefined theme lists collection 1's stamps only.
        QTest::newRow("prédéfini, sans collection") << QString() << "ListePredefinis"
                                                    << "Églises" << QStringList({"100", "99"});
        QTest::newRow("prédéfini, collection 2 ouverte") << "2"
                                                         << "ListePredefinis"
                                                         << "Églises" << QStringList({"100", "99"});
        QTest::newRow("personnel") << "2"
                                   << "ListePersos"
                                   << "Fleurs" << QStringList({"1", "4"});
        QTest::newRow("sans timbre") << "2"
                                     << "ListePersos"
                                     << "Bateaux" << QStringList();
    }

    void timbresDuTheme()
    {
        QFETCH(QString, collection);
        QFETCH(QString, nomListe);
        QFETCH(QString, theme);
        QFETCH(QStringList, timbres);
        if (!collection.isEmpty())
            ouvrirCollection(collection);
        cliquer(qPrintable(nomListe), theme);
        QCOMPARE(noms("ListeTimbres"), timbres);
        QCOMPARE(ctl<QLabel>("LabelThemeChoisi")->text(), theme);
        QCOMPARE(liste("ListeTimbres")->columnWidth(0), 2500 / 15);
        QVERIFY(liste("ListeTimbres")->isColumnHidden(1));
        for (int i = 0; i < timbres.size(); ++i)
            QCOMPARE(liste("ListeTimbres")->ligne(i).value(1), timbres.at(i));
    }

    // The numbers flow in columns on screen: each one is drawn whole, whatever the width of the first
    // number of its theme or of the theme shown before.
    void numerosLisibles()
    {
        for (const char* n : {"AE1", "AE10", "AE11", "AE12", "AE2"})
            CnxPerso->executer(QStringLiteral("INSERT INTO ThemesAssocies VALUES (?, 2, 1, -1)"), {QString::fromUtf8(n)});
        ouvrirCollection(QStringLiteral("2"));
        QWidget* ecran = ChargerEcran(Thematique);
        ecran->show();
        QVERIFY(QTest::qWaitForWindowExposed(ecran));
        auto* flux = liste("ListeTimbres")->findChild<QListView*>();
        QVERIFY(flux);
        const int marge = 2 * (flux->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, flux) + 1);
        const struct {
            const char* liste;
            const char* theme;
            QStringList numeros;
        } themes[] = {{"ListePersos", "Fleurs", {"1", "4"}},
            {"ListePredefinis", "Avions", {"AE1", "AE10", "AE11", "AE12", "AE2"}},
            {"ListePredefinis", "Églises", {"100", "99"}}};
        for (const auto& theme : themes) {
            cliquer(theme.liste, QString::fromUtf8(theme.theme));
            flux->doItemsLayout();
            QCOMPARE(flux->model()->rowCount(), theme.numeros.size());
            for (int i = 0; i < theme.numeros.size(); ++i) {
                const QModelIndex index = flux->model()->index(i, flux->modelColumn());
                QCOMPARE(index.data().toString(), theme.numeros.at(i));
                const int place = flux->visualRect(index).width() - marge;
                const int texte = flux->fontMetrics().horizontalAdvance(theme.numeros.at(i));
                QVERIFY2(place >= texte, qPrintable(QStringLiteral("%1 : %2 px pour %3 px")
                                                        .arg(theme.numeros.at(i)).arg(place).arg(texte)));
            }
        }
    }

    // A stamp click shows that stamp's designation and no other: a stamp without one, or unknown to
    // the catalogue, leaves the label empty.
    void designation_data()
    {
        QTest::addColumn<QString>("timbre");
        QTest::addColumn<QString>("designation");
        QTest::newRow("désignation") << "1"
                                     << "Cérès";
        QTest::newRow("sans désignation") << "4"
                                          << "";
    }

    void designation()
    {
        QFETCH(QString, timbre);
        QFETCH(QString, designation);
        ouvrirCollection(QStringLiteral("2"));
        cliquer("ListePredefinis", QStringLiteral("Églises"));
        cliquer("ListeTimbres", QStringLiteral("99"));
        QCOMPARE(ctl<QLabel>("LabelDesignation")->text(), QStringLiteral("Marianne"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        // Another theme: the designation stays until a stamp is clicked.
        QCOMPARE(ctl<QLabel>("LabelDesignation")->text(), QStringLiteral("Marianne"));
        cliquer("ListeTimbres", timbre);
        QCOMPARE(ctl<QLabel>("LabelDesignation")->text(), designation);

        // A number the catalogue does not hold.
        cliquer("ListeTimbres", QStringLiteral("1"));
        CnxCatalogue.reset(new Connexion);
        cliquer("ListeTimbres", QStringLiteral("4"));
        QCOMPARE(ctl<QLabel>("LabelDesignation")->text(), QString());
    }

    void vignette()
    {
        QTemporaryDir disque;
        DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO FranceTN VALUES ('1', ?)"), {OctetsPng(Qt::red, 20, 10)});
        });
        LecteurCD = disque.path();
        QVERIFY(OuvrirBaseCD());
        ouvrirCollection(QStringLiteral("2"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        auto* picture1 = ctl<BoiteImage>("Picture1");
        cliquer("ListeTimbres", QStringLiteral("1"));
        QCOMPARE(t->vignette().size(), QSize(20, 10));
        QVERIFY(!picture1->estVide());
        // A theme click clears the vignette, a stamp without one leaves it blank.
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        QVERIFY(picture1->estVide());
        cliquer("ListeTimbres", QStringLiteral("1"));
        cliquer("ListeTimbres", QStringLiteral("4"));
        QVERIFY(picture1->estVide());

        // Without the disc the designation still shows.
        LecteurCD.clear();
        OuvrirBaseCD();
        cliquer("ListeTimbres", QStringLiteral("1"));
        QCOMPARE(ctl<QLabel>("LabelDesignation")->text(), QStringLiteral("Cérès"));
        QVERIFY(picture1->estVide());
    }

    void atteindreFiche_data()
    {
        QTest::addColumn<QString>("timbre");
        QTest::addColumn<bool>("parVignette");
        QTest::addColumn<QString>("surLaFiche");
        QTest::newRow("aucun timbre") << "" << false << "1";
        QTest::newRow("timbre choisi") << "100" << false << "100";
        QTest::newRow("clic sur la vignette") << "99" << true << "99";
    }

    void atteindreFiche()
    {
        QFETCH(QString, timbre);
        QFETCH(bool, parVignette);
        QFETCH(QString, surLaFiche);
        ChargerEcran(Thematique)->show();
        if (!timbre.isEmpty()) {
            cliquer("ListePredefinis", QStringLiteral("Églises"));
            cliquer("ListeTimbres", timbre);
        }
        auto* picture1 = ctl<BoiteImage>("Picture1");
        if (parVignette) {
            QTest::mouseClick(picture1, Qt::LeftButton);
        } else {
            ctl<QPushButton>("BoutonAtteindre")->click();
        }
        EcranPrincipal* fiche = ChargerEcran(Fiche);
        QVERIFY(fiche->isVisible());
        QVERIFY(!t->isVisible());
        QCOMPARE(ControleEcran<QLabel>(Fiche, QStringLiteral("Dallay"))->text(), surLaFiche);
        QCOMPARE(fiche->barre()->Tab(), 1);
    }

    // Each refusal ends the action before any question, and nothing is written.
    void refus_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("titre");
        const QString sansCollection = QStringLiteral("Vous devez auparavant ouvrir une collection");
        QTest::newRow("créer sans collection") << "CreerTheme"
                                               << "" << sansCollection << "Impossible de créer";
        QTest::newRow("renommer sans collection") << "RenommerTheme"
                                                  << "" << sansCollection << "Impossible de renommer";
        QTest::newRow("supprimer sans collection") << "SupprimerTheme"
                                                   << "" << sansCollection << "Impossible de supprimer";
        QTest::newRow("renommer sans sélection") << "RenommerTheme"
                                                 << "2"
                                                 << "Il faut sélectionner un thème personnel avant de changer son nom"
                                                 << "Impossible de renommer";
        QTest::newRow("supprimer sans sélection") << "SupprimerTheme"
                                                  << "2"
                                                  << "Il faut sélectionner un thème personnel avant de le supprimer"
                                                  << "Impossible de supprimer";
    }

    void refus()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, collection);
        QFETCH(QString, texte);
        QFETCH(QString, titre);
        if (!collection.isEmpty())
            ouvrirCollection(collection);
        // A predefined theme clicked selects nothing among the personal ones.
        cliquer("ListePredefinis", QStringLiteral("Avions"));
        const QString avant = stockage();
        p->plateforme.repondreMessage(Reponse::OK);
        ControleEcran<QPushButton>(Thematique, bouton)->click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().texte, texte);
        QCOMPARE(p->plateforme.messages().first().titre, titre);
        QCOMPARE(p->plateforme.messages().first().icone, Icone::Exclamation);
        QVERIFY(p->plateforme.saisies().isEmpty());
        QCOMPARE(stockage(), avant);
    }

    void nomObligatoire_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("invite");
        QTest::addColumn<QString>("titre");
        QTest::newRow("créer") << "CreerTheme"
                               << "Entrez le nom du nouveau thème"
                               << "Impossible de créer";
        QTest::newRow("renommer") << "RenommerTheme"
                                  << "Entrez le nouveau nom"
                                  << "Impossible de renommer";
    }

    void nomObligatoire()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, invite);
        QFETCH(QString, titre);
        ouvrirCollection(QStringLiteral("2"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        const QString avant = stockage();
        p->plateforme.repondreSaisie(QString());
        p->plateforme.repondreMessage(Reponse::OK);
        p->plateforme.repondreSaisie(std::nullopt);
        ControleEcran<QPushButton>(Thematique, bouton)->click();
        QCOMPARE(p->plateforme.saisies(), QStringList({invite, invite}));
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().texte, QStringLiteral("Le nom est obligatoire"));
        QCOMPARE(p->plateforme.messages().first().titre, titre);
        QCOMPARE(stockage(), avant);
    }

    // Names are stored as typed, never trimmed nor compared with the others, and listed in French order.
    void creation_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("apostrophe") << "Timbres d'Europe" << QStringList({"Bateaux", "Fleurs", "Timbres d'Europe"});
        QTest::newRow("espaces") << "   " << QStringList({"   ", "Bateaux", "Fleurs"});
        QTest::newRow("nom déjà pris") << "Fleurs" << QStringList({"Bateaux", "Fleurs", "Fleurs"});
        QTest::newRow("accent") << "Éoliennes" << QStringList({"Bateaux", "Éoliennes", "Fleurs"});
    }

    void creation()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, liste);
        ouvrirCollection(QStringLiteral("2"));
        p->plateforme.repondreSaisie(nom);
        ctl<QPushButton>("CreerTheme")->click();
        QCOMPARE(noms("ListePersos"), liste);
        QVERIFY(!::liste("ListePersos")->currentItem());
        QCOMPARE(CnxPerso
                     ->valeur(QStringLiteral("SELECT count(*) FROM Themes WHERE Theme = ? AND Collection = 2 "
                                             "AND Predefini = 0 AND CodeTheme > 12"),
                         {nom})
                     .toInt(),
            1);
        QVERIFY(themesRecherche().contains(nom));
        QVERIFY(p->plateforme.messages().isEmpty());
    }

    void renommage()
    {
        ouvrirCollection(QStringLiteral("2"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        p->plateforme.repondreSaisie(QStringLiteral("Arbres"));
        ctl<QPushButton>("RenommerTheme")->click();
        QCOMPARE(p->plateforme.saisies(), QStringList({QStringLiteral("Entrez le nouveau nom")}));
        QCOMPARE(lignes("ListePersos"), QStringList({QStringLiteral("Arbres|10"), QStringLiteral("Bateaux|11")}));
        QVERIFY(!liste("ListePersos")->currentItem());
        // The code stays, and so do the stamps; the theme on display keeps its old caption.
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM ThemesAssocies WHERE Theme = 10")).toInt(), 2);
        QCOMPARE(ctl<QLabel>("LabelThemeChoisi")->text(), QStringLiteral("Fleurs"));
        QVERIFY(themesRecherche().contains(QStringLiteral("Arbres")));
        QVERIFY(!themesRecherche().contains(QStringLiteral("Fleurs")));
        cliquer("ListePersos", QStringLiteral("Arbres"));
        QCOMPARE(noms("ListeTimbres"), QStringList({QStringLiteral("1"), QStringLiteral("4")}));
    }

    void suppression_data()
    {
        QTest::addColumn<Reponse>("reponse");
        QTest::newRow("non") << Reponse::Non;
        QTest::newRow("oui") << Reponse::Oui;
    }

    void suppression()
    {
        QFETCH(Reponse, reponse);
        ouvrirCollection(QStringLiteral("2"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        // A predefined theme clicked after it: the personal one stays the one acted on.
        cliquer("ListePredefinis", QStringLiteral("Églises"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        cliquer("ListePredefinis", QStringLiteral("Avions"));
        const QString avant = stockage();
        p->plateforme.repondreMessage(reponse);
        ctl<QPushButton>("SupprimerTheme")->click();
        const Message question = p->plateforme.messages().value(0);
        QCOMPARE(question.texte,
            QStringLiteral("Le thème 'Fleurs' va être supprimé ainsi que toutes les associations de timbres liées "
                           "à ce thème. En êtes vous sûr(e) ?"));
        QCOMPARE(question.titre, QStringLiteral("Supprimer collection"));
        QCOMPARE(question.boutons, Boutons::OuiNon);
        QCOMPARE(question.icone, Icone::Question);
        QCOMPARE(question.boutonParDefaut, 1);
        if (reponse == Reponse::Non) {
            QCOMPARE(stockage(), avant);
            QCOMPARE(liste("ListePersos")->currentItem()->text(0), QStringLiteral("Fleurs"));
            return;
        }
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM ThemesAssocies WHERE Theme = 10")).toInt(), 0);
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Themes WHERE CodeTheme = 10")).toInt(), 0);
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM ThemesAssocies")).toInt(), 3);
        QCOMPARE(lignes("ListePersos"), QStringList({QStringLiteral("Bateaux|11")}));
        QVERIFY(!liste("ListePersos")->currentItem());
        QVERIFY(!themesRecherche().contains(QStringLiteral("Fleurs")));
        // The predefined theme on display is not the one deleted: it stays.
        QCOMPARE(ctl<QLabel>("LabelThemeChoisi")->text(), QStringLiteral("Avions"));
    }

    void suppressionDuThemeAffiche()
    {
        ouvrirCollection(QStringLiteral("2"));
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        p->plateforme.repondreMessage(Reponse::Oui);
        ctl<QPushButton>("SupprimerTheme")->click();
        QCOMPARE(liste("ListeTimbres")->nombreLignes(), 0);
        QCOMPARE(ctl<QLabel>("LabelThemeChoisi")->text(), QString());
    }

    // A deletion the database refuses half-way keeps the theme and every association.
    void suppressionRefusee()
    {
        ouvrirCollection(QStringLiteral("2"));
        CnxPerso->executer(QStringLiteral(
            "CREATE TEMP TRIGGER refus BEFORE DELETE ON Themes BEGIN SELECT RAISE(ABORT, 'suppression refusée'); END"));
        const QString avant = stockage();
        cliquer("ListePersos", QStringLiteral("Fleurs"));
        p->plateforme.repondreMessage(Reponse::Oui);
        p->plateforme.repondreMessage(Reponse::OK);
        ctl<QPushButton>("SupprimerTheme")->click();
        QCOMPARE(p->plateforme.messages().size(), 2);
        QCOMPARE(p->plateforme.messages().at(1).titre, QStringLiteral("Erreur"));
        QVERIFY(p->plateforme.messages().at(1).texte.contains(QStringLiteral("suppression refusée")));
        QCOMPARE(stockage(), avant);
        QCOMPARE(noms("ListePersos"), QStringList({QStringLiteral("Bateaux"), QStringLiteral("Fleurs")}));
        QCOMPARE(noms("ListeTimbres"), QStringList({QStringLiteral("1"), QStringLiteral("4")}));
    }
};

ENREGISTRER_TEST(TestThematique)

#include "test_thematique.moc"
