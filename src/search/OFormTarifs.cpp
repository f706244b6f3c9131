#include "search/OFormTarifs.h"

#include "data/Source.h"
#include "data/Valeurs.h"
#include "shell/Echelle.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

namespace {

// The headings are labels above the grid: a group heading over the columns it groups, a column
// heading over each column.
struct Titre {
    const char* nom;
    const char* texte;
    int gauche, haut, largeur, hauteur;
    bool gras;
    double points;
};

const Titre Titres[] = {
    {"Label1", "Tarifs simplifiés", 120, 480, 2055, 255, true, 9.75},
    {"Étiquette18", "cartes postales", 2220, 480, 2940, 270, true, 8.25},
    {"Étiquette19", "plis non urgents", 5220, 480, 1965, 270, true, 8.25},
    {"Étiquette20", "lettres", 7260, 480, 2865, 270, true, 8.25},
    {"Date_Étiquette", "Dates", 420, 825, 1425, 240, true, 8.25},
    {"CP5_Étiquette", "cartes post. 5 mots", 2280, 810, 855, 345, false, 6.75},
    {"CP_Étiquette", "cartes postales", 3360, 810, 795, 345, false, 6.75},
    {"CPE_Étiquette", "cartes post. pour l'étr.", 4320, 810, 870, 345, false, 6.75},
    {"PNU_Étiquette", "plis non urgents", 5220, 810, 825, 345, false, 6.75},
    {"PNU2_Étiquette", "p n u 2ème échelon", 6240, 810, 765, 345, false, 6.75},
    {"LS_Étiquette", "Lettres simples", 7140, 810, 885, 345, false, 6.75},
    {"L2_Étiquette", "lettres 2ème échelon", 8220, 810, 765, 345, false, 6.75},
    {"LE_Étiquette", "lettres pour l'étranger", 9240, 810, 795, 345, false, 6.75},
};

// Widths of the shown columns at design size: the dates, then the eight rates. The tenth column is
// never shown.
constexpr int LargeurDates = 1800;
constexpr int LargeurTarif = 1000;
constexpr int ColonnesMontrees = 9;
// The strip at the grid's left edge that marks the current row; the column headings were set out
// with it in place, so it keeps the columns under their labels.
constexpr int LargeurSelecteur = 360;

int pixels(double twips)
{
    return qRound(twips / TwipsParPixel);
}

}  // namespace

OFormTarifs::OFormTarifs(QWidget* parent) : EcranPrincipal(6, QStringLiteral("OFormTarifs"), 11895, 7755, parent)
{
    QWidget* p = page();
    for (const Titre& t : Titres) {
        auto* e = CreerControle<QLabel>(p, QString::fromUtf8(t.nom), t.gauche, t.haut, t.largeur, t.hauteur);
        e->setText(QString::fromUtf8(t.texte));
        e->setWordWrap(true);
        e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QFont f = e->font();
        f.setBold(t.gras);
        f.setPointSizeF(t.points);
        e->setFont(f);
    }
    m_grille = CreerControle<QTableWidget>(p, QStringLiteral("DataGrid1"), 120, 1260, 11655, 6315);
    m_grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grille->setSelectionMode(QAbstractItemView::SingleSelection);
    // The labels above the grid are its column titles.
    m_grille->horizontalHeader()->hide();
    m_grille->horizontalHeader()->setStretchLastSection(false);
    m_grille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grille->verticalHeader()->setDefaultSectionSize(pixels(240));
}

void OFormTarifs::Form_Load()
{
    // Reads through the catalogue connection the earlier screens opened: nothing to open here.
    try {
        rstTarifs = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * from TarifsTP order by ordre"));
    } catch (const ErreurBase&) {
        // No catalogue or no table: the grid stays empty under its headings.
    }
    remplirGrille();
    dimensionnerColonnes();
}

void OFormTarifs::remplirGrille()
{
    m_grille->clear();
    m_grille->setColumnCount(rstTarifs.NombreColonnes());
    m_grille->setRowCount(rstTarifs.RecordCount());
    const int colonnes = rstTarifs.NombreColonnes();
    int ligne = 0;
    for (rstTarifs.MoveFirst(); !rstTarifs.Eof(); rstTarifs.MoveNext(), ++ligne) {
        m_grille->setVerticalHeaderItem(ligne, new QTableWidgetItem(QString()));
        for (int c = 0; c < colonnes; ++c)
            m_grille->setItem(ligne, c, new QTableWidgetItem(Texte(rstTarifs.Champ(c))));
    }
    rstTarifs.MoveFirst();
}

void OFormTarifs::dimensionnerColonnes()
{
    // The only widths of a list that follow the screen's factor, so that the columns stay under their
    // scaled headings.
    const double f = FacteurEchelle;
    m_grille->verticalHeader()->setFixedWidth(pixels(LargeurSelecteur * f));
    const int colonnes = m_grille->columnCount();
    for (int c = 0; c < std::min(colonnes, ColonnesMontrees); ++c)
        m_grille->setColumnWidth(c, pixels((c == 0 ? LargeurDates : LargeurTarif) * f));
    if (colonnes > ColonnesMontrees)
        m_grille->setColumnHidden(ColonnesMontrees, true);
}
