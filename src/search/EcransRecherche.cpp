#include "search/EcransRecherche.h"

#include "platform/Dialogues.h"
#include "printing/dlgImpRecherche.h"
#include "search/OFormLexique.h"
#include "search/OFormRecherche.h"
#include "search/OFormTarifs.h"
#include "search/OFormThematique.h"

void EnregistrerEcransRecherche()
{
    EnregistrerEcran(2, [] { return new OFormRecherche; });
    EnregistrerEcran(6, [] { return new OFormTarifs; });
    EnregistrerEcran(7, [] { return new OFormThematique; });
    EnregistrerEcran(8, [] { return new OFormLexique; });
    ImprimerRecherche = [](OFormRecherche& ecran) {
        const Recordset& numeros = ecran.rstRechercheTN();
        dlgImpRecherche dialogue(ecran.TexteSQL(), ecran.TexteCritère(), [&numeros] {
            QStringList copie;
            const int colonne = numeros.estOuvert() && numeros.AColonne(QStringLiteral("Dallay")) ? numeros.Colonne(QStringLiteral("Dallay")) : -1;
            for (int ligne = 0; colonne >= 0 && ligne < numeros.RecordCount(); ++ligne)
                copie << numeros.ChampLigne(ligne, colonne).toString();
            return copie;
        }, &ecran);
        MontrerModal(dialogue);
    };
}
