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
