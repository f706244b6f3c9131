#include "printing/ImpressionRecherche.h"

#include "data/Conditions.h"
#include "printing/Dispositions.h"

QList<std::pair<QString, QString>> LiensRecherche()
{
    return {{QStringLiteral("LinkFrance"), QStringLiteral("France")},
        {QStringLiteral("LinkCotations"), QStringLiteral("Cotations2001")}};
}

ImpressionListe ImpressionRecherche(const Instruction& texteSQL, const QString& texteCritere, bool michel, bool avecCotes)
{
    ImpressionListe i;
    i.etat = avecCotes ? ImpRecherche2() : ImpRecherche1();
    if (ControleEtat* critere = ControleParNom(i.etat, QStringLiteral("SectionEnteteEtat"), QStringLiteral("LabelCritere")))
        critere->legende = texteCritere;
    i.instruction = texteSQL;
    i.liens = LiensRecherche();
    i.liaisons = {{"Dallay", "Dallay", {}}, {"Annee", "AnneeEmission", {}}, {"Designation", "DesignationCourt", {}},
        {"ID2", michel ? "ID2" : "IDPerso", {}}};
    if (avecCotes) {
        for (const Condition& c : Conditions)
            i.liaisons.append({c.zoneEtat, c.aliasCote(), {}});
    }
    i.enteteID2 = michel ? QStringLiteral("Michel") : QStringLiteral("IDPerso");
    return i;
}
