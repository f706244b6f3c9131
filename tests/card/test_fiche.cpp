// The stamp card: what it shows of a stamp, its moves through the catalogue, its quick search and the
// hand-off from the other screens, on a small catalogue with every case a display meets.

#include "card/Fiche.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/Images.h"
#include "card/FicheTest.h"
#include "support/Clavier.h"
#include "support/ImagesTest.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList elements(QComboBox* combo)
{
    QStringList t;
    for (int i = 0; i < combo->count(); ++i)
        t << combo->itemText(i);
    return t;
}

QStringList lignes(ListeDonnees* liste)
{
    QStringList t;
    for (int i = 0; i < liste->count(); ++i)
        t << liste->item(i)->text();
    return t;
}

}  // namespace

class TestFiche : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormFiche* f = nullptr;

    void atteindre(const QString& dallay) { AtteindreFiche(dallay, nullptr); }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        p = std::make_unique<ProgrammeTest>(remplirPerso);
        p->dossier.creerCatalogue(remplirCatalogue);
        QVERIFY(p->demarrer());
        f = qobject_cast<OFormFiche*>(EcranSiCharge(1));
        QVERIFY(f);
    }

    void cleanup()
    {
        p.reset();
        QLocale::setDefault(QLocale::c());
    }

    void premiereFicheAuChargement()
    {
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QCOMPARE(texte("ID2"), QStringLiteral("M1"));
        QCOMPARE(texte("Designation"), QStringLiteral("Cérès"));
        QCOMPARE(texte("Seriee"), QStringLiteral("Cérès"));
        QCOMPARE(texte("DateEmission"), QStringLiteral("01/01/1849"));
        QCOMPARE(texte("DateRetrait"), QStringLiteral("01/12/1850"));
        QCOMPARE(texte("Demonetisation"), QStringLiteral("15/03/1852"));
        QCOMPARE(texte("FacialeCouleur"), QStringLiteral("20 c noir s. jaune"));
        QVERIFY(!ctl<QPushButton>("BoutonIllustration1")->isHidden());
        QVERIFY(ctl<QPushButton>("BoutonIllustration2")->isHidden());
        QVERIFY(ctl<QPushButton>("BoutonImprimer")->isHidden());
        QCOMPARE(texte("IDPerso"), QStringLiteral("9"));
        // Prices as the locale writes them; a Null price is empty and hides its row, a 0 does not.
        const QStringList prix = {texte("Neuf"), texte("NeufAvecCharnieres"), texte("NSG"), texte("Oblitere"), texte("Lettre")};
        QCOMPARE(prix, (QStringList {"10", "", "0", "4", "12,5"}));
        QCOMPARE(f->grille()->ligneVisible(0), true);
        QCOMPARE(f->grille()->ligneVisible(1), false);
        QCOMPARE(f->grille()->ligneVisible(2), true);
        QCOMPARE(lignes(f->ListeVarietes()), (QStringList {"Tête-bêche", "Bleu"}));
        QCOMPARE(lignes(f->ListeObliterations()), (QStringList {"Petits chiffres", "Grille"}));
        auto* slider = ctl<QSlider>("SliderFiches");
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 5);
        QCOMPARE(ModifFiche, 0);
        QCOMPARE(elements(f->DallayChoisi()), (QStringList {"1", "2", "3A", "4", "5"}));
        QCOMPARE(elements(ctl<QComboBox>("ID2Choisi")), (QStringList {"M1", "M7"}));
        // Personal numbers sort as text.
        QCOMPARE(elements(ctl<QComboBox>("PersoChoisi")), (QStringList {"10", "9"}));
        QVERIFY(f->DallayChoisi()->currentText().isEmpty());
    }

    void ficheSansDonneesApresUneComplete()
    {
        f->BoutonBas_Click();
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        for (const char* nom : {"ID2", "Designation", "Seriee", "DateEmission", "DateRetrait", "Demonetisation", "IDPerso",
                 "Neuf", "Oblitere", "Lettre"})
            QVERIFY2(texte(nom).isEmpty(), nom);
        QCOMPARE(texte("FacialeCouleur"), QStringLiteral("  "));
        QCOMPARE(texte("TexteFinal"), QStringLiteral("\r\n\r\nDentelé "));
        QVERIFY(ctl<QPushButton>("BoutonIllustration1")->isHidden());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f->grille()->ligneVisible(i));
        QCOMPARE(f->ListeVarietes()->count(), 0);
        QCOMPARE(f->ListeObliterations()->count(), 0);
    }

    void deplacements_data()
    {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("geste");
        QTest::addColumn<QString>("arrivee");
        QTest::addColumn<bool>("reaffichee");
        QTest::newRow("suivante") << "1" << "BoutonBas" << "2" << true;
        QTest::newRow("précédente") << "3A" << "BoutonHaut" << "2" << true;
        QTest::newRow("première") << "4" << "BoutonDebut" << "1" << true;
        QTest::newRow("dernière") << "2" << "BoutonFin" << "5" << true;
        QTest::newRow("suivante sur la dernière") << "5" << "BoutonBas" << "5" << false;
        QTest::newRow("précédente sur la première") << "1" << "BoutonHaut" << "1" << false;
        QTest::newRow("première sur la première") << "1" << "BoutonDebut" << "1" << true;
        QTest::newRow("dernière sur la dernière") << "5" << "BoutonFin" << "5" << true;
        QTest::newRow("Page Down") << "1" << "PgDown" << "2" << true;
        QTest::newRow("Page Up") << "2" << "PgUp" << "1" << true;
        QTest::newRow("Home") << "4" << "Home" << "1" << true;
        QTest::newRow("End") << "1" << "End" << "5" << true;
        QTest::newRow("Page Down sur la dernière") << "5" << "PgDown" << "5" << false;
    }

    void deplacements()
    {
        QFETCH(QString, depart);
        QFETCH(QString, geste);
        QFETCH(QString, arrivee);
        QFETCH(bool, reaffichee);
        atteindre(depart);
        QCOMPARE(texte("Dallay"), depart);
        // A marker only a new display rubs out, and edits pending: every move writes them first.
        ctl<QLabel>("Designation")->setText(QStringLiteral("marque"));
        ModifFiche = 1;
        const QMap<QString, int> touches = {{"PgDown", Qt::Key_PageDown}, {"PgUp", Qt::Key_PageUp},
            {"Home", Qt::Key_Home}, {"End", Qt::Key_End}};
        if (touches.contains(geste))
            f->Form_KeyDown(touches.value(geste));
        else
            ctl<QToolButton>(geste.toUtf8().constData())->click();
        QCOMPARE(ModifFiche, 0);
        QCOMPARE(texte("Dallay"), arrivee);
        QCOMPARE(ctl<QLabel>("Designation")->text() == QStringLiteral("marque"), !reaffichee);
        QCOMPARE(rstFrance.Champ(QStringLiteral("Dallay")).toString(), arrivee);
    }

    void toucheTapeeDansUneBoiteDeplaceEtArrive()
    {
        f->window()->show();
        QApplication::setActiveWindow(f->window());
        QComboBox* choisi = ctl<QComboBox>("ID2Choisi");
        atteindre(QStringLiteral("4"));
        choisi->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == choisi; }));
        choisi->setEditText(QStringLiteral("M7"));
        QCOMPARE(choisi->lineEdit()->cursorPosition(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        // The box handled the key as well: its cursor went home.
        QCOMPARE(choisi->lineEdit()->cursorPosition(), 0);
        QCOMPARE(choisi->currentText(), QStringLiteral("M7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
        // A key that is not a move changes nothing on the card.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QCOMPARE(texte("Dallay"), QStringLiteral("2"));
    }

    void curseur()
    {
        auto* slider = ctl<QSlider>("SliderFiches");
        slider->setValue(4);
        f->SliderFiches_Click();
        QCOMPARE(texte("Dallay"), QStringLiteral("4"));
        // Moving by other means leaves the thumb where the user put it.
        f->BoutonBas_Click();
        QCOMPARE(texte("Dallay"), QStringLiteral("5"));
        QCOMPARE(slider->value(), 4);
        slider->triggerAction(QAbstractSlider::SliderToMinimum);
        QTRY_COMPARE(texte("Dallay"), QStringLiteral("1"));
    }

    // With the focus on the slider, the card's keys move one stamp as anywhere else on the card; the
    // slider does not page by the same key, and keeps the position the user gave it.
    void touchesSurLeCurseur()
    {
        f->window()->show();
        QApplication::setActiveWindow(f->window());
        QVERIFY(QTest::qWaitForWindowActive(f->window()));
        auto* slider = ctl<QSlider>("SliderFiches");
        // A click on the groove below the thumb pages to the last stamp and gives the slider the focus.
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() - 4));
        QTRY_COMPARE(texte("Dallay"), QStringLiteral("5"));
        QCOMPARE(QApplication::focusWidget(), slider);
        const int position = slider->value();
        const struct {
            Qt::Key touche;
            const char* arrivee;
        } pas[] = {{Qt::Key_PageUp, "4"}, {Qt::Key_PageUp, "3A"}, {Qt::Key_PageDown, "4"}, {Qt::Key_Home, "1"},
            {Qt::Key_PageDown, "2"}, {Qt::Key_End, "5"}};
        for (const auto& p : pas) {
            QTest::keyClick(slider, p.touche);
            QCoreApplication::processEvents();
            QCOMPARE(texte("Dallay"), QString::fromLatin1(p.arrivee));
            QCOMPARE(slider->value(), position);
        }
    }

    void rechercheRapide_data()
    {
        QTest::addColumn<QString>("dallay");
        QTest::addColumn<QString>("id2");
        QTest::addColumn<QString>("perso");
        QTest::addColumn<QString>("trouve");
        QTest::addColumn<QStringList>("restes");
        QTest::newRow("Dallay, casse ignorée") << "3a" << "" << "" << "3A" << QStringList {"", "", ""};
        QTest::newRow("Dallay avant Michel") << "4" << "M1" << "" << "4" << QStringList {"", "M1", ""};
        QTest::newRow("Michel partagé: le premier") << "" << "M7" << "10" << "3A" << QStringList {"", "", "10"};
        QTest::newRow("numéro perso") << "" << "" << "10" << "4" << QStringList {"", "", ""};
        QTest::newRow("Dallay inconnu") << "99" << "" << "" << "1" << QStringList {"", "", ""};
        QTest::newRow("Michel inconnu") << "" << "M99" << "" << "1" << QStringList {"", "", ""};
        QTest::newRow("perso inconnu") << "" << "" << "77" << "1" << QStringList {"", "", ""};
        QTest::newRow("apostrophe") << "1'" << "" << "" << "1" << QStringList {"", "", ""};
        QTest::newRow("tout vide: la même fiche") << "" << "" << "" << "5" << QStringList {"", "", ""};
    }

    void rechercheRapide()
    {
        QFETCH(QString, dallay);
        QFETCH(QString, id2);
        QFETCH(QString, perso);
        QFETCH(QString, trouve);
        QFETCH(QStringList, restes);
        atteindre(QStringLiteral("5"));
        ctl<QComboBox>("DallayChoisi")->setEditText(dallay);
        ctl<QComboBox>("ID2Choisi")->setEditText(id2);
        ctl<QComboBox>("PersoChoisi")->setEditText(perso);
        ModifFiche = 1;
        ctl<QPushButton>("BoutonRechercher")->click();
        QCOMPARE(ModifFiche, 0);
        QCOMPARE(texte("Dallay"), trouve);
        QCOMPARE((QStringList {texte("DallayChoisi"), texte("ID2Choisi"), texte("PersoChoisi")}), restes);
    }

    // A number typed, then left or confirmed, is searched as typed, never as the first entry that begins
    // with it, and never becomes an entry of its own.
    void rechercheRapideTapee_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("fin");
        QTest::newRow("Dallay, Tab") << "DallayChoisi" << "3" << int(Qt::Key_Tab);
        QTest::newRow("Dallay, Entrée") << "DallayChoisi" << "3" << int(Qt::Key_Return);
        QTest::newRow("numéro perso, Tab") << "PersoChoisi" << "1" << int(Qt::Key_Tab);
        QTest::newRow("numéro perso, Entrée") << "PersoChoisi" << "1" << int(Qt::Key_Return);
    }

    void rechercheRapideTapee()
    {
        QFETCH(QString, combo);
        QFETCH(QString, tape);
        QFETCH(int, fin);
        atteindre(QStringLiteral("5"));
        auto* boite = ctl<QComboBox>(combo.toUtf8().constData());
        const QStringList avant = elements(boite);
        QVERIFY(TaperDansCombo(boite, tape, Qt::Key(fin)));
        QCOMPARE(boite->currentText(), tape);
        QCOMPARE(elements(boite), avant);
        ctl<QPushButton>("BoutonRechercher")->click();
        // Not in the catalogue as typed: the first stamp.
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
    }

    void atteindreFiche()
    {
        QWidget appelant;
        appelant.show();
        AtteindreFiche(QStringLiteral("4"), &appelant);
        QCOMPARE(texte("Dallay"), QStringLiteral("4"));
        QVERIFY(appelant.isHidden());
        QVERIFY(f->isVisible());
        QCOMPARE(f->barre()->Tab(), 1);
        QCOMPARE(lignes(f->ListeVarietes()), QStringList {"Sans valeur"});
        AtteindreFiche(QStringLiteral("n'existe pas"), nullptr);
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        QVERIFY(f->DallayChoisi()->currentText().isEmpty());
    }

    void detentionAffichee()
    {
        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(texte("Dallay"), QStringLiteral("1"));
        GrilleDetention* g = f->grille();
        // N owned; NC stored as not owned: its copies and quality stay hidden; its duplicates count 0 shows.
        QVERIFY(g->Qte(0)->isChecked());
        QCOMPARE(g->Etat(0)->text(), QStringLiteral("150"));
        QCOMPARE(g->Qtes(0)->text(), QStringLiteral("2"));
        QVERIFY(g->QteDoubles(0)->isChecked());
        QCOMPARE(g->QteDouble(0)->text(), QStringLiteral("3"));
        QVERIFY(!g->Qte(1)->isChecked());
        QCOMPARE(g->Etat(1)->text(), QString());
        QCOMPARE(g->Qtes(1)->text(), QString());
        QVERIFY(g->QteDoubles(1)->isChecked());
        QCOMPARE(g->QteDouble(1)->text(), QStringLiteral("0"));
        QVERIFY(!g->NePasAcquerir()->isChecked());
        QCOMPARE(g->texteCommentaire(), QString());
        // 10 x 2 x 150 % + 4 x 1 x 50 % and 10 x 3.
        QCOMPARE(g->ValeurCollection()->text(), QStringLiteral("32,0"));
        QCOMPARE(g->ValeurDoubles()->text(), QStringLiteral("30,0"));
        QCOMPARE(ModifFiche, 0);

        atteindre(QStringLiteral("3A"));
        QVERIFY(g->NePasAcquerir()->isChecked());
        QCOMPARE(g->texteCommentaire(), QStringLiteral("bord de feuille"));
        QVERIFY(!g->QteDoubles(0)->isChecked());
        QCOMPARE(g->QteDouble(0)->text(), QString());

        // A stamp without a row: nothing of the stamp before survives.
        atteindre(QStringLiteral("4"));
        for (QWidget* w : f->grilleDetention()) {
            if (auto* c = qobject_cast<QCheckBox*>(w))
                QVERIFY(!c->isChecked());
            else
                QVERIFY(qobject_cast<QLineEdit*>(w)->text().isEmpty());
            QVERIFY(w->isEnabled());
        }
        QCOMPARE(ModifFiche, 0);
    }

    void unAffichageNEcritRien()
    {
        ouvrirCollection(QStringLiteral("2"));
        const QString correspondances = contenu(QStringLiteral("CorrespID"));
        const QString detention = contenu(QStringLiteral("Collection"));
        for (int i = 0; i < 6; ++i)
            f->BoutonBas_Click();
        f->BoutonDebut_Click();
        atteindre(QStringLiteral("2"));
        atteindre(QStringLiteral("1"));
        EnregistrerSiModifie();
        QCOMPARE(contenu(QStringLiteral("CorrespID")), correspondances);
        QCOMPARE(contenu(QStringLiteral("Collection")), detention);
    }

    void uneLectureQuiEchoueEfface()
    {
        ouvrirCollection(QStringLiteral("2"));
        QCOMPARE(texte("IDPerso"), QStringLiteral("9"));
        QVERIFY(f->grille()->Qte(0)->isChecked());
        CnxPerso->executer(QStringLiteral("ALTER TABLE CorrespID RENAME TO CorrespIDCache"));
        CnxPerso->executer(QStringLiteral("ALTER TABLE Collection RENAME TO CollectionCachee"));
        AfficherFiche();
        QCOMPARE(texte("IDPerso"), QString());
        QVERIFY(!f->grille()->Qte(0)->isChecked());
        QCOMPARE(f->grille()->Etat(0)->text(), QString());
        // What is stored could not be read: the grid takes nothing, so nothing can be written over it.
        for (QWidget* w : f->grilleDetention())
            QVERIFY(!w->isEnabled());
        QVERIFY(f->detentionIllisible());
        CnxPerso->executer(QStringLiteral("ALTER TABLE CollectionCachee RENAME TO Collection"));
        AfficherFiche();
        QVERIFY(f->grille()->Qte(0)->isChecked());
        QVERIFY(f->grille()->Qte(0)->isEnabled());
    }

    void image()
    {
        QTemporaryDir disque;
        DossierTest::creerDisque(disque.path(), QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO FrancePCT (Dallay, Image) VALUES ('1', ?)"), {OctetsPng(Qt::red)});
        });
        LecteurCD = disque.path();
        auto* image = ctl<BoiteImage>("Picture1");
        AfficherFiche();
        QVERIFY(!image->estVide());
        const QImage vu = image->contenu();
        QCOMPARE(QColor(vu.pixel(vu.width() / 2, vu.height() / 2)), QColor(Qt::red));
        // Drawn while the card is hidden (start-up shows the collections first), kept when it shows.
        f->hide();
        AfficherFiche();
        f->show();
        QVERIFY(!image->estVide());
        f->BoutonBas_Click();
        QVERIFY(image->estVide());
        // Without the disc the card still shows its stamp.
        LecteurCD.clear();
        f->BoutonDebut_Click();
        QVERIFY(image->estVide());
        QCOMPARE(texte("Designation"), QStringLiteral("Cérès"));
        QVERIFY(QDir(p->dossier.chemin()).entryList({QStringLiteral("*.tmp")}).isEmpty());
    }
};

ENREGISTRER_TEST(TestFiche)

#include "test_fiche.moc"
