#include "lists/OFormSaisieRapide.h"

#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QLabel>

OFormSaisieRapide::OFormSaisieRapide(QWidget* parent)
    : EcranPrincipal(3, QStringLiteral("OFormSaisieRapide"), 11895, 7755, parent)
{
    QWidget* p = page();
    auto* liste = CreerControle<VueListe>(p, QStringLiteral("ListeRapide"), 240, 1080, 8400, 5400);
    liste->ajouterColonne(QStringLiteral("Dallay"), 900);
    liste->ajouterColonne(QStringLiteral("Désignation"), 4200);
    CreerControle<BoiteImage>(p, QStringLiteral("Picture1"), 8880, 1080, 2760, 3240);
    CreerControle<QLabel>(p, QStringLiteral("TexteNb"), 240, 6600, 3000, 255);
}

void OFormSaisieRapide::Form_Load()
{
    OuvrirBasePerso();
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
}
