#pragma once
// The card of a catalogued cancellation of the stamp on the stamp card: used (O) and on cover (L), with
// the open collection's holdings of it.

#include "subcards/FicheSecondaire.h"

class OFormFicheObliterations : public FicheSecondaire {
    Q_OBJECT
public:
    // Loads the cancellation chosen in the stamp card's ListeObliterations.
    explicit OFormFicheObliterations(const QString& dallay, QWidget* parent = nullptr);

    quint8 ModifO() const { return modifie(); }
    void AfficherObliteration() { charger(); }
};
