// The search's results seen as thumbnails and reached on the card: the pages, the pictures from the
// disc, the four ways to the card, the print guards and the département map.

#include "support/ControleEcran.h"
#include "card/Fiche.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "search/CarteDepartements.h"
#include "search/OFormRecherche.h"
#include "search/OFormRechercheDepts.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/VueResultat.h"
#include "shell/Images.h"
#include "support/ImagesTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Stamps "1" to "45" in that catalogue order: the first 20 issued in 1900, the 21st in 1901, the others
// in 1902. Stamp 3 has a variety.
void remplirCatalogue(const Connexion& cnx)
{
    for (int i = 1; i <= 45; ++i)
        cnx.executer(QStringLiteral("INSERT INTO France (Dallay, Ordre, AnneeEmission, Designation, DesignationCourt) "
                                    "VALUES (?, ?, ?, ?, ?)"),
            {QString::number(i), i, i <= 20 ? QStringLiteral("1900") : i == 21 ? QStringLiteral("1901") : QStringLiteral("1902"),
                QStringLiteral("Timbre %1").arg(i), QStringLiteral("T%1").arg(i)});
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO TypeVarietes VALUES ('Piquage à cheval');
        INSERT INTO Varietes VALUES ('3a', '3', 'Piquage à cheval', 1);
    )"));
}

// Each stamp's thumbnail is one colour of its own; stamp 7 has none.
QColor couleur(int i)
{
    return QColor::fromHsv((i * 37) % 360, 200, 200).toRgb();
}

template <typename T> T* ctl(const char* nom)
{
    return ControleEcran<T>(2, QString::fromUtf8(nom));
}

QString nomDe(const char* prefixe, int k)
{
    return QStringLiteral("%1%2").arg(QString::fromUtf8(prefixe)).arg(k);
}

// The stamp the card shows.
QString ficheCourante()
{
    return rstFrance.Champ(QStringLiteral("Dallay")).toString();
}

}  // namespace

class TestMiniatures : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    std::unique_ptr<QTemporaryDir> disque;
    OFormRecherche* r = nullptr;

    void rechercher(const QString& operateur = QStringLiteral("="), const QString& annee = {})
    {
        ctl<QComboBox>("OperateurAnnee")->setCurrentText(operateur);
        ctl<QLineEdit>("AnneeChoisie")->setText(annee);
        ctl<QPushButton>("BoutonRechercher")->click();
    }

    QLabel* numero(int k) { return ControleEcran<QLabel>(2, nomDe("Label", k)); }

    // The slots showing a number, by their number.
    QStringList slotsRemplis()
    {
        QStringList tout;
        for (int k = 1; k <= MiniaturesParPage; ++k)
            if (!numero(k)->isHidden())
                tout << numero(k)->text();
        return tout;
    }

    void selectionner(const QString& n)
    {
        auto* liste = ctl<VueResultat>("Liste");
        int trouve = -1;
        for (int i = 0; i < liste->nombreLignes() && trouve < 0; ++i)
            if (liste->texte(i, 0) == n)
                trouve = i;
        QVERIFY(trouve >= 0);
        liste->definirLigneCourante(trouve);
    }

    // After a hand-off: the card on `n`, its quick search empty, the search screen hidden.
    void verifierFiche(const QString& n)
    {
        QCOMPARE(ficheCourante(), n);
        auto* fiche = qobject_cast<OFormFiche*>(ChargerEcran(1));
        QCOMPARE(fiche->DallayChoisi()->currentText(), QString());
        QCOMPARE(fiche->barre()->Tab(), 1);
        QVERIFY(r->isHidden());
        r->show();
    }

private slots:
    void init()
    {
        disque = std::make_unique<QTemporaryDir>();
        DossierTest::creerDisque(disque->path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
            for (int i = 1; i <= 45; ++i) {
                if (i != 7)
                    cnx.executer(QStringLiteral("INSERT INTO FranceTN VALUES (?, ?)"),
                        {QString::number(i), OctetsPng(couleur(i))});
            }
        });
        p = std::make_unique<ProgrammeTest>();
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        LecteurCD = disque->path();
        r = qobject_cast<OFormRecherche*>(ChargerEcran(2));
        QVERIFY(r);
        r->show();
        ImprimerRecherche = nullptr;
    }

    void cleanup()
    {
        ImprimerRecherche = nullptr;
        LecteurCD.clear();
        p.reset();
        disque.reset();
    }

    void pages_data()
    {
        QTest::addColumn<QString>("operateur");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QStringList>("etiquettes");  // the page label, page after page
        QTest::addColumn<QList<int>>("remplis");      // the filled slots, page after page
        QTest::newRow("0") << "=" << "1800" << QStringList {"Page 0 sur 0"} << QList<int> {0};
        QTest::newRow("20") << "=" << "1900" << QStringList {"Page 1 sur 1"} << QList<int> {20};
        QTest::newRow("21") << "<=" << "1901" << QStringList {"Page 1 sur 2", "Page 2 sur 2"} << QList<int> {20, 1};
        QTest::newRow("45") << "" << "" << QStringList {"Page 1 sur 3", "Page 2 sur 3", "Page 3 sur 3"}
                            << QList<int> {20, 20, 5};
    }

    void pages()
    {
        QFETCH(QString, operateur);
        QFETCH(QString, annee);
        QFETCH(QStringList, etiquettes);
        QFETCH(QList<int>, remplis);
        // Thumbnails chosen on a first search; the next search shows its own hits from page 1.
        rechercher();
        r->choisirVisu(2);
        ctl<QPushButton>("NextBtn")->click();
        rechercher(operateur.isEmpty() ? QStringLiteral("=") : operateur, annee);
        auto* prec = ctl<QPushButton>("PrevBtn");
        auto* suiv = ctl<QPushButton>("NextBtn");
        QVERIFY(ctl<VueResultat>("Liste")->isHidden());
        for (int page = 0; page < etiquettes.size(); ++page) {
            const bool derniere = page == etiquettes.size() - 1;
            QCOMPARE(ctl<QLabel>("PageLabel")->text(), etiquettes[page]);
            QCOMPARE(prec->isEnabled(), page > 0);
            QCOMPARE(suiv->isEnabled(), !derniere);
            const QStringList vus = slotsRemplis();
            QCOMPARE(vus.size(), remplis[page]);
            for (int k = 0; k < vus.size(); ++k)
                QCOMPARE(vus[k], QString::number(page * 20 + k + 1));
            // Every slot stays in place; the empty ones show nothing.
            for (int k = remplis[page] + 1; k <= MiniaturesParPage; ++k) {
                auto* image = ControleEcran<BoiteImage>(2, nomDe("Picture", k));
                QVERIFY(!image->isHidden());
                QVERIFY(image->estVide());
                QCOMPARE(numero(k)->text(), QString());
            }
            if (!derniere)
                suiv->click();
        }
        // And back to the first page.
        for (int page = etiquettes.size() - 1; page > 0; --page)
            prec->click();
        QCOMPARE(ctl<QLabel>("PageLabel")->text(), etiquettes.first());
        QVERIFY(!prec->isEnabled());
    }

    void imagesDesMiniatures()
    {
        const QStringList avant = QDir(p->dossier.chemin()).entryList(QDir::AllEntries | QDir::Hidden);
        rechercher();
        r->choisirVisu(2);
        // Stamp 7 has no thumbnail: an empty box over its number, its neighbours with their own.
        QVERIFY(r->miniature(7).isNull());
        QVERIFY(ControleEcran<BoiteImage>(2, nomDe("Picture", 7))->estVide());
        QCOMPARE(numero(7)->text(), QStringLiteral("7"));
        QVERIFY(!numero(7)->isHidden());
        for (int k : {6, 8})
            QCOMPARE(r->miniature(k).pixel(5, 5), couleur(k).rgb());
        // On the next page slot 7 shows stamp 27, not what the slot held before.
        ctl<QPushButton>("NextBtn")->click();
        QCOMPARE(r->miniature(7).pixel(5, 5), couleur(27).rgb());
        ctl<QPushButton>("PrevBtn")->click();
        QVERIFY(r->miniature(7).isNull());
        QCOMPARE(QDir(p->dossier.chemin()).entryList(QDir::AllEntries | QDir::Hidden), avant);
    }

    void vignette()
    {
        rechercher();
        QCOMPARE(r->vignette().pixel(5, 5), couleur(1).rgb());
        selectionner(QStringLiteral("7"));
        r->Liste_ItemClick();
        // No thumbnail: the box is empty, never stamp 1's.
        QVERIFY(r->vignette().isNull());
        QVERIFY(ctl<BoiteImage>("Picture127")->estVide());
        selectionner(QStringLiteral("8"));
        r->Liste_ItemClick();
        QCOMPARE(r->vignette().pixel(5, 5), couleur(8).rgb());
    }

    void varietesSansMiniatures()
    {
        rechercher();
        ctl<QComboBox>("VarieteChoisie")->setEditText(QStringLiteral("Piquage"));
        ctl<QPushButton>("BoutonVariétés")->click();
        QCOMPARE(ctl<VueResultat>("Liste")->nombreLignes(), 1);
        p->plateforme.repondreMessage(Reponse::OK);
        r->choisirVisu(2);
        const Message m = p->plateforme.messages().value(0);
        QCOMPARE(m.texte, QStringLiteral("L'affichage des variétés en miniatures n'est pas prévue"));
        QCOMPARE(m.titre, QStringLiteral("Impossible de continuer"));
        QCOMPARE(r->Visu(), 1);
        QVERIFY(!ctl<VueResultat>("Liste")->isHidden());
        // A variety's row opens its stamp.
        r->Liste_DblClick();
        verifierFiche(QStringLiteral("3"));
    }

    void miniaturesDeListeVide()
    {
        r->choisirVisu(2);
        QVERIFY(!ctl<VueResultat>("Liste")->isHidden());
        QVERIFY(p->plateforme.messages().isEmpty());
    }

    void versLaFiche()
    {
        rechercher();
        selectionner(QStringLiteral("12"));
        r->Liste_DblClick();
        verifierFiche(QStringLiteral("12"));

        selectionner(QStringLiteral("13"));
        ctl<QPushButton>("BoutonAtteindre")->click();
        verifierFiche(QStringLiteral("13"));
        QCOMPARE(r->DallaySelection, QStringLiteral("13"));

        selectionner(QStringLiteral("14"));
        r->Picture127_Click();
        verifierFiche(QStringLiteral("14"));

        r->choisirVisu(2);
        ctl<QPushButton>("NextBtn")->click();
        r->Picture_Click(3);
        verifierFiche(QStringLiteral("23"));
        QCOMPARE(r->DallaySelection, QStringLiteral("23"));

        // An empty slot opens nothing.
        ctl<QPushButton>("NextBtn")->click();
        r->Picture_Click(6);
        QVERIFY(!r->isHidden());
        QCOMPARE(ficheCourante(), QStringLiteral("23"));
    }

    void numeroInconnuOuvreLePremier()
    {
        AtteindreFiche(QStringLiteral("999"), r);
        verifierFiche(QStringLiteral("1"));
        // "Atteindre fiche" on an empty list with nothing chosen before: the first stamp too.
        ctl<QPushButton>("BoutonAtteindre")->click();
        verifierFiche(QStringLiteral("1"));
    }

    void gardes()
    {
        int impressions = 0;
        ImprimerRecherche = [&](OFormRecherche&) { ++impressions; };
        auto* imprimer = ctl<QPushButton>("BoutonImprimer");

        p->plateforme.repondreMessage(Reponse::OK);
        r->Liste_DblClick();
        QCOMPARE(p->plateforme.messages().value(0).titre, QStringLiteral("Erreur"));
        QVERIFY(!r->isHidden());

        struct Cas {
            const char* nom;
            std::function<void()> preparer;
            bool refuse;
        } cas[] = {
            {"liste vide", [] {}, true},
            {"variétés", [&] {
                 ctl<QComboBox>("VarieteChoisie")->setEditText(QStringLiteral("Piquage"));
                 ctl<QPushButton>("BoutonVariétés")->click();
             }, true},
            // The keyword stays in its combo; the list is stamps again.
            {"timbres après variétés", [&] { rechercher(); }, false},
        };
        for (const Cas& c : cas) {
            c.preparer();
            const int avant = impressions;
            const qsizetype messages = p->plateforme.messages().size();
            if (c.refuse)
                p->plateforme.repondreMessage(Reponse::OK);
            imprimer->click();
            QCOMPARE(impressions, avant + (c.refuse ? 0 : 1));
            QCOMPARE(p->plateforme.messages().size(), messages + (c.refuse ? 1 : 0));
            if (c.refuse) {
                QCOMPARE(p->plateforme.messages().last().texte, QStringLiteral("La liste est vide"));
                QCOMPARE(p->plateforme.messages().last().titre, QStringLiteral("Impossible de continuer"));
            }
        }
    }

    void carte()
    {
        QCOMPARE(int(BoutonsDepartements.size()), 96);
        auto* dept = ctl<QLabel>("Dept");
        for (const BoutonDepartement& d : BoutonsDepartements) {
            const QString code = QString::fromLatin1(d.code);
            bool ferme = false;
            p->plateforme.repondreDialogue([&](QDialog& carte) {
                auto* b = carte.findChild<QPushButton*>(QStringLiteral("Dép") + code);
                if (!b || b->text() != code)
                    return -1;
                b->click();
                ferme = carte.result() == QDialog::Accepted;
                return carte.result();
            });
            ctl<QPushButton>("BoutonCarte")->click();
            QVERIFY2(ferme, qPrintable(code));
            QCOMPARE(dept->text(), code);
            QCOMPARE(dept->text().size(), 2);
        }
        QVERIFY(!OFormRechercheDepts().findChild<QPushButton*>(QStringLiteral("Dép96")));

        // Escape and the close box leave the choice as it was.
        for (int maniere = 0; maniere < 2; ++maniere) {
            p->plateforme.repondreDialogue([&](QDialog& carte) {
                if (maniere == 0)
                    QTest::keyClick(&carte, Qt::Key_Escape);
                else
                    carte.close();
                return carte.result();
            });
            ctl<QPushButton>("BoutonCarte")->click();
            QCOMPARE(dept->text(), QStringLiteral("97"));
        }

        // The next search uses the choice.
        rechercher();
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres, Département = 97."));
    }
};

ENREGISTRER_TEST(TestMiniatures)

#include "test_miniatures.moc"
