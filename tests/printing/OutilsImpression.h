#pragma once
// Reading back what a report printed.

#include <QString>

// The text of a PDF (one page when `page` > 0), as pdftotext reads it.
QString TextePdf(const QString& fichier, int page = 0);
// The number of pages of a PDF.
int NombrePagesPdf(const QString& fichier);
