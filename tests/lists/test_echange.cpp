// The exchange file's text to the byte, and the numbers copied from a list.

#include "lists/ExportListes.h"
#include "support/Suite.h"

#include <QtTest>

namespace {
const QByteArray Entete = "DALLAY,NSC,NAC,NSG,OBLI,SURL\r\n";
}  // namespace

class TestEchange : public QObject {
    Q_OBJECT

private slots:
    void lignes_data()
    {
        QTest::addColumn<bool>("manques");
        QTest::addColumn<QStringList>("cellules");  // Dallay, designation, N, NC, NSG, O, L
        QTest::addColumn<QByteArray>("ligne");
        QTest::newRow("voulu en N et O") << true << QStringList({"D", "Désignation", "x", "", "", "x", ""})
                                         << QByteArray("D,1,,,1,\r\n");
        QTest::newRow("voulu en L seul") << true << QStringList({"D", "", "", "", "", "", "x"}) << QByteArray("D,,,,,1\r\n");
        QTest::newRow("mot-clé, marques 1") << true << QStringList({"D", "", "1", "1", "", "", ""})
                                            << QByteArray("D,1,1,,,\r\n");
        QTest::newRow("marque autre") << true << QStringList({"D", "", "X", " x", "", "", ""}) << QByteArray("D,,,,,\r\n");
        QTest::newRow("doubles N et L") << false << QStringList({"D", "Désignation", "2", "", "", "", "1"})
                                        << QByteArray("D,2,,,,1\r\n");
        QTest::newRow("doubles zéro") << false << QStringList({"D", "", "0", "", "", "3", ""}) << QByteArray("D,0,,,3,\r\n");
    }

    void lignes()
    {
        QFETCH(bool, manques);
        QFETCH(QStringList, cellules);
        QFETCH(QByteArray, ligne);
        QCOMPARE(TexteEchange({cellules}, manques), Entete + ligne);
        QCOMPARE(TexteEchange({}, manques), Entete);
        QCOMPARE(TexteEchange({cellules, cellules}, manques), Entete + ligne + ligne);
    }

    void numeros() { QCOMPARE(NumerosListe({{QStringLiteral("12")}}), QStringLiteral("12")); }
};

ENREGISTRER_TEST(TestEchange)
#include "test_echange.moc"
