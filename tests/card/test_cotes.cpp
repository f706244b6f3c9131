// The card's price source, the open collection's own prices and the personal number.

#include "card/Fiche.h"
#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "shell/EcranPrincipal.h"
#include "shell/ValidationSortie.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSlider>
#include <QtTest>

#include <optional>

namespace {

const QStringList BoitesPerso = {QStringLiteral("NeufP"), QStringLiteral("NeufAvecCharnieresP"), QStringLiteral("NSGP"),
    QStringLiteral("OblitereP"), QStringLiteral("LettreP")};
const QStringList ColonnesPerso = {QStringLiteral("NeufP"), QStringLiteral("NeufAvecCharniereP"), QStringLiteral("NSGP"),
    QStringLiteral("OblitereP"), QStringLiteral("LettreP")};

QVariant prixStocke(const QString& colonne, int collection, const QString& dallay = QStringLiteral("1"))
{
    return CnxPerso->valeur(
        QStringLiteral("SELECT %1 FROM CotationsP WHERE Dallay = ? AND Collection = ?").arg(colonne), {dallay, collection});
}

// When another connection holding the personal database for writing lets it go.
enum Verrou { SansVerrou, LibereSousLeMessage, LibereEnsuite };

int lignesCotes(int collection)
{
    return CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM CotationsP WHERE Collection = ?"), {collection}).toInt();
}

}  // namespace

class TestCotes : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormFiche* f = nullptr;
    QComboBox* cote = nullptr;

    void choisir(int index)
    {
        cote->setCurrentIndex(index);
        emit cote->activated(index);
    }

    // The user types into a box and leaves it.
    bool saisir(const QString& nom, const QString& texte)
    {
        auto* boite = f->findChild<QLineEdit*>(nom);
        boite->setFocus();
        if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }))
            return false;
        taper(boite, texte);
        return f->validation()->validerChampActif();
    }

    QList<bool> lignesVisibles() const
    {
        QList<bool> v;
        for (int i = 0; i < 5; ++i)
            v << f->grille()->ligneVisible(i);
        return v;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        p = std::make_unique<ProgrammeTest>(remplirPerso);
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        f = qobject_cast<OFormFiche*>(EcranSiCharge(1));
        cote = f->findChild<QComboBox*>(QStringLiteral("CoteChoisie"));
        f->window()->show();
        QApplication::setActiveWindow(f->window());
        QVERIFY(QTest::qWaitForWindowActive(f->window()));
    }

    void cleanup()
    {
        p.reset();
        QLocale::setDefault(QLocale::c());
    }

    // The strip as the user reads it: over each condition's price, that condition's heading and tip, the
    // postmark and the envelope standing for the used and on-cover prices.
    void enTetesDesCotes_data()
    {
        QTest::addColumn<QString>("prix");  // the condition's price label
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("infobulle");
        QTest::newRow("N") << "Neuf" << "10" << "Neuf **" << "Neuf sans charnière";
        QTest::newRow("NC") << "NeufAvecCharnieres" << "" << "Neuf *" << "Neuf avec charnière ou trace charn.";
        QTest::newRow("NSG") << "NSG" << "0" << "Neuf (*)" << "Neuf sans gomme";
        QTest::newRow("O") << "Oblitere" << "4" << QStringLiteral("\u229A") << "Oblitéré";
        QTest::newRow("L") << "Lettre" << "12,5" << QStringLiteral("\u2709") << "Sur lettre";
    }

    void enTetesDesCotes()
    {
        QFETCH(QString, prix);
        QFETCH(QString, affiche);
        QFETCH(QString, entete);
        QFETCH(QString, infobulle);
        const auto* cote = f->findChild<QLabel*>(prix);
        QVERIFY2(cote, qPrintable(prix));
        QCOMPARE(cote->text(), affiche);
        // The heading is the label standing right over the price, as wide as it.
        const QLabel* titre = nullptr;
        for (const QLabel* l : f->findChildren<QLabel*>()) {
            if (l->parentWidget() == cote->parentWidget() && l->isVisible() && l->x() == cote->x()
                && l->width() == cote->width() && l->geometry().bottom() < cote->y()
                && (!titre || l->y() > titre->y()))
                titre = l;
        }
        QVERIFY2(titre, qPrintable(prix));
        QCOMPARE(titre->text(), entete);
        QCOMPARE(titre->toolTip(), infobulle);
    }

    void persoSansCollectionRefuse()
    {
        p->plateforme.repondreMessage(Reponse::OK);
        choisir(1);
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().texte,
            QStringLiteral("Il faut ouvrir une collection avant d'accéder aux cotes personnelles"));
        QCOMPARE(p->plateforme.messages().first().titre, QStringLiteral("Impossible d'afficher"));
        QCOMPARE(cote->currentText(), QStringLiteral("Cotes DALLAY"));
        QVERIFY(!f->findChild<QLabel*>(QStringLiteral("Neuf"))->isHidden());
        QVERIFY(f->findChild<QLineEdit*>(QStringLiteral("NeufP"))->isHidden());
        QCOMPARE(texte("Neuf"), QStringLiteral("10"));
    }

    void basculeEntreLesSources()
    {
        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(lignesVisibles(), (QList<bool> {true, false, true, true, true}));
        choisir(1);
        QVERIFY(p->plateforme.messages().isEmpty());
        // Collection 3's prices of this stamp are not collection 2's: nothing to show, every row hidden.
        for (const QString& b : BoitesPerso) {
            QVERIFY(!f->findChild<QLineEdit*>(b)->isHidden());
            QCOMPARE(f->findChild<QLineEdit*>(b)->text(), QString());
        }
        QVERIFY(f->findChild<QLabel*>(QStringLiteral("Neuf"))->isHidden());
        QCOMPARE(lignesVisibles(), (QList<bool> {false, false, false, false, false}));
        QCOMPARE(f->grille()->ValeurCollection()->text(), QStringLiteral("0,0"));

        QVERIFY(saisir(QStringLiteral("NeufP"), QStringLiteral("20")));
        QCOMPARE(lignesVisibles(), (QList<bool> {true, false, false, false, false}));
        // N held: 2 copies at 150 % of 20.
        QCOMPARE(f->grille()->ValeurCollection()->text(), QStringLiteral("60,0"));
        QCOMPARE(prixStocke(QStringLiteral("NeufP"), 2).toDouble(), 20.0);
        QVERIFY(prixStocke(QStringLiteral("LettreP"), 2).isNull());
        QCOMPARE(prixStocke(QStringLiteral("NeufP"), 3).toDouble(), 99.0);
        QCOMPARE(lignesCotes(2), 1);

        // The other collection sees its own prices only.
        ouvrirCollection(QStringLiteral("3"));
        QCOMPARE(texte("NeufP"), QStringLiteral("99"));
        QCOMPARE(texte("LettreP"), QStringLiteral("7"));
        QCOMPARE(lignesVisibles(), (QList<bool> {true, false, false, false, true}));

        choisir(0);
        QCOMPARE(texte("Neuf"), QStringLiteral("10"));
        QVERIFY(f->findChild<QLineEdit*>(QStringLiteral("NeufP"))->isHidden());
        QCOMPARE(lignesVisibles(), (QList<bool> {true, false, true, true, true}));
        QCOMPARE(ModifFiche, 0);
    }

    void fermerLaCollectionRevientAuCatalogue()
    {
        ouvrirCollection(QStringLiteral("3"));
        choisir(1);
        QCOMPARE(texte("NeufP"), QStringLiteral("99"));
        ouvrirCollection(QString());
        QCOMPARE(cote->currentText(), QStringLiteral("Cotes DALLAY"));
        QVERIFY(!f->findChild<QLabel*>(QStringLiteral("Neuf"))->isHidden());
        QVERIFY(f->findChild<QLineEdit*>(QStringLiteral("NeufP"))->isHidden());
        QCOMPARE(lignesVisibles(), (QList<bool> {true, false, true, true, true}));
    }

    void bornesDesPrix_data()
    {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("0") << "0" << true;
        QTest::newRow("1000000") << "1000000" << true;
        QTest::newRow("décimal") << "12,5" << true;
        QTest::newRow("1000000,01") << "1000000,01" << false;
        QTest::newRow("négatif") << "-1" << false;
        QTest::newRow("texte") << "cher" << false;
        QTest::newRow("nan") << "nan" << false;
        QTest::newRow("NaN") << "NaN" << false;
        QTest::newRow("inf") << "inf" << false;
        QTest::newRow("-inf") << "-inf" << false;
        QTest::newRow("infinity") << "infinity" << false;
    }

    void bornesDesPrix()
    {
        QFETCH(QString, saisi);
        QFETCH(bool, accepte);
        ouvrirCollection(QStringLiteral("2"));
        choisir(1);
        for (int i = 0; i < 5; ++i) {
            if (!accepte)
                p->plateforme.repondreMessage(Reponse::OK);
            QCOMPARE(saisir(BoitesPerso.at(i), saisi), accepte);
            QCOMPARE(f->grille()->ligneVisible(i), accepte);
            const QVariant stocke = prixStocke(ColonnesPerso.at(i), 2);
            if (accepte) {
                QCOMPARE(stocke.toDouble(), double(float(QLocale().toDouble(saisi))));
            } else {
                QCOMPARE(texte(BoitesPerso.at(i).toUtf8().constData()), QString());
                QVERIFY(stocke.isNull());
            }
        }
        const QList<Message> vus = p->plateforme.messages();
        QCOMPARE(vus.size(), accepte ? 0 : 5);
        for (const Message& m : vus) {
            QCOMPARE(m.texte, QStringLiteral("Vous devez entrer une valeur"));
            QCOMPARE(m.titre, QStringLiteral("Saisie incorrecte"));
        }
        QCOMPARE(ModifFiche, 0);
    }

    void viderUnPrixStockeNul()
    {
        ouvrirCollection(QStringLiteral("3"));
        choisir(1);
        QVERIFY(saisir(QStringLiteral("NeufP"), QString()));
        QVERIFY(!f->grille()->ligneVisible(0));
        QVERIFY(prixStocke(QStringLiteral("NeufP"), 3).isNull());
        QCOMPARE(prixStocke(QStringLiteral("LettreP"), 3).toDouble(), 7.0);
        f->BoutonBas_Click();
        f->BoutonHaut_Click();
        QCOMPARE(texte("NeufP"), QString());
        QVERIFY(!f->grille()->ligneVisible(0));
    }

    // A price refused as typed empties its box but is no price of the user's: writing another box keeps
    // the one stored. Collection 3 has N 99 and L 7 for stamp 1.
    void prixRefuseGardeLePrixStocke()
    {
        ouvrirCollection(QStringLiteral("3"));
        choisir(1);
        QCOMPARE(texte("LettreP"), QStringLiteral("7"));
        p->plateforme.repondreMessage(Reponse::OK);
        QVERIFY(!saisir(QStringLiteral("LettreP"), QStringLiteral("nan")));
        QCOMPARE(texte("LettreP"), QString());
        QVERIFY(saisir(QStringLiteral("NeufP"), QStringLiteral("5")));
        QCOMPARE(prixStocke(QStringLiteral("NeufP"), 3).toDouble(), 5.0);
        QCOMPARE(prixStocke(QStringLiteral("LettreP"), 3).toDouble(), 7.0);
        f->BoutonBas_Click();
        f->BoutonHaut_Click();
        QCOMPARE(texte("LettreP"), QStringLiteral("7"));
        // Shown again, the box holds the stored price: emptied on purpose now, it is stored Null.
        QVERIFY(saisir(QStringLiteral("LettreP"), QString()));
        QVERIFY(prixStocke(QStringLiteral("LettreP"), 3).isNull());
        QCOMPARE(prixStocke(QStringLiteral("NeufP"), 3).toDouble(), 5.0);
    }

    // Another program holds the personal database for writing while a price is typed: the price waits in
    // its box, the card does not move away from it, and it is written once the database is free.
    void prixEcritQuandLaBaseSeLibere()
    {
        ouvrirCollection(QStringLiteral("2"));
        choisir(1);
        auto* boite = f->findChild<QLineEdit*>(QStringLiteral("NeufP"));
        {
            Connexion autre;
            autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
            autre.executer(QStringLiteral("BEGIN IMMEDIATE"));
            boite->setFocus();
            QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }));
            taper(boite, QStringLiteral("42"));
            p->plateforme.repondreMessage(Reponse::OK);
            QTest::keyClick(boite, Qt::Key_Tab);
            QCOMPARE(p->plateforme.messages().size(), 1);
            QCOMPARE(p->plateforme.messages().first().titre, QStringLiteral("Erreur"));
            QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }));
            QCOMPARE(boite->text(), QStringLiteral("42"));
            QVERIFY(prixStocke(QStringLiteral("NeufP"), 2).isNull());

            p->plateforme.repondreMessage(Reponse::OK);
            QTest::keyClick(boite, Qt::Key_PageDown);
            QCOMPARE(p->plateforme.messages().size(), 2);
            QCOMPARE(texte("Dallay"), QStringLiteral("1"));
            QCOMPARE(boite->text(), QStringLiteral("42"));
        }
        QTest::keyClick(boite, Qt::Key_PageDown);
        QCOMPARE(p->plateforme.messages().size(), 2);
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        QCOMPARE(prixStocke(QStringLiteral("NeufP"), 2).toDouble(), 42.0);
        f->BoutonHaut_Click();
        QCOMPARE(texte("NeufP"), QStringLiteral("42"));
        QCOMPARE(ModifFiche, 0);
    }

    // A value refused as the user leaves its box with a press in the slider's groove. The slider acts on
    // the press itself, which reaches it only once the refusal is answered; the button's release went to
    // the refusal's box, or comes after it on a slow press. The refusal's box takes the window's
    // activation, which comes back only after the queued calls have run. The press comes to nothing: the
    // card stays on its stamp with the focus back in the box, and the next move goes one stamp, at once.
    // A price whose write the database refused (another program holds it) waits in its box, refused
    // once, and that move writes it: the database freed while the refusal is up, or before the move.
    void refusPuisPressionDansLeCurseur_data()
    {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<bool>("perso");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<int>("verrou");
        QTest::addColumn<bool>("relache");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("suivant");
        QTest::newRow("prix") << "2" << true << "NeufP" << "abc" << int(SansVerrou) << false << "Saisie incorrecte" << "3A";
        QTest::newRow("prix, pression lente")
            << "2" << true << "NeufP" << "abc" << int(SansVerrou) << true << "Saisie incorrecte" << "3A";
        QTest::newRow("copies") << "1" << false << "QtesN" << "10000" << int(SansVerrou) << false << "Saisie incorrecte" << "2";
        QTest::newRow("prix retenu, base libérée sous le message")
            << "2" << true << "NeufP" << "42" << int(LibereSousLeMessage) << false << "Erreur" << "3A";
        QTest::newRow("prix retenu, base libérée ensuite")
            << "1" << true << "NeufP" << "42" << int(LibereEnsuite) << false << "Erreur" << "2";
    }

    void refusPuisPressionDansLeCurseur()
    {
        QFETCH(QString, depart);
        QFETCH(bool, perso);
        QFETCH(QString, nom);
        QFETCH(QString, saisi);
        QFETCH(int, verrou);
        QFETCH(bool, relache);
        QFETCH(QString, titre);
        QFETCH(QString, suivant);
        ouvrirCollection(QStringLiteral("2"));
        if (perso)
            choisir(1);
        while (texte("Dallay") != depart)
            f->BoutonBas_Click();
        auto* boite = f->findChild<QLineEdit*>(nom);
        auto* curseur = f->findChild<QSlider*>(QStringLiteral("SliderFiches"));
        QWidget* fenetre = f->window();
        // Below the thumb, short of the last stamp.
        const QPoint sillon(curseur->width() / 2, curseur->height() * 3 / 4);
        std::optional<Connexion> autre;
        if (verrou != SansVerrou) {
            autre.emplace();
            autre->ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
            autre->executer(QStringLiteral("BEGIN IMMEDIATE"));
        }
        boite->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }));
        taper(boite, saisi);
        p->plateforme.repondreMessage(Reponse::OK, [&] {
            QApplication::setActiveWindow(nullptr);
            if (verrou == LibereSousLeMessage)
                autre.reset();
        });
        QTest::mousePress(curseur, Qt::LeftButton, {}, sillon);
        if (relache)
            QTest::mouseRelease(curseur, Qt::LeftButton, {}, sillon);
        QApplication::setActiveWindow(fenetre);
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
        // Time for the slider to page several times, were it paging.
        QTest::qWait(1000);
        QCOMPARE(p->plateforme.messages().size(), 1);
        QCOMPARE(p->plateforme.messages().first().titre, titre);
        QCOMPARE(texte("Dallay"), depart);
        QCOMPARE(QApplication::focusWidget(), boite);
        QCOMPARE(boite->text(), verrou != SansVerrou ? saisi : QString());
        if (verrou != SansVerrou)
            QVERIFY(prixStocke(nom, 2, depart).isNull());
        autre.reset();
        QTest::keyClick(boite, Qt::Key_PageDown);
        QCOMPARE(texte("Dallay"), suivant);
        // Nothing carries the card on, or back.
        QTest::qWait(500);
        QCOMPARE(texte("Dallay"), suivant);
        QCOMPARE(p->plateforme.messages().size(), 1);
        if (verrou != SansVerrou)
            QCOMPARE(prixStocke(nom, 2, depart).toDouble(), 42.0);
    }

    void prixRelusCommeTapes_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("saisi");
        const QLocale fr(QLocale::French, QLocale::France);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("0,1") << fr << "0,1";
        QTest::newRow("12,5") << fr << "12,5";
        QTest::newRow("1000000") << fr << "1000000";
        QTest::newRow("0.1") << en << "0.1";
        QTest::newRow("12.5") << en << "12.5";
        QTest::newRow("en 1000000") << en << "1000000";
    }

    void prixRelusCommeTapes()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, saisi);
        QLocale::setDefault(locale);
        ouvrirCollection(QStringLiteral("2"));
        choisir(1);
        QVERIFY(saisir(QStringLiteral("OblitereP"), saisi));
        const QVariant premier = prixStocke(QStringLiteral("OblitereP"), 2);
        f->BoutonBas_Click();
        f->BoutonHaut_Click();
        QCOMPARE(texte("OblitereP"), saisi);
        // Shown, left again and stored: the same number.
        QVERIFY(saisir(QStringLiteral("OblitereP"), texte("OblitereP")));
        QCOMPARE(prixStocke(QStringLiteral("OblitereP"), 2), premier);
    }

    void numeroPerso()
    {
        auto* boite = f->findChild<QLineEdit*>(QStringLiteral("IDPerso"));
        auto* liste = f->findChild<QComboBox*>(QStringLiteral("PersoChoisi"));
        auto numero = [] { return CnxPerso->valeur(QStringLiteral("SELECT IDPerso FROM CorrespID WHERE Dallay = '2'")); };
        f->BoutonBas_Click();
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        QCOMPARE(boite->text(), QString());
        QTest::keyClicks(boite, QStringLiteral("8"));
        QCOMPARE(numero().toString(), QStringLiteral("8"));
        QTest::keyClicks(boite, QStringLiteral("5"));
        QCOMPARE(numero().toString(), QStringLiteral("85"));
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM CorrespID WHERE Dallay = '2'")).toInt(), 1);
        QStringList elements;
        for (int i = 0; i < liste->count(); ++i)
            elements << liste->itemText(i);
        QCOMPARE(elements, (QStringList {"10", "85", "9"}));
        QTest::keyClick(boite, Qt::Key_Backspace);
        QTest::keyClick(boite, Qt::Key_Backspace);
        QVERIFY(numero().isNull());
        QCOMPARE(liste->count(), 2);
        // A display writes the box but never the table.
        f->BoutonHaut_Click();
        QCOMPARE(boite->text(), QStringLiteral("9"));
        QCOMPARE(CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM CorrespID")).toInt(), 2);
    }
};

ENREGISTRER_TEST(TestCotes)

#include "test_cotes.moc"
