#include "printing/ImpressionInventaire.h"

#include "data/Conditions.h"

void LierInventaire(Etat& etat, const QString& titre, const QString& legendeEtendue, bool michel,
    const TotauxInventaire& totaux)
{
    if (ControleEtat* c = ControleParNom(etat, QStringLiteral("SectionEnteteEtat"), QStringLiteral("LabelCollection")))
        c->legende = titre;
    if (ControleEtat* c = ControleParNom(etat, QStringLiteral("SectionEnteteEtat"), QStringLiteral("LabelCritere")))
        c->legende = legendeEtendue;
    if (ControleEtat* c = ControleParNom(etat, QStringLiteral("Section1"), QStringLiteral("Rubrique")))
        c->lier(QStringLiteral("NomRubrique"), c->format).de({});
    // Every text box of the detail reads the items.
    if (SectionEtat* detail = SectionParNom(etat, QStringLiteral("SectionDetail")))
        for (ControleEtat& c : detail->controles)
            if (c.type == ControleEtat::Zone)
                c.membre = QStringLiteral("Timbres");
    QList<std::pair<QString, QString>> champs {{QStringLiteral("Dallay"), QStringLiteral("Dallay")},
        {QStringLiteral("Designation"), QStringLiteral("Designation2")},
        {QStringLiteral("ID2"), michel ? QStringLiteral("ID2") : QStringLiteral("IDPerso")}};
    for (const Condition& e : Conditions)
        champs.append({e.zoneEtat, QStringLiteral("Total") + e.suffixe});
    champs.append({QStringLiteral("Coll"), QStringLiteral("TotalColl")});
    for (const Condition& e : Conditions)
        champs.append({QLatin1Char('D') + e.zoneEtat, QStringLiteral("TotalD") + e.suffixe});
    champs.append({QStringLiteral("Doubles"), QStringLiteral("TotalDble")});
    champs.append({QStringLiteral("Total"), QStringLiteral("TotalGene")});
    for (const auto& [zone, champ] : champs)
        if (ControleEtat* c = ControleParNom(etat, QStringLiteral("SectionDetail"), zone))
            c->champ = champ;
    if (ControleEtat* c = ControleParNom(etat, QStringLiteral("SectionEntetePage"), QStringLiteral("LabelID2")))
        c->legende = michel ? QStringLiteral("Michel") : QStringLiteral("IDPerso");
    // The group footer's boxes read the parents' sums of their own names.
    if (SectionEtat* pied = SectionParNom(etat, QStringLiteral("Section2")))
        for (ControleEtat& c : pied->controles)
            if (c.type == ControleEtat::Zone) {
                c.membre.clear();
                c.champ = c.nom;
            }
    for (const auto& [nom, texte] : LegendesSynthese(totaux))
        if (ControleEtat* c = ControleParNom(etat, QStringLiteral("Section5"), nom))
            c->legende = texte;
}
