#include "shell/Images.h"

#include <QPainter>

BoiteImage::BoiteImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_toile = QImage(QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    m_toile.fill(m_fond);
}

void BoiteImage::definirCouleurFond(const QColor& couleur)
{
    m_fond = couleur;
    if (!m_dessine)
        effacer();
}

void BoiteImage::effacer()
{
    m_toile = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    m_toile.fill(m_fond);
    m_dessine = false;
    update();
}

void BoiteImage::dessiner(const QImage& image, const QRectF& cible)
{
    if (m_toile.size() != size().expandedTo(QSize(1, 1)))
        effacer();
    QPainter p(&m_toile);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(cible, image);
    m_dessine = true;
    update();
}

void BoiteImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_fond);
    p.drawImage(QPoint(0, 0), m_toile);
}

void BoiteImage::resizeEvent(QResizeEvent*)
{
    // A box that changes size starts blank, as a cleared picture box would. The resize that Qt delivers
    // when a box drawn while hidden is first shown changes nothing, and must not rub out its picture.
    if (m_toile.size() != size().expandedTo(QSize(1, 1)))
        effacer();
}

QRectF RectangleAjuste(const QSizeF& source, const QSizeF& cible)
{
    if (source.width() <= 0 || source.height() <= 0 || cible.width() <= 0 || cible.height() <= 0)
        return {};
    const double r = source.width() / source.height();
    double w = cible.width();
    double h = cible.height();
    if (w / h > r)
        w = r * h;  // the box is relatively wider: full height
    else
        h = w / r;  // full width
    return QRectF((cible.width() - w) / 2.0, (cible.height() - h) / 2.0, w, h);
}

void AjusterImage(const QImage& source, BoiteImage* cible)
{
    if (!cible)
        return;
    cible->effacer();
    const QRectF r = RectangleAjuste(source.size(), cible->size());
    if (r.isEmpty())
        return;
    cible->dessiner(source, r);
}

QImage ImageDepuisOctets(const QByteArray& octets)
{
    QImage image;
    if (!octets.isEmpty())
        image.loadFromData(octets);
    return image;
}
