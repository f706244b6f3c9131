// The suites' own set-up: a crash in any test class ends the run at once.

#include "support/Suite.h"

#include <QProcess>
#include <QtTest>

class TestSupport : public QObject {
    Q_OBJECT

private slots:
    void plantageDansUneClasseSuivante_data();
    void plantageDansUneClasseSuivante();
};

void TestSupport::plantageDansUneClasseSuivante_data()
{
    QTest::addColumn<QString>("faute");
    QTest::addColumn<QString>("signal");

    QTest::newRow("accès mémoire") << QStringLiteral("memoire") << QStringLiteral("Received signal 11 ");
    QTest::newRow("instruction illégale") << QStringLiteral("instruction") << QStringLiteral("Received signal 4 ");
}

void TestSupport::plantageDansUneClasseSuivante()
{
    QFETCH(QString, faute);
    QFETCH(QString, signal);

    QProcess suite;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("SUITE_PLANTEE"), faute);
    // The debugger's stack dump is long and no fault of the suite's: the log is measured without it.
    environnement.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
    suite.setProcessEnvironment(environnement);
    suite.setProcessChannelMode(QProcess::MergedChannels);
    suite.start(QStringLiteral(PROGRAMME_SUITE_PLANTEE), QStringList());
    QVERIFY(suite.waitForStarted(5000));
    // A crash that does not end the run logs again and again: it must not outlive this wait.
    if (!suite.waitForFinished(10000)) {
        suite.kill();
        suite.waitForFinished(5000);
        QFAIL("La suite plantée tourne encore après 10 s.");
    }
    const QString sortie = QString::fromUtf8(suite.readAll());

    QCOMPARE(suite.exitStatus(), QProcess::CrashExit);
    QVERIFY2(sortie.size() < 4000, qPrintable(sortie.left(4000)));
    QVERIFY2(sortie.contains(QStringLiteral("PASS   : PremiereClasse::passe()")), qPrintable(sortie));
    QCOMPARE(sortie.count(QStringLiteral("Received signal")), 1);
    QVERIFY2(sortie.contains(signal), qPrintable(sortie));
    QVERIFY2(sortie.contains(QStringLiteral("plante function time")), qPrintable(sortie));
}

ENREGISTRER_TEST(TestSupport)

#include "test_support.moc"
