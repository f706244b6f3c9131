// The personal data outside the program: the backup, its restore, the import of the previous edition, and the
// personal numbers exchanged with a text file.

#include "collections/Correspondances.h"
#include "collections/Importation.h"
#include "collections/Sauvegarde.h"
#include "data/Source.h"
#include "support/DossierTest.h"
#include "support/DroitsOrdinaires.h"
#include "support/Suite.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList TablesPerso = {QStringLiteral("Utilisateurs"), QStringLiteral("Collection"),
    QStringLiteral("CollectionO"), QStringLiteral("CollectionV"), QStringLiteral("CotationsP"),
    QStringLiteral("CorrespID"), QStringLiteral("MesVarietes"), QStringLiteral("Themes"),
    QStringLiteral("ThemesAssocies"), QStringLiteral("changements"), QStringLiteral("changementsV")};

// A personal database in use: two collections besides the reserved one, something in every table, a
// predefined theme with its stamp, and the shipped renumbering rows. Every holdings row holds something.
const QString BaseEnUsage = QStringLiteral(R"(
INSERT INTO Utilisateurs VALUES (2, 'Église', '2002-09-01', '2002-10-12', NULL);
INSERT INTO Utilisateurs VALUES (5, 'Margot', '2002-09-03', '2002-09-03', 'Secret');
INSERT INTO Collection (Collection, Dallay, QteN, EtatN, QtesN, QteDoubleO, NePasAcquerir, commentaire)
    VALUES (2, '1', -1, 0.75, 2, 0, 0, 'Très beau, œil de bœuf');
INSERT INTO Collection (Collection, Dallay, QteL, EtatL, QtesL) VALUES (5, '1', -1, 0.5, 1);
INSERT INTO Collection (Collection, Dallay, QteDoubleNSG, NePasAcquerir) VALUES (5, 'AE1', 4, -1);
INSERT INTO CollectionV (Collection, Dallay, QteNC, EtatNC, QtesNC, commentaire) VALUES (2, '1a', -1, 0.6, 1, 'Teinte');
INSERT INTO CollectionO (Collection, Dallay, QteO, EtatO, QtesO, QteDoubleL) VALUES (2, 'O-17', -1, 0.9, 3, 1);
INSERT INTO CotationsP VALUES ('1', 2, 12.5, NULL, 20, 3.25, NULL);
INSERT INTO CorrespID VALUES ('1', 'A-001'), ('AE1', NULL);
INSERT INTO MesVarietes (Collection, CodePersonnel, Reference, Designation, Neuf, QteN, EtatN, QtesN, commentaire,
    CheminImagevrt5) VALUES (2, 14, '1', 'Piquage à cheval', 40, -1, 0.9, 1, 'Rare', 'C:\images\piquage.jpg');
INSERT INTO Themes VALUES (1, 1, 'Oiseaux', -1), (7, 2, 'Phares', 0), (8, 5, 'Trains', NULL);
INSERT INTO ThemesAssocies VALUES ('12', 1, 1, -1), ('3', 7, 2, 0), ('AE1', 8, 5, NULL);
INSERT INTO changements VALUES ('12', '12A'), ('2000b', '2000');
INSERT INTO changementsV VALUES ('12a', '12b');
)");

void remplirBaseEnUsage(const Connexion& cnx)
{
    cnx.executerScript(BaseEnUsage);
}

QString enTexte(const QVariant& valeur)
{
    if (!valeur.isValid())
        return QStringLiteral("NULL");
    if (valeur.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + valeur.toString() + QLatin1Char('\'');
    return valeur.toString();
}

// The rows of a query, each as its values joined by "|", text quoted and Null spelt NULL.
QStringList lignes(const Connexion& cnx, const QString& sql)
{
    QStringList resultat;
    Requete r = cnx.preparer(sql);
    while (r.suivante()) {
        QStringList valeurs;
        for (int i = 0; i < r.nombreColonnes(); ++i)
            valeurs << enTexte(r.colonne(i));
        resultat << valeurs.join(QLatin1Char('|'));
    }
    return resultat;
}

// Every row of every table of the personal database, each table ordered by all its columns.
QStringList donneesPerso(const Connexion& cnx)
{
    QStringList tout;
    for (const QString& table : TablesPerso) {
        const int n = cnx.valeur(QStringLiteral("SELECT count(*) FROM pragma_table_info(?)"), {table}).toInt();
        QStringList ordre;
        for (int i = 1; i <= n; ++i)
            ordre << QString::number(i);
        const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, ordre.join(QStringLiteral(", ")));
        for (const QString& ligne : lignes(cnx, sql))
            tout << table + QStringLiteral(": ") + ligne;
    }
    return tout;
}

int compter(const QString& table)
{
    return CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
}

QByteArray octets(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(contenu), contenu.size());
}

// Every file and folder under `dossier`, hidden ones included: a temporary file left behind shows here.
QStringList contenuDossier(const QString& dossier)
{
    QStringList noms;
    QDirIterator it(
        dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        noms << QDir(dossier).relativeFilePath(it.next());
    noms.sort();
    return noms;
}

// The import leaves the connection as it found it: no link, no file attached.
bool sansLiens(const Connexion& cnx)
{
    return cnx.valeur(QStringLiteral("SELECT count(*) FROM sqlite_temp_master")).toInt() == 0 &&
        cnx.valeur(QStringLiteral("SELECT count(*) FROM pragma_database_list WHERE name NOT IN ('main', 'temp')"))
            .toInt() == 0;
}

QString erreurDe(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ErreurBase& e) {
        return e.message();
    }
    return {};
}

// Bytes as written, NUL bytes included.
template <std::size_t N> QByteArray octetsBruts(const char (&texte)[N])
{
    return QByteArray(texte, qsizetype(N - 1));
}

ModeImport modeImport(int m)
{
    return static_cast<ModeImport>(m);
}

}  // namespace

class TestDonneesPerso : public QObject {
    Q_OBJECT

private slots:
    void sauvegardePuisRestauration();
    void sauvegardePendantUneEcriture();
    void sauvegardeRefuseLaBasePerso_data();
    void sauvegardeRefuseLaBasePerso();
    void sauvegardeRemplaceLaCible_data();
    void sauvegardeRemplaceLaCible();
    void sauvegardeEchouee_data();
    void sauvegardeEchouee();
    void sauvegardeInterrompue();
    void restaurationGardeCodesEtThemesPredefinis();
    void purge_data();
    void purge();
    void importEditionPrecedente();
    void collisionDeRenumerotation_data();
    void collisionDeRenumerotation();
    void doublonsDeLEditionPrecedente_data();
    void doublonsDeLEditionPrecedente();
    void ligneRefuseeAnnuleLImport_data();
    void ligneRefuseeAnnuleLImport();
    void sourceRefusee_data();
    void sourceRefusee();
    void sourceOccupee_data();
    void sourceOccupee();
    void echecEnCoursRienNeChange();
    void correspondancesAllerRetour();
    void lectureCorrespondances_data();
    void lectureCorrespondances();
    void remplacementEchoueRienNeChange();
    void exportCorrespondancesRemplaceLeFichier();
    void windows1252();
};

void TestDonneesPerso::sauvegardePuisRestauration()
{
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    QVERIFY(OuvrirBasePerso());
    const QStringList avant = donneesPerso(*CnxPerso);
    const QString copie = dossier.fichier(QStringLiteral("collections.f02"));
    SauvegarderBasePerso(*CnxPerso, copie);

    CnxPerso->executerScript(QStringLiteral(
        "DELETE FROM Collection; DELETE FROM MesVarietes; UPDATE Themes SET Theme = 'Bateaux' WHERE CodeTheme = 7;"
        "INSERT INTO Utilisateurs VALUES (9, 'Après la sauvegarde', '2002-12-01', '2002-12-01', NULL);"
        "INSERT INTO CorrespID VALUES ('99', 'Z');"));
    const QByteArray fichier = octets(copie);
    const ResultatImport resultat = ImporterDonnees(*CnxPerso, copie, ModeImport::RestaurationSauvegarde);

    QCOMPARE(donneesPerso(*CnxPerso), avant);
    QCOMPARE(resultat.lignesEcartees, 0);
    QCOMPARE(MessageImportationTerminee(resultat), QStringLiteral("Importation terminée"));
    QCOMPARE(octets(copie), fichier);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::sauvegardePendantUneEcriture()
{
    // Another program writing the personal database: the copy holds the last committed state, whole.
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    QVERIFY(OuvrirBasePerso());
    const QStringList avant = donneesPerso(*CnxPerso);
    Connexion autre;
    autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
    autre.executer(QStringLiteral("BEGIN IMMEDIATE"));
    autre.executer(QStringLiteral("INSERT INTO Utilisateurs VALUES (9, 'En cours', '2002-12-01', '2002-12-01', NULL)"));
    autre.executer(QStringLiteral("DELETE FROM Collection"));

    const QString copie = dossier.fichier(QStringLiteral("collections.f02"));
    SauvegarderBasePerso(*CnxPerso, copie);
    autre.executer(QStringLiteral("COMMIT"));

    Connexion lue;
    lue.ouvrir(copie, Connexion::Mode::LectureSeule);
    QCOMPARE(lue.valeur(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(donneesPerso(lue), avant);
}

void TestDonneesPerso::sauvegardeRefuseLaBasePerso_data()
{
    QTest::addColumn<QString>("cible");
    QTest::newRow("même chemin") << "ovlcfr02.mdb";
    QTest::newRow("détour par un dossier") << "sous/../ovlcfr02.mdb";
    QTest::newRow("lien symbolique") << "lien.f02";
}

void TestDonneesPerso::sauvegardeRefuseLaBasePerso()
{
    QFETCH(QString, cible);
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    QVERIFY(QDir(dossier.chemin()).mkdir(QStringLiteral("sous")));
    QVERIFY(QFile::link(CheminBasePerso(), dossier.fichier(QStringLiteral("lien.f02"))));
    QVERIFY(OuvrirBasePerso());
    const QByteArray base = octets(CheminBasePerso());
    const QStringList fichiers = contenuDossier(dossier.chemin());

    QCOMPARE(erreurDe([&] { SauvegarderBasePerso(*CnxPerso, dossier.fichier(cible)); }),
        QStringLiteral(
            "La sauvegarde ne peut pas remplacer la base personnelle elle-même : choisissez un autre fichier."));
    QCOMPARE(octets(CheminBasePerso()), base);
    QCOMPARE(contenuDossier(dossier.chemin()), fichiers);
}

void TestDonneesPerso::sauvegardeRemplaceLaCible_data()
{
    // The mode of the file the backup replaces (-1: no file yet), and the backup's.
    QTest::addColumn<int>("modeAvant");
    QTest::addColumn<int>("modeApres");
    QTest::newRow("nouveau fichier") << -1 << 0644;
    QTest::newRow("ancienne sauvegarde privée") << 0600 << 0600;
    QTest::newRow("ancienne sauvegarde lue du groupe seul") << 0640 << 0640;
}

void TestDonneesPerso::sauvegardeRemplaceLaCible()
{
    QFETCH(int, modeAvant);
    QFETCH(int, modeApres);
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    QVERIFY(OuvrirBasePerso());
    const QString sauvegardes = dossier.fichier(QStringLiteral("sauvegardes"));
    QVERIFY(QDir().mkdir(sauvegardes));
    const QString cible = sauvegardes + QStringLiteral("/collections.f02");
    const QByteArray cheminCible = QFile::encodeName(cible);
    if (modeAvant >= 0) {
        ecrire(cible, "une ancienne sauvegarde");
        QCOMPARE(::chmod(cheminCible.constData(), mode_t(modeAvant)), 0);
    }

    SauvegarderBasePerso(*CnxPerso, cible);

    QCOMPARE(contenuDossier(sauvegardes), QStringList {QStringLiteral("collections.f02")});
    // The mode bits themselves: what Qt reports for the user holds root's powers too.
    struct stat etat {};
    QCOMPARE(::stat(cheminCible.constData(), &etat), 0);
    QCOMPARE(QString::number(etat.st_mode & 07777, 8), QString::number(modeApres, 8));
    Connexion lue;
    lue.ouvrir(cible, Connexion::Mode::LectureSeule);
    QCOMPARE(donneesPerso(lue), donneesPerso(*CnxPerso));
}

void TestDonneesPerso::sauvegardeEchouee_data()
{
    QTest::addColumn<QString>("cas");
    QTest::newRow("dossier absent") << "dossier absent";
    QTest::newRow("cible qui est un dossier") << "cible dossier";
    QTest::newRow("base verrouillée par un autre programme") << "verrou";
    QTest::newRow("dossier en lecture seule") << "lecture seule";
}

void TestDonneesPerso::sauvegardeEchouee()
{
    // Whatever fails, no temporary file is left and an existing target keeps its content.
    QFETCH(QString, cas);
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    QVERIFY(OuvrirBasePerso());
    const QString sauvegardes = dossier.fichier(QStringLiteral("sauvegardes"));
    QVERIFY(QDir().mkdir(sauvegardes));
    QString cible = sauvegardes + QStringLiteral("/collections.f02");
    if (cas == QStringLiteral("cible dossier")) {
        QVERIFY(QDir().mkdir(cible));
        ecrire(cible + QStringLiteral("/dedans.txt"), "à garder");
    } else {
        ecrire(cible, "une ancienne sauvegarde");
    }
    if (cas == QStringLiteral("dossier absent"))
        cible = dossier.fichier(QStringLiteral("absent/collections.f02"));

    Connexion verrou;
    if (cas == QStringLiteral("verrou")) {
        verrou.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
        verrou.executer(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    const QFile::Permissions droits = QFile::permissions(sauvegardes);
    const auto retablir = qScopeGuard([&] { QFile::setPermissions(sauvegardes, droits); });
    if (cas == QStringLiteral("lecture seule"))
        QVERIFY(QFile::setPermissions(sauvegardes,
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                QFile::ReadOther | QFile::ExeOther));
    const QStringList avant = contenuDossier(sauvegardes);
    const QByteArray ancienne = octets(cible);

    std::optional<DroitsOrdinaires> ordinaires;
    if (cas == QStringLiteral("lecture seule")) {
        ordinaires.emplace();  // the folder's mode stops root too
        QVERIFY(ordinaires->tenus());
        QVERIFY2(!QFile(sauvegardes + QStringLiteral("/essai")).open(QIODevice::WriteOnly), "dossier inscriptible");
    }
    QVERIFY(erreurDe([&] {
        SauvegarderBasePerso(*CnxPerso, cible);
    }).startsWith(QStringLiteral("La sauvegarde n'a pas pu être faite.\n")));
    ordinaires.reset();
    QCOMPARE(contenuDossier(sauvegardes), avant);
    QCOMPARE(octets(cible), ancienne);
    QVERIFY(!QFileInfo::exists(dossier.fichier(QStringLiteral("absent"))));
}

void TestDonneesPerso::sauvegardeInterrompue()
{
    // The program killed in the middle of a backup leaves its temporary file beside the target; the next backup
    // to that target takes it away, and the target is the new backup.
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    const QString sauvegardes = dossier.fichier(QStringLiteral("sauvegardes"));
    QVERIFY(QDir().mkdir(sauvegardes));
    const QString cible = sauvegardes + QStringLiteral("/collections.f02");
    ecrire(cible, "une ancienne sauvegarde");
    ecrire(sauvegardes + QStringLiteral("/autre.f02"), "une autre sauvegarde");
    const QStringList avant = contenuDossier(sauvegardes);

    QProcess programme;
    programme.start(QStringLiteral(PROGRAMME_SAUVEGARDE_INTERROMPUE), {CheminBasePerso(), cible});
    QVERIFY(programme.waitForReadyRead(10000));
    QCOMPARE(programme.readLine().trimmed(), QByteArray("prêt"));
    // Another program's write keeps the copy from going on, long enough for the kill to find it under way.
    Connexion autre;
    autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
    autre.executer(QStringLiteral("BEGIN EXCLUSIVE"));
    programme.write("\n");
    QVERIFY(programme.waitForBytesWritten(10000));
    QElapsedTimer attente;
    attente.start();
    while (contenuDossier(sauvegardes) == avant && !attente.hasExpired(Connexion::DelaiOccupationMs / 2))
        QThread::msleep(5);
    programme.kill();
    QVERIFY(programme.waitForFinished(10000));
    autre.executer(QStringLiteral("COMMIT"));
    QVERIFY2(contenuDossier(sauvegardes).size() == avant.size() + 1, "rien de laissé par la sauvegarde tuée");
    QCOMPARE(octets(cible), QByteArray("une ancienne sauvegarde"));

    QVERIFY(OuvrirBasePerso());
    SauvegarderBasePerso(*CnxPerso, cible);

    QCOMPARE(contenuDossier(sauvegardes), avant);
    QCOMPARE(octets(sauvegardes + QStringLiteral("/autre.f02")), QByteArray("une autre sauvegarde"));
    Connexion lue;
    lue.ouvrir(cible, Connexion::Mode::LectureSeule);
    QCOMPARE(donneesPerso(lue), donneesPerso(*CnxPerso));
}

void TestDonneesPerso::restaurationGardeCodesEtThemesPredefinis()
{
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    dossier.creerBase(QStringLiteral("autre.f02"), BaseSchema::Perso, [](const Connexion& cnx) {
        cnx.executerScript(QStringLiteral(R"(
INSERT INTO Utilisateurs VALUES (1, 'Réservée ailleurs', '2001-01-01', '2001-01-01', 'x');
INSERT INTO Utilisateurs VALUES (7, 'Jean', '2002-11-02', '2002-11-30', NULL), (12, 'Lucie', '2002-11-03', '2002-11-03', 'mdp');
INSERT INTO Themes VALUES (1, 1, 'Prédéfini ailleurs', -1), (40, 7, 'Avions', 0), (41, 12, 'Fleurs', NULL);
INSERT INTO ThemesAssocies VALUES ('99', 1, 1, -1), ('12', 40, 7, 0), ('3', 41, 12, NULL);
INSERT INTO Collection (Collection, Dallay, QteO) VALUES (12, '3', -1);
INSERT INTO CotationsP (Dallay, Collection, NeufP) VALUES ('12', 7, 8.5);
INSERT INTO CorrespID VALUES ('12', 'J-12');
INSERT INTO MesVarietes (Collection, CodePersonnel, Reference, Designation) VALUES (7, 250, '12', 'Essai de couleur');
)"));
    });
    QVERIFY(OuvrirBasePerso());

    ImporterDonnees(*CnxPerso, dossier.fichier(QStringLiteral("autre.f02")), ModeImport::RestaurationSauvegarde);

    QCOMPARE(lignes(*CnxPerso,
                 QStringLiteral("SELECT CodeCollection, DescriptionCollection, MotdePasse FROM Utilisateurs "
                                "ORDER BY CodeCollection")),
        (QStringList {"1|'CollectionPredefinie'|NULL", "7|'Jean'|NULL", "12|'Lucie'|'mdp'"}));
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM Themes ORDER BY CodeTheme")),
        (QStringList {"1|1|'Oiseaux'|-1", "40|7|'Avions'|0", "41|12|'Fleurs'|NULL"}));
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM ThemesAssocies ORDER BY Theme")),
        (QStringList {"'12'|1|1|-1", "'12'|40|7|0", "'3'|41|12|NULL"}));
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT Collection, Dallay, QteO FROM Collection")),
        QStringList {"12|'3'|-1"});
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT Dallay, Collection, NeufP FROM CotationsP")),
        QStringList {"'12'|7|8.5"});
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM CorrespID")), QStringList {"'12'|'J-12'"});
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT CodePersonnel, Collection, Designation FROM MesVarietes")),
        QStringList {"250|7|'Essai de couleur'"});
    QCOMPARE(compter(QStringLiteral("CollectionO")), 0);
    QCOMPARE(compter(QStringLiteral("CollectionV")), 0);
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM changements ORDER BY ancien")),
        (QStringList {"'12'|'12A'", "'2000b'|'2000'"}));
}

void TestDonneesPerso::purge_data()
{
    // A source row "P1" holding nothing but a quality, a count of copies, a comment and the want flag (none of
    // which counts), then one column set: it is copied when that makes it hold a condition or a duplicate count.
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("colonne");
    QTest::addColumn<int>("valeur");
    QTest::addColumn<bool>("copiee");
    QTest::newRow("Collection: rien de détenu") << "Collection" << QString() << 0 << false;
    QTest::newRow("Collection: NC à non") << "Collection"
                                          << "QteNC" << 0 << false;
    QTest::newRow("Collection: NC détenu") << "Collection"
                                           << "QteNC" << -1 << true;
    QTest::newRow("Collection: L détenu, écrit 1") << "Collection"
                                                   << "QteL" << 1 << true;
    QTest::newRow("Collection: 0 double de N") << "Collection"
                                               << "QteDoubleN" << 0 << true;
    QTest::newRow("Collection: 0 double de L") << "Collection"
                                               << "QteDoubleL" << 0 << true;
    QTest::newRow("CollectionV: rien de détenu") << "CollectionV" << QString() << 0 << false;
    QTest::newRow("CollectionV: NSG détenu") << "CollectionV"
                                             << "QteNSG" << -1 << true;
    QTest::newRow("CollectionV: 0 double de NSG") << "CollectionV"
                                                  << "QteDoubleNSG" << 0 << true;
    QTest::newRow("CollectionO: rien de détenu") << "CollectionO" << QString() << 0 << false;
    QTest::newRow("CollectionO: O à non") << "CollectionO"
                                          << "QteO" << 0 << false;
    QTest::newRow("CollectionO: L détenu") << "CollectionO"
                                           << "QteL" << -1 << true;
    QTest::newRow("CollectionO: 0 double de O") << "CollectionO"
                                                << "QteDoubleO" << 0 << true;
    QTest::newRow("CollectionO: 0 double de L") << "CollectionO"
                                                << "QteDoubleL" << 0 << true;
}

void TestDonneesPerso::purge()
{
    QFETCH(QString, table);
    QFETCH(QString, colonne);
    QFETCH(int, valeur);
    QFETCH(bool, copiee);
    for (const ModeImport m : {ModeImport::RestaurationSauvegarde, ModeImport::ImportEditionPrecedente}) {
        const bool restauration = m == ModeImport::RestaurationSauvegarde;
        DossierTest dossier;
        dossier.creerBase(QStringLiteral("source"), restauration ? BaseSchema::Perso : BaseSchema::EditionPrecedente,
            [&](const Connexion& cnx) {
                const bool o = table == QStringLiteral("CollectionO");
                cnx.executer(QStringLiteral("INSERT INTO %1 (Collection, Dallay, %2) VALUES (2, 'P1', 0, 0.5)")
                                 .arg(table, o ? QStringLiteral("QteL, EtatO") : QStringLiteral("QteN, EtatN")));
                if (restauration)
                    cnx.executer(QStringLiteral("UPDATE %1 SET %2 = 2, NePasAcquerir = -1, commentaire = 'à voir'")
                                     .arg(table, o ? QStringLiteral("QtesO") : QStringLiteral("QtesN")));
                if (!colonne.isEmpty())
                    cnx.executer(QStringLiteral("UPDATE %1 SET %2 = ?").arg(table, colonne), {valeur});
            });
        QVERIFY(OuvrirBasePerso());
        const QString source = dossier.fichier(QStringLiteral("source"));
        const QByteArray avant = octets(source);

        ImporterDonnees(*CnxPerso, source, m);

        QVERIFY2(compter(table) == (copiee ? 1 : 0), restauration ? "restauration" : "édition précédente");
        QCOMPARE(octets(source), avant);
    }
}

void TestDonneesPerso::importEditionPrecedente()
{
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    dossier.creerBase(QStringLiteral("ovlcfr01.mdb"), BaseSchema::EditionPrecedente, [](const Connexion& cnx) {
        cnx.executerScript(QStringLiteral(R"(
INSERT INTO Utilisateurs VALUES (1, 'Réservée 2001', '2001-09-01', '2001-09-01', NULL);
INSERT INTO Utilisateurs VALUES (3, 'Ma collection 2001', '2001-10-01', '2002-01-15', 'secret');
INSERT INTO Collection (Collection, Dallay, QteN, EtatN, QteO) VALUES (3, '12', -1, 0.8, -1);
INSERT INTO Collection (Collection, Dallay, QteNC, QteDoubleNC) VALUES (3, '2000B', -1, 2);
INSERT INTO Collection (Collection, Dallay, QteL) VALUES (3, '55', 1);
INSERT INTO Collection (Collection, Dallay, QteDoubleN) VALUES (3, '56', 0);
INSERT INTO CollectionV (Collection, Dallay, QteNSG) VALUES (3, '12a', -1);
INSERT INTO CollectionV (Collection, Dallay, QteO) VALUES (3, '99c', -1);
INSERT INTO CollectionO (Collection, Dallay, QteO, QteDoubleL) VALUES (3, '12', -1, 1);
INSERT INTO Themes VALUES (1, 1, 'Prédéfini de 2001', -1), (30, 3, 'Avions', 0);
INSERT INTO ThemesAssocies VALUES ('12', 30, 3, 0), ('5', 1, 1, -1);
INSERT INTO Cotations2001P VALUES ('12', 3, 1.5, NULL, 2, NULL, NULL);
)"));
    });
    QVERIFY(OuvrirBasePerso());
    // A number listed twice (the second time in other letter case) takes its first new number.
    CnxPerso->executerScript(QStringLiteral("INSERT INTO changements VALUES ('12', '12Z');"
                                            "INSERT INTO changementsV VALUES ('12A', '12z');"));
    const QString source = dossier.fichier(QStringLiteral("ovlcfr01.mdb"));
    const QByteArray avant = octets(source);

    const ResultatImport resultat = ImporterDonnees(*CnxPerso, source, ModeImport::ImportEditionPrecedente);

    QCOMPARE(resultat.lignesEcartees, 0);
    QCOMPARE(MessageImportationTerminee(resultat), QStringLiteral("Importation terminée"));
    // "12" and "2000B" (listed as "2000b") carry this edition's numbers; an owned condition counts one copy.
    QCOMPARE(lignes(*CnxPerso,
                 QStringLiteral("SELECT Collection, Dallay, QteN, EtatN, QteNC, QteO, QteL, QteDoubleN, QteDoubleNC, "
                                "QtesN, QtesNC, QtesNSG, QtesO, QtesL, NePasAcquerir, commentaire FROM Collection "
                                "ORDER BY Dallay")),
        (QStringList {"3|'12A'|-1|0.8|NULL|-1|NULL|NULL|NULL|1|NULL|NULL|1|NULL|NULL|NULL",
            "3|'2000'|NULL|NULL|-1|NULL|NULL|NULL|2|NULL|1|NULL|NULL|NULL|NULL|NULL",
            "3|'55'|NULL|NULL|NULL|NULL|1|NULL|NULL|NULL|NULL|NULL|NULL|1|NULL|NULL",
            "3|'56'|NULL|NULL|NULL|NULL|NULL|0|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL"}));
    QCOMPARE(lignes(*CnxPerso,
                 QStringLiteral("SELECT Collection, Dallay, QteNSG, QtesNSG, QteO, QtesO, commentaire FROM CollectionV "
                                "ORDER BY Dallay")),
        (QStringList {"3|'12b'|-1|1|NULL|NULL|NULL", "3|'99c'|NULL|NULL|-1|1|NULL"}));
    // Cancellations keep their numbers, even one that stands in changements.
    QCOMPARE(lignes(*CnxPerso,
                 QStringLiteral("SELECT Collection, Dallay, QteO, QteL, QteDoubleL, QtesO, QtesL, NePasAcquerir "
                                "FROM CollectionO")),
        QStringList {"3|'12'|-1|NULL|1|1|NULL|NULL"});
    QCOMPARE(compter(QStringLiteral("CorrespID")), 0);
    QCOMPARE(compter(QStringLiteral("MesVarietes")), 0);
    QCOMPARE(
        lignes(*CnxPerso, QStringLiteral("SELECT * FROM CotationsP")), QStringList {"'12'|3|1.5|NULL|2|NULL|NULL"});
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM Themes ORDER BY CodeTheme")),
        (QStringList {"1|1|'Oiseaux'|-1", "30|3|'Avions'|0"}));
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM ThemesAssocies ORDER BY Theme")),
        (QStringList {"'12'|1|1|-1", "'12'|30|3|0"}));
    QCOMPARE(lignes(*CnxPerso,
                 QStringLiteral("SELECT CodeCollection, DescriptionCollection, MotdePasse FROM "
                                "Utilisateurs ORDER BY CodeCollection")),
        (QStringList {"1|'CollectionPredefinie'|NULL", "3|'Ma collection 2001'|'secret'"}));
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT * FROM changementsV ORDER BY rowid")),
        (QStringList {"'12a'|'12b'", "'12A'|'12z'"}));
    QCOMPARE(octets(source), avant);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::collisionDeRenumerotation_data()
{
    QTest::addColumn<bool>("avecVarietes");
    QTest::addColumn<QString>("message");
    QTest::newRow("une ligne") << false
                               << "Importation terminée\n\n1 ligne en double (même numéro dans la même collection) "
                                  "n'a pas été reprise ; la première lue a été gardée.";
    QTest::newRow("deux lignes") << true
                                 << "Importation terminée\n\n2 lignes en double (même numéro dans la même collection) "
                                    "n'ont pas été reprises ; la première lue de chaque numéro a été gardée.";
}

void TestDonneesPerso::collisionDeRenumerotation()
{
    // The first row read keeps the stamp, whether it is the renumbered one or not; the key ignores case.
    QFETCH(bool, avecVarietes);
    QFETCH(QString, message);
    DossierTest dossier;
    dossier.creerPerso([](const Connexion& cnx) {
        cnx.executerScript(QStringLiteral("INSERT INTO changements VALUES ('12', '12A');"
                                          "INSERT INTO changementsV VALUES ('3b', '3c');"));
    });
    dossier.creerBase(QStringLiteral("ovlcfr01.mdb"), BaseSchema::EditionPrecedente, [&](const Connexion& cnx) {
        cnx.executerScript(QStringLiteral(R"(
INSERT INTO Utilisateurs VALUES (3, 'Trois', NULL, NULL, NULL), (4, 'Quatre', NULL, NULL, NULL);
INSERT INTO Collection (Collection, Dallay, QteO) VALUES (3, '12', -1);
INSERT INTO Collection (Collection, Dallay, QteN) VALUES (3, '12a', -1);
INSERT INTO Collection (Collection, Dallay, QteN) VALUES (4, '12', -1);
INSERT INTO CollectionV (Collection, Dallay, QteL) VALUES (3, '3c', -1);
)"));
        if (avecVarietes)
            cnx.executer(QStringLiteral("INSERT INTO CollectionV (Collection, Dallay, QteN) VALUES (3, '3b', -1)"));
    });
    QVERIFY(OuvrirBasePerso());
    const QString source = dossier.fichier(QStringLiteral("ovlcfr01.mdb"));
    const QByteArray avant = octets(source);

    const ResultatImport resultat = ImporterDonnees(*CnxPerso, source, ModeImport::ImportEditionPrecedente);

    QCOMPARE(resultat.lignesEcartees, avecVarietes ? 2 : 1);
    QCOMPARE(MessageImportationTerminee(resultat), message);
    QCOMPARE(lignes(*CnxPerso,
                 QStringLiteral("SELECT Collection, Dallay, QteN, QteO FROM Collection ORDER BY Collection, Dallay")),
        (QStringList {"3|'12A'|NULL|-1", "4|'12A'|-1|NULL"}));
    QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT Collection, Dallay, QteN, QteL FROM CollectionV")),
        QStringList {"3|'3c'|NULL|-1"});
    QCOMPARE(compter(QStringLiteral("Utilisateurs")), 3);
    QCOMPARE(octets(source), avant);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::doublonsDeLEditionPrecedente_data()
{
    // The previous edition's file has no unique key on its cancellations and personal prices: a number held twice
    // in one collection (the key ignores case) keeps the first row, as the renumbered holdings do.
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("requete");
    QTest::addColumn<QStringList>("gardees");
    QTest::newRow("CollectionO")
        << "CollectionO"
        << "INSERT INTO CollectionO (Collection, Dallay, QteO) VALUES (3, 'O-1', -1), (4, 'O-1', -1);"
           "INSERT INTO CollectionO (Collection, Dallay, QteL) VALUES (3, 'o-1', -1);"
           "INSERT INTO CollectionO (Collection, Dallay, QteDoubleL) VALUES (3, 'O-1', 2)"
        << "SELECT Collection, Dallay, QteO, QtesO, QteL, QteDoubleL FROM CollectionO ORDER BY Collection"
        << QStringList {"3|'O-1'|-1|1|NULL|NULL", "4|'O-1'|-1|1|NULL|NULL"};
    QTest::newRow("Cotations2001P")
        << "CotationsP"
        << "INSERT INTO Cotations2001P (Dallay, Collection, NeufP) VALUES ('12', 3, 1.5), ('12', 4, 2), ('12', 3, 9);"
           "INSERT INTO Cotations2001P (Dallay, Collection, OblitereP) VALUES ('12', 3, 7)"
        << "SELECT Dallay, Collection, NeufP, OblitereP FROM CotationsP ORDER BY Collection"
        << QStringList {"'12'|3|1.5|NULL", "'12'|4|2|NULL"};
}

void TestDonneesPerso::doublonsDeLEditionPrecedente()
{
    QFETCH(QString, table);
    QFETCH(QString, script);
    QFETCH(QString, requete);
    QFETCH(QStringList, gardees);
    DossierTest dossier;
    dossier.creerBase(QStringLiteral("ovlcfr01.mdb"), BaseSchema::EditionPrecedente, [&](const Connexion& cnx) {
        cnx.executerScript(
            QStringLiteral("INSERT INTO Utilisateurs VALUES (3, 'Trois', NULL, NULL, NULL), (4, 'Quatre', NULL, "
                           "NULL, NULL);") +
            script);
    });
    QVERIFY(OuvrirBasePerso());
    const QString source = dossier.fichier(QStringLiteral("ovlcfr01.mdb"));
    const QByteArray avant = octets(source);

    ResultatImport resultat;
    QCOMPARE(erreurDe([&] { resultat = ImporterDonnees(*CnxPerso, source, ModeImport::ImportEditionPrecedente); }),
        QString());

    QCOMPARE(resultat.lignesEcartees, 2);
    QCOMPARE(lignes(*CnxPerso, requete), gardees);
    QCOMPARE(compter(QStringLiteral("Utilisateurs")), 3);
    QCOMPARE(octets(source), avant);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::ligneRefuseeAnnuleLImport_data()
{
    // Only a row whose number is already in its collection is set aside as a duplicate. A row that this
    // database refuses for any other reason (here a rule of the database on one table, or no room left)
    // stops the import, which undoes everything and says why.
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("raison");
    QTest::newRow("timbre refusé") << "Collection"
                                   << "ligne refusée par la base";
    QTest::newRow("variété refusée") << "CollectionV"
                                     << "ligne refusée par la base";
    QTest::newRow("oblitération refusée") << "CollectionO"
                                          << "ligne refusée par la base";
    QTest::newRow("cote personnelle refusée") << "CotationsP"
                                              << "ligne refusée par la base";
    QTest::newRow("base pleine") << QString() << QString();
}

void TestDonneesPerso::ligneRefuseeAnnuleLImport()
{
    QFETCH(QString, table);
    QFETCH(QString, raison);
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    dossier.creerBase(QStringLiteral("ovlcfr01.mdb"), BaseSchema::EditionPrecedente, [](const Connexion& cnx) {
        cnx.executerScript(QStringLiteral(R"(
INSERT INTO Utilisateurs VALUES (3, 'Trois', NULL, NULL, NULL);
INSERT INTO Collection (Collection, Dallay, QteN) VALUES (3, '12', -1);
INSERT INTO CollectionV (Collection, Dallay, QteN) VALUES (3, '12a', -1);
INSERT INTO CollectionO (Collection, Dallay, QteO) VALUES (3, 'O-1', -1);
INSERT INTO Cotations2001P (Dallay, Collection, NeufP) VALUES ('12', 3, 1.5);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
    INSERT INTO Collection (Collection, Dallay, QteO, EtatO) SELECT 3, 'P' || i, -1, 0.5 FROM n;
)"));
    });
    QVERIFY(OuvrirBasePerso());
    if (table.isEmpty())
        CnxPerso->executer(QStringLiteral("PRAGMA max_page_count = %1")
                               .arg(CnxPerso->valeur(QStringLiteral("PRAGMA page_count")).toInt()));
    else
        CnxPerso->executer(QStringLiteral("CREATE TRIGGER refus BEFORE INSERT ON %1 BEGIN "
                                          "SELECT RAISE(ABORT, 'ligne refusée par la base'); END")
                               .arg(table));
    const QStringList avant = donneesPerso(*CnxPerso);
    const QString source = dossier.fichier(QStringLiteral("ovlcfr01.mdb"));
    const QByteArray fichier = octets(source);

    const QString message =
        erreurDe([&] { ImporterDonnees(*CnxPerso, source, ModeImport::ImportEditionPrecedente); });

    const QString annule = QStringLiteral(
        "L'importation n'a pas pu être faite ; les données personnelles restent telles qu'elles étaient.\n");
    QVERIFY2(message.startsWith(annule), qPrintable(message));
    if (raison.isEmpty())
        QVERIFY2(message.size() > annule.size(), "sans raison");
    else
        QCOMPARE(message.mid(annule.size()), raison);
    QCOMPARE(donneesPerso(*CnxPerso), avant);
    QCOMPARE(octets(source), fichier);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::sourceRefusee_data()
{
    // How the source is made: a schema and a script, raw bytes, or a path standing for no file or for the
    // personal database itself.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("message");
    const int restauration = int(ModeImport::RestaurationSauvegarde);
    const int precedente = int(ModeImport::ImportEditionPrecedente);
    const QString pasUneSauvegarde = QStringLiteral("Le fichier choisi n'est pas une sauvegarde d'Orvalen France 2002");
    const QString pasUneBase2001 =
        QStringLiteral("Le fichier choisi n'est pas une base personnelle d'Orvalen France 2001");
    QTest::newRow("sauvegarde sans MesVarietes")
        << "sauvegarde"
        << "DROP TABLE MesVarietes" << restauration << pasUneSauvegarde + " : la table « MesVarietes » y manque.";
    QTest::newRow("sauvegarde sans CollectionV.commentaire")
        << "sauvegarde"
        << "ALTER TABLE CollectionV DROP COLUMN commentaire" << restauration
        << pasUneSauvegarde + " : la colonne « commentaire » de la table « CollectionV » y manque.";
    QTest::newRow("édition précédente choisie comme sauvegarde")
        << "precedente" << QString() << restauration
        << pasUneSauvegarde + " : la colonne « QtesN » de la table « Collection » y manque.";
    QTest::newRow("sauvegarde choisie comme édition précédente")
        << "sauvegarde" << QString() << precedente
        << pasUneBase2001 + " : la colonne « Prédéfini » de la table « ThemesAssocies » y manque.";
    QTest::newRow("édition précédente sans Cotations2001P")
        << "precedente"
        << "DROP TABLE Cotations2001P" << precedente << pasUneBase2001 + " : la table « Cotations2001P » y manque.";
    QTest::newRow("fichier texte") << "texte"
                                   << "1;A-001\r\n"
                                   << restauration << pasUneSauvegarde + ".";
    QTest::newRow("fichier vide") << "texte" << QString() << precedente << pasUneBase2001 + ".";
    QTest::newRow("en-tête de base, contenu abîmé")
        << "texte" << QStringLiteral("SQLite format 3") + QChar(0) + QString(200, QLatin1Char('x')) << restauration
        << pasUneSauvegarde + ".";
    QTest::newRow("introuvable") << "absent" << QString() << precedente
                                 << QStringLiteral("Le fichier choisi est introuvable.");
    // The file holds tables only: a view or a virtual table of a table's name would be read as if it were one,
    // a recursive view without end.
    QTest::newRow("vue à la place d'une table")
        << "sauvegarde"
        << "DROP TABLE CollectionV; CREATE VIEW CollectionV AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
           "SELECT i + 1 FROM n WHERE i < 3) SELECT c.* FROM Collection AS c, n"
        << restauration << pasUneSauvegarde + " : « CollectionV » n'y est pas une table.";
    QTest::newRow("vue dans l'édition précédente")
        << "precedente"
        << "ALTER TABLE Cotations2001P RENAME TO Cotations; CREATE VIEW Cotations2001P AS SELECT * FROM Cotations"
        << precedente << pasUneBase2001 + " : « Cotations2001P » n'y est pas une table.";
    QTest::newRow("table virtuelle")
        << "sauvegarde"
        << "DROP TABLE Themes; CREATE VIRTUAL TABLE Themes USING fts4(CodeTheme, Collection, Theme, Predefini)"
        << restauration << pasUneSauvegarde + " : « Themes » n'y est pas une table.";
    // Codes, stamp numbers and Yes/No columns hold values of their type, or the rows would belong to no
    // collection and match no stamp.
    QTest::newRow("code de collection en texte")
        << "sauvegarde"
        << "INSERT INTO Collection (Collection, Dallay, QteN) VALUES ('deux', '1', -1)" << restauration
        << pasUneSauvegarde +
            " : la colonne « Collection » de la table « Collection » y contient une valeur qui n'est pas un nombre "
            "entier.";
    QTest::newRow("Oui/Non en mots") << "precedente"
                                     << "INSERT INTO CollectionV (Collection, Dallay, QteN) VALUES (3, '1', 'Oui')"
                                     << precedente
                                     << pasUneBase2001 +
            " : la colonne « QteN » de la table « CollectionV » y contient une valeur qui n'est pas un nombre entier.";
    QTest::newRow("prédéfini en mots") << "precedente"
                                       << "INSERT INTO ThemesAssocies VALUES ('1', 4, 3, 'Vrai')" << precedente
                                       << pasUneBase2001 +
            " : la colonne « Prédéfini » de la table « ThemesAssocies » y contient une valeur qui n'est pas un nombre "
            "entier.";
    QTest::newRow("numéro de timbre en blob")
        << "sauvegarde"
        << "INSERT INTO CotationsP (Dallay, Collection, NeufP) VALUES (x'31', 2, 3.5)" << restauration
        << pasUneSauvegarde +
            " : la colonne « Dallay » de la table « CotationsP » y contient une valeur qui n'est pas un texte.";
    QTest::newRow("numéro de thème en texte") << "sauvegarde"
                                              << "INSERT INTO ThemesAssocies VALUES ('1', 'sept', 2, 0)" << restauration
                                              << pasUneSauvegarde +
            " : la colonne « Theme » de la table « ThemesAssocies » y contient une valeur qui n'est pas un nombre "
            "entier.";
    QTest::newRow("nombre de doubles en texte")
        << "sauvegarde"
        << "INSERT INTO CollectionO (Collection, Dallay, QteDoubleO) VALUES (2, '1', 'deux')" << restauration
        << pasUneSauvegarde +
            " : la colonne « QteDoubleO » de la table « CollectionO » y contient une valeur qui n'est pas un nombre "
            "entier.";
    const QString basePerso = QStringLiteral(
        "Le fichier choisi est la base personnelle elle-même : elle ne peut pas être importée dans elle-même.");
    QTest::newRow("la base personnelle") << "perso" << QString() << restauration << basePerso;
    QTest::newRow("la base personnelle par un lien") << "lien" << QString() << precedente << basePerso;
    QTest::newRow("la base personnelle par un lien physique")
        << "lien physique" << QString() << restauration << basePerso;
}

void TestDonneesPerso::sourceRefusee()
{
    // Refused before anything is linked or changed, with the same sentence from the check and from the import.
    QFETCH(QString, source);
    QFETCH(QString, script);
    QFETCH(int, mode);
    QFETCH(QString, message);
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    QString chemin = dossier.fichier(QStringLiteral("source"));
    if (source == QStringLiteral("sauvegarde") || source == QStringLiteral("precedente")) {
        dossier.creerBase(QStringLiteral("source"),
            source == QStringLiteral("sauvegarde") ? BaseSchema::Perso : BaseSchema::EditionPrecedente,
            [&](const Connexion& cnx) {
                if (!script.isEmpty())
                    cnx.executerScript(script);
            });
    } else if (source == QStringLiteral("texte")) {
        ecrire(chemin, script.toLatin1());
    } else if (source == QStringLiteral("perso")) {
        chemin = CheminBasePerso();
    } else if (source == QStringLiteral("lien")) {
        QVERIFY(QFile::link(CheminBasePerso(), chemin));
    } else if (source == QStringLiteral("lien physique")) {
        QCOMPARE(::link(QFile::encodeName(CheminBasePerso()).constData(), QFile::encodeName(chemin).constData()), 0);
    }
    QVERIFY(OuvrirBasePerso());
    const QStringList avant = donneesPerso(*CnxPerso);
    const QByteArray fichier = octets(chemin);

    QCOMPARE(VerifierSourceImport(chemin, modeImport(mode), CheminBasePerso()), message);
    QCOMPARE(erreurDe([&] { ImporterDonnees(*CnxPerso, chemin, modeImport(mode)); }), message);
    QCOMPARE(donneesPerso(*CnxPerso), avant);
    QCOMPARE(octets(chemin), fichier);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::sourceOccupee_data()
{
    // A backup that another program holds, for a moment or for good, or that a write interrupted there left with
    // its journal: each is told as what it is, not as a file that is no backup.
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("message");
    QTest::newRow("verrouillée le temps d'une écriture") << "verrou passager" << QString();
    QTest::newRow("verrouillée sans être rendue")
        << "verrou tenu"
        << "Le fichier choisi est verrouillé par un autre programme : recommencez l'importation quand il sera libéré.";
    QTest::newRow("journal d'une écriture interrompue")
        << "journal"
        << "Le fichier choisi a été laissé inachevé par une écriture interrompue (le journal « copie.f02-journal » "
           "l'accompagne) : il ne peut pas être importé tel quel.";
}

void TestDonneesPerso::sourceOccupee()
{
    QFETCH(QString, cas);
    QFETCH(QString, message);
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    dossier.creerBase(QStringLiteral("copie.f02"), BaseSchema::Perso, [](const Connexion& cnx) {
        cnx.executer(QStringLiteral("INSERT INTO Utilisateurs VALUES (7, 'Jean', NULL, NULL, NULL)"));
    });
    const QString source = dossier.fichier(QStringLiteral("copie.f02"));
    if (cas == QStringLiteral("journal")) {
        // The file and its journal as a write interrupted in the middle leaves them: a write larger than the
        // cache has already put some of its pages in the file, and the journal that undoes them is complete.
        dossier.creerBase(QStringLiteral("ecrite.f02"), BaseSchema::Perso);
        Connexion ecriture;
        ecriture.ouvrir(dossier.fichier(QStringLiteral("ecrite.f02")), Connexion::Mode::LectureEcriture);
        ecriture.executer(QStringLiteral("PRAGMA cache_size = 1"));
        ecriture.executer(QStringLiteral("BEGIN IMMEDIATE"));
        ecriture.executer(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 8 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                           "INSERT INTO Utilisateurs SELECT i, printf('%.1000c', 'x'), NULL, NULL, NULL "
                           "FROM n"));
        QVERIFY(QFile::remove(source));
        QVERIFY(QFile::copy(dossier.fichier(QStringLiteral("ecrite.f02")), source));
        QVERIFY(
            QFile::copy(dossier.fichier(QStringLiteral("ecrite.f02-journal")), source + QStringLiteral("-journal")));
        ecriture.executer(QStringLiteral("ROLLBACK"));
    }
    QVERIFY(OuvrirBasePerso());
    const QStringList avant = donneesPerso(*CnxPerso);
    Connexion autre;
    std::thread liberation;
    if (cas.startsWith(QStringLiteral("verrou"))) {
        autre.ouvrir(source, Connexion::Mode::LectureEcriture);
        autre.executer(QStringLiteral("BEGIN EXCLUSIVE"));
        if (cas == QStringLiteral("verrou passager"))
            liberation = std::thread([&autre] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                autre.executer(QStringLiteral("COMMIT"));
            });
    }
    const auto rendre = qScopeGuard([&] {
        if (liberation.joinable())
            liberation.join();
        else if (autre.estOuverte())
            autre.executer(QStringLiteral("COMMIT"));
    });

    QCOMPARE(VerifierSourceImport(source, ModeImport::RestaurationSauvegarde, CheminBasePerso()), message);
    QCOMPARE(erreurDe([&] { ImporterDonnees(*CnxPerso, source, ModeImport::RestaurationSauvegarde); }), message);
    if (message.isEmpty())
        QCOMPARE(lignes(*CnxPerso, QStringLiteral("SELECT CodeCollection FROM Utilisateurs ORDER BY 1")),
            (QStringList {"1", "7"}));
    else
        QCOMPARE(donneesPerso(*CnxPerso), avant);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::echecEnCoursRienNeChange()
{
    // The backup's own theme 1 is not predefined there, but this database's theme 1 is: the copy of the themes
    // fails after the collections have been emptied and refilled, and all of it is undone.
    DossierTest dossier;
    dossier.creerPerso(remplirBaseEnUsage);
    dossier.creerBase(QStringLiteral("autre.f02"), BaseSchema::Perso, [](const Connexion& cnx) {
        cnx.executerScript(QStringLiteral("INSERT INTO Utilisateurs VALUES (7, 'Jean', NULL, NULL, NULL);"
                                          "INSERT INTO Themes VALUES (1, 7, 'Mon thème', 0);"
                                          "INSERT INTO Collection (Collection, Dallay, QteN) VALUES (7, '1', -1);"));
    });
    QVERIFY(OuvrirBasePerso());
    const QStringList avant = donneesPerso(*CnxPerso);
    const QString source = dossier.fichier(QStringLiteral("autre.f02"));
    const QByteArray fichier = octets(source);
    QVERIFY(VerifierSourceImport(source, ModeImport::RestaurationSauvegarde, CheminBasePerso()).isEmpty());

    QVERIFY(erreurDe([&] { ImporterDonnees(*CnxPerso, source, ModeImport::RestaurationSauvegarde); })
                .startsWith(QStringLiteral("L'importation n'a pas pu être faite ; les données personnelles restent "
                                           "telles qu'elles étaient.\n")));
    QCOMPARE(donneesPerso(*CnxPerso), avant);
    QCOMPARE(octets(source), fichier);
    QVERIFY(sansLiens(*CnxPerso));
}

void TestDonneesPerso::correspondancesAllerRetour()
{
    DossierTest dossier;
    dossier.creerPerso([](const Connexion& cnx) {
        cnx.executer(QStringLiteral("INSERT INTO CorrespID VALUES ('1', 'é-1'), ('2', 'œuvre €'), ('3', NULL), "
                                    "('AE1', ' 12 ')"));
    });
    QVERIFY(OuvrirBasePerso());
    const QString requete = QStringLiteral("SELECT Dallay, IDPerso FROM CorrespID ORDER BY rowid");
    const QStringList avant = lignes(*CnxPerso, requete);
    const QString fichier = dossier.fichier(QStringLiteral("numeros.txt"));

    ExporterCorrespondances(*CnxPerso, fichier);
    const QByteArray attendu = QByteArray("1;\xE9") + "-1\r\n" + "2;\x9C" + "uvre \x80\r\n" + "3;\r\n" + "AE1; 12 \r\n";
    QCOMPARE(octets(fichier), attendu);

    ViderCorrespondances(*CnxPerso);
    QCOMPARE(compter(QStringLiteral("CorrespID")), 0);
    const LectureCorrespondances lecture = LireCorrespondances(fichier);
    QCOMPARE(lecture.erreur, QString());
    RemplacerCorrespondances(*CnxPerso, lecture.paires);
    QCOMPARE(lignes(*CnxPerso, requete), avant);

    ExporterCorrespondances(*CnxPerso, fichier);
    QCOMPARE(octets(fichier), attendu);
}

void TestDonneesPerso::lectureCorrespondances_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QStringList>("paires");
    QTest::addColumn<QString>("erreur");
    const QStringList deux = {"1|a", "2|b"};
    QTest::newRow("CR LF") << QByteArray("1;a\r\n2;b\r\n") << deux << QString();
    QTest::newRow("LF seul") << QByteArray("1;a\n2;b\n") << deux << QString();
    QTest::newRow("CR seul") << QByteArray("1;a\r2;b\r") << deux << QString();
    QTest::newRow("sans fin de ligne finale") << QByteArray("1;a\r\n2;b") << deux << QString();
    QTest::newRow("fins de ligne mêlées")
        << QByteArray("1;a\n2;b\r\n3;c\r") << QStringList {"1|a", "2|b", "3|c"} << QString();
    QTest::newRow("fichier vide") << QByteArray() << QStringList() << QString();
    QTest::newRow("parts en trop ignorées") << QByteArray("1;a;b;c\r\n") << QStringList {"1|a"} << QString();
    QTest::newRow("espaces gardés") << QByteArray(" 1 ; a b \r\n") << QStringList {" 1 | a b "} << QString();
    QTest::newRow("numéro personnel vide") << QByteArray("1;\r\n2;b\r\n") << QStringList {"1|", "2|b"} << QString();
    QTest::newRow("numéro Dallay vide")
        << QByteArray("1;a\r\n;x\r\n") << QStringList()
        << "La ligne 2 du fichier n'a pas de numéro Dallay avant le point-virgule : « ;x »";
    QTest::newRow("guillemets gardés") << QByteArray("\"1\";\"a;b\"\r\n") << QStringList {"\"1\"|\"a"} << QString();
    // A byte-order mark says the text is UTF-8: it is no part of the first number.
    QTest::newRow("marque d'ordre UTF-8") << QByteArray("\xEF\xBB\xBF"
                                                        "1;a\r\n\xC3\xA9;\xE2\x82\xAC\r\n")
                                          << QStringList {"1|a", "é|€"} << QString();
    const QString nul =
        QStringLiteral("La ligne %1 du fichier contient un caractère nul : ce n'est pas un fichier texte "
                       "ANSI.");
    const QString unicode = QStringLiteral("La ligne 1 du fichier commence par la marque d'un texte Unicode (UTF-16) : "
                                           "enregistrez le fichier en texte ANSI.");
    QTest::newRow("caractère nul") << octetsBruts("1;a\r\n2;b\0c\r\n3;c\r\n") << QStringList() << nul.arg(2);
    QTest::newRow("UTF-16 sans marque") << octetsBruts("1\0;\0a\0\r\0\n\0") << QStringList() << nul.arg(1);
    QTest::newRow("UTF-16 petit-boutiste") << octetsBruts("\xFF\xFE"
                                                          "1\0;\0a\0\r\0\n\0")
                                           << QStringList() << unicode;
    QTest::newRow("UTF-16 gros-boutiste") << octetsBruts("\xFE\xFF\0"
                                                         "1\0;\0a\0\r\0\n")
                                          << QStringList() << unicode;
    QTest::newRow("lignes blanches à la fin") << QByteArray("1;a\r\n2;b\r\n\r\n \t\r\n\n") << deux << QString();
    QTest::newRow("Windows-1252") << QByteArray("\xE9;\x80\x9C\r\n") << QStringList {"é|€œ"} << QString();
    QTest::newRow("Dallay deux fois") << QByteArray("1;a\r\n2;b\r\n1;c\r\n") << QStringList {"1|c", "2|b"} << QString();
    QTest::newRow("Dallay deux fois, casse différente")
        << QByteArray("12a;x\n12A;y\n") << QStringList {"12A|y"} << QString();
    QTest::newRow("ligne sans point-virgule") << QByteArray("1;a\r\n2;b\r\nAE1 12\r\n4;d\r\n") << QStringList()
                                              << "La ligne 3 du fichier ne contient pas de point-virgule : « AE1 12 »";
    QTest::newRow("ligne vide") << QByteArray("1;a\r\n\r\n2;b\r\n") << QStringList()
                                << "La ligne 2 du fichier ne contient pas de point-virgule : «  »";
    QTest::newRow("ligne blanche avant la dernière")
        << QByteArray("1;a\n \n2;b\n\n") << QStringList()
        << "La ligne 2 du fichier ne contient pas de point-virgule : «   »";
}

void TestDonneesPerso::lectureCorrespondances()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QStringList, paires);
    QFETCH(QString, erreur);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("numeros.txt"));
    ecrire(fichier, contenu);

    const LectureCorrespondances lecture = LireCorrespondances(fichier);

    QStringList lues;
    for (const auto& [dallay, idPerso] : lecture.paires)
        lues << dallay + QLatin1Char('|') + idPerso;
    QCOMPARE(lues, paires);
    QCOMPARE(lecture.erreur, erreur);
}

void TestDonneesPerso::remplacementEchoueRienNeChange()
{
    DossierTest dossier;
    dossier.creerPerso([](const Connexion& cnx) {
        cnx.executer(QStringLiteral("INSERT INTO CorrespID VALUES ('1', 'A'), ('2', 'B')"));
    });
    QVERIFY(OuvrirBasePerso());
    const QString requete = QStringLiteral("SELECT Dallay, IDPerso FROM CorrespID ORDER BY rowid");
    const QStringList avant = lignes(*CnxPerso, requete);

    // Two rows for one stamp: the table's key refuses the second after the first rows went in.
    const QList<QPair<QString, QString>> paires = {{"7", "x"}, {"8", "y"}, {"7", "z"}};
    QVERIFY(!erreurDe([&] { RemplacerCorrespondances(*CnxPerso, paires); }).isEmpty());
    QCOMPARE(lignes(*CnxPerso, requete), avant);

    const LectureCorrespondances lecture = LireCorrespondances(dossier.fichier(QStringLiteral("absent.txt")));
    QVERIFY(lecture.paires.isEmpty());
    QVERIFY(!lecture.erreur.isEmpty());
}

void TestDonneesPerso::exportCorrespondancesRemplaceLeFichier()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    const QString numeros = dossier.fichier(QStringLiteral("numeros"));
    QVERIFY(QDir().mkdir(numeros));
    const QString cible = numeros + QStringLiteral("/numeros.txt");
    ecrire(cible, "1;ancien\r\n");

    // An empty table gives an empty file, in place of the old one and with nothing left beside it.
    ExporterCorrespondances(*CnxPerso, cible);
    QVERIFY(QFileInfo::exists(cible));
    QCOMPARE(octets(cible), QByteArray());
    QCOMPARE(contenuDossier(numeros), QStringList {QStringLiteral("numeros.txt")});

    const QString absent = dossier.fichier(QStringLiteral("absent/numeros.txt"));
    QVERIFY(!erreurDe([&] { ExporterCorrespondances(*CnxPerso, absent); }).isEmpty());
    QVERIFY(!QFileInfo::exists(dossier.fichier(QStringLiteral("absent"))));
}

void TestDonneesPerso::windows1252()
{
    QByteArray plage;
    for (int octet = 0x80; octet <= 0x9F; ++octet)
        plage += char(octet);
    // The code page's own characters; the five bytes it leaves undefined keep their Latin-1 code points.
    const QString attendu = QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QCOMPARE(DepuisWindows1252(plage), attendu);
    QCOMPARE(VersWindows1252(attendu), plage);

    QByteArray tous;
    for (int octet = 0; octet <= 0xFF; ++octet)
        tous += char(octet);
    QCOMPARE(VersWindows1252(DepuisWindows1252(tous)), tous);

    // One '?' for each character the code page lacks, a character outside the BMP included.
    QCOMPARE(VersWindows1252(QStringLiteral("a\u0080Ā漢😀é")), QByteArray("a????\xE9"));
}

ENREGISTRER_TEST(TestDonneesPerso)
#include "test_donnees_perso.moc"
