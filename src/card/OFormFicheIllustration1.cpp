#include "card/OFormFicheIllustration1.h"

OFormFicheIllustration1::OFormFicheIllustration1(const QString& dallay, QWidget* parent)
    : FenetreImageFiche(QStringLiteral("OFormFicheIllustration1"), QStringLiteral("Illustration principale"),
          QStringLiteral("Imagevrt"), 9855, 7275, Qt::white, dallay, parent)
{
}
