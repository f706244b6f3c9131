// The report engine: the flow of bands over pages, the field codes, clipping, and the printing-error
// message, checked on the layout and on the text of the rendered PDF.

#include "OutilsImpression.h"
#include "platform/Impression.h"
#include "platform/Messages.h"
#include "printing/AffichageEtat.h"
#include "printing/Dispositions.h"
#include "printing/Etat.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QDate>
#include <QPrinter>
#include <QtTest>

namespace {

// A small flat report: a report header, column headings, one bound box per row, the page count.
Etat etatPlat()
{
    Etat e;
    e.nom = QStringLiteral("EtatEssai");
    e.legende = QStringLiteral("Essai");
    e.largeur = 10110;
    e.marges = {800, 800, 800, 900};
    e.sections = {
        Section(SectionEtat::EnTeteEtat, "SectionEnteteEtat", 600, {Etiquette("Titre", 0, 0, 5000, 300, "Rapport unique")}),
        Section(SectionEtat::EnTetePage, "SectionEntetePAge", 300, {Etiquette("Entete", 0, 0, 3000, 225, "Colonnes")}),
        Section(SectionEtat::Detail, "SectionDetail", 270, {Zone("Nom", 60, 30, 4000, 225, "Nom")}),
        Section(SectionEtat::PiedPage, "Section3", 900,
            {Etiquette("Label11", 5000, 60, 3000, 240, "Page %p sur %P"), Etiquette("Label9", 0, 360, 5000, 240, "Imprimé le %D")}),
        Section(SectionEtat::PiedEtat, "Section5", 0),
    };
    return e;
}

TableEtat lignes(int n)
{
    TableEtat t({QStringLiteral("Nom")});
    for (int i = 1; i <= n; ++i)
        t.ajouter({QStringLiteral("Ligne%1").arg(i, 3, 10, QLatin1Char('0'))});
    return t;
}

QList<SectionEtat::Type> types(const Etat& e, const std::vector<BandePlacee>& page)
{
    QList<SectionEtat::Type> t;
    for (const BandePlacee& b : page)
        t << e.sections.at(b.section).type;
    return t;
}

}  // namespace

class TestEtat : public QObject {
    Q_OBJECT

private slots:
    void rapportSurTroisPages();
    void groupeSansEnfants();
    void piedEtatDeplaceEnEntier();
    void texteLongCoupe();
    void erreurImpression_data();
    void erreurImpression();
};

void TestEtat::rapportSurTroisPages()
{
    PlateformeScriptee plateforme;
    const Etat etat = etatPlat();
    const TableEtat donnees = lignes(120);
    const MiseEnPage mise = Paginer(etat, donnees, HauteurUtile(etat, QPrinter().pageLayout()));
    QCOMPARE(mise.nombrePages(), 3);

    MontrerEtat(etat, donnees);
    QCOMPARE(plateforme.apercus().size(), 1);
    const QString pdf = plateforme.apercus().constFirst().fichierPdf;
    QCOMPARE(NombrePagesPdf(pdf), 3);
    const QString tout = TextePdf(pdf);
    QCOMPARE(tout.count(QStringLiteral("Rapport unique")), 1);
    QVERIFY(TextePdf(pdf, 1).contains(QStringLiteral("Rapport unique")));
    QCOMPARE(tout.count(QStringLiteral("Colonnes")), 3);
    for (int i = 1; i <= 120; ++i)
        QCOMPARE(tout.count(QStringLiteral("Ligne%1").arg(i, 3, 10, QLatin1Char('0'))), 1);
    QVERIFY(TextePdf(pdf, 1).contains(QStringLiteral("Ligne001")));
    QVERIFY(TextePdf(pdf, 3).contains(QStringLiteral("Ligne120")));
    for (int p = 1; p <= 3; ++p)
        QVERIFY2(TextePdf(pdf, p).contains(QStringLiteral("Page %1 sur 3").arg(p)), qPrintable(TextePdf(pdf, p)));
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    QVERIFY2(tout.simplified().contains(QStringLiteral("Imprimé le ") + date), qPrintable(tout));

    // Every band stays above the page footer, and the rows follow each other without a gap.
    const int limite = mise.hauteurUtile - 900;
    for (const auto& page : mise.pages)
        for (const BandePlacee& b : page)
            if (etat.sections.at(b.section).type != SectionEtat::PiedPage)
                QVERIFY(b.haut + etat.sections.at(b.section).hauteur <= limite);
}

void TestEtat::groupeSansEnfants()
{
    Etat etat = etatPlat();
    etat.sections.insert(2, Section(SectionEtat::EnTeteGroupe, "Section1", 285, {Zone("Rubrique", 0, 60, 3420, 225, "Nom")}));
    etat.sections[3].controles[0].membre = QStringLiteral("Timbres");
    etat.sections.insert(4, Section(SectionEtat::PiedGroupe, "Section2", 225, {Zone("SumN", 0, 0, 600, 225, "SumN")}));

    TableEtat donnees({QStringLiteral("Nom"), QStringLiteral("SumN")});
    donnees.ajouter({QStringLiteral("Poste aérienne"), 12.5});
    TableEtat& enfants = donnees.ajouterEnfants(QStringLiteral("Timbres"), {QStringLiteral("Nom")});
    enfants.ajouter({QStringLiteral("Avion 1")});
    enfants.ajouter({QStringLiteral("Avion 2")});
    donnees.ajouter({QStringLiteral("Coins datés"), 0.0});
    donnees.ajouterEnfants(QStringLiteral("timbres"), {QStringLiteral("Nom")});
    donnees.ajouter({QStringLiteral("Carnets"), QVariant()});  // no child rows at all

    const MiseEnPage mise = Paginer(etat, donnees, 15000);
    QCOMPARE(mise.nombrePages(), 1);
    using T = SectionEtat;
    const QList<T::Type> attendu {T::EnTeteEtat, T::EnTetePage, T::EnTeteGroupe, T::Detail, T::Detail, T::PiedGroupe,
        T::EnTeteGroupe, T::PiedGroupe, T::EnTeteGroupe, T::PiedGroupe, T::PiedPage};
    QCOMPARE(types(etat, mise.pages[0]), attendu);

    PlateformeScriptee plateforme;
    MontrerEtat(etat, donnees);
    const QString texte = TextePdf(plateforme.apercus().constFirst().fichierPdf);
    for (const char* attendus : {"Poste aérienne", "Avion 1", "Avion 2", "Coins datés", "Carnets", "12,5"})
        QVERIFY2(texte.contains(QString::fromUtf8(attendus)), qPrintable(texte));
}

void TestEtat::piedEtatDeplaceEnEntier()
{
    Etat etat = etatPlat();
    etat.sections[4] = Section(SectionEtat::PiedEtat, "Section5", 2865, {Etiquette("Synthese", 0, 0, 2000, 270, "Synthèse")}, true);
    // Page 1: 10000 - 900 of footer, 900 of headers: 30 rows fill 8100 of the 8200 left.
    const int hauteur = 10000;
    const MiseEnPage court = Paginer(etat, lignes(15), hauteur);
    QCOMPARE(court.nombrePages(), 1);
    QCOMPARE(types(etat, court.pages[0]).count(SectionEtat::PiedEtat), 1);

    const MiseEnPage plein = Paginer(etat, lignes(30), hauteur);
    QCOMPARE(plein.nombrePages(), 2);
    QCOMPARE(types(etat, plein.pages[0]).count(SectionEtat::Detail), 30);
    QCOMPARE(types(etat, plein.pages[0]).count(SectionEtat::PiedEtat), 0);
    const QList<SectionEtat::Type> suite {SectionEtat::EnTetePage, SectionEtat::PiedEtat, SectionEtat::PiedPage};
    QCOMPARE(types(etat, plein.pages[1]), suite);
    QCOMPARE(plein.pages[1][1].haut, 300);
}

void TestEtat::texteLongCoupe()
{
    Etat etat = etatPlat();
    etat.sections[2].controles[0].largeur = 1400;
    TableEtat donnees({QStringLiteral("Nom")});
    donnees.ajouter({QStringLiteral("Marianne de Gandon sur papier épais, dentelure décalée vers le bas")});
    donnees.ajouter({QStringLiteral("Suivante")});

    PlateformeScriptee plateforme;
    MontrerEtat(etat, donnees);
    const QString texte = TextePdf(plateforme.apercus().constFirst().fichierPdf);
    QVERIFY2(texte.contains(QStringLiteral("Marianne")), qPrintable(texte));
    QVERIFY2(!texte.contains(QStringLiteral("dentelure")), qPrintable(texte));
    QVERIFY(texte.contains(QStringLiteral("Suivante")));

    const MiseEnPage mise = Paginer(etat, donnees, 15000);
    QCOMPARE(mise.pages[0][3].haut - mise.pages[0][2].haut, 270);
}

void TestEtat::erreurImpression_data()
{
    QTest::addColumn<QString>("disposition");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("icone");
    const QString debut = QStringLiteral("Une erreur d'impression s'est produite. ");
    QTest::newRow("mancoliste") << "ImpManques1" << debut + "Il n' y a peut-être pas d'imprimante installée." << int(Icone::Aucune);
    QTest::newRow("dispoliste") << "ImpDoubles1" << debut + "Il n' y a peut-être pas d'imprimante installée." << int(Icone::Aucune);
    QTest::newRow("valeur") << "ImpCollection1" << debut + "Il n'y a peut-être pas d'imprimante installée." << int(Icone::Aucune);
    QTest::newRow("inventaire") << "ImpListeTimbres1"
                                << "L'impression n'a pas pu se faire : l'imprimante est absente ou a refusé le document."
                                << int(Icone::Critique);
}

void TestEtat::erreurImpression()
{
    QFETCH(QString, disposition);
    QFETCH(QString, texte);
    QFETCH(int, icone);
    const QMap<QString, Etat (*)()> dispositions {{"ImpManques1", ImpManques1}, {"ImpDoubles1", ImpDoubles1},
        {"ImpCollection1", ImpCollection1}, {"ImpListeTimbres1", ImpListeTimbres1}};
    const Etat etat = dispositions.value(disposition)();

    PlateformeScriptee plateforme;
    plateforme.imprimerDepuisApercu(false);
    plateforme.repondreMessage(Reponse::OK);
    const TableEtat vide({QStringLiteral("Dallay")});
    MontrerEtat(etat, vide);
    QCOMPARE(plateforme.messages().size(), 1);
    const Message m = plateforme.messages().constFirst();
    QCOMPARE(m.texte, texte);
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(int(m.icone), icone);
    QCOMPARE(m.titre, TitreApplication);

    // A printer that works prints the same pages as the preview, without a word.
    PlateformeScriptee deuxieme;
    deuxieme.imprimerDepuisApercu(true);
    MontrerEtat(etat, vide);
    QCOMPARE(deuxieme.impressions().size(), 1);
    QCOMPARE(deuxieme.impressions().constFirst().orientation, etat.orientation);
    QVERIFY(TextePdf(deuxieme.impressions().constFirst().fichierPdf).contains(QStringLiteral("Page 1 sur 1")));
}

ENREGISTRER_TEST(TestEtat)
#include "test_etat.moc"
