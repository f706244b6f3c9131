#pragma once
// The card's picture window for the stamp's own picture, enlarged.

#include "card/FenetreImageFiche.h"

class OFormFichezoom : public FenetreImageFiche {
    Q_OBJECT
public:
    // `dallay`: the number of the stamp on the card.
    explicit OFormFichezoom(const QString& dallay, QWidget* parent = nullptr);
};
