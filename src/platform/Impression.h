#pragma once

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
};

class ImpressionQt : public Impression {
public:
    bool choisirImprimante(QPrinter& imprimante, const QString& titre) override;
    void apercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner) override;
};

bool ChoisirImprimante(QPrinter& imprimante, const QString& titre);
void AfficherApercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner);
