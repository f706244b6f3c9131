// The numbers of the cards: the values of a grid, their format, and how a stored number shows.

#include "cardparts/Nombres.h"
#include "support/Suite.h"

#include <QLocale>
#include <QtTest>

Q_DECLARE_METATYPE(LigneValeurs)

class TestNombres : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void valeursEtFormat_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<LigneValeurs>>("lignes");
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("doubles");
        const QLocale fr(QLocale::French, QLocale::France);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("exemple") << fr
                                 << QList<LigneValeurs> {{"10", "2", "150", "3"}, {"", "5", "100", "5"}, {"4", "1", "50", ""}}
                                 << "32,0" << "30,0";
        QTest::newRow("prix avec virgule") << fr << QList<LigneValeurs> {{"12,5", "1", "100", "1"}} << "12,5" << "12,5";
        QTest::newRow("milliers français") << fr << QList<LigneValeurs> {{"1234,56", "1", "100", ""}}
                                           << QLocale(fr).toString(1234.6, 'f', 1) << "0,0";
        QTest::newRow("milliers anglais") << en << QList<LigneValeurs> {{"1234.56", "1", "100", ""}} << "1,234.6" << "0.0";
        QTest::newRow("qualité décimale") << fr << QList<LigneValeurs> {{"10", "2", "12,5", ""}} << "2,5" << "0,0";
        // 14.5 x 30 % is 4.35, held as 4.3499999... in a double: shown as written, it rounds up.
        QTest::newRow("moitié de la qualité") << fr << QList<LigneValeurs> {{"14,5", "1", "30", "1"}}
                                              << "4,4" << "14,5";
        QTest::newRow("moitié, retenue") << fr << QList<LigneValeurs> {{"13", "1", "15", ""}} << "2,0" << "0,0";
        // A price is a single-precision number: 0,35 is held as 0.3499999940395355, yet counts as the 0,35
        // the box shows, as the inventory counts the same price.
        QTest::newRow("prix 0,35 en simple précision") << fr << QList<LigneValeurs> {{"0,35", "1", "100", "1"}}
                                                       << "0,4" << "0,4";
        QTest::newRow("prix 0,45 en simple précision") << fr << QList<LigneValeurs> {{"0,45", "1", "100", ""}}
                                                       << "0,5" << "0,0";
        QTest::newRow("prix 0,65 en simple précision") << fr << QList<LigneValeurs> {{"0,65", "1", "100", ""}}
                                                       << "0,7" << "0,0";
        QTest::newRow("prix 0,95 en simple précision") << fr << QList<LigneValeurs> {{"0,95", "1", "100", ""}}
                                                       << "1,0" << "0,0";
        // A damaged row's negative quality: the value keeps its sign, even where it rounds to zero, as it
        // always showed.
        QTest::newRow("négatif arrondi à zéro") << fr << QList<LigneValeurs> {{"10", "1", "-0,3", ""}}
                                                << "-0,0" << "0,0";
        QTest::newRow("qualité négative") << fr << QList<LigneValeurs> {{"10", "1", "-30", ""}} << "-3,0" << "0,0";
        QTest::newRow("texte illisible: rien") << fr << QList<LigneValeurs> {{"10", "2x", "100", "abc"}} << "0,0" << "0,0";
        QTest::newRow("nan et inf: rien") << fr << QList<LigneValeurs> {{"nan", "2", "100", "1"}, {"10", "inf", "nan", "-inf"}}
                                          << "0,0" << "0,0";
    }

    void valeursEtFormat()
    {
        QFETCH(QLocale, locale);
        QFETCH(QList<LigneValeurs>, lignes);
        QFETCH(QString, collection);
        QFETCH(QString, doubles);
        QLocale::setDefault(locale);
        const ValeursGrille v = CalculerValeursLignes(lignes);
        QCOMPARE(FormaterValeur(v.collection), collection);
        QCOMPARE(FormaterValeur(v.doubles), doubles);
    }

    // Every price of two decimals ending in 5, up to 9 999,95, shows its half rounded up at one copy and
    // 100 %, as the inventory prints it: the price as the box shows it, not its single-precision value.
    void chaquePrixEnDemi()
    {
        const QLocale fr(QLocale::French, QLocale::France);
        QLocale::setDefault(fr);
        for (int dixiemes = 0; dixiemes < 100000; ++dixiemes) {
            const QString prix = QStringLiteral("%1,%2").arg(dixiemes / 10).arg(dixiemes % 10) + QLatin1Char('5');
            const int arrondi = dixiemes + 1;
            const QString attendu = fr.toString(arrondi / 10) + QLatin1Char(',') + QString::number(arrondi % 10);
            const QString vu = FormaterValeur(CalculerValeursLignes({{prix, "1", "100", ""}}).collection);
            if (vu != attendu)
                QFAIL(qPrintable(prix + QStringLiteral(" montre ") + vu + QStringLiteral(", attendu ") + attendu));
        }
    }

    void milliersGroupes()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const QString groupe = QLocale().groupSeparator();
        QCOMPARE(FormaterValeur(1234.56), QStringLiteral("1") + groupe + QStringLiteral("234,6"));
    }

    void texteNombre_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QVariant>("valeur");
        QTest::addColumn<QString>("texte");
        const QLocale fr(QLocale::French, QLocale::France);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("Null") << fr << QVariant() << "";
        QTest::newRow("entier") << fr << QVariant(qlonglong(3)) << "3";
        QTest::newRow("réel entier") << fr << QVariant(10.0) << "10";
        QTest::newRow("simple précision") << fr << QVariant(double(12.3f)) << "12,3";
        QTest::newRow("un dixième") << fr << QVariant(double(0.1f)) << "0,1";
        QTest::newRow("un million, sans exposant") << fr << QVariant(1000000.0) << "1000000";
        QTest::newRow("sans groupes") << fr << QVariant(15000.0) << "15000";
        QTest::newRow("anglais") << en << QVariant(double(12.5f)) << "12.5";
        QTest::newRow("anglais, sans groupes") << en << QVariant(1234.5) << "1234.5";
    }

    void texteNombre()
    {
        QFETCH(QLocale, locale);
        QFETCH(QVariant, valeur);
        QFETCH(QString, texte);
        QLocale::setDefault(locale);
        QCOMPARE(TexteNombre(valeur), texte);
    }
};

ENREGISTRER_TEST(TestNombres)

#include "test_nombres.moc"
