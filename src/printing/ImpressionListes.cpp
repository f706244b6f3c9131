#include "printing/ImpressionListes.h"

#include "printing/Dispositions.h"

namespace {

const QStringList ZonesEtats {"Neuf", "NC", "NSG", "Oblitere", "Lettre"};

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

void lierEtats(QList<LiaisonZone>& liaisons, const QStringList& colonnes, const QString& format)
{
    for (int i = 0; i < ZonesEtats.size(); ++i)
        liaisons.append({ZonesEtats.at(i), colonnes.at(i), format});
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
        lierEtats(i.liaisons, {"CoteN", "CoteNC", "CoteNSG", "CoteO", "CoteL"}, QStringLiteral("0.0"));
    else
        lierEtats(i.liaisons, {"Neuf", "NC", "NSG", "Oblitéré", "Lettre"}, {});
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
        lierEtats(i.liaisons, {"CoteN", "CoteNC", "CoteNSG", "CoteO", "CoteL"}, QStringLiteral("0.0"));
    else
        lierEtats(i.liaisons, {"QteDoubleN", "QteDoubleNC", "QteDoubleNSG", "QteDoubleO", "QteDoubleL"},
            QStringLiteral("0"));
    return i;
}
