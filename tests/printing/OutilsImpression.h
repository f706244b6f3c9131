#pragma once
// Reading back what a report printed.

#include <QList>
#include <QString>

class Connexion;

// The text of a PDF (one page when `page` > 0), as pdftotext reads it; `disposition`: each printed line
// kept as one line, its columns in place.
QString TextePdf(const QString& fichier, int page = 0, bool disposition = false);
// With `disposition`, the printed line holding `contenu`, its runs of spaces made one.
QString LigneAvec(const QString& texte, const QString& contenu);
// A printed word and its box on the page, in points from the paper's top-left corner.
struct MotPdf {
    QString texte;
    double gauche = 0, haut = 0, droite = 0, bas = 0;
};
// The words of one page of a PDF (from 1), as pdftotext -bbox places them.
QList<MotPdf> MotsPdf(const QString& fichier, int page = 1);

// The number of pages of a PDF.
int NombrePagesPdf(const QString& fichier);

// The catalogue the printed lists are tried on, section AA: 1 Cérès (Michel M1; quotations in N, NC and
// O), 2 Napoléon (M2; N only, above a thousand), 3 Présidence (no Michel number, no quotation row).
void CatalogueTroisTimbres(const Connexion& cnx);
