#include "subcards/OFormFicheVarietes.h"

namespace {

ParametresFicheSecondaire parametresVarietes()
{
    ParametresFicheSecondaire p;
    p.nom = QStringLiteral("OFormFicheVarietes");
    p.titre = QStringLiteral("Variétés");
    p.tableCatalogue = QStringLiteral("Varietes");
    p.tableImages = QStringLiteral("VarietesPCT");
    p.colonneImage = QStringLiteral("Imagevrt3");
    p.tableDetention = QStringLiteral("CollectionV");
    p.cotes = CotesCinqEtats(QStringLiteral("Cotations2001v"));
    p.suffixes = SuffixesEtats;
    p.largeur = 9300;
    p.hauteur = 4500;
    return p;
}

}  // namespace

OFormFicheVarietes::OFormFicheVarietes(const QString& dallay, QWidget* parent)
    : FicheSecondaire(parametresVarietes(), dallay, parent)
{
    ChargerVariete();
}
