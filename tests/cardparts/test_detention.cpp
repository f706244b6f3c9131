// A holdings row without a window: how a stored row reads as a grid would show it, what a save merges
// into a row another screen changed, and what its one write leaves in the table.

#include "cardparts/Detention.h"
#include "data/Connexion.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "support/DossierTest.h"
#include "support/Suite.h"

#include <QtTest>

namespace {

QString enTexte(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

// Holdings written the way the cases read: one "held copies quality duplicates" line per condition
// (held 1 or 0, a Null "NULL"), then the "Ne pas acquérir" tick (1 or 0), then the comment.
QStringList decrire(const DetentionSaisie& d)
{
    QStringList t;
    for (const LigneSaisie& l : d.lignes)
        t << QStringLiteral("%1 %2 %3 %4").arg(l.possede ? 1 : 0).arg(enTexte(l.copies), enTexte(l.qualite), enTexte(l.doubles));
    t << QString::number(d.nePasAcquerir ? 1 : 0) << d.commentaire;
    return t;
}

QVariant valeur(const QString& texte)
{
    if (texte == QLatin1String("NULL"))
        return {};
    if (texte.contains(QLatin1Char('.')))
        return texte.toDouble();
    return texte.toInt();
}

DetentionSaisie lire(const QStringList& t)
{
    DetentionSaisie d;
    for (int i = 0; i + 2 < t.size(); ++i) {
        const QStringList c = t.at(i).split(QLatin1Char(' '));
        d.lignes << LigneSaisie {c.at(0) == QLatin1String("1"), valeur(c.at(1)), valeur(c.at(2)), valeur(c.at(3))};
    }
    d.nePasAcquerir = t.value(t.size() - 2) == QLatin1String("1");
    d.commentaire = t.value(t.size() - 1);
    return d;
}

// The rows of `colonnes` of `table`, in key order, one text a row, its values joined by "|".
QStringList lignes(const QString& table, const QString& colonnes)
{
    QStringList t;
    Requete r = CnxPerso->preparer(QStringLiteral("SELECT %1 FROM %2 ORDER BY Collection, Dallay").arg(colonnes, table));
    while (r.suivante()) {
        QStringList v;
        for (int i = 0; i < r.nombreColonnes(); ++i)
            v << enTexte(r.colonne(i));
        t << v.join(QLatin1Char('|'));
    }
    return t;
}

const QString ColonnesTimbre = QStringLiteral(
    "Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN, QteNC, QtesNC, EtatNC, QteDoubleNC, QteL, QtesL, EtatL, "
    "QteDoubleL, NePasAcquerir, commentaire");
const QString ColonnesObliteration = QStringLiteral(
    "Collection, Dallay, QteO, QtesO, EtatO, QteDoubleO, QteL, QtesL, EtatL, QteDoubleL, NePasAcquerir, commentaire");

}  // namespace

class TestDetention : public QObject {
    Q_OBJECT

    std::unique_ptr<DossierTest> dossier;

private slots:
    void init()
    {
        dossier = std::make_unique<DossierTest>();
        QVERIFY(OuvrirBasePerso());
    }

    void cleanup() { dossier.reset(); }

    void stockee_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("suffixes");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("ligne");  // the row of '1' in collection 2, none when empty
        QTest::addColumn<QStringList>("attendu");
        const QStringList rien = {"0 NULL NULL NULL", "0 NULL NULL NULL", "0 NULL NULL NULL", "0 NULL NULL NULL",
            "0 NULL NULL NULL", "0", ""};
        QTest::newRow("aucune ligne") << "Collection" << SuffixesEtats << 9999 << "" << rien;
        QTest::newRow("ligne vide") << "Collection" << SuffixesEtats << 9999 << "(Collection, Dallay) VALUES (2, '1')"
                                    << rien;
        // A condition not held shows empty boxes whatever its columns hold; its duplicates are its own. Any
        // non-zero mark is held.
        QTest::newRow("ligne remplie")
            << "Collection" << SuffixesEtats << 9999
            << "(Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN, QteNC, QtesNC, EtatNC, QteDoubleNC, QteO, EtatO, "
               "NePasAcquerir, commentaire) VALUES (2, '1', -1, 2, 150, 3, 0, 4, 80, 0, 1, 12.5, -1, 'coin plié')"
            << QStringList {"1 2 150 3", "0 NULL NULL 0", "0 NULL NULL NULL", "1 NULL 12.5 NULL", "0 NULL NULL NULL",
                   "1", "coin plié"};
        // What the grid shows, read back: seven significant digits, a whole count. A value its validation
        // would refuse stays as stored, so that a save that leaves it alone writes it back unchanged.
        QTest::newRow("relue comme affichée")
            << "Collection" << SuffixesEtats << 9999
            << "(Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN, QteO, QtesO, QteL, QtesL, EtatL, QteDoubleL) "
               "VALUES (2, '1', -1, 2.0, 33.333333333, 10000, -1, 2.0000001, -1, 10000, 400, 2.5)"
            << QStringList {"1 2 33.33333 10000", "0 NULL NULL NULL", "0 NULL NULL NULL", "1 2 NULL NULL",
                   "1 10000 400 2.5", "0", ""};
        QTest::newRow("oblitération, bornée à 999")
            << "CollectionO" << QStringList {"O", "L"} << 999
            << "(Collection, Dallay, QteO, QtesO, EtatO, QteDoubleO, QteL, QtesL, QteDoubleL) "
               "VALUES (2, '1', -1, 999, 100, 1000, -1, 1000, 999)"
            << QStringList {"1 999 100 1000", "1 1000 NULL 999", "0", ""};
    }

    void stockee()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, suffixes);
        QFETCH(int, maximum);
        QFETCH(QString, ligne);
        QFETCH(QStringList, attendu);
        if (!ligne.isEmpty())
            CnxPerso->executer(QStringLiteral("INSERT INTO %1 %2").arg(table, ligne));
        // Another collection's row and another stamp's are not the row read.
        CnxPerso->executer(QStringLiteral("INSERT INTO %1 (Collection, Dallay, QteL, QtesL) VALUES (3, '1', -1, 7), "
                                          "(2, '2', -1, 7)")
                               .arg(table));
        const Recordset r = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM %1 WHERE Dallay = ? AND Collection = ?").arg(table), {QStringLiteral("1"), 2});
        QCOMPARE(decrire(DetentionStockee(r, suffixes, maximum)), attendu);
    }

    // Another screen wrote the row since the card read it: each part the user left as read stays as
    // stored now, each part changed is the user's whole. Two conditions are enough to tell them apart.
    void fusion_data()
    {
        QTest::addColumn<QStringList>("stockee");
        QTest::addColumn<QStringList>("lue");
        QTest::addColumn<QStringList>("saisie");
        QTest::addColumn<QStringList>("attendu");
        const QStringList lue = {"1 2 150 3", "0 NULL NULL NULL", "0", "pli"};
        const QStringList ailleurs = {"1 2 100 7", "1 1 100 NULL", "1", "coin"};
        QTest::newRow("rien changé: le stocké") << ailleurs << lue << lue << ailleurs;
        QTest::newRow("copies: toute la partie")
            << ailleurs << lue << QStringList {"1 5 150 3", "0 NULL NULL NULL", "0", "pli"}
            << QStringList {"1 5 150 7", "1 1 100 NULL", "1", "coin"};
        QTest::newRow("qualité seule: toute la partie")
            << ailleurs << lue << QStringList {"1 2 90 3", "0 NULL NULL NULL", "0", "pli"}
            << QStringList {"1 2 90 7", "1 1 100 NULL", "1", "coin"};
        QTest::newRow("décoché") << ailleurs << lue << QStringList {"0 NULL NULL 3", "0 NULL NULL NULL", "0", "pli"}
                                 << QStringList {"0 NULL NULL 7", "1 1 100 NULL", "1", "coin"};
        QTest::newRow("doubles seuls")
            << ailleurs << lue << QStringList {"1 2 150 4", "0 NULL NULL 2", "0", "pli"}
            << QStringList {"1 2 100 4", "1 1 100 2", "1", "coin"};
        QTest::newRow("doubles vidés") << ailleurs << lue << QStringList {"1 2 150 NULL", "0 NULL NULL NULL", "0", "pli"}
                                       << QStringList {"1 2 100 NULL", "1 1 100 NULL", "1", "coin"};
        QTest::newRow("ne pas acquérir") << ailleurs << QStringList {"1 2 150 3", "0 NULL NULL NULL", "1", "pli"}
                                         << QStringList {"1 2 150 3", "0 NULL NULL NULL", "0", "pli"}
                                         << QStringList {"1 2 100 7", "1 1 100 NULL", "0", "coin"};
        QTest::newRow("commentaire") << ailleurs << lue << QStringList {"1 2 150 3", "0 NULL NULL NULL", "0", ""}
                                     << QStringList {"1 2 100 7", "1 1 100 NULL", "1", ""};
        // A restored backup can hold a tick with no copies and no quality: unticking it is a change.
        QTest::newRow("décoché, sans copies ni qualité")
            << QStringList {"1 NULL NULL NULL", "0 NULL NULL NULL", "0", ""}
            << QStringList {"1 NULL NULL NULL", "0 NULL NULL NULL", "0", ""}
            << QStringList {"0 NULL NULL NULL", "0 NULL NULL NULL", "0", ""}
            << QStringList {"0 NULL NULL NULL", "0 NULL NULL NULL", "0", ""};
        // Nothing was stored when the card read it; another screen has ticked a condition since.
        QTest::newRow("rien de lu, une ligne écrite depuis")
            << QStringList {"1 1 100 NULL", "0 NULL NULL NULL", "0", ""}
            << QStringList {"0 NULL NULL NULL", "0 NULL NULL NULL", "0", ""}
            << QStringList {"0 NULL NULL NULL", "1 1 100 NULL", "0", ""}
            << QStringList {"1 1 100 NULL", "1 1 100 NULL", "0", ""};
    }

    void fusion()
    {
        QFETCH(QStringList, stockee);
        QFETCH(QStringList, lue);
        QFETCH(QStringList, saisie);
        QFETCH(QStringList, attendu);
        QCOMPARE(decrire(FusionnerDetention(lire(stockee), lire(lue), lire(saisie))), attendu);
    }

    void ecriture_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("suffixes");
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QStringList>("saisie");
        QTest::addColumn<QStringList>("attendu");  // the table's rows after the write
        const QString vide = QStringLiteral("0 NULL NULL NULL");
        const QStringList saisie = {"1 2 150 3", vide, vide, vide, "0 NULL NULL 0", "1", "coin plié"};
        // Every row of the table before the write stays, but the one written.
        const QStringList autres = {"2|2|-1|1|100|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL",
            "3|a1|-1|1|100|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL"};
        const QString ecrite = QStringLiteral("2|%1|-1|2|150|3|0|NULL|NULL|NULL|0|NULL|NULL|0|-1|coin plié");
        QTest::newRow("ligne ajoutée")
            << "Collection" << SuffixesEtats << "b1" << saisie
            << QStringList {autres.at(0), "2|a1|-1|1|100|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL",
                   ecrite.arg("b1"), autres.at(1)};
        QTest::newRow("ligne remplacée") << "Collection" << SuffixesEtats << "a1" << saisie
                                         << QStringList {autres.at(0), ecrite.arg("a1"), autres.at(1)};
        // The number compares ignoring case: the row stored is updated, with its own spelling.
        QTest::newRow("numéro dans l'autre casse") << "Collection" << SuffixesEtats << "A1" << saisie
                                                   << QStringList {autres.at(0), ecrite.arg("a1"), autres.at(1)};
        QTest::newRow("rien de détenu: la ligne reste")
            << "Collection" << SuffixesEtats << "a1" << QStringList {vide, vide, vide, vide, vide, "0", ""}
            << QStringList {autres.at(0), "2|a1|0|NULL|NULL|NULL|0|NULL|NULL|NULL|0|NULL|NULL|NULL|0|", autres.at(1)};
        QTest::newRow("oblitération") << "CollectionO" << QStringList {"O", "L"} << "a1"
                                      << QStringList {"1 1 50 NULL", "0 NULL NULL 2", "0", ""}
                                      << QStringList {"2|2|NULL|NULL|NULL|NULL|-1|1|100|NULL|NULL|NULL",
                                             "2|a1|-1|1|50|NULL|0|NULL|NULL|2|0|",
                                             "3|a1|NULL|NULL|NULL|NULL|-1|1|100|NULL|NULL|NULL"};
    }

    void ecriture()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, suffixes);
        QFETCH(QString, dallay);
        QFETCH(QStringList, saisie);
        QFETCH(QStringList, attendu);
        const bool timbre = table == QLatin1String("Collection");
        CnxPerso->executer(QStringLiteral("INSERT INTO %1 (Collection, Dallay, %2) VALUES (2, '2', -1, 1, 100), "
                                          "(2, 'a1', -1, 1, 100), (3, 'a1', -1, 1, 100)")
                               .arg(table, timbre ? QStringLiteral("QteN, QtesN, EtatN") : QStringLiteral("QteL, QtesL, EtatL")));
        EcrireDetention(*CnxPerso, table, QStringLiteral("2"), dallay, suffixes, lire(saisie));
        QCOMPARE(lignes(table, timbre ? ColonnesTimbre : ColonnesObliteration), attendu);
    }

    void ecritureRefusee()
    {
        CnxPerso->executer(QStringLiteral("INSERT INTO Collection (Collection, Dallay, QteN) VALUES (2, '1', -1)"));
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 1"));
        const DetentionSaisie saisie = lire({"0 NULL NULL NULL", "0 NULL NULL NULL", "0 NULL NULL NULL",
            "0 NULL NULL NULL", "1 1 100 NULL", "0", ""});
        QVERIFY_THROWS_EXCEPTION(ErreurBase,
            EcrireDetention(*CnxPerso, QStringLiteral("Collection"), QStringLiteral("2"), QStringLiteral("1"), SuffixesEtats,
                saisie));
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 0"));
        QCOMPARE(lignes(QStringLiteral("Collection"), QStringLiteral("Dallay, QteN, QteL")), QStringList {"1|-1|NULL"});
    }
};

ENREGISTRER_TEST(TestDetention)

#include "test_detention.moc"
