#include "shell/Images.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <optional>

// After <cstdio>: libjpeg's header names FILE without including it.
#include <jpeglib.h>

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

quint32 grand32(const QByteArray& o, qint64 pos)
{
    return qFromBigEndian<quint32>(o.constData() + pos);
}

// libjpeg's errors end its reading here instead of ending the program.
struct ErreurJpeg {
    jpeg_error_mgr commun;
    std::jmp_buf retour;
};

[[noreturn]] void sortirJpeg(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErreurJpeg*>(info->err)->retour, 1);
}

void taireJpeg(j_common_ptr, int) {}

// libjpeg decodes a JPEG at the scale asked, a few rows at a time; but it first keeps the coefficients of
// the whole picture when the frame is progressive or its first scan does not hold every component. The
// header is read by libjpeg itself, the library under Qt's reader, on the very bytes then decoded: what it
// finds there is what the decode will use, whatever lies between the markers. False when libjpeg refuses
// the header, as the decode would.
bool lireJpeg(const QByteArray& octets, Entete& entete)
{
    entete.entiere = false;
    jpeg_decompress_struct info;
    ErreurJpeg erreur;
    info.err = jpeg_std_error(&erreur.commun);
    erreur.commun.error_exit = sortirJpeg;
    erreur.commun.emit_message = taireJpeg;
    // Nothing between here and the last call into libjpeg may need destroying: a longjmp skips it.
    if (setjmp(erreur.retour)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(octets.constData()),
        static_cast<unsigned long>(octets.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (jpeg_has_multiple_scans(&info)) {
        // Blocks of 8 × 8 coefficients, each component's rows and columns rounded up to whole units of its
        // sampling, as libjpeg sizes its store.
        auto arrondi = [](qint64 blocs, int facteur) { return (blocs + facteur - 1) / facteur * facteur; };
        for (int i = 0; i < info.num_components; ++i) {
            const jpeg_component_info& c = info.comp_info[i];
            entete.octetsCoefficients += arrondi(c.width_in_blocks, c.h_samp_factor) *
                arrondi(c.height_in_blocks, c.v_samp_factor) * qint64(sizeof(JBLOCK));
        }
    }
    jpeg_destroy_decompress(&info);
    return true;
}

// A PNG is scaled as it is read only when it holds 8-bit colour, with or without alpha, not interlaced:
// Qt decodes any other whole. Qt then lowers the resolution itself, which is why it is read here. Both
// sit at fixed places that libpng reads alike: the header chunk must come first, and pHYs before the data.
void lirePng(const QByteArray& o, Entete& entete)
{
    if (o.size() < 29 || o.mid(12, 4) != "IHDR")
        return;
    const int profondeur = uchar(o[24]);
    const int couleur = uchar(o[25]);
    entete.entiere = !(profondeur == 8 && (couleur == 2 || couleur == 4 || couleur == 6) && o[28] == 0);
    qint64 pos = 8;
    for (int morceau = 0; morceau < 100000 && pos + 8 <= o.size(); ++morceau) {
        const quint32 longueur = grand32(o, pos);
        const QByteArray type = o.mid(pos + 4, 4);
        if (type == "IDAT" || type == "IEND")
            return;
        if (type == "pHYs" && longueur == 9) {
            const QByteArray p = o.mid(pos + 8, 9);
            if (p.size() == 9 && p[8] == 1 && grand32(p, 0) > 0 && grand32(p, 4) > 0 &&
                grand32(p, 0) <= quint32(INT_MAX) && grand32(p, 4) <= quint32(INT_MAX))
                entete.resolutionPng = QSize(int(grand32(p, 0)), int(grand32(p, 4)));
            return;
        }
        pos += 12 + qint64(longueur);
    }
}

// The program reads JPEG, PNG, BMP and GIF, known by their first bytes whatever the file is called.
Entete lireEntete(const QByteArray& octets)
{
    Entete entete;
    if (octets.startsWith("\xFF\xD8\xFF")) {
        if (lireJpeg(octets, entete))
            entete.format = "jpeg";
    } else if (octets.startsWith("\x89PNG\r\n\x1A\n")) {
        entete.format = "png";
        lirePng(octets, entete);
    } else if (octets.startsWith("BM")) {
        entete.format = "bmp";
    } else if ((octets.startsWith("GIF87a") || octets.startsWith("GIF89a")) && octets.size() >= 10) {
        entete.format = "gif";
        entete.ecranGif = QSize(qFromLittleEndian<quint16>(octets.constData() + 6),
            qFromLittleEndian<quint16>(octets.constData() + 8));
    }
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

// `tenus`: how much of the decode's budget the bytes themselves take, when they are held for it alone.
QImage decoder(const QByteArray& octets, const QSize& cadre, qint64 tenus)
{
    const qint64 budget = OctetsDecodage - tenus;
    const Entete entete = lireEntete(octets);
    if (entete.format.isEmpty() || budget <= 0)
        return {};
    // Qt reads the very bytes whose header was read: no second reading can tell it another picture.
    QBuffer source;
    source.setData(octets);
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
    return decoder(octets, cadre, 0);
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
    return decoder(octets, cadre, octets.size());
}
