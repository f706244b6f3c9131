#include "lists/OFormDoubles.h"

#include "data/Source.h"
#include "lists/dlgDoublesEcran.h"
#include "lists/dlgExpDoubles.h"
#include "platform/Dialogues.h"

OFormDoubles::OFormDoubles(QWidget* parent)
    : EcranListe(5, QStringLiteral("OFormDoubles"), QStringLiteral("ListeDoubles"), false, parent)
{
}

void OFormDoubles::Form_Load()
{
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
    EcranListe::Form_Load();
}

ListeConstruite OFormDoubles::construire(const OptionsListe& options) const
{
    return ConstruireDoubles(options);
}

ListeConstruite OFormDoubles::construireMotCle(const OptionsListe& options) const
{
    return ConstruireDoublesMotCle(options);
}

bool OFormDoubles::montrerExport()
{
    dlgExpDoubles dialogue(ListeResultat(), this);
    MontrerModal(dialogue);
    return dialogue.listeEcranDemandee();
}

void OFormDoubles::montrerListeEcran()
{
    dlgDoublesEcran dialogue(ListeResultat(), this);
    MontrerModal(dialogue);
}
