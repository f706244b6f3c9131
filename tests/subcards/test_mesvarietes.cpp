// The own-item card: what it shows of its MesVarietes row, its own prices and the rows they show, the
// single write of the whole row when it closes, and the picture file chosen in the association dialog.

#include "support/ControleEcran.h"
#include "CartesTest.h"

#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "platform/Dialogues.h"
#include "shell/Controles.h"
#include "shell/Images.h"
#include "shell/ValidationSortie.h"
#include "subcards/dlgAssocierImage.h"
#include "subcards/OFormFicheMesVarietes.h"
#include "support/DossierTest.h"
#include "support/GardeTube.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <sys/stat.h>

namespace {

bool ecrireImage(const QString& chemin, const QColor& couleur)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(couleur);
    return image.save(chemin, "PNG");
}

// A 6000 × 6000 scan: beyond what Qt decodes whole by default.
bool ecrireGrandeImage(const QString& chemin)
{
    QImage image(6000, 6000, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image.save(chemin, "JPG");
}

QList<bool> lignesVisibles(const OFormFicheMesVarietes& carte)
{
    QList<bool> v;
    for (int i = 0; i < carte.grille()->nombreLignes(); ++i)
        v << carte.grille()->ligneVisible(i);
    return v;
}

// The MesVarietes row of an item, as text.
QString ligneItem(int code)
{
    QString tout;
    Requete r = CnxPerso->preparer(QStringLiteral(
        "SELECT Neuf, NeufAvecCharniere, NSG, Oblitere, Lettre, QteN, QtesN, EtatN, QteDoubleN, QteO, QtesO, EtatO, "
        "QteDoubleO, NePasAcquerir, commentaire, CheminImagevrt5 FROM MesVarietes WHERE CodePersonnel = ?"));
    r.lierTout({code});
    while (r.suivante()) {
        for (int i = 0; i < r.nombreColonnes(); ++i)
            tout += r.colonne(i).isNull() ? QStringLiteral("Null|") : r.colonne(i).toString() + QLatin1Char('|');
    }
    return tout;
}

// Chooses the file `nom` of `dossier` in the dialog, then "OK".
std::function<int(QDialog&)> choisir(const QString& dossier, const QString& nom)
{
    return [dossier, nom](QDialog& d) {
        auto& dialogue = static_cast<dlgAssocierImage&>(d);
        dialogue.allerA(dossier);
        const QList<QListWidgetItem*> trouves = dialogue.FileList()->findItems(nom, Qt::MatchExactly);
        if (trouves.size() == 1)
            dialogue.FileList()->setCurrentItem(trouves.first());
        dialogue.OKButton_Click();
        return dialogue.result();
    };
}

}  // namespace

class TestMesVarietes : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeCartes> prog;
    OFormFiche* f = nullptr;
    PlateformeScriptee* plateforme = nullptr;

    // Items of stamp 1 in collection 2: 1 priced N 10 and O 2.5, owned N (2 copies, 80 %) with 1
    // duplicate; 2 with no price at all; 3 priced N 0, owned N with nothing stored for copies and
    // quality; 4 priced O 3, owned False with numbers left in the columns.
    void ajouterItems()
    {
        CnxPerso->executerScript(QStringLiteral(R"(
            INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation, Neuf, Oblitere, QteN, QtesN,
                EtatN, QteDoubleN, NePasAcquerir, commentaire)
                VALUES (1, 2, '1', 'Piquage à cheval', 10, 2.5, -1, 2, 80, 1, 0, 'coin daté');
            INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation) VALUES (2, 2, '1', 'Sans prix');
            INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation, Neuf, QteN)
                VALUES (3, 2, '1', 'Prix nul', 0, -1);
            INSERT INTO MesVarietes (CodePersonnel, Collection, Reference, Designation, Oblitere, QteO, QtesO, EtatO)
                VALUES (4, 2, '1', 'Non possédée', 3, 0, 5, 50);
        )"));
        RemplirMesVarietesFiche();
    }

    std::unique_ptr<OFormFicheMesVarietes> ouvrir(int code)
    {
        f->ListeMesVarietes()->selectionnerCle(QString::number(code));
        auto carte = std::make_unique<OFormFicheMesVarietes>(f->ListeMesVarietes()->BoundText(), f);
        if (!activer(carte.get()))
            return nullptr;
        return carte;
    }

    bool saisir(OFormFicheMesVarietes* carte, const QString& nom, const QString& texte)
    {
        if (!taperDans(carte->findChild<QLineEdit*>(nom), texte))
            return false;
        return carte->validation()->validerChampActif();
    }

private slots:
    void init()
    {
        prog = std::make_unique<ProgrammeCartes>();
        f = prog->f;
        QVERIFY(f);
        plateforme = &prog->p->plateforme;
        ouvrirCollection(QStringLiteral("2"));
        ajouterItems();
    }

    void cleanup() { prog.reset(); }

    // The stored row as the card shows it; opened and closed without an edit, nothing is written.
    void chargement_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<bool>>("visibles");
        QTest::addColumn<QStringList>("prix");
        QTest::addColumn<QStringList>("ligneN");  // tick, quality, copies, duplicates
        QTest::addColumn<QStringList>("ligneO");
        QTest::addColumn<QString>("valeurs");
        QTest::newRow("possédé, deux prix") << 1 << QList<bool>{true, false, false, true, false}
            << QStringList{"10", "", "", "2,5", ""} << QStringList{"1", "80", "2", "1"} << QStringList{"0", "", "", ""}
            << "16,0 10,0";
        QTest::newRow("aucun prix") << 2 << QList<bool>{false, false, false, false, false}
            << QStringList{"", "", "", "", ""} << QStringList{"0", "", "", ""} << QStringList{"0", "", "", ""}
            << "0,0 0,0";
        QTest::newRow("prix nul, possédé sans quantités") << 3 << QList<bool>{true, false, false, false, false}
            << QStringList{"0", "", "", "", ""} << QStringList{"1", "100", "1", ""} << QStringList{"0", "", "", ""}
            << "0,0 0,0";
        QTest::newRow("non possédé, colonnes remplies") << 4 << QList<bool>{false, false, false, true, false}
            << QStringList{"", "", "", "3", ""} << QStringList{"0", "", "", ""} << QStringList{"0", "", "", ""}
            << "0,0 0,0";
    }

    void chargement()
    {
        QFETCH(int, code);
        const QString avant = contenu(QStringLiteral("MesVarietes"));
        auto carte = ouvrir(code);
        QVERIFY(carte);
        QCOMPARE(carte->windowTitle(), QStringLiteral("Variétés non répertoriées et autres pièces"));
        QTEST(lignesVisibles(*carte), "visibles");
        QStringList prix;
        for (int i = 0; i < 5; ++i) {
            prix << carte->prix(i)->text();
            QVERIFY(!carte->prix(i)->isHidden());
        }
        QTEST(prix, "prix");
        GrilleDetention* g = carte->grille();
        auto ligne = [g](int i) {
            return QStringList{g->Qte(i)->isChecked() ? "1" : "0", g->Etat(i)->text(), g->Qtes(i)->text(),
                g->QteDouble(i)->text()};
        };
        QTEST(ligne(0), "ligneN");
        QTEST(ligne(3), "ligneO");
        QTEST(g->ValeurCollection()->text() + QLatin1Char(' ') + g->ValeurDoubles()->text(), "valeurs");
        QCOMPARE(carte->ModifVP(), quint8(0));
        QVERIFY(carte->LabelPath()->text().isEmpty());
        const qint64 ecrit = ecritures();
        carte->reject();
        QVERIFY(!carte->isVisible());
        QCOMPARE(ecritures(), ecrit);
        QCOMPARE(contenu(QStringLiteral("MesVarietes")), avant);
    }

    // What the card writes when it closes after an edit: the whole row, once; an emptied price or
    // duplicates box stores Null.
    void ecriture_data()
    {
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("copies") << "QtesN" << "3" << "10|Null|Null|2.5|Null|-1|3|80|1|0|Null|Null|Null|0|coin daté|Null|";
        QTest::newRow("prix vidé") << "Neuf" << "" << "Null|Null|Null|2.5|Null|-1|2|80|1|0|Null|Null|Null|0|coin daté|Null|";
        QTest::newRow("doubles vidés") << "QteDoubleN" << "" << "10|Null|Null|2.5|Null|-1|2|80|Null|0|Null|Null|Null|0|coin daté|Null|";
        QTest::newRow("copies vidées") << "QtesN" << "" << "10|Null|Null|2.5|Null|0|Null|Null|1|0|Null|Null|Null|0|coin daté|Null|";
        QTest::newRow("prix décimal") << "Oblitere" << "1,25" << "10|Null|Null|1.25|Null|-1|2|80|1|0|Null|Null|Null|0|coin daté|Null|";
    }

    void ecriture()
    {
        QFETCH(QString, boite);
        QFETCH(QString, texte);
        auto carte = ouvrir(1);
        QVERIFY(carte);
        QVERIFY(taperDans(carte->findChild<QLineEdit*>(boite), texte));
        const qint64 ecrit = ecritures();
        // Closed with the box still focused: its value is checked first, then written once.
        carte->reject();
        QVERIFY(!carte->isVisible());
        QCOMPARE(ecritures(), ecrit + 1);
        QTEST(ligneItem(1), "ligne");
        QCOMPARE(carte->ModifVP(), quint8(0));
    }

    // The own-price rule: the flag is raised by any entry; an accepted price shows its row.
    void prix_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<bool>("visible");
        QTest::newRow("zéro") << "0" << true << true;
        QTest::newRow("maximum") << "1000000" << true << true;
        QTest::newRow("au-delà") << "1000001" << false << true;
        QTest::newRow("négatif") << "-1" << false << true;
        QTest::newRow("texte") << "abc" << false << true;
        QTest::newRow("nan") << "nan" << false << true;
        QTest::newRow("NaN") << "NaN" << false << true;
        QTest::newRow("inf") << "inf" << false << true;
        QTest::newRow("-inf") << "-inf" << false << true;
        QTest::newRow("vide") << "" << true << false;
    }

    void prix()
    {
        QFETCH(QString, texte);
        QFETCH(bool, accepte);
        // Item 1: O priced 2.5, its row shown. A refused price leaves the row as it was.
        auto carte = ouvrir(1);
        QVERIFY(carte);
        if (!accepte)
            plateforme->repondreMessage(Reponse::OK);
        QCOMPARE(saisir(carte.get(), QStringLiteral("Oblitere"), texte), accepte);
        QCOMPARE(carte->ModifVP(), quint8(1));
        QTEST(carte->grille()->ligneVisible(3), "visible");
        if (!accepte) {
            QCOMPARE(plateforme->messages().last().texte, QStringLiteral("Vous devez entrer une valeur"));
            QCOMPARE(plateforme->messages().last().titre, QStringLiteral("Saisie incorrecte"));
            QVERIFY(carte->prix(3)->text().isEmpty());
        }
    }

    // A refused own price empties its box, as the rule says, but what is stored stays: only a price the
    // user empties on purpose is stored as Null. Item 1 is priced N 10.
    void prixRefuseGardeLePrixStocke_data()
    {
        // Typed in Neuf in turn, the box left each time; "!" marks an entry the card refuses.
        QTest::addColumn<QStringList>("saisies");
        QTest::addColumn<QString>("neuf");  // what is stored once the card has closed
        QTest::newRow("abc") << QStringList {"!abc"} << "10";
        QTest::newRow("nan") << QStringList {"!nan"} << "10";
        QTest::newRow("au-delà du maximum") << QStringList {"!1000001"} << "10";
        QTest::newRow("refusé puis corrigé") << QStringList {"!abc", "12"} << "12";
        QTest::newRow("refusé puis vidé exprès") << QStringList {"!abc", "3", ""} << "Null";
        QTest::newRow("accepté puis refusé") << QStringList {"12", "!abc"} << "10";
    }

    void prixRefuseGardeLePrixStocke()
    {
        QFETCH(QStringList, saisies);
        QFETCH(QString, neuf);
        auto carte = ouvrir(1);
        QVERIFY(carte);
        QLineEdit* boite = carte->prix(0);
        for (const QString& saisie : saisies) {
            const bool refusee = saisie.startsWith(QLatin1Char('!'));
            QVERIFY(taperDans(boite, refusee ? saisie.mid(1) : saisie));
            if (refusee)
                plateforme->repondreMessage(Reponse::OK);
            QTest::keyClick(boite, Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != boite);
        }
        // Passed through without typing: nothing the user chose.
        boite->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }));
        QTest::keyClick(boite, Qt::Key_Tab);
        // Closed by Escape from another box, as the user does after answering the message.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!carte->isVisible());
        QCOMPARE(ligneItem(1).section(QLatin1Char('|'), 0, 0), neuf);
        // The rest of the row is written as it was.
        QCOMPARE(ligneItem(1).section(QLatin1Char('|'), 1), QStringLiteral("Null|Null|2.5|Null|-1|2|80|1|0|Null|Null|Null|0|coin daté|Null|"));
    }

    // The close button pressed while the box left for it is refused: the button's release went to the
    // refusal's box. The card stays open, and one Escape closes it.
    void fermetureRefuseePuisEchap_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("saisi");
        QTest::newRow("prix") << "Neuf" << "abc";
        QTest::newRow("copies") << "QtesN" << "1000";
    }

    void fermetureRefuseePuisEchap()
    {
        QFETCH(QString, nom);
        QFETCH(QString, saisi);
        auto carte = ouvrir(1);
        QVERIFY(carte);
        auto* boite = carte->findChild<QLineEdit*>(nom);
        QVERIFY(taperDans(boite, saisi));
        plateforme->repondreMessage(Reponse::OK);
        QTest::mousePress(carte->findChild<QPushButton*>(QStringLiteral("BoutonAnnuler")), Qt::LeftButton);
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Saisie incorrecte"));
        QVERIFY(carte->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!carte->isVisible());
        QCOMPARE(plateforme->messages().size(), 1);
    }

    // A price typed shows its row; holdings typed on it are valued and reopen as typed.
    void prixEtDetentionRelus()
    {
        auto carte = ouvrir(2);
        QVERIFY(carte);
        QVERIFY(saisir(carte.get(), QStringLiteral("Lettre"), QStringLiteral("4")));
        QVERIFY(carte->grille()->ligneVisible(4));
        QVERIFY(saisir(carte.get(), QStringLiteral("QtesL"), QStringLiteral("3")));
        QVERIFY(carte->grille()->Qte(4)->isChecked());
        QCOMPARE(carte->grille()->Etat(4)->text(), QStringLiteral("100"));
        QCOMPARE(carte->grille()->ValeurCollection()->text(), QStringLiteral("12,0"));
        carte->BoutonAnnuler_Click();
        QVERIFY(!carte->isVisible());
        carte = ouvrir(2);
        QVERIFY(carte);
        QCOMPARE(carte->prix(4)->text(), QStringLiteral("4"));
        QCOMPARE(carte->grille()->Qtes(4)->text(), QStringLiteral("3"));
        QCOMPARE(carte->grille()->ValeurCollection()->text(), QStringLiteral("12,0"));
    }

    // A picture chosen and no other edit: the path is stored, and shown at the next opening.
    void imageAssociee()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireImage(dossier.filePath(QStringLiteral("piece.jpg")), Qt::red));
        auto carte = ouvrir(2);
        QVERIFY(carte);
        plateforme->repondreDialogue(choisir(dossier.path(), QStringLiteral("piece.jpg")));
        carte->BoutonAssocier_Click();
        const QString chemin = QDir::toNativeSeparators(QDir(dossier.path()).absoluteFilePath(QStringLiteral("piece.jpg")));
        QCOMPARE(carte->LabelPath()->text(), chemin);
        QCOMPARE(carte->ModifVP(), quint8(1));
        QVERIFY(!carte->findChild<BoiteImage*>(QStringLiteral("Picture1"))->estVide());
        carte->reject();
        QVERIFY(ligneItem(2).endsWith(chemin + QLatin1Char('|')));
        carte = ouvrir(2);
        QVERIFY(carte);
        QVERIFY(!carte->image().isNull());
        QVERIFY(!carte->findChild<BoiteImage*>(QStringLiteral("Picture1"))->estVide());
    }

    // The dialog cancelled, or confirmed with nothing chosen: nothing changes and nothing is written.
    void associationSansChoix()
    {
        auto carte = ouvrir(2);
        QVERIFY(carte);
        plateforme->repondreDialogue([](QDialog& d) {
            static_cast<dlgAssocierImage&>(d).OKButton_Click();
            return d.result();
        });
        carte->BoutonAssocier_Click();
        QVERIFY(carte->LabelPath()->text().isEmpty());
        QCOMPARE(carte->ModifVP(), quint8(0));
        const qint64 ecrit = ecritures();
        carte->reject();
        QCOMPARE(ecritures(), ecrit);
    }

    // A stored path that names nothing here shows no picture, and says nothing.
    void cheminIntrouvable()
    {
        CnxPerso->executer(QStringLiteral("UPDATE MesVarietes SET CheminImagevrt5 = ? WHERE CodePersonnel = 1"),
            {QStringLiteral("C:\\Mes images\\piece.jpg")});
        auto carte = ouvrir(1);
        QVERIFY(carte);
        QVERIFY(carte->image().isNull());
        QVERIFY(carte->findChild<BoiteImage*>(QStringLiteral("Picture1"))->estVide());
        QVERIFY(plateforme->messages().isEmpty());
    }

    // A stored path is read only when it names a regular file: a large scan is shown fitted; a device, a
    // pipe or a link to a device shows no picture, as a missing file does, and the row is left as it was.
    void imageEnregistree_data()
    {
        QTest::addColumn<QString>("sorte");
        QTest::addColumn<bool>("montree");
        QTest::newRow("scan 6000 × 6000") << "scan" << true;
        QTest::newRow("périphérique") << "/dev/zero" << false;
        QTest::newRow("tube") << "tube" << false;
        QTest::newRow("lien vers un périphérique") << "lien" << false;
        QTest::newRow("dossier") << "dossier" << false;
    }

    void imageEnregistree()
    {
        QFETCH(QString, sorte);
        QFETCH(bool, montree);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QString chemin = dossier.filePath(sorte + QStringLiteral(".jpg"));
        if (sorte == QStringLiteral("scan"))
            QVERIFY(ecrireGrandeImage(chemin));
        else if (sorte == QStringLiteral("tube"))
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else if (sorte == QStringLiteral("lien"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
        else if (sorte == QStringLiteral("dossier"))
            QVERIFY(QDir().mkdir(chemin));
        else
            chemin = sorte;
        CnxPerso->executer(QStringLiteral("UPDATE MesVarietes SET CheminImagevrt5 = ? WHERE CodePersonnel = 1"), {chemin});
        const QString avant = ligneItem(1);
        std::optional<GardeTube> garde;
        if (sorte == QStringLiteral("tube"))
            garde.emplace(chemin);
        auto carte = ouvrir(1);
        QVERIFY(carte);
        QVERIFY2(!garde || !garde->aDuDebloquer(), "the pipe was opened, and waited on");
        auto* picture1 = carte->findChild<BoiteImage*>(QStringLiteral("Picture1"));
        QCOMPARE(!carte->image().isNull(), montree);
        QCOMPARE(!picture1->estVide(), montree);
        if (montree) {
            QVERIFY(carte->image().width() <= picture1->width() && carte->image().height() <= picture1->height());
            QVERIFY(qAbs(picture1->contenu().pixelColor(picture1->width() / 2, picture1->height() / 2).green() - 128) < 4);
        }
        carte->BoutonAnnuler_Click();
        QVERIFY(plateforme->messages().isEmpty());
        QCOMPARE(ligneItem(1), avant);
    }

    // The picture dialog on a folder holding a large scan and a link to a device, then the card that
    // receives the scan: the link is no picture, the scan is previewed, shown and its path stored.
    void grandeImageAssociee()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireGrandeImage(dossier.filePath(QStringLiteral("scan.jpg"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dossier.filePath(QStringLiteral("zero.jpg"))));
        QString titreLien;
        bool apercuLien = true;
        QString titreScan;
        bool apercuScan = false;
        plateforme->repondreDialogue([&](QDialog& d) {
            auto& dialogue = static_cast<dlgAssocierImage&>(d);
            dialogue.allerA(dossier.path());
            for (const QString& nom : {QStringLiteral("zero.jpg"), QStringLiteral("scan.jpg")}) {
                const QList<QListWidgetItem*> t = dialogue.FileList()->findItems(nom, Qt::MatchExactly);
                if (t.size() != 1)
                    continue;
                dialogue.FileList()->setCurrentItem(t.first());
                (nom == QStringLiteral("zero.jpg") ? titreLien : titreScan) = dialogue.windowTitle();
                (nom == QStringLiteral("zero.jpg") ? apercuLien : apercuScan) = !dialogue.Picture1()->estVide();
            }
            dialogue.OKButton_Click();
            return dialogue.result();
        });
        auto carte = ouvrir(2);
        QVERIFY(carte);
        carte->BoutonAssocier_Click();
        const QString scan = QDir::toNativeSeparators(QDir(dossier.path()).absoluteFilePath(QStringLiteral("scan.jpg")));
        QCOMPARE(titreLien, QStringLiteral("Sélection image [Image non valide]"));
        QVERIFY(!apercuLien);
        QCOMPARE(titreScan, QStringLiteral("Sélection image [%1]").arg(scan));
        QVERIFY(apercuScan);
        QCOMPARE(carte->LabelPath()->text(), scan);
        QVERIFY(!carte->findChild<BoiteImage*>(QStringLiteral("Picture1"))->estVide());
        carte->BoutonAnnuler_Click();
        QVERIFY(ligneItem(2).endsWith(scan + QLatin1Char('|')));
    }

    // The item deleted while its card was open: the save says so rather than losing the edit silently.
    void itemSupprime()
    {
        auto carte = ouvrir(1);
        QVERIFY(carte);
        QVERIFY(saisir(carte.get(), QStringLiteral("QtesN"), QStringLiteral("4")));
        CnxPerso->executer(QStringLiteral("DELETE FROM MesVarietes WHERE CodePersonnel = 1"));
        plateforme->repondreMessage(Reponse::OK);
        carte->reject();
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Erreur"));
        QVERIFY(!carte->isVisible());
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM MesVarietes WHERE CodePersonnel = 1")).toInt(), 0);
    }

    // The stamp card's double click: its two refusals, then the card.
    void doubleClic_data()
    {
        QTest::addColumn<QString>("collection");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("titre");
        QTest::newRow("sans collection") << "" << 1
            << "Vous devez ouvrir une collection avant de pouvoir ajouter vos propres variétés" << "Impossible de continuer";
        QTest::newRow("rien de choisi") << "2" << 0 << "Aucune variété n'a été sélectionnée ou la liste est vide"
                                        << "impossible d'afficher";
        QTest::newRow("ouverte") << "2" << 1 << "" << "";
    }

    void doubleClic()
    {
        QFETCH(QString, collection);
        QFETCH(int, code);
        QFETCH(QString, message);
        if (code)
            f->ListeMesVarietes()->selectionnerCle(QString::number(code));
        if (collection.isEmpty())
        {
            // The collection goes without the screens being told.
            const QSignalBlocker sansAnnonce(&LaCollectionOuverte());
            LaCollectionOuverte().fermer();
        }
        if (message.isEmpty()) {
            plateforme->repondreDialogue([](QDialog& d) {
                auto& carte = static_cast<OFormFicheMesVarietes&>(d);
                if (carte.findChild<QLabel*>(QStringLiteral("Designation"))->text() != QStringLiteral("Piquage à cheval"))
                    return -1;
                carte.reject();
                return carte.result();
            });
        } else {
            plateforme->repondreMessage(Reponse::OK);
        }
        f->ListeMesVarietes_DblClick();
        if (message.isEmpty()) {
            QCOMPARE(plateforme->dialoguesMontres(), QStringList{QStringLiteral("OFormFicheMesVarietes")});
            QVERIFY(plateforme->messages().isEmpty());
        } else {
            QVERIFY(plateforme->dialoguesMontres().isEmpty());
            QCOMPARE(plateforme->messages().size(), 1);
            QCOMPARE(plateforme->messages().first().texte, message);
            QTEST(plateforme->messages().first().titre, "titre");
        }
    }

    // The association dialog: where it opens, the places it offers, what it hands over.
    void dialogueOuverture()
    {
        plateforme->definirLecteurs({{QStringLiteral("/media/cle"), QStringLiteral("/dev/sdb1"), QStringLiteral("vfat")},
            {QStringLiteral("/proc"), QStringLiteral("proc"), QStringLiteral("proc")}});
        QLabel cible;
        dlgAssocierImage dialogue(&cible);
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Associer une image"));
        QCOMPARE(dialogue.dossier(), QDir::cleanPath(QDir(DossierProgramme()).absolutePath()));
        QCOMPARE(dialogue.PatternCombo()->currentText(), QStringLiteral("Jpeg (*.jpg)"));
        QStringList places;
        for (int i = 0; i < dialogue.DriveList()->count(); ++i)
            places << dialogue.DriveList()->itemText(i);
        QVERIFY(places.contains(QStringLiteral("/")));
        QVERIFY(places.contains(QDir::cleanPath(QDir::homePath())));
        QVERIFY(places.contains(QStringLiteral("/media/cle")));
        QVERIFY(!places.contains(QStringLiteral("/proc")));
        // OK before any click hands over nothing.
        cible.setText(QStringLiteral("avant"));
        dialogue.OKButton_Click();
        QCOMPARE(cible.text(), QStringLiteral("avant"));
    }

    void dialogueFichiers()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QVERIFY(ecrireImage(dossier.filePath(QStringLiteral("bonne.JPG")), Qt::blue));
        QFile texte(dossier.filePath(QStringLiteral("x.jpg")));
        QVERIFY(texte.open(QIODevice::WriteOnly));
        texte.write("pas une image\n");
        texte.close();
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("sous")));
        QLabel cible;
        dlgAssocierImage dialogue(&cible);
        QVERIFY(dialogue.allerA(dossier.path()));
        // The folder list is the path from the root down to the open folder, then "sous" below it; a row
        // opens the folder it names, an ancestor included.
        const int profondeur = QDir::cleanPath(QDir(dossier.path()).absolutePath()).count(QLatin1Char('/'));
        QCOMPARE(dialogue.DirList()->count(), profondeur + 2);
        QCOMPARE(dialogue.DirList()->item(0)->text(), QStringLiteral("/"));
        QCOMPARE(dialogue.DirList()->currentItem()->text().trimmed(), QDir(dossier.path()).dirName());
        QListWidgetItem* sous = dialogue.DirList()->item(dialogue.DirList()->count() - 1);
        QCOMPARE(sous->text().trimmed(), QStringLiteral("sous"));
        dialogue.DirList_Change(sous->data(Qt::UserRole).toString());
        QCOMPARE(dialogue.FileList()->count(), 0);
        QListWidgetItem* parent = dialogue.DirList()->item(dialogue.DirList()->count() - 2);
        QCOMPARE(parent->text().trimmed(), QDir(dossier.path()).dirName());
        dialogue.DirList_Change(parent->data(Qt::UserRole).toString());
        QCOMPARE(dialogue.FileList()->count(), 2);
        auto choisirFichier = [&](const QString& nom) {
            const QList<QListWidgetItem*> t = dialogue.FileList()->findItems(nom, Qt::MatchExactly);
            QCOMPARE(t.size(), 1);
            dialogue.FileList()->setCurrentItem(t.first());
        };
        choisirFichier(QStringLiteral("bonne.JPG"));
        const QString bonne = QDir::toNativeSeparators(QDir(dossier.path()).absoluteFilePath(QStringLiteral("bonne.JPG")));
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Sélection image [%1]").arg(bonne));
        QCOMPARE(dialogue.CheminImage(), bonne);
        QVERIFY(!dialogue.Picture1()->estVide());
        // A file that is no picture replaces nothing: the caption says so and OK hands nothing over.
        choisirFichier(QStringLiteral("x.jpg"));
        QCOMPARE(dialogue.windowTitle(), QStringLiteral("Sélection image [Image non valide]"));
        QVERIFY(dialogue.Picture1()->estVide());
        QVERIFY(dialogue.CheminImage().isEmpty());
        dialogue.OKButton_Click();
        QVERIFY(cible.text().isEmpty());
    }

    void motifs_data()
    {
        QTest::addColumn<int>("entree");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("montre");
        QTest::newRow("jpeg, capitales") << 0 << "A.JPG" << true;
        QTest::newRow("jpeg, bmp") << 0 << "a.bmp" << false;
        QTest::newRow("graphic, gif mêlé") << 3 << "a.GiF" << true;
        QTest::newRow("graphic, jpg mêlé") << 3 << "a.Jpg" << true;
        QTest::newRow("graphic, bmp") << 3 << "a.BMP" << true;
        QTest::newRow("graphic, png") << 3 << "a.png" << false;
        QTest::newRow("graphic, extension prolongée") << 3 << "a.jpgx" << false;
        QTest::newRow("tous, sans extension") << 4 << "LISEZMOI" << true;
    }

    void motifs()
    {
        QFETCH(int, entree);
        QFETCH(QString, nom);
        QLabel cible;
        dlgAssocierImage dialogue(&cible);
        dialogue.PatternCombo()->setCurrentIndex(entree);
        QTEST(NomCorrespond(nom, MotifsEntree(dialogue.PatternCombo()->currentText())), "montre");
    }
};

ENREGISTRER_TEST(TestMesVarietes)
#include "test_mesvarietes.moc"
