// The cancellation card: the two conditions of a cancellation, its prices and the write of its holdings.

#include "CartesTest.h"

#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/ValidationSortie.h"
#include "subcards/OFormFicheObliterations.h"
#include "support/Suite.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

class TestObliterations : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeCartes> prog;
    OFormFiche* f = nullptr;
    PlateformeScriptee* plateforme = nullptr;

    std::unique_ptr<OFormFicheObliterations> ouvrir(const QString& dallay)
    {
        f->ListeObliterations()->selectionnerCle(dallay);
        auto carte = std::make_unique<OFormFicheObliterations>(f->ListeObliterations()->BoundText(), f);
        if (!activer(carte.get()))
            return nullptr;
        return carte;
    }

private slots:
    void init()
    {
        prog = std::make_unique<ProgrammeCartes>();
        f = prog->f;
        QVERIFY(f);
        plateforme = &prog->p->plateforme;
    }

    void cleanup() { prog.reset(); }

    void lignesEtCotes()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1-O2"));
        QVERIFY(carte);
        QCOMPARE(carte->windowTitle(), QStringLiteral("Oblitérations"));
        QCOMPARE(carte->Dallay()->text(), QStringLiteral("1-O2"));
        QCOMPARE(carte->findChild<QLabel*>(QStringLiteral("Designation"))->text(), QStringLiteral("Grille"));
        QCOMPARE(carte->grille()->nombreLignes(), 2);
        QVERIFY(!carte->grille()->ligneVisible(0));
        QVERIFY(carte->grille()->ligneVisible(1));
        QCOMPARE(carte->findChild<QLabel*>(QStringLiteral("Lettre"))->text(), QStringLiteral("15"));
        QVERIFY(!carte->findChild<QLabel*>(QStringLiteral("Neuf")));
        QVERIFY(!carte->findChild<QCheckBox*>(QStringLiteral("QteN")));
        QVERIFY(!carte->findChild<QCheckBox*>(QStringLiteral("QteDoublesO")));
    }

    void chargementEtDoublesVides()
    {
        ouvrirCollection(QStringLiteral("2"));
        CnxPerso->executer(QStringLiteral(
            "INSERT INTO CollectionO (Collection, Dallay, QteO, EtatO, QtesO, QteDoubleO, QteL, QtesL, NePasAcquerir, commentaire) "
            "VALUES (2, '1-O1', -1, NULL, 2, 5, 0, 4, -1, 'rare')"));
        auto carte = ouvrir(QStringLiteral("1-O1"));
        QVERIFY(carte);
        GrilleDetention* g = carte->grille();
        QVERIFY(g->Qte(0)->isChecked());
        QCOMPARE(g->Etat(0)->text(), QStringLiteral("100"));
        QCOMPARE(g->Qtes(0)->text(), QStringLiteral("2"));
        QCOMPARE(g->QteDouble(0)->text(), QStringLiteral("5"));
        QVERIFY(!g->Qte(1)->isChecked());
        QCOMPARE(g->Qtes(1)->text(), QString());
        QVERIFY(g->NePasAcquerir()->isChecked());
        QCOMPARE(g->texteCommentaire(), QStringLiteral("rare"));
        // 6 x 2 x 100 % and 6 x 5.
        QCOMPARE(g->ValeurCollection()->text(), QStringLiteral("12,0"));
        QCOMPARE(g->ValeurDoubles()->text(), QStringLiteral("30,0"));
        QCOMPARE(carte->ModifO(), quint8(0));

        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("QteDoubleO"), QString()));
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("QtesL"), QStringLiteral("0")));
        QVERIFY(g->Qte(1)->isChecked());
        QCOMPARE(g->Etat(1)->text(), QStringLiteral("100"));
        carte->reject();
        QVERIFY(!carte->isVisible());
        QCOMPARE(ligneDetention(QStringLiteral("CollectionO"), QStringLiteral("1-O1")),
            QStringLiteral("2|1-O1|-1|100|-1|100|Null|Null|2|0|-1|rare|"));
    }

    // The card's words, and its comment of several lines: typed with Enter between the lines, written
    // when the card closes, shown again at the next opening.
    void libellesEtCommentaire()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1-O1"));
        QVERIFY(carte);
        const QList<std::pair<const char*, const char*>> libelles = {{"Étiquette62", "Possédé"},
            {"Étiquette40", "Qualité en %"}, {"Étiquette242", "Qté"}, {"Étiquette58", "Quantité doubles"},
            {"Label1", "Valeur en euros"}, {"Étiquette75", "Commentaire:"}, {"EtiquetteO", "Oblitéré"},
            {"EtiquetteL", "Lettre"}, {"Étiquette54", "\u229A"}, {"Étiquette154", "\u2709"}};
        for (const auto& [nom, texte] : libelles) {
            auto* l = carte->findChild<QLabel*>(QString::fromUtf8(nom));
            QVERIFY2(l && l->isVisible(), nom);
            QCOMPARE(l->text(), QString::fromUtf8(texte));
        }
        for (QLabel* l : carte->findChildren<QLabel*>())
            QVERIFY2(!l->isVisible() || !l->text().contains(QStringLiteral("j'ai")), qPrintable(l->text()));

        auto* commentaire = carte->findChild<QPlainTextEdit*>(QStringLiteral("commentaire"));
        QVERIFY(commentaire);
        commentaire->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == commentaire; }));
        commentaire->selectAll();
        QTest::keyClick(commentaire, Qt::Key_Backspace);
        QTest::keyClicks(commentaire, QStringLiteral("cachet rond"));
        QTest::keyClick(commentaire, Qt::Key_Return);
        QTest::keyClicks(commentaire, QStringLiteral("de Paris"));
        QVERIFY(carte->isVisible());
        QTest::keyClick(commentaire, Qt::Key_Escape);
        QVERIFY(!carte->isVisible());
        QVERIFY(ligneDetention(QStringLiteral("CollectionO"), QStringLiteral("1-O1"))
                    .endsWith(QStringLiteral("|cachet rond\nde Paris|")));
        auto autre = ouvrir(QStringLiteral("1-O1"));
        QCOMPARE(autre->grille()->texteCommentaire(), QStringLiteral("cachet rond\nde Paris"));
    }

    void qualiteRefuseeSeuleNEcritRien_data()
    {
        QTest::addColumn<QString>("saisi");
        QTest::newRow("-5") << "-5";
        QTest::newRow("nan") << "nan";
        QTest::newRow("NaN") << "NaN";
        QTest::newRow("inf") << "inf";
    }

    void qualiteRefuseeSeuleNEcritRien()
    {
        QFETCH(QString, saisi);
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1-O1"));
        QVERIFY(carte);
        plateforme->repondreMessage(Reponse::OK);
        QVERIFY(!saisirEtQuitter(carte.get(), QStringLiteral("EtatO"), saisi));
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().texte, QStringLiteral("Vous devez entrer une valeur entre 0 et 300"));
        QCOMPARE(carte->grille()->Etat(0)->text(), QStringLiteral("100"));
        QCOMPARE(carte->ModifO(), quint8(0));
        const qint64 ecrit = ecritures();
        carte->reject();
        QVERIFY(!carte->isVisible());
        QCOMPARE(ecritures(), ecrit);
    }

    void prixPersonnels()
    {
        ouvrirCollection(QStringLiteral("2"));
        auto carte = ouvrir(QStringLiteral("1-O1"));
        QVERIFY(carte);
        choisirCotesPerso(carte.get());
        QVERIFY(!carte->grille()->ligneVisible(0));
        QVERIFY(saisirEtQuitter(carte.get(), QStringLiteral("LettreP"), QStringLiteral("3,5")));
        QVERIFY(carte->grille()->ligneVisible(1));
        QCOMPARE(contenu(QStringLiteral("CotationsP")).split(QLatin1Char('\n')).filter(QStringLiteral("1-O1")),
            QStringList {QStringLiteral("1-O1|2|||||3.5|")});
        QCOMPARE(carte->ModifO(), quint8(0));
    }
};

ENREGISTRER_TEST(TestObliterations)
#include "test_obliterations.moc"
