// The search-result print dialog, opened from the search screen: its refusals, the list it previews
// (layout, numbering, quotations, criteria, title) and the sheets of thumbnails it prints, down to their
// geometry and the fitting of large pictures.

#include "support/ControleEcran.h"
#include "OutilsImpression.h"
#include "data/Source.h"
#include "printing/FeuillesImagettes.h"
#include "printing/ImpressionListes.h"
#include "printing/ImpressionRecherche.h"
#include "printing/dlgImpRecherche.h"
#include "search/OFormRecherche.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "support/Clavier.h"
#include "support/ImagesTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void perso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral("INSERT INTO CorrespID VALUES ('1', 'P-1');"));
}

template <typename T> T* controle(QDialog& d, const char* nom)
{
    return d.findChild<T*>(QString::fromLatin1(nom));
}

// One line per picture of the PDF, as pdfimages lists them (its colour space among the columns).
QStringList ListeImagesPdf(const QString& fichier)
{
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fichier});
    p.waitForFinished();
    // Two heading lines come first.
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

}  // namespace

class TestImpressionRecherche : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormRecherche* r = nullptr;

    void rechercher(const QString& annee = {})
    {
        ControleEcran<QComboBox>(2, QStringLiteral("OperateurAnnee"))->setCurrentText(QStringLiteral(">="));
        ControleEcran<QLineEdit>(2, QStringLiteral("AnneeChoisie"))->setText(annee);
        ControleEcran<QPushButton>(2, QStringLiteral("BoutonRechercher"))->click();
    }

    // Opens the dialog from the search screen and works it with `script`.
    void imprimer(std::function<void(QDialog&)> script)
    {
        p->plateforme.repondreDialogue([script](QDialog& d) {
            script(d);
            return d.result();
        });
        r->BoutonImprimer_Click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList {QStringLiteral("dlgImpRecherche")});
    }

    // The texts are typed before the presentation is chosen: "Imagettes" disables their boxes.
    static void choisir(QDialog& d, const QString& presentation, const QString& cote, const QString& affichage)
    {
        if (!cote.isNull())
            QVERIFY(TaperDansCombo(controle<QComboBox>(d, "ChoixCote"), cote));
        if (!affichage.isNull())
            QVERIFY(TaperDansCombo(controle<QComboBox>(d, "ChoixAffichage"), affichage));
        if (!presentation.isEmpty()) {
            auto* c = controle<QComboBox>(d, "ChoixPresentation");
            c->setCurrentText(presentation);
            emit c->activated(c->currentIndex());
        }
        controle<QPushButton>(d, "OKButton")->click();
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(perso);
        p->dossier.creerCatalogue(CatalogueTroisTimbres);
        QVERIFY(p->demarrer());
        r = qobject_cast<OFormRecherche*>(ChargerEcran(2));
        QVERIFY(r);
        QVERIFY(ImprimerRecherche);
        rechercher(QStringLiteral("1849"));
    }

    void cleanup() { p.reset(); }

    void liste_data()
    {
        QTest::addColumn<QString>("cote");
        QTest::addColumn<QString>("affichage");
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QStringList>("absents");
        QTest::newRow("d'emblée") << QString() << QString() << "Michel"
                                  << QStringList {"M1", "Cérès", "Napoléon", "Présidence"}
                                  << QStringList {"P-1", "1234", "IDPerso"};
        QTest::newRow("numérotation personnelle") << ChoixNumerotationPerso << ChoixSansCotes << "IDPerso"
                                                  << QStringList {"P-1", "Cérès"} << QStringList {"M1", "M2"};
        // The prices as the statement returns them, in the locale's writing.
        QTest::newRow("avec les cotes") << ChoixMichel << ChoixAvecCotes << "Michel"
                                        << QStringList {"1234,5", "6,5", "M2"} << QStringList {"1234.5", "6.5"};
    }

    void liste()
    {
        QFETCH(QString, cote);
        QFETCH(QString, affichage);
        QFETCH(QString, entete);
        QFETCH(QStringList, presents);
        QFETCH(QStringList, absents);
        imprimer([&](QDialog& d) { choisir(d, {}, cote, affichage); });
        QVERIFY(p->plateforme.messages().isEmpty());
        QCOMPARE(p->plateforme.apercus().size(), 1);
        QCOMPARE(p->plateforme.apercus().constFirst().titre, QStringLiteral("Recherche"));
        const QString texte = TextePdf(p->plateforme.apercus().constFirst().fichierPdf, 0, true);
        QVERIFY2(LigneAvec(texte, QStringLiteral("Dallay")).contains(entete), qPrintable(texte));
        for (const QString& t : presents)
            QVERIFY2(texte.contains(t), qPrintable(t + QStringLiteral("\n") + texte));
        for (const QString& t : absents)
            QVERIFY2(!texte.contains(t), qPrintable(t + QStringLiteral("\n") + texte));
        // The links lived for the print only.
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkCotations")));
    }

    // The heading repeats the search's criteria as written; with no collection open the title names none.
    void entete()
    {
        QVERIFY(r->TexteCritère().contains(QStringLiteral("1849")));
        // No collection open, as after a close: the name shown is empty.
        {
            const QSignalBlocker sansAnnonce(&LaCollectionOuverte());
            LaCollectionOuverte().fermer();
        }
        imprimer([](QDialog& d) { choisir(d, {}, {}, {}); });
        const QString texte = TextePdf(p->plateforme.apercus().constFirst().fichierPdf);
        QVERIFY2(texte.contains(r->TexteCritère()), qPrintable(texte));
        const QStringList lignes = texte.split(u'\n');
        QVERIFY2(lignes.contains(QStringLiteral("Collection")), qPrintable(texte));
    }

    void refus_data()
    {
        QTest::addColumn<QString>("presentation");
        QTest::addColumn<QString>("cote");
        QTest::addColumn<QString>("affichage");
        QTest::addColumn<QString>("message");
        QTest::newRow("autre casse") << QString() << "michel" << QString() << "Vous devez choisir une numérotation secondaire";
        QTest::newRow("numérotation vide") << QString() << "" << QString() << "Vous devez choisir une numérotation secondaire";
        QTest::newRow("affichage tapé") << QString() << QString() << "Avec cotes" << "Vous devez choisir un élement de chacune des listes";
        // The boxes the sheets do not use are checked all the same.
        QTest::newRow("imagettes, numérotation fausse") << ChoixImagettes << "Dallay" << QString()
                                                        << "Vous devez choisir une numérotation secondaire";
    }

    void refus()
    {
        QFETCH(QString, presentation);
        QFETCH(QString, cote);
        QFETCH(QString, affichage);
        QFETCH(QString, message);
        p->plateforme.repondreMessage(Reponse::OK);
        bool ferme = false;
        imprimer([&](QDialog& d) {
            connect(&d, &QDialog::finished, &d, [&] { ferme = true; });
            choisir(d, presentation, cote, affichage);
        });
        QCOMPARE(p->plateforme.messages().size(), 1);
        const Message m = p->plateforme.messages().constFirst();
        QCOMPARE(m.texte, message);
        QCOMPARE(m.titre, QStringLiteral("Impossible de continuer"));
        QCOMPARE(m.icone, Icone::Exclamation);
        QVERIFY(!ferme);
        QVERIFY(p->plateforme.apercus().isEmpty());
        QVERIFY(p->plateforme.impressions().isEmpty());
    }

    void presentation()
    {
        dlgImpRecherche d(r->TexteSQL(), r->TexteCritère(), {});
        QCOMPARE(d.windowTitle(), QStringLiteral("Imprimer le résultat de la recherche"));
        auto* ok = controle<QPushButton>(d, "OKButton");
        QCOMPARE(d.ChoixPresentation()->currentText(), ChoixListe);
        QCOMPARE(ok->text(), QStringLiteral("Aperçu / Imprimer"));
        d.ChoixPresentation()->setCurrentText(ChoixImagettes);
        d.ChoixPresentation_Click();
        QCOMPARE(ok->text(), QStringLiteral("Impression directe"));
        for (const char* nom : {"ChoixCote", "ChoixAffichage", "Label1", "Label4"})
            QVERIFY2(!controle<QWidget>(d, nom)->isEnabled(), nom);
        QCOMPARE(d.ChoixCote()->currentText(), ChoixMichel);
        d.ChoixPresentation()->setCurrentText(ChoixListe);
        d.ChoixPresentation_Click();
        QVERIFY(d.ChoixCote()->isEnabled());
        QCOMPARE(ok->text(), QStringLiteral("Aperçu / Imprimer"));
    }

    void annuler()
    {
        imprimer([](QDialog& d) { controle<QPushButton>(d, "CancelButton")->click(); });
        QVERIFY(p->plateforme.messages().isEmpty());
        QVERIFY(p->plateforme.apercus().isEmpty());
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
    }

    // Printing from the preview with no printer says so in the layout's words.
    void sansImprimante()
    {
        p->plateforme.imprimerDepuisApercu(false);
        p->plateforme.repondreMessage(Reponse::OK);
        imprimer([](QDialog& d) { choisir(d, {}, {}, {}); });
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().constFirst().texte,
            QStringLiteral("Une erreur d'impression s'est produite. Il n' y a peut-être pas d'imprimante installée."));
    }

    void geometrie_data()
    {
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("1") << 1 << 0 << 0 << 0;
        QTest::newRow("10") << 10 << 0 << 9000 << 0;
        QTest::newRow("11") << 11 << 0 << 0 << 1500;
        QTest::newRow("15") << 15 << 0 << 4000 << 1500;
        QTest::newRow("100") << 100 << 0 << 9000 << 13500;
        QTest::newRow("101") << 101 << 1 << 0 << 0;
        QTest::newRow("115") << 115 << 1 << 4000 << 1500;
        QTest::newRow("201") << 201 << 2 << 0 << 0;
    }

    void geometrie()
    {
        QFETCH(int, j);
        QFETCH(int, page);
        QFETCH(int, x);
        QFETCH(int, y);
        const PlaceImagette place = PlacerImagette(j);
        QCOMPARE(place.page, page);
        QCOMPARE(place.x, x);
        QCOMPARE(place.y, y);
    }

    void ajustement_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<bool>("naturelle");
        QTest::addColumn<double>("largeur");
        QTest::addColumn<double>("hauteur");
        const double mm = 1440 / 25.4;
        QTest::newRow("10 x 10") << 10.0 << 10.0 << true << 10 * mm << 10 * mm;
        QTest::newRow("8 x 6") << 8.0 << 6.0 << true << 8 * mm << 6 * mm;
        QTest::newRow("10,01 x 5") << 10.01 << 5.0 << false << 1000.0 << 1000 * 5 / 10.01;
        QTest::newRow("20 x 20") << 20.0 << 20.0 << false << 1000.0 << 1000.0;
        QTest::newRow("12 x 8") << 12.0 << 8.0 << false << 1000.0 << 666.6667;
        QTest::newRow("30 x 20") << 30.0 << 20.0 << false << 1000.0 << 666.6667;
        QTest::newRow("20 x 30") << 20.0 << 30.0 << false << 666.6667 << 1000.0;
        QTest::newRow("5 x 12") << 5.0 << 12.0 << false << 416.6667 << 1000.0;
    }

    void ajustement()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(bool, naturelle);
        QFETCH(double, largeur);
        QFETCH(double, hauteur);
        const TailleImagette t = AjusterImagette(w, h);
        QCOMPARE(t.naturelle, naturelle);
        QVERIFY2(qAbs(t.largeur - largeur) < 0.01, qPrintable(QString::number(t.largeur)));
        QVERIFY2(qAbs(t.hauteur - hauteur) < 0.01, qPrintable(QString::number(t.hauteur)));
    }

    // A hundred to a page, in the given order; a number without a thumbnail gets no picture, never the last one.
    void feuilles()
    {
        QTemporaryDir dossier;
        QStringList numeros;
        for (int i = 1; i <= 101; ++i)
            numeros << QStringLiteral("N%1").arg(i);
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(dossier.filePath(QStringLiteral("feuilles.pdf")));
        QImage carre(60, 60, QImage::Format_RGB32);
        carre.fill(Qt::red);
        QVERIFY(PeindreImagettes(imprimante, numeros, [&](const QString& n) {
            return n == QStringLiteral("N7") ? QImage() : carre;
        }));
        const QString pdf = dossier.filePath(QStringLiteral("feuilles.pdf"));
        QCOMPARE(NombrePagesPdf(pdf), 2);
        QCOMPARE(ListeImagesPdf(pdf).size(), 100);
        const QString premiere = TextePdf(pdf, 1);
        QVERIFY(premiere.contains(QStringLiteral("N100")));
        QVERIFY(!premiere.contains(QStringLiteral("N101")));
        QVERIFY(premiere.contains(QStringLiteral("N7")));
        QCOMPARE(TextePdf(pdf, 2).trimmed(), QStringLiteral("N101"));
    }

    // From the search screen: the colour question, then the sheets on the default printer, from a copy of
    // the numbers, each with its thumbnail from the disc (stamp 3 has none there).
    void imagettes_data()
    {
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<QString>("couleurs");  // of the pictures, as pdfimages names them
        QTest::newRow("en couleur") << Reponse::Oui << "rgb";
        QTest::newRow("en noir et blanc") << Reponse::Non << "gray";
    }

    void imagettes()
    {
        QFETCH(Reponse, reponse);
        QFETCH(QString, couleurs);
        QTemporaryDir disque;
        DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO FranceTN VALUES ('1', ?)"), {OctetsPng(Qt::red)});
            cnx.executer(QStringLiteral("INSERT INTO FranceTN VALUES ('2', ?)"), {OctetsPng(Qt::blue)});
        });
        LecteurCD = disque.path();
        rechercher();
        const int position = r->rstRechercheTN().AbsolutePosition();
        p->plateforme.repondreMessage(reponse);
        imprimer([](QDialog& d) { choisir(d, ChoixImagettes, {}, {}); });
        LecteurCD.clear();
        QCOMPARE(p->plateforme.messages().size(), 1);
        const Message m = p->plateforme.messages().constFirst();
        QCOMPARE(m.texte, QStringLiteral("Voulez-vous imprimer en couleur"));
        QCOMPARE(m.titre, QStringLiteral("Type d'impression"));
        QCOMPARE(m.boutons, Boutons::OuiNon);
        QCOMPARE(m.icone, Icone::Question);
        QCOMPARE(m.boutonParDefaut, 1);
        QCOMPARE(p->plateforme.impressions().size(), 1);
        const QString pdf = p->plateforme.impressions().constFirst().fichierPdf;
        QCOMPARE(TextePdf(pdf).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts),
            (QStringList {"1", "2", "3"}));
        const QStringList images = ListeImagesPdf(pdf);
        QCOMPARE(images.size(), 2);
        for (const QString& image : images)
            QVERIFY2(image.contains(u' ' + couleurs + u' '), qPrintable(image));
        QCOMPARE(r->rstRechercheTN().AbsolutePosition(), position);
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
    }

    // No printer: said before anything is asked, and nothing printed.
    void imagettesSansImprimante()
    {
        p->plateforme.definirImprimanteParDefaut(false);
        p->plateforme.repondreMessage(Reponse::OK);
        imprimer([](QDialog& d) { choisir(d, ChoixImagettes, {}, {}); });
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().constFirst().texte,
            QStringLiteral("Une erreur d'impression s'est produite. Il n' y a peut-être pas d'imprimante installée."));
        QVERIFY(p->plateforme.impressions().isEmpty());
    }
};

ENREGISTRER_TEST(TestImpressionRecherche)
#include "test_recherche.moc"
