// Start-up's search for the catalogue disc.

#include "data/Source.h"
#include "shell/ChercherLecteurCD.h"
#include "support/DossierTest.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestLecteur : public QObject {
    Q_OBJECT

private slots:
    void rechercheDuDisque_data();
    void rechercheDuDisque();
    void aucunLecteur();
};

// Each drive is "point:type:contents", contents being "avec", "minuscules" or "sans";
// the expected drive is named by its point, "-" for none.
void TestLecteur::rechercheDuDisque_data()
{
    QTest::addColumn<QStringList>("lecteurs");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("volume disque avec le fichier") << QStringList {"a:ext4:avec"} << "-";
    QTest::newRow("CD sans le fichier") << QStringList {"a:iso9660:sans"} << "-";
    QTest::newRow("CD avec le fichier") << QStringList {"a:iso9660:avec"} << "a";
    QTest::newRow("premier CD avec le fichier gagne")
        << QStringList {"a:ext4:avec", "b:iso9660:sans", "c:fuse.fuseiso:avec", "d:udf:avec"} << "c";
    QTest::newRow("noms en minuscules") << QStringList {"a:iso9660:minuscules"} << "a";
    QTest::newRow("périphérique /dev/sr") << QStringList {"a:sr:avec"} << "a";
    QTest::newRow("CD à la racine jamais pris") << QStringList {"/:iso9660:-", "b:iso9660:avec"} << "b";
}

void TestLecteur::rechercheDuDisque()
{
    QFETCH(QStringList, lecteurs);
    QFETCH(QString, attendu);
    DossierTest dossier;
    QTemporaryDir racine;
    PlateformeScriptee plateforme;
    QList<Lecteur> liste;
    for (const QString& l : lecteurs) {
        const QStringList champs = l.split(QLatin1Char(':'));
        Lecteur lecteur;
        if (champs.at(0) == QStringLiteral("/")) {
            lecteur.pointMontage = QStringLiteral("/");
        } else {
            lecteur.pointMontage = QDir(racine.path()).filePath(champs.at(0));
            QDir().mkpath(lecteur.pointMontage);
        }
        lecteur.systemeFichiers = champs.at(1) == QStringLiteral("sr") ? QStringLiteral("auto") : champs.at(1);
        lecteur.peripherique =
            champs.at(1) == QStringLiteral("sr") ? QStringLiteral("/dev/sr0") : QStringLiteral("/dev/sda1");
        if (champs.at(2) == QStringLiteral("avec"))
            DossierTest::creerDisque(lecteur.pointMontage);
        else if (champs.at(2) == QStringLiteral("minuscules"))
            DossierTest::creerDisque(lecteur.pointMontage, QStringLiteral("datas/fr_binp.dov"));
        liste << lecteur;
    }
    plateforme.definirLecteurs(liste);
    LecteurCD = QStringLiteral("ancienne valeur");
    ChercherLecteurCD();
    QCOMPARE(LecteurCD, attendu == QStringLiteral("-") ? QString() : QDir(racine.path()).filePath(attendu));
    QVERIFY(plateforme.messages().isEmpty());
}

void TestLecteur::aucunLecteur()
{
    DossierTest dossier;
    PlateformeScriptee plateforme;
    plateforme.definirLecteurs({});
    plateforme.repondreMessage(Reponse::OK);
    ChercherLecteurCD();
    QCOMPARE(plateforme.messages().size(), 1);
    const Message m = plateforme.messages().first();
    QCOMPARE(m.texte, QStringLiteral("Aucun lecteur trouvé !"));
    QCOMPARE(m.titre, QStringLiteral("Orvalen Zorizad ud Udavoz"));
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.boutons, Boutons::OK);
    QVERIFY(LecteurCD.isEmpty());
}

ENREGISTRER_TEST(TestLecteur)
#include "test_lecteur.moc"
