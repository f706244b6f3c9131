#pragma once

#include "lists/EcranListe.h"

// The duplicates list ("dispoliste"): the stamps, or by keyword the varieties, of which the open
// collection holds duplicates, with their number in each condition.
class OFormDoubles : public EcranListe {
    Q_OBJECT
public:
    explicit OFormDoubles(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
    ListeConstruite construire(const OptionsListe& options) const override;
    ListeConstruite construireMotCle(const OptionsListe& options) const override;
    bool montrerExport() override;
    void montrerListeEcran() override;
};
