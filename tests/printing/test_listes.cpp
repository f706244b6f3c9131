// The want-list and duplicates print dialogs: their refusals, what each choice prints (statement,
// columns, formats, heading) read back from the rendered PDF, the title, and the links of a print.

#include "support/ControleEcran.h"
#include "OutilsImpression.h"
#include "data/Source.h"
#include "lists/EcranListe.h"
#include "lists/RequetesListes.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/VueResultat.h"
#include "printing/ImpressionListes.h"
#include "printing/dlgImpDoubles.h"
#include "printing/dlgImpManques.h"
#include "shell/CollectionOuverte.h"
#include "support/Clavier.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// Collection 2 holds 1 in N with two duplicates in N and one in O; 2 and 3 are wanted in N.
void perso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Ma première collection', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO CorrespID VALUES ('1', 'P-1');
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN, QteDoubleO) VALUES (2, '1', -1, 1, 100, 2, 1);
    )"));
}

OptionsListe options()
{
    OptionsListe o;
    o.collection = QStringLiteral("2");
    o.rubriques = {QStringLiteral("AA")};
    o.etats.neuf = true;
    return o;
}

// Types the choices that are given into their boxes, as the collector does.
bool choisir(QDialog& d, const QString& cote, const QString& affichage)
{
    if (!cote.isEmpty() && !TaperDansCombo(d.findChild<QComboBox*>(QStringLiteral("ChoixCote")), cote))
        return false;
    return affichage.isEmpty() || TaperDansCombo(d.findChild<QComboBox*>(QStringLiteral("ChoixAffichage")), affichage);
}

void cliquer(QDialog& d, const char* bouton)
{
    d.findChild<QPushButton*>(QString::fromLatin1(bouton))->click();
}

}  // namespace

class TestImpressionListes : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;

    void imprimer(QDialog& dialogue, const QString& cote, const QString& affichage)
    {
        QVERIFY(choisir(dialogue, cote, affichage));
        cliquer(dialogue, "OKButton");
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(perso);
        p->dossier.creerCatalogue(CatalogueTroisTimbres);
        QVERIFY(p->demarrer());
        LaCollectionOuverte().ouvrir(QStringLiteral("2"), QStringLiteral("Ma première collection"));
    }

    void cleanup() { p.reset(); }

    void ceQuiEstImprime_data()
    {
        QTest::addColumn<bool>("manques");
        QTest::addColumn<QString>("cote");
        QTest::addColumn<QString>("affichage");
        QTest::addColumn<QString>("entete");
        // Each listed stamp's printed line; a stamp absent from the list has no line.
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("absents");

        QTest::newRow("manques d'emblée") << true << QString() << QString() << "Dallay Michel Année"
                                          << QStringList {"2 M2 1852 Napoléon x", "3 1853 Présidence x"}
                                          << QStringList {"Cérès"};
        // Every condition's price, asked for or not; none where the catalogue has no price.
        QTest::newRow("manques avec les cotes") << true << ChoixNumerotationPerso << ChoixAvecCotes
                                                << "Dallay IDPerso Année"
                                                << QStringList {"2 1852 Napoléon 1234,5", "3 1853 Présidence"}
                                                << QStringList {"M2", "x"};
        QTest::newRow("doubles d'emblée") << false << QString() << QString() << "Dallay Michel Année"
                                          << QStringList {"1 M1 1849 Cérès x x"} << QStringList {"Napoléon", "P-1"};
        QTest::newRow("doubles avec les quantités") << false << ChoixMichel << ChoixAvecQuantites << "Dallay Michel Année"
                                                    << QStringList {"1 M1 1849 Cérès 2 1"} << QStringList {"Napoléon"};
        // Prices only where duplicates are held: not NC's 6,5.
        QTest::newRow("doubles avec les cotes") << false << ChoixIDPerso << ChoixAvecCotes << "Dallay IDPerso Année"
                                                << QStringList {"1 P-1 1849 Cérès 10,0 4,0"} << QStringList {"6,5", "M1"};
        // Typed in lower case: not "Michel", so the personal number.
        QTest::newRow("doubles michel tapé") << false << "michel" << ChoixSansQuantites << "Dallay IDPerso Année"
                                             << QStringList {"1 P-1 1849 Cérès x x"} << QStringList {"M1"};
    }

    void ceQuiEstImprime()
    {
        QFETCH(bool, manques);
        QFETCH(QString, cote);
        QFETCH(QString, affichage);
        QFETCH(QString, entete);
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, absents);

        const ListeConstruite l = manques ? ConstruireManques(options()) : ConstruireDoubles(options());
        QCOMPARE(l.refus, Refus::Aucun);
        std::unique_ptr<QDialog> dialogue;
        if (manques)
            dialogue = std::make_unique<dlgImpManques>(l.rapport, l.genre);
        else
            dialogue = std::make_unique<dlgImpDoubles>(l.rapport, l.rapport2, l.genre);
        imprimer(*dialogue, cote, affichage);

        QCOMPARE(dialogue->result(), int(QDialog::Accepted));
        QVERIFY(dialogue->isHidden());
        QCOMPARE(p->plateforme.apercus().size(), 1);
        const DocumentRendu rendu = p->plateforme.apercus().constFirst();
        QCOMPARE(rendu.titre, manques ? QStringLiteral("Mancoliste") : QStringLiteral("Dispoliste"));
        QCOMPARE(rendu.orientation, QPageLayout::Portrait);
        const QString texte = TextePdf(rendu.fichierPdf, 0, true);
        // Too long for its box at bold 14 points, the title prints smaller but whole.
        QVERIFY2(texte.contains(QStringLiteral("Collection MA PREMIÈRE COLLECTION")), qPrintable(texte));
        QVERIFY(texte.contains(manques ? QStringLiteral("Mancoliste") : QStringLiteral("Dispoliste")));
        QVERIFY(texte.contains(QStringLiteral("Page 1 sur 1")));
        QVERIFY2(LigneAvec(texte, QStringLiteral("Dallay")).startsWith(entete), qPrintable(LigneAvec(texte, QStringLiteral("Dallay"))));
        QStringList imprimees;
        for (const QString& l2 : texte.split(QLatin1Char('\n')))
            imprimees << l2.simplified();
        for (const QString& ligne : lignes)
            QVERIFY2(imprimees.contains(ligne), qPrintable(QStringLiteral("« %1 » absent de :\n%2").arg(ligne, texte)));
        for (const QString& absent : absents) {
            for (const QString& l2 : texte.split(QLatin1Char('\n')))
                if (l2.contains(QStringLiteral("Cérès")) || l2.contains(QStringLiteral("Napoléon")) || l2.contains(QStringLiteral("Présidence")))
                    QVERIFY2(!l2.split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(absent), qPrintable(l2));
        }
        // The links lived for the print only.
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkCotations")));
    }

    void refus_data()
    {
        QTest::addColumn<bool>("manques");
        QTest::addColumn<QString>("cote");
        QTest::addColumn<QString>("affichage");
        QTest::addColumn<QString>("message");
        QTest::newRow("manques michel") << true << "michel" << QString() << "Vous devez choisir une numérotation secondaire";
        QTest::newRow("manques affichage tapé") << true << QString() << "Avec les cote"
                                               << "Vous devez choisir un élement de chacune des listes";
        QTest::newRow("doubles affichage tapé") << false << QString() << "Avec les quantites"
                                               << "Vous devez choisir un élement de chacune des listes";
    }

    void refus()
    {
        QFETCH(bool, manques);
        QFETCH(QString, cote);
        QFETCH(QString, affichage);
        QFETCH(QString, message);
        const ListeConstruite l = manques ? ConstruireManques(options()) : ConstruireDoubles(options());
        std::unique_ptr<QDialog> dialogue;
        if (manques)
            dialogue = std::make_unique<dlgImpManques>(l.rapport, l.genre);
        else
            dialogue = std::make_unique<dlgImpDoubles>(l.rapport, l.rapport2, l.genre);
        p->plateforme.repondreMessage(Reponse::OK);
        imprimer(*dialogue, cote, affichage);
        QCOMPARE(p->plateforme.messages().size(), 1);
        const Message m = p->plateforme.messages().constFirst();
        QCOMPARE(m.texte, message);
        QCOMPARE(m.titre, QStringLiteral("Impossible de continuer"));
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(dialogue->result(), 0);
        QVERIFY(p->plateforme.apercus().isEmpty());
        // The choices stay for the user to mend.
        if (!cote.isEmpty())
            QCOMPARE(dialogue->findChild<QComboBox*>(QStringLiteral("ChoixCote"))->currentText(), cote);
    }

    void annuler()
    {
        const ListeConstruite l = ConstruireManques(options());
        dlgImpManques dialogue(l.rapport, l.genre);
        cliquer(dialogue, "CancelButton");
        QCOMPARE(dialogue.result(), int(QDialog::Rejected));
        QVERIFY(p->plateforme.apercus().isEmpty());
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
    }

    // A statement that fails says why rather than showing an empty report, and leaves no link behind.
    void instructionEnEchec()
    {
        Instruction fautive {QStringLiteral("SELECT Dallay FROM LinkFrance WHERE ColonneAbsente = ?"), {1}};
        dlgImpManques dialogue(fautive, GenreListe::Manques);
        p->plateforme.repondreMessage(Reponse::OK);
        cliquer(dialogue, "OKButton");
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().constFirst().titre, QStringLiteral("Erreur"));
        QVERIFY(p->plateforme.messages().constFirst().texte.contains(QStringLiteral("ColonneAbsente")));
        QVERIFY(p->plateforme.apercus().isEmpty());
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkCotations")));
    }

    // The list screens' "Imprimer" opens these dialogs on what their last build left.
    void ouvertsParLesListes_data()
    {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("dialogue");
        QTest::addColumn<QString>("designation");
        QTest::newRow("manques") << 4 << "dlgImpManques" << "Napoléon";
        QTest::newRow("doubles") << 5 << "dlgImpDoubles" << "Cérès";
    }

    void ouvertsParLesListes()
    {
        QFETCH(int, onglet);
        QFETCH(QString, dialogue);
        QFETCH(QString, designation);
        auto* ecran = qobject_cast<EcranListe*>(ChargerEcran(onglet));
        QVERIFY(ecran);
        ecran->ListeRubriques()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        if (auto* neuf = ecran->findChild<QCheckBox*>(QStringLiteral("ChoixNeuf")))
            neuf->setChecked(true);
        ecran->BoutonCreerListe_Click();
        QVERIFY(ecran->ListeResultat()->nombreLignes() > 0);
        p->plateforme.repondreDialogue([](QDialog& d) {
            cliquer(d, "OKButton");
            return d.result();
        });
        ecran->BoutonImprimer_Click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList {dialogue});
        QCOMPARE(p->plateforme.apercus().size(), 1);
        QVERIFY(TextePdf(p->plateforme.apercus().constFirst().fichierPdf).contains(designation));
    }

    // After a keyword build the dialogs print its statement with the links it reads, never "Erreur".
    void listeParMotCle_data()
    {
        QTest::addColumn<bool>("manques");
        QTest::newRow("manques") << true;
        QTest::newRow("doubles") << false;
    }

    void listeParMotCle()
    {
        QFETCH(bool, manques);
        OptionsListe o = options();
        o.motCle = QStringLiteral("bleu");
        const ListeConstruite l = manques ? ConstruireManquesMotCle(o) : ConstruireDoublesMotCle(o);
        QCOMPARE(l.refus, Refus::Aucun);
        std::unique_ptr<QDialog> dialogue;
        if (manques)
            dialogue = std::make_unique<dlgImpManques>(l.rapport, l.genre);
        else
            dialogue = std::make_unique<dlgImpDoubles>(l.rapport, l.rapport2, l.genre);
        cliquer(*dialogue, "OKButton");
        QVERIFY(p->plateforme.messages().isEmpty());
        QCOMPARE(p->plateforme.apercus().size(), 1);
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkVarietes")));
    }

    void titre()
    {
        QCOMPARE(TitreCollection(QStringLiteral("Ma première collection")), QStringLiteral("Collection MA PREMIÈRE COLLECTION"));
        QCOMPARE(TitreCollection(QStringLiteral("Œuvres d'art")), QStringLiteral("Collection ŒUVRES D'ART"));
        QCOMPARE(NomCollectionOuverte(), QStringLiteral("Ma première collection"));
    }

    void entrees()
    {
        const ListeConstruite l = ConstruireDoubles(options());
        dlgImpDoubles doubles(l.rapport, l.rapport2, l.genre);
        QCOMPARE(doubles.windowTitle(), QStringLiteral("Imprimer la dispoliste"));
        auto* affichage = doubles.findChild<QComboBox*>(QStringLiteral("ChoixAffichage"));
        QCOMPARE(affichage->currentText(), ChoixSansQuantites);
        QCOMPARE(affichage->count(), 3);
        QCOMPARE(doubles.findChild<QComboBox*>(QStringLiteral("ChoixCote"))->itemText(1), ChoixIDPerso);
        dlgImpManques manques(l.rapport, l.genre);
        QCOMPARE(manques.windowTitle(), QStringLiteral("Imprimer la mancoliste"));
        QCOMPARE(manques.findChild<QComboBox*>(QStringLiteral("ChoixCote"))->currentText(), ChoixMichel);
        QCOMPARE(manques.findChild<QComboBox*>(QStringLiteral("ChoixAffichage"))->itemText(1), ChoixAvecCotes);
        QVERIFY(manques.findChild<QPushButton*>(QStringLiteral("OKButton"))->isDefault());
    }
};

ENREGISTRER_TEST(TestImpressionListes)
#include "test_listes.moc"
