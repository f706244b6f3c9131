#include "printing/ImpressionRecherche.h"

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
        const QStringList zones {"Neuf", "NC", "NSG", "Oblitere", "Lettre"};
        const QStringList colonnes {"CoteN", "CoteNC", "CoteNSG", "CoteO", "CoteL"};
        for (int k = 0; k < zones.size(); ++k)
            i.liaisons.append({zones.at(k), colonnes.at(k), {}});
    }
    i.enteteID2 = michel ? QStringLiteral("Michel") : QStringLiteral("IDPerso");
    return i;
}
