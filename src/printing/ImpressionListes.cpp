#include "printing/ImpressionListes.h"

#include "data/Conditions.h"
#include "printing/Dispositions.h"

namespace {

QList<std::pair<QString, QString>> liens(GenreListe genre)
{
    // A keyword build's statement reads the varieties: its own links, not only the main list's.
    QList<std::pair<QString, QString>> l;
    for (const LienCatalogue& lien : LiensListe(genre == GenreListe::Aucune ? GenreListe::Manques : genre))
        l.append({lien.nom, lien.table});
    return l;
}

QList<LiaisonZone> liaisonsCommunes(bool michel)
{
    return {{"Dallay", "Dallay", {}}, {"Annee", "AnneeEmission", {}}, {"Designation", "DesignationCourt", {}},
        {"ID2", michel ? "ID2" : "IDPerso", {}}};
}

// Each condition's box reads the column `colonne` gives for it.
void lierEtats(QList<LiaisonZone>& liaisons, QString (*colonne)(const Condition&), const QString& format)
{
    for (const Condition& c : Conditions)
        liaisons.append({c.zoneEtat, colonne(c), format});
}

QString cote(const Condition& c)
{
    return c.aliasCote();
}

}  // namespace

ImpressionListe ImpressionManques(const Instruction& texteSQL, GenreListe genre, bool michel, bool avecCotes)
{
    ImpressionListe i;
    i.etat = ImpManques1();
    i.instruction = texteSQL;
    i.liens = liens(genre);
    i.liaisons = liaisonsCommunes(michel);
    i.enteteID2 = michel ? QStringLiteral("Michel") : QStringLiteral("IDPerso");
    if (avecCotes)
        lierEtats(i.liaisons, cote, QStringLiteral("0.0"));
    else
        lierEtats(i.liaisons, [](const Condition& c) { return c.colonneManques; }, {});
    return i;
}

ImpressionListe ImpressionDoubles(
    const Instruction& texteSQL, const Instruction& texteSQL2, GenreListe genre, bool michel, AffichageDoubles affichage)
{
    ImpressionListe i;
    i.etat = ImpDoubles1();
    i.instruction = affichage == AffichageDoubles::SansQuantites ? texteSQL2 : texteSQL;
    i.liens = liens(genre == GenreListe::Aucune ? GenreListe::Doubles : genre);
    i.liaisons = liaisonsCommunes(michel);
    i.enteteID2 = michel ? QStringLiteral("Michel") : QStringLiteral("IDPerso");
    if (affichage == AffichageDoubles::AvecCotes)
        lierEtats(i.liaisons, cote, QStringLiteral("0.0"));
    else
        lierEtats(i.liaisons, [](const Condition& c) { return QStringLiteral("QteDouble") + c.suffixe; },
            QStringLiteral("0"));
    return i;
}
