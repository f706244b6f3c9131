// The number formats of the reports, as their text boxes and summary labels print a value.

#include "printing/FormatNombre.h"
#include "support/Suite.h"

#include <QtTest>

class TestFormatsEtat : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
};

void TestFormatsEtat::formats_data()
{
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("attendu");
    const QLocale fr(QLocale::French, QLocale::France);
    const QString groupe = fr.groupSeparator();

    QTest::newRow("zéro vide en A") << QVariant(0.0) << "0.0;;\"\"" << "";
    QTest::newRow("zéro vide en B") << QVariant(0) << "#,##0.0;;\"\"" << "";
    QTest::newRow("négatif en A") << QVariant(-1.5) << "0.0;;\"\"" << "-1,5";
    QTest::newRow("négatif sans section") << QVariant(-1.5) << "0.0" << "-1,5";
    QTest::newRow("A ne groupe pas") << QVariant(1234.5) << "0.0;;\"\"" << "1234,5";
    QTest::newRow("B groupe") << QVariant(1234.5) << "#,##0.0;;\"\"" << QStringLiteral("1") + groupe + QStringLiteral("234,5");
    QTest::newRow("groupes et zéro") << QVariant(1234.5) << "#,##0.0" << QStringLiteral("1") + groupe + QStringLiteral("234,5");
    QTest::newRow("zéro en #,##0.0") << QVariant(0) << "#,##0.0" << "0,0";
    QTest::newRow("deux décimales") << QVariant(1234567.891) << "#,0.00"
                                    << QStringLiteral("1") + groupe + QStringLiteral("234") + groupe + QStringLiteral("567,89");
    QTest::newRow("arrondi") << QVariant(2.25) << "0.0" << "2,3";
    // A figure rounds as it reads written, not as its binary value: 1.45 is 1.4499999... in a double.
    QTest::newRow("moitié 1,45") << QVariant(1.45) << "0.0" << "1,5";
    QTest::newRow("moitié 0,15") << QVariant(0.15) << "0.0" << "0,2";
    QTest::newRow("moitié négative") << QVariant(-1.45) << "0.0" << "-1,5";
    QTest::newRow("moitié négative, sa section") << QVariant(-0.15) << "0.0;(0.0)" << "(0,2)";
    QTest::newRow("moitié en deux décimales") << QVariant(2.675) << "#,0.00" << "2,68";
    QTest::newRow("moitié d'un total") << QVariant(24046.55) << "#,##0.0"
                                       << QStringLiteral("24") + groupe + QStringLiteral("046,6");
    QTest::newRow("moitié, retenue") << QVariant(0.95) << "0.0" << "1,0";
    QTest::newRow("moitié, retenue aux milliers") << QVariant(99999.95) << "#,##0.0"
                                                  << QStringLiteral("100") + groupe + QStringLiteral("000,0");
    QTest::newRow("moitié, retenue sur tous les chiffres") << QVariant(9.95) << "0.0" << "10,0";
    QTest::newRow("seul le chiffre d'arrondi") << QVariant(0.05) << "0.0" << "0,1";
    QTest::newRow("seul le chiffre d'arrondi, binaire en dessous") << QVariant(0.0000005) << "0.000000" << "0,000001";
    QTest::newRow("sous la dernière place") << QVariant(0.004) << "0.0" << "0,0";
    QTest::newRow("négatif sous la dernière place") << QVariant(-0.04) << "0.0" << "-0,0";
    QTest::newRow("juste sous la moitié") << QVariant(1.4499999) << "0.0" << "1,4";
    QTest::newRow("entier inchangé") << QVariant(24046.0) << "#,##0.0"
                                     << QStringLiteral("24") + groupe + QStringLiteral("046,0");
    QTest::newRow("au-delà de 15 chiffres, inchangé")
        << QVariant(98765432109876.54) << "#,0.00"
        << QStringList {"98", "765", "432", "109", "876,55"}.join(groupe);
    QTest::newRow("infini inchangé") << QVariant(qInf()) << "#,##0.0" << fr.toString(qInf(), 'f', 1);
    QTest::newRow("NaN inchangé") << QVariant(qQNaN()) << "#,##0.0" << fr.toString(qQNaN(), 'f', 1);
    QTest::newRow("entier") << QVariant(3) << "0" << "3";
    QTest::newRow("réel en entier") << QVariant(2.6) << "0" << "3";
    QTest::newRow("texte inchangé") << QVariant(QStringLiteral("x")) << "0" << "x";
    QTest::newRow("Null vide") << QVariant() << "0.0" << "";
    QTest::newRow("Null texte vide") << QVariant(QMetaType(QMetaType::QString)) << "" << "";
    QTest::newRow("sans format") << QVariant(QStringLiteral("1849-01-01")) << "" << "1849-01-01";
    QTest::newRow("réel sans format") << QVariant(12.5) << "" << "12,5";
}

void TestFormatsEtat::formats()
{
    QFETCH(QVariant, valeur);
    QFETCH(QString, format);
    QFETCH(QString, attendu);
    QCOMPARE(FormaterValeur(valeur, format, QLocale(QLocale::French, QLocale::France)), attendu);
}

ENREGISTRER_TEST(TestFormatsEtat)
#include "test_formats.moc"
