#pragma once
// A small banded report engine of our own: a layout is plain data (sections of labels, text boxes, lines,
// shapes and images placed in twips), a data source gives it its rows, the pages are laid out once and
// each page is painted when it is asked for.
//
// Declaring a layout:
//
//     Etat etat;
//     etat.nom = QStringLiteral("ImpExemple");
//     etat.legende = QStringLiteral("Exemple");          // the preview window's caption
//     etat.largeur = 10110;                                // twips
//     etat.marges = {800, 800, 800, 900};                  // left, right, top, bottom
//     etat.sections = {
//         Section(SectionEtat::EnTeteEtat, "SectionEnteteEtat", 600, {
//             Etiquette("LabelCollection", 1995, 60, 5130, 300).police(Arial(14.25, Gras)).centre(),
//         }),
//         Section(SectionEtat::EnTetePage, "SectionEntetePAge", 300, {
//             Etiquette("Label2", 45, 40, 1125, 225, "Dallay").police(Arial(8.25, Gras)),
//             Ligne("Line2", 60, 280, 9990, 0).couleur(0, 64, 64),
//         }),
//         Section(SectionEtat::Detail, "SectionDetail", 270, {
//             Zone("Dallay", 60, 30, 1185, 225),           // bound later: .champ = "Dallay"
//             Zone("Neuf", 6840, 45, 630, 225).droite(),
//         }),
//         Section(SectionEtat::PiedPage, "Section3", 300, {
//             Etiquette("Label11", 7950, 30, 2085, 240, "Page %p sur %P").droite(),
//         }),
//     };
//
// Then bind it (ControleParNom(etat, "SectionDetail", "Neuf")->champ = ...), give it a DonneesEtat and
// paginate it (Paginer) or show it (see AffichageEtat.h). A group header or footer makes the rows parent
// rows: the detail is printed once per child row of the member named by its text boxes.

#include "printing/DonneesEtat.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

class QPainter;
class QPrinter;

// Style bits of a report font.
enum StylePolice { Normal = 0, Gras = 1, Italique = 2, Souligne = 4 };

struct PoliceEtat {
    QString nom = QStringLiteral("Arial");
    double points = 8.25;
    int style = Normal;

    // The face drawn: the metric twin or the nearest face of the fonts we ship, sized in twips.
    QFont qfont() const;
};

PoliceEtat Arial(double points, int style = Normal);

struct ControleEtat {
    enum Type { Etiquette, Zone, Ligne, Forme, Image };

    Type type = Etiquette;
    QString nom;
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    QString legende;                 // label: its caption, with the field codes %p, %P and %D
    QString champ;                   // text box: the column printed
    QString membre;                  // text box: the child rows it reads, empty for the parent rows
    QString format;                  // text box: a number format, see FormaterValeur
    std::optional<PoliceEtat> pol;   // the report's font when unset
    QColor encre = Qt::black;        // text, line and outline colour
    QColor fond;                     // opaque fill when valid
    Qt::Alignment alignement = Qt::AlignLeft;
    bool bordure = false;
    bool ovale = false;              // shape
    QImage image;                    // image, scaled into its box keeping its proportions
    bool reduire = false;            // a single line too long for its box is printed smaller, never cut

    ControleEtat& police(const PoliceEtat& p) { pol = p; return *this; }
    ControleEtat& couleur(int r, int g, int b) { encre = QColor(r, g, b); return *this; }
    ControleEtat& remplir(int r, int g, int b) { fond = QColor(r, g, b); return *this; }
    ControleEtat& centre() { alignement = Qt::AlignHCenter; return *this; }
    ControleEtat& droite() { alignement = Qt::AlignRight; return *this; }
    ControleEtat& encadre() { bordure = true; return *this; }
    ControleEtat& reduireSiTropLong() { reduire = true; return *this; }
    ControleEtat& lier(const QString& c, const QString& f = {}) { champ = c; format = f; return *this; }
    ControleEtat& de(const QString& m) { membre = m; return *this; }
};

ControleEtat Etiquette(const QString& nom, int gauche, int haut, int largeur, int hauteur, const QString& legende = {});
ControleEtat Zone(const QString& nom, int gauche, int haut, int largeur, int hauteur, const QString& champ = {});
ControleEtat Ligne(const QString& nom, int gauche, int haut, int largeur, int hauteur);
ControleEtat Forme(const QString& nom, int gauche, int haut, int largeur, int hauteur, bool ovale = false);
ControleEtat ImageEtat(const QString& nom, int gauche, int haut, int largeur, int hauteur, const QImage& image);

struct SectionEtat {
    enum Type { EnTeteEtat, EnTetePage, EnTeteGroupe, Detail, PiedGroupe, PiedPage, PiedEtat };

    Type type = Detail;
    QString nom;
    int hauteur = 0;
    bool garderEnsemble = false;
    QList<ControleEtat> controles;  // also the drawing order
};

SectionEtat Section(SectionEtat::Type type, const QString& nom, int hauteur, QList<ControleEtat> controles = {},
    bool garderEnsemble = false);

struct MargesEtat {
    int gauche = 0, droite = 0, haut = 0, bas = 0;
};

struct Etat {
    QString nom;
    QString legende;
    int largeur = 0;
    MargesEtat marges;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    PoliceEtat police;
    QList<SectionEtat> sections;
    // The second sentence of the printing-error message; empty: the engine's own message.
    QString phraseErreurImpression;
};

// Sections and controls by name, ignoring case; nullptr when there is none.
SectionEtat* SectionParNom(Etat& etat, const QString& nom);
ControleEtat* ControleParNom(Etat& etat, const QString& section, const QString& controle);

// Where each band stands: its section, its top in twips from the printable area's top, and the row it
// prints (parent row, and child row for a detail under a group; -1 when none).
struct BandePlacee {
    int section = 0;
    int haut = 0;
    int ligne = -1;
    int enfant = -1;
};

struct MiseEnPage {
    int hauteurUtile = 0;  // twips between the top and bottom margins
    std::vector<std::vector<BandePlacee>> pages;
    int nombrePages() const { return int(pages.size()); }
};

// Lays the report out on pages whose printable height is `hauteurUtile` twips: the report header once at
// the top of the first page, the page header at the top of every page, the page footer at the bottom of
// every page, the report footer once at the end. A band never splits: one that would run into the page
// footer starts the next page.
MiseEnPage Paginer(const Etat& etat, const DonneesEtat& donnees, int hauteurUtile);

// The printable height of the paper the printer holds, in twips, with the report's margins.
int HauteurUtile(const Etat& etat, const QPageLayout& page);

// Paints one page (0-based) with the painter's origin at the paper's top-left corner, one unit a twip.
void PeindrePage(QPainter& peintre, const Etat& etat, const DonneesEtat& donnees, const MiseEnPage& mise, int page);

// Paints the whole report on the printer, laying it out first unless `mise` already fits its paper.
// False when the printer could not be opened or failed.
bool ImprimerEtat(QPrinter& imprimante, const Etat& etat, const DonneesEtat& donnees, MiseEnPage& mise);
