#pragma once
// The card of a catalogued variety of the stamp on the stamp card, with the open collection's holdings
// of it in five conditions.

#include "subcards/FicheSecondaire.h"

class OFormFicheVarietes : public FicheSecondaire {
    Q_OBJECT
public:
    // Loads the variety chosen in the stamp card's ListeVarietes.
    explicit OFormFicheVarietes(const QString& dallay, QWidget* parent = nullptr);

    quint8 ModifV() const { return modifie(); }
    void ChargerVariete() { charger(); }
};
