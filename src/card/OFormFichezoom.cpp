#include "card/OFormFichezoom.h"

OFormFichezoom::OFormFichezoom(const QString& dallay, QWidget* parent)
    : FenetreImageFiche(QStringLiteral("OFormFichezoom"), QStringLiteral("Zoom"), QStringLiteral("Image"), 8535, 6495,
          Qt::black, dallay, parent)
{
}
