// The quick-entry screen: what it lists and marks, the years it offers, its refusals, the thumbnail and
// the way to the card; and the ticking of one condition for the selected stamps, against what is stored.

#include "support/ControleEcran.h"
#include "card/Fiche.h"
#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "lists/OFormSaisieRapide.h"
#include "lists/SaisieRapide.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/Images.h"
#include "shell/VueResultat.h"
#include "support/ImagesTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Onglet { Fiche = 1, SaisieRapide = 3 };

// Section AA: 1 (1849), 2 (1849, no designation), 10 and 3 (1850; 10 comes first in catalogue order).
// Section AE: PA1 (1927) and PA2 (no year). Section A'B (a quote in its code): Q1 (1950).
// Quotations: 1 in N and O, 2 has a row without N, 3 in N, PA1 in N; 10 has no row.
void catalogueSaisie(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Rubriques VALUES ('AA', 'Timbres-Poste', 1);
        INSERT INTO Rubriques VALUES ('AE', 'Poste aérienne', 2);
        INSERT INTO Rubriques VALUES ('A''B', 'Rubrique à apostrophe', 3);
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('1', 10, '1849', 'Cérès', 'AA');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('2', 20, '1849', NULL, 'AA');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('3', 40, '1850', 'Napoléon', 'AA');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('10', 30, '1850', 'Présidence', 'AA');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('PA1', 100, '1927', 'Avion', 'AE');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('PA2', 110, NULL, 'Avion 2', 'AE');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, DesignationCourt, Rubrique) VALUES ('Q1', 200, '1950', 'Quote', 'A''B');
        INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('1', 10, 4);
        INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('2', NULL, 1);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('3', 5);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('PA1', 2);
    )"));
}

// Collection 2 holds 1: N (-1), NC (0), O stored as 1 (not the Yes of the database), L (-1), off the
// want list, with copies, quality, duplicates and a comment. Collection 3 holds 3 in N.
void persoSaisie(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Mes timbres', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Collection (Collection, Dallay, QteN, EtatN, QtesN, QteNC, QteNSG, QteO, EtatO, QtesO, QteL,
                                QteDoubleN, NePasAcquerir, commentaire)
            VALUES (2, '1', -1, 80, 4, 0, NULL, 1, 60, 2, -1, 3, -1, 'bord de feuille');
        INSERT INTO Collection (Collection, Dallay, QteN, EtatN, QtesN) VALUES (3, '3', -1, 100, 1);
    )"));
}

template <typename T> T* ctlSaisie(const char* nom)
{
    return ControleEcran<T>(SaisieRapide, QString::fromUtf8(nom));
}

VueResultat* listeRapide()
{
    return ctlSaisie<VueResultat>("ListeRapide");
}

QStringList lignesRapides()
{
    QStringList tout;
    for (int i = 0; i < listeRapide()->nombreLignes(); ++i)
        tout << listeRapide()->ligne(i).join(QLatin1Char('|'));
    return tout;
}

// The stored row of a stamp in collection 2, every column in order, or "" when there is none.
QString rangee(const QString& dallay)
{
    Requete r = CnxPerso->preparer(QStringLiteral("SELECT * FROM Collection WHERE Collection = 2 AND Dallay = ?"));
    r.lier(1, dallay);
    QStringList valeurs;
    if (r.suivante()) {
        for (int i = 0; i < r.nombreColonnes(); ++i)
            valeurs << (r.colonne(i).isNull() ? QStringLiteral("-") : r.colonne(i).toString());
    }
    return valeurs.join(QLatin1Char('|'));
}

int ligneDe(const QString& dallay)
{
    for (int i = 0; i < listeRapide()->nombreLignes(); ++i)
        if (listeRapide()->texte(i, 0) == dallay)
            return i;
    return -1;
}

void selectionner(const QStringList& dallays)
{
    listeRapide()->clearSelection();
    for (const QString& d : dallays) {
        const QModelIndex ligne = listeRapide()->model()->index(ligneDe(d), 0);
        QVERIFY2(ligne.isValid(), qPrintable(d));
        listeRapide()->selectionModel()->select(ligne, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        listeRapide()->selectionModel()->setCurrentIndex(ligne, QItemSelectionModel::NoUpdate);
    }
}

}  // namespace

class TestSaisieRapide : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormSaisieRapide* s = nullptr;

    void choisirSection(const QString& code)
    {
        auto* rubrique = ctlSaisie<ComboDonnees>("RubriqueChoisie");
        rubrique->definirBoundText(code);
        s->RubriqueChoisie_Click();
    }

    // Gives the focus to the year combo, as the user does, and chooses `annee` in what it offers.
    void choisirAnnee(const QString& annee)
    {
        auto* combo = ctlSaisie<ComboDonnees>("AnneeChoisie");
        s->AnneeChoisie_GotFocus();
        combo->definirBoundText(annee);
        QCOMPARE(combo->BoundText(), annee);
    }

    void afficher(const QString& rubrique, const QString& annee)
    {
        choisirSection(rubrique);
        if (!annee.isEmpty())
            choisirAnnee(annee);
        s->BoutonAfficher_Click();
    }

    void choisirEtat(int option)
    {
        ctlSaisie<QRadioButton>(qPrintable(QStringLiteral("ChoixEtat_%1").arg(option)))->setChecked(true);
        QCOMPARE(s->choixEtat(), option);
    }

    void attendreMessage(const QString& texte, const QString& titre)
    {
        QVERIFY(!p->plateforme.messages().isEmpty());
        const Message m = p->plateforme.messages().last();
        QCOMPARE(m.texte, texte);
        QCOMPARE(m.titre, titre);
        QCOMPARE(m.icone, Icone::Exclamation);
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(persoSaisie);
        p->dossier.creerCatalogue(catalogueSaisie);
        QVERIFY(p->demarrer());
        s = qobject_cast<OFormSaisieRapide*>(ChargerEcran(SaisieRapide));
        QVERIFY(s);
    }

    void cleanup() { p.reset(); }

    void chargement()
    {
        auto* rubrique = ctlSaisie<ComboDonnees>("RubriqueChoisie");
        QCOMPARE(rubrique->BoundText(), QStringLiteral("AA"));
        QCOMPARE(rubrique->currentText(), QStringLiteral("Timbres-Poste"));
        QCOMPARE(rubrique->count(), 3);
        QVERIFY(ctlSaisie<ComboDonnees>("AnneeChoisie")->BoundText().isEmpty());
        QCOMPARE(listeRapide()->nombreLignes(), 0);
        QCOMPARE(ctlSaisie<QLabel>("TexteNb")->text(), QStringLiteral("0 timbre(s) trouvé(s)"));
        QCOMPARE(s->choixEtat(), 1);
        QCOMPARE(ctlSaisie<QRadioButton>("ChoixEtat_1")->text(), QStringLiteral("Neuf sans charnière"));
        QCOMPARE(ctlSaisie<QRadioButton>("ChoixEtat_6")->text(), QStringLiteral("Ne pas acquérir (NON)"));
    }

    void liste_data()
    {
        QTest::addColumn<QString>("rubrique");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QString>("compte");
        // Marks for stored -1 only (O is stored as 1); a stamp without a row in collection 2 is listed
        // bare, whatever other collections hold; catalogue order, not number order.
        const QStringList aa = {"1|1849|Cérès|x||||x|x", "2|1849|||||||", "10|1850|Présidence||||||",
            "3|1850|Napoléon||||||"};
        QTest::newRow("rubrique") << "AA" << QString() << aa << "4 timbres trouvés";
        QTest::newRow("rubrique et année") << "AA"
                                           << "1850" << aa.mid(2) << "2 timbres trouvés";
        QTest::newRow("année seule") << QString() << "1849" << aa.mid(0, 2) << "2 timbres trouvés";
        // A quote in a criterion is a value like any other; one stamp keeps the plural.
        QTest::newRow("apostrophe") << "A'B" << QString() << QStringList({"Q1|1950|Quote||||||"})
                                    << "1 timbres trouvés";
        QTest::newRow("aérienne") << "AE"
                              << "1927" << QStringList({"PA1|1927|Avion||||||"}) << "1 timbres trouvés";
    }

    void liste()
    {
        QFETCH(QString, rubrique);
        QFETCH(QString, annee);
        QFETCH(QStringList, lignes);
        QFETCH(QString, compte);
        ouvrirCollection(QStringLiteral("2"));
        afficher(rubrique, annee);
        QCOMPARE(lignesRapides(), lignes);
        QCOMPARE(ctlSaisie<QLabel>("TexteNb")->text(), compte);
        QCOMPARE(listeRapide()->nombreColonnes(), 9);
        QCOMPARE(listeRapide()->titreColonne(5), QStringLiteral("Neuf (*)"));
        QCOMPARE(listeRapide()->columnWidth(2), 3400 / 15);
        // The first row is the selected one; the link lives only while the list is built.
        QVERIFY(listeRapide()->estChoisie(0));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
    }

    void annees()
    {
        auto* annee = ctlSaisie<ComboDonnees>("AnneeChoisie");
        auto textes = [annee] {
            QStringList t;
            for (int i = 0; i < annee->count(); ++i)
                t << annee->itemText(i);
            return t;
        };
        choisirSection(QStringLiteral("AE"));
        s->AnneeChoisie_GotFocus();
        QCOMPARE(textes(), QStringList({"1927"}));
        choisirSection(QStringLiteral("AA"));
        s->AnneeChoisie_GotFocus();
        QCOMPARE(textes(), QStringList({"1849", "1850"}));
        annee->definirBoundText(QStringLiteral("1850"));
        // Choosing a section empties the year; so does entering the year combo again.
        choisirSection(QStringLiteral("AA"));
        QVERIFY(annee->BoundText().isEmpty());
        annee->definirBoundText(QStringLiteral("1850"));
        s->AnneeChoisie_GotFocus();
        QVERIFY(annee->BoundText().isEmpty());
        // Without a section: every year of the catalogue, sorted, no Null and no empty item.
        s->RazCritères_Click();
        QVERIFY(ctlSaisie<ComboDonnees>("RubriqueChoisie")->BoundText().isEmpty());
        s->AnneeChoisie_GotFocus();
        QCOMPARE(textes(), QStringList({"1849", "1850", "1927", "1950"}));
    }

    void refus()
    {
        // No collection: refused, even with criteria.
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonAfficher_Click();
        attendreMessage(QStringLiteral("Vous devez d'abord ouvrir une collection"), QStringLiteral("Erreur"));

        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AE"), QString());
        QCOMPARE(listeRapide()->nombreLignes(), 2);
        s->RazCritères_Click();
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonAfficher_Click();
        attendreMessage(QStringLiteral("Vous devez sélectionner une rubrique ou une année"),
            QStringLiteral("Impossible d'afficher"));
        QCOMPARE(listeRapide()->nombreLignes(), 2);
        QCOMPARE(p->plateforme.messages().size(), 2);
    }

    // A build the database refuses is said, and the list shown stays.
    void echecConstruction()
    {
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AE"), QString());
        QFile::remove(p->dossier.fichier(QStringLiteral("FR_BIN.DOV")));
        SansEchec([] { DetacherSource(*CnxPerso, CheminBaseCatalogue()); });
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonAfficher_Click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().titre, QStringLiteral("Erreur"));
        QCOMPARE(listeRapide()->nombreLignes(), 2);
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
    }

    void cocher_data()
    {
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("celluleApres");
        QTest::addColumn<QString>("stocke");
        // Columns: Collection Dallay QteN EtatN QteNC EtatNC QteNSG EtatNSG QteO EtatO QteL EtatL
        // QteDoubleN..L QtesN..L NePasAcquerir commentaire.
        QTest::newRow("N coché dans la liste: décoché")
            << "1" << 1 << ""
            << "2|1|0|-|0|-|-|-|1|60|-1|-|3|-|-|-|-|-|-|-|2|-|-1|bord de feuille";
        QTest::newRow("O stocké 1, vide dans la liste: coché, copies et qualité remplacées")
            << "1" << 4 << "  x"
            << "2|1|-1|80|0|-|-|-|-1|100|-1|-|3|-|-|-|-|4|-|-|1|-|-1|bord de feuille";
        QTest::newRow("NON coché: décoché")
            << "1" << 6 << ""
            << "2|1|-1|80|0|-|-|-|1|60|-1|-|3|-|-|-|-|4|-|-|2|-|0|bord de feuille";
        // A stamp without a row: a new one holding only the columns written.
        QTest::newRow("nouvelle ligne N") << "3" << 1 << "  x"
                                          << "2|3|-1|100|-|-|-|-|-|-|-|-|-|-|-|-|-|1|-|-|-|-|-|-";
        QTest::newRow("NON sans cote") << "10" << 6 << "  x"
                                       << "2|10|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-1|-";
    }

    void cocher()
    {
        QFETCH(QString, dallay);
        QFETCH(int, option);
        QFETCH(QString, celluleApres);
        QFETCH(QString, stocke);
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        choisirEtat(option);
        selectionner({dallay});
        ctlSaisie<QPushButton>("BoutonCocherUn")->click();
        const int colonne = OptionDeCoche(option).sousElement;
        QCOMPARE(listeRapide()->texte(ligneDe(dallay), colonne), celluleApres);
        QCOMPARE(rangee(dallay), stocke);
        QVERIFY(p->plateforme.messages().isEmpty());
        // Collection 3's row of the same stamp is another collection's.
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Collection WHERE Collection = 3")).toInt(), 1);
    }

    // "x" from the build and "  x" from a tick are both marks: each toggle undoes the last one, by the
    // button or by a double click, and the row stays with its other columns.
    void basculerDeuxFois()
    {
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        selectionner({QStringLiteral("1"), QStringLiteral("3")});
        s->BoutonCocherUn_Click();
        QCOMPARE(listeRapide()->texte(ligneDe("1"), 3), QString());
        QCOMPARE(listeRapide()->texte(ligneDe("3"), 3), MarqueCochee);
        emit listeRapide()->doubleClicked(listeRapide()->model()->index(ligneDe("3"), 0));
        QCOMPARE(listeRapide()->texte(ligneDe("1"), 3), MarqueCochee);
        QCOMPARE(listeRapide()->texte(ligneDe("3"), 3), QString());
        QCOMPARE(rangee("1"), QStringLiteral("2|1|-1|100|0|-|-|-|1|60|-1|-|3|-|-|-|-|1|-|-|2|-|-1|bord de feuille"));
        QCOMPARE(rangee("3"), QStringLiteral("2|3|0|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-"));
        QVERIFY(p->plateforme.messages().isEmpty());
    }

    // The middle stamp is not quoted in N: the other two are toggled and written, one message is shown.
    void troisLignesMilieuNonCote()
    {
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        selectionner({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        const QString avant2 = rangee("2");
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonCocherUn_Click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        attendreMessage(QStringLiteral("Cet état n'est pas coté : 2"), QStringLiteral("Impossible de cocher"));
        QCOMPARE(listeRapide()->texte(ligneDe("1"), 3), QString());
        QCOMPARE(listeRapide()->texte(ligneDe("2"), 3), QString());
        QCOMPARE(listeRapide()->texte(ligneDe("3"), 3), MarqueCochee);
        QVERIFY(rangee("1").startsWith(QStringLiteral("2|1|0|-|")));
        QVERIFY(rangee("3").startsWith(QStringLiteral("2|3|-1|100|")));
        QCOMPARE(rangee("2"), avant2);

        // A stamp without any quotation row is refused the same way; the numbers are named once.
        selectionner({QStringLiteral("2"), QStringLiteral("10")});
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonCocherUn_Click();
        QCOMPARE(p->plateforme.messages().size(), 2);
        attendreMessage(QStringLiteral("Cet état n'est pas coté : 2, 10"), QStringLiteral("Impossible de cocher"));
        QCOMPARE(rangee("10"), QString());

        // One row refused alone: the message as the screen has always said it.
        selectionner({QStringLiteral("2")});
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonCocherUn_Click();
        attendreMessage(QStringLiteral("Cet état n'est pas coté"), QStringLiteral("Impossible de cocher"));
    }

    void sansCollectionNiSelection()
    {
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        listeRapide()->clearSelection();
        s->BoutonCocherUn_Click();
        QVERIFY(p->plateforme.messages().isEmpty());
        ouvrirCollection(QString());
        QCOMPARE(listeRapide()->nombreLignes(), 0);
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonCocherUn_Click();
        attendreMessage(QStringLiteral("Vous devez d'abord ouvrir une collection"), QStringLiteral("Erreur"));
    }

    // A row the database refuses keeps its cell; the others of the run are written and shown.
    void ecritureRefusee()
    {
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        CnxPerso->executer(QStringLiteral("CREATE TEMP TRIGGER refus BEFORE INSERT ON main.Collection "
                                          "WHEN NEW.Dallay = '3' BEGIN SELECT RAISE(ABORT, 'disque plein'); END"));
        selectionner({QStringLiteral("1"), QStringLiteral("3")});
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonCocherUn_Click();
        attendreMessage(QStringLiteral("disque plein"), QStringLiteral("Erreur"));
        QCOMPARE(listeRapide()->texte(ligneDe("1"), 3), QString());
        QCOMPARE(listeRapide()->texte(ligneDe("3"), 3), QString());
        QVERIFY(rangee("1").startsWith(QStringLiteral("2|1|0|-|")));
        QCOMPARE(rangee("3"), QString());
    }

    // Nothing can be written: no cell changes.
    void baseEnLectureSeule()
    {
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        selectionner({QStringLiteral("1"), QStringLiteral("3")});
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 1"));
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonCocherUn_Click();
        QCOMPARE(p->plateforme.messages().last().titre, QStringLiteral("Erreur"));
        QCOMPARE(listeRapide()->texte(ligneDe("1"), 3), MarqueListe);
        QCOMPARE(listeRapide()->texte(ligneDe("3"), 3), QString());
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 0"));
        QCOMPARE(rangee("3"), QString());
    }

    void atteindre()
    {
        ouvrirCollection(QStringLiteral("2"));
        p->plateforme.repondreMessage(Reponse::OK);
        s->BoutonAtteindre_Click();
        attendreMessage(QStringLiteral("Aucune ligne n'est sélectionnée ou la liste est vide"),
            QStringLiteral("Impossible d'atteindre la fiche"));

        afficher(QStringLiteral("AA"), QString());
        selectionner({QStringLiteral("3")});
        s->BoutonCocherUn_Click();
        s->BoutonAtteindre_Click();
        // The card shows the stamp with the tick just written.
        QCOMPARE(texte("Dallay"), QStringLiteral("3"));
        QVERIFY(ctl<QCheckBox>("QteN")->isChecked());
        QVERIFY(s->isHidden());
        QVERIFY(!ChargerEcran(Fiche)->isHidden());

        // Back by the tab bar: the list as it was.
        ChargerEcran(Fiche)->findChild<NavigationOnglets*>()->setTab(SaisieRapide);
        QCOMPARE(listeRapide()->nombreLignes(), 4);

        listeRapide()->clearSelection();
        p->plateforme.repondreMessage(Reponse::OK);
        s->Picture1_Click();
        QCOMPARE(p->plateforme.messages().size(), 2);
    }

    // A tick made here while the card stays on the stamp: the card shows it when it comes back, and an
    // edit on the card then keeps it.
    void uneCocheResteSurLaFiche()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto* fiche = qobject_cast<OFormFiche*>(ChargerEcran(Fiche));
        AtteindreFiche(QStringLiteral("3"), nullptr);
        QVERIFY(!ctl<QCheckBox>("QteN")->isChecked());
        fiche->barre()->setTab(SaisieRapide);
        QVERIFY(fiche->isHidden());
        afficher(QStringLiteral("AA"), QString());
        choisirEtat(1);
        selectionner({QStringLiteral("3")});
        ctlSaisie<QPushButton>("BoutonCocherUn")->click();
        QCOMPARE(rangee("3"), QStringLiteral("2|3|-1|100|-|-|-|-|-|-|-|-|-|-|-|-|-|1|-|-|-|-|-|-"));

        s->barre()->setTab(Fiche);
        QVERIFY(!fiche->isHidden());
        QVERIFY(ctl<QCheckBox>("QteN")->isChecked());
        QCOMPARE(texte("EtatN"), QStringLiteral("100"));
        QCOMPARE(texte("QtesN"), QStringLiteral("1"));
        QCOMPARE(ModifFiche, 0);

        fiche->window()->show();
        QApplication::setActiveWindow(fiche->window());
        QVERIFY(QTest::qWaitForWindowActive(fiche->window()));
        auto* commentaire = ctl<QLineEdit>("commentaire");
        commentaire->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == commentaire; }));
        taper(commentaire, QStringLiteral("un pli"));
        QTest::keyClick(commentaire, Qt::Key_PageDown);
        QCOMPARE(texte("Dallay"), QStringLiteral("PA1"));
        QCOMPARE(rangee("3"), QStringLiteral("2|3|-1|100|0|-|0|-|0|-|0|-|-|-|-|-|-|1|-|-|-|-|0|un pli"));
    }

    void vignette()
    {
        QTemporaryDir disque;
        DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO FranceTN VALUES ('1', ?)"), {OctetsPng(Qt::red, 20, 10)});
        });
        LecteurCD = disque.path();
        QVERIFY(OuvrirBaseCD());
        ouvrirCollection(QStringLiteral("2"));
        afficher(QStringLiteral("AA"), QString());
        auto* picture1 = ctlSaisie<BoiteImage>("Picture1");
        QCOMPARE(s->vignette().size(), QSize(20, 10));
        QVERIFY(!picture1->estVide());
        // A stamp without a thumbnail clears the box.
        const QModelIndex deux = listeRapide()->model()->index(ligneDe("2"), 0);
        listeRapide()->setCurrentIndex(deux);
        emit listeRapide()->clicked(deux);
        QVERIFY(picture1->estVide());
        // Without the disc too.
        const QModelIndex un = listeRapide()->model()->index(ligneDe("1"), 0);
        listeRapide()->setCurrentIndex(un);
        emit listeRapide()->clicked(un);
        QVERIFY(!picture1->estVide());
        LecteurCD.clear();
        OuvrirBaseCD();
        emit listeRapide()->clicked(un);
        QVERIFY(picture1->estVide());
        QVERIFY(s->vignette().isNull());
    }
};

ENREGISTRER_TEST(TestSaisieRapide)
#include "test_saisierapide.moc"
