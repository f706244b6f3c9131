#include "shell/Images.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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

namespace {

// Qt's allocation limit is process-wide; it is raised only while one picture whose header passed the
// bound is decoded, for the formats that decode whole before scaling (BMP, GIF).
class LimiteAllocation {
public:
    explicit LimiteAllocation(int megaoctets) : m_avant(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(megaoctets);
    }
    ~LimiteAllocation() { QImageReader::setAllocationLimit(m_avant); }
    LimiteAllocation(const LimiteAllocation&) = delete;
    LimiteAllocation& operator=(const LimiteAllocation&) = delete;

private:
    int m_avant;
};

QImage decoder(QIODevice* source, const QSize& cadre)
{
    QImageReader lecteur(source);
    const QSize naturelle = lecteur.size();
    if (!naturelle.isValid()) {
        // A format that states no size before decoding stays under Qt's own allocation limit.
        return lecteur.read();
    }
    if (naturelle.isEmpty() || qint64(naturelle.width()) * naturelle.height() > PixelsMaxImage)
        return {};
    const QSize borne = cadre.isEmpty() ? QSize(CoteMaxSansCadre, CoteMaxSansCadre) : cadre;
    QSize voulue = naturelle;
    if (naturelle.width() > borne.width() || naturelle.height() > borne.height()) {
        voulue = naturelle.scaled(borne, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        lecteur.setScaledSize(voulue);
    }
    QImage image;
    {
        // Four bytes a pixel: what BMP and GIF decode into before they are scaled down.
        const LimiteAllocation limite(int(PixelsMaxImage * 4 / (1024 * 1024)));
        image = lecteur.read();
    }
    if (image.isNull() || voulue == naturelle)
        return image;
    const double rapportX = double(image.width()) / naturelle.width();
    const double rapportY = double(image.height()) / naturelle.height();
    image.setDotsPerMeterX(qMax(1, qRound(image.dotsPerMeterX() * rapportX)));
    image.setDotsPerMeterY(qMax(1, qRound(image.dotsPerMeterY() * rapportY)));
    return image;
}

}  // namespace

QImage ImageDepuisOctets(const QByteArray& octets, const QSize& cadre)
{
    if (octets.isEmpty())
        return {};
    QBuffer tampon;
    tampon.setData(octets);
    if (!tampon.open(QIODevice::ReadOnly))
        return {};
    return decoder(&tampon, cadre);
}

QImage ImageDepuisFichier(const QString& chemin, const QSize& cadre)
{
    // Checked before opening: opening a pipe waits for a writer, and a device reads without end.
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || !info.isFile())
        return {};
    QFile fichier(info.absoluteFilePath());
    if (!fichier.open(QIODevice::ReadOnly) || fichier.isSequential())
        return {};
    return decoder(&fichier, cadre);
}
