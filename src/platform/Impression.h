#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;

class Impression {
public:
    virtual ~Impression();
    // The print dialog; false when the user cancels.
    virtual bool choisirImprimante(QPrinter& imprimante, const QString& titre) = 0;
    // A modal preview window, shown maximised; dessiner paints every page.
    virtual void apercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner) = 0;
    // The same on paper of the given orientation. `dessiner` is called with the preview's own printer, and
    // again with the printer the user prints on from the preview, whose failure it reports itself.
    virtual void apercuOriente(const QString& titre, QPageLayout::Orientation orientation,
        const std::function<void(QPrinter*)>& dessiner);
};

class ImpressionQt : public Impression {
public:
    bool choisirImprimante(QPrinter& imprimante, const QString& titre) override;
    void apercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner) override;
    void apercuOriente(const QString& titre, QPageLayout::Orientation orientation,
        const std::function<void(QPrinter*)>& dessiner) override;
};

bool ChoisirImprimante(QPrinter& imprimante, const QString& titre);
void AfficherApercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner);
void AfficherApercuOriente(
    const QString& titre, QPageLayout::Orientation orientation, const std::function<void(QPrinter*)>& dessiner);
