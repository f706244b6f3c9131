#pragma once
// Sheets of thumbnails sent straight to the default printer: a hundred to a page, ten by ten, each with
// its number over its top-left corner, and nothing else on the page. Lengths are in twips.

#include <QImage>
#include <QSizeF>
#include <QStringList>

#include <functional>

class QPrinter;

inline constexpr int OrigineGrilleImagettes = 1000;  // from the printable area's top and left edges
inline constexpr int LargeurCelluleImagette = 1000;
inline constexpr int HauteurCelluleImagette = 1500;
inline constexpr int ImagettesParPage = 100;
inline constexpr double LimiteNaturelleMm = 10.0;   // each way: no larger is printed unscaled
inline constexpr int CoteCadreImagette = 1000;       // the square a larger thumbnail is fitted into

// Where the j-th number (1-based) goes: its page (0-based) and its cell's corner in the grid.
struct PlaceImagette {
    int page = 0;
    int x = 0;
    int y = 0;
};
PlaceImagette PlacerImagette(int j);

// The printed size of a thumbnail of natural size w × h mm: natural up to 10 mm both ways, else fitted
// into the 1000-twip square with its proportions.
struct TailleImagette {
    double largeur = 0;
    double hauteur = 0;
    bool naturelle = true;
};
TailleImagette AjusterImagette(double largeurMm, double hauteurMm);

// A picture's natural size in millimetres, from its resolution.
QSizeF TailleNaturelleMm(const QImage& image);

// Paints the sheets of `numeros` on an open printer; `imagette` gives a number's thumbnail, null when it
// has none (the cell then shows the number alone). False when the printer refused the document.
bool PeindreImagettes(QPrinter& imprimante, const QStringList& numeros,
    const std::function<QImage(const QString&)>& imagette);

// The whole operation on the default printer: no printer says so and prints nothing; else the colour
// question, then the sheets, the thumbnails read from the disc one number at a time.
void ImprimerImagettes(const QStringList& numeros);
