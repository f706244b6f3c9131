#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

// A document whose pages are painted one at a time, as a preview shows them.
struct DocumentPages {
    QString titre;
    QPageLayout page;  // the paper and orientation the pages were laid out for
    int nombrePages = 0;
    // Paints page `page` (0-based) with the origin at the paper's top-left corner; the painter's device
    // gives the scale through its logical resolution.
    std::function<void(QPainter&, int)> peindrePage;
    // The whole document on the printer the user chose; it reports its own failure.
    std::function<void(QPrinter*)> imprimer;
};

class Impression {
public:
    virtual ~Impression();
    // The print dialog; false when the user cancels.
    virtual bool choisirImprimante(QPrinter& imprimante, const QString& titre) = 0;
    // A modal, maximised preview that paints only the page it shows; printing from it goes through
    // `imprimer`.
    virtual void apercuPages(const DocumentPages& document) = 0;
    // The machine's default printer, ready to print `titre` with no dialog; false when there is none.
    virtual bool imprimanteParDefaut(QPrinter& imprimante, const QString& titre);
};

class ImpressionQt : public Impression {
public:
    bool choisirImprimante(QPrinter& imprimante, const QString& titre) override;
    void apercuPages(const DocumentPages& document) override;
};

bool ChoisirImprimante(QPrinter& imprimante, const QString& titre);
void AfficherApercuPages(const DocumentPages& document);
bool PreparerImprimanteParDefaut(QPrinter& imprimante, const QString& titre);
