#include "subcards/OFormFicheObliterations.h"

namespace {

ParametresFicheSecondaire parametresObliterations()
{
    ParametresFicheSecondaire p;
    p.nom = QStringLiteral("OFormFicheObliterations");
    p.titre = QStringLiteral("Oblitérations");
    p.tableCatalogue = QStringLiteral("Obliterations");
    p.tableImages = QStringLiteral("ObliterationsPCT");
    p.colonneImage = QStringLiteral("Imagevrt4");
    p.tableDetention = QStringLiteral("CollectionO");
    p.cotes.tableCatalogue = QStringLiteral("Cotations2001o");
    p.cotes.colonnes = {QStringLiteral("Oblitere"), QStringLiteral("Lettre")};
    p.cotes.colonnesP = {QStringLiteral("OblitereP"), QStringLiteral("LettreP")};
    p.cotes.noms = {QStringLiteral("Oblitere"), QStringLiteral("Lettre")};
    p.suffixes = {QStringLiteral("O"), QStringLiteral("L")};
    p.nomsTitresColonnes = {QStringLiteral("Étiquette62"), QStringLiteral("Étiquette40"), QStringLiteral("Étiquette242"),
        QString(), QStringLiteral("Étiquette58")};
    p.nomLibelleCommentaire = QStringLiteral("Étiquette75");
    p.largeur = 9300;
    p.hauteur = 3900;
    return p;
}

}  // namespace

OFormFicheObliterations::OFormFicheObliterations(const QString& dallay, QWidget* parent)
    : FicheSecondaire(parametresObliterations(), dallay, parent)
{
    AfficherObliteration();
}
