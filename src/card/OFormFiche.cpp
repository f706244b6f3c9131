#include "card/OFormFiche.h"

#include "data/Source.h"

int ModifFiche = 0;

OFormFiche::OFormFiche(QWidget* parent) : EcranPrincipal(1, QStringLiteral("OFormFiche"), 11900, 7750, parent)
{
}

void OFormFiche::Form_Load()
{
    OuvrirBaseCatalogue();
    // The first stamp's display opens the disc.
    OuvrirBaseCD();
}

void OFormFiche::MaJCollection()
{
    // The holdings grid comes with the card's own screen; until then there is nothing to write.
    ModifFiche = 0;
}

void OFormFiche::AvantChangementEcran()
{
    EnregistrerSiModifie();
}

void OFormFiche::Form_Unload()
{
    EnregistrerSiModifie();
}

void EnregistrerSiModifie()
{
    if (ModifFiche == 1) {
        if (auto* fiche = qobject_cast<OFormFiche*>(ChargerEcran(1)))
            fiche->MaJCollection();
    }
    ModifFiche = 0;
}

void EnregistrerEcransFiche()
{
    EnregistrerEcran(1, [] { return new OFormFiche; });
}
