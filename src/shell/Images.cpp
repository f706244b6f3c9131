#include "shell/Images.h"

#include "shell/EnteteImage.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <climits>
#include <optional>

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

// What decoding one picture may hold in memory at once, whatever its header claims: Qt's picture and
// the 32-bit copy that smoothing works on, or the coefficients libjpeg keeps for a whole progressive
// picture, with the picture finally shown. The rest of the 256 MB a picture may cost at most is left
// to what the program holds besides. Qt's own allocation limit is set to it while a picture is decoded.
constexpr int MegaoctetsDecodage = 192;
constexpr qint64 OctetsDecodage = qint64(MegaoctetsDecodage) * 1024 * 1024;

// No ordinary picture carries more than a few dozen pieces beside its pixels (comments, EXIF, the parts
// of a colour profile): a reader that appends each one by walking the others slows down with their square.
constexpr qint64 AnnexesMax = 1000;
// A progressive JPEG is some ten scans; an EXIF thumbnail, a preview or stray bytes in a segment add to
// the count of the bytes that start one. Each scan walks every block of the picture however little it
// holds, so the walks together may cost no more than sixteen of the largest picture the budget lets
// libjpeg keep: well under a second, however the scans are coded.
constexpr qint64 ScansMaxJpeg = 100;
constexpr qint64 OctetsParBloc = 64 * 2;  // 8 × 8 coefficients of two bytes
constexpr qint64 ParcoursMaxJpeg = 16 * (OctetsDecodage / OctetsParBloc);

// Qt's allocation limit is process-wide; it is set only while one picture is decoded.
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

qint64 octets32Bits(const QSize& taille)
{
    return qint64(taille.width()) * taille.height() * 4;
}

// What a picture decoded whole takes at most before it is brought to `voulue`: Qt's picture with the 32-bit
// copy that smoothing works on (none when it is already in such a form), then that copy with the result.
// A format Qt does not state before decoding (GIF) is taken at 32 bits with a copy, which also covers the
// backing store a GIF keeps for frames that restore what they covered.
qint64 octetsDecodageEntier(const QSize& taille, QImage::Format format, const QSize& voulue)
{
    const bool connu = format != QImage::Format_Invalid;
    const qint64 pixels = qint64(taille.width()) * taille.height();
    const qint64 image = connu ? (pixels * QImage::toPixelFormat(format).bitsPerPixel() + 7) / 8 : pixels * 4;
    if (voulue == taille)
        return image;
    const bool copie = !connu || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied);
    const qint64 lissee = copie ? pixels * 4 : image;
    return qMax(image + (copie ? lissee : 0), lissee + octets32Bits(voulue));
}

QSize tailleVoulue(const QSize& naturelle, const QSize& cadre)
{
    const QSize borne = cadre.isEmpty() ? QSize(CoteMaxSansCadre, CoteMaxSansCadre) : cadre;
    if (naturelle.width() <= borne.width() && naturelle.height() <= borne.height())
        return naturelle;
    return naturelle.scaled(borne, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// libjpeg scales by eighths: the picture it gives, before Qt brings it to `voulue`, is at most an eighth
// of the natural size larger each way.
QSize etapeJpeg(const QSize& naturelle, const QSize& voulue)
{
    if (voulue == naturelle)
        return naturelle;
    return QSize(qMin(naturelle.width(), voulue.width() + naturelle.width() / 8 + 1),
        qMin(naturelle.height(), voulue.height() + naturelle.height() / 8 + 1));
}

// `tenus`: the bytes are held for this decode alone, and take their share of its budget.
QImage decoder(const QByteArray& octets, const QSize& cadre, bool tenus)
{
    const EnteteImage entete = LireEnteteImage(octets);
    if (entete.format.isEmpty() || entete.annexes > AnnexesMax || entete.scans > ScansMaxJpeg ||
        entete.parcours > ParcoursMaxJpeg)
        return {};
    // What the reader keeps beside the pixels, and the bytes held for it, are not left to the pixels.
    const qint64 budget = OctetsDecodage - (tenus ? octets.size() : 0) - entete.octetsAnnexes;
    if (budget <= 0)
        return {};
    // Qt reads the very bytes whose header was read, where they are held: no second reading can tell it
    // another picture.
    OctetsRetenus source(entete);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const LimiteAllocation limite(MegaoctetsDecodage);
    std::optional<QImageReader> lecteur(std::in_place, &source, entete.format);
    lecteur->setAutoDetectImageFormat(false);
    QSize naturelle = lecteur->size();
    // A BMP stored top down states a negative height, which Qt hands on as it is; its rows are read alike.
    if (entete.format == "bmp" && naturelle.height() < 0)
        naturelle.setHeight(naturelle.height() == INT_MIN ? INT_MAX : -naturelle.height());
    if (entete.ecranGif.width() > 0)
        naturelle.setWidth(entete.ecranGif.width());
    if (entete.ecranGif.height() > 0)
        naturelle.setHeight(entete.ecranGif.height());
    if (naturelle.isEmpty() || naturelle.width() > CoteMaxImage || naturelle.height() > CoteMaxImage ||
        qint64(naturelle.width()) * naturelle.height() > PixelsMaxImage)
        return {};
    QSize voulue = tailleVoulue(naturelle, cadre);
    QImage image;
    if (!entete.entiere) {
        // Decoded as it is read, at the size asked; a progressive JPEG first gathers its coefficients.
        if (entete.octetsCoefficients > 0 &&
            entete.octetsCoefficients + octets32Bits(etapeJpeg(naturelle, voulue)) + octets32Bits(voulue) >
                budget)
            return {};
        if (voulue != naturelle)
            lecteur->setScaledSize(voulue);
        image = lecteur->read();
    } else {
        if (octetsDecodageEntier(naturelle, lecteur->imageFormat(), voulue) > budget)
            return {};
        image = lecteur->read();
        // The reader goes first, with whatever it kept of the picture (a GIF's last frame and backing store).
        lecteur.reset();
        if (image.isNull())
            return {};
        // Brought down from the size it came in, which a damaged header may not have told.
        naturelle = image.size();
        voulue = tailleVoulue(naturelle, cadre);
        if (voulue != naturelle) {
            if (octetsDecodageEntier(naturelle, image.format(), voulue) > budget)
                return {};
            image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            image = image.scaled(voulue, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    if (image.isNull() || voulue == naturelle)
        return image;
    const double rapportX = double(image.width()) / naturelle.width();
    const double rapportY = double(image.height()) / naturelle.height();
    // Qt's PNG reader lowers a stated resolution itself as it scales: the natural one is the file's.
    const bool resolutionPng = !entete.entiere && entete.resolutionPng.isValid();
    const int naturelX = resolutionPng ? entete.resolutionPng.width() : image.dotsPerMeterX();
    const int naturelY = resolutionPng ? entete.resolutionPng.height() : image.dotsPerMeterY();
    image.setDotsPerMeterX(qMax(1, qRound(naturelX * rapportX)));
    image.setDotsPerMeterY(qMax(1, qRound(naturelY * rapportY)));
    return image;
}

}  // namespace

QImage ImageDepuisOctets(const QByteArray& octets, const QSize& cadre)
{
    // The caller held these bytes before and holds them after: they are not the decode's to count.
    return decoder(octets, cadre, false);
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
    // Read once, whole, and only those bytes are checked and decoded: a file rewritten meanwhile cannot
    // pass the check as one picture and be decoded as another. They are held for this decode alone, so
    // they take their share of its budget; a file larger than the budget is not read at all.
    const qint64 taille = fichier.size();
    if (taille <= 0 || taille >= OctetsDecodage)
        return {};
    QByteArray octets(taille, Qt::Uninitialized);
    const qint64 lus = fichier.read(octets.data(), taille);
    if (lus <= 0)
        return {};
    octets.truncate(lus);
    fichier.close();
    return decoder(octets, cadre, true);
}
