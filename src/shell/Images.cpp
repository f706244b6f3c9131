#include "shell/Images.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

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

// What the first bytes of a picture tell before Qt decodes it.
struct Entete {
    QByteArray format;              // Qt's name for it; empty for a format the program does not read
    QSize ecranGif;                 // a GIF's logical screen, which Qt allocates whatever size it reports
    QSize resolutionPng;            // a PNG's dots per metre, when it states them
    bool entiere = true;            // Qt decodes the whole picture, then scales it
    qint64 octetsCoefficients = 0;  // a JPEG whose every coefficient libjpeg keeps: how many bytes they take
};

quint32 grand32(const QByteArray& o, int pos)
{
    return qFromBigEndian<quint32>(o.constData() + pos);
}

// libjpeg decodes a JPEG at the scale asked, a few rows at a time; but it first keeps the coefficients of
// the whole picture when the frame is progressive or its first scan does not hold every component. Markers
// are walked as libjpeg walks them, bytes between them skipped. False when the frame or its first scan
// cannot be found: libjpeg would refuse the picture too.
bool lireJpeg(QIODevice* source, Entete& entete)
{
    auto octet = [source]() -> int {
        char c;
        return source->getChar(&c) ? int(uchar(c)) : -1;
    };
    auto mot = [&]() -> int {
        const int fort = octet();
        const int faible = octet();
        return fort < 0 || faible < 0 ? -1 : (fort << 8) | faible;
    };
    entete.entiere = false;
    if (!source->seek(2))
        return false;
    struct Composante {
        int h, v;
    };
    QList<Composante> composantes;
    int largeur = 0;
    int hauteur = 0;
    bool progressive = false;
    for (int segment = 0; segment < 100000; ++segment) {
        int marqueur = octet();
        while (marqueur >= 0 && marqueur != 0xFF)
            marqueur = octet();
        while (marqueur == 0xFF)
            marqueur = octet();
        if (marqueur < 0 || marqueur == 0xD9)
            return false;
        if (marqueur == 0x01 || (marqueur >= 0xD0 && marqueur <= 0xD8))
            continue;
        const int longueur = mot();
        if (longueur < 2)
            return false;
        const qint64 suite = source->pos() + longueur - 2;
        const bool trame =
            marqueur >= 0xC0 && marqueur <= 0xCF && marqueur != 0xC4 && marqueur != 0xC8 && marqueur != 0xCC;
        if (trame) {
            octet();  // precision
            hauteur = mot();
            largeur = mot();
            const int nombre = octet();
            if (hauteur <= 0 || largeur <= 0 || nombre <= 0)
                return false;
            composantes.clear();
            for (int i = 0; i < nombre; ++i) {
                octet();  // identifier
                const int echantillonnage = octet();
                octet();  // quantisation table
                const Composante c {echantillonnage >> 4, echantillonnage & 0x0F};
                if (c.h < 1 || c.v < 1)
                    return false;
                composantes.append(c);
            }
            progressive = marqueur == 0xC2 || marqueur == 0xC6 || marqueur == 0xCA || marqueur == 0xCE;
        } else if (marqueur == 0xDA) {
            const int dansLeBalayage = octet();
            if (composantes.isEmpty() || dansLeBalayage <= 0)
                return false;
            if (!progressive && dansLeBalayage == composantes.size())
                return true;
            int hMax = 1;
            int vMax = 1;
            for (const Composante& c : composantes) {
                hMax = qMax(hMax, c.h);
                vMax = qMax(vMax, c.v);
            }
            // Blocks of 8 × 8 coefficients of two bytes, each component's rows and columns rounded up to
            // whole units of its sampling.
            for (const Composante& c : composantes) {
                auto blocs = [](qint64 cote, int facteur, int maximum) {
                    const qint64 n = (cote * facteur + qint64(maximum) * 8 - 1) / (qint64(maximum) * 8);
                    return (n + facteur - 1) / facteur * facteur;
                };
                entete.octetsCoefficients += blocs(largeur, c.h, hMax) * blocs(hauteur, c.v, vMax) * 64 * 2;
            }
            return true;
        }
        if (!source->seek(suite))
            return false;
    }
    return false;
}

// A PNG is scaled as it is read only when it holds 8-bit colour, with or without alpha, not interlaced:
// Qt decodes any other whole. Qt then lowers the resolution itself, which is why it is read here.
void lirePng(QIODevice* source, Entete& entete)
{
    const QByteArray ihdr = source->peek(29);
    if (ihdr.size() < 29 || ihdr.mid(12, 4) != "IHDR")
        return;
    const int profondeur = uchar(ihdr[24]);
    const int couleur = uchar(ihdr[25]);
    entete.entiere = !(profondeur == 8 && (couleur == 2 || couleur == 4 || couleur == 6) && ihdr[28] == 0);
    if (!source->seek(8))
        return;
    for (int morceau = 0; morceau < 100000; ++morceau) {
        const QByteArray tete = source->read(8);
        if (tete.size() < 8)
            return;
        const quint32 longueur = grand32(tete, 0);
        const QByteArray type = tete.mid(4);
        if (type == "IDAT" || type == "IEND")
            return;
        if (type == "pHYs" && longueur == 9) {
            const QByteArray p = source->read(9);
            if (p.size() == 9 && p[8] == 1 && grand32(p, 0) > 0 && grand32(p, 4) > 0 &&
                grand32(p, 0) <= quint32(INT_MAX) && grand32(p, 4) <= quint32(INT_MAX))
                entete.resolutionPng = QSize(int(grand32(p, 0)), int(grand32(p, 4)));
            return;
        }
        if (!source->seek(source->pos() + qint64(longueur) + 4))
            return;
    }
}

// The program reads JPEG, PNG, BMP and GIF, known by their first bytes whatever the file is called.
Entete lireEntete(QIODevice* source)
{
    Entete entete;
    const QByteArray debut = source->peek(10);
    if (debut.startsWith("\xFF\xD8\xFF")) {
        if (lireJpeg(source, entete))
            entete.format = "jpeg";
    } else if (debut.startsWith("\x89PNG\r\n\x1A\n")) {
        entete.format = "png";
        lirePng(source, entete);
    } else if (debut.startsWith("BM")) {
        entete.format = "bmp";
    } else if ((debut.startsWith("GIF87a") || debut.startsWith("GIF89a")) && debut.size() == 10) {
        entete.format = "gif";
        entete.ecranGif =
            QSize(qFromLittleEndian<quint16>(debut.constData() + 6), qFromLittleEndian<quint16>(debut.constData() + 8));
    }
    if (!source->seek(0))
        entete.format.clear();
    return entete;
}

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

QImage decoder(QIODevice* source, const QSize& cadre)
{
    const Entete entete = lireEntete(source);
    if (entete.format.isEmpty())
        return {};
    const LimiteAllocation limite(MegaoctetsDecodage);
    std::optional<QImageReader> lecteur(std::in_place, source, entete.format);
    lecteur->setAutoDetectImageFormat(false);
    QSize naturelle = lecteur->size();
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
                OctetsDecodage)
            return {};
        if (voulue != naturelle)
            lecteur->setScaledSize(voulue);
        image = lecteur->read();
    } else {
        if (octetsDecodageEntier(naturelle, lecteur->imageFormat(), voulue) > OctetsDecodage)
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
            if (octetsDecodageEntier(naturelle, image.format(), voulue) > OctetsDecodage)
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
