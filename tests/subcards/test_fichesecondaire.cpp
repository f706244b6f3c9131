// What the variety and cancellation cards share, on each of the two: every way of closing writes the
// pending holdings once, no collection open keeps the holdings and the personal prices out of reach, and
// a click in the stamp card's list with nothing chosen opens no card.

#include "CartesTest.h"

#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "shell/Controles.h"
#include "subcards/OFormFicheObliterations.h"
#include "subcards/OFormFicheVarietes.h"
#include "support/Suite.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// One of the two cards as the stamp card opens it: from its list, on the item chosen there.
struct SousCarte {
    QString classe;  // the dialog's object name
    QString table;   // its holdings
    QString dallay;  // the item the cases open
    ListeDonnees* (OFormFiche::*liste)() const;
    void (OFormFiche::*clic)();
    std::function<std::unique_ptr<FicheSecondaire>(const QString&, QWidget*)> creer;
};

SousCarte sousCarte(const QString& nom)
{
    if (nom == QStringLiteral("variété"))
        return {QStringLiteral("OFormFicheVarietes"), QStringLiteral("CollectionV"), QStringLiteral("1a"),
            &OFormFiche::ListeVarietes, &OFormFiche::ListeVarietes_Click,
            [](const QString& dallay, QWidget* parent) { return std::make_unique<OFormFicheVarietes>(dallay, parent); }};
    return {QStringLiteral("OFormFicheObliterations"), QStringLiteral("CollectionO"), QStringLiteral("1-O1"),
        &OFormFiche::ListeObliterations, &OFormFiche::ListeObliterations_Click,
        [](const QString& dallay, QWidget* parent) { return std::make_unique<OFormFicheObliterations>(dallay, parent); }};
}

}  // namespace

class TestFicheSecondaire : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeCartes> prog;
    OFormFiche* f = nullptr;
    PlateformeScriptee* plateforme = nullptr;

private slots:
    void init()
    {
        prog = std::make_unique<ProgrammeCartes>();
        f = prog->f;
        QVERIFY(f);
        plateforme = &prog->p->plateforme;
    }

    void cleanup() { prog.reset(); }

    // Every way of closing writes the pending holdings, once, including a value still being typed.
    void fermeture_data()
    {
        QTest::addColumn<QString>("carte");
        QTest::addColumn<QString>("moyen");
        QTest::addColumn<bool>("nePasAcquerir");  // ticked first
        QTest::addColumn<QStringList>("quittee");  // a box and its text, typed then left for another control
        QTest::addColumn<QStringList>("enCours");  // a box and its text, still being typed when the card closes
        QTest::addColumn<QString>("ligne");        // the holdings row written
        for (const char* moyen : {"Annuler", "Echap", "case de fermeture"}) {
            QTest::addRow("variété, %s", moyen)
                << "variété" << moyen << false << QStringList {"QteDoubleO", "4"} << QStringList {"QtesN", "3"}
                << "2|1a|-1|100|0|Null|0|Null|0|Null|0|Null|Null|Null|Null|4|Null|3|Null|Null|Null|Null|0||";
            QTest::addRow("oblitération, %s", moyen)
                << "oblitération" << moyen << true << QStringList() << QStringList {"QtesL", "2"}
                << "2|1-O1|0|Null|-1|100|Null|Null|Null|2|-1||";
        }
    }

    void fermeture()
    {
        QFETCH(QString, carte);
        QFETCH(QString, moyen);
        QFETCH(bool, nePasAcquerir);
        QFETCH(QStringList, quittee);
        QFETCH(QStringList, enCours);
        const SousCarte s = sousCarte(carte);
        ouvrirCollection(QStringLiteral("2"));
        (f->*s.liste)()->selectionnerCle(s.dallay);
        qint64 ecrit = -1;
        bool resteOuverte = true;
        plateforme->repondreDialogue([&](QDialog& d) {
            auto& fiche = static_cast<FicheSecondaire&>(d);
            if (!activer(&fiche))
                return -1;
            if (nePasAcquerir)
                fiche.grille()->NePasAcquerir()->click();
            if (!quittee.isEmpty())
                saisirEtQuitter(&fiche, quittee.at(0), quittee.at(1));
            auto* boite = fiche.findChild<QLineEdit*>(enCours.at(0));
            taperDans(boite, enCours.at(1));
            // Enter in a box does not close the card.
            QTest::keyClick(boite, Qt::Key_Return);
            if (!fiche.isVisible())
                return -1;
            ecrit = ecritures();
            if (moyen == QStringLiteral("Annuler"))
                QTest::mouseClick(fiche.findChild<QPushButton*>(QStringLiteral("BoutonAnnuler")), Qt::LeftButton);
            else if (moyen == QStringLiteral("Echap"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                fiche.close();
            resteOuverte = fiche.isVisible();
            return fiche.result();
        });
        (f->*s.clic)();
        QCOMPARE(plateforme->dialoguesMontres(), QStringList {s.classe});
        QVERIFY(!resteOuverte);
        QCOMPARE(ecritures() - ecrit, qint64(1));
        QTEST(ligneDetention(s.table, s.dallay), "ligne");
    }

    // With no collection open the card shows no holdings, even stored ones, and offers no edit, no value
    // and no personal prices.
    void sansCollection_data()
    {
        QTest::addColumn<QString>("carte");
        QTest::addColumn<QString>("stockee");    // a holdings row of the item in a collection that is not open
        QTest::addColumn<QString>("prixPerso");  // a personal price box, which stays hidden
        QTest::newRow("variété") << "variété"
                                 << "INSERT INTO CollectionV (Collection, Dallay, QteN, QtesN) VALUES (2, '1a', -1, 5)"
                                 << "NeufP";
        QTest::newRow("oblitération") << "oblitération"
                                      << "INSERT INTO CollectionO (Collection, Dallay, QteO, QtesO) VALUES (2, '1-O1', -1, 5)"
                                      << "OblitereP";
    }

    void sansCollection()
    {
        QFETCH(QString, carte);
        QFETCH(QString, stockee);
        QFETCH(QString, prixPerso);
        const SousCarte s = sousCarte(carte);
        CnxPerso->executer(stockee);
        (f->*s.liste)()->selectionnerCle(s.dallay);
        const std::unique_ptr<FicheSecondaire> fiche = s.creer((f->*s.liste)()->BoundText(), f);
        QVERIFY(activer(fiche.get()));
        QCOMPARE(fiche->Dallay()->text(), s.dallay);
        for (QWidget* w : fiche->grille()->controlesSaisie()) {
            QVERIFY(!w->isEnabled());
            if (auto* b = qobject_cast<QLineEdit*>(w))
                QCOMPARE(b->text(), QString());
            if (auto* t = qobject_cast<QCheckBox*>(w))
                QVERIFY(!t->isChecked());
        }
        QCOMPARE(fiche->grille()->ValeurCollection()->text(), QStringLiteral("0,0"));
        QCOMPARE(fiche->grille()->ValeurDoubles()->text(), QStringLiteral("0,0"));
        // The user picks the personal prices in the source combo.
        plateforme->repondreMessage(Reponse::OK);
        QComboBox* cote = fiche->cotes()->CoteChoisie();
        QTest::keyClick(cote, Qt::Key_Down);
        QCOMPARE(plateforme->messages().size(), 1);
        QCOMPARE(plateforme->messages().first().texte,
            QStringLiteral("Il faut ouvrir une collection avant d'accéder aux cotes personnelles"));
        QCOMPARE(plateforme->messages().first().titre, QStringLiteral("Impossible d'afficher"));
        QCOMPARE(cote->currentText(), QStringLiteral("Cotes DALLAY"));
        QVERIFY(fiche->findChild<QLineEdit*>(prixPerso)->isHidden());
    }

    // A click in the list with nothing chosen refuses, and no card opens.
    void clicSansChoix_data()
    {
        QTest::addColumn<QString>("carte");
        QTest::addColumn<QString>("texte");
        QTest::newRow("variété") << "variété" << "Aucune variété n'a été sélectionnée ou la liste est vide";
        QTest::newRow("oblitération") << "oblitération" << "Aucune oblitération n'a été sélectionnée ou la liste est vide";
    }

    void clicSansChoix()
    {
        QFETCH(QString, carte);
        const SousCarte s = sousCarte(carte);
        (f->*s.liste)()->clearSelection();
        plateforme->repondreMessage(Reponse::OK);
        (f->*s.clic)();
        QCOMPARE(plateforme->messages().size(), 1);
        QTEST(plateforme->messages().first().texte, "texte");
        QCOMPARE(plateforme->messages().first().titre, QStringLiteral("impossible d'afficher"));
        QVERIFY(plateforme->dialoguesMontres().isEmpty());
    }
};

ENREGISTRER_TEST(TestFicheSecondaire)
#include "test_fichesecondaire.moc"
