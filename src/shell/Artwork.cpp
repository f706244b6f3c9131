#include "shell/Artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

// A stamp outline with perforations: a white rectangle whose edges are bitten by semicircles.
void dessinerTimbre(QPainter& p, const QRectF& r, const QColor& encre)
{
    const double dent = r.width() / 18.0;
    QPainterPath papier;
    papier.addRect(r);
    QPainterPath morsures;
    for (double x = r.left() + dent; x < r.right(); x += dent * 1.6) {
        morsures.addEllipse(QPointF(x, r.top()), dent / 2, dent / 2);
        morsures.addEllipse(QPointF(x, r.bottom()), dent / 2, dent / 2);
    }
    for (double y = r.top() + dent; y < r.bottom(); y += dent * 1.6) {
        morsures.addEllipse(QPointF(r.left(), y), dent / 2, dent / 2);
        morsures.addEllipse(QPointF(r.right(), y), dent / 2, dent / 2);
    }
    p.fillPath(papier.subtracted(morsures), QColor(250, 246, 235));
    p.setPen(QPen(encre, r.width() / 60.0));
    p.drawRect(r.adjusted(dent * 1.2, dent * 1.2, -dent * 1.2, -dent * 1.2));
}

}  // namespace

QImage ImageIntro()
{
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bleu(30, 60, 140), rouge(170, 30, 40);
    p.save();
    p.translate(250, 215);
    p.rotate(-8);
    dessinerTimbre(p, QRectF(-150, -170, 300, 340), bleu);
    p.restore();
    p.save();
    p.translate(250, 215);
    p.rotate(-8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 228, 245));
    p.drawEllipse(QPointF(0, -20), 95, 110);
    QFont titre(QStringLiteral("Liberation Serif"));
    titre.setPixelSize(54);
    titre.setBold(true);
    p.setFont(titre);
    p.setPen(bleu);
    p.drawText(QRectF(-140, -90, 280, 70), Qt::AlignCenter, QStringLiteral("Orvalen"));
    QFont sous(QStringLiteral("DejaVu Sans"));
    sous.setPixelSize(18);
    p.setFont(sous);
    p.setPen(rouge);
    p.drawText(QRectF(-140, -20, 280, 40), Qt::AlignCenter, QStringLiteral("Les timbres de France"));
    p.setPen(bleu);
    p.drawText(QRectF(-140, 100, 280, 30), Qt::AlignCenter, QStringLiteral("Edition 2002-2003"));
    p.restore();
    QFont bas(QStringLiteral("DejaVu Sans"));
    bas.setPixelSize(16);
    p.setFont(bas);
    p.setPen(QColor(200, 200, 200));
    p.drawText(QRectF(0, 440, 500, 40), Qt::AlignCenter, QStringLiteral("Orvalen Zorizad ud Udavoz"));
    return image;
}

QImage IconeProduit(int cote)
{
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    dessinerTimbre(p, QRectF(cote * 0.1, cote * 0.05, cote * 0.8, cote * 0.9), QColor(30, 60, 140));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(std::max(8, cote / 2));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(170, 30, 40));
    p.drawText(QRectF(0, 0, cote, cote), Qt::AlignCenter, QStringLiteral("O"));
    return image;
}

QImage IconeBouton(const QString& symbole, const QColor& couleur, int cote)
{
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawRoundedRect(QRectF(2, 2, cote - 4, cote - 4), cote / 6.0, cote / 6.0);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(8, int(cote * 0.5)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, cote, cote), Qt::AlignCenter, symbole);
    return image;
}

QImage CouvertureProduit(const QString& titre, const QColor& couleur, int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    dessinerTimbre(p, QRectF(largeur * 0.2, hauteur * 0.35, largeur * 0.6, hauteur * 0.45), couleur.darker(150));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(std::max(8, largeur / 7));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 4, largeur - 8, hauteur * 0.3), Qt::AlignCenter | Qt::TextWordWrap, titre);
    return image;
}
