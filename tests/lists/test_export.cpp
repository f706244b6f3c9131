// The exchange file to the byte, and the export and on-screen dialogs as the collector works them.

#include "support/ControleEcran.h"
#include "ListesTest.h"
#include "card/FicheTest.h"
#include "lists/ExportListes.h"
#include "lists/LignesListe.h"
#include "lists/OFormDoubles.h"
#include "lists/OFormManques.h"
#include "shell/Controles.h"
#include "shell/VueResultat.h"
#include "support/Clavier.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

enum Onglet { Manques = 4, Doubles = 5 };

const QByteArray Entete = "DALLAY,NSC,NAC,NSG,OBLI,SURL\r\n";

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// Answers the export dialog: its choice typed, then OK.
std::function<int(QDialog&)> exporter(const QString& choix)
{
    return [choix](QDialog& d) -> int {
        if (!TaperDansCombo(d.findChild<QComboBox*>(QStringLiteral("ChoixExport")), choix))
            QTest::qFail("saisie impossible", __FILE__, __LINE__);
        d.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        return d.result();
    };
}

const QString AuFichier = QStringLiteral("Liste au format texte (forum d'échanges)");
const QString AEcran = QStringLiteral("Liste délimitée à l'écran");

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormDoubles* doubles = nullptr;

    // The duplicates list of collection 2, section AA: sNC (2 in NSG), sO (0 in N, 3 in O), sL (2 in N, 1 in L).
    void construireDoubles()
    {
        ouvrirCollection(QStringLiteral("2"));
        VueListe* r = doubles->ListeRubriques();
        r->topLevelItem(0)->setCheckState(0, Qt::Checked);
        doubles->BoutonCreerListe_Click();
        QCOMPARE(doubles->ListeResultat()->nombreLignes(), 3);
    }

    ReponseFichier fichier(const QString& nom)
    {
        ReponseFichier r;
        r.annule = false;
        r.fichier = QDir(p->dossier.chemin()).filePath(nom);
        return r;
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(remplirPersoListes);
        p->dossier.creerCatalogue(remplirCatalogueListes);
        QVERIFY(p->demarrer());
        doubles = qobject_cast<OFormDoubles*>(ChargerEcran(Doubles));
        QVERIFY(doubles);
    }

    void cleanup() { p.reset(); }

    void exportFichier()
    {
        construireDoubles();
        p->plateforme.repondreDialogue(exporter(AuFichier));
        p->plateforme.repondreFichier(fichier(QStringLiteral("dispo.txt")));
        doubles->BoutonExport_Click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList({"dlgExpDoubles"}));
        const DemandeFichier demande = p->plateforme.demandesFichier().value(0);
        QVERIFY(demande.enregistrer);
        QCOMPARE(demande.filtre, QStringLiteral("*.txt (fichier texte)|*.txt"));
        QCOMPARE(demande.indexFiltre, 1);
        QCOMPARE(demande.titre, QStringLiteral("Export de la mancoliste"));
        QCOMPARE(QDir(demande.dossierInitial), QDir(p->dossier.chemin()));
        QVERIFY(demande.nomFichier.isEmpty());
        QCOMPARE(lire(fichier(QStringLiteral("dispo.txt")).fichier),
            Entete + "sNC,,,2,,\r\nsO,0,,,3,\r\nsL,2,,,,1\r\n");
        QVERIFY(p->plateforme.messages().isEmpty());
    }

    void exportManques()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto* manques = qobject_cast<OFormManques*>(ChargerEcran(Manques));
        ControleEcran<QCheckBox>(Manques, QStringLiteral("ChoixOblitéré"))->click();
        manques->findChild<QLineEdit*>(QStringLiteral("TexteMotCle"))->setText(QStringLiteral("bleu"));
        manques->BoutonCrerListeSpec_Click();
        manques->ListeRubriques()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        p->plateforme.repondreDialogue(exporter(AuFichier));
        p->plateforme.repondreFichier(fichier(QStringLiteral("manco.txt")));
        manques->BoutonExport_Click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList({"dlgExpManques"}));
        // The keyword list's marks are written as the main list's are.
        QCOMPARE(lire(fichier(QStringLiteral("manco.txt")).fichier), Entete + "sN,1,,,1,\r\nsN,,,,1,\r\nsN,1,,,,\r\n");
    }

    void remplacement_data()
    {
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("oui") << int(Reponse::Oui) << Entete + "sNC,,,2,,\r\nsO,0,,,3,\r\nsL,2,,,,1\r\n";
        QTest::newRow("non") << int(Reponse::Non) << QByteArray("ancien");
    }

    void remplacement()
    {
        QFETCH(int, reponse);
        QFETCH(QByteArray, contenu);
        construireDoubles();
        const QString chemin = fichier(QStringLiteral("existant.txt")).fichier;
        ecrire(chemin, "ancien");
        int resultat = -1;
        p->plateforme.repondreDialogue([&](QDialog& d) {
            resultat = exporter(AuFichier)(d);
            return resultat;
        });
        p->plateforme.repondreFichier(fichier(QStringLiteral("existant.txt")));
        p->plateforme.repondreMessage(Reponse(reponse));
        doubles->BoutonExport_Click();
        const Message question = p->plateforme.messages().value(0);
        QCOMPARE(question.texte, QStringLiteral("Le fichier existe déjà, voulez-vous le remplacer"));
        QCOMPARE(question.boutons, Boutons::OuiNon);
        QCOMPARE(question.icone, Icone::Question);
        QCOMPARE(question.titre, TitreApplication);
        QCOMPARE(lire(chemin), contenu);
        QCOMPARE(resultat, reponse == int(Reponse::Oui) ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }

    void annulations()
    {
        construireDoubles();
        // The save dialog cancelled: nothing written, the export dialog closed.
        int resultat = -1;
        p->plateforme.repondreDialogue([&](QDialog& d) {
            resultat = exporter(AuFichier)(d);
            return resultat;
        });
        p->plateforme.repondreFichier(ReponseFichier {});
        doubles->BoutonExport_Click();
        QCOMPARE(resultat, int(QDialog::Rejected));
        QCOMPARE(QDir(p->dossier.chemin()).entryList({QStringLiteral("*.txt")}), QStringList());

        // "Annuler" of the export dialog.
        p->plateforme.repondreDialogue([](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
            return d.result();
        });
        doubles->BoutonExport_Click();
        QCOMPARE(p->plateforme.demandesFichier().size(), 1);
    }

    void cheminImpossible()
    {
        construireDoubles();
        const QString chemin = QDir(p->dossier.chemin()).filePath(QStringLiteral("absent/dispo.txt"));
        bool resteOuvert = false;
        p->plateforme.repondreDialogue([&](QDialog& d) {
            exporter(AuFichier)(d);
            resteOuvert = d.result() != QDialog::Accepted;
            d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
            return d.result();
        });
        ReponseFichier r;
        r.annule = false;
        r.fichier = chemin;
        p->plateforme.repondreFichier(r);
        p->plateforme.repondreMessage(Reponse::OK);
        doubles->BoutonExport_Click();
        QVERIFY(resteOuvert);
        const Message erreur = p->plateforme.messages().value(0);
        QCOMPARE(erreur.titre, QStringLiteral("Erreur"));
        QVERIFY2(erreur.texte.contains(chemin), qPrintable(erreur.texte));
        QVERIFY(!QFile::exists(chemin));
    }

    void choixInconnu()
    {
        construireDoubles();
        bool resteOuvert = false;
        p->plateforme.repondreDialogue([&](QDialog& d) {
            exporter(QStringLiteral("liste au format texte"))(d);
            resteOuvert = d.result() != QDialog::Accepted;
            d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
            return d.result();
        });
        p->plateforme.repondreMessage(Reponse::OK);
        doubles->BoutonExport_Click();
        QVERIFY(resteOuvert);
        QCOMPARE(p->plateforme.messages().value(0).texte, QStringLiteral("Vous devez choisir un élément dans la liste"));
        QCOMPARE(p->plateforme.messages().value(0).titre, QStringLiteral("Impossible de continuer"));
    }

    void listeEcran()
    {
        construireDoubles();
        QString texte;
        p->plateforme.repondreDialogue(exporter(AEcran));
        p->plateforme.repondreDialogue([&](QDialog& d) {
            auto* boite = d.findChild<QPlainTextEdit*>(QStringLiteral("TexteListe"));
            texte = boite->toPlainText();
            boite->appendPlainText(QStringLiteral("ajout"));
            d.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
            d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
            return d.result();
        });
        doubles->BoutonExport_Click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList({"dlgExpDoubles", "dlgDoublesEcran"}));
        QCOMPARE(texte, QStringLiteral("sNC, sO, sL"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sNC, sO, sL\najout"));
    }

    void boutonsRefuses()
    {
        // Empty list, then a list with every section unticked afterwards: both buttons refuse.
        for (int etape = 0; etape < 2; ++etape) {
            if (etape == 1) {
                construireDoubles();
                doubles->ListeRubriques()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
            }
            p->plateforme.repondreMessage(Reponse::OK);
            p->plateforme.repondreMessage(Reponse::OK);
            doubles->BoutonExport_Click();
            doubles->BoutonImprimer_Click();
            const QList<Message> messages = p->plateforme.messages();
            QCOMPARE(messages.size(), 2 * (etape + 1));
            for (const Message& m : messages) {
                QCOMPARE(m.texte, QStringLiteral("La liste est vide ou aucune rubrique n'est sélectionnée"));
                QCOMPARE(m.titre, QStringLiteral("Impossible de continuer"));
            }
        }
        QVERIFY(p->plateforme.dialoguesMontres().isEmpty());
    }

    // The sections ticked now decide for a main list only: a keyword list takes no account of them, so
    // with none ticked its screen's buttons open their dialogs.
    void motCleSansRubrique_data()
    {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QStringList>("dialogues");
        QTest::newRow("manques") << int(Manques) << QStringList({"dlgExpManques", "dlgImpManques"});
        QTest::newRow("doubles") << int(Doubles) << QStringList({"dlgExpDoubles", "dlgImpDoubles"});
    }

    void motCleSansRubrique()
    {
        QFETCH(int, onglet);
        QFETCH(QStringList, dialogues);
        auto* ecran = qobject_cast<EcranListe*>(ChargerEcran(onglet));
        QVERIFY(ecran);
        const auto bouton = [ecran](const char* nom) {
            ecran->findChild<QPushButton*>(QString::fromLatin1(nom))->click();
        };
        ouvrirCollection(QStringLiteral("2"));
        ecran->ListeRubriques()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        bouton("BoutonCreerListe");
        QVERIFY(ecran->ListeResultat()->nombreLignes() > 0);
        ecran->ListeRubriques()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        p->plateforme.repondreMessage(Reponse::OK);
        p->plateforme.repondreMessage(Reponse::OK);
        bouton("BoutonExport");
        bouton("BoutonImprimer");
        QCOMPARE(p->plateforme.messages().size(), 2);
        QCOMPARE(p->plateforme.messages().value(1).texte,
            QStringLiteral("La liste est vide ou aucune rubrique n'est sélectionnée"));
        QVERIFY(p->plateforme.dialoguesMontres().isEmpty());

        ecran->findChild<QLineEdit*>(QStringLiteral("TexteMotCle"))->setText(QStringLiteral("bleu"));
        bouton("BoutonCrerListeSpec");
        QVERIFY(ecran->ListeResultat()->nombreLignes() > 0);
        for (int i = 0; i < 2; ++i)
            p->plateforme.repondreDialogue([](QDialog& d) {
                d.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
                return d.result();
            });
        bouton("BoutonExport");
        bouton("BoutonImprimer");
        QCOMPARE(p->plateforme.messages().size(), 2);
        QCOMPARE(p->plateforme.dialoguesMontres(), dialogues);
    }

    void impressionEnregistree()
    {
        construireDoubles();
        EcranListe* ouvert = nullptr;
        DefinirImpressionListe(Doubles, [&](EcranListe& e) { ouvert = &e; });
        doubles->BoutonImprimer_Click();
        DefinirImpressionListe(Doubles, {});
        QCOMPARE(ouvert, static_cast<EcranListe*>(doubles));
    }
};

ENREGISTRER_TEST(TestExport)

#include "test_export.moc"
