// The stamp search on a small catalogue: what the screen lists, refuses and leaves behind; and the
// variety keyword search.

#include "support/ControleEcran.h"
#include "data/Source.h"
#include "search/OFormRecherche.h"
#include "search/Recherche.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/VueResultat.h"
#include "support/Clavier.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Five stamps in catalogue order 1, 2, 10, 9, 3; 10 and 9 have no prices. Varieties of 1, 10 and 9 are
// "Tête-bêche", and one of a stamp missing from France; 3 has a "Tête inversée".
void remplirCatalogue(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO France (Dallay, Ordre, AnneeEmission, Designation, DesignationCourt, Rubrique, Type, Serie,
                            ConcuDessinePar, GravePar, ValeurFaciale, Departement)
            VALUES ('1', 10, '1849', 'Cérès noir', 'Cérès', 'TP', 1, 1, 1, 1, '20 c', NULL);
        INSERT INTO France (Dallay, Ordre, AnneeEmission, Designation, DesignationCourt, Rubrique, Type, Departement)
            VALUES ('2', 20, '1950', 'Église de Brou', 'Brou', 'TP', 2, '01');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, Designation, DesignationCourt, Rubrique, Departement)
            VALUES ('10', 30, '1960', 'Jeanne d''Arc', 'Jeanne', 'AE', '45');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, Designation, DesignationCourt, Departement)
            VALUES ('9', 40, '2001', 'Remise 100% tarif_réduit', 'Remise', '75');
        INSERT INTO France (Dallay, Ordre, AnneeEmission, Designation, DesignationCourt)
            VALUES ('3', 50, '1851', 'Remise 100 francs', 'Cent');
        INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('1', 10, 4);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('2', 1.5);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('3', 2);
        INSERT INTO Rubriques VALUES ('TP', 'Timbres-poste', 1);
        INSERT INTO Rubriques VALUES ('AE', 'Poste aérienne', 2);
        INSERT INTO Types VALUES (1, 'Usage courant');
        INSERT INTO Types VALUES (2, 'Commémoratif');
        INSERT INTO Series VALUES (1, 'Cérès');
        INSERT INTO Dessinateurs VALUES (1, 'Barre', 'Barre');
        INSERT INTO Graveurs VALUES (1, 'Barre', 'Barre');
        INSERT INTO TypeVarietes VALUES ('Tête-bêche');
        INSERT INTO TypeVarietes VALUES ('Sans valeur');
        INSERT INTO Varietes VALUES ('9a', '9', 'Tête-bêche', 1);
        INSERT INTO Varietes VALUES ('1a', '1', 'Tête-bêche', 1);
        INSERT INTO Varietes VALUES ('10a', '10', 'Tête-bêche renversé', 1);
        INSERT INTO Varietes VALUES ('2a', '2', 'Sans valeur', 1);
        INSERT INTO Varietes VALUES ('77a', '77', 'Tête-bêche', 1);
        INSERT INTO Varietes VALUES ('3a', '3', 'Tête inversée', 1);
    )"));
}

// Collection 2 holds 1 (marked -1), 2 (marked 1) and 10 (no prices); 9 has a row with nothing held.
// Collection 3 holds 1 and 2 as well, and 9 and 3: none of its rows belongs in collection 2's results.
// The predefined theme "Églises" holds 2, associated in collection 1 and again in collection 2.
void remplirPerso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Mes timbres', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Collection (Collection, Dallay, QteNC) VALUES (3, '1', -1), (3, '2', -1), (3, '9', -1), (3, '3', -1);
        INSERT INTO Collection (Collection, Dallay, QteN) VALUES (2, '1', -1);
        INSERT INTO Collection (Collection, Dallay, QteO) VALUES (2, '2', 1);
        INSERT INTO Collection (Collection, Dallay, QteL) VALUES (2, '10', -1);
        INSERT INTO Collection (Collection, Dallay, QteN, QteNC, QteNSG, QteO, QteL) VALUES (2, '9', 0, 0, 0, 0, 0);
        INSERT INTO Themes VALUES (1, 1, 'Églises', -1);
        INSERT INTO ThemesAssocies VALUES ('2', 1, 1, -1);
        INSERT INTO ThemesAssocies VALUES ('2', 1, 2, -1);
        INSERT INTO CorrespID VALUES ('1', 'P1');
    )"));
}

template <typename T> T* ctl(const char* nom)
{
    return ControleEcran<T>(2, QString::fromUtf8(nom));
}

VueResultat* liste()
{
    return ctl<VueResultat>("Liste");
}

// The first column of every row of the result list.
QStringList numeros()
{
    QStringList tout;
    for (int i = 0; i < liste()->nombreLignes(); ++i)
        tout << liste()->ligne(i).value(0);
    return tout;
}

QStringList entetes()
{
    QStringList tout;
    for (int c = 0; c < liste()->nombreColonnes(); ++c)
        tout << liste()->titreColonne(c);
    return tout;
}

QStringList numerosMiniatures(const Recordset& r)
{
    QStringList tout;
    auto& rs = const_cast<Recordset&>(r);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        tout << rs.Champ(0).toString();
    return tout;
}

void ouvrirCollection(const QString& code)
{
    if (code.isEmpty())
        LaCollectionOuverte().fermer();
    else
        LaCollectionOuverte().ouvrir(code, QString());
}

void choisir(const char* nomCombo, const QString& texte)
{
    auto* c = ctl<ComboDonnees>(nomCombo);
    const int i = c->findText(texte);
    QVERIFY2(i >= 0, qPrintable(texte));
    c->setCurrentIndex(i);
}

}  // namespace

class TestRecherche : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormRecherche* r = nullptr;

    void rechercher() { ctl<QPushButton>("BoutonRechercher")->click(); }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(remplirPerso);
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        r = qobject_cast<OFormRecherche*>(ChargerEcran(2));
        QVERIFY(r);
        ImprimerRecherche = nullptr;
    }

    void cleanup()
    {
        ImprimerRecherche = nullptr;
        p.reset();
    }

    void chargement()
    {
        QCOMPARE(r->Visu(), 1);
        QCOMPARE(r->Etendue(), 1);
        QStringList operateurs;
        for (int i = 0; i < ctl<QComboBox>("OperateurAnnee")->count(); ++i)
            operateurs << ctl<QComboBox>("OperateurAnnee")->itemText(i);
        QCOMPARE(operateurs, (QStringList {"=", "<>", "<", "<=", ">", ">="}));
        QCOMPARE(ctl<QComboBox>("OperateurAnnee")->currentText(), QStringLiteral("="));
        QCOMPARE(ctl<QComboBox>("TypeChoisi")->itemText(0), QStringLiteral("Commémoratif"));
        QCOMPARE(ctl<QComboBox>("RubriqueChoisie")->itemText(0), QStringLiteral("Timbres-poste"));
        QCOMPARE(ctl<QComboBox>("VarieteChoisie")->currentText(), QString());
        QVERIFY(r->TexteSQL().estVide());
    }

    void tousLesTimbres()
    {
        rechercher();
        QCOMPARE(numeros(), (QStringList {"1", "2", "10", "9", "3"}));
        QCOMPARE(liste()->ligne(0), (QStringList {"1", "1849", "Cérès"}));
        QCOMPARE(entetes(), (QStringList {"Dallay", "Année", "Désignation"}));
        QCOMPARE(ctl<QLabel>("TexteNb")->text(), QStringLiteral("5 timbre(s) trouvé(s)"));
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres."));
        QCOMPARE(numerosMiniatures(r->rstRechercheTN()), numeros());
        QCOMPARE(r->SelectTN2().valeurs, (QVariantList {QStringLiteral("1")}));
        QVERIFY(p->plateforme.messages().isEmpty());
        // The statement re-runs as the print dialog will, prices and personal number included.
        CreerLiensRecherche(*CnxPerso);
        Recordset relu = r->TexteSQL().ouvrir(CnxPerso);
        SupprimerLiensRecherche(*CnxPerso);
        QCOMPARE(relu.RecordCount(), 5);
        QCOMPARE(relu.Champ(QStringLiteral("IDPerso")).toString(), QStringLiteral("P1"));
        QCOMPARE(relu.Champ(QStringLiteral("CoteO")).toDouble(), 4.0);
        // The links exist only while a search runs.
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkCotations")));
    }

    void motsCles_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QStringList>("trouves");
        QTest::newRow("capitale accentuée") << QStringLiteral("église") << QStringList {"2"};
        QTest::newRow("apostrophe") << QStringLiteral("d'Arc") << QStringList {"10"};
        QTest::newRow("pour cent tel quel") << QStringLiteral("100%") << QStringList {"9"};
        QTest::newRow("souligné tel quel") << QStringLiteral("f_r") << QStringList {"9"};
        QTest::newRow("aucun") << QStringLiteral("zzz") << QStringList {};
    }

    void motsCles()
    {
        QFETCH(QString, mot);
        QFETCH(QStringList, trouves);
        ctl<QLineEdit>("TexteChoisi")->setText(mot);
        rechercher();
        QCOMPARE(numeros(), trouves);
        QCOMPARE(ctl<QLabel>("TexteNb")->text(), QStringLiteral("%1 timbre(s) trouvé(s)").arg(trouves.size()));
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres, Désignation contient '%1'.").arg(mot));
        QVERIFY(p->plateforme.messages().isEmpty());
    }

    void annees_data()
    {
        QTest::addColumn<QString>("operateur");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QStringList>("trouves");
        QTest::newRow("< 950 comme nombre") << QStringLiteral("<") << QStringLiteral("950") << QStringList {};
        QTest::newRow(">= 1950") << QStringLiteral(">=") << QStringLiteral("1950") << QStringList {"2", "10", "9"};
        QTest::newRow("= 1849") << QStringLiteral("=") << QStringLiteral("1849") << QStringList {"1"};
        QTest::newRow("<> 1849") << QStringLiteral("<>") << QStringLiteral("1849")
                                 << QStringList {"2", "10", "9", "3"};
        QTest::newRow("< 1900") << QStringLiteral("<") << QStringLiteral("1900") << QStringList {"1", "3"};
        QTest::newRow("> 1960") << QStringLiteral(">") << QStringLiteral("1960") << QStringList {"9"};
    }

    void annees()
    {
        QFETCH(QString, operateur);
        QFETCH(QString, annee);
        QFETCH(QStringList, trouves);
        ctl<QComboBox>("OperateurAnnee")->setCurrentText(operateur);
        ctl<QLineEdit>("AnneeChoisie")->setText(annee);
        rechercher();
        QCOMPARE(numeros(), trouves);
    }

    void anneeRefuseeNeChangeRien()
    {
        rechercher();
        const QString sql = r->TexteSQL().sql;
        ctl<QLineEdit>("AnneeChoisie")->setText(QStringLiteral("19500"));
        p->plateforme.repondreMessage(Reponse::OK);
        rechercher();
        QCOMPARE(p->plateforme.messages().value(0).titre, QStringLiteral("Saisie incorrecte"));
        QCOMPARE(numeros().size(), 5);
        QCOMPARE(r->TexteSQL().sql, sql);
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres."));
    }

    void criteresDesListes()
    {
        choisir("RubriqueChoisie", QStringLiteral("Timbres-poste"));
        choisir("TypeChoisi", QStringLiteral("Commémoratif"));
        ctl<QLabel>("Dept")->setText(QStringLiteral("01"));
        rechercher();
        QCOMPARE(numeros(), (QStringList {"2"}));
        QCOMPARE(r->TexteCritère(),
            QStringLiteral("Recherche parmi tous les timbres, Rubrique = Timbres-poste, Type = Commémoratif, "
                           "Département = 01."));
    }

    void themeSansCollection()
    {
        // A theme of collection 1, associated twice, lists its stamp once.
        choisir("ThemeChoisi", QStringLiteral("Églises"));
        rechercher();
        QCOMPARE(numeros(), (QStringList {"2"}));
        QCOMPARE(numerosMiniatures(r->rstRechercheTN()), (QStringList {"2"}));
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres, Thème = Églises."));
    }

    void maCollection()
    {
        ouvrirCollection(QStringLiteral("2"));
        r->choisirEtendue(2);
        rechercher();
        // Marks stored as -1 and as 1 both count; 10, held without prices, is listed like the others.
        QCOMPARE(numeros(), (QStringList {"1", "2", "10"}));
        QCOMPARE(numerosMiniatures(r->rstRechercheTN()), numeros());
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi ma collection."));
        QCOMPARE(r->TexteSQL().valeurs, (QVariantList {2}));

        choisir("ThemeChoisi", QStringLiteral("Églises"));
        rechercher();
        QCOMPARE(numeros(), (QStringList {"2"}));
    }

    void maCollectionSansCollectionNeChangeRien()
    {
        ouvrirCollection(QStringLiteral("2"));
        ctl<QLineEdit>("TexteChoisi")->setText(QStringLiteral("Cérès"));
        r->choisirEtendue(2);
        rechercher();
        QCOMPARE(numeros(), (QStringList {"1"}));
        const Instruction derniere = r->TexteSQL();
        // The collection goes without the screens being told: the search refuses and keeps everything.
        {
            const QSignalBlocker sansAnnonce(&LaCollectionOuverte());
            LaCollectionOuverte().fermer();
        }
        p->plateforme.repondreMessage(Reponse::OK);
        rechercher();
        const Message m = p->plateforme.messages().value(0);
        QCOMPARE(m.texte, QStringLiteral("Cette recherche nécessite l'ouverture d'une collection"));
        QCOMPARE(m.titre, QStringLiteral("Erreur"));
        QCOMPARE(numeros(), (QStringList {"1"}));
        QCOMPARE(r->TexteSQL().sql, derniere.sql);
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi ma collection, Désignation contient 'Cérès'."));
        QCOMPARE(ctl<QLabel>("TexteNb")->text(), QStringLiteral("1 timbre(s) trouvé(s)"));
    }

    void etendueRefuseeSansCollection()
    {
        p->plateforme.repondreMessage(Reponse::OK);
        r->choisirEtendue(2);
        QCOMPARE(r->Etendue(), 1);
        QCOMPARE(p->plateforme.messages().value(0).titre, QStringLiteral("Option non disponible"));
    }

    void requeteEnEchec()
    {
        rechercher();
        QVERIFY(QFile::rename(p->dossier.fichier(QStringLiteral("FR_BIN.DOV")), p->dossier.fichier(QStringLiteral("ailleurs"))));
        p->plateforme.repondreMessage(Reponse::OK);
        rechercher();
        QCOMPARE(p->plateforme.messages().value(0).titre, QStringLiteral("Erreur"));
        QVERIFY(!p->plateforme.messages().value(0).texte.isEmpty());
        QCOMPARE(liste()->nombreLignes(), 0);
        QCOMPARE(entetes(), (QStringList {"Dallay", "Année", "Désignation"}));
        QCOMPARE(ctl<QLabel>("TexteNb")->text(), QStringLiteral("0 timbre(s) trouvé(s)"));
    }

    void razGardeLaRecherche()
    {
        ctl<QLineEdit>("TexteChoisi")->setText(QStringLiteral("Remise"));
        rechercher();
        const Instruction sql = r->TexteSQL();
        const Instruction vignette = r->SelectTN2();
        ctl<QComboBox>("VarieteChoisie")->setEditText(QStringLiteral("Tête"));
        ctl<QPushButton>("BoutonRAZ")->click();
        QCOMPARE(ctl<QLineEdit>("TexteChoisi")->text(), QString());
        QCOMPARE(ctl<QComboBox>("VarieteChoisie")->currentText(), QString());
        QCOMPARE(liste()->nombreLignes(), 0);
        QCOMPARE(entetes(), (QStringList {"Dallay", "Année", "Désignation"}));
        QCOMPARE(ctl<QLabel>("TexteNb")->text(), QStringLiteral("0 timbre(s) trouvé(s)"));
        QVERIFY(r->SelectTN().estVide());
        QCOMPARE(r->TexteSQL().sql, sql.sql);
        QCOMPARE(r->TexteSQL().valeurs, sql.valeurs);
        QCOMPARE(r->SelectTN2().valeurs, vignette.valeurs);
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres, Désignation contient 'Remise'."));
        QCOMPARE(numerosMiniatures(r->rstRechercheTN()), (QStringList {"9", "3"}));
    }

    void collectionOuverteRemetAZero()
    {
        ctl<QLineEdit>("TexteChoisi")->setText(QStringLiteral("Remise"));
        ctl<QLineEdit>("AnneeChoisie")->setText(QStringLiteral("2001"));
        ctl<QLabel>("Dept")->setText(QStringLiteral("75"));
        rechercher();
        ctl<QComboBox>("VarieteChoisie")->setEditText(QStringLiteral("Tête"));
        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(ctl<QLineEdit>("TexteChoisi")->text(), QString());
        QCOMPARE(ctl<QLineEdit>("AnneeChoisie")->text(), QString());
        QCOMPARE(ctl<QLabel>("Dept")->text(), QString());
        QCOMPARE(liste()->nombreLignes(), 0);
        QVERIFY(r->SelectTN().estVide());
        QCOMPARE(ctl<QComboBox>("VarieteChoisie")->currentText(), QStringLiteral("Tête"));
        QVERIFY(!r->TexteSQL().estVide());
        QCOMPARE(r->rstRechercheTN().RecordCount(), 1);
    }

    void varietes()
    {
        rechercher();
        const Instruction sql = r->TexteSQL();
        r->choisirVisu(2);
        QCOMPARE(r->Visu(), 2);
        ctl<QComboBox>("VarieteChoisie")->setCurrentIndex(ctl<QComboBox>("VarieteChoisie")->findText("Tête-bêche"));
        ctl<QPushButton>("BoutonVariétés")->click();
        QCOMPARE(r->Visu(), 1);
        QCOMPARE(entetes(), (QStringList {"Reference", "Dallay", "Année", "Désignation"}));
        // In the text order of the stamp's number; the variety of a stamp missing from France is left out.
        QCOMPARE(numeros(), (QStringList {"1", "10", "9"}));
        QCOMPARE(liste()->ligne(0), (QStringList {"1", "1a", "1849", "Cérès, Tête-bêche"}));
        QCOMPARE(ctl<QLabel>("TexteNb")->text(), QStringLiteral("3 timbre(s) trouvé(s)"));
        QCOMPARE(r->sorteListe(), OFormRecherche::SorteListe::Varietes);
        QCOMPARE(r->TexteSQL().sql, sql.sql);
        QCOMPARE(r->rstRechercheTN().RecordCount(), 5);
        QCOMPARE(r->TexteCritère(), QStringLiteral("Recherche parmi tous les timbres."));

        // An empty combo does nothing.
        ctl<QComboBox>("VarieteChoisie")->setEditText(QString());
        ctl<QPushButton>("BoutonVariétés")->click();
        QCOMPARE(numeros(), (QStringList {"1", "10", "9"}));

        // Free text is searched as typed, ignoring case.
        ctl<QComboBox>("VarieteChoisie")->setEditText(QStringLiteral("SANS"));
        ctl<QPushButton>("BoutonVariétés")->click();
        QCOMPARE(numeros(), (QStringList {"2"}));
    }

    // Typed, then left or confirmed, the beginning of an entry stays what was typed rather than becoming the
    // entry, and is not added to the entries.
    void varieteTapee_data()
    {
        QTest::addColumn<int>("fin");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Entrée") << int(Qt::Key_Return);
    }

    void varieteTapee()
    {
        QFETCH(int, fin);
        auto* variete = ctl<QComboBox>("VarieteChoisie");
        const auto entrees = [variete] {
            QStringList t;
            for (int i = 0; i < variete->count(); ++i)
                t << variete->itemText(i);
            return t;
        };
        const QStringList avant = entrees();
        QVERIFY(TaperDansCombo(variete, QStringLiteral("Tête"), Qt::Key(fin)));
        QCOMPARE(variete->currentText(), QStringLiteral("Tête"));
        QCOMPARE(entrees(), avant);
        ctl<QPushButton>("BoutonVariétés")->click();
        QCOMPARE(numeros(), (QStringList {"1", "10", "3", "9"}));
    }
};

ENREGISTRER_TEST(TestRecherche)

#include "test_recherche.moc"
