// The card's sub-tabs: which buttons each shows, the own items added, renamed and deleted from the card,
// the picture windows its buttons open, and the personal themes attached to its stamp.

#include "support/ControleEcran.h"
#include "card/FenetreImageFiche.h"
#include "card/Fiche.h"
#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "card/OFormFicheThemes.h"
#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QWindow>
#include <QtTest>

#include <optional>

namespace {

// Own items of stamp 1 in collections 2 and 3 and of stamp 4 in collection 2; own themes of collections 2
// and 3, a theme of collection 2 marked predefined, and a predefined theme of collection 1 on stamp 1.
void remplirOnglets(const Connexion& cnx)
{
    remplirPerso(cnx);
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation, QteN) VALUES (501, 2, '1', 'Piquage à cheval', -1);
        INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation) VALUES (502, 2, '1', 'Double frappe');
        INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation) VALUES (503, 3, '1', 'Autre collection');
        INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation) VALUES (504, 2, '4', 'Autre timbre');
        INSERT INTO Themes VALUES (101, 2, 'Oiseaux', 0);
        INSERT INTO Themes VALUES (102, 2, 'Bateaux', NULL);
        INSERT INTO Themes VALUES (103, 3, 'Fleurs', 0);
        INSERT INTO Themes VALUES (104, 1, 'Écrivains', -1);
        INSERT INTO Themes VALUES (105, 2, 'Marqué prédéfini', -1);
        INSERT INTO ThemesAssocies VALUES ('1', 101, 2, 0);
        INSERT INTO ThemesAssocies VALUES ('1', 104, 1, -1);
        INSERT INTO ThemesAssocies VALUES ('1', 103, 3, 0);
        INSERT INTO ThemesAssocies VALUES ('4', 102, 2, 0);
    )"));
}

QStringList lignes(ListeDonnees* liste)
{
    QStringList t;
    for (int i = 0; i < liste->count(); ++i)
        t << liste->item(i)->text();
    return t;
}

QStringList valeurs(const QString& sql)
{
    QStringList t;
    Requete r = CnxPerso->preparer(sql);
    while (r.suivante()) {
        QStringList ligne;
        for (int i = 0; i < r.nombreColonnes(); ++i)
            ligne << r.colonne(i).toString();
        t << ligne.join(QLatin1Char('|'));
    }
    return t;
}

// What the own-items list must show: exactly the card's stamp's items of the open collection.
QStringList mesVarietesAttendues(const QString& dallay, const QString& collection)
{
    return valeurs(QStringLiteral("SELECT Designation FROM MesVarietes WHERE Reference = '%1' AND Collection = %2 "
                                  "ORDER BY CodePersonnel")
                       .arg(dallay, collection));
}

// The personal themes dialog's items: name, and whether ticked.
QStringList coches(OFormFicheThemes& d)
{
    QStringList t;
    VueListe* liste = d.ListeThemesAssocies();
    for (int i = 0; i < liste->nombreLignes(); ++i)
        t << liste->topLevelItem(i)->text(0) + (liste->topLevelItem(i)->checkState(0) == Qt::Checked ? "+" : "-");
    return t;
}

void cocher(OFormFicheThemes& d, const QString& theme, bool coche)
{
    VueListe* liste = d.ListeThemesAssocies();
    for (int i = 0; i < liste->nombreLignes(); ++i) {
        if (liste->topLevelItem(i)->text(0) == theme)
            liste->topLevelItem(i)->setCheckState(0, coche ? Qt::Checked : Qt::Unchecked);
    }
}

}  // namespace

class TestOnglets : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormFiche* f = nullptr;

    void onglet(int index)
    {
        ctl<QTabBar>("SousOnglets")->setCurrentIndex(index);
    }

    void choisir(const QString& code)
    {
        f->ListeMesVarietes()->selectionnerCle(code);
        QCOMPARE(f->ListeMesVarietes()->BoundText(), code);
    }

    Message dernierMessage() const
    {
        const QList<Message> m = p->plateforme.messages();
        return m.isEmpty() ? Message {} : m.last();
    }

    QString associations() const
    {
        return valeurs(QStringLiteral("SELECT Dallay, Theme, Collection, Predefini FROM ThemesAssocies ORDER BY rowid"))
            .join(QLatin1Char(' '));
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(remplirOnglets);
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        f = qobject_cast<OFormFiche*>(EcranSiCharge(1));
        QVERIFY(f);
    }

    void cleanup() { p.reset(); }

    void boutonsSelonOnglet_data()
    {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<bool>("ouverte");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<bool>("boutonsMesVarietes");
        QTest::addColumn<bool>("boutonThemes");
        QTest::newRow("Variétés, collection ouverte") << 0 << true << "ListeVarietes" << false << false;
        QTest::newRow("Variétés, sans collection") << 0 << false << "ListeVarietes" << false << false;
        QTest::newRow("Mes variétés, collection ouverte") << 1 << true << "ListeMesVarietes" << true << false;
        QTest::newRow("Mes variétés, sans collection") << 1 << false << "ListeMesVarietes" << false << false;
        QTest::newRow("Oblitérations, collection ouverte") << 2 << true << "ListeObliterations" << false << false;
        QTest::newRow("Oblitérations, sans collection") << 2 << false << "ListeObliterations" << false << false;
        QTest::newRow("Thèmes, collection ouverte") << 3 << true << "ListeThemes" << false << true;
        QTest::newRow("Thèmes, sans collection") << 3 << false << "ListeThemes" << false << false;
    }

    void boutonsSelonOnglet()
    {
        QFETCH(int, onglet);
        QFETCH(bool, ouverte);
        QFETCH(QString, liste);
        QFETCH(bool, boutonsMesVarietes);
        QFETCH(bool, boutonThemes);
        if (ouverte)
            ouvrirCollection(QStringLiteral("2"));
        // Arrived at from every other sub-tab, the same state.
        for (int depuis = 0; depuis < 4; ++depuis) {
            if (depuis == onglet)
                continue;
            this->onglet(depuis);
            this->onglet(onglet);
            for (const char* nom : {"ListeVarietes", "ListeMesVarietes", "ListeObliterations", "ListeThemes"})
                QCOMPARE(ctl<ListeDonnees>(nom)->isHidden(), liste != QLatin1String(nom));
            for (const char* nom : {"BoutonMVarAjout", "BoutonMVarModif", "BoutonMVarRenommer", "BoutonMVarSuppr"})
                QCOMPARE(ctl<QPushButton>(nom)->isHidden(), !boutonsMesVarietes);
            QCOMPARE(ctl<QPushButton>("BoutonThemesPersos")->isHidden(), !boutonThemes);
        }
    }

    void ouvrirUneCollectionNeMontrePasLesBoutons()
    {
        onglet(1);
        ouvrirCollection(QStringLiteral("2"));
        QVERIFY(ctl<QPushButton>("BoutonMVarAjout")->isHidden());
        onglet(0);
        onglet(1);
        QVERIFY(!ctl<QPushButton>("BoutonMVarAjout")->isHidden());
    }

    void refus_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("titre");
        const QString sansCollection =
            QStringLiteral("Vous devez ouvrir une collection avant de pouvoir ajouter vos propres variétés");
        QTest::newRow("ajouter sans collection") << "BoutonMVarAjout" << "" << "1" << sansCollection << "Impossible de continuer";
        QTest::newRow("renommer sans collection") << "BoutonMVarRenommer" << "" << "1" << sansCollection << "Impossible de continuer";
        QTest::newRow("modifier, rien de choisi") << "BoutonMVarModif" << "2" << "1"
                                                 << "Il faut sélectionner une variété avant d'ouvrir sa fiche" << "Impossible d'ouvrir";
        QTest::newRow("modifier, liste vide") << "BoutonMVarModif" << "2" << "2"
                                             << "Il faut sélectionner une variété avant d'ouvrir sa fiche" << "Impossible d'ouvrir";
        QTest::newRow("renommer, liste vide") << "BoutonMVarRenommer" << "2" << "2"
                                             << "Il faut sélectionner une variété avant de changer son nom" << "Impossible de renommer";
        QTest::newRow("renommer, rien de choisi") << "BoutonMVarRenommer" << "2" << "1"
                                                 << "Il faut sélectionner une variété avant de changer son nom" << "Impossible de renommer";
        QTest::newRow("supprimer, liste vide") << "BoutonMVarSuppr" << "2" << "2"
                                              << "Il faut sélectionner une variété avant d'en demander la suppression"
                                              << "Impossible de supprimer";
        QTest::newRow("supprimer sans collection") << "BoutonMVarSuppr" << "" << "1"
                                                  << "Il faut sélectionner une variété avant d'en demander la suppression"
                                                  << "Impossible de supprimer";
    }

    void refus()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, collection);
        QFETCH(QString, dallay);
        QFETCH(QString, texte);
        QFETCH(QString, titre);
        if (!collection.isEmpty())
            ouvrirCollection(collection);
        AtteindreFiche(dallay, nullptr);
        const QString avant = contenu(QStringLiteral("MesVarietes"));
        p->plateforme.repondreMessage(Reponse::OK);
        ctl<QPushButton>(bouton.toUtf8().constData())->click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(dernierMessage().texte, texte);
        QCOMPARE(dernierMessage().titre, titre);
        QCOMPARE(dernierMessage().icone, Icone::Exclamation);
        QVERIFY(p->plateforme.saisies().isEmpty());
        QVERIFY(p->plateforme.dialoguesMontres().isEmpty());
        QCOMPARE(contenu(QStringLiteral("MesVarietes")), avant);
    }

    // The lists' clicks as the user makes them: a click anywhere in the varieties or cancellations list
    // opens the chosen item's card or refuses, a double click anywhere in the own-items list likewise.
    void clicsDansLesListes_data()
    {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<int>("ligne");  // the row clicked; -1: the blank part of the list
        QTest::addColumn<bool>("doubleClic");
        QTest::addColumn<QString>("texte");  // the refusal, if any
        QTest::addColumn<QString>("carte");  // the card shown, if any
        const QString aucuneVariete = QStringLiteral("Aucune variété n'a été sélectionnée ou la liste est vide");
        QTest::newRow("variétés vides") << 0 << "ListeVarietes" << "2" << -1 << false << aucuneVariete << "";
        QTest::newRow("variétés, à côté des lignes") << 0 << "ListeVarietes" << "1" << -1 << false << aucuneVariete << "";
        QTest::newRow("variétés, une ligne") << 0 << "ListeVarietes" << "1" << 1 << false << "" << "OFormFicheVarietes";
        QTest::newRow("oblitérations vides")
            << 2 << "ListeObliterations" << "2" << -1 << false
            << QStringLiteral("Aucune oblitération n'a été sélectionnée ou la liste est vide") << "";
        QTest::newRow("oblitérations, une ligne")
            << 2 << "ListeObliterations" << "1" << 0 << false << "" << "OFormFicheObliterations";
        // The second click of a double click is part of it, not a click of its own: one card, one refusal.
        QTest::newRow("variétés, double clic sur une ligne")
            << 0 << "ListeVarietes" << "1" << 1 << true << "" << "OFormFicheVarietes";
        QTest::newRow("variétés vides, double clic") << 0 << "ListeVarietes" << "2" << -1 << true << aucuneVariete << "";
        QTest::newRow("oblitérations, double clic sur une ligne")
            << 2 << "ListeObliterations" << "1" << 0 << true << "" << "OFormFicheObliterations";
        QTest::newRow("mes variétés vides, double clic") << 1 << "ListeMesVarietes" << "2" << -1 << true << aucuneVariete << "";
        QTest::newRow("mes variétés, un clic choisit seulement") << 1 << "ListeMesVarietes" << "1" << 1 << false << "" << "";
        QTest::newRow("mes variétés, double clic sur une ligne")
            << 1 << "ListeMesVarietes" << "1" << 1 << true << "" << "OFormFicheMesVarietes";
    }

    void clicsDansLesListes()
    {
        QFETCH(int, onglet);
        QFETCH(QString, liste);
        QFETCH(QString, dallay);
        QFETCH(int, ligne);
        QFETCH(bool, doubleClic);
        QFETCH(QString, texte);
        QFETCH(QString, carte);
        ouvrirCollection(QStringLiteral("2"));
        AtteindreFiche(dallay, nullptr);
        this->onglet(onglet);
        f->window()->show();
        QApplication::setActiveWindow(f->window());
        QVERIFY(QTest::qWaitForWindowActive(f->window()));
        auto* l = ctl<ListeDonnees>(liste.toUtf8().constData());
        QVERIFY(l->isVisible());
        QPoint point(4, l->viewport()->height() - 4);
        if (ligne >= 0) {
            QVERIFY(ligne < l->count());
            point = l->visualItemRect(l->item(ligne)).center();
        } else if (l->count() > 0) {
            QVERIFY(!l->itemAt(point));
        }
        if (!texte.isEmpty())
            p->plateforme.repondreMessage(Reponse::OK);
        QString vue;
        if (!carte.isEmpty()) {
            p->plateforme.repondreDialogue([&](QDialog& d) {
                vue = d.findChild<QLabel*>(QStringLiteral("Designation"))->text();
                d.reject();
                return d.result();
            });
        }
        // Through the window, as the window system delivers them: a double click is two presses and releases.
        QWindow* fenetre = f->window()->windowHandle();
        const QPoint ou = l->viewport()->mapTo(f->window(), point);
        if (doubleClic)
            QTest::mouseDClick(fenetre, Qt::LeftButton, {}, ou);
        else
            QTest::mouseClick(fenetre, Qt::LeftButton, {}, ou);
        if (texte.isEmpty()) {
            QVERIFY(p->plateforme.messages().isEmpty());
        } else {
            QCOMPARE(p->plateforme.messages().size(), 1);
            QCOMPARE(dernierMessage().texte, texte);
            QCOMPARE(dernierMessage().titre, QStringLiteral("impossible d'afficher"));
            QCOMPARE(dernierMessage().icone, Icone::Exclamation);
        }
        QCOMPARE(p->plateforme.dialoguesMontres(), carte.isEmpty() ? QStringList() : QStringList {carte});
        if (ligne >= 0) {
            // What was clicked is what is chosen, and what its card showed.
            QCOMPARE(l->Text(), l->item(ligne)->text());
            if (!carte.isEmpty())
                QCOMPARE(vue, l->Text());
        }
    }

    void ajout_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("reponses");
        QTest::addColumn<std::optional<QString>>("stockee");
        using R = QList<std::optional<QString>>;
        QTest::newRow("Annuler") << R {std::nullopt} << std::optional<QString>();
        QTest::newRow("vide puis Annuler") << R {QString(), std::nullopt} << std::optional<QString>();
        QTest::newRow("simple") << R {QStringLiteral("Teinte pâle")} << std::optional<QString>(QStringLiteral("Teinte pâle"));
        QTest::newRow("vide deux fois puis un nom")
            << R {QString(), QString(), QStringLiteral("Fond ligné")} << std::optional<QString>(QStringLiteral("Fond ligné"));
        QTest::newRow("blancs seuls") << R {QStringLiteral("   ")} << std::optional<QString>(QStringLiteral("   "));
        QTest::newRow("apostrophes, guillemets et %")
            << R {QStringLiteral("l'été \"rare\" 100% _x")} << std::optional<QString>(QStringLiteral("l'été \"rare\" 100% _x"));
    }

    void ajout()
    {
        QFETCH(QList<std::optional<QString>>, reponses);
        QFETCH(std::optional<QString>, stockee);
        ouvrirCollection(QStringLiteral("2"));
        onglet(1);
        const QStringList avant = valeurs(QStringLiteral("SELECT * FROM MesVarietes ORDER BY CodePersonnel"));
        for (const auto& r : reponses)
            p->plateforme.repondreSaisie(r);
        const int refus = reponses.count(QString());
        for (int i = 0; i < refus; ++i)
            p->plateforme.repondreMessage(Reponse::OK);
        ctl<QPushButton>("BoutonMVarAjout")->click();
        QCOMPARE(p->plateforme.saisies(), QStringList(reponses.size(), QStringLiteral("Entrez la désignation")));
        QCOMPARE(p->plateforme.messages().size(), refus);
        for (const Message& m : p->plateforme.messages()) {
            QCOMPARE(m.texte, QStringLiteral("La désignation est obligatoire"));
            QCOMPARE(m.titre, QStringLiteral("Impossible de créer"));
        }
        const QStringList apres = valeurs(QStringLiteral("SELECT * FROM MesVarietes ORDER BY CodePersonnel"));
        if (!stockee) {
            QCOMPARE(apres, avant);
            return;
        }
        QCOMPARE(apres.mid(0, avant.size()), avant);
        QCOMPARE(apres.size(), avant.size() + 1);
        QCOMPARE(valeurs(QStringLiteral("SELECT Reference, Designation, Collection FROM MesVarietes "
                                        "WHERE CodePersonnel = (SELECT MAX(CodePersonnel) FROM MesVarietes)")),
            QStringList {QStringLiteral("1|%1|2").arg(*stockee)});
        QCOMPARE(lignes(f->ListeMesVarietes()), mesVarietesAttendues("1", "2"));
        QVERIFY(lignes(f->ListeMesVarietes()).contains(*stockee));
        // Nothing chosen in the list afterwards.
        QVERIFY(f->ListeMesVarietes()->Text().isEmpty());
    }

    void renommage_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("reponses");
        QTest::addColumn<QString>("nom");
        using R = QList<std::optional<QString>>;
        QTest::newRow("Annuler garde l'ancien nom") << R {std::nullopt} << "Double frappe";
        QTest::newRow("nouveau nom") << R {QStringLiteral("Frappe décalée")} << "Frappe décalée";
        QTest::newRow("vide puis un nom") << R {QString(), QStringLiteral("100% d'encre")} << "100% d'encre";
    }

    void renommage()
    {
        QFETCH(QList<std::optional<QString>>, reponses);
        QFETCH(QString, nom);
        ouvrirCollection(QStringLiteral("2"));
        onglet(1);
        choisir(QStringLiteral("502"));
        const QStringList autres = valeurs(QStringLiteral("SELECT * FROM MesVarietes WHERE CodePersonnel <> 502"));
        for (const auto& r : reponses)
            p->plateforme.repondreSaisie(r);
        const int refus = reponses.count(QString());
        for (int i = 0; i < refus; ++i)
            p->plateforme.repondreMessage(Reponse::OK);
        ctl<QPushButton>("BoutonMVarRenommer")->click();
        QCOMPARE(p->plateforme.saisies(), QStringList(reponses.size(), QStringLiteral("Entrez la nouvelle désignation")));
        for (const Message& m : p->plateforme.messages())
            QCOMPARE(m.titre, QStringLiteral("Impossible de renommer"));
        QCOMPARE(valeurs(QStringLiteral("SELECT Reference, Designation, Collection FROM MesVarietes WHERE CodePersonnel = 502")),
            QStringList {QStringLiteral("1|%1|2").arg(nom)});
        QCOMPARE(valeurs(QStringLiteral("SELECT * FROM MesVarietes WHERE CodePersonnel <> 502")), autres);
        QCOMPARE(lignes(f->ListeMesVarietes()), mesVarietesAttendues("1", "2"));
    }

    void suppression_data()
    {
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<QStringList>("restent");
        QTest::newRow("Oui") << Reponse::Oui << QStringList {"501", "503", "504"};
        QTest::newRow("Non") << Reponse::Non << QStringList {"501", "502", "503", "504"};
    }

    void suppression()
    {
        QFETCH(Reponse, reponse);
        QFETCH(QStringList, restent);
        ouvrirCollection(QStringLiteral("2"));
        onglet(1);
        choisir(QStringLiteral("502"));
        p->plateforme.repondreMessage(reponse);
        ctl<QPushButton>("BoutonMVarSuppr")->click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        const Message m = dernierMessage();
        QCOMPARE(m.texte, QStringLiteral("La variété Double frappe va être supprimée. En êtes vous sûr(e) ?"));
        QCOMPARE(m.titre, QStringLiteral("Supprimer collection"));
        QCOMPARE(m.boutons, Boutons::OuiNon);
        QCOMPARE(m.icone, Icone::Question);
        QCOMPARE(m.boutonParDefaut, 1);
        QCOMPARE(valeurs(QStringLiteral("SELECT CodePersonnel FROM MesVarietes ORDER BY CodePersonnel")), restent);
        if (reponse == Reponse::Oui)
            QCOMPARE(lignes(f->ListeMesVarietes()), mesVarietesAttendues("1", "2"));
    }

    void ecritureRefusee_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("evenement");
        QTest::newRow("ajout") << "BoutonMVarAjout" << "INSERT";
        QTest::newRow("renommage") << "BoutonMVarRenommer" << "UPDATE";
        QTest::newRow("suppression") << "BoutonMVarSuppr" << "DELETE";
    }

    void ecritureRefusee()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, evenement);
        ouvrirCollection(QStringLiteral("2"));
        onglet(1);
        CnxPerso->executer(QStringLiteral("CREATE TRIGGER refus BEFORE %1 ON MesVarietes BEGIN SELECT RAISE(ABORT, 'base verrouillée'); END")
                               .arg(evenement));
        choisir(QStringLiteral("501"));
        const QString avant = contenu(QStringLiteral("MesVarietes"));
        if (evenement == QLatin1String("DELETE"))
            p->plateforme.repondreMessage(Reponse::Oui);
        else
            p->plateforme.repondreSaisie(QStringLiteral("Nom"));
        p->plateforme.repondreMessage(Reponse::OK);
        ctl<QPushButton>(bouton.toUtf8().constData())->click();
        QCOMPARE(dernierMessage().titre, QStringLiteral("Erreur"));
        QVERIFY2(dernierMessage().texte.contains(QStringLiteral("base verrouillée")), qPrintable(dernierMessage().texte));
        QCOMPARE(contenu(QStringLiteral("MesVarietes")), avant);
        QCOMPARE(lignes(f->ListeMesVarietes()), mesVarietesAttendues("1", "2"));
    }

    void fenetresImage_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("colonne");
        QTest::addColumn<QString>("dallay");
        // Each on a stamp whose display shows the button.
        QTest::newRow("illustration 1") << "BoutonIllustration1" << "OFormFicheIllustration1" << "Imagevrt" << "1";
        QTest::newRow("illustration 2") << "BoutonIllustration2" << "OFormFicheIllustration2" << "Imagevrt2" << "5";
        QTest::newRow("zoom") << "BoutonZoom" << "OFormFichezoom" << "Image" << "3A";
        QTest::newRow("clic sur l'image") << "Picture1" << "OFormFichezoom" << "Image" << "3A";
    }

    void fenetresImage()
    {
        QFETCH(QString, controle);
        QFETCH(QString, fenetre);
        QFETCH(QString, colonne);
        QFETCH(QString, dallay);
        AtteindreFiche(dallay, nullptr);
        QString vu;
        p->plateforme.repondreDialogue([&](QDialog& d) {
            auto* image = qobject_cast<FenetreImageFiche*>(&d);
            if (image)
                vu = image->dallay() + QLatin1Char(' ') + image->colonne();
            return int(QDialog::Rejected);
        });
        QWidget* w = ControleEcran<QWidget>(1, controle);
        QVERIFY(w->isVisible());
        if (auto* b = qobject_cast<QPushButton*>(w))
            b->click();
        else
            QTest::mouseClick(w, Qt::LeftButton);
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList {fenetre});
        QCOMPARE(vu, dallay + QLatin1Char(' ') + colonne);
    }

    void themesProposes()
    {
        ouvrirCollection(QStringLiteral("2"));
        // Predefined themes stay on the card though the dialog never offers them.
        QCOMPARE(lignes(f->ListeThemes()), (QStringList {"Écrivains", "Oiseaux"}));
        OFormFicheThemes d(QStringLiteral("1"), f);
        QCOMPARE(d.windowTitle(), QStringLiteral("Thèmes personnels"));
        QCOMPARE(coches(d), (QStringList {"Bateaux-", "Oiseaux+"}));
        QCOMPARE(d.ListeThemesAssocies()->topLevelItem(0)->text(1), QStringLiteral("102"));
    }

    void themesCochesEtDecoches_data()
    {
        QTest::addColumn<QStringList>("coches");
        QTest::addColumn<QStringList>("decoches");
        QTest::addColumn<QString>("associes");
        QTest::addColumn<QStringList>("carte");
        QTest::newRow("rien de changé") << QStringList {} << QStringList {} << "101" << QStringList {"Écrivains", "Oiseaux", "Oiseaux"};
        QTest::newRow("déjà associé recoché") << QStringList {"Oiseaux"} << QStringList {} << "101"
                                               << QStringList {"Écrivains", "Oiseaux", "Oiseaux"};
        QTest::newRow("ajout") << QStringList {"Bateaux"} << QStringList {} << "101 102"
                               << QStringList {"Bateaux", "Écrivains", "Oiseaux", "Oiseaux"};
        QTest::newRow("retrait") << QStringList {} << QStringList {"Oiseaux"} << "" << QStringList {"Écrivains"};
        QTest::newRow("échange") << QStringList {"Bateaux"} << QStringList {"Oiseaux"} << "102"
                                 << QStringList {"Bateaux", "Écrivains"};
    }

    void themesCochesEtDecoches()
    {
        QFETCH(QStringList, coches);
        QFETCH(QStringList, decoches);
        QFETCH(QString, associes);
        QFETCH(QStringList, carte);
        ouvrirCollection(QStringLiteral("2"));
        onglet(3);
        // A row stored twice goes entirely when unticked; kept ticked, it stays as it was (the card lists
        // each association).
        CnxPerso->executer(QStringLiteral("INSERT INTO ThemesAssocies VALUES ('1', 101, 2, NULL)"));
        const QStringList ailleurs = valeurs(QStringLiteral(
            "SELECT * FROM ThemesAssocies WHERE NOT (Dallay = '1' AND Collection = 2) ORDER BY rowid"));
        p->plateforme.repondreDialogue([&](QDialog& d) {
            auto& themes = static_cast<OFormFicheThemes&>(d);
            for (const QString& t : coches)
                cocher(themes, t, true);
            for (const QString& t : decoches)
                cocher(themes, t, false);
            themes.findChild<QPushButton*>(QStringLiteral("BoutonOK"))->click();
            return d.result();
        });
        ctl<QPushButton>("BoutonThemesPersos")->click();
        QCOMPARE(p->plateforme.dialoguesMontres(), QStringList {"OFormFicheThemes"});
        QVERIFY(p->plateforme.messages().isEmpty());
        QCOMPARE(valeurs(QStringLiteral("SELECT DISTINCT Theme FROM ThemesAssocies WHERE Dallay = '1' AND Collection = 2 "
                                        "ORDER BY Theme"))
                     .join(QLatin1Char(' ')),
            associes);
        // Never a second row for one theme, other than the one stored twice before and kept ticked.
        const QStringList nouveaux = valeurs(QStringLiteral(
            "SELECT Theme, Predefini FROM ThemesAssocies WHERE Dallay = '1' AND Collection = 2 AND Theme = 102"));
        QCOMPARE(nouveaux, associes.contains(QLatin1String("102")) ? QStringList {"102|0"} : QStringList {});
        QCOMPARE(valeurs(QStringLiteral(
                     "SELECT * FROM ThemesAssocies WHERE NOT (Dallay = '1' AND Collection = 2) ORDER BY rowid")),
            ailleurs);
        QCOMPARE(lignes(f->ListeThemes()), carte);
    }

    void themesSansEcriture_data()
    {
        QTest::addColumn<QString>("fermeture");
        QTest::newRow("Annuler") << "Annuler";
        QTest::newRow("Échap") << "Echap";
        QTest::newRow("case de fermeture") << "fermer";
    }

    void themesSansEcriture()
    {
        QFETCH(QString, fermeture);
        ouvrirCollection(QStringLiteral("2"));
        onglet(3);
        const QString avant = associations();
        p->plateforme.repondreDialogue([&](QDialog& d) {
            auto& themes = static_cast<OFormFicheThemes&>(d);
            cocher(themes, QStringLiteral("Bateaux"), true);
            cocher(themes, QStringLiteral("Oiseaux"), false);
            d.show();
            if (fermeture == QLatin1String("Annuler"))
                themes.findChild<QPushButton*>(QStringLiteral("BoutonAnnuler"))->click();
            else if (fermeture == QLatin1String("Echap"))
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.close();
            return d.result();
        });
        ctl<QPushButton>("BoutonThemesPersos")->click();
        QCOMPARE(associations(), avant);
        // Opened again, the dialog shows what is stored.
        OFormFicheThemes d(QStringLiteral("1"), f);
        QCOMPARE(coches(d), (QStringList {"Bateaux-", "Oiseaux+"}));
    }

    void themesToutOuRien()
    {
        ouvrirCollection(QStringLiteral("2"));
        CnxPerso->executer(QStringLiteral(
            "CREATE TRIGGER refus BEFORE INSERT ON ThemesAssocies BEGIN SELECT RAISE(ABORT, 'disque plein'); END"));
        const QString avant = associations();
        OFormFicheThemes d(QStringLiteral("1"), f);
        // The deletion of Oiseaux comes after Bateaux's refused addition in list order; both are undone anyway.
        cocher(d, QStringLiteral("Bateaux"), true);
        cocher(d, QStringLiteral("Oiseaux"), false);
        p->plateforme.repondreMessage(Reponse::OK);
        d.findChild<QPushButton*>(QStringLiteral("BoutonOK"))->click();
        QCOMPARE(dernierMessage().titre, QStringLiteral("Erreur"));
        QVERIFY(dernierMessage().texte.contains(QStringLiteral("disque plein")));
        QCOMPARE(associations(), avant);
        // The dialog keeps the user's ticks.
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(coches(d), (QStringList {"Bateaux+", "Oiseaux-"}));

        // Untick first, then a refused addition: the deletion is undone too.
        CnxPerso->executer(QStringLiteral("INSERT INTO Themes VALUES (106, 2, 'Zoo', 0)"));
        OFormFicheThemes e(QStringLiteral("1"), f);
        cocher(e, QStringLiteral("Oiseaux"), false);
        cocher(e, QStringLiteral("Zoo"), true);
        p->plateforme.repondreMessage(Reponse::OK);
        e.findChild<QPushButton*>(QStringLiteral("BoutonOK"))->click();
        QCOMPARE(dernierMessage().titre, QStringLiteral("Erreur"));
        QCOMPARE(associations(), avant);
    }

    void memeTimbreDeuxCollections()
    {
        ouvrirCollection(QStringLiteral("3"));
        QCOMPARE(lignes(f->ListeThemes()), (QStringList {"Écrivains", "Fleurs"}));
        OFormFicheThemes d(QStringLiteral("1"), f);
        QCOMPARE(coches(d), QStringList {"Fleurs+"});
        cocher(d, QStringLiteral("Fleurs"), false);
        d.findChild<QPushButton*>(QStringLiteral("BoutonOK"))->click();
        QCOMPARE(lignes(f->ListeThemes()), QStringList {"Écrivains"});
        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(lignes(f->ListeThemes()), (QStringList {"Écrivains", "Oiseaux"}));
        OFormFicheThemes e(QStringLiteral("1"), f);
        cocher(e, QStringLiteral("Bateaux"), true);
        e.findChild<QPushButton*>(QStringLiteral("BoutonOK"))->click();
        QCOMPARE(valeurs(QStringLiteral("SELECT Dallay, Theme, Collection, Predefini FROM ThemesAssocies "
                                        "WHERE Dallay = '1' ORDER BY Collection, Theme")),
            (QStringList {"1|104|1|-1", "1|101|2|0", "1|102|2|0"}));
    }

    void collectionSansThemes()
    {
        CnxPerso->executer(QStringLiteral("DELETE FROM Themes WHERE Collection = 3"));
        ouvrirCollection(QStringLiteral("3"));
        const QString avant = associations();
        OFormFicheThemes d(QStringLiteral("1"), f);
        QCOMPARE(d.ListeThemesAssocies()->nombreLignes(), 0);
        d.findChild<QPushButton*>(QStringLiteral("BoutonOK"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(associations(), avant);
        QVERIFY(p->plateforme.messages().isEmpty());
    }
};

ENREGISTRER_TEST(TestOnglets)

#include "test_onglets.moc"
