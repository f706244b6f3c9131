// The stamp card's holdings grid: what each edit does to its row, what a save stores, and that no
// value is lost or stored unchecked when the card moves.

#include "card/Fiche.h"
#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "shell/EcranPrincipal.h"
#include "shell/ValidationSortie.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

namespace {

const QString HorsCopies = QStringLiteral("Vous devez entrer une valeur entre 0 et 9999");
const QString HorsQualite = QStringLiteral("Vous devez entrer une valeur entre 0 et 300");

// The stored holdings row of a stamp in collection 2, one text per column.
QVariantMap ligneStockee(const QString& dallay)
{
    QVariantMap ligne;
    Requete r = CnxPerso->preparer(QStringLiteral("SELECT * FROM Collection WHERE Collection = 2 AND Dallay = ?"));
    r.lier(1, dallay);
    if (r.suivante()) {
        for (int i = 0; i < r.nombreColonnes(); ++i)
            ligne.insert(r.nomColonne(i), r.colonne(i));
    }
    return ligne;
}

int lignesStockees(const QString& dallay)
{
    return CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Collection WHERE Dallay = ?"), {dallay}).toInt();
}

}  // namespace

class TestGrille : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormFiche* f = nullptr;
    GrilleDetention* g = nullptr;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        p = std::make_unique<ProgrammeTest>(remplirPerso);
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        f = qobject_cast<OFormFiche*>(EcranSiCharge(1));
        g = f->grille();
        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        // Focus moves only inside the active window.
        f->window()->show();
        QApplication::setActiveWindow(f->window());
        QVERIFY(QTest::qWaitForWindowActive(f->window()));
    }

    // The user puts the focus in the box and types, as far as the card can tell.
    void saisir(QLineEdit* boite, const QString& texte)
    {
        boite->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }));
        taper(boite, texte);
    }

    void cleanup()
    {
        p.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Rows of stamp 1: N is held (150 %, 2 copies, 3 duplicates) at 10; O held (50 %, 1) at 4; L is
    // empty at 12,5. Before any edit the values are 32,0 and 30,0.
    void evenements_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("evenement");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("apres");  // held tick, quality, copies, duplicates tick, duplicates
        QTest::addColumn<int>("modif");
        QTest::addColumn<QStringList>("valeurs");
        const int N = 0, O = 3, L = 4;
        QTest::newRow("cocher: 100 et 1") << L << "Qte" << "" << "" << QStringList {"1", "100", "1", "0", ""} << 1
                                          << QStringList {"44,5", "30,0"};
        QTest::newRow("décocher: vidé") << N << "Qte" << "" << "" << QStringList {"0", "", "", "1", "3"} << 1
                                        << QStringList {"2,0", "30,0"};
        QTest::newRow("copies: coche") << L << "Qtes" << "3" << "" << QStringList {"1", "100", "3", "0", ""} << 1
                                       << QStringList {"69,5", "30,0"};
        QTest::newRow("copies 0: possédé") << L << "Qtes" << "0" << "" << QStringList {"1", "100", "0", "0", ""} << 1
                                           << QStringList {"32,0", "30,0"};
        QTest::newRow("copies 9999") << L << "Qtes" << "9999" << "" << QStringList {"1", "100", "9999", "0", ""} << 1
                                     << QStringList {};
        QTest::newRow("copies 10000") << L << "Qtes" << "10000" << HorsCopies << QStringList {"0", "", "", "0", ""} << 0
                                      << QStringList {"32,0", "30,0"};
        QTest::newRow("copies -1") << L << "Qtes" << "-1" << HorsCopies << QStringList {"0", "", "", "0", ""} << 0
                                   << QStringList {"32,0", "30,0"};
        QTest::newRow("copies texte") << L << "Qtes" << "deux" << HorsCopies << QStringList {"0", "", "", "0", ""} << 0
                                      << QStringList {"32,0", "30,0"};
        QTest::newRow("copies décimales") << L << "Qtes" << "2,5" << HorsCopies << QStringList {"0", "", "", "0", ""} << 0
                                          << QStringList {"32,0", "30,0"};
        QTest::newRow("copies refusées: possédé décoché") << N << "Qtes" << "12345" << HorsCopies
                                                          << QStringList {"0", "", "", "1", "3"} << 1
                                                          << QStringList {"2,0", "30,0"};
        QTest::newRow("copies vidées") << N << "Qtes" << "" << "" << QStringList {"0", "", "", "1", "3"} << 1
                                       << QStringList {"2,0", "30,0"};
        QTest::newRow("qualité 300") << N << "Etat" << "300" << "" << QStringList {"1", "300", "2", "1", "3"} << 1
                                     << QStringList {"62,0", "30,0"};
        QTest::newRow("qualité décimale") << N << "Etat" << "12,5" << "" << QStringList {"1", "12,5", "2", "1", "3"} << 1
                                          << QStringList {"4,5", "30,0"};
        QTest::newRow("qualité 301") << N << "Etat" << "301" << HorsQualite << QStringList {"1", "100", "2", "1", "3"} << 0
                                     << QStringList {"32,0", "30,0"};
        QTest::newRow("qualité 300,5") << N << "Etat" << "300,5" << HorsQualite << QStringList {"1", "100", "2", "1", "3"}
                                       << 0 << QStringList {"32,0", "30,0"};
        // The locale reads these as numbers; a NaN would pass every range test and be stored as nothing.
        for (const char* pasUnNombre : {"nan", "NaN", "inf", "-inf", "infinity"})
            QTest::newRow(qPrintable(QStringLiteral("qualité %1").arg(QLatin1String(pasUnNombre))))
                << N << "Etat" << pasUnNombre << HorsQualite << QStringList {"1", "100", "2", "1", "3"} << 0
                << QStringList {"32,0", "30,0"};
        QTest::newRow("copies nan") << N << "Qtes" << "nan" << HorsCopies << QStringList {"0", "", "", "1", "3"} << 1
                                    << QStringList {"2,0", "30,0"};
        QTest::newRow("doubles NaN") << N << "QteDouble" << "NaN" << HorsCopies << QStringList {"1", "150", "2", "1", ""}
                                     << 0 << QStringList {"32,0", "30,0"};
        QTest::newRow("qualité vide") << N << "Etat" << "" << "" << QStringList {"1", "", "2", "1", "3"} << 1
                                      << QStringList {"2,0", "30,0"};
        QTest::newRow("qualité sans possession") << L << "Etat" << "80" << "" << QStringList {"0", "80", "", "0", ""} << 1
                                                 << QStringList {"32,0", "30,0"};
        QTest::newRow("doubles: cochés") << L << "QteDouble" << "3" << "" << QStringList {"0", "", "", "1", "3"} << 1
                                         << QStringList {"32,0", "67,5"};
        QTest::newRow("doubles 0: plus de doubles") << N << "QteDouble" << "0" << "" << QStringList {"1", "150", "2", "0", ""}
                                                    << 1 << QStringList {"32,0", "0,0"};
        QTest::newRow("doubles vidés") << N << "QteDouble" << "" << "" << QStringList {"1", "150", "2", "0", ""} << 1
                                       << QStringList {"32,0", "0,0"};
        QTest::newRow("doubles refusés: la coche reste") << N << "QteDouble" << "10000" << HorsCopies
                                                         << QStringList {"1", "150", "2", "1", ""} << 0
                                                         << QStringList {"32,0", "30,0"};
        QTest::newRow("doubles décimaux") << N << "QteDouble" << "1,5" << HorsCopies << QStringList {"1", "150", "2", "1", ""}
                                          << 0 << QStringList {"32,0", "30,0"};
        QTest::newRow("cocher doubles: 1") << O << "QteDoubles" << "" << "" << QStringList {"1", "50", "1", "1", "1"} << 1
                                           << QStringList {"32,0", "34,0"};
        QTest::newRow("décocher doubles: vidé") << N << "QteDoubles" << "" << "" << QStringList {"1", "150", "2", "0", ""} << 1
                                                << QStringList {"32,0", "0,0"};
    }

    void evenements()
    {
        QFETCH(int, ligne);
        QFETCH(QString, evenement);
        QFETCH(QString, saisi);
        QFETCH(QString, message);
        QFETCH(QStringList, apres);
        QFETCH(int, modif);
        QFETCH(QStringList, valeurs);
        if (!message.isEmpty())
            p->plateforme.repondreMessage(Reponse::OK);
        if (evenement == QLatin1String("Qte")) {
            g->Qte(ligne)->click();
        } else if (evenement == QLatin1String("QteDoubles")) {
            g->QteDoubles(ligne)->click();
        } else {
            QLineEdit* boite = evenement == QLatin1String("Qtes") ? g->Qtes(ligne)
                : evenement == QLatin1String("Etat")              ? g->Etat(ligne)
                                                                  : g->QteDouble(ligne);
            saisir(boite, saisi);
            // The user leaves the box: the validation the card runs before anything else.
            f->validation()->validerChampActif();
        }
        const QList<Message> vus = p->plateforme.messages();
        if (message.isEmpty()) {
            QVERIFY(vus.isEmpty());
        } else {
            QCOMPARE(vus.size(), 1);
            QCOMPARE(vus.first().texte, message);
            QCOMPARE(vus.first().titre, QStringLiteral("Saisie incorrecte"));
            QCOMPARE(vus.first().icone, Icone::Exclamation);
        }
        const QStringList etat = {g->Qte(ligne)->isChecked() ? "1" : "0", g->Etat(ligne)->text(), g->Qtes(ligne)->text(),
            g->QteDoubles(ligne)->isChecked() ? "1" : "0", g->QteDouble(ligne)->text()};
        QCOMPARE(etat, apres);
        QCOMPARE(ModifFiche, modif);
        if (!valeurs.isEmpty())
            QCOMPARE((QStringList {g->ValeurCollection()->text(), g->ValeurDoubles()->text()}), valeurs);
    }

    void enregistrement_data()
    {
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QVariantMap>("attendu");
        QVariantMap neuf = {{"QteN", -1}, {"QtesN", 2}, {"EtatN", 100}, {"QteDoubleN", QVariant()}, {"QteNC", 0},
            {"QtesNC", QVariant()}, {"EtatNC", QVariant()}, {"QteL", 0}, {"QtesL", QVariant()}, {"NePasAcquerir", 0},
            {"commentaire", ""}, {"Collection", 2}, {"Dallay", "5"}};
        QTest::newRow("nouvelle ligne") << "5" << "Qte0;Qtes0=2" << neuf;
        QTest::newRow("tout décoché: la ligne reste")
            << "1" << "Qte0;Qte3"
            << QVariantMap {{"QteN", 0}, {"QtesN", QVariant()}, {"EtatN", QVariant()}, {"QteDoubleN", 3}, {"QteO", 0},
                   {"QtesO", QVariant()}, {"EtatO", QVariant()}, {"QteDoubleNC", 0}};
        QTest::newRow("doubles décochés: Null") << "1" << "QteDoubles0"
                                                << QVariantMap {{"QteDoubleN", QVariant()}, {"QteN", -1}, {"QtesN", 2}};
        QTest::newRow("qualité vidée: Null") << "1" << "Etat0=" << QVariantMap {{"EtatN", QVariant()}, {"QtesN", 2}};
        QTest::newRow("qualité décimale") << "1" << "Etat0=12,5" << QVariantMap {{"EtatN", 12.5}};
        QTest::newRow("commentaire et ne pas acquérir")
            << "1" << "commentaire=un pli;NePasAcquerir"
            << QVariantMap {{"commentaire", "un pli"}, {"NePasAcquerir", -1}};
        QTest::newRow("commentaire vidé") << "3A" << "commentaire=" << QVariantMap {{"commentaire", ""}};
    }

    void enregistrement()
    {
        QFETCH(QString, dallay);
        QFETCH(QString, gestes);
        QFETCH(QVariantMap, attendu);
        AtteindreFiche(dallay, nullptr);
        for (const QString& geste : gestes.split(QLatin1Char(';'))) {
            const QString nom = geste.section(QLatin1Char('='), 0, 0);
            if (geste.contains(QLatin1Char('='))) {
                auto* boite = f->findChild<QLineEdit*>(nom.endsWith(QLatin1Char('0')) || nom.endsWith(QLatin1Char('3'))
                        ? nom.left(nom.size() - 1) + (nom.endsWith(QLatin1Char('0')) ? "N" : "O")
                        : nom);
                QVERIFY2(boite, qPrintable(nom));
                saisir(boite, geste.section(QLatin1Char('='), 1));
                QVERIFY(f->validation()->validerChampActif());
            } else {
                const QString suffixe = nom.endsWith(QLatin1Char('0')) ? "N" : nom.endsWith(QLatin1Char('3')) ? "O" : "";
                auto* tique = f->findChild<QCheckBox*>(suffixe.isEmpty() ? nom : nom.left(nom.size() - 1) + suffixe);
                QVERIFY2(tique, qPrintable(nom));
                tique->click();
            }
        }
        QCOMPARE(ModifFiche, 1);
        f->BoutonBas_Click();
        QCOMPARE(ModifFiche, 0);
        const QVariantMap stocke = ligneStockee(dallay);
        for (auto it = attendu.cbegin(); it != attendu.cend(); ++it) {
            const QVariant v = stocke.value(it.key());
            if (it.value().isNull())
                QVERIFY2(v.isNull(), qPrintable(it.key()));
            else
                QVERIFY2(v.toString() == it.value().toString(), qPrintable(it.key() + " = " + v.toString()));
        }
        QCOMPARE(lignesStockees(dallay), 1);
    }

    void deuxEnregistrementsUneLigne()
    {
        AtteindreFiche(QStringLiteral("4"), nullptr);
        g->Qte(0)->click();
        // Away by the tab bar and back, another edit, then a move.
        f->barre()->setTab(0);
        QCOMPARE(lignesStockees(QStringLiteral("4")), 1);
        ChargerEcran(0)->barre()->setTab(1);
        g->Qte(3)->click();
        f->BoutonBas_Click();
        QCOMPARE(lignesStockees(QStringLiteral("4")), 1);
        QCOMPARE(ligneStockee(QStringLiteral("4")).value("QteO").toInt(), -1);
        QCOMPARE(ligneStockee(QStringLiteral("4")).value("QteN").toInt(), -1);
    }

    void collectionFermeeRienNEstEcrit()
    {
        const QString avant = contenu(QStringLiteral("Collection"));
        g->Qte(4)->click();
        ouvrirCollection(QString());
        // Clearing the grid ran its handlers, yet the card has nothing to save into.
        f->BoutonBas_Click();
        f->BoutonHaut_Click();
        EnregistrerSiModifie();
        QCOMPARE(contenu(QStringLiteral("Collection")), avant);
        for (QWidget* w : f->grilleDetention())
            QVERIFY(!w->isEnabled());
        QCOMPARE(g->ValeurCollection()->text(), QStringLiteral("0,0"));
    }

    void enregistrementRefuse()
    {
        g->Qte(4)->click();
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 1"));
        p->plateforme.repondreMessage(Reponse::OK);
        f->BoutonBas_Click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().titre, QStringLiteral("Erreur"));
        // Reported, kept, and the card did not move away from what was typed.
        QCOMPARE(ModifFiche, 1);
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QVERIFY(g->Qte(4)->isChecked());
        CnxPerso->executer(QStringLiteral("PRAGMA query_only = 0"));
        f->BoutonBas_Click();
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        QCOMPARE(ligneStockee(QStringLiteral("1")).value("QteL").toInt(), -1);
    }

    // The write fails inside its transaction, once the stored row has been read again: at the upsert
    // itself (the disk full, an I/O error) or at COMMIT (a check the commit alone makes). The card
    // refuses and stays with what was typed; the next save still compares with the row that is stored,
    // so once the cause is gone the edit is stored and not taken for the row already written.
    void ecritureEchoueeDansLaTransaction_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("remede");
        QTest::addColumn<QString>("raison");
        QTest::newRow("à l'écriture")
            << "CREATE TEMP TRIGGER Refus BEFORE UPDATE ON main.Collection "
               "BEGIN SELECT RAISE(ABORT, 'disque plein'); END;"
            << "DROP TRIGGER Refus;" << "disque plein";
        // A deferred reference is checked only when the transaction commits.
        QTest::newRow("au COMMIT")
            << "PRAGMA foreign_keys = ON; CREATE TEMP TABLE Cible (n INTEGER PRIMARY KEY); "
               "CREATE TEMP TABLE Renvoi (n INTEGER REFERENCES Cible (n) DEFERRABLE INITIALLY DEFERRED); "
               "CREATE TEMP TRIGGER Refus AFTER UPDATE ON main.Collection BEGIN INSERT INTO Renvoi VALUES (1); END;"
            << "DROP TRIGGER Refus; PRAGMA foreign_keys = OFF;" << "FOREIGN KEY";
    }

    void ecritureEchoueeDansLaTransaction()
    {
        QFETCH(QString, cause);
        QFETCH(QString, remede);
        QFETCH(QString, raison);
        saisir(g->Qtes(0), QStringLiteral("5"));
        CnxPerso->executerScript(cause);
        p->plateforme.repondreMessage(Reponse::OK);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().titre, QStringLiteral("Erreur"));
        QVERIFY2(p->plateforme.messages().first().texte.contains(raison), qPrintable(p->plateforme.messages().first().texte));
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QCOMPARE(g->Qtes(0)->text(), QStringLiteral("5"));
        QCOMPARE(ModifFiche, 1);
        QCOMPARE(ligneStockee(QStringLiteral("1")).value("QtesN").toInt(), 2);

        CnxPerso->executerScript(remede);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        const QVariantMap stocke = ligneStockee(QStringLiteral("1"));
        QCOMPARE(stocke.value("QtesN").toInt(), 5);
        QCOMPARE(stocke.value("EtatN").toInt(), 150);
        QCOMPARE(stocke.value("QteDoubleN").toInt(), 3);
        QCOMPARE(stocke.value("QtesO").toInt(), 1);
        QCOMPARE(lignesStockees(QStringLiteral("1")), 1);
    }

    // Another screen writes the stamp's row while the card holds an edit of it: the save writes what the
    // user changed and keeps what the other screen wrote, never the row as the card read it. The comment
    // is the user's when typed, the other screen's when not.
    void ecritureDUnAutreEcranGardee_data()
    {
        QTest::addColumn<QString>("tape");      // null: the comment is left alone
        QTest::addColumn<QString>("ailleurs");  // the comment the other screen writes (null: none)
        QTest::addColumn<QString>("stocke");
        QTest::newRow("commentaire tapé") << "un pli" << QString() << "un pli";
        QTest::newRow("commentaire écrit ailleurs") << QString() << "coin arrondi" << "coin arrondi";
    }

    void ecritureDUnAutreEcranGardee()
    {
        QFETCH(QString, tape);
        QFETCH(QString, ailleurs);
        QFETCH(QString, stocke);
        saisir(g->Qtes(0), QStringLiteral("5"));
        if (!tape.isNull())
            saisir(qobject_cast<QLineEdit*>(g->commentaire()), tape);
        CnxPerso->executer(QStringLiteral("UPDATE Collection SET QteL = -1, EtatL = 100, QtesL = 1, QteO = 0, "
                                          "EtatO = NULL, QtesO = NULL, NePasAcquerir = -1, "
                                          "commentaire = coalesce(?, commentaire) "
                                          "WHERE Collection = 2 AND Dallay = '1'"),
            {ailleurs.isNull() ? QVariant() : QVariant(ailleurs)});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        const QVariantMap stockee = ligneStockee(QStringLiteral("1"));
        const QVariantMap attendu = {{"QteN", -1}, {"EtatN", 150}, {"QtesN", 5}, {"QteDoubleN", 3}, {"QteO", 0},
            {"QtesO", QVariant()}, {"EtatO", QVariant()}, {"QteL", -1}, {"EtatL", 100}, {"QtesL", 1},
            {"NePasAcquerir", -1}, {"commentaire", stocke}};
        for (auto it = attendu.cbegin(); it != attendu.cend(); ++it) {
            const QVariant v = stockee.value(it.key());
            QVERIFY2(it.value().isNull() ? v.isNull() : v.toString() == it.value().toString(),
                qPrintable(it.key() + " = " + v.toString()));
        }
    }

    // A collection opened while its holdings of the card's stamp cannot be read: the grid stays empty
    // and disabled once the screens are in line, and an edit that reaches it all the same is refused
    // with a message and kept until the stored row can be read, then written without losing that row.
    void lectureEchoueeALOuverture()
    {
        CnxPerso->executer(
            QStringLiteral("UPDATE Collection SET commentaire = 'coin plié' WHERE Collection = 2 AND Dallay = '1'"));
        ouvrirCollection(QString());
        CnxPerso->executer(QStringLiteral("ALTER TABLE Collection RENAME TO CollectionCachee"));
        ouvrirCollection(QStringLiteral("2"));
        for (QWidget* w : f->grilleDetention())
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QTest::mouseClick(g->Qte(4), Qt::LeftButton);
        QVERIFY(!g->Qte(4)->isChecked());
        QCOMPARE(ModifFiche, 0);

        g->Qte(4)->setChecked(true);
        QCOMPARE(ModifFiche, 1);
        p->plateforme.repondreMessage(Reponse::OK);
        f->BoutonBas_Click();
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().titre, QStringLiteral("Erreur"));
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QCOMPARE(ModifFiche, 1);

        CnxPerso->executer(QStringLiteral("ALTER TABLE CollectionCachee RENAME TO Collection"));
        f->BoutonBas_Click();
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        const QVariantMap stocke = ligneStockee(QStringLiteral("1"));
        QCOMPARE(stocke.value("QteN").toInt(), -1);
        QCOMPARE(stocke.value("EtatN").toInt(), 150);
        QCOMPARE(stocke.value("QtesN").toInt(), 2);
        QCOMPARE(stocke.value("QteDoubleN").toInt(), 3);
        QCOMPARE(stocke.value("QteO").toInt(), -1);
        QCOMPARE(stocke.value("EtatO").toInt(), 50);
        QCOMPARE(stocke.value("QteL").toInt(), -1);
        QCOMPARE(stocke.value("QtesL").toInt(), 1);
        QCOMPARE(stocke.value("commentaire").toString(), QStringLiteral("coin plié"));
    }

    // At either end of the catalogue a move saves and the card stays on its stamp. The next save must
    // compare with what the first one wrote: a value put back to what the card first showed is a change.
    void valeurRemiseAuxBouts_data()
    {
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QString>("geste");  // a key typed in the comment box, or a navigation button
        QTest::addColumn<QString>("copiesAffichees");
        QTest::newRow("premier, Page Up") << "1" << "PageUp" << "2";
        QTest::newRow("premier, fiche précédente") << "1" << "BoutonHaut" << "2";
        QTest::newRow("dernier, Page Down") << "5" << "PageDown" << "";
        QTest::newRow("dernier, fiche suivante") << "5" << "BoutonBas" << "";
    }

    void valeurRemiseAuxBouts()
    {
        QFETCH(QString, dallay);
        QFETCH(QString, geste);
        QFETCH(QString, copiesAffichees);
        auto* commentaire = qobject_cast<QLineEdit*>(g->commentaire());
        auto partir = [&] {
            if (geste.startsWith(QLatin1String("Bouton")))
                QTest::mouseClick(f->findChild<QWidget*>(geste), Qt::LeftButton);
            else
                QTest::keyClick(commentaire, geste == QLatin1String("PageUp") ? Qt::Key_PageUp : Qt::Key_PageDown);
        };
        AtteindreFiche(dallay, nullptr);
        QCOMPARE(g->Qtes(0)->text(), copiesAffichees);
        QCOMPARE(commentaire->text(), QString());

        saisir(g->Qtes(0), QStringLiteral("7"));
        saisir(commentaire, QStringLiteral("premier essai"));
        partir();
        QCOMPARE(texte("Dallay"), dallay);
        QVariantMap stocke = ligneStockee(dallay);
        QCOMPARE(stocke.value("QtesN").toInt(), 7);
        QCOMPARE(stocke.value("commentaire").toString(), QStringLiteral("premier essai"));

        // Back to what the card showed first, and away again from the same end.
        saisir(g->Qtes(0), copiesAffichees);
        saisir(commentaire, QString());
        partir();
        QCOMPARE(texte("Dallay"), dallay);
        QCOMPARE(ModifFiche, 0);
        stocke = ligneStockee(dallay);
        QCOMPARE(stocke.value("QtesN").isNull(), copiesAffichees.isEmpty());
        QCOMPARE(stocke.value("QtesN").toString(), copiesAffichees);
        QCOMPARE(stocke.value("QteN").toInt(), copiesAffichees.isEmpty() ? 0 : -1);
        QCOMPARE(stocke.value("commentaire").toString(), QString());
        QCOMPARE(lignesStockees(dallay), 1);

        // Shown again from the database: what the card showed was what is stored.
        f->BoutonDebut_Click();
        f->BoutonFin_Click();
        AtteindreFiche(dallay, nullptr);
        QCOMPARE(g->Qtes(0)->text(), copiesAffichees);
        QCOMPARE(commentaire->text(), QString());
    }

    // Another screen writes the stamp's row while the card, at an end of the catalogue, holds an edit:
    // the save keeps the other screen's part, and the card, which stays, shows the row as written.
    void autreEcranAuBoutMontre()
    {
        saisir(g->Qtes(0), QStringLiteral("5"));
        CnxPerso->executer(QStringLiteral("UPDATE Collection SET QteL = -1, EtatL = 100, QtesL = 4, commentaire = 'daté' "
                                          "WHERE Collection = 2 AND Dallay = '1'"));
        QTest::keyClick(g->Qtes(0), Qt::Key_PageUp);
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QCOMPARE(g->Qtes(0)->text(), QStringLiteral("5"));
        QVERIFY(g->Qte(4)->isChecked());
        QCOMPARE(g->Qtes(4)->text(), QStringLiteral("4"));
        QCOMPARE(texte("commentaire"), QStringLiteral("daté"));
        QCOMPARE(g->ValeurCollection()->text(), QStringLiteral("127,0"));
        QCOMPARE(ModifFiche, 0);
        const QVariantMap stocke = ligneStockee(QStringLiteral("1"));
        QCOMPARE(stocke.value("QtesN").toInt(), 5);
        QCOMPARE(stocke.value("QtesL").toInt(), 4);
        QCOMPARE(stocke.value("commentaire").toString(), QStringLiteral("daté"));
    }

    void saisieSuivieDUnDeplacement_data()
    {
        QTest::addColumn<int>("touche");
        QTest::newRow("Page Down") << int(Qt::Key_PageDown);
        QTest::newRow("End") << int(Qt::Key_End);
    }

    void saisieSuivieDUnDeplacement()
    {
        QFETCH(int, touche);
        QLineEdit* copies = g->Qtes(4);
        copies->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == copies; }));
        taper(copies, QStringLiteral("3"));
        QTest::keyClick(copies, Qt::Key(touche));
        const QString suivant = texte("Dallay");
        QVERIFY(suivant != QStringLiteral("1"));
        // The box still has the focus and shows the next stamp's holdings: moving on marks nothing.
        QTest::keyClick(copies, Qt::Key_Home);
        QCOMPARE(lignesStockees(suivant), 0);
        const QVariantMap stocke = ligneStockee(QStringLiteral("1"));
        QCOMPARE(stocke.value("QtesL").toInt(), 3);
        QCOMPARE(stocke.value("QteL").toInt(), -1);
        QCOMPARE(stocke.value("EtatL").toInt(), 100);

        // Out of range then a move: refused where it was typed, nothing stored, the card stays.
        AtteindreFiche(QStringLiteral("1"), nullptr);
        copies->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == copies; }));
        taper(copies, QStringLiteral("10000"));
        p->plateforme.repondreMessage(Reponse::OK);
        QTest::keyClick(copies, Qt::Key(touche));
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QCOMPARE(ligneStockee(QStringLiteral("1")).value("QtesL").toInt(), 3);
    }

    void quitterLaBoiteLaValide()
    {
        QLineEdit* qualite = g->Etat(0);
        qualite->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == qualite; }));
        taper(qualite, QStringLiteral("999"));
        p->plateforme.repondreMessage(Reponse::OK);
        g->commentaire()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == g->commentaire(); }));
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(qualite->text(), QStringLiteral("100"));
        // Leaving a box whose text did not change marks the card all the same.
        QCOMPARE(ModifFiche, 0);
        g->Qtes(0)->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == g->Qtes(0); }));
        QCOMPARE(ModifFiche, 1);
    }
};

ENREGISTRER_TEST(TestGrille)

#include "test_grille.moc"
