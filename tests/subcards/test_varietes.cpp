// The variety card: what it shows of a variety and of the open collection's holdings, its price source,
// its editing rules and the write of the holdings when it closes.

#include "CartesTest.h"

#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "platform/Dialogues.h"
#include "shell/Controles.h"
#include "shell/Images.h"
#include "shell/ValidationSortie.h"
#include "subcards/OFormFicheObliterations.h"
#include "subcards/OFormFicheVarietes.h"
#include "support/DossierTest.h"
#include "support/ImagesTest.h"
#include "support/Suite.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

QList<bool> lignesVisibles(const FicheSecondaire& carte)
{
    QList<bool> v;
    for (int i = 0; i < carte.grille()->nombreLignes(); ++i)
        v << carte.grille()->ligneVisible(i);
    return v;
}

}  // namespace

class TestVarietes : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeCartes> prog;
    OFormFiche* f = nullptr;
    PlateformeScriptee* plateforme = nullptr;

    std::unique_ptr<OFormFicheVarietes> ouvrir(const QString& dallay)
    {
        f->ListeVarietes()->selectionnerCle(dallay);
        auto carte = std::make_unique<OFormFicheVarietes>(f->ListeVarietes()->BoundText(), f);
        if (!activer(carte.get()))
            return nullptr;
        return carte;
    }

private slots:
    void init()
    {
        prog = std::make_unique<ProgrammeCartes>();
        f = prog->f;
        QVERIFY(f);
        plateforme = &prog->p->plateforme;
    }

    void cleanup() { prog.reset(); }

    // A stored holdings row as the card shows it; booleans are read as non-zero, whatever was stored.
    void chargement_data()
    {
        QTest::addColumn<QString>("colonnes");
        QTest::addColumn<QString>("valeurs");
        QTest::addColumn<bool>("possede");
        QTest::addColumn<QString>("qualite");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("doubles");
        QTest::newRow("possédé (-1)") << "QteN, EtatN, QtesN, QteDoubleN" << "-1, 150, 2, 3" << true << "150" << "2" << "3";
        QTest::newRow("possédé (1)") << "QteN, EtatN, QtesN" << "1, 80, 4" << true << "80" << "4" << "";
        QTest::newRow("possédé sans qualité ni nombre") << "QteN, EtatN, QtesN" << "-1, NULL, NULL" << true << "100" << "1" << "";
        QTest::newRow("non possédé avec des copies") << "QteN, EtatN, QtesN" << "0, 50, 3" << false << "" << "" << "";
        QTest::newRow("non renseigné, des doubles") << "QteN, QteDoubleN" << "NULL, 2" << false << "" << "" << "2";
    }

    void chargement()
    {
        QFETCH(QString, colonnes);
        QFETCH(QString, valeurs);
        ouvrirCollection(QStringLiteral("2"));
        CnxPerso->executer(
            QStringLiteral("INSERT INTO CollectionV (Collection, Dallay, %1, NePasAcquerir, commentaire) VALUES (2, '1a', %2, NULL, NULL)")
                .arg(colonnes, valeurs));
        const QString avant = contenu(QStringLiteral("CollectionV"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        QCOMPARE(carte->windowTitle(), QStringLiteral("Variétés"));
        QCOMPARE(carte->Dallay()->text(), QStringLiteral("1a"));
        QCOMPARE(carte->findChild<QLabel*>(QStringLiteral("Designation"))->text(), QStringLiteral("Tête-bêche"));
        GrilleDetention* g = carte->grille();
        QTEST(g->Qte(0)->isChecked(), "possede");
        QTEST(g->Etat(0)->text(), "qualite");
        QTEST(g->Qtes(0)->text(), "copies");
        QTEST(g->QteDouble(0)->text(), "doubles");
        QVERIFY(g->Qte(0)->isEnabled());
        QVERIFY(!g->NePasAcquerir()->isChecked());
        QCOMPARE(g->texteCommentaire(), QString());
        QCOMPARE(carte->ModifV(), quint8(0));
        // Opened and closed without an edit: nothing is written.
        const qint64 ecrit = ecritures();
        carte->reject();
        QVERIFY(!carte->isVisible());
        QCOMPARE(ecritures(), ecrit);
        QCOMPARE(contenu(QStringLiteral("CollectionV")), avant);
    }

    void lignesSelonCotes_data()
    {
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QList<bool>>("visibles");
        QTest::newRow("NSG non coté") << "1a" << QList<bool> {true, true, false, true, true};
        QTest::newRow("O et L seulement") << "1b" << QList<bool> {false, false, false, true, true};
        QTest::newRow("aucune cote") << "1c" << QList<bool> {false, false, false, false, false};
    }

    void lignesSelonCotes()
    {
        QFETCH(QString, dallay);
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(dallay);
        QVERIFY(carte);
        QTEST(lignesVisibles(*carte), "visibles");
        QCOMPARE(carte->cotes()->CoteChoisie()->currentText(), QStringLiteral("Cotes DALLAY"));
        QVERIFY(carte->findChild<QLineEdit*>(QStringLiteral("NeufP"))->isHidden());
    }

    // The copies of a condition: whole numbers from 0 to 999, or nothing. A refusal unticks the row,
    // which marks the card only when the row was owned.
    void copies_data()
    {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<bool>("possede");
        QTest::addColumn<QString>("qualite");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<int>("modif");
        QTest::newRow("0") << "" << "0" << true << true << "100" << "0" << 1;
        QTest::newRow("999") << "" << "999" << true << true << "100" << "999" << 1;
        QTest::newRow("1000") << "" << "1000" << false << false << "" << "" << 0;
        QTest::newRow("-1 sur une ligne possédée") << "5" << "-1" << false << false << "" << "" << 1;
        QTest::newRow("abc") << "" << "abc" << false << false << "" << "" << 0;
        QTest::newRow("nan") << "" << "nan" << false << false << "" << "" << 0;
        QTest::newRow("inf") << "" << "inf" << false << false << "" << "" << 0;
        QTest::newRow("vidé") << "5" << "" << true << false << "" << "" << 1;
        QTest::newRow("2,5") << "" << "2,5" << false << false << "" << "" << 0;
    }

    void copies()
    {
        QFETCH(QString, stocke);
        QFETCH(QString, saisi);
        QFETCH(bool, accepte);
        ouvrirCollection(QStringLiteral("2"));
        if (!stocke.isEmpty())
            CnxPerso->executer(QStringLiteral("INSERT INTO CollectionV (Collection, Dallay, QteN, QtesN) VALUES (2, '1a', -1, ?)"),
                {stocke.toInt()});
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        if (!accepte)
            plateforme->repondreMessage(Reponse::OK);
        QCOMPARE(saisirEtQuitter(carte.get(), QStringLiteral("QtesN"), saisi), accepte);
        if (!accepte) {
            QCOMPARE(plateforme->messages().size(), 1);
            QCOMPARE(plateforme->messages().first().texte, QStringLiteral("Vous devez entrer une valeur entre 0 et 999"));
            QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Saisie incorrecte"));
        }
        GrilleDetention* g = carte->grille();
        QTEST(g->Qte(0)->isChecked(), "possede");
        QTEST(g->Etat(0)->text(), "qualite");
        QTEST(g->Qtes(0)->text(), "copies");
        QTEST(int(carte->ModifV()), "modif");
    }

    void valeurs()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("QtesN"), QStringLiteral("2")));
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("QteDoubleN"), QStringLiteral("1")));
        QCOMPARE(carte->grille()->Etat(0)->text(), QStringLiteral("100"));
        QCOMPARE(carte->grille()->ValeurCollection()->text(), QStringLiteral("25,0"));
        QCOMPARE(carte->grille()->ValeurDoubles()->text(), QStringLiteral("12,5"));
    }

    void refusAuDepartGardeLaCarte()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("QteDoubleN"), QStringLiteral("2")));
        QVERIFY(taperDans(carte->findChild<QLineEdit*>(QStringLiteral("EtatN")), QStringLiteral("301")));
        plateforme->repondreMessage(Reponse::OK);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().texte, QStringLiteral("Vous devez entrer une valeur entre 0 et 300"));
        QVERIFY(carte->isVisible());
        QCOMPARE(ligneDetention(QStringLiteral("CollectionV"), QStringLiteral("1a")), QString());
    }

    void ecritureRefuseeGardeLaCarte()
    {
        ouvrirCollection(QStringLiteral("2"));
        CnxPerso->executer(QStringLiteral(
            "CREATE TEMP TRIGGER refus BEFORE INSERT ON CollectionV BEGIN SELECT RAISE(ABORT, 'disque plein'); END"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("QtesN"), QStringLiteral("2")));
        plateforme->repondreMessage(Reponse::OK);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Erreur"));
        QVERIFY(plateforme->messages().first().texte.contains(QStringLiteral("disque plein")));
        QVERIFY(carte->isVisible());
        QCOMPARE(carte->ModifV(), quint8(1));
        QCOMPARE(carte->grille()->Qtes(0)->text(), QStringLiteral("2"));
        CnxPerso->executer(QStringLiteral("DROP TRIGGER refus"));
        carte->reject();
        QVERIFY(!carte->isVisible());
        QVERIFY(ligneDetention(QStringLiteral("CollectionV"), QStringLiteral("1a")).startsWith(QStringLiteral("2|1a|-1|100|")));
    }

    // The stamp card under the open card does not follow the keys typed in it.
    void touchesDeLaCarteNeDeplacentPasLaFiche()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        QVERIFY(taperDans(carte->findChild<QLineEdit*>(QStringLiteral("QtesN")), QStringLiteral("1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QCOMPARE(f->Dallay()->text(), QStringLiteral("1"));
        QVERIFY(carte->isVisible());
    }

    void prixPersonnelEnCoursSurEchap()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        choisirCotesPerso(carte.get());
        QCOMPARE(lignesVisibles(*carte), (QList<bool> {false, false, false, false, false}));
        QVERIFY(taperDans(carte->findChild<QLineEdit*>(QStringLiteral("NSGP")), QStringLiteral("7,5")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!carte->isVisible());
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT NSGP FROM CotationsP WHERE Dallay = '1a' AND Collection = 2")).toDouble(), 7.5);
        QVERIFY(CnxPerso->valeur(QStringLiteral("SELECT NeufP FROM CotationsP WHERE Dallay = '1a' AND Collection = 2")).isNull());
        // Prices never mark the holdings: nothing else was written.
        QCOMPARE(ligneDetention(QStringLiteral("CollectionV"), QStringLiteral("1a")), QString());
    }

    // A price the database refuses (another program holds it) keeps the card open with the price typed,
    // and is written when the card is closed once the database is free.
    void prixRefuseGardeLaCarte()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        choisirCotesPerso(carte.get());
        auto* boite = carte->findChild<QLineEdit*>(QStringLiteral("NSGP"));
        {
            Connexion autre;
            autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
            autre.executer(QStringLiteral("BEGIN IMMEDIATE"));
            QVERIFY(taperDans(boite, QStringLiteral("7,5")));
            plateforme->repondreMessage(Reponse::OK);
            QTest::keyClick(boite, Qt::Key_Escape);
            QCOMPARE(plateforme->messages().size(), 1);
            QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Erreur"));
            QVERIFY(carte->isVisible());
            QCOMPARE(boite->text(), QStringLiteral("7,5"));
        }
        QTest::keyClick(boite, Qt::Key_Escape);
        QVERIFY(!carte->isVisible());
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT NSGP FROM CotationsP WHERE Dallay = '1a' AND Collection = 2")).toDouble(), 7.5);
    }

    // The close button pressed while the box left for it is refused: the press reaches the button only
    // once the refusal is answered, and the button's release went to the refusal's box. The card stays
    // open; one Escape then closes it, as when nothing was refused. A price whose write the database
    // refused, the database freed while the refusal is up, is written by that close.
    void fermetureRefuseePuisEchap_data()
    {
        QTest::addColumn<bool>("obliteration");
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<bool>("perso");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<bool>("verrou");
        QTest::addColumn<QString>("titre");
        QTest::newRow("prix d'une variété") << false << "1a" << true << "NSGP" << "abc" << false << "Saisie incorrecte";
        QTest::newRow("copies d'une variété") << false << "1a" << false << "QtesN" << "1000" << false << "Saisie incorrecte";
        QTest::newRow("prix d'une oblitération") << true << "1-O1" << true << "OblitereP" << "abc" << false << "Saisie incorrecte";
        QTest::newRow("prix retenu") << false << "1a" << true << "NSGP" << "7,5" << true << "Erreur";
    }

    void fermetureRefuseePuisEchap()
    {
        QFETCH(bool, obliteration);
        QFETCH(QString, dallay);
        QFETCH(bool, perso);
        QFETCH(QString, nom);
        QFETCH(QString, saisi);
        QFETCH(bool, verrou);
        QFETCH(QString, titre);
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrirSousCarte(f, obliteration, dallay);
        QVERIFY(carte);
        if (perso) {
            choisirCotesPerso(carte.get());
        }
        auto* boite = carte->findChild<QLineEdit*>(nom);
        std::optional<Connexion> autre;
        if (verrou) {
            autre.emplace();
            autre->ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
            autre->executer(QStringLiteral("BEGIN IMMEDIATE"));
        }
        QVERIFY(taperDans(boite, saisi));
        plateforme->repondreMessage(Reponse::OK, [&] { autre.reset(); });
        QTest::mousePress(carte->findChild<QPushButton*>(QStringLiteral("BoutonAnnuler")), Qt::LeftButton);
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().titre, titre);
        QVERIFY(carte->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!carte->isVisible());
        QCOMPARE(plateforme->messages().size(), 1);
        if (verrou)
            QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT NSGP FROM CotationsP WHERE Dallay = ? AND Collection = 2"), {dallay})
                         .toDouble(),
                7.5);
    }

    // A personal price refused as typed empties its box, yet the price stored for it stays when another
    // box is written; only a box the user empties on purpose stores Null. Both sub-cards with prices.
    void prixRefuseGardeLePrixStocke_data()
    {
        QTest::addColumn<bool>("obliteration");
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QString>("refuse");
        QTest::addColumn<QString>("accepte");
        QTest::newRow("variété") << false << "1a" << "NeufP" << "NSGP";
        QTest::newRow("oblitération") << true << "1-O1" << "OblitereP" << "LettreP";
    }

    void prixRefuseGardeLePrixStocke()
    {
        QFETCH(bool, obliteration);
        QFETCH(QString, dallay);
        QFETCH(QString, refuse);
        QFETCH(QString, accepte);
        ouvrirCollection(QStringLiteral("2"));
        CnxPerso->executer(QStringLiteral("INSERT INTO CotationsP (Dallay, Collection, %1) VALUES (?, 2, 40)").arg(refuse),
            {dallay});
        auto stocke = [&](const QString& colonne) {
            return CnxPerso->valeur(
                QStringLiteral("SELECT %1 FROM CotationsP WHERE Dallay = ? AND Collection = 2").arg(colonne), {dallay});
        };
        auto carte = ouvrirSousCarte(f, obliteration, dallay);
        QVERIFY(carte);
        choisirCotesPerso(carte.get());
        QCOMPARE(carte->findChild<QLineEdit*>(refuse)->text(), QStringLiteral("40"));
        for (const QString& faute : {QStringLiteral("abc"), QStringLiteral("nan"), QStringLiteral("1000001")}) {
            plateforme->repondreMessage(Reponse::OK);
            QVERIFY(!saisirEtQuitter(carte.get(), refuse, faute));
            QCOMPARE(carte->findChild<QLineEdit*>(refuse)->text(), QString());
            QVERIFY(saisirEtQuitter(carte.get(), accepte, QStringLiteral("2")));
            QCOMPARE(stocke(refuse).toDouble(), 40.0);
        }
        QCOMPARE(plateforme->messages().size(), 3);
        // Emptied on purpose: that is a price the user chose.
        QVERIFY(saisirEtQuitter(carte.get(), refuse, QStringLiteral("5")));
        QVERIFY(saisirEtQuitter(carte.get(), refuse, QString()));
        QVERIFY(stocke(refuse).isNull());
        QCOMPARE(stocke(accepte).toDouble(), 2.0);
    }

    void prixPersonnelsDeLaCollectionOuverte()
    {
        CnxPerso->executer(QStringLiteral("INSERT INTO CotationsP (Dallay, Collection, NeufP) VALUES ('1a', 3, 40)"));
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        choisirCotesPerso(carte.get());
        // Collection 3's price is not shown to collection 2.
        QCOMPARE(carte->findChild<QLineEdit*>(QStringLiteral("NeufP"))->text(), QString());
        plateforme->repondreMessage(Reponse::OK);
        QVERIFY(!saisirEtQuitter(carte.get(), QStringLiteral("OblitereP"), QStringLiteral("1000000,5")));
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().texte, QStringLiteral("Vous devez entrer une valeur"));
        QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Saisie incorrecte"));
        QCOMPARE(carte->findChild<QLineEdit*>(QStringLiteral("OblitereP"))->text(), QString());
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM CotationsP WHERE Collection = 2")).toInt(), 0);
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("OblitereP"), QStringLiteral("1000000")));
        QCOMPARE(lignesVisibles(*carte), (QList<bool> {false, false, false, true, false}));
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT OblitereP FROM CotationsP WHERE Dallay = '1a' AND Collection = 2")).toDouble(),
            1000000.0);
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT NeufP FROM CotationsP WHERE Dallay = '1a' AND Collection = 3")).toDouble(), 40.0);
        // Emptied, the price is stored as none and its row hidden.
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("OblitereP"), QString()));
        QVERIFY(!carte->grille()->ligneVisible(3));
        QVERIFY(CnxPerso->valeur(QStringLiteral("SELECT OblitereP FROM CotationsP WHERE Dallay = '1a' AND Collection = 2")).isNull());
    }

    void varieteInconnue()
    {
        ouvrirCollection(QStringLiteral("2"));
        f->ListeVarietes()->clearSelection();
        OFormFicheVarietes carte(f->ListeVarietes()->BoundText(), f);
        QCOMPARE(carte.Dallay()->text(), QString());
        for (QWidget* w : carte.grille()->controlesSaisie())
            QVERIFY(!w->isEnabled());
        const qint64 ecrit = ecritures();
        carte.reject();
        QCOMPARE(ecritures(), ecrit);
    }

    void image()
    {
        QTemporaryDir disque;
        DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO VarietesPCT (Dallay, Imagevrt3) VALUES ('1a', ?)"), {OctetsPng(Qt::blue)});
        });
        LecteurCD = disque.path();
        OuvrirBaseCD();
        auto carte = ouvrir(QStringLiteral("1a"));
        QVERIFY(carte);
        auto* image = carte->findChild<BoiteImage*>(QStringLiteral("Picture1"));
        QVERIFY(!image->estVide());
        const QImage vu = image->contenu();
        QCOMPARE(QColor(vu.pixel(vu.width() / 2, vu.height() / 2)), QColor(Qt::blue));
        auto autre = ouvrir(QStringLiteral("1b"));
        QVERIFY(autre->findChild<BoiteImage*>(QStringLiteral("Picture1"))->estVide());
        LecteurCD.clear();
    }
};

ENREGISTRER_TEST(TestVarietes)
#include "test_varietes.moc"
