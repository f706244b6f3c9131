// The collection's valuation: each group's value by section, its total and the grand total as the
// report's labels show them, which key falls in which section, and the button that shows the report.

#include "support/ControleEcran.h"
#include "OutilsImpression.h"
#include "data/Source.h"
#include "printing/Dispositions.h"
#include "printing/Etat.h"
#include "printing/Valorisation.h"
#include "shell/CollectionOuverte.h"
#include "shell/EcranPrincipal.h"
#include "support/DossierTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

namespace {

using Libelles = QMap<QString, QString>;

// Every value label of a filled report that shows something, by name.
Libelles libellesEcrits(const ValeursCollection& valeurs)
{
    Etat etat = ImpCollection1();
    RemplirImpCollection1(etat, valeurs, QStringLiteral("Collection X"));
    Libelles ecrits;
    for (const ControleEtat& c : SectionParNom(etat, QStringLiteral("SectionDetail"))->controles) {
        if (c.nom.contains(QLatin1String("Coll")) && !c.legende.isEmpty())
            ecrits.insert(c.nom, c.legende);
    }
    return ecrits;
}

// Stamp 1 quoted N 10 and O 2; varieties MI7 (N 3) and cd1 (N 5); cancellation AE5 (O 7); the stamps
// placed by number each quoted N at a power of two, so that every sum says which rows it holds.
void catalogueValeurs(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('1', 10, 2);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('12', 1);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('AB1', 2);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('ab2', 4);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('CD3', 8);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('G15', 16);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('G70a', 32);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('AE1', 64);
        INSERT INTO Cotations2001v (Dallay, Neuf) VALUES ('MI7', 3);
        INSERT INTO Cotations2001v (Dallay, Neuf) VALUES ('cd1', 5);
        INSERT INTO Cotations2001o (Dallay, Oblitere) VALUES ('AE5', 7);
    )"));
}

// A price as the own-item card stores it, in single precision, written out in full so that the statement
// stores that very number.
QString prixSimple(double prix)
{
    return QString::number(double(float(prix)), 'g', 17);
}

const char* const AutreCollection = R"(
    INSERT INTO Collection (Collection, Dallay, QtesN, EtatN, QteDoubleN) VALUES (3, '1', 5, 100, 5);
    INSERT INTO MesVarietes (Collection, Reference, Neuf, QtesN) VALUES (3, '1', 100, 1);
)";

}  // namespace

class TestValorisation : public QObject {
    Q_OBJECT

    QLocale m_localeAvant;

private slots:
    void initTestCase()
    {
        m_localeAvant = QLocale();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }

    void cleanupTestCase() { QLocale::setDefault(m_localeAvant); }

    void valeurs_data()
    {
        QTest::addColumn<QString>("detention");
        QTest::addColumn<Libelles>("attendu");
        // Every label not named here must stay blank.
        QTest::newRow("qualité 150 %")
            << "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, '1', 2, 150);"
            << Libelles {{"AACollC", "30,00"}, {"CollC", "30,00"}, {"AACollDC", "0,00"}, {"CollDC", "0,00"},
                   {"Coll", "30,00"}};
        QTest::newRow("sans qualité")
            << "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, '1', 2, NULL);"
            << Libelles {{"AACollC", "0,00"}, {"CollC", "0,00"}, {"AACollDC", "0,00"}, {"CollDC", "0,00"},
                   {"Coll", "0,00"}};
        QTest::newRow("état non coté, numéro sans cote")
            << "INSERT INTO Collection (Collection, Dallay, QtesNC, EtatNC, QteDoubleL) VALUES (2, '1', 4, 100, 2);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, '99', 4, 100);"
            << Libelles {{"AACollC", "0,00"}, {"CollC", "0,00"}, {"AACollDC", "0,00"}, {"CollDC", "0,00"},
                   {"Coll", "0,00"}};
        // Own items carry their own prices and are valued without the quality.
        QTest::newRow("variété personnelle")
            << "INSERT INTO MesVarietes (Collection, Reference, Neuf, QtesN, EtatN) VALUES (2, '1', 5, 2, 50);"
            << Libelles {{"AACollMV", "10,00"}, {"CollMV", "10,00"}, {"AACollDMV", "0,00"}, {"CollDMV", "0,00"},
                   {"Coll", "10,00"}};
        // Stored as 2.6749999523162842, the price counts as the 2,675 typed: each half rounds up.
        QTest::newRow("variété personnelle en simple précision")
            << QStringLiteral("INSERT INTO MesVarietes (Collection, Reference, Neuf, QtesN, QteDoubleN) VALUES (2, '1', %1, 1, 1);")
                   .arg(prixSimple(2.675))
            << Libelles {{"AACollMV", "2,68"}, {"CollMV", "2,68"}, {"AACollDMV", "2,68"}, {"CollDMV", "2,68"},
                   {"Coll", "5,35"}};
        QTest::newRow("doubles")
            << "INSERT INTO Collection (Collection, Dallay, QteDoubleO) VALUES (2, '1', 3);"
            << Libelles {{"AACollC", "0,00"}, {"CollC", "0,00"}, {"AACollDC", "6,00"}, {"CollDC", "6,00"},
                   {"Coll", "6,00"}};
        QTest::newRow("oblitérations")
            << "INSERT INTO CollectionO (Collection, Dallay, QtesO, EtatO, QteDoubleO) VALUES (2, 'AE5', 1, 100, 2);"
            << Libelles {{"AECollO", "7,00"}, {"CollO", "7,00"}, {"AECollDO", "14,00"}, {"CollDO", "14,00"},
                   {"Coll", "21,00"}};
        // 12, AB1 and ab2 in AA; CD3 and G15 in no section of the stamps, so in their total only;
        // G70a by its three characters; among the varieties MI7 and cd1 have sections of their own.
        QTest::newRow("rubriques")
            << "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, '12', 1, 100);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, 'AB1', 1, 100);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, 'ab2', 1, 100);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, 'CD3', 1, 100);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, 'G15', 1, 100);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, 'G70a', 1, 100);"
               "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, 'AE1', 1, 100);"
               "INSERT INTO CollectionV (Collection, Dallay, QtesN, EtatN) VALUES (2, 'MI7', 1, 100);"
               "INSERT INTO CollectionV (Collection, Dallay, QtesN, EtatN) VALUES (2, 'cd1', 1, 100);"
            << Libelles {{"AACollC", "7,00"}, {"G70CollC", "32,00"}, {"AECollC", "64,00"}, {"CollC", "127,00"},
                   {"AACollDC", "0,00"}, {"G70CollDC", "0,00"}, {"AECollDC", "0,00"}, {"CollDC", "0,00"},
                   {"MICollV", "3,00"}, {"CDCollV", "5,00"}, {"CollV", "8,00"}, {"MICollDV", "0,00"},
                   {"CDCollDV", "0,00"}, {"CollDV", "0,00"}, {"Coll", "135,00"}};
        QTest::newRow("collection vide") << "" << Libelles {};
    }

    void valeurs()
    {
        QFETCH(QString, detention);
        QFETCH(Libelles, attendu);
        DossierTest dossier;
        dossier.creerCatalogue(catalogueValeurs);
        dossier.creerPerso([&](const Connexion& cnx) {
            cnx.executerScript(QString::fromUtf8(AutreCollection) + detention);
        });
        QVERIFY(OuvrirBasePerso());
        const ValeursCollection v = CalculerValeurCollection(CnxPerso, CheminBaseCatalogue(), QStringLiteral("2"));
        QCOMPARE(libellesEcrits(v), attendu);
        // The links live only for the computation.
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkCotations")));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkCotationsO")));
    }

    // A price table the catalogue lacks leaves its groups blank; the others, own items included, are
    // computed all the same.
    void lienManquant()
    {
        DossierTest dossier;
        dossier.creerCatalogue([](const Connexion& cnx) {
            catalogueValeurs(cnx);
            cnx.executer(QStringLiteral("DROP TABLE Cotations2001v"));
        });
        dossier.creerPerso([](const Connexion& cnx) {
            cnx.executerScript(QStringLiteral(
                "INSERT INTO CollectionV (Collection, Dallay, QtesN, EtatN) VALUES (2, 'MI7', 1, 100);"
                "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, '1', 1, 100);"
                "INSERT INTO MesVarietes (Collection, Reference, Neuf, QtesN) VALUES (2, 'AE9', 5, 1);"));
        });
        QVERIFY(OuvrirBasePerso());
        const ValeursCollection v = CalculerValeurCollection(CnxPerso, CheminBaseCatalogue(), QStringLiteral("2"));
        QCOMPARE(libellesEcrits(v),
            (Libelles {{"AACollC", "10,00"}, {"CollC", "10,00"}, {"AACollDC", "0,00"}, {"CollDC", "0,00"},
                {"AECollMV", "5,00"}, {"CollMV", "5,00"}, {"AECollDMV", "0,00"}, {"CollDMV", "0,00"},
                {"Coll", "15,00"}}));
    }

    void bouton()
    {
        ProgrammeTest p([](const Connexion& cnx) {
            cnx.executerScript(QStringLiteral(
                "INSERT INTO Utilisateurs VALUES (2, 'Ma collection', '2002-09-01', '2002-09-01', NULL);"
                "INSERT INTO Collection (Collection, Dallay, QtesN, EtatN) VALUES (2, '1', 2, 150);"));
        });
        p.dossier.creerCatalogue(catalogueValeurs);
        QVERIFY(p.demarrer());
        // The search screen's button.
        auto* bouton = ControleEcran<QPushButton>(2, QStringLiteral("BoutonValeurCollection"));
        QVERIFY(bouton);

        // No collection: refused, and nothing shown.
        p.plateforme.repondreMessage(Reponse::OK);
        bouton->click();
        QCOMPARE(p.plateforme.messages().size(), 1);
        QCOMPARE(p.plateforme.messages().first().texte,
            QStringLiteral("Vous devez d'abord ouvrir une collection avant d'utiliser ce bouton"));
        QCOMPARE(p.plateforme.messages().first().titre, QStringLiteral("Impossible de continuer"));
        QCOMPARE(p.plateforme.messages().first().icone, Icone::Exclamation);
        QVERIFY(p.plateforme.apercus().isEmpty());

        LaCollectionOuverte().ouvrir(QStringLiteral("2"), QStringLiteral("Ma collection"));
        // The catalogue holds no quotation row of stamp 1's own: the grid is printed all the same.
        bouton->click();
        QCOMPARE(p.plateforme.apercus().size(), 1);
        QString texte = TextePdf(p.plateforme.apercus().last().fichierPdf);
        QVERIFY2(texte.contains(QStringLiteral("Collection MA COLLECTION")), qPrintable(texte));
        QVERIFY2(texte.contains(QStringLiteral("30,00")), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("Rapport de synthèse")));

        // A second valuation starts from a blank grid.
        CnxPerso->executer(QStringLiteral("DELETE FROM Collection"));
        bouton->click();
        QCOMPARE(p.plateforme.apercus().size(), 2);
        texte = TextePdf(p.plateforme.apercus().last().fichierPdf);
        QVERIFY2(!texte.contains(QStringLiteral("30,00")) && !texte.contains(QStringLiteral("0,00")), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("Total de la collection")));
    }

};

ENREGISTRER_TEST(TestValorisation)
#include "test_valorisation.moc"
