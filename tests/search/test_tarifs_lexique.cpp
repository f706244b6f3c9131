// The postal-rates and glossary screens: the rates grid under its scaled headings, read once in its
// order; the glossary in French order, a chosen term with its explanation and its photograph from the
// disc, by click or keyboard.

#include "support/ControleEcran.h"
#include "data/Source.h"
#include "search/OFormLexique.h"
#include "search/OFormTarifs.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/Echelle.h"
#include "shell/Images.h"
#include "support/ImagesTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QBuffer>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int OngletTarifs = 6;
constexpr int OngletLexique = 8;

// Rates stored out of their order, with dates that sort otherwise as text, and a tenth column that
// holds something visible.
void remplirTarifs(const Connexion& cnx)
{
    const QString insertion = QStringLiteral(
        "INSERT INTO TarifsTP (Dates, CartesPostales5Mots, CartesPostales, CartesPostalesEtranger, PlisNonUrgents, "
        "PlisNonUrgents2, LettresSimples, Lettres2, LettresEtranger, ordre) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    cnx.executer(insertion,
        {QStringLiteral("01.01.1900"), QStringLiteral("0,05 F"), QStringLiteral("0,10 F"), QStringLiteral("0,10 F"),
            QStringLiteral("0,05 F"), QVariant(), QStringLiteral("0,15 F"), QStringLiteral("0,30 F"),
            QStringLiteral("0,25 F"), 10});
    cnx.executer(insertion,
        {QStringLiteral("31.12.1849"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
            QStringLiteral("0,20 F"), QStringLiteral("0,40 F"), QVariant(), 2});
    cnx.executer(insertion,
        {QStringLiteral("15.05.1878"), QVariant(), QStringLiteral("0,10 F"), QVariant(), QVariant(), QVariant(),
            QStringLiteral("0,15 F"), QVariant(), QStringLiteral("0,25 F"), 5});
}

// Terms whose French order differs from the order of their codes and from a plain comparison of
// characters: accented capitals among their letter, Œ as OE.
void remplirLexique(const Connexion& cnx)
{
    const QString insertion =
        QStringLiteral("INSERT INTO Lexique (CodeLexique, NomLexique, TexteLexique) VALUES (?, ?, ?)");
    cnx.executer(insertion, {1, QStringLiteral("Zone"), QStringLiteral("Une région.")});
    cnx.executer(insertion, {2, QStringLiteral("Église"), QStringLiteral("Un édifice.")});
    cnx.executer(insertion, {3, QStringLiteral("Essai"), QVariant()});
    cnx.executer(insertion, {4, QStringLiteral("Œillet"), QStringLiteral("Un trou.")});
    cnx.executer(insertion, {5, QStringLiteral("Oblitération"), QStringLiteral("Une marque.")});
    cnx.executer(insertion, {6, QStringLiteral("Aérogramme"), QStringLiteral("Une lettre.")});
}

void remplirCatalogue(const Connexion& cnx)
{
    remplirTarifs(cnx);
    remplirLexique(cnx);
}

// Photographs on the disc: Zone red and wide, Église blue and tall, Œillet with no picture, Aérogramme
// with bytes that are no picture; Essai and Oblitération have no row.
void remplirDisque(const Connexion& cnx)
{
    const QString insertion = QStringLiteral("INSERT INTO LexiquePCT (CodeLexique, PhotoLexique) VALUES (?, ?)");
    cnx.executer(insertion, {1, OctetsPng(Qt::red, 40, 10)});
    cnx.executer(insertion, {2, OctetsPng(Qt::blue, 10, 40)});
    cnx.executer(insertion, {4, QVariant()});
    cnx.executer(insertion, {6, QByteArray("pas une image")});
}

template <typename T> T* ctl(int onglet, const char* nom)
{
    return ControleEcran<T>(onglet, QString::fromUtf8(nom));
}

QString texte(int onglet, const char* nom)
{
    return ctl<QLabel>(onglet, nom)->text();
}

QTreeWidgetItem* terme(VueListe* liste, const QString& nom)
{
    const auto trouves = liste->findItems(nom, Qt::MatchExactly, 0);
    return trouves.isEmpty() ? nullptr : trouves.first();
}

QColor centre(BoiteImage* boite)
{
    const QImage vu = boite->contenu();
    return QColor(vu.pixel(vu.width() / 2, vu.height() / 2));
}

// The design rectangle times the factor, to the twip (the products are taken in single precision).
bool rectangleMisAEchelle(const QRect& vu, const QRect& dessin, double facteur)
{
    const auto proche = [facteur](int v, int d) { return qAbs(v - d * facteur) <= 1; };
    return proche(vu.x(), dessin.x()) && proche(vu.y(), dessin.y()) && proche(vu.width(), dessin.width())
        && proche(vu.height(), dessin.height());
}

// A control's left and right edges in the coordinates of its screen's page.
std::pair<int, int> bords(QWidget* controle, QWidget* page)
{
    const QPoint g = controle->mapTo(page, QPoint(0, 0));
    return {g.x(), g.x() + controle->width()};
}

}  // namespace

class TestTarifsLexique : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    QTemporaryDir disque;

    bool demarrer(int largeurBureau = 1024)
    {
        p = std::make_unique<ProgrammeTest>();
        p->plateforme.definirLargeurBureau(largeurBureau);
        p->dossier.creerCatalogue(remplirCatalogue);
        return p->demarrer();
    }

    // The disc in the drive, opened as another screen would open it.
    void insererDisque()
    {
        LecteurCD = disque.path();
        QVERIFY(OuvrirBaseCD());
    }

    // Shows the glossary and makes its window the active one, so that focus moves can be seen.
    OFormLexique* montrerLexique()
    {
        auto* ecran = qobject_cast<OFormLexique*>(ChargerEcran(OngletLexique));
        QWidget* fenetre = ecran->window();
        fenetre->show();
        ecran->show();
        fenetre->activateWindow();
        if (!QTest::qWaitForWindowActive(fenetre))
            return nullptr;
        return ecran;
    }

private slots:
    void initTestCase()
    {
        DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), remplirDisque);
    }

    void cleanup()
    {
        p.reset();
        LecteurCD.clear();
    }

    void echelle_data()
    {
        QTest::addColumn<int>("largeurBureau");
        QTest::addColumn<double>("facteur");
        QTest::newRow("800 pixels") << 800 << 1.0;
        QTest::newRow("1024 pixels") << 1024 << 1.28;
        QTest::newRow("640 pixels") << 640 << 0.8;
    }

    // The rates columns follow the factor so that each stays under its scaled heading and none is cut
    // off; the glossary's visible column keeps its width while its list scales.
    void echelle()
    {
        QFETCH(int, largeurBureau);
        QFETCH(double, facteur);
        QVERIFY(demarrer(largeurBureau));
        QCOMPARE(FacteurEchelle, float(facteur));

        auto* grille = ctl<QTableWidget>(OngletTarifs, "DataGrid1");
        QVERIFY(grille);
        QVERIFY(rectangleMisAEchelle(RectangleTwips(grille), QRect(120, 1260, 11655, 6315), facteur));
        QCOMPARE(grille->columnWidth(0), qRound(1800 * facteur / 15));
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(grille->columnWidth(c), qRound(1000 * facteur / 15));

        QWidget* page = ChargerEcran(OngletTarifs)->page();
        const char* entetes[] = {"Date_Étiquette", "CP5_Étiquette", "CP_Étiquette", "CPE_Étiquette",
            "PNU_Étiquette", "PNU2_Étiquette", "LS_Étiquette", "L2_Étiquette", "LE_Étiquette"};
        const QPoint origine = grille->viewport()->mapTo(page, QPoint(0, 0));
        for (int c = 0; c < 9; ++c) {
            auto* entete = ctl<QLabel>(OngletTarifs, entetes[c]);
            QVERIFY(entete);
            const auto [gauche, droite] = bords(entete, page);
            const int milieu = (gauche + droite) / 2;
            const int debutColonne = origine.x() + grille->columnViewportPosition(c);
            const int finColonne = debutColonne + grille->columnWidth(c);
            QVERIFY2(milieu >= debutColonne && milieu < finColonne, entetes[c]);
        }
        // The last rate column ends inside the grid: nothing to scroll to.
        QVERIFY(grille->columnViewportPosition(8) + grille->columnWidth(8) <= grille->viewport()->width());

        auto* liste = ctl<VueListe>(OngletLexique, "ListeLexique");
        QVERIFY(liste);
        QVERIFY(rectangleMisAEchelle(RectangleTwips(liste), QRect(60, 720, 4875, 6795), facteur));
        QCOMPARE(liste->columnWidth(0), 4500 / 15);
        QCOMPARE(liste->headerItem()->text(0), QStringLiteral("NomLexique"));
        QVERIFY(liste->isColumnHidden(1));
        QVERIFY(liste->isColumnHidden(2));
    }

    // Rows in ascending order, whatever their dates read as text; every shown column holds its value;
    // the tenth column never shows; a switch away and back reads nothing again.
    void grilleTarifs()
    {
        QVERIFY(demarrer());
        auto* grille = ctl<QTableWidget>(OngletTarifs, "DataGrid1");
        QCOMPARE(grille->rowCount(), 3);
        QCOMPARE(grille->columnCount(), 10);
        QVERIFY(grille->isColumnHidden(9));
        for (int c = 0; c < 9; ++c)
            QVERIFY(!grille->isColumnHidden(c));
        QVERIFY(grille->editTriggers() == QAbstractItemView::NoEditTriggers);

        const QStringList attendu[] = {
            {"31.12.1849", "", "", "", "", "", "0,20 F", "0,40 F", ""},
            {"15.05.1878", "", "0,10 F", "", "", "", "0,15 F", "", "0,25 F"},
            {"01.01.1900", "0,05 F", "0,10 F", "0,10 F", "0,05 F", "", "0,15 F", "0,30 F", "0,25 F"},
        };
        for (int l = 0; l < 3; ++l) {
            QStringList vu;
            for (int c = 0; c < 9; ++c)
                vu << grille->item(l, c)->text();
            QCOMPARE(vu, attendu[l]);
        }

        // A rate added afterwards would come first if the screen read the table again.
        p->dossier.creerCatalogue([](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO TarifsTP (Dates, ordre) VALUES ('01.01.1800', 1)"));
        });
        auto* ecran = ChargerEcran(OngletTarifs);
        ecran->barre()->setTab(OngletLexique);
        QVERIFY(ChargerEcran(OngletLexique)->isVisible());
        ChargerEcran(OngletLexique)->barre()->setTab(OngletTarifs);
        QVERIFY(ecran->isVisible());
        QCOMPARE(grille->rowCount(), 3);
        QCOMPARE(grille->item(0, 0)->text(), QStringLiteral("31.12.1849"));
    }

    // The terms in French order, each keeping its number and its explanation out of sight; nothing
    // chosen after the load.
    void ordreFrancais()
    {
        QVERIFY(demarrer());
        auto* liste = ctl<VueListe>(OngletLexique, "ListeLexique");
        QStringList noms;
        for (int i = 0; i < liste->nombreLignes(); ++i)
            noms << liste->ligne(i).at(0);
        QCOMPARE(noms,
            QStringList({"Aérogramme", "Église", "Essai", "Oblitération", "Œillet", "Zone"}));
        QCOMPARE(liste->ligne(1), QStringList({"Église", "2", "Un édifice."}));
        QCOMPARE(liste->ligne(2), QStringList({"Essai", "3", ""}));
        QVERIFY(texte(OngletLexique, "LabelLexiqueChoisi").isEmpty());
        QVERIFY(texte(OngletLexique, "LabelTexteLexique").isEmpty());
        QVERIFY(ctl<BoiteImage>(OngletLexique, "Picture1")->estVide());
    }

    void termeSansPhoto_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("explication");
        QTest::addColumn<bool>("avecDisque");
        QTest::newRow("pas de ligne") << QStringLiteral("Essai") << QString() << true;
        QTest::newRow("photo vide") << QStringLiteral("Œillet") << QStringLiteral("Un trou.") << true;
        QTest::newRow("octets illisibles") << QStringLiteral("Aérogramme") << QStringLiteral("Une lettre.") << true;
        QTest::newRow("pas de disque") << QStringLiteral("Église") << QStringLiteral("Un édifice.") << false;
    }

    // A term without a photograph shows its name and explanation, and clears the photograph of the term
    // chosen before; nothing is left in the program folder.
    void termeSansPhoto()
    {
        QFETCH(QString, nom);
        QFETCH(QString, explication);
        QFETCH(bool, avecDisque);
        QVERIFY(demarrer());
        insererDisque();
        auto* liste = ctl<VueListe>(OngletLexique, "ListeLexique");
        auto* photo = ctl<BoiteImage>(OngletLexique, "Picture1");
        liste->setCurrentItem(terme(liste, QStringLiteral("Zone")));
        QCOMPARE(centre(photo), QColor(Qt::red));
        if (!avecDisque) {
            LecteurCD.clear();
            OuvrirBaseCD();
        }

        const QStringList fichiers = QDir(p->dossier.chemin()).entryList(QDir::Files | QDir::Hidden);
        liste->setCurrentItem(terme(liste, nom));
        QCOMPARE(texte(OngletLexique, "LabelLexiqueChoisi"), nom);
        QCOMPARE(texte(OngletLexique, "LabelTexteLexique"), explication);
        QVERIFY(photo->estVide());
        QVERIFY(ctl<BoiteImage>(OngletLexique, "Picture2")->isHidden());
        QCOMPARE(QDir(p->dossier.chemin()).entryList(QDir::Files | QDir::Hidden), fichiers);
    }

    // A click on the chosen term chooses it again and reads its photograph again, to the same result;
    // the arrow keys choose as a click does, and the focus stays on the list.
    void choixParClicEtClavier()
    {
        QVERIFY(demarrer());
        insererDisque();
        OFormLexique* ecran = montrerLexique();
        QVERIFY(ecran);
        auto* liste = ctl<VueListe>(OngletLexique, "ListeLexique");
        auto* photo = ctl<BoiteImage>(OngletLexique, "Picture1");
        auto cliquer = [liste](const QString& nom) {
            QTreeWidgetItem* item = terme(liste, nom);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
        };

        cliquer(QStringLiteral("Église"));
        QCOMPARE(texte(OngletLexique, "LabelLexiqueChoisi"), QStringLiteral("Église"));
        const QImage premiere = photo->contenu();
        QCOMPARE(centre(photo), QColor(Qt::blue));
        // A tall photograph takes the box's height with equal bands left and right.
        const QRectF attendu = RectangleAjuste(QSizeF(10, 40), photo->size());
        QCOMPARE(QColor(premiere.pixel(int(attendu.left()) / 2, premiere.height() / 2)), photo->couleurFond());
        QVERIFY(liste->hasFocus());

        photo->effacer();
        cliquer(QStringLiteral("Église"));
        QCOMPARE(photo->contenu(), premiere);
        QCOMPARE(texte(OngletLexique, "LabelTexteLexique"), QStringLiteral("Un édifice."));

        // The next term down is Essai, without a photograph, then Oblitération, Œillet and Zone.
        QTest::keyClick(liste, Qt::Key_Down);
        QCOMPARE(texte(OngletLexique, "LabelLexiqueChoisi"), QStringLiteral("Essai"));
        QVERIFY(photo->estVide());
        QTest::keyClick(liste, Qt::Key_End);
        QCOMPARE(texte(OngletLexique, "LabelLexiqueChoisi"), QStringLiteral("Zone"));
        QCOMPARE(centre(photo), QColor(Qt::red));
        QVERIFY(liste->hasFocus());

        // Choosing from elsewhere brings the focus back to the list.
        ctl<QWidget>(OngletLexique, "SSTab9")->setFocus();
        cliquer(QStringLiteral("Aérogramme"));
        QVERIFY(liste->hasFocus());
        cliquer(QStringLiteral("Église"));
        QCOMPARE(photo->contenu(), premiere);
    }
};

ENREGISTRER_TEST(TestTarifsLexique)

#include "test_tarifs_lexique.moc"
