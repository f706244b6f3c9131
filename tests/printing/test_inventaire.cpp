// The collection's inventory: which items each scope lists, their values and the sums of the sections
// and of the collection, checked against hand-computed values; the dialog's print read back from the PDF.

#include "support/ControleEcran.h"
#include "OutilsImpression.h"
#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "printing/AffichageEtat.h"
#include "printing/FormatNombre.h"
#include "printing/dlgImpListeTimbres.h"
#include "printing/Inventaire.h"
#include "shell/CollectionOuverte.h"
#include "support/Clavier.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Sections AA, AE and BS (nothing held in BS). Stamps 1 (Michel M1) and 2 in AA, PA1 in AE, 5 in AA
// without a quotation row; variety 1a and cancellation 1o of stamp 1.
void catalogue(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Rubriques VALUES ('AA', 'Timbres-Poste', 1);
        INSERT INTO Rubriques VALUES ('AE', 'Poste aérienne', 2);
        INSERT INTO Rubriques VALUES ('BS', 'Blocs spéciaux', 3);
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('1', 10, 'M1', 'Cérès', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('2', 20, 'M2', 'Napoléon', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('5', 30, 'M5', 'Sans cote', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('PA1', 100, 'MPA1', 'Avion', 'ae');
        INSERT INTO Cotations2001 VALUES ('1', 10, 6, NULL, 4, 20);
        INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('2', 1000, 2);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('PA1', 3);
        INSERT INTO Varietes VALUES ('1a', '1', 'papier bleuté', 1);
        INSERT INTO Cotations2001v (Dallay, Neuf) VALUES ('1a', 50);
        INSERT INTO Obliterations VALUES ('1o', '1', 'grille', 1);
        INSERT INTO Cotations2001o VALUES ('1o', 8, 30);
    )"));
}

// Collection 2: stamp 1 in N at quality 150 (30), ticked in NC with no copy, in NSG without a price,
// copies in O without the tick but two duplicates (8); stamp 2 without a quality (0) with one duplicate
// (1000); 5 not quoted; PA1 at quality 50 (1,5); variety 1a (50); cancellation 1o in O and L at
// quality 50 (8 + 15); two identical own items of stamp 1 (4 each). Collection 3 holds 2; 4 holds nothing.
void perso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Ma première collection', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (4, 'Vide', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO CorrespID VALUES ('1', 'P-1');
        INSERT INTO CorrespID VALUES ('1a', 'P-1a');
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteNC, QtesNC, EtatNC, QteNSG, QtesNSG, EtatNSG,
                                QteO, QtesO, EtatO, QteDoubleO)
            VALUES (2, '1', -1, 2, 150, -1, 0, 100, -1, 1, 100, 0, 3, 100, 2);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN) VALUES (2, '2', -1, 1, NULL, 1);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN) VALUES (2, '5', -1, 1, 100);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN) VALUES (2, 'PA1', -1, 1, 50);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN) VALUES (3, '2', -1, 5, 100);
        INSERT INTO CollectionV (Collection, Dallay, QteN, QtesN, EtatN) VALUES (2, '1a', -1, 1, 100);
        INSERT INTO CollectionO (Collection, Dallay, QteO, QtesO, EtatO, QteL, QtesL, EtatL) VALUES (2, '1o', -1, 1, 100, -1, 1, 50);
        INSERT INTO MesVarietes (Collection, Reference, Designation, Neuf, QteN, QtesN, EtatN) VALUES (2, '1', 'bord de feuille', 5, -1, 1, 80);
        INSERT INTO MesVarietes (Collection, Reference, Designation, Neuf, QteN, QtesN, EtatN) VALUES (2, '1', 'bord de feuille', 5, -1, 1, 80);
    )"));
}

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

class TestInventaire : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;

    void ouvrir(const QString& code, const QString& nom)
    {
        LaCollectionOuverte().ouvrir(code, nom);
    }

    Inventaire construire(Etendue etendue, const QString& collection = QStringLiteral("2"))
    {
        LiensTemporaires liens(LiensInventaire(etendue));
        return ConstruireInventaire(CnxPerso, etendue, collection);
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(perso);
        p->dossier.creerCatalogue(catalogue);
        QVERIFY(p->demarrer());
        ouvrir(QStringLiteral("2"), QStringLiteral("Ma première collection"));
    }

    void cleanup() { p.reset(); }

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

    void impression_data()
    {
        QTest::addColumn<QString>("cote");
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("ligneCeres");
        QTest::addColumn<QString>("ligneVariete");
        QTest::newRow("Michel") << QString() << "Dallay Michel" << "1 M1 Cérès 30,0 30,0 8,0 8,0 38,0"
                                << "1a - papier bleuté 50,0 50,0 50,0";
        QTest::newRow("personnelle") << "Numérotation personnelle" << "Dallay IDPerso" << "1 P-1 Cérès 30,0 30,0 8,0 8,0 38,0"
                                     << "1a P-1a - papier bleuté 50,0 50,0 50,0";
        // Any text but "Michel", as typed, is the personal numbering.
        QTest::newRow("michel tapé") << "michel" << "Dallay IDPerso" << "1 P-1 Cérès 30,0 30,0 8,0 8,0 38,0"
                                     << "1a P-1a - papier bleuté 50,0 50,0 50,0";
    }

    void impression()
    {
        QFETCH(QString, cote);
        QFETCH(QString, entete);
        QFETCH(QString, ligneCeres);
        QFETCH(QString, ligneVariete);
        dlgImpListeTimbres dialogue;
        QCOMPARE(dialogue.etendue(), Etendue::Tout);
        QVERIFY(dialogue.findChild<QRadioButton*>(QStringLiteral("Etendue_5"))->isChecked());
        if (!cote.isEmpty())
            QVERIFY(TaperDansCombo(dialogue.ChoixCote(), cote));
        dialogue.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();

        QCOMPARE(dialogue.result(), int(QDialog::Accepted));
        QCOMPARE(p->plateforme.apercus().size(), 1);
        const DocumentRendu rendu = p->plateforme.apercus().constFirst();
        QCOMPARE(rendu.titre, QStringLiteral("Inventaire"));
        QCOMPARE(rendu.orientation, QPageLayout::Landscape);
        const QString texte = TextePdf(rendu.fichierPdf, 0, true);
        QStringList lignes;
        for (const QString& l : texte.split(QLatin1Char('\n')))
            lignes << l.simplified();
        const auto contient = [&](const QString& attendu) {
            return std::any_of(lignes.begin(), lignes.end(), [&](const QString& l) { return l == attendu; });
        };
        QVERIFY2(texte.contains(QStringLiteral("Collection MA PREMIÈRE COLLECTION")), qPrintable(texte));
        QVERIFY(texte.contains(QStringLiteral("Timbres-type, Variétés, Oblitérations, Variétés personnelles")));
        QVERIFY2(LigneAvec(texte, QStringLiteral("Dallay")).startsWith(entete), qPrintable(texte));
        QVERIFY2(contient(ligneCeres), qPrintable(texte));
        QVERIFY2(contient(ligneVariete), qPrintable(texte));
        // Both identical own items print; the empty section prints its heading.
        QCOMPARE(texte.count(QStringLiteral("- bord de feuille")), 2);
        QVERIFY(contient(QStringLiteral("Blocs spéciaux")));
        QVERIFY(contient(QStringLiteral("Poste aérienne")));
        // The grand total, its thousands grouped.
        QVERIFY2(texte.contains(QRegularExpression(QStringLiteral("1.120,5"))), qPrintable(texte));
        QVERIFY(!texte.contains(QStringLiteral("Sans cote")));
        for (const QString& lien : TousLiensInventaire())
            QVERIFY2(!TableExiste(*CnxPerso, lien), qPrintable(lien));
    }

    // One scope links only what it reads, yet a link an interrupted print left under any of the seven
    // names goes too.
    void liensLaissesSupprimes()
    {
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkCotationso"), CheminBaseCatalogue(), QStringLiteral("Cotations2001o"));
        dlgImpListeTimbres dialogue;
        dialogue.findChild<QRadioButton*>(QStringLiteral("Etendue_4"))->setChecked(true);
        QCOMPARE(dialogue.etendue(), Etendue::VarietesPersonnelles);
        dialogue.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        const QString texte = TextePdf(p->plateforme.apercus().constFirst().fichierPdf);
        QVERIFY(texte.contains(QStringLiteral("Variétés personnelles")));
        QCOMPARE(texte.count(QStringLiteral("- bord de feuille")), 2);
        QVERIFY(!texte.contains(QStringLiteral("Napoléon")));
        for (const QString& lien : TousLiensInventaire())
            QVERIFY2(!TableExiste(*CnxPerso, lien), qPrintable(lien));
    }

    void collectionVide()
    {
        ouvrir(QStringLiteral("4"), QStringLiteral("Vide"));
        dlgImpListeTimbres dialogue;
        dialogue.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        const QString texte = TextePdf(p->plateforme.apercus().constFirst().fichierPdf, 0, true);
        // Eighteen summary labels, each "0,0"; the sections' sums and the rows print nothing.
        QCOMPARE(texte.count(QStringLiteral("0,0")), 18);
        QVERIFY(texte.contains(QStringLiteral("Timbres-Poste")));
    }

    // A catalogue table that cannot be linked stops the print with the reason, and nothing is left behind.
    void lienImpossible()
    {
        {
            Connexion catalogue;
            catalogue.ouvrir(CheminBaseCatalogue(), Connexion::Mode::LectureEcriture);
            catalogue.executer(QStringLiteral("DROP TABLE Obliterations"));
        }
        dlgImpListeTimbres dialogue;
        p->plateforme.repondreMessage(Reponse::OK);
        dialogue.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().constFirst().titre, QStringLiteral("Erreur"));
        QVERIFY(p->plateforme.apercus().isEmpty());
        QVERIFY(dialogue.result() != QDialog::Accepted);
        for (const QString& lien : TousLiensInventaire())
            QVERIFY2(!TableExiste(*CnxPerso, lien), qPrintable(lien));
    }

    void ouvertParLesCollections()
    {
        auto* ecran = qobject_cast<OFormCollections*>(ChargerEcran(0));
        p->plateforme.repondreDialogue([](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
            return d.result();
        });
        ecran->BoutonListeCollection_Click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList {QStringLiteral("dlgImpListeTimbres")});
        QVERIFY(p->plateforme.apercus().isEmpty());
        for (const QString& lien : TousLiensInventaire())
            QVERIFY(!TableExiste(*CnxPerso, lien));
    }
};

ENREGISTRER_TEST(TestInventaire)
#include "test_inventaire.moc"
