#include "printing/EnregistrementImpressions.h"

#include "collections/OFormCollections.h"
#include "lists/EcranListe.h"
#include "platform/Dialogues.h"
#include "shell/EcranPrincipal.h"
#include "printing/dlgImpDoubles.h"
#include "printing/dlgImpListeTimbres.h"
#include "printing/dlgImpManques.h"

void EnregistrerImpressions()
{
    DefinirImpressionListe(4, [](EcranListe& ecran) {
        dlgImpManques dialogue(ecran.TexteSQL(), ecran.genreListe(), &ecran);
        MontrerModal(dialogue);
    });
    DefinirImpressionListe(5, [](EcranListe& ecran) {
        dlgImpDoubles dialogue(ecran.TexteSQL(), ecran.TexteSQL2(), ecran.genreListe(), &ecran);
        MontrerModal(dialogue);
    });
    DefinirImpressionListeCollection([] {
        dlgImpListeTimbres dialogue(EcranSiCharge(0));
        MontrerModal(dialogue);
    });
}
