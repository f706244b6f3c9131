// The series name and the descriptive text of a stamp, composed from its France row and the four lookup
// tables of the catalogue.

#include "card/TexteFiche.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "support/DossierTest.h"
#include "support/Suite.h"

#include <QLocale>
#include <QtTest>

#include <memory>

namespace {

const QString Sauts = QStringLiteral("\r\n\r\n");

// The lookups every case reads: one name of each kind, and a series and a designer whose names are Null.
const QString Lookups = QStringLiteral(R"(
INSERT INTO Series VALUES (1, 'Europa'), (2, NULL);
INSERT INTO Dessinateurs VALUES (10, 'Gandon', 'Pierre Gandon'), (11, 'Anonyme', NULL);
INSERT INTO Graveurs VALUES (20, 'Durrens', 'Claude Durrens');
INSERT INTO TypesImpression VALUES (30, 'taille-douce');
)");

// The settings every case runs under, and their own digit-grouping symbol.
const QLocale Francais(QLocale::French, QLocale::France);

// The text of 1 500 000 under the French settings.
QString unMillionEtDemi()
{
    const QString g = Francais.groupSeparator();
    return QStringLiteral("1") + g + QStringLiteral("500") + g + QStringLiteral("000");
}

}  // namespace

class TestTexteFiche : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void texteDescriptif_data();
    void texteDescriptif();

private:
    QLocale m_localeAvant;
    // One catalogue for every case, each case's stamp numbered after its row of the table.
    std::unique_ptr<DossierTest> m_dossier;
};

void TestTexteFiche::initTestCase()
{
    m_dossier = std::make_unique<DossierTest>(false);
    m_dossier->creerGroupeTravail();
    m_dossier->creerCatalogue([](const Connexion& cnx) { cnx.executerScript(Lookups); });
    QVERIFY(OuvrirBaseCatalogue());
}

void TestTexteFiche::cleanupTestCase()
{
    m_dossier.reset();
}

void TestTexteFiche::init()
{
    m_localeAvant = QLocale();
    QLocale::setDefault(Francais);
}

void TestTexteFiche::cleanup()
{
    QLocale::setDefault(m_localeAvant);
}

void TestTexteFiche::texteDescriptif_data()
{
    QTest::addColumn<QVariantMap>("colonnes");  // France columns of the stamp; the others are Null
    QTest::addColumn<bool>("catalogueOuvert");  // false: every lookup fails
    QTest::addColumn<QString>("serie");
    QTest::addColumn<QString>("texte");

    const QString tire = QStringLiteral("Tiré à ") + unMillionEtDemi() + QStringLiteral(" exemplaires");
    const QString vendu = QStringLiteral("Vendu à ") + unMillionEtDemi() + QStringLiteral(" exemplaires");
    const QString dentele = QStringLiteral("Dentelé ");

    const QVariantMap complet = {{"Serie", 1}, {"ConcuDessinePar", 10}, {"dapres", "Delacroix"}, {"GravePar", 20},
        {"MisenPagePar", "Jean Lecomte"}, {"Dentelure", "13"}, {"Format", "Horizontal"}, {"TailleH", 36.0},
        {"TailleV", 22.0}, {"ImprimeEn", 30}, {"TimbresParFeuille", "feuilles de 50"}, {"Tirage", 1500000},
        {"DateEmission", "1960-05-12"}, {"AnneeEmission", "1960"}, {"Usage", "Lettre simple"}};

    QTest::newRow("tout Null") << QVariantMap() << true << QString() << Sauts + dentele;
    QTest::newRow("tout renseigné")
        << complet << true << QStringLiteral("Europa")
        << QStringLiteral("Dessiné par Pierre Gandon d'après Delacroix et gravé par Claude Durrens, mis en page par "
                          "Jean Lecomte") +
            Sauts + tire + Sauts +
            QStringLiteral("Dentelé 13 de format horizontal 36mm x 22mm, imprimé en taille-douce, présenté en "
                           "feuilles de 50") +
            Sauts + QStringLiteral("Usage :  Lettre simple");
    QTest::newRow("catalogue fermé") << complet << false << QString()
                                     << QStringLiteral(" d'après Delacroix, mis en page par Jean Lecomte") + Sauts +
            tire + Sauts + QStringLiteral("Dentelé 13 de format horizontal 36mm x 22mm, présenté en feuilles de 50") +
            Sauts + QStringLiteral("Usage :  Lettre simple");

    // Perforation.
    QTest::newRow("Non") << QVariantMap {{"Dentelure", "Non"}} << true << QString()
                         << Sauts + QStringLiteral("Non dentelé");
    QTest::newRow("non en minuscules") << QVariantMap {{"Dentelure", "non"}} << true << QString()
                                       << Sauts + QStringLiteral("Dentelé non");

    // Designer and engraver.
    QTest::newRow("graveur sans dessinateur") << QVariantMap {{"GravePar", 20}} << true << QString()
                                              << QStringLiteral(" Gravé par Claude Durrens") + Sauts + dentele;
    QTest::newRow("graveur, dessinateur inconnu")
        << QVariantMap {{"ConcuDessinePar", 99}, {"GravePar", 20}} << true << QString()
        << QStringLiteral(" Gravé par Claude Durrens") + Sauts + dentele;
    QTest::newRow("dessinateur et graveur")
        << QVariantMap {{"ConcuDessinePar", 10}, {"GravePar", 20}} << true << QString()
        << QStringLiteral("Dessiné par Pierre Gandon et gravé par Claude Durrens") + Sauts + dentele;
    QTest::newRow("dessinateur au nom Null")
        << QVariantMap {{"ConcuDessinePar", 11}, {"GravePar", 20}} << true << QString()
        << QStringLiteral("Dessiné par  et gravé par Claude Durrens") + Sauts + dentele;
    QTest::newRow("graveur inconnu") << QVariantMap {{"ConcuDessinePar", 10}, {"GravePar", 99}} << true << QString()
                                     << QStringLiteral("Dessiné par Pierre Gandon") + Sauts + dentele;

    // Print run or number sold, by the date of issue first, then the year.
    QTest::newRow("tirage, émis en 1960") << QVariantMap {{"Tirage", 1500000}, {"DateEmission", "1960-05-12"}} << true
                                          << QString() << Sauts + tire + Sauts + dentele;
    QTest::newRow("vendus, émis en 1990") << QVariantMap {{"Tirage", 1500000}, {"DateEmission", "1990-03-01"}} << true
                                          << QString() << Sauts + vendu + Sauts + dentele;
    QTest::newRow("vendus, émis le 1er janvier 1986")
        << QVariantMap {{"Tirage", 1500000}, {"DateEmission", "1986-01-01"}} << true << QString()
        << Sauts + vendu + Sauts + dentele;
    QTest::newRow("tirage, émis le 31 décembre 1985")
        << QVariantMap {{"Tirage", 1500000}, {"DateEmission", "1985-12-31"}, {"AnneeEmission", "1986"}} << true
        << QString() << Sauts + tire + Sauts + dentele;
    QTest::newRow("vendus, date Null, année 1990") << QVariantMap {{"Tirage", 1500000}, {"AnneeEmission", "1990"}}
                                                   << true << QString() << Sauts + vendu + Sauts + dentele;
    QTest::newRow("tirage, date Null, année 1985") << QVariantMap {{"Tirage", 1500000}, {"AnneeEmission", "1985"}}
                                                   << true << QString() << Sauts + tire + Sauts + dentele;
    QTest::newRow("tirage, émis en 1985, année 1990")
        << QVariantMap {{"Tirage", 1500000}, {"DateEmission", "1985-06-01"}, {"AnneeEmission", "1990"}} << true
        << QString() << Sauts + tire + Sauts + dentele;
    QTest::newRow("tirage, émis en 1990, année 1980")
        << QVariantMap {{"Tirage", 1500000}, {"DateEmission", "1990-06-01"}, {"AnneeEmission", "1980"}} << true
        << QString() << Sauts + tire + Sauts + dentele;
    QTest::newRow("date et année Null") << QVariantMap {{"Tirage", 1500000}} << true << QString() << Sauts + dentele;
    QTest::newRow("tirage arrondi") << QVariantMap {{"Tirage", 1234.6}, {"AnneeEmission", "1950"}} << true << QString()
                                    << Sauts + QStringLiteral("Tiré à 1") + Francais.groupSeparator() +
            QStringLiteral("235 exemplaires") + Sauts + dentele;

    // Format and sizes.
    QTest::newRow("format en minuscules") << QVariantMap {{"Dentelure", "13"}, {"Format", "Vertical"}} << true
                                          << QString() << Sauts + QStringLiteral("Dentelé 13 de format vertical ");
    QTest::newRow("tailles sans format") << QVariantMap {{"Dentelure", "13"}, {"TailleH", 22.5}, {"TailleV", 36.0}}
                                         << true << QString() << Sauts + QStringLiteral("Dentelé 1322,5mm x 36mm");
    QTest::newRow("hauteur seule") << QVariantMap {{"TailleV", 40.0}} << true << QString()
                                   << Sauts + QStringLiteral("Dentelé  x 40mm");

    // Series and printing method.
    QTest::newRow("série inconnue") << QVariantMap {{"Serie", 99}} << true << QString() << Sauts + dentele;
    QTest::newRow("série au nom Null") << QVariantMap {{"Serie", 2}} << true << QString() << Sauts + dentele;
    QTest::newRow("impression inconnue") << QVariantMap {{"ImprimeEn", 99}, {"TimbresParFeuille", "carnets"}} << true
                                         << QString() << Sauts + QStringLiteral("Dentelé , présenté en carnets");

    QTest::newRow("usage seul") << QVariantMap {{"Usage", "Colis"}} << true << QString()
                                << Sauts + dentele + Sauts + QStringLiteral("Usage :  Colis");
}

void TestTexteFiche::texteDescriptif()
{
    QFETCH(QVariantMap, colonnes);
    QFETCH(bool, catalogueOuvert);
    QFETCH(QString, serie);
    QFETCH(QString, texte);

    const QString dallay = QString::fromUtf8(QTest::currentDataTag());
    m_dossier->creerCatalogue([&](const Connexion& cnx) {
        QStringList noms = {QStringLiteral("Dallay")};
        QStringList marques = {QStringLiteral("?")};
        QVariantList valeurs = {dallay};
        for (auto it = colonnes.cbegin(); it != colonnes.cend(); ++it) {
            noms << it.key();
            marques << QStringLiteral("?");
            valeurs << it.value();
        }
        cnx.executer(
            QStringLiteral("INSERT INTO France (%1) VALUES (%2)").arg(noms.join(','), marques.join(',')), valeurs);
    });
    Recordset france =
        Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM France WHERE Dallay = ?"), {dallay});
    QCOMPARE(france.RecordCount(), 1);

    const TexteDescriptif resultat =
        ComposerTexteDescriptif(france, catalogueOuvert ? CnxCatalogue : std::make_shared<Connexion>());
    QCOMPARE(resultat.serie, serie);
    QCOMPARE(resultat.texteFinal, texte);
}

ENREGISTRER_TEST(TestTexteFiche)
#include "test_texte_fiche.moc"
