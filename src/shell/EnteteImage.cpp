#include "shell/EnteteImage.h"

#include <QList>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <iterator>

// After <cstdio>: libjpeg's header names FILE without including it.
#include <jpeglib.h>
#include <png.h>

namespace {

// --- JPEG -------------------------------------------------------------------------------------------

// Qt's reader has libjpeg keep every comment (COM), EXIF (APP1) and colour profile (APP2) segment, then
// turns each comment into UTF-16 text three times over (the text, its value, the description it builds)
// and gathers the EXIF and profile segments whole to parse them: some six bytes for each byte saved.
constexpr qint64 OctetsParOctetSegment = 6;
// And for each piece it keeps, libjpeg's record and Qt's strings and list entries.
constexpr qint64 OctetsParPiece = 256;
// A Huffman scan that runs out of data skips the rest of the picture; an arithmetic one decodes on from
// nothing, up to three decisions for each of a block's 64 coefficients: measured, some 180 times the
// walk of an empty Huffman scan.
constexpr qint64 PoidsArithmetique = 200;

constexpr int SegmentsGardes[] = {JPEG_COM, JPEG_APP0 + 1, JPEG_APP0 + 2};

struct ErreurJpeg {
    jpeg_error_mgr commun;
    std::jmp_buf retour;
};

// libjpeg's errors end its reading here instead of ending the program.
[[noreturn]] void sortirJpeg(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErreurJpeg*>(info->err)->retour, 1);
}

void taireJpeg(j_common_ptr, int) {}

struct SegmentsJpeg {
    qint64 pieces = 0;
    qint64 octets = 0;
};

// Called by libjpeg for each segment of the kinds Qt's reader saves, where libjpeg itself found it: its
// length read as libjpeg's own saving reads it, then its data skipped instead of copied, so that counting
// costs nothing whatever the file holds.
boolean compterSegment(j_decompress_ptr info)
{
    jpeg_source_mgr* source = info->src;
    auto octet = [&]() -> int {
        if (source->bytes_in_buffer == 0)
            (*source->fill_input_buffer)(info);  // from memory: at the end, a made-up end of picture
        --source->bytes_in_buffer;
        return *source->next_input_byte++;
    };
    const int haut = octet();
    const long donnees = long((haut << 8) | octet()) - 2;
    // A length too short for itself is no segment to libjpeg, which keeps nothing of it.
    if (donnees >= 0) {
        auto* segments = static_cast<SegmentsJpeg*>(info->client_data);
        ++segments->pieces;
        segments->octets += donnees;
    }
    if (donnees > 0)
        (*source->skip_input_data)(info, donnees);
    return TRUE;
}

// What libjpeg meets after the first scan's header, up to the end of the picture: the segments Qt has it
// save and the scans that follow.
struct SuiteJpeg {
    qint64 segments = 0;
    qint64 octetsSegments = 0;
    qint64 scans = 0;
};

bool segmentGarde(uchar marqueur)
{
    return std::find(std::begin(SegmentsGardes), std::end(SegmentsGardes), int(marqueur)) != std::end(SegmentsGardes);
}

// The rest of a JPEG from `p`, where libjpeg stopped reading its header, walked once as libjpeg walks it:
// coded data and stray bytes up to the next marker (FF, any more FF, then a byte other than 0), a
// segment skipped by its length, a marker without one (restarts, and those libjpeg refuses or skips
// inside coded data) passed over; the end of picture ends it, for libjpeg reads nothing after it. Where
// libjpeg would stop sooner on an error, the walk goes on: it counts at least what libjpeg meets. Each
// byte costs the same whatever it holds, and whatever follows the picture is never looked at.
SuiteJpeg parcourirJpeg(const uchar* p, const uchar* fin)
{
    SuiteJpeg suite;
    while (p < fin) {
        p = static_cast<const uchar*>(std::memchr(p, 0xFF, size_t(fin - p)));
        if (!p)
            break;
        while (p < fin && *p == 0xFF)
            ++p;
        if (p == fin)
            break;
        const uchar marqueur = *p++;
        if (marqueur == 0x00)
            continue;  // an FF of the coded data
        if (marqueur == 0xD9)
            break;     // end of picture
        if (marqueur < 0xC0 || (marqueur >= 0xD0 && marqueur <= 0xD8))
            continue;
        if (fin - p < 2)
            break;
        const qint64 longueur = qint64(p[0]) << 8 | p[1];
        p += 2;
        // A length too short for itself: libjpeg reads nothing more of the segment, and saves it empty.
        const qint64 donnees = qMax<qint64>(0, longueur - 2);
        if (marqueur == 0xDA) {
            ++suite.scans;
        } else if (segmentGarde(marqueur) && longueur >= 2) {
            ++suite.segments;
            suite.octetsSegments += donnees;
        }
        p += qMin<qint64>(donnees, fin - p);
    }
    return suite;
}

// libjpeg decodes a JPEG at the scale asked, a few rows at a time; but it first keeps the coefficients of
// the whole picture when the frame is progressive or its first scan does not hold every component. The
// header is read by libjpeg itself, the library under Qt's reader, on the very bytes then decoded: what it
// finds there is what the decode will use, whatever lies between the markers. False when libjpeg refuses
// the header, as the decode would.
bool lireJpeg(const QByteArray& octets, EnteteImage& entete)
{
    entete.entiere = false;
    jpeg_decompress_struct info;
    ErreurJpeg erreur;
    SegmentsJpeg segments;
    info.err = jpeg_std_error(&erreur.commun);
    erreur.commun.error_exit = sortirJpeg;
    erreur.commun.emit_message = taireJpeg;
    // Nothing between here and the last call into libjpeg may need destroying: a longjmp skips it.
    if (setjmp(erreur.retour)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.client_data = &segments;
    for (const int marqueur : SegmentsGardes)
        jpeg_set_marker_processor(&info, marqueur, compterSegment);
    const auto* debut = reinterpret_cast<const unsigned char*>(octets.constData());
    jpeg_mem_src(&info, debut, static_cast<unsigned long>(octets.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Segments after the first scan are saved too, as libjpeg meets them. Past the end of the bytes,
    // libjpeg reads a made-up end of picture of its own, elsewhere in memory.
    const auto ici = reinterpret_cast<quintptr>(info.src->next_input_byte);
    const auto depart = reinterpret_cast<quintptr>(debut);
    const qint64 lu = ici >= depart && ici - depart <= quintptr(octets.size()) ? qint64(ici - depart) : octets.size();
    const SuiteJpeg suite = parcourirJpeg(debut + lu, debut + octets.size());
    entete.annexes = segments.pieces + suite.segments;
    entete.octetsAnnexes = (segments.octets + suite.octetsSegments) * OctetsParOctetSegment +
        entete.annexes * OctetsParPiece;
    if (jpeg_has_multiple_scans(&info)) {
        // Blocks of 8 × 8 coefficients, each component's rows and columns rounded up to whole units of its
        // sampling, as libjpeg sizes its store.
        auto arrondi = [](qint64 blocs, int facteur) { return (blocs + facteur - 1) / facteur * facteur; };
        qint64 blocs = 0;
        for (int i = 0; i < info.num_components; ++i) {
            const jpeg_component_info& c = info.comp_info[i];
            blocs += arrondi(c.width_in_blocks, c.h_samp_factor) * arrondi(c.height_in_blocks, c.v_samp_factor);
        }
        entete.octetsCoefficients = blocs * qint64(sizeof(JBLOCK));
        // The first scan, then those the walk met: libjpeg reads no more, whatever they are made of, and
        // each visits at most every block.
        entete.scans = 1 + suite.scans;
        entete.parcours = entete.scans * blocs * (info.arith_code ? PoidsArithmetique : 1);
    }
    jpeg_destroy_decompress(&info);
    return true;
}

// --- PNG --------------------------------------------------------------------------------------------

// libpng inflates a colour profile and keeps a copy; Qt copies it again and indexes its tags: some four
// times its size, five counted.
constexpr qint64 OctetsParOctetProfil = 5;
// More chunks than a picture made of chunks of a few hundred bytes would have: libpng handles each in turn.
constexpr qint64 MorceauxPngMax = qint64(1) << 20;

quint32 grand32(const QByteArray& o, qint64 pos)
{
    return qFromBigEndian<quint32>(o.constData() + pos);
}

// A chunk libpng must read for Qt to make the picture: the critical ones (IHDR, PLTE, IDAT, IEND, and any
// other, which libpng refuses), and those Qt reads for transparency, colour and resolution. A type that
// is not four letters is kept too, for libpng to refuse the file as it would.
bool morceauUtile(const char* type)
{
    for (int i = 0; i < 4; ++i) {
        const char c = type[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return true;
    }
    if ((uchar(type[0]) & 0x20) == 0)
        return true;
    for (const char* garde : {"tRNS", "gAMA", "cHRM", "sRGB", "iCCP", "pHYs", "oFFs"})
        if (std::memcmp(type, garde, 4) == 0)
            return true;
    return false;
}

bool estType(const char* type, const char* nom)
{
    return std::memcmp(type, nom, 4) == 0;
}

// Each chunk of the PNG in `o` in turn, up to the end chunk: `visiter(debut, fin, type)`. Chunks are framed
// by their length, so there is only one way to read them. False when one's length runs past the bytes
// held, before libpng allocates what it declares, or when there are more than any picture has.
template <typename Visiteur>
bool parcourirPng(const QByteArray& o, Visiteur&& visiter)
{
    const qint64 taille = o.size();
    qint64 pos = 8;
    qint64 morceaux = 0;
    while (pos < taille) {
        if (taille - pos < 8 || ++morceaux > MorceauxPngMax)
            return false;
        const quint32 longueur = grand32(o, pos);
        const char* type = o.constData() + pos + 4;
        if (longueur > quint32(INT_MAX))
            return false;
        const qint64 fin = pos + 12 + longueur;
        // The end chunk: Qt supplies its check bytes itself when the file stops without them.
        if (longueur == 0 && estType(type, "IEND")) {
            visiter(pos, qMin(fin, taille), type);
            return true;
        }
        if (fin > taille)
            return false;
        visiter(pos, fin, type);
        pos = fin;
    }
    return true;
}

// What Qt is handed of a PNG: the signature and the chunks that make the picture, in their order, up to
// the end chunk. The rest (text, compressed or not, EXIF, anything else) libpng would inflate or copy and
// Qt turn into strings for nothing the program shows. Of the colour profiles, libpng inflates every one
// that comes before the picture's data, each replacing the one before, and ignores those after: only the
// last before the data goes through, inflated once by each reader. False when refused.
bool filtrerPng(const QByteArray& o, EnteteImage& entete)
{
    qint64 profil = -1;
    bool donnees = false;
    const bool lisible = parcourirPng(o, [&](qint64 debut, qint64, const char* type) {
        if (estType(type, "PLTE") || estType(type, "IDAT"))
            donnees = true;
        else if (!donnees && estType(type, "iCCP"))
            profil = debut;
    });
    if (!lisible)
        return false;
    QList<PlageOctets> gardes {{0, 8}};
    parcourirPng(o, [&](qint64 debut, qint64 fin, const char* type) {
        if (estType(type, "iCCP") ? debut != profil : !morceauUtile(type))
            return;
        if (uchar(type[0]) & 0x20)
            ++entete.annexes;
        if (gardes.last().second == debut)
            gardes.last().second = fin;
        else
            gardes.append({debut, fin});
    });
    // Nothing dropped: Qt reads the bytes as they are, and nothing of whatever follows the end chunk.
    if (gardes.size() > 1) {
        entete.plages = gardes;
        // The runs, the device's clamped copy of them and where each starts in what it reads.
        entete.octetsAnnexes += qint64(gardes.capacity()) * qint64(2 * sizeof(PlageOctets) + sizeof(qint64));
    }
    return true;
}

void lireOctetsPng(png_structp png, png_bytep donnees, size_t longueur)
{
    auto* source = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (source->read(reinterpret_cast<char*>(donnees), qint64(longueur)) != qint64(longueur))
        png_error(png, "fin des données");
}

[[noreturn]] void sortirPng(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void tairePng(png_structp, png_const_charp) {}

// The header, read by libpng on the bytes Qt is handed, as Qt's reader reads it: up to the first image
// data, with the colour profile inflated. A PNG is scaled as it is read only when it holds 8-bit colour,
// with or without alpha, not interlaced: Qt decodes any other whole. Qt then lowers the resolution itself,
// which is why it is read here. False when libpng refuses the header, as Qt's reading would.
bool lirePng(EnteteImage& entete)
{
    OctetsRetenus source(entete);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, sortirPng, tairePng);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return false;
    }
#if defined(PNG_SET_OPTION_SUPPORTED) && defined(PNG_MAXIMUM_INFLATE_WINDOW)
    // As Qt's reader: what it takes, this takes.
    png_set_option(png, PNG_MAXIMUM_INFLATE_WINDOW, PNG_OPTION_ON);
#endif
    png_set_read_fn(png, &source, lireOctetsPng);
    png_read_info(png, info);
    png_uint_32 largeur = 0, hauteur = 0;
    int profondeur = 0, couleur = 0, entrelacement = 0;
    png_get_IHDR(png, info, &largeur, &hauteur, &profondeur, &couleur, &entrelacement, nullptr, nullptr);
    entete.entiere = !(profondeur == 8 &&
        (couleur == PNG_COLOR_TYPE_RGB || couleur == PNG_COLOR_TYPE_GRAY_ALPHA || couleur == PNG_COLOR_TYPE_RGBA) &&
        entrelacement == PNG_INTERLACE_NONE);
    png_uint_32 x = 0, y = 0;
    int unite = 0;
    if (png_get_pHYs(png, info, &x, &y, &unite) && unite == PNG_RESOLUTION_METER && x > 0 && y > 0 &&
        x <= quint32(INT_MAX) && y <= quint32(INT_MAX))
        entete.resolutionPng = QSize(int(x), int(y));
    png_charp nom = nullptr;
    int compression = 0;
    png_bytep profil = nullptr;
    png_uint_32 longueurProfil = 0;
    if (png_get_iCCP(png, info, &nom, &compression, &profil, &longueurProfil))
        entete.octetsAnnexes += qint64(longueurProfil) * OctetsParOctetProfil;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

EnteteImage LireEnteteImage(const QByteArray& octets)
{
    EnteteImage entete;
    entete.octets = octets;
    if (octets.startsWith("\xFF\xD8\xFF")) {
        if (lireJpeg(octets, entete))
            entete.format = "jpeg";
    } else if (octets.startsWith("\x89PNG\r\n\x1A\n")) {
        if (filtrerPng(octets, entete) && lirePng(entete))
            entete.format = "png";
    } else if (octets.startsWith("BM")) {
        entete.format = "bmp";
    } else if ((octets.startsWith("GIF87a") || octets.startsWith("GIF89a")) && octets.size() >= 10) {
        entete.format = "gif";
        entete.ecranGif = QSize(qFromLittleEndian<quint16>(octets.constData() + 6),
            qFromLittleEndian<quint16>(octets.constData() + 8));
    }
    if (entete.format.isEmpty())
        entete = EnteteImage();
    return entete;
}

OctetsRetenus::OctetsRetenus(const EnteteImage& entete) : m_octets(entete.octets)
{
    const qint64 taille = m_octets.size();
    const QList<PlageOctets> plages = entete.plages.isEmpty() ? QList<PlageOctets> {{0, taille}} : entete.plages;
    m_plages.reserve(plages.size());
    m_debuts.reserve(plages.size());
    for (const PlageOctets& p : plages) {
        // Never past the bytes held, whatever the runs say.
        const qint64 debut = qBound<qint64>(0, p.first, taille);
        const qint64 fin = qBound(debut, p.second, taille);
        if (fin == debut)
            continue;
        m_plages.append({debut, fin});
        m_debuts.append(m_taille);
        m_taille += fin - debut;
    }
}

bool OctetsRetenus::open(OpenMode mode)
{
    if (mode & WriteOnly)
        return false;
    // Read straight from the bytes: a buffer of QIODevice's own would only copy them once more.
    return QIODevice::open(mode | Unbuffered);
}

qint64 OctetsRetenus::readData(char* donnees, qint64 longueur)
{
    qint64 position = pos();
    qint64 lus = 0;
    qsizetype i = std::upper_bound(m_debuts.cbegin(), m_debuts.cend(), position) - m_debuts.cbegin() - 1;
    while (lus < longueur && position < m_taille && i >= 0 && i < m_plages.size()) {
        const PlageOctets& p = m_plages.at(i);
        const qint64 dedans = position - m_debuts.at(i);
        const qint64 n = qMin(longueur - lus, p.second - p.first - dedans);
        std::memcpy(donnees + lus, m_octets.constData() + p.first + dedans, size_t(n));
        lus += n;
        position += n;
        ++i;
    }
    return lus;
}
