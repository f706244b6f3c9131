#include "card/OFormFicheIllustration2.h"

OFormFicheIllustration2::OFormFicheIllustration2(const QString& dallay, QWidget* parent)
    : FenetreImageFiche(QStringLiteral("OFormFicheIllustration2"), QStringLiteral("Seconde illustration"),
          QStringLiteral("Imagevrt2"), 9855, 7275, Qt::white, dallay, parent)
{
}
