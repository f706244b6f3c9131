#include "printing/Dispositions.h"

#include "data/Conditions.h"

#include "shell/Artwork.h"

#include <iterator>
#include <span>

namespace {

const QColor Bleu(0, 0, 192);

// A layout places each condition's boxes itself, in the table's order: its positions come one for each
// condition of the table, which the build checks, so that a condition added or removed cannot leave a
// box without a place or a place without a box.
constexpr std::size_t NombreConditions = std::tuple_size_v<decltype(Conditions)>;

template <typename T, std::size_t N>
std::span<const T> parCondition(const T (&positions)[N])
{
    static_assert(N == NombreConditions, "une position par condition");
    return positions;
}

QImage logo()
{
    // The product's logo, 75 x 92 pixels.
    static const QImage image = [] {
        QImage i(75, 92, QImage::Format_RGB32);
        i.fill(Qt::white);
        const QImage icone = IconeProduit(75);
        for (int y = 0; y < 75; ++y)
            for (int x = 0; x < 75; ++x) {
                const QColor c = icone.pixelColor(x, y);
                if (c.alpha() > 0)
                    i.setPixelColor(x, y + 8, c);
            }
        return i;
    }();
    return image;
}

// Which variant of the shared header and footer a layout has.
enum class Famille { Liste, Collection, Inventaire };

struct Titres {
    QString titre;
    int gaucheTitre = 1980, largeurTitre = 5145;
    int gaucheCollection = 1995, largeurCollection = 5130;
};

SectionEtat enTeteEtat(int hauteur, const Titres& t, Famille famille, QList<ControleEtat> suite = {})
{
    const bool inventaire = famille == Famille::Inventaire;
    QList<ControleEtat> c {
        Etiquette("Label1", inventaire ? 12375 : 7455, inventaire ? 510 : 480, 2625, 300, "Zorizad ud Udavoz")
            .police(Arial(12, Gras)).centre().couleur(0, 0, 192),
        Etiquette("LabelCollection", t.gaucheCollection, 675, t.largeurCollection, 300)
            .police(Arial(14.25, Gras))
            .centre()
            .reduireSiTropLong(),
        ImageEtat("Image1", 120, 0, 900, 1140, logo()),
        Etiquette("Label10", inventaire ? 12330 : 7410, inventaire ? 90 : 60, 2670, 435, "ORVALEN ")
            .police(PoliceEtat {QStringLiteral("Arial Black"), 18, Gras}).centre().couleur(0, 0, 192),
        Etiquette("Label12", t.gaucheTitre, 60, t.largeurTitre, 555, t.titre).police(Arial(21.75, Gras)).centre(),
        Etiquette("Label17", inventaire ? 12375 : 7455, inventaire ? 795 : 765, 2655, 210, "édition 2002-2003")
            .police(Arial(8.25, Gras)).centre(),
    };
    c += suite;
    return Section(SectionEtat::EnTeteEtat, "SectionEnteteEtat", hauteur, c);
}

SectionEtat piedPage(int hauteur, Famille famille)
{
    const bool inventaire = famille == Famille::Inventaire;
    const ControleEtat page = Etiquette("Label11", inventaire ? 12855 : 7950, inventaire ? 645 : 660, 2085, 240,
        "Page %p sur %P").droite();
    QList<ControleEtat> c;
    if (inventaire)
        c << page;
    c << Forme("Shape1", inventaire ? 12585 : 7785, inventaire ? 75 : 60, 2325, 570, true).remplir(255, 255, 192);
    if (!inventaire)
        c << page;
    c << Etiquette("Label13", 60, 105, 7380, 195,
             "Imprimé avec ORVALEN Zorizad ud Udavoz, présenté sur www.orvalen.example")
             .couleur(0, 128, 128)
      << Etiquette("Label14", 60, 315, 8025, 225,
             "ORVALEN et Zorizad ud Udavoz sont la propriété de leurs auteurs. Tous droits réservés.")
             .couleur(0, 128, 128)
      << Etiquette("Label15", inventaire ? 12690 : 7890, inventaire ? 150 : 135, 2190, 315, "ORVALEN ")
             .police(PoliceEtat {QStringLiteral("Arial Black"), 12, Gras}).centre().couleur(0, 0, 192)
      << Etiquette("Label16", inventaire ? 12675 : 7875, inventaire ? 375 : 360, 2175, 210, "Zorizad ud Udavoz")
             .police(Arial(8.25, Gras)).centre().couleur(0, 0, 192)
      << Etiquette("Label9", 15, 660, 5070, 240, "Impression du %D")
      << Ligne("Line1", 45, 30, inventaire ? 14800 : 9990, 0).couleur(0, 64, 64);
    return Section(SectionEtat::PiedPage, "Section3", hauteur, c);
}

Etat base(const QString& nom, const QString& legende, int largeur, MargesEtat marges)
{
    Etat e;
    e.nom = nom;
    e.legende = legende;
    e.largeur = largeur;
    e.marges = marges;
    e.police = Arial(8.25);
    e.phraseErreurImpression = PhraseImprimanteAvecEspace;
    return e;
}

// The column headings of the list layouts; `conditions` gives the lefts of Label4 on, one per condition
// (none: the conditions' headings are absent).
SectionEtat enTeteListe(int hauteur, std::span<const int> conditions, bool ordreRecherche2 = false)
{
    const PoliceEtat gras = Arial(8.25, Gras);
    const ControleEtat l2 = Etiquette("Label2", 45, 240, 1125, 225, "Dallay").police(gras);
    const ControleEtat l3 = Etiquette("Label3", 2100, 240, 615, 240, "Année").police(gras);
    const ControleEtat id2 = Etiquette("LabelID2", 1230, 240, 675, 225, "Michel").police(gras);
    const ControleEtat ligne = Ligne("Line2", 60, 495, 9990, 0).couleur(0, 64, 64);
    QList<ControleEtat> cond;
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const Condition& e = Conditions[i];
        cond << Etiquette(
            QStringLiteral("Label%1").arg(4 + i), conditions[i], 240, e.largeurEtat, 225, e.enteteEtat);
    }
    QList<ControleEtat> c;
    if (ordreRecherche2)
        c << l2 << l3 << id2 << ligne << cond;
    else
        c << l2 << l3 << cond << id2 << ligne;
    return Section(SectionEtat::EnTetePage, "SectionEntetePAge", hauteur, c);
}

struct Case {
    int gauche, haut, largeur;
};

// The detail of the list layouts; `conditions` the condition boxes, one per condition (none: absent).
SectionEtat detailListe(int largeurDesignation, std::span<const Case> conditions, Qt::Alignment alignement)
{
    QList<ControleEtat> c {
        Zone("Dallay", 60, 30, 1185, 225),
        Zone("Designation", 2805, 30, largeurDesignation, 240),
        Zone("Annee", 2115, 30, 660, 240),
        Zone("ID2", 1275, 30, 810, 225),
    };
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        ControleEtat z = Zone(Conditions[i].zoneEtat, conditions[i].gauche, conditions[i].haut, conditions[i].largeur, 225);
        z.alignement = alignement;
        c << z;
    }
    return Section(SectionEtat::Detail, "SectionDetail", 270, c);
}

SectionEtat piedEtatVide()
{
    return Section(SectionEtat::PiedEtat, "Section5", 0);
}

const MargesEtat MargesListes {800, 800, 800, 900};

}  // namespace

Etat ImpManques1()
{
    Etat e = base("ImpManques1", "Mancoliste", 10110, MargesListes);
    e.sections = {
        enTeteEtat(1140, {"Mancoliste"}, Famille::Liste),
        enTeteListe(540, parCondition({6990, 7680, 8295, 9015, 9585})),
        detailListe(4020,
            parCondition<Case>({{6840, 45, 630}, {7500, 30, 635}, {8145, 30, 635}, {8790, 30, 635}, {9435, 30, 635}}),
            Qt::AlignRight),
        piedPage(900, Famille::Liste),
        piedEtatVide(),
    };
    return e;
}

Etat ImpDoubles1()
{
    Etat e = base("ImpDoubles1", "Dispoliste", 10110, MargesListes);
    e.sections = {
        enTeteEtat(1140, {"Dispoliste"}, Famille::Liste),
        enTeteListe(540, parCondition({7065, 7710, 8310, 9015, 9525})),
        detailListe(4170,
            parCondition<Case>({{7005, 45, 615}, {7650, 45, 615}, {8280, 45, 615}, {8910, 45, 615}, {9495, 45, 615}}),
            Qt::AlignHCenter),
        piedPage(900, Famille::Liste),
        piedEtatVide(),
    };
    return e;
}

Etat ImpDoubles2()
{
    Etat e = base("ImpDoubles2", "Dispoliste", 10110, MargesListes);
    e.sections = {
        enTeteEtat(1140, {"Dispoliste"}, Famille::Liste),
        enTeteListe(540, parCondition({7065, 7710, 8310, 9015, 9525})),
        detailListe(4170,
            parCondition<Case>({{6975, 30, 615}, {7620, 30, 615}, {8250, 30, 615}, {8880, 30, 615}, {9465, 30, 615}}),
            Qt::AlignHCenter),
        piedPage(900, Famille::Liste),
        piedEtatVide(),
    };
    return e;
}

Etat ImpRecherche1()
{
    Etat e = base("ImpRecherche1", "Recherche", 10110, MargesListes);
    e.sections = {
        enTeteEtat(1440, {"Résultat de la recherche"}, Famille::Liste,
            {Etiquette("LabelCritere", 1125, 1020, 8940, 375)}),
        enTeteListe(540, {}),
        detailListe(7215, {}, Qt::AlignLeft),
        piedPage(900, Famille::Liste),
        piedEtatVide(),
    };
    return e;
}

Etat ImpRecherche2()
{
    Etat e = base("ImpRecherche2", "Recherche", 10110, MargesListes);
    e.sections = {
        enTeteEtat(1440, {"Résultat de la recherche"}, Famille::Liste,
            {Etiquette("LabelCritere", 1125, 1020, 8940, 375)}),
        enTeteListe(510, parCondition({7110, 7755, 8355, 9060, 9570}), true),
        detailListe(4185,
            parCondition<Case>({{7005, 30, 615}, {7650, 30, 615}, {8280, 30, 615}, {8910, 30, 615}, {9495, 30, 615}}),
            Qt::AlignHCenter),
        piedPage(900, Famille::Liste),
        piedEtatVide(),
    };
    return e;
}

Etat ImpRecherche3()
{
    Etat e = base("ImpRecherche3", "Recherche", 10110, MargesListes);
    QList<ControleEtat> images;
    const QList<int> gauches {130, 1430, 2730, 4050, 5355, 6660, 7965};
    for (int i = 0; i < gauches.size(); ++i)
        images << ImageEtat(QStringLiteral("Image%1").arg(2 + i), gauches.at(i), 60, 1215, 1215, QImage());
    SectionEtat detail = Section(SectionEtat::Detail, "SectionDetail", 1350, images);
    e.sections = {
        enTeteEtat(1140, {"Résultat de la recherche"}, Famille::Liste),
        enTeteListe(540, {}),
        detail,
        piedPage(900, Famille::Liste),
        piedEtatVide(),
    };
    return e;
}

Etat ImpCollection1()
{
    Etat e = base("ImpCollection1", "Collection", 10110, MargesListes);
    e.phraseErreurImpression = PhraseImprimanteSansEspace;
    const PoliceEtat gras = Arial(8.25, Gras);

    QList<ControleEtat> entete {
        Etiquette("Label2", 135, 510, 1125, 225, "Rubrique").police(gras),
        Ligne("Line2", 60, 765, 9990, 0).couleur(0, 64, 64),
        Etiquette("Label35", 2040, 195, 3870, 225, "Collection").police(gras).centre().remplir(224, 224, 224).encadre(),
        Etiquette("Label36", 2040, 510, 840, 225, "Timbres").police(gras).centre(),
        Etiquette("Label37", 2940, 510, 885, 225, "Variétés").police(gras).centre(),
        Etiquette("Label38", 3870, 510, 840, 225, "Oblitérat.").police(gras).centre(),
        Etiquette("Label39", 4755, 510, 1140, 225, "Mes variétés").police(gras).centre(),
        Etiquette("Label43", 6165, 195, 3915, 225, "Doubles").police(gras).centre().remplir(224, 224, 224).encadre(),
        Etiquette("Label3", 6195, 510, 840, 225, "Timbres").police(gras).centre(),
        Etiquette("Label40", 7095, 510, 885, 225, "Variétés").police(gras).centre(),
        Etiquette("Label41", 8025, 510, 840, 225, "Oblitérat.").police(gras).centre(),
        Etiquette("Label42", 8910, 510, 1140, 225, "Mes variétés").police(gras).centre(),
        Etiquette("Label45", 360, 105, 1470, 270, "en EUROS").police(Arial(11.25, Gras)),
    };

    struct Rangee {
        const char* code;
        const char* etiquette;
        const char* legende;
        int hautLegende, hautValeurs;
    };
    static const Rangee rangees[] = {
        {"AA", "Label4", "Timbres-poste", 90, 90},
        {"AE", "Label5", "Poste aérienne", 435, 435},
        {"BS", "Label6", "Blocs spéciaux", 765, 765},
        {"CA", "Label7", "Carnets", 1125, 1110},
        {"CR", "Label8", "Carnets Croix-Rouge", 1500, 1485},
        {"CD", "Label47", "Coins datés", 1860, 1845},
        {"CP", "Label18", "Colis postaux", 2205, 2190},
        {"PC", "Label19", "Petits colis", 2565, 2565},
        {"CI", "Label20", "Cours d'instruction", 2925, 2925},
        {"FM", "Label21", "Franchise militaire", 3300, 3285},
        {"G70", "Label22", "Guerre de 1870", 3675, 3660},
        {"G14", "Label23", "Guerre 14-18", 4035, 4035},
        {"G39", "Label24", "Guerre 39-45", 4380, 4380},
        {"JS", "Label25", "Jérusalem", 4740, 4725},
        {"JO", "Label26", "Timbres pour journaux", 5100, 5100},
        {"MI", "Label48", "Millésimes", 5475, 5475},
        {"PR", "Label27", "Préoblitérés", 5850, 5850},
        {"RT", "Label28", "Roulettes", 6225, 6210},
        {"SP", "Label29", "Timbres Specimen", 6585, 6570},
        {"TS", "Label30", "Timbres de Service", 6945, 6945},
        {"TT", "Label34", "Timbres-Taxe", 7305, 7305},
        {"TG", "Label31", "Timbres-Télégraphe", 7650, 7665},
        {"TP", "Label32", "Timbres-Téléphone", 8010, 8025},
        {"CN", "Label33", "Blocs de la C.N.E.P.", 8370, 8370},
    };
    struct Colonne {
        const char* groupe;
        int gauche;
        bool droite;  // the four right-hand columns stand 15 twips lower
    };
    static const Colonne colonnes[] = {{"C", 2085, false}, {"V", 3000, false}, {"O", 3900, false},
        {"MV", 4815, false}, {"DC", 6300, true}, {"DV", 7215, true}, {"DO", 8115, true}, {"DMV", 9030, true}};

    QList<ControleEtat> detail;
    bool apresPR = false;
    for (const Rangee& r : rangees) {
        const QString code = QString::fromLatin1(r.code);
        apresPR = apresPR || code == QLatin1String("PR");
        const int gaucheLegende = code == QLatin1String("CD") ? 165 : (apresPR ? 135 : 150);
        detail << Etiquette(r.etiquette, gaucheLegende, r.hautLegende, 1800, 225, QString::fromUtf8(r.legende));
        const bool varietesSeules = code == QLatin1String("CD") || code == QLatin1String("MI");
        for (const Colonne& c : colonnes) {
            const QString groupe = QString::fromLatin1(c.groupe);
            if (varietesSeules && groupe != QLatin1String("V") && groupe != QLatin1String("DV"))
                continue;
            const bool decale = code == QLatin1String("JS") || code == QLatin1String("JO") || varietesSeules;
            detail << Etiquette(code + QStringLiteral("Coll") + groupe, c.gauche + (decale ? 15 : 0),
                r.hautValeurs + (c.droite ? 15 : 0), 735, 225).droite();
        }
    }
    for (const Colonne& c : colonnes)
        detail << Etiquette(QStringLiteral("Coll") + QString::fromLatin1(c.groupe), c.gauche, c.droite ? 8880 : 8865, 735, 225)
                      .droite();
    const PoliceEtat sansSerif {QStringLiteral("MS Sans Serif"), 9.75, Gras};
    detail << Etiquette("Label44", 4680, 9360, 2595, 300, "Total de la collection :").police(sansSerif).droite()
           << Etiquette("Coll", 7455, 9360, 1515, 300).police(sansSerif).droite()
           << Etiquette("Label46", 9060, 9360, 660, 300, "euros").police(sansSerif).droite();

    e.sections = {
        enTeteEtat(1575, {"Rapport de synthèse", 1395, 5955, 1710, 5415}, Famille::Collection,
            {Etiquette("LabelCritere", 1125, 1140, 8925, 420,
                QStringLiteral("Ce document est calculé à partir des cotes Dallay issues du catalogue Dallay France "
                               "2002-2003. En revanche, les valeurs indiquées dans les colonnes \"Mes variétés\" "
                               "proviennent de la saisie de l'utilisateur et sont sous sa seule responsabilité.."))}),
        Section(SectionEtat::EnTetePage, "SectionEntetePAge", 810, entete),
        Section(SectionEtat::Detail, "SectionDetail", 9660, detail),
        piedPage(1095, Famille::Collection),
        piedEtatVide(),
    };
    return e;
}

Etat ImpListeTimbres1()
{
    Etat e = base("ImpListeTimbres1", "Inventaire", 15045, {800, 700, 800, 900});
    e.orientation = QPageLayout::Landscape;
    // This layout has no printing-error handler: the engine's own message.
    e.phraseErreurImpression.clear();
    const PoliceEtat gras = Arial(8.25, Gras);

    QList<ControleEtat> entete {
        Etiquette("Label2", 15, 150, 1125, 225, "Dallay").police(gras),
        Etiquette("LabelID2", 1140, 150, 630, 225, "Michel").police(gras),
        Ligne("Line2", 150, 405, 14805, 0).couleur(0, 64, 64),
    };
    // Each condition's heading over the collection's columns (Label4 to Label8), then over the duplicates'
    // (Label18 to Label22), in boxes of this layout's own.
    struct Titre {
        int gauche, largeur;
    };
    const Titre titres[] = {{6345, 615}, {7035, 495}, {7635, 645}, {8340, 375}, {8850, 480}};
    const Titre titresDoubles[] = {{10335, 555}, {10980, 495}, {11580, 645}, {12285, 375}, {12795, 480}};
    static_assert(std::size(titres) == NombreConditions && std::size(titresDoubles) == NombreConditions);
    for (std::size_t i = 0; i < Conditions.size(); ++i)
        entete << Etiquette(QStringLiteral("Label%1").arg(4 + i), titres[i].gauche, 150, titres[i].largeur, 225,
            Conditions[i].enteteEtat);
    for (std::size_t i = 0; i < Conditions.size(); ++i)
        entete << Etiquette(QStringLiteral("Label%1").arg(18 + i), titresDoubles[i].gauche, 150,
            titresDoubles[i].largeur, 225, Conditions[i].enteteEtat);
    entete << Etiquette("Label24", 13425, 150, 750, 225, "Doubles").police(gras)
           << Etiquette("Label25", 14265, 150, 630, 225, "Total").police(gras).droite()
           << Etiquette("Label23", 9450, 150, 870, 225, "Collection").police(gras);

    const QString A = QStringLiteral("0.0;;\"\"");
    const QString B = QStringLiteral("#,##0.0;;\"\"");
    auto valeur = [](const QString& nom, int gauche, int largeur, const QString& format) {
        ControleEtat z = Zone(nom, gauche, 0, largeur, 225).droite();
        z.format = format;
        return z;
    };
    // Each condition's box, then its duplicates' ("D" before its name), and the row's sums between them.
    struct Place {
        int gauche, largeur;
    };
    const Place valeurs[] = {{6255, 675}, {6990, 615}, {7605, 615}, {8235, 615}, {8820, 615}};
    const Place doubles[] = {{10230, 615}, {10875, 615}, {11505, 615}, {12135, 615}, {12765, 615}};
    const Place sommes[] = {{6255, 675}, {6975, 615}, {7590, 615}, {8205, 615}, {8835, 615}};
    const Place sommesDoubles[] = {{10230, 615}, {10875, 615}, {11505, 615}, {12135, 615}, {12765, 615}};
    static_assert(std::size(valeurs) == NombreConditions && std::size(doubles) == NombreConditions &&
        std::size(sommes) == NombreConditions && std::size(sommesDoubles) == NombreConditions);
    QList<ControleEtat> detail {Zone("Dallay", 30, 0, 1020, 225, "Dallay"), Zone("ID2", 1080, 0, 735, 225)};
    QList<ControleEtat> pied;
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        detail << valeur(Conditions[i].zoneEtat, valeurs[i].gauche, valeurs[i].largeur, A);
        pied << valeur(QStringLiteral("Sum") + Conditions[i].suffixe, sommes[i].gauche, sommes[i].largeur, A);
    }
    detail << valeur("Coll", 9450, 765, B).police(gras);
    pied << valeur("SumColl", 9465, 750, B).police(gras);
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        detail << valeur(QLatin1Char('D') + Conditions[i].zoneEtat, doubles[i].gauche, doubles[i].largeur, A);
        pied << valeur(QStringLiteral("SumD") + Conditions[i].suffixe, sommesDoubles[i].gauche, sommesDoubles[i].largeur, A);
    }
    detail << valeur("Doubles", 13410, 780, B).police(gras) << valeur("Total", 14205, 765, B).police(gras)
           << Zone("Designation", 1860, 0, 4380, 225, "Designation2");
    pied << valeur("SumDoubles", 13410, 780, B).police(gras) << valeur("SumTotal", 14190, 780, B).police(gras);

    auto somme = [](const QString& nom, int gauche, int haut) {
        return Etiquette(nom, gauche, haut, 1110, 270).droite();
    };
    const PoliceEtat grasSouligne = Arial(8.25, Gras | Souligne);
    QList<ControleEtat> synthese {
        Etiquette("Label28", 5175, 345, 975, 270, "Synthèse").police(grasSouligne),
        Etiquette("Label29", 6285, 315, 1170, 285, "Collection").police(gras).centre(),
        Etiquette("Label35", 7590, 315, 1170, 285, "Doubles").police(gras).centre(),
        Etiquette("Label31", 8865, 315, 1170, 285, "Total").police(gras).centre(),
        somme("SumTotalColl", 6360, 2445).police(gras),
        somme("SumTotalDoubles", 7665, 2445).police(gras),
        Etiquette("Label44", 5220, 2445, 1065, 285, "Total").police(gras),
        somme("SumTotalGene", 8940, 2445).police(grasSouligne),
    };
    // A row per condition: its label, then its sums over the collection, over the duplicates and over
    // both, at this layout's own places.
    struct RangeeSynthese {
        const char* etiquette;
        int gaucheEtiquette, hautEtiquette, hauteurEtiquette;
        int gaucheCollection, hautCollection, gaucheDoubles, hautDoubles, gaucheTotal, hautTotal;
    };
    const RangeeSynthese rangees[] = {
        {"Label39", 5190, 660, 270, 6315, 660, 7620, 645, 8895, 645},
        {"Label40", 5190, 990, 285, 6330, 990, 7635, 990, 8910, 990},
        {"Label41", 5190, 1335, 285, 6330, 1335, 7635, 1335, 8910, 1335},
        {"Label42", 5190, 1680, 285, 6345, 1680, 7650, 1665, 8925, 1665},
        {"Label43", 5205, 2010, 285, 6345, 2010, 7650, 2010, 8925, 2010},
    };
    static_assert(std::size(rangees) == NombreConditions);
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        const RangeeSynthese& r = rangees[i];
        const QString& s = Conditions[i].suffixe;
        synthese << Etiquette(QString::fromLatin1(r.etiquette), r.gaucheEtiquette, r.hautEtiquette, 1065,
                        r.hauteurEtiquette, Conditions[i].libelleSynthese)
                 << somme(QStringLiteral("SumTotal") + s, r.gaucheCollection, r.hautCollection)
                 << somme(QStringLiteral("SumTotalD") + s, r.gaucheDoubles, r.hautDoubles)
                 << somme(QStringLiteral("SumTotal%1D%1").arg(s), r.gaucheTotal, r.hautTotal).police(gras);
    }
    // The frame and its rules are drawn over the block.
    synthese << Ligne("Line3", 5100, 585, 5115, 0) << Forme("Shape2", 5085, 255, 5130, 2490)
             << Ligne("Line4", 6270, 255, 0, 2475) << Ligne("Line5", 8835, 270, 0, 2475);

    e.sections = {
        enTeteEtat(1440, {"Inventaire financier de la collection", 1350, 10875, 1365, 10890}, Famille::Inventaire,
            {Etiquette("LabelCritere", 1125, 1170, 11160, 225),
                Etiquette("Label3", 12825, 1170, 2145, 240, "Valeurs en Euros").police(gras)}),
        Section(SectionEtat::EnTetePage, "SectionEntetePAge", 450, entete),
        Section(SectionEtat::EnTeteGroupe, "Section1", 285,
            {Zone("Rubrique", 0, 60, 3420, 225).police(PoliceEtat {QStringLiteral("Arial"), 9, Gras | Souligne})}),
        Section(SectionEtat::Detail, "SectionDetail", 225, detail),
        Section(SectionEtat::PiedGroupe, "Section2", 225, pied),
        piedPage(900, Famille::Inventaire),
        Section(SectionEtat::PiedEtat, "Section5", 2865, synthese, true),
    };
    return e;
}
