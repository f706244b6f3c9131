// The personal prices' write without a window: which columns it writes, which it keeps, how a price is
// stored, and its refusal.

#include "cardparts/CotesPerso.h"
#include "data/Connexion.h"
#include "data/Source.h"
#include "support/DossierTest.h"
#include "support/Suite.h"

#include <QtTest>

namespace {

// The rows of CotationsP, sorted, each "Dallay|Collection|NeufP|NeufAvecCharniereP|NSGP|OblitereP|LettreP",
// a price to the last digit of the double it is.
QStringList lignes()
{
    QStringList t;
    Requete r = CnxPerso->preparer(QStringLiteral("SELECT * FROM CotationsP"));
    while (r.suivante()) {
        QStringList v;
        for (int i = 0; i < r.nombreColonnes(); ++i) {
            const QVariant c = r.colonne(i);
            v << (c.isNull() ? QStringLiteral("NULL")
                    : c.typeId() == QMetaType::Double ? QString::number(c.toDouble(), 'g', 17)
                                                       : c.toString());
        }
        t << v.join(QLatin1Char('|'));
    }
    t.sort();
    return t;
}

// "NeufP=12.5 LettreP=" : the columns given and their prices, none after "=" for an empty box.
QList<PrixPerso> prix(const QString& texte)
{
    QList<PrixPerso> p;
    for (const QString& c : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString v = c.section(QLatin1Char('='), 1);
        p.append({c.section(QLatin1Char('='), 0, 0), v.isEmpty() ? std::nullopt : std::optional<double>(v.toDouble())});
    }
    return p;
}

}  // namespace

class TestCotesPerso : public QObject {
    Q_OBJECT

    std::unique_ptr<DossierTest> dossier;

private slots:
    void init()
    {
        dossier = std::make_unique<DossierTest>();
        QVERIFY(OuvrirBasePerso());
        // The same stamp in another collection, and another stamp of collection 2.
        CnxPerso->executer(QStringLiteral("INSERT INTO CotationsP VALUES ('1', 3, 9, 9, 9, 9, 9), ('2', 2, 8, 8, 8, 8, 8)"));
    }

    void cleanup() { dossier.reset(); }

    void ecriture_data()
    {
        QTest::addColumn<QString>("avant");  // the row of '1' in collection 2, none when empty
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QString>("ecrits");
        QTest::addColumn<QString>("attendu");  // the row of '1' in collection 2 afterwards
        QTest::newRow("ligne ajoutée") << "" << "1" << "NeufP=12.5 LettreP=" << "1|2|12.5|NULL|NULL|NULL|NULL";
        QTest::newRow("colonnes non données gardées") << "('1', 2, 10, 20, 30, 40, 50)" << "1" << "NeufP=1 OblitereP="
                                                      << "1|2|1|20|30|NULL|50";
        QTest::newRow("aucune colonne: ligne gardée") << "('1', 2, 10, 20, 30, 40, 50)" << "1" << ""
                                                      << "1|2|10|20|30|40|50";
        QTest::newRow("aucune colonne: ligne vide ajoutée") << "" << "1" << "" << "1|2|NULL|NULL|NULL|NULL|NULL";
        // Single precision: the price stored reads back as the box showed it.
        QTest::newRow("simple précision") << "" << "1" << "NSGP=0.1" << "1|2|NULL|NULL|0.10000000149011612|NULL|NULL";
        // The number compares ignoring case: the row stored is updated, with its own spelling.
        QTest::newRow("autre casse") << "('A1', 2, 10, 20, 30, 40, 50)" << "a1" << "NeufP=6"
                                     << "A1|2|6|20|30|40|50";
    }

    void ecriture()
    {
        QFETCH(QString, avant);
        QFETCH(QString, dallay);
        QFETCH(QString, ecrits);
        QFETCH(QString, attendu);
        if (!avant.isEmpty())
            CnxPerso->executer(QStringLiteral("INSERT INTO CotationsP VALUES ") + avant);
        EcrireCotesPerso(*CnxPerso, dallay, QStringLiteral("2"), prix(ecrits));
        QStringList toutes = {"1|3|9|9|9|9|9", "2|2|8|8|8|8|8", attendu};
        toutes.sort();
        QCOMPARE(lignes(), toutes);
    }

    void ecritureRefusee()
    {
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 1"));
        QVERIFY_THROWS_EXCEPTION(ErreurBase,
            EcrireCotesPerso(*CnxPerso, QStringLiteral("1"), QStringLiteral("2"), prix(QStringLiteral("NeufP=5"))));
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 0"));
        QCOMPARE(lignes(), (QStringList {"1|3|9|9|9|9|9", "2|2|8|8|8|8|8"}));
    }
};

ENREGISTRER_TEST(TestCotesPerso)

#include "test_cotes_perso.moc"
