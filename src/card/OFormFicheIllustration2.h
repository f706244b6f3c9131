#pragma once
// The card's picture window for the stamp's second illustration.

#include "card/FenetreImageFiche.h"

class OFormFicheIllustration2 : public FenetreImageFiche {
    Q_OBJECT
public:
    // `dallay`: the number of the stamp on the card.
    explicit OFormFicheIllustration2(const QString& dallay, QWidget* parent = nullptr);
};
