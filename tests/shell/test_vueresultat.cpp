// The result lists: the cells read from the rows a query produced, the texts set on them afterwards, the
// columns kept across rebuilds, and the result released when the rows go.

#include "data/Connexion.h"
#include "data/Recordset.h"
#include "data/Valeurs.h"
#include "shell/VueResultat.h"
#include "support/Suite.h"

#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ConnexionPtr baseEssai(const QTemporaryDir& dossier, const QString& nom = QStringLiteral("essai.db"))
{
    auto cnx = std::make_shared<Connexion>();
    cnx->creer(dossier.filePath(nom));
    cnx->executerScript(QStringLiteral(R"(
        CREATE TABLE T (Dallay TEXT, Annee INTEGER, Nom TEXT, Prix REAL);
        INSERT INTO T VALUES ('1', 1849, 'Cérès', 12.5), ('2', NULL, NULL, NULL), ('3', 1850, 'Napoléon', 0);
    )"));
    return cnx;
}

Recordset resultat(const ConnexionPtr& cnx)
{
    return Recordset::Ouvrir(cnx, QStringLiteral("SELECT Dallay, Annee, Nom, Prix FROM T ORDER BY Dallay"));
}

QStringList lignes(const VueResultat& vue)
{
    QStringList tout;
    for (int i = 0; i < vue.nombreLignes(); ++i)
        tout << vue.ligne(i).join(QLatin1Char('|'));
    return tout;
}

}  // namespace

class TestVueResultat : public QObject {
    Q_OBJECT

private slots:
    void cellules()
    {
        QTemporaryDir dossier;
        const ConnexionPtr cnx = baseEssai(dossier);
        VueResultat vue;
        for (const char* titre : {"Dallay", "Nom", "Prix", "Les deux", "Rien"})
            vue.ajouterColonne(QString::fromUtf8(titre), 900);
        const auto lesDeux = [](const Recordset& r, int ligne) {
            return Texte(r.ChampLigne(ligne, 0)) + QLatin1Char('/') + Texte(r.ChampLigne(ligne, 1));
        };
        // Columns of the result in any order, one made from the row, one beyond the result; Null is empty.
        vue.afficherResultat(resultat(cnx), {0, 2, 3, CelluleResultat(lesDeux), 7});
        vue.ajouterLigne({QStringLiteral("4"), QStringLiteral("ajoutée")});
        QCOMPARE(lignes(vue), QStringList({"1|Cérès|12.5|1/1849|", "2|||2/|", "3|Napoléon|0|3/1850|", "4|ajoutée|||"}));
        QCOMPARE(vue.model()->data(vue.model()->index(0, 1)).toString(), QStringLiteral("Cérès"));

        // A text set on a cell replaces the row's own until the rows go; a new result starts clean.
        vue.definirTexte(1, 2, QStringLiteral("  x"));
        vue.definirTexte(0, 2, QString());
        QCOMPARE(vue.ligne(1).value(2), QStringLiteral("  x"));
        QCOMPARE(vue.ligne(0).value(2), QString());
        vue.afficherResultat(resultat(cnx), {0, 2, 3});
        QCOMPARE(lignes(vue), QStringList({"1|Cérès|12.5||", "2||||", "3|Napoléon|0||"}));
    }

    void colonnesEtLiberation()
    {
        QTemporaryDir dossier;
        ConnexionPtr premiere = baseEssai(dossier, QStringLiteral("a.db"));
        ConnexionPtr seconde = baseEssai(dossier, QStringLiteral("b.db"));
        // A result holds the connection it was read on: the connection outlives the result exactly.
        const std::weak_ptr<Connexion> suiviPremiere = premiere, suiviSeconde = seconde;
        VueResultat vue;
        vue.ajouterColonne(QStringLiteral("Dallay"), 800);
        vue.ajouterColonne(QStringLiteral("Code"), 1);
        vue.afficherResultat(resultat(premiere), {0, 1});
        premiere.reset();
        QVERIFY(!suiviPremiere.expired());
        vue.definirLigneCourante(2);
        QCOMPARE(vue.ligneCourante(), 2);
        QVERIFY(vue.estChoisie(2));

        // A new result releases the one before; emptying the rows releases the last.
        vue.afficherResultat(resultat(seconde), {0, 1});
        QVERIFY(suiviPremiere.expired());
        QCOMPARE(vue.nombreLignes(), 3);
        QCOMPARE(vue.ligneCourante(), -1);
        seconde.reset();
        vue.viderLignes();
        QVERIFY(suiviSeconde.expired());
        QCOMPARE(vue.nombreLignes(), 0);

        // Rows come and go without touching the columns' titles, widths or hidden keys.
        QCOMPARE(vue.nombreColonnes(), 2);
        QCOMPARE(vue.titreColonne(0), QStringLiteral("Dallay"));
        QCOMPARE(vue.columnWidth(0), 800 / 15);
        QVERIFY(vue.isColumnHidden(1));
        QVERIFY(!vue.isColumnHidden(0));
        vue.viderColonnes();
        QCOMPARE(vue.nombreColonnes(), 0);
    }
};

ENREGISTRER_TEST(TestVueResultat)
#include "test_vueresultat.moc"
