#pragma once
// The card's picture window for the stamp's main illustration.

#include "card/FenetreImageFiche.h"

class OFormFicheIllustration1 : public FenetreImageFiche {
    Q_OBJECT
public:
    // `dallay`: the number of the stamp on the card.
    explicit OFormFicheIllustration1(const QString& dallay, QWidget* parent = nullptr);
};
