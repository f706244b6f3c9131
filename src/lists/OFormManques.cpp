#include "lists/OFormManques.h"

#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QLabel>

OFormManques::OFormManques(QWidget* parent) : EcranPrincipal(4, QStringLiteral("OFormManques"), 11895, 7755, parent)
{
    QWidget* p = page();
    auto* liste = CreerControle<VueListe>(p, QStringLiteral("ListeManques"), 240, 1080, 8400, 5400);
    liste->ajouterColonne(QStringLiteral("Dallay"), 900);
    liste->ajouterColonne(QStringLiteral("Désignation"), 4200);
    CreerControle<QLabel>(p, QStringLiteral("NBTimbres"), 240, 6600, 1500, 255);
}

void OFormManques::Form_Load()
{
    OuvrirBaseCatalogue();
}
