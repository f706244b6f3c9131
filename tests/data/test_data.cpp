// The data layer: paths, openers, links, the recordset, stored values and the SQL functions.

#include "data/FonctionsSql.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "support/DossierTest.h"
#include "support/Suite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <chrono>
#include <limits>
#include <thread>

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
    void recordsetValeurs_data();
    void recordsetValeurs();
    void recordsetColonnes();
    void recordsetFindIndexe_data();
    void recordsetFindIndexe();
    void recordsetGrandResultat();
    void booleens_data();
    void booleens();
    void valeurSimple_data();
    void valeurSimple();
    void dallayIgnoreLaCasse();
    void ordreFrancais();
    void like_data();
    void like();
    void likeEnSql();
    void likeSurLesOctets_data();
    void likeSurLesOctets();
    void likeMotifLuUneFoisParInstruction();
    void fichierQuiNestPasUneBase();
    void raisonsDesEchecs_data();
    void raisonsDesEchecs();
    void baseVerrouilleeParUnAutre_data();
    void baseVerrouilleeParUnAutre();
    void basePersoLivree();
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
    // The program names "Ovlcfr02.mdb" and the folder holds "ovlcfr02.mdb": case is ignored, so both name one file.
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

void TestData::recordsetValeurs_data()
{
    // What SQLite stores comes back as it was: Null, empty text and 0 stay apart, integers keep every bit
    // whatever their size, text keeps its accents and blobs their bytes.
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<int>("type");
    const int aucun = QMetaType::UnknownType;
    const int entier = QMetaType::LongLong;
    QTest::newRow("Null") << QVariant() << aucun;
    QTest::newRow("texte vide") << QVariant(QStringLiteral("")) << int(QMetaType::QString);
    QTest::newRow("zéro") << QVariant(qlonglong(0)) << entier;
    QTest::newRow("-1") << QVariant(qlonglong(-1)) << entier;
    QTest::newRow("127") << QVariant(qlonglong(127)) << entier;
    QTest::newRow("128") << QVariant(qlonglong(128)) << entier;
    QTest::newRow("-32769") << QVariant(qlonglong(-32769)) << entier;
    QTest::newRow("2^31") << QVariant(qlonglong(2147483648LL)) << entier;
    QTest::newRow("le plus petit") << QVariant(std::numeric_limits<qlonglong>::min()) << entier;
    QTest::newRow("réel") << QVariant(12.5) << int(QMetaType::Double);
    QTest::newRow("accents") << QVariant(QStringLiteral("Cérès 20 c. noir, œuvre, ß, 𝄞")) << int(QMetaType::QString);
    QTest::newRow("octets") << QVariant(QByteArray("\x00\xff\x01\x00", 4)) << int(QMetaType::QByteArray);
    QTest::newRow("octets vides") << QVariant(QByteArray()) << int(QMetaType::QByteArray);
}

void TestData::recordsetValeurs()
{
    QFETCH(QVariant, valeur);
    QFETCH(int, type);
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    // The value between others, so that reading past it is checked too.
    Recordset r =
        Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT ? AS a, 'b' AS b, ? AS c, -70000 AS d"), {valeur, valeur});
    QCOMPARE(r.RecordCount(), 1);
    for (const QString& nom : {QStringLiteral("a"), QStringLiteral("c")}) {
        const QVariant lu = r.Champ(nom);
        QCOMPARE(lu.typeId(), type);
        QCOMPARE(EstNul(lu), type == QMetaType::UnknownType);
        if (type != QMetaType::UnknownType)
            QCOMPARE(lu, valeur);
    }
    QCOMPARE(r.Champ(QStringLiteral("b")).toString(), QStringLiteral("b"));
    QCOMPARE(r.Champ(QStringLiteral("d")), QVariant(qlonglong(-70000)));
    // Read as numbers in one pass over the row, the values after it found where they are.
    const int colonnes[] = {0, 2, 3};
    double nombres[3];
    r.NombresLigne(0, colonnes, 3, nombres);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(nombres[k], r.Champ(colonnes[k]).toDouble());
}

void TestData::recordsetColonnes()
{
    DossierTest dossier;
    dossier.creerCatalogue(remplirFrance);
    QVERIFY(OuvrirBaseCatalogue());
    Recordset r = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM France ORDER BY Ordre"));
    const int dallay = r.Colonne(QStringLiteral("Dallay"));
    const int designation = r.Colonne(QStringLiteral("designation"));
    QCOMPARE(dallay, 0);
    QCOMPARE(r.Colonne(QStringLiteral("DALLAY")), dallay);
    QCOMPARE(r.Colonnes().at(designation), QStringLiteral("Designation"));
    QCOMPARE(r.Colonne(QStringLiteral("Inconnu")), -1);
    QVERIFY(!r.AColonne(QStringLiteral("Inconnu")));
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.Champ(-1));
    QVERIFY_THROWS_EXCEPTION(ErreurBase, r.Champ(r.NombreColonnes()));
    QStringList parIndex, parNom;
    for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
        parIndex << r.Champ(designation).toString();
        parNom << r.Champ(QStringLiteral("DESIGNATION")).toString();
        QCOMPARE(r.Champ(dallay), r.Champ(QStringLiteral("dallay")));
    }
    QCOMPARE(parIndex, parNom);
    QCOMPARE(parIndex.first(), QStringLiteral("Cérès 20 c. noir"));
    QCOMPARE(parIndex.last(), QStringLiteral("Poste aérienne 2 F"));

    // Of two columns of the same name, the first is the one read by name.
    Recordset doubles = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT 1 AS Code, 2 AS code, 3 AS CODE"));
    QCOMPARE(doubles.Champ(QStringLiteral("code")).toInt(), 1);
    QCOMPARE(doubles.Champ(QStringLiteral("CODE")).toInt(), 1);
    QCOMPARE(doubles.Champ(2).toInt(), 3);
}

namespace {

// Second numbers repeated in different cases, numbers stored as text, an accented capital, a Null.
void remplirFranceId2(const Connexion& cnx)
{
    const QList<QVariantList> lignes = {
        {QStringLiteral("1"), 1, QStringLiteral("M10")},
        {QStringLiteral("2"), 2, QStringLiteral("m10")},
        {QStringLiteral("3"), 3, QStringLiteral("12")},
        {QStringLiteral("AE1"), 4, QStringLiteral("12.0")},
        {QStringLiteral("5"), 5, QStringLiteral("Éa")},
        {QStringLiteral("6"), 6, QVariant()},
        {QStringLiteral("7"), 7, QStringLiteral("M10")},
    };
    for (const QVariantList& l : lignes)
        cnx.executer(QStringLiteral("INSERT INTO France (Dallay, Ordre, ID2) VALUES (?, ?, ?)"), l);
}

}  // namespace

void TestData::recordsetFindIndexe_data()
{
    QTest::addColumn<int>("depart");  // Move() before the search; -1 stands before the first row
    QTest::addColumn<QString>("colonne");
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<int>("trouve");  // AbsolutePosition after it, 0 when not found
    QTest::newRow("le premier dans l'ordre") << 0 << "ID2" << QVariant(QStringLiteral("M10")) << 1;
    QTest::newRow("avant le premier") << -1 << "ID2" << QVariant(QStringLiteral("M10")) << 1;
    QTest::newRow("casse ignorée") << 1 << "ID2" << QVariant(QStringLiteral("M10")) << 2;
    QTest::newRow("en avant seulement") << 2 << "ID2" << QVariant(QStringLiteral("m10")) << 7;
    QTest::newRow("rien après") << 6 << "ID2" << QVariant(QStringLiteral("12")) << 0;
    QTest::newRow("majuscule accentuée") << 0 << "ID2" << QVariant(QStringLiteral("éA")) << 5;
    QTest::newRow("nombre contre texte") << 0 << "ID2" << QVariant(12) << 3;
    QTest::newRow("nombre contre texte 12.0") << 3 << "ID2" << QVariant(12) << 4;
    QTest::newRow("texte contre texte") << 3 << "ID2" << QVariant(QStringLiteral("12")) << 0;
    QTest::newRow("inconnu") << 0 << "ID2" << QVariant(QStringLiteral("M99")) << 0;
    QTest::newRow("Null") << 0 << "ID2" << QVariant() << 0;
    QTest::newRow("Dallay") << 0 << "dallay" << QVariant(QStringLiteral("ae1")) << 4;
    QTest::newRow("entier") << 0 << "Ordre" << QVariant(6) << 6;
    QTest::newRow("entier en texte") << 0 << "Ordre" << QVariant(QStringLiteral("6")) << 6;
    QTest::newRow("entier en réel") << 0 << "Ordre" << QVariant(6.0) << 6;
    QTest::newRow("entier en texte illisible") << 0 << "Ordre" << QVariant(QStringLiteral("6x")) << 0;
}

void TestData::recordsetFindIndexe()
{
    QFETCH(int, depart);
    QFETCH(QString, colonne);
    QFETCH(QVariant, valeur);
    QFETCH(int, trouve);
    DossierTest dossier;
    dossier.creerCatalogue(remplirFranceId2);
    QVERIFY(OuvrirBaseCatalogue());
    Recordset r = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM France ORDER BY Ordre"));
    // A first search builds the column's index; the one checked must give the same answer as the first.
    for (int fois = 0; fois < 2; ++fois) {
        r.Move(depart);
        QCOMPARE(r.Find(colonne, valeur), trouve > 0);
        QCOMPARE(r.AbsolutePosition(), trouve);
        QCOMPARE(r.Eof(), trouve == 0);
    }
}

void TestData::recordsetGrandResultat()
{
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    // Thousands of rows of every length, one text longer than any block the rows are kept in: every row
    // must read back whole, wherever it falls, and so must a second result that reuses the first's memory.
    const QString sql = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
        "SELECT i, CASE WHEN i = ? THEN ? ELSE substr(?, 1, i % 300) END AS t, i * 1000000007 AS g, NULL AS z, "
        "i / 7.0 AS r FROM n");
    const QString long_ = QString(3 << 20, QChar(u'é'));
    const QString motif = QStringLiteral("aéœ").repeated(100);
    for (int passe = 0; passe < 2; ++passe) {
        const int lignes = passe == 0 ? 20000 : 15000;
        const int grand = passe == 0 ? 9000 : 3;
        Recordset r = Recordset::Ouvrir(CnxPerso, sql, {lignes, grand, long_, motif});
        QCOMPARE(r.RecordCount(), lignes);
        const int t = r.Colonne(QStringLiteral("t"));
        int i = 0;
        for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
            ++i;
            const QString attendu = i == grand ? long_ : motif.left(i % 300);
            if (r.Champ(0).toInt() != i || r.Champ(t).toString() != attendu ||
                r.Champ(QStringLiteral("g")).toLongLong() != qlonglong(i) * 1000000007LL ||
                !EstNul(r.Champ(QStringLiteral("z"))) || r.Champ(QStringLiteral("r")).toDouble() != i / 7.0)
                QFAIL(qPrintable(QStringLiteral("ligne %1 mal relue").arg(i)));
        }
        QCOMPARE(i, lignes);
        r.MoveFirst();
        QVERIFY(r.Find(QStringLiteral("t"), long_.toUpper()));
        QCOMPARE(r.AbsolutePosition(), grand);
    }
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

void TestData::valeurSimple_data()
{
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<QVariant>("attendu");
    // Stored as the cards store a price: the typed number in single precision.
    QTest::newRow("0,35 en simple précision") << QVariant(double(float(0.35))) << QVariant(0.35);
    QTest::newRow("2,675 en simple précision") << QVariant(double(float(2.675))) << QVariant(2.675);
    QTest::newRow("négatif") << QVariant(double(float(-0.95))) << QVariant(-0.95);
    QTest::newRow("sept chiffres") << QVariant(double(float(12345.67))) << QVariant(12345.67);
    QTest::newRow("un million") << QVariant(1000000.0) << QVariant(1000000.0);
    QTest::newRow("déjà décimal") << QVariant(0.35) << QVariant(0.35);
    QTest::newRow("zéro") << QVariant(0.0) << QVariant(0.0);
    QTest::newRow("hors de la simple précision") << QVariant(1e300) << QVariant(1e300);
    QTest::newRow("sous la simple précision") << QVariant(1e-300) << QVariant(1e-300);
    QTest::newRow("infini") << QVariant(qInf()) << QVariant(qInf());
    // In SQL only a real changes.
    QTest::newRow("entier") << QVariant(qlonglong(3)) << QVariant(qlonglong(3));
    QTest::newRow("Null") << QVariant() << QVariant();
    QTest::newRow("texte") << QVariant(QStringLiteral("0,35")) << QVariant(QStringLiteral("0,35"));
}

void TestData::valeurSimple()
{
    QFETCH(QVariant, valeur);
    QFETCH(QVariant, attendu);
    // Exact comparisons: QCOMPARE would compare two doubles within a margin.
    if (valeur.typeId() == QMetaType::Double) {
        const double v = ValeurSimple(valeur.toDouble());
        QVERIFY2(v == attendu.toDouble(), qPrintable(QString::number(v, 'g', 17)));
    }
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    const QVariant enSql = CnxPerso->valeur(QStringLiteral("SELECT ValeurSimple(?)"), {valeur});
    QCOMPARE(enSql.typeId(), attendu.typeId());
    if (attendu.typeId() == QMetaType::Double)
        QVERIFY2(enSql.toDouble() == attendu.toDouble(), qPrintable(QString::number(enSql.toDouble(), 'g', 17)));
    else
        QCOMPARE(enSql, attendu);
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

void TestData::likeSurLesOctets_data()
{
    // The operator as statements use it, values bound: plain ASCII and other text on either side, escapes,
    // and NUL bytes, which are characters like any other.
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("motif");
    QTest::addColumn<QString>("echappement");  // null: no ESCAPE
    QTest::addColumn<bool>("correspond");
    const auto avecNul = [](const char* s, int n) { return QString::fromUtf8(s, n); };
    QTest::newRow("ascii des deux côtés, casse") << "Ceres 20 c. noir"
                                                 << "%CERES%" << QString() << true;
    QTest::newRow("ascii, fin exigée") << "ceres"
                                       << "%cere" << QString() << false;
    QTest::newRow("motif ascii, texte accentué") << "Une Église romane"
                                                 << "%GLISE%" << QString() << true;
    QTest::newRow("motif ascii sans l'accent du texte") << "Église"
                                                        << "%eglise%" << QString() << false;
    QTest::newRow("motif accentué, texte ascii") << "eglise"
                                                 << "%é%" << QString() << false;
    QTest::newRow("capitales accentuées du texte") << "UNE ÉGLISE"
                                                   << "%église%" << QString() << true;
    QTest::newRow("motif accentué, capitale") << "Marianne N° 12"
                                              << "%n° 1%" << QString() << true;
    QTest::newRow("motif accentué, autre texte") << "Marianne no 1"
                                                 << "%n° 1%" << QString() << false;
    QTest::newRow("après un %, caractère non ascii repliant vers une lettre")
        << QStringLiteral("1 \u212A") << "%k" << QString() << true;
    QTest::newRow("souligné sur deux octets") << "Cérès"
                                              << "c_r_s" << QString() << true;
    QTest::newRow("souligné sur trois octets") << "€"
                                               << "_" << QString() << true;
    QTest::newRow("deux soulignés, un caractère") << "€"
                                                  << "__" << QString() << false;
    // A mismatch behind a % starts again one character on, never inside the character.
    QTest::newRow("reprise après un %, un caractère plus loin") << "€ab"
                                                                << "%__a%" << QString() << false;
    QTest::newRow("souligné hors du plan de base") << QStringLiteral("\U0001D11E") << "_" << QString() << true;
    QTest::newRow("pourcent échappé") << "100% Art"
                                      << "100!%%"
                                      << "!" << true;
    QTest::newRow("pourcent échappé, absent") << "100 Art"
                                              << "100!%%"
                                              << "!" << false;
    QTest::newRow("souligné échappé") << "abc"
                                      << "a\\_c"
                                      << "\\" << false;
    QTest::newRow("souligné échappé, présent") << "A_C"
                                               << "a\\_c"
                                               << "\\" << true;
    QTest::newRow("échappement accentué") << "50%"
                                          << "%é%%"
                                          << "é" << true;
    QTest::newRow("échappement accentué, absent") << "été"
                                                  << "%é%%"
                                                  << "é" << false;
    QTest::newRow("échappement de lui-même") << "a!b"
                                             << "%!!%"
                                             << "!" << true;
    QTest::newRow("NUL dans le motif") << "e" << avecNul("e\0zzz", 5) << QString() << false;
    QTest::newRow("NUL dans le motif, contenu du texte")
        << avecNul("ab e\0zzz", 8) << avecNul("%E\0ZZZ%", 7) << QString() << true;
    QTest::newRow("NUL dans le texte, lu jusqu'au bout") << avecNul("e\0zzz", 5) << "%zzz" << QString() << true;
    QTest::newRow("souligné sur un NUL") << avecNul("e\0z", 3) << "e_z" << QString() << true;
    QTest::newRow("motif vide, texte non vide") << "a"
                                                << "" << QString() << false;
}

void TestData::likeSurLesOctets()
{
    QFETCH(QString, texte);
    QFETCH(QString, motif);
    QFETCH(QString, echappement);
    QFETCH(bool, correspond);
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    const QVariant resultat = echappement.isNull()
        ? CnxPerso->valeur(QStringLiteral("SELECT ? LIKE ?"), {texte, motif})
        : CnxPerso->valeur(QStringLiteral("SELECT ? LIKE ? ESCAPE ?"), {texte, motif, echappement});
    QCOMPARE(resultat.toInt(), correspond ? 1 : 0);
}

void TestData::likeMotifLuUneFoisParInstruction()
{
    // One statement over several rows, run again with another pattern and another escape: each run matches
    // with its own pattern, never with the one read for an earlier run.
    DossierTest dossier;
    QVERIFY(OuvrirBasePerso());
    CnxPerso->executer(QStringLiteral("INSERT INTO Themes (Collection, Theme, Predefini) VALUES (2, 'Avion', 0), "
                                      "(2, 'Bateau', 0), (2, 'Train_a', 0), (2, 'Trainxa', 0)"));
    Requete r = CnxPerso->preparer(
        QStringLiteral("SELECT group_concat(Theme, ',') FROM (SELECT Theme FROM Themes WHERE Theme LIKE ? ESCAPE ? "
                       "ORDER BY Theme)"));
    const struct {
        const char* motif;
        const char* echappement;
        const char* attendu;
    } passages[] = {
        {"%a%", "!", "Avion,Bateau,Train_a,Trainxa"},
        {"%v%", "!", "Avion"},
        {"train_a", "!", "Train_a,Trainxa"},
        {"train!_a", "!", "Train_a"},
        {"train!_a", "x", ""},
        {"trainx_a", "x", "Train_a"},
    };
    for (const auto& p : passages) {
        r.reinitialiser();
        r.lier(1, QString::fromUtf8(p.motif));
        r.lier(2, QString::fromUtf8(p.echappement));
        QVERIFY(r.suivante());
        QCOMPARE(r.colonne(0).toString(), QString::fromUtf8(p.attendu));
    }
    QVERIFY_THROWS_EXCEPTION(ErreurBase, CnxPerso->valeur(QStringLiteral("SELECT 'a' LIKE 'a' ESCAPE 'ab'")));
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

void TestData::raisonsDesEchecs_data()
{
    // A real failure of each kind on a small file, and the reason the user reads under "Erreur".
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("raison");
    QTest::newRow("verrouillée par un autre programme")
        << "verrou"
        << "La base de données est verrouillée par un autre programme (database is locked).";
    QTest::newRow("lecture seule") << "lecture seule"
                                   << "La base de données est en lecture seule : rien ne peut y être écrit "
                                      "(attempt to write a readonly database).";
    // The connections give extended codes: a file renamed while open refuses writes with one of them.
    QTest::newRow("renommée pendant l'ouverture")
        << "renommée"
        << "La base de données est en lecture seule : rien ne peut y être écrit "
           "(attempt to write a readonly database).";
    QTest::newRow("disque plein") << "plein"
                                  << "Le disque est plein (database or disk is full).";
    QTest::newRow("pas une base") << "pas une base"
                                  << "Le fichier n'est pas une base de données, ou il est endommagé "
                                     "(file is not a database).";
    QTest::newRow("endommagée") << "endommagée"
                                << "La base de données est endommagée (database disk image is malformed).";
    QTest::newRow("table absente") << "table absente"
                                   << "La table Collection est absente de la base de données "
                                      "(no such table: Collection).";
    // Any other reason is SQLite's (here a trigger's) own text, alone.
    QTest::newRow("autre raison") << "déclencheur"
                                  << "refusé par le déclencheur";
}

void TestData::raisonsDesEchecs()
{
    QFETCH(QString, cas);
    QFETCH(QString, raison);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("base.db"));
    {
        Connexion c;
        c.creer(chemin);
        c.executer(QStringLiteral("CREATE TABLE Themes (Theme TEXT)"));
        c.executer(QStringLiteral("CREATE TRIGGER refus BEFORE DELETE ON Themes "
                                  "BEGIN SELECT RAISE(ABORT, 'refusé par le déclencheur'); END"));
        Transaction t(c);
        for (int i = 0; i < 200; ++i)
            c.executer(QStringLiteral("INSERT INTO Themes VALUES (?)"), {QStringLiteral("thème %1").arg(i)});
        t.valider();
    }
    if (cas == QStringLiteral("pas une base") || cas == QStringLiteral("endommagée")) {
        // Either the header or the table's first page overwritten.
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 taillePage = cas == QStringLiteral("pas une base") ? 0 : 4096;
        QVERIFY(f.seek(taillePage));
        f.write(QByteArray(100, '\xFF'));
    }

    Connexion cnx;
    Connexion autre;
    QString message;
    try {
        cnx.ouvrir(chemin,
            cas == QStringLiteral("lecture seule") ? Connexion::Mode::LectureSeule : Connexion::Mode::LectureEcriture);
        if (cas == QStringLiteral("verrou")) {
            autre.ouvrir(chemin, Connexion::Mode::LectureEcriture);
            autre.executer(QStringLiteral("BEGIN EXCLUSIVE"));
            sqlite3_busy_timeout(cnx.poignee(), 0);
        }
        if (cas == QStringLiteral("renommée"))
            QVERIFY(QFile::rename(chemin, dossier.filePath(QStringLiteral("ailleurs.db"))));
        if (cas == QStringLiteral("plein"))
            cnx.executer(QStringLiteral("PRAGMA max_page_count = %1")
                             .arg(cnx.valeur(QStringLiteral("PRAGMA page_count")).toInt()));
        if (cas == QStringLiteral("table absente"))
            cnx.valeur(QStringLiteral("SELECT count(*) FROM Collection"));
        else if (cas == QStringLiteral("déclencheur"))
            cnx.executer(QStringLiteral("DELETE FROM Themes"));
        else if (cas == QStringLiteral("endommagée"))
            cnx.valeur(QStringLiteral("SELECT count(*) FROM Themes"));
        else
            cnx.executer(QStringLiteral("INSERT INTO Themes VALUES (?)"), {QString(5000, QLatin1Char('x'))});
    } catch (const ErreurBase& e) {
        message = e.message();
    }
    QCOMPARE(message, raison);
}

void TestData::baseVerrouilleeParUnAutre_data()
{
    // How long another program keeps the personal database locked while the program opens it.
    QTest::addColumn<int>("dureeMs");
    QTest::addColumn<bool>("ouverte");
    QTest::newRow("le temps d'une écriture") << 300 << true;
    QTest::newRow("sans le rendre") << -1 << false;
}

void TestData::baseVerrouilleeParUnAutre()
{
    QFETCH(int, dureeMs);
    QFETCH(bool, ouverte);
    DossierTest dossier;
    Connexion autre;
    autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
    autre.executer(QStringLiteral("BEGIN EXCLUSIVE"));
    std::thread liberation;
    if (dureeMs >= 0) {
        liberation = std::thread([&autre, dureeMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(dureeMs));
            autre.executer(QStringLiteral("COMMIT"));
        });
    }

    const bool resultat = OuvrirBasePerso();
    if (liberation.joinable())
        liberation.join();
    else
        autre.executer(QStringLiteral("COMMIT"));

    QCOMPARE(resultat, ouverte);
    QCOMPARE(CnxPerso->estOuverte(), ouverte);
    if (!ouverte)
        QCOMPARE(DerniereErreurOuverture(),
            QStringLiteral("Ouverture impossible de %1 : la base est verrouillée par "
                           "un autre programme.")
                .arg(CheminBasePerso()));
}

void TestData::basePersoLivree()
{
    // The personal database as the builder ships it: the reserved collection 1 and nothing of any other, the
    // predefined themes each with its stamps of the catalogue, and the renumbering of the previous edition
    // leading to numbers of this catalogue. Every row of the sources is there.
    const QDir construites(QStringLiteral(DOSSIER_DONNEES_CONSTRUITES));
    const QDir sources(QStringLiteral(DOSSIER_SOURCES_DONNEES "/perso"));
    Connexion perso;
    perso.ouvrir(construites.filePath(QStringLiteral("ovlcfr02.mdb")), Connexion::Mode::LectureSeule);
    perso.attacher(construites.filePath(QStringLiteral("FR_BIN.DOV")), QStringLiteral("catalogue"));
    const auto compte = [&](const QString& sql) { return perso.valeur(sql).toInt(); };
    const auto lignesSource = [&](const QString& table) {
        QFile f(sources.filePath(table + QStringLiteral(".tsv")));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        int n = 0;
        while (!f.atEnd())
            n += f.readLine().trimmed().isEmpty() ? 0 : 1;
        return n - 1;  // the header
    };

    QCOMPARE(perso.valeur(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(compte(QStringLiteral("SELECT count(*) FROM Utilisateurs")), 1);
    QCOMPARE(perso.valeur(QStringLiteral("SELECT DescriptionCollection FROM Utilisateurs WHERE CodeCollection = 1"))
                 .toString(),
        QStringLiteral("CollectionPredefinie"));
    for (const QString& table :
        {QStringLiteral("Collection"), QStringLiteral("CollectionO"), QStringLiteral("CollectionV"),
            QStringLiteral("CotationsP"), QStringLiteral("CorrespID"), QStringLiteral("MesVarietes")})
        QVERIFY2(compte(QStringLiteral("SELECT count(*) FROM %1").arg(table)) == 0, qPrintable(table));

    const int themes = compte(QStringLiteral("SELECT count(*) FROM Themes"));
    QVERIFY(themes > 0);
    QCOMPARE(themes, lignesSource(QStringLiteral("Themes")));
    QCOMPARE(compte(QStringLiteral("SELECT count(*) FROM Themes WHERE Collection = 1 AND Predefini <> 0")), themes);
    QCOMPARE(compte(QStringLiteral("SELECT count(*) FROM Themes WHERE CodeTheme NOT IN (SELECT Theme FROM "
                                   "ThemesAssocies)")),
        0);
    const int timbres = compte(QStringLiteral("SELECT count(*) FROM ThemesAssocies"));
    QCOMPARE(timbres, lignesSource(QStringLiteral("ThemesAssocies")));
    QCOMPARE(compte(QStringLiteral("SELECT count(*) FROM ThemesAssocies WHERE Collection = 1 AND Predefini <> 0 "
                                   "AND Theme IN (SELECT CodeTheme FROM Themes) "
                                   "AND Dallay IN (SELECT Dallay FROM catalogue.France)")),
        timbres);

    for (const auto& [table, catalogue] : {std::pair {QStringLiteral("changements"), QStringLiteral("France")},
             std::pair {QStringLiteral("changementsV"), QStringLiteral("Varietes")}}) {
        const int n = compte(QStringLiteral("SELECT count(*) FROM %1").arg(table));
        QVERIFY2(n > 0, qPrintable(table));
        QCOMPARE(n, lignesSource(table));
        QCOMPARE(compte(QStringLiteral("SELECT count(*) FROM %1 WHERE Nouveau IN (SELECT Dallay FROM catalogue.%2) "
                                       "AND ancien IS NOT NULL AND ancien <> Nouveau")
                            .arg(table, catalogue)),
            n);
    }
}

ENREGISTRER_TEST(TestData)
#include "test_data.moc"
