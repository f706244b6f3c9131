// The collections screen and the screens brought in line with the open collection.

#include "support/ControleEcran.h"
#include "card/OFormFiche.h"
#include "collections/Importation.h"
#include "collections/OFormCollections.h"
#include "collections/dlgCollectionRenommer.h"
#include "data/Source.h"
#include "platform/DialogueFichier.h"
#include "search/OFormRecherche.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Demarrage.h"
#include "shell/EcranPrincipal.h"
#include "shell/VueResultat.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ModeImport)

namespace {

// Collections 2 "Alpha" (no password, Null), 3 "Bêta" (empty password), 4 "Gamma" (password);
// each of 2 and 3 with a row in every per-collection table; themes predefined and personal.
void remplirCollections(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Alpha', '2002-10-01', '2002-10-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Bêta', '2002-10-02', '2002-10-02', '');
        INSERT INTO Utilisateurs VALUES (4, 'Gamma', '2002-10-03', '2002-10-03', 'secret');
        INSERT INTO Themes VALUES (1, 1, 'Art', -1);
        INSERT INTO Themes VALUES (2, 2, 'Zèbres', 0);
        INSERT INTO Themes VALUES (3, 2, 'Avions', 0);
        INSERT INTO Themes VALUES (4, 3, 'Bateaux', 0);
        INSERT INTO ThemesAssocies VALUES ('1', 1, 1, -1);
        INSERT INTO ThemesAssocies VALUES ('1', 2, 2, 0);
        INSERT INTO ThemesAssocies VALUES ('1', 1, 2, 0);
        INSERT INTO ThemesAssocies VALUES ('1', 4, 3, 0);
    )"));
    for (int n : {2, 3}) {
        cnx.executer(QStringLiteral("INSERT INTO Collection (Collection, Dallay, QteN) VALUES (?, '1', -1)"), {n});
        cnx.executer(QStringLiteral("INSERT INTO CollectionV (Collection, Dallay, QteN) VALUES (?, '1a', -1)"), {n});
        cnx.executer(QStringLiteral("INSERT INTO CollectionO (Collection, Dallay, QteO) VALUES (?, '1-O1', -1)"), {n});
        cnx.executer(QStringLiteral("INSERT INTO CotationsP (Collection, Dallay, NeufP) VALUES (?, '1', 10)"), {n});
        cnx.executer(
            QStringLiteral("INSERT INTO MesVarietes (Collection, Reference, Designation) VALUES (?, '1', 'Pli')"), {n});
    }
}

int compter(const QString& table, const QString& condition = QStringLiteral("1"))
{
    return CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(table, condition)).toInt();
}

QStringList entrees(const ListeDonnees* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->item(i)->text();
    return textes;
}

template <typename T> T* ctl(int onglet, const char* nom)
{
    return ControleEcran<T>(onglet, QString::fromUtf8(nom));
}

// Another program holding the personal database for writing: every read of it waits, then fails.
struct BasePersoVerrouillee {
    Connexion autre;
    BasePersoVerrouillee()
    {
        autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
        autre.executer(QStringLiteral("BEGIN EXCLUSIVE"));
    }
};

}  // namespace

class TestEcranCollections : public QObject {
    Q_OBJECT

private:
    OFormCollections* f() { return FormCollections(); }
    void selectionner(const QString& code) { f()->ListeCollections()->selectionnerCle(code); }
    void ouvrir(const QString& code)
    {
        selectionner(code);
        f()->BoutonOuvrir_Click();
    }

private slots:
    void listeVideOuvertureRefusee()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        QCOMPARE(f()->ListeCollections()->count(), 0);
        p.plateforme.repondreMessage(Reponse::OK);
        f()->BoutonOuvrir_Click();
        const Message m = p.plateforme.messages().value(0);
        QCOMPARE(m.titre, QStringLiteral("Ouverture impossible"));
        QCOMPARE(m.texte,
            QStringLiteral(
                "Choisissez une collection dans la liste ou cliquez le bouton 'Créer' si la liste est vide"));
        QCOMPARE(m.icone, Icone::Exclamation);
        QVERIFY(!CollectionEstOuverte());
    }

    void collectionUnJamaisListee()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        QCOMPARE(entrees(f()->ListeCollections()), (QStringList {"Alpha", "Bêta", "Gamma"}));
    }

    void ouvertureSelonMotDePasse_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("dialogue");
        QTest::newRow("mot de passe Null") << "2" << false;
        QTest::newRow("mot de passe vide") << "3" << false;
        QTest::newRow("mot de passe") << "4" << true;
    }
    void ouvertureSelonMotDePasse()
    {
        QFETCH(QString, code);
        QFETCH(bool, dialogue);
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        if (dialogue)
            p.plateforme.repondreDialogue([](QDialog&) { return int(QDialog::Rejected); });
        ouvrir(code);
        QCOMPARE(p.plateforme.dialoguesMontres(), dialogue ? QStringList {"dlgCollectionOuvrir"} : QStringList {});
        QCOMPARE(CodeCollectionOuverte(), dialogue ? QString() : code);
        QCOMPARE(f()->TexteCollectionOuverte()->text(),
            dialogue ? QStringLiteral("- Aucune -") : f()->ListeCollections()->Text());
        // A double click on the list does what the button does.
        f()->BoutonFermer_Click();
        if (dialogue)
            p.plateforme.repondreDialogue([](QDialog&) { return int(QDialog::Rejected); });
        selectionner(code);
        emit f()->ListeCollections()->DblClick();
        QCOMPARE(CodeCollectionOuverte(), dialogue ? QString() : code);
    }

    // Without its stored password read, a collection is not opened, protected or not: the reason is
    // shown, or, when its row is gone, the collection is unknown.
    void ouvertureSansLectureDuMotDePasse_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("verrou");  // otherwise the row is deleted behind the list
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("texte");  // part of the message
        const QString inconnue = QStringLiteral("La collection choisie est inconnue, veuillez en choisir une autre");
        QTest::newRow("base verrouillée, mot de passe") << "4" << true << "Erreur"
                                                        << "La base de données est verrouillée par un autre programme";
        QTest::newRow("base verrouillée, sans mot de passe")
            << "2" << true << "Erreur"
            << "La base de données est verrouillée par un autre programme";
        QTest::newRow("ligne disparue, mot de passe") << "4" << false << "Ouverture impossible" << inconnue;
        QTest::newRow("ligne disparue, sans mot de passe") << "2" << false << "Ouverture impossible" << inconnue;
    }
    void ouvertureSansLectureDuMotDePasse()
    {
        QFETCH(QString, code);
        QFETCH(bool, verrou);
        QFETCH(QString, titre);
        QFETCH(QString, texte);
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        std::unique_ptr<BasePersoVerrouillee> verrouillee;
        if (verrou)
            verrouillee = std::make_unique<BasePersoVerrouillee>();
        else
            CnxPerso->executer(QStringLiteral("DELETE FROM Utilisateurs WHERE CodeCollection = ?"), {code});
        p.plateforme.repondreMessage(Reponse::OK);
        ouvrir(code);
        QCOMPARE(p.plateforme.messages().size(), 1);
        const Message m = p.plateforme.messages().first();
        QCOMPARE(m.titre, titre);
        QVERIFY2(m.texte.contains(texte), qPrintable(m.texte));
        QCOMPARE(m.icone, Icone::Exclamation);
        QVERIFY(p.plateforme.dialoguesMontres().isEmpty());
        QCOMPARE(CodeCollectionOuverte(), QString());
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QStringLiteral("- Aucune -"));
    }

    void ouvrirUneAutreSansFermer()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        ouvrir(QStringLiteral("3"));
        QCOMPARE(CodeCollectionOuverte(), QStringLiteral("3"));
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QStringLiteral("Bêta"));
    }

    void fermerSansCollection()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        f()->BoutonFermer_Click();
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QString());
        QVERIFY(!CollectionEstOuverte());
    }

    void supprimerLaCollectionOuverte()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        selectionner(QStringLiteral("3"));  // B selected, A open: A goes
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::Oui);
        f()->BoutonSupprimer_Click();
        const QList<Message> m = p.plateforme.messages();
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0].texte,
            QStringLiteral("Toutes les saisies de la collection Alpha vont être supprimées. En êtes vous sûr(e) ?"));
        QCOMPARE(m[0].titre, QStringLiteral("Supprimer collection"));
        QCOMPARE(m[0].boutons, Boutons::OuiNon);
        QCOMPARE(m[0].icone, Icone::Question);
        QCOMPARE(m[0].boutonParDefaut, 1);
        QCOMPARE(
            m[1].texte, QStringLiteral("La suppression est définitive ! Voulez-vous confirmer cette suppression ?"));
        QCOMPARE(m[1].titre, QStringLiteral("Dernier avertissement"));
        // A and all of its rows are gone; nothing of B, nor of the predefined themes.
        QCOMPARE(compter("Utilisateurs", "CodeCollection = 2"), 0);
        for (const char* table :
            {"Collection", "CollectionV", "CollectionO", "CotationsP", "MesVarietes", "Themes", "ThemesAssocies"}) {
            QCOMPARE(compter(table, "Collection = 2"), 0);
            QCOMPARE(compter(table, "Collection = 3"), 1);
        }
        QCOMPARE(compter("Themes", "Collection = 1"), 1);
        QCOMPARE(compter("ThemesAssocies", "Collection = 1"), 1);
        QCOMPARE(entrees(f()->ListeCollections()), (QStringList {"Bêta", "Gamma"}));
        QCOMPARE(CodeCollectionOuverte(), QString());
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QString());
        // The card no longer offers a grid that would write into the deleted collection.
        QVERIFY(!ctl<QCheckBox>(1, "QteN")->isEnabled());
    }

    void supprimerAbandonne_data()
    {
        QTest::addColumn<int>("nonALaQuestion");
        QTest::newRow("non à la première") << 1;
        QTest::newRow("non à la seconde") << 2;
    }
    void supprimerAbandonne()
    {
        QFETCH(int, nonALaQuestion);
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        p.plateforme.repondreMessage(nonALaQuestion == 1 ? Reponse::Non : Reponse::Oui);
        if (nonALaQuestion == 2)
            p.plateforme.repondreMessage(Reponse::Non);
        f()->BoutonSupprimer_Click();
        QCOMPARE(compter("Utilisateurs"), 4);
        QCOMPARE(compter("Collection", "Collection = 2"), 1);
        QCOMPARE(entrees(f()->ListeCollections()).size(), 3);
        QCOMPARE(CodeCollectionOuverte(), QStringLiteral("2"));
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QStringLiteral("Alpha"));
    }

    void supprimerRefuseParLaBase()
    {
        ProgrammeTest p([](const Connexion& cnx) {
            remplirCollections(cnx);
            cnx.executer(QStringLiteral("CREATE TRIGGER refus BEFORE DELETE ON Utilisateurs "
                                        "BEGIN SELECT RAISE(ABORT, 'base en lecture seule'); END"));
        });
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::OK);
        f()->BoutonSupprimer_Click();
        const Message erreur = p.plateforme.messages().value(2);
        QCOMPARE(erreur.titre, QStringLiteral("Erreur"));
        QVERIFY(erreur.texte.contains(QStringLiteral("base en lecture seule")));
        // Nothing went: not even the holdings deleted before the refusal.
        QCOMPARE(compter("Collection", "Collection = 2"), 1);
        QCOMPARE(compter("Themes", "Collection = 2"), 2);
        QCOMPARE(CodeCollectionOuverte(), QStringLiteral("2"));
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QStringLiteral("Alpha"));
        QCOMPARE(entrees(f()->ListeCollections()).size(), 3);
    }

    // Predefini Null means not predefined, as the import reads it: such a theme is the collection's own.
    void themeAuPredefiniNull()
    {
        ProgrammeTest p([](const Connexion& cnx) {
            remplirCollections(cnx);
            cnx.executerScript(QStringLiteral("INSERT INTO Themes VALUES (5, 2, 'Nuages', NULL);"
                                              "INSERT INTO ThemesAssocies VALUES ('1', 5, 2, NULL);"));
        });
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        auto* persos = ctl<VueListe>(7, "ListePersos");
        QCOMPARE(persos->nombreLignes(), 3);
        QCOMPARE(persos->ligne(1), (QStringList {"Nuages", "5"}));
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::Oui);
        f()->BoutonSupprimer_Click();
        QCOMPARE(compter("Themes", "Collection = 2"), 0);
        QCOMPARE(compter("ThemesAssocies", "Collection = 2"), 0);
        QCOMPARE(compter("Themes", "Collection = 1"), 1);
    }

    // The rename dialog stays up beside the screen: a second click brings it forward as the user left it.
    void renommerDeuxFois()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        auto visibles = [this] {
            QList<dlgCollectionRenommer*> d;
            for (dlgCollectionRenommer* r : f()->findChildren<dlgCollectionRenommer*>())
                if (r->isVisible())
                    d << r;
            return d;
        };
        f()->bouton(QStringLiteral("BoutonRenommer"))->click();
        QCOMPARE(visibles().size(), 1);
        QPointer<dlgCollectionRenommer> premier = visibles().first();
        premier->findChild<QLineEdit*>(QStringLiteral("NewNom"))->setText(QStringLiteral("Delta"));
        f()->activateWindow();
        f()->bouton(QStringLiteral("BoutonRenommer"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibles().size(), 1);
        QVERIFY(premier);
        QCOMPARE(visibles().first(), premier.data());
        QCOMPARE(premier->findChild<QLineEdit*>(QStringLiteral("NewNom"))->text(), QStringLiteral("Delta"));
        QTRY_VERIFY(premier->isActiveWindow());
        QVERIFY(p.plateforme.messages().isEmpty());
        premier->BoutonOK_Click();
        QCOMPARE(f()->TexteCollectionOuverte()->text(), QStringLiteral("Delta"));
    }

    void boutonsQuiExigentUneCollection_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("texte");
        QTest::newRow("supprimer") << "BoutonSupprimer"
                                   << "Impossible de supprimer"
                                   << "Il faut ouvrir une collection avant d'en demander la suppression";
        QTest::newRow("renommer") << "BoutonRenommer"
                                  << "Impossible de modifier"
                                  << "Il faut ouvrir une collection avant de pouvoir en changer le nom";
        QTest::newRow("mot de passe") << "BoutonModifierPass"
                                      << "Impossible de modifier"
                                      << "Il faut ouvrir une collection avant de pouvoir changer son mot de passe";
        QTest::newRow("liste") << "BoutonListeCollection"
                               << "Edition liste impossible"
                               << "Il faut ouvrir une collection avant de pouvoir en éditer la liste des timbres";
    }
    void boutonsQuiExigentUneCollection()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, titre);
        QFETCH(QString, texte);
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        selectionner(QStringLiteral("2"));
        p.plateforme.repondreMessage(Reponse::OK);
        f()->bouton(bouton)->click();
        QCOMPARE(p.plateforme.messages().size(), 1);
        QCOMPARE(p.plateforme.messages().first().titre, titre);
        QCOMPARE(p.plateforme.messages().first().texte, texte);
        QCOMPARE(compter("Utilisateurs"), 4);
    }

    void ligneDesBulles()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        auto survoler = [](QWidget* w) {
            QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        survoler(f()->bouton(QStringLiteral("BoutonCréer")));
        QCOMPARE(f()->TexteBouton()->text(), QStringLiteral("Créer une collection"));
        survoler(f()->bouton(QStringLiteral("BoutonWeb")));
        QVERIFY(f()->TexteBouton()->text().startsWith(QStringLiteral("Visiter le site Internet ")));
        survoler(f()->ListeCollections());
        QVERIFY(f()->TexteBouton()->text().startsWith(QStringLiteral("Visiter le site Internet ")));
        survoler(f()->findChild<QLabel*>(QStringLiteral("Étiquette18")));
        QVERIFY(!f()->TexteBouton()->text().isEmpty());
        survoler(f()->page());
        QCOMPARE(f()->TexteBouton()->text(), QString());
    }

    void liensEtAide()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        f()->bouton(QStringLiteral("BoutonWeb"))->click();
        f()->bouton(QStringLiteral("BoutonMail"))->click();
        f()->Image_Click(QStringLiteral("Image3"));
        const QList<QUrl> adresses = p.plateforme.adressesOuvertes();
        QCOMPARE(adresses.size(), 3);
        QCOMPARE(adresses[1].scheme(), QStringLiteral("mailto"));
        QVERIFY(adresses[0].host() == adresses[2].host());
        p.plateforme.repondreMessage(Reponse::OK);  // no help file in the test folder
        f()->bouton(QStringLiteral("BoutonAide"))->click();
        QVERIFY(p.plateforme.messages().value(0).texte.contains(QStringLiteral("OVFRANCE.HLP")));
    }

    void quitterEnregistreLaFiche()
    {
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        ModifFiche = 1;
        f()->bouton(QStringLiteral("BoutonQuitter"))->click();
        QCOMPARE(ModifFiche, 0);
        QVERIFY(!CnxPerso->estOuverte());
        QVERIFY(p.plateforme.messages().isEmpty());
    }

    void etatsDesEcrans()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        auto* fiche = qobject_cast<OFormFiche*>(EcranSiCharge(1));
        // Start-up: no collection, the grid empty and locked, the own-item and theme buttons hidden.
        for (QWidget* w : fiche->grilleDetention())
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(fiche->grilleDetention().size(), 27);
        QVERIFY(ctl<QWidget>(1, "BoutonMVarAjout")->isHidden());
        QVERIFY(ctl<QWidget>(1, "BoutonThemesPersos")->isHidden());
        QCOMPARE(ctl<QLabel>(2, "TexteNb")->text(), QStringLiteral("0 timbre(s) trouvé(s)"));
        QCOMPARE(ctl<QLabel>(3, "TexteNb")->text(), QStringLiteral("0 timbre(s) trouvé(s)"));
        QCOMPARE(ctl<QLabel>(4, "NBTimbres")->text(), QStringLiteral("0"));
        QCOMPARE(ctl<QLabel>(5, "NBTimbres")->text(), QStringLiteral("0"));

        // Criteria and results filled in, then a collection opened: all reset.
        ctl<QLineEdit>(2, "TexteChoisi")->setText(QStringLiteral("Marianne"));
        ctl<QComboBox>(2, "OperateurAnnee")->setCurrentText(QStringLiteral(">"));
        ctl<QLabel>(2, "Dept")->setText(QStringLiteral("75"));
        ctl<VueResultat>(2, "Liste")->ajouterLigne({QStringLiteral("1"), QStringLiteral("Cérès")});
        ctl<VueResultat>(4, "ListeManques")->ajouterLigne({QStringLiteral("1"), QStringLiteral("Cérès")});
        ctl<QLabel>(4, "NBTimbres")->setText(QStringLiteral("1"));
        fiche->Dallay()->setText(QStringLiteral("1"));
        ouvrir(QStringLiteral("2"));
        for (QWidget* w : fiche->grilleDetention())
            QVERIFY(w->isEnabled());
        QVERIFY(fiche->ListeThemes()->isEnabled());
        QVERIFY(ctl<QWidget>(1, "BoutonMVarAjout")->isHidden());  // shown by the card's own sub-tabs
        QCOMPARE(ctl<QLineEdit>(2, "TexteChoisi")->text(), QString());
        QCOMPARE(ctl<QComboBox>(2, "OperateurAnnee")->currentText(), QStringLiteral("="));
        QCOMPARE(ctl<QLabel>(2, "Dept")->text(), QString());
        QCOMPARE(ctl<VueResultat>(2, "Liste")->nombreLignes(), 0);
        QCOMPARE(ctl<VueResultat>(4, "ListeManques")->nombreLignes(), 0);
        QCOMPARE(ctl<QLabel>(4, "NBTimbres")->text(), QStringLiteral("0"));
        auto* recherche = qobject_cast<OFormRecherche*>(EcranSiCharge(2));
        QCOMPARE(recherche->Etendue(), 1);
        QCOMPARE(recherche->Visu(), 1);
        // The thematic screen lists the collection's own themes by name, none chosen.
        auto* persos = ctl<VueListe>(7, "ListePersos");
        QCOMPARE(persos->nombreLignes(), 2);
        QCOMPARE(persos->ligne(0), (QStringList {"Avions", "3"}));
        QCOMPARE(persos->ligne(1), (QStringList {"Zèbres", "2"}));
        QVERIFY(persos->selectedItems().isEmpty());
        // The card's themes: the predefined association and the open collection's, by name.
        QStringList themes;
        for (int i = 0; i < fiche->ListeThemes()->count(); ++i)
            themes << fiche->ListeThemes()->item(i)->text();
        QCOMPARE(themes, (QStringList {"Art", "Art", "Zèbres"}));
        QCOMPARE(fiche->ListeMesVarietes()->count(), 1);
        // The search's theme list: collection 1's and the open collection's.
        QCOMPARE(ctl<QComboBox>(2, "ThemeChoisi")->count(), 3);

        // Choosing "Ma collection" is allowed now; after closing it is refused.
        recherche->choisirEtendue(2);
        QCOMPARE(recherche->Etendue(), 2);

        // Close while the grid holds ticks: cleared, locked, and nothing left to write.
        ctl<QCheckBox>(1, "QteN")->setChecked(true);
        ctl<QLineEdit>(1, "QtesN")->setText(QStringLiteral("3"));
        ctl<QLineEdit>(1, "commentaire")->setText(QStringLiteral("beau"));
        ModifFiche = 1;
        ctl<QLabel>(7, "LabelThemeChoisi")->setText(QStringLiteral("Avions"));
        f()->BoutonFermer_Click();
        QCOMPARE(ModifFiche, 0);
        QVERIFY(!ctl<QCheckBox>(1, "QteN")->isChecked());
        QCOMPARE(ctl<QLineEdit>(1, "QtesN")->text(), QString());
        QCOMPARE(ctl<QLineEdit>(1, "commentaire")->text(), QString());
        QVERIFY(!ctl<QCheckBox>(1, "QteN")->isEnabled());
        QCOMPARE(persos->nombreLignes(), 0);
        QCOMPARE(ctl<QLabel>(7, "LabelThemeChoisi")->text(), QString());
        QCOMPARE(fiche->ListeMesVarietes()->count(), 0);
        QCOMPARE(fiche->ListeThemes()->count(), 1);  // the predefined theme only, disabled
        QVERIFY(!fiche->ListeThemes()->isEnabled());
        QCOMPARE(recherche->Etendue(), 1);
        // The search's themes stay as they were until the next opening.
        QCOMPARE(ctl<QComboBox>(2, "ThemeChoisi")->count(), 3);
        p.plateforme.repondreMessage(Reponse::OK);
        recherche->choisirEtendue(2);
        QCOMPARE(p.plateforme.messages().value(0).titre, QStringLiteral("Option non disponible"));
        QCOMPARE(recherche->Etendue(), 1);
    }

    void collectionSansThemesPersonnels()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        ouvrir(QStringLiteral("2"));
        ctl<QLabel>(7, "LabelThemeChoisi")->setText(QStringLiteral("Avions"));
        ctl<VueListe>(7, "ListeTimbres")->ajouterLigne({QStringLiteral("1")});
        ouvrir(QStringLiteral("3"));  // Bêta: one theme of its own
        QCOMPARE(ctl<VueListe>(7, "ListePersos")->nombreLignes(), 1);
        CnxPerso->executer(QStringLiteral("DELETE FROM Themes WHERE Collection = 3"));
        ctl<QLabel>(7, "LabelThemeChoisi")->setText(QStringLiteral("Bateaux"));
        ouvrir(QStringLiteral("3"));
        QCOMPARE(ctl<VueListe>(7, "ListePersos")->nombreLignes(), 0);
        QCOMPARE(ctl<QLabel>(7, "LabelThemeChoisi")->text(), QStringLiteral("Bateaux"));
        QCOMPARE(ctl<VueListe>(7, "ListeTimbres")->nombreLignes(), 1);
    }
};

class TestBoutonsDonneesPerso : public QObject {
    Q_OBJECT

private:
    OFormCollections* f() { return FormCollections(); }
    static ReponseFichier fichier(const QString& chemin, int index = 1)
    {
        ReponseFichier r;
        r.annule = false;
        r.fichier = chemin;
        r.indexFiltre = index;
        return r;
    }
    static QByteArray lire(const QString& chemin)
    {
        QFile f(chemin);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    static void ecrire(const QString& chemin, const QByteArray& octets)
    {
        QFile f(chemin);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(octets);
    }

private slots:
    void sauvegardeSupprimerRestaurer()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        const QString sauvegarde = p.dossier.fichier(QStringLiteral("copie.f02"));
        p.plateforme.repondreFichier(fichier(sauvegarde));
        f()->bouton(QStringLiteral("BoutonEnregistrer"))->click();
        const DemandeFichier d = p.plateforme.demandesFichier().value(0);
        QVERIFY(d.enregistrer);
        QCOMPARE(d.filtre, QStringLiteral("*.f02 (Orvalen France 2002)|*.f02"));
        QCOMPARE(d.titre, QStringLiteral("Enregistrer les données personnelles"));
        QCOMPARE(d.dossierInitial, p.dossier.chemin());
        QVERIFY(QFile::exists(sauvegarde));
        QVERIFY(p.plateforme.messages().isEmpty());  // a backup says nothing when it succeeds

        // Delete Alpha, then restore: it is back under its own code.
        FormCollections()->ListeCollections()->selectionnerCle(QStringLiteral("2"));
        f()->BoutonOuvrir_Click();
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::Oui);
        f()->BoutonSupprimer_Click();
        QCOMPARE(compter("Utilisateurs", "CodeCollection = 2"), 0);

        p.plateforme.repondreFichier(fichier(sauvegarde, 1));
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::OK);
        f()->bouton(QStringLiteral("BoutonImporter"))->click();
        const DemandeFichier i = p.plateforme.demandesFichier().value(1);
        QVERIFY(!i.enregistrer);
        QCOMPARE(i.indexFiltre, 2);
        QCOMPARE(i.titre, QStringLiteral("Importer des données personnelles"));
        const QList<Message> m = p.plateforme.messages();
        QCOMPARE(m.value(2).texte,
            QStringLiteral("L'importation remplacera les collections actuelles. Voulez-vous continuer ?"));
        QCOMPARE(m.value(2).boutonParDefaut, 2);
        QCOMPARE(m.value(3).texte, QStringLiteral("Importation terminée"));
        QCOMPARE(m.value(3).icone, Icone::Information);
        QCOMPARE(compter("Utilisateurs", "CodeCollection = 2 AND DescriptionCollection = 'Alpha'"), 1);
        QCOMPARE(compter("Collection", "Collection = 2"), 1);
        QCOMPARE(entrees(f()->ListeCollections()), (QStringList {"Alpha", "Bêta", "Gamma"}));
        QCOMPARE(CodeCollectionOuverte(), QString());
        QVERIFY(!ctl<QCheckBox>(1, "QteN")->isEnabled());
    }

    // The desktop's own file dialog, prepared as the import asks for it but never shown: the file type
    // picked in its list comes back as the import's mode.
    void typeDeFichierDuVraiDialogue_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<ModeImport>("mode");
        QTest::newRow("sauvegarde") << 0 << "copie.f02" << ModeImport::RestaurationSauvegarde;
        QTest::newRow("édition précédente") << 1 << "ovlcfr01.mdb" << ModeImport::ImportEditionPrecedente;
    }
    void typeDeFichierDuVraiDialogue()
    {
        QFETCH(int, type);
        QFETCH(QString, nom);
        QFETCH(ModeImport, mode);
        ProgrammeTest p;
        QVERIFY(p.demarrer());
        p.plateforme.repondreFichier(ReponseFichier());  // cancelled: only the request is wanted
        f()->BoutonImporter_Click();
        const DemandeFichier demande = p.plateforme.demandesFichier().value(0);
        const QString chemin = p.dossier.fichier(nom);
        ecrire(chemin, QByteArray());

        QFileDialog dialogue;
        PreparerDialogueFichier(dialogue, demande);
        auto* types = dialogue.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->currentIndex(), demande.indexFiltre - 1);
        types->setCurrentIndex(type);
        dialogue.selectFile(chemin);
        const ReponseFichier reponse = ReponseDialogueFichier(dialogue, demande);
        QVERIFY(!reponse.annule);
        QCOMPARE(QFileInfo(reponse.fichier).canonicalFilePath(), QFileInfo(chemin).canonicalFilePath());
        QCOMPARE(reponse.indexFiltre, type + 1);
        QCOMPARE(ModePourFiltre(reponse.indexFiltre), mode);
    }

    void sauvegardeSurUnFichierExistant()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        const QString cible = p.dossier.fichier(QStringLiteral("ancienne.f02"));
        ecrire(cible, "contenu précieux");
        p.plateforme.repondreFichier(fichier(cible));
        p.plateforme.repondreMessage(Reponse::Non);
        f()->BoutonEnregistrer_Click();
        QCOMPARE(
            p.plateforme.messages().value(0).texte, QStringLiteral("Le fichier existe déjà, voulez-vous le remplacer"));
        QCOMPARE(p.plateforme.messages().value(0).titre, QStringLiteral("Orvalen Zorizad ud Udavoz"));
        QCOMPARE(lire(cible), QByteArray("contenu précieux"));
        // The personal database itself is never a backup's target.
        p.plateforme.repondreFichier(fichier(CheminBasePerso()));
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::OK);
        f()->BoutonEnregistrer_Click();
        QCOMPARE(p.plateforme.messages().value(2).titre, QStringLiteral("Erreur"));
        QCOMPARE(compter("Utilisateurs"), 4);
    }

    void importAbandonneOuRefuse()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        FormCollections()->ListeCollections()->selectionnerCle(QStringLiteral("2"));
        f()->BoutonOuvrir_Click();
        const QString pasUneBase = p.dossier.fichier(QStringLiteral("texte.f02"));
        ecrire(pasUneBase, "ceci n'est pas une base");
        p.plateforme.repondreFichier(fichier(pasUneBase, 1));
        p.plateforme.repondreMessage(Reponse::OK);
        f()->BoutonImporter_Click();
        QCOMPARE(p.plateforme.messages().value(0).titre, QStringLiteral("Importation"));
        // A real backup, but No to the question: nothing changes, the collection stays open.
        const QString sauvegarde = p.dossier.fichier(QStringLiteral("copie.f02"));
        p.plateforme.repondreFichier(fichier(sauvegarde));
        f()->BoutonEnregistrer_Click();
        CnxPerso->executer(QStringLiteral("DELETE FROM Collection WHERE Collection = 3"));
        p.plateforme.repondreFichier(fichier(sauvegarde, 1));
        p.plateforme.repondreMessage(Reponse::Non);
        f()->BoutonImporter_Click();
        QCOMPARE(compter("Collection", "Collection = 3"), 0);
        QCOMPARE(CodeCollectionOuverte(), QStringLiteral("2"));
        QCOMPARE(p.plateforme.messages().size(), 2);
        // Cancelled dialogs do nothing and say nothing.
        p.plateforme.repondreFichier(ReponseFichier());
        f()->BoutonImporter_Click();
        QCOMPARE(p.plateforme.messages().size(), 2);
    }

    // A row this database refuses stops the import: "Erreur" with the reason, everything as it was, the
    // collection still open.
    void importEchoue()
    {
        ProgrammeTest p(remplirCollections);
        QVERIFY(p.demarrer());
        FormCollections()->ListeCollections()->selectionnerCle(QStringLiteral("2"));
        f()->BoutonOuvrir_Click();
        const QString source = p.dossier.fichier(QStringLiteral("ovlcfr01.mdb"));
        p.dossier.creerBase(QStringLiteral("ovlcfr01.mdb"), BaseSchema::EditionPrecedente, [](const Connexion& cnx) {
            cnx.executerScript(QStringLiteral("INSERT INTO Utilisateurs VALUES (7, 'Sept', NULL, NULL, NULL);"
                                              "INSERT INTO Collection (Collection, Dallay, QteN) VALUES (7, '1', -1);"));
        });
        CnxPerso->executer(QStringLiteral(
            "CREATE TRIGGER refus BEFORE INSERT ON Collection BEGIN SELECT RAISE(ABORT, 'refusée'); END"));
        p.plateforme.repondreFichier(fichier(source, 2));
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::OK);
        f()->bouton(QStringLiteral("BoutonImporter"))->click();
        const QList<Message> m = p.plateforme.messages();
        QCOMPARE(m.size(), 2);
        QCOMPARE(m.value(1).titre, QStringLiteral("Erreur"));
        QCOMPARE(m.value(1).icone, Icone::Exclamation);
        QVERIFY2(m.value(1).texte.endsWith(QStringLiteral("\nrefusée")), qPrintable(m.value(1).texte));
        QCOMPARE(compter("Collection"), 2);
        QCOMPARE(compter("Utilisateurs", "CodeCollection = 7"), 0);
        QCOMPARE(entrees(f()->ListeCollections()), (QStringList {"Alpha", "Bêta", "Gamma"}));
        QCOMPARE(CodeCollectionOuverte(), QStringLiteral("2"));
    }

    void numerosPersonnels()
    {
        ProgrammeTest p([](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO CorrespID VALUES ('1', 'A-é 1'), ('AE1', ''), ('2', ' 7 ')"));
        });
        QVERIFY(p.demarrer());
        const QString fichierTexte = p.dossier.fichier(QStringLiteral("numeros.txt"));
        p.plateforme.repondreFichier(fichier(fichierTexte));
        f()->bouton(QStringLiteral("BoutonExportNum"))->click();
        QCOMPARE(
            p.plateforme.demandesFichier().value(0).titre, QStringLiteral("Exporter les correspondances Dallay/Perso"));
        QCOMPARE(lire(fichierTexte), QByteArray("1;A-\xe9 1\r\nAE1;\r\n2; 7 \r\n"));

        // Cleared, then the export imported back: every number is there again.
        p.plateforme.repondreMessage(Reponse::Oui);
        f()->bouton(QStringLiteral("BoutonSupprNum"))->click();
        QCOMPARE(p.plateforme.messages().value(0).titre, QStringLiteral("Suppression des numéros persos"));
        QCOMPARE(p.plateforme.messages().value(0).boutonParDefaut, 2);
        QCOMPARE(compter("CorrespID"), 0);
        p.plateforme.repondreFichier(fichier(fichierTexte));
        p.plateforme.repondreMessage(Reponse::Oui);
        f()->bouton(QStringLiteral("BoutonImportNum"))->click();
        const DemandeFichier d = p.plateforme.demandesFichier().value(1);
        QCOMPARE(d.titre, QStringLiteral("Importer les correspondances Dallay/Perso"));
        QVERIFY(d.enregistrer);
        QCOMPARE(p.plateforme.messages().value(1).titre, QStringLiteral("Import des numéros persos"));
        QCOMPARE(compter("CorrespID"), 3);
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT IDPerso FROM CorrespID WHERE Dallay = '1'")).toString(),
            QStringLiteral("A-é 1"));
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT IDPerso FROM CorrespID WHERE Dallay = '2'")).toString(),
            QStringLiteral(" 7 "));

        // A bad line: the message names it and the numbers in place stay.
        ecrire(fichierTexte, "1;X\r\nsans separateur\r\n");
        p.plateforme.repondreFichier(fichier(fichierTexte));
        p.plateforme.repondreMessage(Reponse::Oui);
        p.plateforme.repondreMessage(Reponse::OK);
        f()->BoutonImportNum_Click();
        QVERIFY(p.plateforme.messages().value(3).texte.contains(QStringLiteral("2")));
        QCOMPARE(compter("CorrespID"), 3);
        // No to the question: nothing read, nothing changed.
        p.plateforme.repondreFichier(fichier(fichierTexte));
        p.plateforme.repondreMessage(Reponse::Non);
        f()->BoutonImportNum_Click();
        QCOMPARE(compter("CorrespID"), 3);
    }
};

ENREGISTRER_TEST(TestEcranCollections)
ENREGISTRER_TEST(TestBoutonsDonneesPerso)
#include "test_ecran_collections.moc"
