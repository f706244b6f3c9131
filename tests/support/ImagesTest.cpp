#include "support/ImagesTest.h"

#include <QBuffer>
#include <QImage>

QByteArray OctetsPng(const QColor& couleur, int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}
