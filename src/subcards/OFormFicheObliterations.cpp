#include "subcards/OFormFicheObliterations.h"

#include "data/Conditions.h"

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
    p.cotes = CotesDesConditions(ConditionsObliteration(), QStringLiteral("Cotations2001o"));
    p.suffixes = SuffixesDe(ConditionsObliteration());
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
