// The search's criteria turned into its statements and its words, and the keyword and year rules.

#include "data/Valeurs.h"
#include "search/Recherche.h"
#include "support/Suite.h"

#include <QtTest>

Q_DECLARE_METATYPE(CriteresRecherche)

class TestConstructionRecherche : public QObject {
    Q_OBJECT

private slots:
    void criteresEnMots_data()
    {
        QTest::addColumn<CriteresRecherche>("criteres");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QVariantList>("valeurs");

        QTest::newRow("tous les timbres") << CriteresRecherche {} << QStringLiteral("Recherche parmi tous les timbres.")
                                          << QVariantList {};
        CriteresRecherche collection;
        collection.maCollection = true;
        collection.collection = QStringLiteral("5");
        QTest::newRow("ma collection") << collection << QStringLiteral("Recherche parmi ma collection.")
                                       << QVariantList {5};
        CriteresRecherche trois;
        trois.motCle = QStringLiteral("coq");
        trois.operateurAnnee = QStringLiteral(">=");
        trois.annee = QStringLiteral("1950");
        trois.departement = QStringLiteral("75");
        QTest::newRow("mot, année, département")
            << trois
            << QStringLiteral(
                   "Recherche parmi tous les timbres, Désignation contient 'coq', Année >= 1950, Département = 75.")
            << QVariantList {QStringLiteral("%coq%"), 1950, QStringLiteral("75")};
        CriteresRecherche tout = collection;
        tout.rubrique = QStringLiteral("AE");
        tout.nomRubrique = QStringLiteral("Poste aérienne");
        tout.type = QStringLiteral("2");
        tout.nomType = QStringLiteral("Commémoratif");
        tout.theme = QStringLiteral("7");
        tout.nomTheme = QStringLiteral("Églises");
        tout.serie = QStringLiteral("3");
        tout.nomSerie = QStringLiteral("Cérès");
        tout.dessinateur = QStringLiteral("4");
        tout.nomDessinateur = QStringLiteral("Barre");
        tout.graveur = QStringLiteral("6");
        tout.nomGraveur = QStringLiteral("Piel");
        tout.motCle = QStringLiteral("Jeanne d'Arc");
        tout.operateurAnnee = QStringLiteral("<>");
        tout.annee = QStringLiteral("1960");
        tout.faciale = QStringLiteral("1 F");
        tout.departement = QStringLiteral("07");
        // The section code stays text; the five other codes are numbers.
        QTest::newRow("tous les critères")
            << tout
            << QStringLiteral("Recherche parmi ma collection, Rubrique = Poste aérienne, Type = Commémoratif, "
                              "Thème = Églises, Série = Cérès, Dessinateur = Barre, Graveur = Piel, "
                              "Désignation contient 'Jeanne d'Arc', Année <> 1960, Faciale = 1 F, Département = 07.")
            << QVariantList {5, QStringLiteral("AE"), 2, 7, 3, 4, 6, QStringLiteral("%Jeanne d'Arc%"), 1960,
                   QStringLiteral("1 F"), QStringLiteral("07")};
    }

    void criteresEnMots()
    {
        QFETCH(CriteresRecherche, criteres);
        QFETCH(QString, texte);
        QFETCH(QVariantList, valeurs);
        const RechercheConstruite construite = ConstruireRecherche(criteres);
        QCOMPARE(construite.texteCritere, texte);
        QCOMPARE(construite.liste.valeurs.size(), valeurs.size());
        for (int i = 0; i < valeurs.size(); ++i) {
            QCOMPARE(construite.liste.valeurs[i].toString(), valeurs[i].toString());
            QCOMPARE(construite.liste.valeurs[i].typeId() == QMetaType::QString,
                valeurs[i].typeId() == QMetaType::QString);
        }
        QCOMPARE(construite.miniatures.valeurs, construite.liste.valeurs);
        QVERIFY(construite.liste.sql.endsWith(QStringLiteral(" ORDER BY b.Ordre")));
        QVERIFY(construite.miniatures.sql.endsWith(QStringLiteral(" ORDER BY b.Ordre")));
        // No value is written into the statements: their only quotes are those of the escape character.
        const int guillemets = construite.liste.sql.contains(QStringLiteral("ESCAPE")) ? 2 : 0;
        QCOMPARE(construite.liste.sql.count(QLatin1Char('\'')), guillemets);
        QCOMPARE(construite.miniatures.sql.count(QLatin1Char('\'')), guillemets);
    }

    void motifEtAnnee()
    {
        QCOMPARE(MotifContient(QStringLiteral("100%")), QStringLiteral("%100\\%%"));
        QCOMPARE(MotifContient(QStringLiteral("tarif_r")), QStringLiteral("%tarif\\_r%"));
        QCOMPARE(MotifContient(QStringLiteral("a\\b")), QStringLiteral("%a\\\\b%"));
        for (const char* bonne : {"", "1", "950", "1950"})
            QVERIFY2(!RefusAnnee(QString::fromUtf8(bonne)), bonne);
        for (const char* mauvaise : {"19500", "19a0", " 1950", "-1", "1950.", "١٩٥٠"})
            QVERIFY2(RefusAnnee(QString::fromUtf8(mauvaise)), mauvaise);
    }
};

ENREGISTRER_TEST(TestConstructionRecherche)
#include "test_construction_recherche.moc"
