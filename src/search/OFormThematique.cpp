#include "search/OFormThematique.h"

#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QLabel>

OFormThematique::OFormThematique(QWidget* parent)
    : EcranPrincipal(7, QStringLiteral("OFormThematique"), 11895, 7755, parent)
{
    QWidget* p = page();
    CreerControle<VueListe>(p, QStringLiteral("ListePersos"), 240, 1080, 4800, 3000);
    CreerControle<QLabel>(p, QStringLiteral("LabelThemeChoisi"), 5400, 720, 6000, 285);
    auto* timbres = CreerControle<VueListe>(p, QStringLiteral("ListeTimbres"), 5400, 1080, 6240, 5400);
    timbres->ajouterColonne(QStringLiteral("Dallay"), 900);
    timbres->ajouterColonne(QStringLiteral("Désignation"), 4200);
}

void OFormThematique::Form_Load()
{
    // Reads through the connections the earlier screens opened: nothing to open here.
}
