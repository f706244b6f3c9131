// The collection's inventory without a window: which items each scope lists, their values and the sums
// of the sections and of the collection, checked against hand-computed values.

#include "InventaireTest.h"
#include "data/Source.h"
#include "printing/FormatNombre.h"
#include "printing/Inventaire.h"
#include "support/DossierTest.h"
#include "support/Suite.h"

#include <QLocale>
#include <QtTest>

namespace {

QStringList colonne(const DonneesEtat& t, const QString& nom)
{
    QStringList v;
    for (int i = 0; i < t.nombreLignes(); ++i)
        v << FormaterValeur(t.valeur(i, t.colonne(nom)), {});
    return v;
}

double valeur(const DonneesEtat& t, int ligne, const QString& nom)
{
    return t.valeur(ligne, t.colonne(nom)).toDouble();
}

}  // namespace

class TestConstructionInventaire : public QObject {
    Q_OBJECT

    std::unique_ptr<DossierTest> dossier;
    QLocale m_localeAvant;

    // The scope's links exist for the two statements only, as when the report is printed.
    Inventaire construire(Etendue etendue, const QString& collection = QStringLiteral("2"))
    {
        const auto liens = LiensInventaire(etendue);
        for (const auto& [nom, table] : liens)
            CreerTableLiee(*CnxPerso, nom, CheminBaseCatalogue(), table);
        Inventaire inv = ConstruireInventaire(CnxPerso, etendue, collection);
        for (const auto& [nom, table] : liens)
            SupprimerTableLiee(*CnxPerso, nom);
        return inv;
    }

private slots:
    // The program prints in French whatever the machine's locale.
    void initTestCase()
    {
        m_localeAvant = QLocale();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }

    void cleanupTestCase() { QLocale::setDefault(m_localeAvant); }

    void init()
    {
        dossier = std::make_unique<DossierTest>();
        dossier->creerCatalogue(catalogueInventaire);
        dossier->creerPerso(persoInventaire);
        QVERIFY(OuvrirBasePerso());
    }

    void cleanup() { dossier.reset(); }

    void valeurs()
    {
        const Inventaire inv = construire(Etendue::Tout);
        const TableEtat& r = *inv.rubriques;
        QCOMPARE(colonne(r, QStringLiteral("Code_Rubrique")), QStringList({"AA", "AE", "BS"}));
        const DonneesEtat* aa = r.enfants(0, QStringLiteral("Timbres"));
        QVERIFY(aa);
        // Varieties, cancellations and own items follow their stamp; the unquoted 5 and collection 3 are absent.
        QCOMPARE(colonne(*aa, QStringLiteral("Dallay")), QStringList({"1", "1a", "1o", "", "", "2"}));
        QCOMPARE(colonne(*aa, QStringLiteral("Designation2")),
            QStringList({"Cérès", " - papier bleuté", " - grille", " - bord de feuille", " - bord de feuille", "Napoléon"}));
        QCOMPARE(colonne(*aa, QStringLiteral("IDPerso")), QStringList({"P-1", "P-1a", "", "", "", ""}));
        QCOMPARE(colonne(*aa, QStringLiteral("ID2")), QStringList({"M1", "", "", "", "", "M2"}));
        QCOMPARE(aa->colonne(QStringLiteral("TotalGene")), 35);

        struct Attendu {
            int ligne;
            double n, nc, nsg, o, l, dn, dO;
        };
        // quality 150; ticked with 0 copies; Null price; copies without tick; duplicates without tick.
        const Attendu attendus[] = {{0, 30, 0, 0, 0, 0, 0, 8}, {1, 50, 0, 0, 0, 0, 0, 0}, {2, 0, 0, 0, 8, 15, 0, 0},
            {3, 4, 0, 0, 0, 0, 0, 0}, {4, 4, 0, 0, 0, 0, 0, 0}, {5, 0, 0, 0, 0, 0, 1000, 0}};
        for (const Attendu& a : attendus) {
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalN")), a.n);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalNC")), a.nc);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalNSG")), a.nsg);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalO")), a.o);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalL")), a.l);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalDN")), a.dn);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalDO")), a.dO);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalColl")), a.n + a.nc + a.nsg + a.o + a.l);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalDble")), a.dn + a.dO);
            QCOMPARE(valeur(*aa, a.ligne, QStringLiteral("TotalGene")), a.n + a.nc + a.nsg + a.o + a.l + a.dn + a.dO);
        }

        // The sections' sums are the sums of their printed rows; an empty section sums to nothing.
        for (int s = 0; s < r.nombreLignes(); ++s) {
            const DonneesEtat* enfants = r.enfants(s, QStringLiteral("Timbres"));
            const QStringList totaux {"TotalN", "TotalNC", "TotalNSG", "TotalO", "TotalL", "TotalColl", "TotalDN", "TotalDNC",
                "TotalDNSG", "TotalDO", "TotalDL", "TotalDble", "TotalGene"};
            const QStringList sommes {"SumN", "SumNC", "SumNSG", "SumO", "SumL", "SumColl", "SumDN", "SumDNC", "SumDNSG",
                "SumDO", "SumDL", "SumDoubles", "SumTotal"};
            for (int k = 0; k < totaux.size(); ++k) {
                double somme = 0;
                for (int i = 0; i < enfants->nombreLignes(); ++i)
                    somme += valeur(*enfants, i, totaux.at(k));
                QCOMPARE(valeur(r, s, sommes.at(k)), somme);
            }
        }
        QCOMPARE(valeur(r, 0, QStringLiteral("SumTotal")), 1119.0);
        QCOMPARE(valeur(r, 1, QStringLiteral("SumTotal")), 1.5);
        QCOMPARE(r.enfants(2, QStringLiteral("Timbres"))->nombreLignes(), 0);
        const TotauxInventaire attendu {89.5, 0, 0, 8, 15, 1000, 0, 0, 8, 0};
        QCOMPARE(inv.totaux, attendu);

        const auto synthese = LegendesSynthese(inv.totaux);
        const QString g = QLocale().groupSeparator();
        QMap<QString, QString> s;
        for (const auto& [nom, texte] : synthese)
            s.insert(nom, texte);
        QCOMPARE(s.value("SumTotalN"), QStringLiteral("89,5"));
        QCOMPARE(s.value("SumTotalNC"), QStringLiteral("0,0"));
        QCOMPARE(s.value("SumTotalColl"), QStringLiteral("112,5"));
        QCOMPARE(s.value("SumTotalDoubles"), QStringLiteral("1") + g + QStringLiteral("008,0"));
        QCOMPARE(s.value("SumTotalGene"), QStringLiteral("1") + g + QStringLiteral("120,5"));
        QCOMPARE(s.value("SumTotalNDN"), QStringLiteral("1") + g + QStringLiteral("089,5"));
        QCOMPARE(s.value("SumTotalODO"), QStringLiteral("16,0"));
        QCOMPARE(synthese.size(), 18);
    }

    // An own item's price is stored in single precision, as the own-item card writes it: it counts as the
    // decimal typed, as the card counts it, beside the catalogue's quotations (doubles, counted as they
    // are). In collection 4, stamp 3 quoted N 1,55 and O 0,95 is held once in N with one duplicate in O,
    // and an own item of it priced N at the row's price is held once in N at 100 %: 0,35 taken as
    // 0.3499999940395355 would print 0,3 on its line and a total of 2,8.
    void prixPersonnels_data()
    {
        QTest::addColumn<double>("prix");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("total");
        QTest::newRow("0,35") << 0.35 << "0,4" << "1,9" << "2,9";
        QTest::newRow("0,95") << 0.95 << "1,0" << "2,5" << "3,5";
    }

    void prixPersonnels()
    {
        QFETCH(double, prix);
        QFETCH(QString, ligne);
        QFETCH(QString, collection);
        QFETCH(QString, total);
        {
            Connexion catalogue;
            catalogue.ouvrir(CheminBaseCatalogue(), Connexion::Mode::LectureEcriture);
            catalogue.executer(QStringLiteral(
                "INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('3', 25, 'M3', 'Semeuse', 'AA')"));
            catalogue.executer(QStringLiteral("INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('3', ?, ?)"),
                {1.55, 0.95});
        }
        CnxPerso->executer(QStringLiteral(
            "INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteDoubleO) VALUES (4, '3', -1, 1, 100, 1)"));
        CnxPerso->executer(QStringLiteral("INSERT INTO MesVarietes (Collection, Reference, Designation, Neuf, QteN, QtesN, "
                                          "EtatN) VALUES (4, '3', 'piquage à cheval', ?, -1, 1, 100)"),
            {double(float(prix))});

        const Inventaire inv = construire(Etendue::Tout, QStringLiteral("4"));
        const DonneesEtat* aa = inv.rubriques->enfants(0, QStringLiteral("Timbres"));
        QCOMPARE(colonne(*aa, QStringLiteral("Designation2")), QStringList({"Semeuse", " - piquage à cheval"}));
        QCOMPARE(FormaterValeur(aa->valeur(1, aa->colonne(QStringLiteral("TotalColl"))), QStringLiteral("#,##0.0")), ligne);
        QMap<QString, QString> s;
        for (const auto& [nom, texte] : LegendesSynthese(inv.totaux))
            s.insert(nom, texte);
        QCOMPARE(s.value("SumTotalColl"), collection);
        QCOMPARE(s.value("SumTotalDoubles"), QStringLiteral("1,0"));
        QCOMPARE(s.value("SumTotalGene"), total);
    }

    void etendues_data()
    {
        QTest::addColumn<int>("etendue");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QStringList>("liens");
        QTest::addColumn<QStringList>("dallays");
        QTest::newRow("timbres") << 1 << "Timbres-type" << QStringList {"LinkRubriques", "LinkFrance", "LinkCotations"}
                                 << QStringList {"1", "2"};
        QTest::newRow("variétés") << 2 << "Variétés"
                                  << QStringList {"LinkRubriques", "LinkFrance", "LinkVarietes", "LinkCotationsv"}
                                  << QStringList {"1a"};
        QTest::newRow("oblitérations") << 3 << "Oblitérations"
                                       << QStringList {"LinkRubriques", "LinkFrance", "LinkObliterations", "LinkCotationso"}
                                       << QStringList {"1o"};
        QTest::newRow("personnelles") << 4 << "Variétés personnelles" << QStringList {"LinkRubriques", "LinkFrance"}
                                      << QStringList {"", ""};
        QTest::newRow("tout") << 5 << "Timbres-type, Variétés, Oblitérations, Variétés personnelles"
                              << QStringList {"LinkRubriques", "LinkFrance", "LinkObliterations", "LinkVarietes",
                                     "LinkCotations", "LinkCotationsv", "LinkCotationso"}
                              << QStringList {"1", "1a", "1o", "", "", "2"};
    }

    void etendues()
    {
        QFETCH(int, etendue);
        QFETCH(QString, legende);
        QFETCH(QStringList, liens);
        QFETCH(QStringList, dallays);
        const Etendue e = Etendue(etendue);
        QCOMPARE(LegendeEtendue(e), legende);
        QStringList noms;
        for (const auto& [nom, table] : LiensInventaire(e))
            noms << nom;
        QCOMPARE(noms, liens);
        const Inventaire inv = construire(e);
        QCOMPARE(colonne(*inv.rubriques->enfants(0, QStringLiteral("Timbres")), QStringLiteral("Dallay")), dallays);
    }
};

ENREGISTRER_TEST(TestConstructionInventaire)
#include "test_construction_inventaire.moc"
