// The data layer: paths, openers, links, the recordset, stored values and the SQL functions.

#include "data/FonctionsSql.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "support/DossierTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void remplirFrance(const Connexion& cnx)
{
    const QList<QVariantList> lignes = {
        {QStringLiteral("1"), 1, QStringLiteral("Cérès 20 c. noir"), QStringLiteral("AA")},
        {QStringLiteral("2"), 2, QStringLiteral("Cérès 1 F carmin"), QStringLiteral("AA")},
        {QStringLiteral("3"), 3, QStringLiteral("Napoléon 10 c. bistre"), QStringLiteral("AA")},
        {QStringLiteral("AE1"), 4, QStringLiteral("Poste aérienne 2 F"), QStringLiteral("AE")},
    };
    for (const QVariantList& l : lignes)
        cnx.executer(
            QStringLiteral("INSERT INTO France (Dallay, Ordre, Designation, Rubrique) VALUES (?, ?, ?, ?)"), l);
    cnx.executer(QStringLiteral("INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('1', 500), ('AE1', 12.5)"));
}

QStringList colonne(Recordset& r, const QString& nom)
{
    QStringList valeurs;
    for (r.MoveFirst(); !r.Eof(); r.MoveNext())
        valeurs << Texte(r.Champ(nom));
    return valeurs;
}

}  // namespace

class TestData : public QObject {
    Q_OBJECT

private slots:
    void chemins_data();
    void chemins();
    void cheminsIgnorentLaCasse();
    void basesAbsentesJamaisCreees();
    void groupeDeTravailExige_data();
    void groupeDeTravailExige();
    void ouvreursGardentOuRouvrent();
    void disqueSansLecteurNiRacine();
    void liens();
    void lienSurSourceManquante();
    void recordsetDeplacements();
    void recordsetFind();
    void recordsetEcriture();
    void recordsetLectureSeule();
    void booleens_data();
    void booleens();
    void dallayIgnoreLaCasse();
    void ordreFrancais();
    void like_data();
    void like();
    void likeEnSql();
    void fichierQuiNestPasUneBase();
};

void TestData::chemins_data()
{
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("perso");
    QTest::newRow("racine") << "/"
                            << "/FR_BIN.DOV"
                            << "/Ovlcfr02.mdb";
    QTest::newRow("dossier") << "/opt/orvalen"
                             << "/opt/orvalen/FR_BIN.DOV"
                             << "/opt/orvalen/Ovlcfr02.mdb";
    QTest::newRow("barre finale") << "/opt/orvalen/"
                                  << "/opt/orvalen/FR_BIN.DOV"
                                  << "/opt/orvalen/Ovlcfr02.mdb";
}

void TestData::chemins()
{
    QFETCH(QString, dossier);
    QFETCH(QString, catalogue);
    QFETCH(QString, perso);
    DefinirDossierProgramme(dossier);
    QCOMPARE(CheminBaseCatalogue(), catalogue);
    QCOMPARE(CheminBasePerso(), perso);
    DefinirDossierProgramme(QString());
}

void TestData::cheminsIgnorentLaCasse()
{
    // The system writes "Ovlcfr02.mdb" and ships "ovlcfr02.mdb": both name one file.
    DossierTest dossier;
    QCOMPARE(CheminBasePerso(), dossier.fichier(QStringLiteral("ovlcfr02.mdb")));
    QVERIFY(OuvrirBasePerso());

    QTemporaryDir disque;
    DossierTest::creerDisque(disque.path(), QStringLiteral("datas/fr_binp.dov"));
    LecteurCD = disque.path();
    QCOMPARE(CheminBaseCD(), QDir(disque.path()).filePath(QStringLiteral("datas/fr_binp.dov")));
    QVERIFY(OuvrirBaseCD());
}

void TestData::basesAbsentesJamaisCreees()
{
    DossierTest dossier(false);
    dossier.creerGroupeTravail();
    QVERIFY(!OuvrirBasePerso());
    QVERIFY(!OuvrirBaseCatalogue());
    QVERIFY(!CnxPerso->estOuverte());
    QVERIFY(!CnxCatalogue->estOuverte());
    QVERIFY(!QFile::exists(dossier.fichier(QStringLiteral("ovlcfr02.mdb"))));
    QVERIFY(!QFile::exists(dossier.fichier(QStringLiteral("Ovlcfr02.mdb"))));
    QVERIFY(!QFile::exists(dossier.fichier(QStringLiteral("FR_BIN.DOV"))));
    // A statement on a connection that did not open fails rather than writing anywhere.
    QVERIFY_THROWS_EXCEPTION(ErreurBase, CnxPerso->executer(QStringLiteral("SELECT 1")));
}

void TestData::groupeDeTravailExige_data()
{
    QTest::addColumn<QString>("contenu");
    QTest::addColumn<bool>("ouverte");
    QTest::newRow("compte du programme") << QString() << true;
    QTest::newRow("nom en minuscules") << "ORVALEN-GROUPE-DE-TRAVAIL 1\ncompte\tutilisateur\t\n" << true;
    QTest::newRow("fin de ligne CR LF") << "ORVALEN-GROUPE-DE-TRAVAIL 1\r\ncompte\tUtilisateur\t\r\n" << true;
    QTest::newRow("avec mot de passe") << "ORVALEN-GROUPE-DE-TRAVAIL 1\ncompte\tUtilisateur\tsecret\n" << false;
    QTest::newRow("autre compte") << "ORVALEN-GROUPE-DE-TRAVAIL 1\ncompte\tAdmin\t\n" << false;
    QTest::newRow("pas notre format") << "compte\tUtilisateur\t\n" << false;
    QTest::newRow("absent") << "-" << false;
}

void TestData::groupeDeTravailExige()
{
    QFETCH(QString, contenu);
    QFETCH(bool, ouverte);
    DossierTest dossier;
    if (contenu == QStringLiteral("-"))
        QFile::remove(dossier.fichier(QStringLiteral("orvalen.MDW")));
    else
        dossier.creerGroupeTravail(contenu);
    QCOMPARE(OuvrirBasePerso(), ouverte);
    QCOMPARE(OuvrirBaseCatalogue(), ouverte);
    QCOMPARE(CnxPerso->estOuverte(), ouverte);
}

void TestData::ouvreursGardentOuRouvrent()
{
    DossierTest dossier;
    dossier.creerCatalogue(remplirFrance);
    QVERIFY(OuvrirBasePerso());
    QVERIFY(OuvrirBaseCatalogue());
    const Connexion* perso = CnxPerso.get();
    const Connexion* catalogue = CnxCatalogue.get();
    QVERIFY(OuvrirBasePerso());
    QVERIFY(OuvrirBaseCatalogue());
    QCOMPARE(CnxPerso.get(), perso);
    QCOMPARE(CnxCatalogue.get(), catalogue);
    QVERIFY(OuvrirBaseImpression());
    QCOMPARE(CnxImpression.get(), perso);

    // The catalogue is read-only: a write fails, whatever the caller asks.
    QVERIFY_THROWS_EXCEPTION(ErreurBase, CnxCatalogue->executer(QStringLiteral("DELETE FROM France")));

    // The disc is opened anew each time; a recordset opened before keeps reading its own connection.
    QTemporaryDir disque;
    DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
        cnx.executer(QStringLiteral("INSERT INTO FranceTN VALUES ('1', x'FFD8'), ('2', x'FFD9')"));
    });
    LecteurCD = disque.path();
    QVERIFY(OuvrirBaseCD());
    Recordset vignettes = Recordset::Ouvrir(CnxCD, QStringLiteral("SELECT * FROM FranceTN ORDER BY Dallay"));
    const Connexion* ancien = CnxCD.get();
    QVERIFY(OuvrirBaseCD());
    QVERIFY(CnxCD.get() != ancien);
    QCOMPARE(vignettes.RecordCount(), 2);
    vignettes.MoveLast();
    QCOMPARE(vignettes.Champ(QStringLiteral("ImageTN")).toByteArray(), QByteArray("\xFF\xD9"));
}

void TestData::disqueSansLecteurNiRacine()
{
    // No disc found: no connection at all, and never a path at the root of the file system.
    DossierTest dossier;
    LecteurCD.clear();
    QCOMPARE(CheminBaseCD(), QString());
    QVERIFY(!OuvrirBaseCD());
    QVERIFY(!CnxCD->estOuverte());
}

void TestData::liens()
{
    DossierTest dossier;
    dossier.creerCatalogue(remplirFrance);
    dossier.creerPerso([](const Connexion& cnx) {
        cnx.executer(
            QStringLiteral("INSERT INTO Collection (Collection, Dallay, QteN) VALUES (2, '1', -1), (2, 'ae1', -1)"));
    });
    QVERIFY(OuvrirBasePerso());
    const Connexion& perso = *CnxPerso;
    const QString catalogue = DossierProgramme() + QStringLiteral("/FR_BIN.DOV");

    QVERIFY(!TableExiste(perso, QStringLiteral("LinkFrance")));
    QVERIFY(TableExiste(perso, QStringLiteral("collection")));
    CreerTableLiee(perso, QStringLiteral("LinkFrance"), catalogue, QStringLiteral("France"));
    // Made a second time, under a name differing only in case: replaced, not doubled.
    CreerTableLiee(perso, QStringLiteral("LINKFRANCE"), catalogue, QStringLiteral("France"));
    CreerTableLiee(perso, QStringLiteral("LinkCotations"), catalogue, QStringLiteral("Cotations2001"));
    QVERIFY(TableExiste(perso, QStringLiteral("linkfrance")));
    QCOMPARE(
        perso.valeur(QStringLiteral("SELECT count(*) FROM sqlite_temp_master WHERE name LIKE 'linkfrance'")).toInt(),
        1);

    Recordset jointure = Recordset::Ouvrir(CnxPerso,
        QStringLiteral("SELECT F.Dallay, F.Designation, K.Neuf FROM (Collection AS C INNER JOIN LinkFrance AS F "
                       "ON C.Dallay = F.Dallay) LEFT JOIN LinkCotations AS K ON K.Dallay = F.Dallay "
                       "WHERE C.Collection = ? ORDER BY F.Ordre"),
        {2});
    QCOMPARE(colonne(jointure, QStringLiteral("Dallay")), (QStringList {QStringLiteral("1"), QStringLiteral("AE1")}));
    QCOMPARE(colonne(jointure, QStringLiteral("Neuf")), (QStringList {QStringLiteral("500"), QStringLiteral("12.5")}));

    // The link is read-only: the catalogue is attached read-only.
    QVERIFY_THROWS_EXCEPTION(ErreurBase, perso.executer(QStringLiteral("DELETE FROM LinkFrance")));

    SupprimerTableLiee(perso, QStringLiteral("LinkFrance"));
    SupprimerTableLiee(perso, QStringLiteral("LinkCotations"));
    SupprimerTableLiee(perso, QStringLiteral("LinkCotations"));
    QVERIFY(!TableExiste(perso, QStringLiteral("LinkFrance")));
    // Dropping a link never drops a real table of that name.
    SupprimerTableLiee(perso, QStringLiteral("Collection"));
    QVERIFY(TableExiste(perso, QStringLiteral("Collection")));

    // Nothing of the links was written into the personal database file.
    DetacherSource(perso, catalogue);
    LibererConnexions();
    Connexion relue;
    relue.ouvrir(dossier.fichier(QStringLiteral("ovlcfr02.mdb")), Connexion::Mode::LectureSeule);
    QCOMPARE(relue.valeur(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name LIKE 'Link%'")).toInt(), 0);
}

void TestData::lienSurSourceManquante()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    QVERIFY_THROWS_EXCEPTION(ErreurBase,
        CreerTableLiee(*CnxPerso, QStringLiteral("TempCollection"), dossier.fichier(QStringLiteral("absent.f02")),
            QStringLiteral("Collection")));
    QVERIFY_THROWS_EXCEPTION(ErreurBase,
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"), dossier.fichier(QStringLiteral("FR_BIN.DOV")),
            QStringLiteral("Absente")));
    QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("TempCollection")));
    QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
}

void TestData::recordsetDeplacements()
{
    DossierTest dossier;
    dossier.creerCatalogue(remplirFrance);
    QVERIFY(OuvrirBaseCatalogue());
    Recordset r = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM France ORDER BY Ordre"));
    QCOMPARE(r.RecordCount(), 4);
    QVERIFY(!r.Bof() && !r.Eof());
    QCOMPARE(r.AbsolutePosition(), 1);
    r.MovePrevious();
    QVERIFY(r.Bof());
    QCOMPARE(r.AbsolutePosition(), 0);
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.Champ(QStringLiteral("Dallay")));
    r.MovePrevious();  // stays before the first row
    QVERIFY(r.Bof());
    r.MoveNext();
    QCOMPARE(r.Champ(QStringLiteral("dallay")).toString(), QStringLiteral("1"));
    r.MoveLast();
    QCOMPARE(r.AbsolutePosition(), 4);
    r.MoveNext();
    QVERIFY(r.Eof());
    r.MoveNext();  // stays past the last row
    QVERIFY(r.Eof());
    r.MovePrevious();
    QCOMPARE(r.Champ(QStringLiteral("DALLAY")).toString(), QStringLiteral("AE1"));
    r.Move(2);
    QCOMPARE(r.AbsolutePosition(), 3);
    r.Move(10);
    QVERIFY(r.Eof());

    Recordset vide = Recordset::Ouvrir(
        CnxCatalogue, QStringLiteral("SELECT * FROM France WHERE Dallay = ?"), {QStringLiteral("999")});
    QCOMPARE(vide.RecordCount(), 0);
    QVERIFY(vide.Bof() && vide.Eof());
    vide.MoveFirst();
    vide.MoveLast();
    QVERIFY(vide.Bof() && vide.Eof());
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.Champ(QStringLiteral("Inconnu")));
}

void TestData::recordsetFind()
{
    DossierTest dossier;
    dossier.creerCatalogue(remplirFrance);
    QVERIFY(OuvrirBaseCatalogue());
    Recordset r = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT Dallay, Ordre FROM France ORDER BY Ordre"));
    QVERIFY(r.Find(QStringLiteral("Dallay"), QStringLiteral("ae1")));  // text ignoring case
    QCOMPARE(r.AbsolutePosition(), 4);
    QVERIFY(!r.Find(QStringLiteral("Dallay"), QStringLiteral("2")));  // forward only, from the current row
    QVERIFY(r.Eof());
    r.MoveFirst();
    QVERIFY(r.Find(QStringLiteral("Dallay"), QStringLiteral("2")));
    QCOMPARE(r.AbsolutePosition(), 2);
    QVERIFY(r.Find(QStringLiteral("Dallay"), QStringLiteral("2")));  // the current row counts
    QCOMPARE(r.AbsolutePosition(), 2);
    r.MoveFirst();
    QVERIFY(r.Find(QStringLiteral("Ordre"), 3));
    QCOMPARE(r.Champ(QStringLiteral("Dallay")).toString(), QStringLiteral("3"));
    r.MoveFirst();
    QVERIFY(!r.Find(QStringLiteral("Dallay"), QVariant()));  // Null matches nothing
    QVERIFY(r.Eof());
}

void TestData::recordsetEcriture()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    Recordset u =
        Recordset::OuvrirModifiable(CnxPerso, QStringLiteral("Utilisateurs"), {}, {}, QStringLiteral("CodeCollection"));
    QCOMPARE(u.RecordCount(), 1);
    u.AddNew();
    u.DefinirChamp(QStringLiteral("DescriptionCollection"), QStringLiteral("Classiques d'avant-guerre"));
    u.DefinirChamp(QStringLiteral("DateCreation"), QDate(2002, 10, 5));
    u.Update();
    QCOMPARE(u.RecordCount(), 2);
    QCOMPARE(u.Champ(QStringLiteral("CodeCollection")).toInt(), 2);  // the autonumber is read back
    QCOMPARE(u.Champ(QStringLiteral("DateCreation")).toString(), QStringLiteral("2002-10-05"));

    Recordset c = Recordset::OuvrirModifiable(CnxPerso, QStringLiteral("Collection"),
        QStringLiteral("Dallay = ? AND Collection = ?"), {QStringLiteral("15"), 2});
    QVERIFY(c.Eof());
    c.AddNew();
    c.DefinirChamp(QStringLiteral("Collection"), 2);
    c.DefinirChamp(QStringLiteral("Dallay"), QStringLiteral("15"));
    c.DefinirChamp(QStringLiteral("QteN"), true);
    c.DefinirChamp(QStringLiteral("QtesN"), QStringLiteral("3"));
    c.Update();
    c.DefinirChamp(QStringLiteral("QtesN"), 4);
    c.DefinirChamp(QStringLiteral("commentaire"), QStringLiteral("coin de feuille"));
    c.Update();
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT QteN FROM Collection WHERE Dallay = '15'")).toInt(), -1);
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT QtesN FROM Collection WHERE Dallay = '15'")).toInt(), 4);
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT commentaire FROM Collection WHERE Dallay = '15'")).toString(),
        QStringLiteral("coin de feuille"));

    // A second row of the same stamp and collection is refused, and the refusal reaches the caller.
    Recordset doublon = Recordset::OuvrirModifiable(CnxPerso, QStringLiteral("Collection"), QStringLiteral("0"));
    doublon.AddNew();
    doublon.DefinirChamp(QStringLiteral("Collection"), 2);
    doublon.DefinirChamp(QStringLiteral("Dallay"), QStringLiteral("15"));
    QVERIFY_THROWS_EXCEPTION(ErreurBase, doublon.Update());
    doublon.CancelUpdate();
    QCOMPARE(doublon.RecordCount(), 0);

    // Delete writes through and the next move lands on the row that followed.
    u.MoveFirst();
    u.AddNew();
    u.DefinirChamp(QStringLiteral("DescriptionCollection"), QStringLiteral("Modernes"));
    u.Update();
    u.MoveFirst();
    u.MoveNext();
    u.Delete();
    u.MoveNext();
    QCOMPARE(u.Champ(QStringLiteral("DescriptionCollection")).toString(), QStringLiteral("Modernes"));
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Utilisateurs")).toInt(), 2);
    // Autonumbers are not reused after a delete.
    u.AddNew();
    u.DefinirChamp(QStringLiteral("DescriptionCollection"), QStringLiteral("Troisième"));
    u.Update();
    QCOMPARE(u.Champ(QStringLiteral("CodeCollection")).toInt(), 4);
}

void TestData::recordsetLectureSeule()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    Recordset r = Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT * FROM Utilisateurs"));
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.DefinirChamp(QStringLiteral("DescriptionCollection"), QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.AddNew());
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.Delete());
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Utilisateurs")).toInt(), 1);
}

void TestData::booleens_data()
{
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<bool>("vrai");
    QTest::newRow("-1") << "-1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("Null") << "NULL" << false;
    QTest::newRow("1") << "1" << true;
}

void TestData::booleens()
{
    QFETCH(QString, stocke);
    QFETCH(bool, vrai);
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    CnxPerso->executer(
        QStringLiteral("INSERT INTO Collection (Collection, Dallay, QteN) VALUES (2, '1', %1)").arg(stocke));
    Recordset r = Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT QteN FROM Collection"));
    QCOMPARE(EstVrai(r.Champ(QStringLiteral("QteN"))), vrai);
    // SQL reads the same way when it tests "<> 0".
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Collection WHERE QteN <> 0")).toInt(), vrai ? 1 : 0);
    // True is written as -1.
    CnxPerso->executer(QStringLiteral("UPDATE Collection SET NePasAcquerir = ?"), {true});
    QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT NePasAcquerir FROM Collection")).toInt(), VRAI);
}

void TestData::dallayIgnoreLaCasse()
{
    DossierTest dossier;
    dossier.creerCatalogue(remplirFrance);
    QVERIFY(OuvrirBaseCatalogue());
    QVERIFY(OuvrirBasePerso());
    QCOMPARE(
        CnxCatalogue->valeur(QStringLiteral("SELECT Designation FROM France WHERE Dallay = ?"), {QStringLiteral("ae1")})
            .toString(),
        QStringLiteral("Poste aérienne 2 F"));
    CnxPerso->executer(QStringLiteral("INSERT INTO CorrespID (Dallay, IDPerso) VALUES ('AE1', 'P-1')"));
    QVERIFY_THROWS_EXCEPTION(ErreurBase,
        CnxPerso->executer(QStringLiteral("INSERT INTO CorrespID (Dallay, IDPerso) VALUES ('ae1', 'P-2')")));
    CnxPerso->executer(QStringLiteral("INSERT INTO CotationsP (Dallay, Collection) VALUES ('AE1', 2)"));
    QVERIFY_THROWS_EXCEPTION(ErreurBase,
        CnxPerso->executer(QStringLiteral("INSERT INTO CotationsP (Dallay, Collection) VALUES ('ae1', 2)")));
}

void TestData::ordreFrancais()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    const QStringList melange = {QStringLiteral("Zèbre"), QStringLiteral("côté"), QStringLiteral("éclair"),
        QStringLiteral("cote"), QStringLiteral("Œuvre"), QStringLiteral("abricot"), QStringLiteral("Etienne"),
        QStringLiteral("côte"), QStringLiteral("Eclair"), QStringLiteral("oeuf"), QStringLiteral("coté"),
        QStringLiteral("Émile")};
    for (const QString& nom : melange)
        CnxPerso->executer(QStringLiteral("INSERT INTO Themes (Collection, Theme, Predefini) VALUES (2, ?, 0)"), {nom});
    Recordset r =
        Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT Theme FROM Themes ORDER BY Theme COLLATE FRANCAIS"));
    const QStringList attendu = {QStringLiteral("abricot"), QStringLiteral("cote"), QStringLiteral("coté"),
        QStringLiteral("côte"), QStringLiteral("côté"), QStringLiteral("Eclair"), QStringLiteral("éclair"),
        QStringLiteral("Émile"), QStringLiteral("Etienne"), QStringLiteral("oeuf"), QStringLiteral("Œuvre"),
        QStringLiteral("Zèbre")};
    QCOMPARE(colonne(r, QStringLiteral("Theme")), attendu);
}

void TestData::like_data()
{
    QTest::addColumn<QString>("motif");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("correspond");
    QTest::newRow("capitale accentuée") << "église%"
                                        << "Église Saint-Pierre" << true;
    QTest::newRow("tout en capitales") << "%ÉGLISE%"
                                       << "Une église romane" << true;
    QTest::newRow("accent compte") << "eglise%"
                                   << "Église" << false;
    QTest::newRow("accent compte 2") << "%église%"
                                     << "Eglise" << false;
    QTest::newRow("cédille") << "%FRANÇAISE"
                             << "République française" << true;
    QTest::newRow("ligature") << "%œuvre%"
                              << "Chef-d'ŒUVRE" << true;
    QTest::newRow("souligné") << "c_r_s"
                              << "Cérès" << true;
    QTest::newRow("pourcent multiples") << "%a%b%c%"
                                        << "xaybzc" << true;
    QTest::newRow("retour arrière") << "%aab"
                                    << "aaab" << true;
    QTest::newRow("fin exigée") << "%abc"
                                << "abcd" << false;
    QTest::newRow("vide") << ""
                          << "" << true;
    QTest::newRow("pourcent seul") << "%"
                                   << "" << true;
}

void TestData::like()
{
    QFETCH(QString, motif);
    QFETCH(QString, texte);
    QFETCH(bool, correspond);
    QCOMPARE(CorrespondLike(motif, texte), correspond);
}

void TestData::likeEnSql()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    CnxPerso->executer(
        QStringLiteral("INSERT INTO Themes (Collection, Theme, Predefini) VALUES (2, 'Église', 0), (2, 'Eglise', 0), "
                       "(2, '100% Art', 0), (2, '100 Art', 0)"));
    QCOMPARE(CnxPerso
                 ->valeur(QStringLiteral("SELECT group_concat(Theme) FROM Themes WHERE Theme LIKE ?"),
                     {QStringLiteral("égl%")})
                 .toString(),
        QStringLiteral("Église"));
    QCOMPARE(CnxPerso
                 ->valeur(QStringLiteral("SELECT group_concat(Theme) FROM Themes WHERE Theme LIKE ? ESCAPE '!'"),
                     {QStringLiteral("100!%%")})
                 .toString(),
        QStringLiteral("100% Art"));
    QVERIFY(CnxPerso->valeur(QStringLiteral("SELECT NULL LIKE 'a'")).isNull());
}

void TestData::fichierQuiNestPasUneBase()
{
    DossierTest dossier;
    QFile f(dossier.fichier(QStringLiteral("ovlcfr02.mdb")));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("Ceci n'est pas une base de données, mais un texte assez long pour en avoir l'air.");
    f.close();
    QVERIFY(!OuvrirBasePerso());
    QVERIFY(!CnxPerso->estOuverte());
    QVERIFY(!DerniereErreurOuverture().isEmpty());
}

QTEST_GUILESS_MAIN(TestData)
#include "test_data.moc"
