#include "platform/DialogueFichier.h"
#include "platform/Impression.h"
#include "platform/Lecteurs.h"
#include "platform/Messages.h"
#include "platform/Saisie.h"
#include "support/PlateformeScriptee.h"

#include <QPrinter>
#include <QTest>

Q_DECLARE_METATYPE(Boutons)
Q_DECLARE_METATYPE(Reponse)

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void analyserMountinfo();
    void estLecteurCDROM_data();
    void estLecteurCDROM();
    void filtresQt_data();
    void filtresQt();
    void titreMessage_data();
    void titreMessage();
    void reponsesDansLOrdre();
    void doublesRemplacesPuisRestaures();
    void messageInattendu_data();
    void messageInattendu();
    void autresDialoguesInattendus();
    void reponsesRestantesEchouent();
};

void TestPlatform::analyserMountinfo()
{
    // Out of order, with zero, one and two optional fields, as the kernel
    // writes them; the last line is a fuseiso image in a folder with a space.
    const QByteArray contenu =
        "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
        "50 22 11:0 / /media/cdrom0 ro,nosuid,nodev,noexec,relatime shared:330 master:2 - iso9660 /dev/sr0 "
        "ro,nojoliet,check=s,map=n,blocksize=2048\n"
        "30 22 0:26 / /run/user/1000 rw,nosuid,nodev,relatime - tmpfs tmpfs rw,size=1628000k,mode=700,uid=1000\n"
        "45 22 0:48 / /home/luc/Disque\\040Orvalen rw,nosuid,nodev,relatime shared:320 - fuse.fuseiso fuseiso "
        "rw,user_id=1000,group_id=1000\n";

    const QList<Lecteur> lecteurs = AnalyserMountinfo(contenu);

    QCOMPARE(lecteurs.size(), 4);
    const QStringList attendus[] = {
        {"/", "/dev/sda2", "ext4"},
        {"/home/luc/Disque Orvalen", "fuseiso", "fuse.fuseiso"},
        {"/media/cdrom0", "/dev/sr0", "iso9660"},
        {"/run/user/1000", "tmpfs", "tmpfs"},
    };
    for (int i = 0; i < 4; ++i) {
        const QStringList obtenu = {
            lecteurs.at(i).pointMontage, lecteurs.at(i).peripherique, lecteurs.at(i).systemeFichiers};
        QCOMPARE(obtenu, attendus[i]);
    }
}

void TestPlatform::estLecteurCDROM_data()
{
    QTest::addColumn<QString>("peripherique");
    QTest::addColumn<QString>("systemeFichiers");
    QTest::addColumn<bool>("cdrom");

    QTest::newRow("disque iso9660") << "/dev/sr0"
                                    << "iso9660" << true;
    QTest::newRow("disque udf") << "/dev/sr1"
                                << "udf" << true;
    QTest::newRow("lecteur sr, autre système") << "/dev/sr0"
                                               << "vfat" << true;
    QTest::newRow("image fuseiso") << "fuseiso"
                                   << "fuse.fuseiso" << true;
    QTest::newRow("image iso en boucle") << "/dev/loop0"
                                         << "iso9660" << true;
    QTest::newRow("disque dur") << "/dev/sda2"
                                << "ext4" << false;
    QTest::newRow("tmpfs") << "tmpfs"
                           << "tmpfs" << false;
    QTest::newRow("autre fuse") << "sshfs#luc@serveur:"
                                << "fuse.sshfs" << false;
}

void TestPlatform::estLecteurCDROM()
{
    QFETCH(QString, peripherique);
    QFETCH(QString, systemeFichiers);
    QFETCH(bool, cdrom);

    QCOMPARE(EstLecteurCDROM({QStringLiteral("/mnt"), peripherique, systemeFichiers}), cdrom);
}

void TestPlatform::filtresQt_data()
{
    QTest::addColumn<QString>("classique");
    QTest::addColumn<QStringList>("qt");

    QTest::newRow("vide") << "" << QStringList();
    QTest::newRow("une entrée") << "Texte|*.txt" << QStringList {"Texte (*.txt)"};
    QTest::newRow("deux entrées avec ?")
        << "*.f02 (Orvalen France 2002)|*.f02|ovlcfr01.md? (Orvalen France 2001)|ovlcfr01.md?"
        << QStringList {"*.f02 (Orvalen France 2002) (*.f02)", "ovlcfr01.md? (Orvalen France 2001) (ovlcfr01.md?)"};
    QTest::newRow("plusieurs motifs") << "Images|*.bmp;*.jpg;*.gif|Tous les fichiers|*.*"
                                      << QStringList {"Images (*.bmp *.jpg *.gif)", "Tous les fichiers (*.*)"};
}

void TestPlatform::filtresQt()
{
    QFETCH(QString, classique);
    QFETCH(QStringList, qt);

    QCOMPARE(FiltresQt(classique), qt);
}

void TestPlatform::titreMessage_data()
{
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("titreMontre");

    QTest::newRow("vide") << ""
                          << "Orvalen Zorizad ud Udavoz";
    QTest::newRow("donné") << "Suppression"
                           << "Suppression";
}

void TestPlatform::titreMessage()
{
    QFETCH(QString, titre);
    QFETCH(QString, titreMontre);

    PlateformeScriptee plateforme;
    plateforme.repondreMessage(Reponse::OK);
    AfficherMessage(QStringLiteral("Catalogue introuvable."), Boutons::OK, Icone::Exclamation, titre);

    QCOMPARE(plateforme.messages().size(), 1);
    QCOMPARE(plateforme.messages().constFirst().titre, titreMontre);
}

void TestPlatform::reponsesDansLOrdre()
{
    PlateformeScriptee plateforme;
    plateforme.repondreMessage(Reponse::Non);
    plateforme.repondreMessage(Reponse::Oui);
    plateforme.repondreSaisie(QStringLiteral("Marianne"));
    plateforme.repondreSaisie(std::nullopt);
    plateforme.repondreFichier({false, QStringLiteral("/tmp/a.f02"), 1});
    plateforme.repondreFichier({false, QStringLiteral("/tmp/b.f02"), 2});
    plateforme.repondreImprimante(false);
    plateforme.repondreImprimante(true);

    QCOMPARE(AfficherMessage(QStringLiteral("Premier ?"), Boutons::OuiNon), Reponse::Non);
    QCOMPARE(AfficherMessage(QStringLiteral("Second ?"), Boutons::OuiNon), Reponse::Oui);
    QCOMPARE(plateforme.messages().size(), 2);
    QCOMPARE(plateforme.messages().at(1).texte, QStringLiteral("Second ?"));

    QCOMPARE(DemanderTexte(QStringLiteral("Nom ?")), std::optional<QString>(QStringLiteral("Marianne")));
    QCOMPARE(DemanderTexte(QStringLiteral("Pays ?")), std::optional<QString>());
    QCOMPARE(plateforme.saisies(), QStringList({"Nom ?", "Pays ?"}));

    QCOMPARE(ChoisirFichier({}).fichier, QStringLiteral("/tmp/a.f02"));
    const ReponseFichier second = ChoisirFichier({});
    QCOMPARE(second.fichier, QStringLiteral("/tmp/b.f02"));
    QCOMPARE(second.indexFiltre, 2);
    QCOMPARE(plateforme.demandesFichier().size(), 2);

    QPrinter imprimante;
    QCOMPARE(ChoisirImprimante(imprimante, QStringLiteral("Imprimer")), false);
    QCOMPARE(ChoisirImprimante(imprimante, QStringLiteral("Imprimer")), true);
    // Accepted, the printer must write into the double's folder, not to paper.
    QCOMPARE(imprimante.outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(plateforme.impressions().size(), 1);
    QCOMPARE(imprimante.outputFileName(), plateforme.impressions().constFirst().fichierPdf);
}

void TestPlatform::doublesRemplacesPuisRestaures()
{
    PlateformeScriptee exterieure;
    exterieure.repondreMessage(Reponse::Oui);
    {
        PlateformeScriptee interieure;
        interieure.repondreMessage(Reponse::Non);
        QCOMPARE(AfficherMessage(QStringLiteral("Intérieur"), Boutons::OuiNon), Reponse::Non);
    }
    QCOMPARE(AfficherMessage(QStringLiteral("Extérieur"), Boutons::OuiNon), Reponse::Oui);
    QCOMPARE(exterieure.messages().size(), 1);
    QCOMPARE(exterieure.messages().constFirst().texte, QStringLiteral("Extérieur"));
}

void TestPlatform::messageInattendu_data()
{
    QTest::addColumn<Boutons>("boutons");
    QTest::addColumn<Reponse>("reponse");

    QTest::newRow("OK") << Boutons::OK << Reponse::OK;
    QTest::newRow("OKAnnuler") << Boutons::OKAnnuler << Reponse::Annuler;
    QTest::newRow("AbandonReessayerIgnorer") << Boutons::AbandonReessayerIgnorer << Reponse::Abandonner;
    QTest::newRow("OuiNonAnnuler") << Boutons::OuiNonAnnuler << Reponse::Annuler;
    QTest::newRow("OuiNon") << Boutons::OuiNon << Reponse::Non;
    QTest::newRow("ReessayerAnnuler") << Boutons::ReessayerAnnuler << Reponse::Annuler;
}

void TestPlatform::messageInattendu()
{
    QFETCH(Boutons, boutons);
    QFETCH(Reponse, reponse);

    PlateformeScriptee plateforme;
    QEXPECT_FAIL("", "aucune réponse préparée : le double fait échouer le test", Continue);
    const Reponse obtenue = AfficherMessage(QStringLiteral("Supprimer la collection ?"), boutons);
    QCOMPARE(obtenue, reponse);
}

void TestPlatform::autresDialoguesInattendus()
{
    PlateformeScriptee plateforme;

    QEXPECT_FAIL("", "aucune saisie préparée", Continue);
    const std::optional<QString> saisie = DemanderTexte(QStringLiteral("Nom ?"));
    QVERIFY(!saisie);

    QEXPECT_FAIL("", "aucun fichier préparé", Continue);
    const ReponseFichier fichier = ChoisirFichier({});
    QVERIFY(fichier.annule);

    QPrinter imprimante;
    QEXPECT_FAIL("", "aucun choix d'imprimante préparé", Continue);
    const bool accepte = ChoisirImprimante(imprimante, QStringLiteral("Imprimer"));
    QVERIFY(!accepte);
}

void TestPlatform::reponsesRestantesEchouent()
{
    PlateformeScriptee plateforme;
    plateforme.repondreMessage(Reponse::OK);
    QEXPECT_FAIL("", "une réponse préparée n'a jamais servi", Continue);
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
