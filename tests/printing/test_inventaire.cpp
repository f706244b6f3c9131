// The collection's inventory as the user prints it: the dialog's print read back from the PDF, the links
// it leaves behind, and the way from the collections screen.

#include "support/ControleEcran.h"
#include "InventaireTest.h"
#include "OutilsImpression.h"
#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "printing/AffichageEtat.h"
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

class TestInventaire : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;

    void ouvrir(const QString& code, const QString& nom)
    {
        LaCollectionOuverte().ouvrir(code, nom);
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(persoInventaire);
        p->dossier.creerCatalogue(catalogueInventaire);
        QVERIFY(p->demarrer());
        ouvrir(QStringLiteral("2"), QStringLiteral("Ma première collection"));
    }

    void cleanup() { p.reset(); }

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
