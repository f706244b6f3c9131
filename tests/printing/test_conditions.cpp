// The five conditions as the reports print them: in the want list, the duplicates list and the search
// result printed with their prices, the condition's heading over its price, in a box as wide as the
// layout gives it; the inventory's headings over the condition's values, in the collection and in the
// duplicates; and each row of the inventory's synthesis beside its own sums.

#include "OutilsImpression.h"
#include "lists/RequetesListes.h"
#include "printing/Dispositions.h"
#include "printing/ImpressionListes.h"
#include "printing/dlgImpDoubles.h"
#include "printing/dlgImpListeTimbres.h"
#include "printing/dlgImpManques.h"
#include "printing/dlgImpRecherche.h"
#include "search/Recherche.h"
#include "shell/CollectionOuverte.h"
#include "support/Clavier.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// Each condition has prices of its own: 1 to 5 for stamp 1, 10 to 50 for stamp 2.
void catalogue(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Rubriques VALUES ('AA', 'Timbres-Poste', 1);
        INSERT INTO France (Dallay, Ordre, ID2, AnneeEmission, DesignationCourt, Rubrique) VALUES ('1', 10, 'M1', '1849', 'Cérès', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, AnneeEmission, DesignationCourt, Rubrique) VALUES ('2', 20, 'M2', '1852', 'Napoléon', 'AA');
        INSERT INTO Cotations2001 VALUES ('1', 1, 2, 3, 4, 5);
        INSERT INTO Cotations2001 VALUES ('2', 10, 20, 30, 40, 50);
    )"));
}

// Collection 2 holds stamp 1 in every condition, ten copies at 100 % and eleven duplicates; stamp 2 in
// none. The inventory's values are wide enough to stand under their heading by more than a sliver; the
// duplicates list centres its narrower prices under theirs.
void perso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Ma première collection', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN, QteNC, QtesNC, EtatNC, QteDoubleNC,
                                QteNSG, QtesNSG, EtatNSG, QteDoubleNSG, QteO, QtesO, EtatO, QteDoubleO,
                                QteL, QtesL, EtatL, QteDoubleL)
            VALUES (2, '1', -1, 10, 100, 11, -1, 10, 100, 11, -1, 10, 100, 11, -1, 10, 100, 11, -1, 10, 100, 11);
    )"));
}

// The words printed on the line of `repere`, left to right.
QList<MotPdf> ligneDe(const QList<MotPdf>& mots, const MotPdf& repere)
{
    QList<MotPdf> ligne;
    for (const MotPdf& m : mots)
        if (std::abs(m.haut - repere.haut) < 3)
            ligne << m;
    std::sort(ligne.begin(), ligne.end(), [](const MotPdf& a, const MotPdf& b) { return a.gauche < b.gauche; });
    return ligne;
}

QString texteDe(const QList<MotPdf>& mots)
{
    QStringList t;
    for (const MotPdf& m : mots)
        t << m.texte;
    return t.join(QLatin1Char(' '));
}

// The words printed as `texte`: on the line of `repere` when one is given, or anywhere on the page.
QList<MotPdf> motsImprimes(const QList<MotPdf>& mots, const QString& texte, const MotPdf* repere = nullptr)
{
    QList<MotPdf> trouves;
    for (const MotPdf& m : repere ? ligneDe(mots, *repere) : mots)
        if (m.texte == texte)
            trouves << m;
    return trouves;
}

// The heading standing over `valeur`: on the line of "Dallay", the phrase (words closer than a wide gap)
// that overlaps it most.
MotPdf enTeteAuDessus(const QList<MotPdf>& mots, const MotPdf& valeur)
{
    const QList<MotPdf> dallay = motsImprimes(mots, QStringLiteral("Dallay"));
    if (dallay.size() != 1)
        return {};
    QList<MotPdf> phrases;
    for (const MotPdf& m : ligneDe(mots, dallay.constFirst())) {
        if (!phrases.isEmpty() && m.gauche - phrases.last().droite < 4) {
            phrases.last().texte += QLatin1Char(' ') + m.texte;
            phrases.last().droite = m.droite;
        } else {
            phrases << m;
        }
    }
    MotPdf dessus;
    double recouvrement = 0;
    for (const MotPdf& p : phrases) {
        const double r = std::min(p.droite, valeur.droite) - std::max(p.gauche, valeur.gauche);
        if (r > recouvrement) {
            recouvrement = r;
            dessus = p;
        }
    }
    return dessus;
}

}  // namespace

class TestConditionsImprimees : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    QList<MotPdf> manques;
    QList<MotPdf> inventaire;
    QList<MotPdf> dispoliste;
    QList<MotPdf> recherche;

private slots:
    // The four reports are printed once, as the user prints them, the lists with their prices; each
    // condition is then read off them.
    void initTestCase()
    {
        p = std::make_unique<ProgrammeTest>(perso);
        p->dossier.creerCatalogue(catalogue);
        QVERIFY(p->demarrer());
        LaCollectionOuverte().ouvrir(QStringLiteral("2"), QStringLiteral("Ma première collection"));

        OptionsListe options;
        options.collection = QStringLiteral("2");
        options.rubriques = {QStringLiteral("AA")};
        options.etats.neuf = true;
        const ListeConstruite l = ConstruireManques(options);
        QCOMPARE(l.refus, Refus::Aucun);
        dlgImpManques listes(l.rapport, l.genre);
        QVERIFY(TaperDansCombo(listes.findChild<QComboBox*>(QStringLiteral("ChoixAffichage")), ChoixAvecCotes));
        listes.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        dlgImpListeTimbres inventaires;
        inventaires.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        const ListeConstruite d = ConstruireDoubles(options);
        QCOMPARE(d.refus, Refus::Aucun);
        dlgImpDoubles doubles(d.rapport, d.rapport2, d.genre);
        QVERIFY(TaperDansCombo(doubles.findChild<QComboBox*>(QStringLiteral("ChoixAffichage")), ChoixAvecCotes));
        doubles.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        // Every stamp of the catalogue, as a search with no criterion lists them.
        const RechercheConstruite r = ConstruireRecherche({});
        dlgImpRecherche resultat(r.liste, r.texteCritere, {});
        QVERIFY(TaperDansCombo(resultat.findChild<QComboBox*>(QStringLiteral("ChoixAffichage")), ChoixAvecCotes));
        resultat.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();

        QVERIFY(p->plateforme.messages().isEmpty());
        QCOMPARE(p->plateforme.apercus().size(), 4);
        manques = MotsPdf(p->plateforme.apercus().at(0).fichierPdf);
        inventaire = MotsPdf(p->plateforme.apercus().at(1).fichierPdf);
        dispoliste = MotsPdf(p->plateforme.apercus().at(2).fichierPdf);
        recherche = MotsPdf(p->plateforme.apercus().at(3).fichierPdf);
        QVERIFY(!manques.isEmpty());
        QVERIFY(!inventaire.isEmpty());
        QVERIFY(!dispoliste.isEmpty());
        QVERIFY(!recherche.isEmpty());
    }

    void cleanupTestCase() { p.reset(); }

    void conditions_data()
    {
        QTest::addColumn<QString>("entete");         // over the printed lists' and the inventory's columns
        QTest::addColumn<int>("largeur");            // the printed lists' heading box, in twips
        QTest::addColumn<QString>("synthese");       // the inventory's synthesis row
        QTest::addColumn<QString>("cote");           // stamp 2's price on the want list
        QTest::addColumn<QString>("coteDouble");     // stamp 1's price on the duplicates list
        QTest::addColumn<QString>("coteRecherche");  // stamp 2's, unformatted, on the search result
        // Stamp 1 in the inventory: its value in the collection, in the duplicates, and both.
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("doubles");
        QTest::addColumn<QString>("total");
        QTest::newRow("N") << "Neuf **" << 555 << "Neuf **" << "10,0" << "1,0" << "10"
                           << "10,0" << "11,0" << "21,0";
        QTest::newRow("NC") << "Neuf *" << 495 << "Neuf *" << "20,0" << "2,0" << "20"
                            << "20,0" << "22,0" << "42,0";
        QTest::newRow("NSG") << "Neuf (*)" << 645 << "Neuf (*)" << "30,0" << "3,0" << "30"
                             << "30,0" << "33,0" << "63,0";
        QTest::newRow("O") << "Obl." << 375 << "Oblitéré" << "40,0" << "4,0" << "40"
                           << "40,0" << "44,0" << "84,0";
        QTest::newRow("L") << "Lettre" << 480 << "Lettre" << "50,0" << "5,0" << "50"
                           << "50,0" << "55,0" << "105,0";
    }

    void conditions()
    {
        QFETCH(QString, entete);
        QFETCH(int, largeur);
        QFETCH(QString, synthese);
        QFETCH(QString, cote);
        QFETCH(QString, coteDouble);
        QFETCH(QString, coteRecherche);
        QFETCH(QString, collection);
        QFETCH(QString, doubles);
        QFETCH(QString, total);

        // Each printed list: the heading over the stamp's price of the condition.
        struct {
            const char* nom;
            const QList<MotPdf>& mots;
            Etat etat;  // the layout the list is drawn from
            QString designation;
            QString prix;
        } listes[] = {
            {"mancoliste", manques, ImpManques1(), QStringLiteral("Napoléon"), cote},
            {"dispoliste", dispoliste, ImpDoubles1(), QStringLiteral("Cérès"), coteDouble},
            {"recherche", recherche, ImpRecherche2(), QStringLiteral("Napoléon"), coteRecherche},
        };
        for (auto& l : listes) {
            const QList<MotPdf> timbre = motsImprimes(l.mots, l.designation);
            QVERIFY2(timbre.size() == 1, l.nom);
            const QList<MotPdf> prix = motsImprimes(l.mots, l.prix, &timbre.constFirst());
            QVERIFY2(prix.size() == 1,
                qPrintable(QStringLiteral("%1 : %2").arg(l.nom, texteDe(ligneDe(l.mots, timbre.constFirst())))));
            const MotPdf titre = enTeteAuDessus(l.mots, prix.constFirst());
            QVERIFY2(titre.texte == entete,
                qPrintable(QStringLiteral("%1 : « %2 » au-dessus de %3").arg(l.nom, titre.texte, l.prix)));
            // Its box: no text of the page shows it, so it is read from the layout, the page heading's
            // box that starts where the heading printed.
            const ControleEtat* boite = nullptr;
            for (const ControleEtat& c : SectionParNom(l.etat, QStringLiteral("SectionEntetePAge"))->controles) {
                if (c.type == ControleEtat::Etiquette &&
                    std::abs(l.etat.marges.gauche + c.gauche - titre.gauche * 20) < 40)
                    boite = &c;
            }
            QVERIFY2(boite, l.nom);
            QVERIFY2(boite->legende == entete, qPrintable(QStringLiteral("%1 : « %2 »").arg(l.nom, boite->legende)));
            QVERIFY2(boite->largeur == largeur,
                qPrintable(QStringLiteral("%1 : %2 twips").arg(l.nom).arg(boite->largeur)));
        }

        // The inventory: the heading over the stamp's value, in the collection and in the duplicates.
        const QList<MotPdf> ceres = motsImprimes(inventaire, QStringLiteral("Cérès"));
        QCOMPARE(ceres.size(), 1);
        for (const QString& valeur : {collection, doubles}) {
            const QList<MotPdf> v = motsImprimes(inventaire, valeur, &ceres.constFirst());
            QVERIFY2(v.size() == 1, qPrintable(texteDe(ligneDe(inventaire, ceres.constFirst()))));
            QCOMPARE(enTeteAuDessus(inventaire, v.constFirst()).texte, entete);
        }
        // Its synthesis row: the condition's label, then its sums in the collection, in the duplicates, and both.
        const QList<MotPdf> somme = motsImprimes(inventaire, total);
        QCOMPARE(somme.size(), 1);
        QCOMPARE(texteDe(ligneDe(inventaire, somme.constFirst())),
            QStringList({synthese, collection, doubles, total}).join(QLatin1Char(' ')));
    }
};

ENREGISTRER_TEST(TestConditionsImprimees)

#include "test_conditions.moc"
