#include "shell/EnteteImage.h"

#include <QList>
#include <QtEndian>

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>

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
// The most data a segment can carry: its length field counts itself, in two bytes.
constexpr qint64 OctetsMaxSegment = 0xFFFF - 2;

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

// How many times the two bytes FF `second` occur in `octets` from `debut` on.
qint64 compterPaires(const QByteArray& octets, qint64 debut, uchar second)
{
    qint64 n = 0;
    const char* p = octets.constData() + debut;
    const char* fin = octets.constData() + octets.size();
    while (p + 1 < fin) {
        p = static_cast<const char*>(std::memchr(p, 0xFF, size_t(fin - p - 1)));
        if (!p)
            break;
        if (uchar(p[1]) == second)
            ++n;
        ++p;
    }
    return n;
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
    // Segments after the first scan are saved too, as libjpeg meets them: there are no more than the times
    // their two first bytes occur in the rest, nor more bytes than the rest holds. Within a scan's coded
    // data, a byte FF is never followed by those bytes, so an ordinary picture has none. Past the end of the
    // bytes, libjpeg reads a made-up end of picture of its own, elsewhere in memory.
    const auto ici = reinterpret_cast<quintptr>(info.src->next_input_byte);
    const auto depart = reinterpret_cast<quintptr>(debut);
    const qint64 lu = ici >= depart && ici - depart <= quintptr(octets.size()) ? qint64(ici - depart) : octets.size();
    qint64 apres = 0;
    for (const int marqueur : SegmentsGardes)
        apres += compterPaires(octets, lu, uchar(marqueur));
    entete.annexes = segments.pieces + apres;
    entete.octetsAnnexes = (segments.octets + qMin(octets.size() - lu, apres * OctetsMaxSegment)) *
            OctetsParOctetSegment +
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
        // Every scan starts with FF DA: libjpeg reads no more scans than those two bytes occur in the file,
        // whatever the scans are made of, and each visits at most every block.
        entete.scans = compterPaires(octets, 0, 0xDA);
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

// The PNG Qt is handed: the signature and the chunks that make the picture, in their order, up to the
// end chunk. The rest (text, compressed or not, EXIF, anything else) libpng would inflate or copy and Qt
// turn into strings for nothing the program shows. Chunks are framed by their length, so there is only
// one way to read them; one whose length runs past the bytes held is refused, before libpng allocates
// what it declares. False when refused.
bool filtrerPng(const QByteArray& o, EnteteImage& entete)
{
    QList<QPair<qint64, qint64>> gardes;  // where each run of kept chunks starts and ends
    const qint64 taille = o.size();
    qint64 pos = 8;
    qint64 morceaux = 0;
    bool retire = false;
    auto garder = [&](qint64 debut, qint64 fin) {
        if (!gardes.isEmpty() && gardes.last().second == debut)
            gardes.last().second = fin;
        else
            gardes.append({debut, fin});
    };
    garder(0, pos);
    while (pos < taille) {
        if (taille - pos < 8 || ++morceaux > MorceauxPngMax)
            return false;
        const quint32 longueur = grand32(o, pos);
        const char* type = o.constData() + pos + 4;
        if (longueur > quint32(INT_MAX))
            return false;
        const qint64 fin = pos + 12 + longueur;
        // The end chunk: Qt supplies its check bytes itself when the file stops without them.
        if (longueur == 0 && std::memcmp(type, "IEND", 4) == 0) {
            garder(pos, qMin(fin, taille));
            break;
        }
        if (fin > taille)
            return false;
        if (morceauUtile(type)) {
            garder(pos, fin);
            if (uchar(type[0]) & 0x20)
                ++entete.annexes;
        } else {
            retire = true;
        }
        pos = fin;
    }
    if (!retire) {
        // Whatever follows the end chunk, Qt does not read.
        entete.octets = o;
        return true;
    }
    qint64 total = 0;
    for (const auto& g : gardes)
        total += g.second - g.first;
    entete.octets.reserve(total);
    for (const auto& g : gardes)
        entete.octets.append(o.constData() + g.first, g.second - g.first);
    entete.copie = true;
    return true;
}

struct SourcePng {
    const QByteArray& octets;
    qint64 pos = 0;
};

void lireOctetsPng(png_structp png, png_bytep donnees, size_t longueur)
{
    auto* source = static_cast<SourcePng*>(png_get_io_ptr(png));
    if (qint64(longueur) > source->octets.size() - source->pos)
        png_error(png, "fin des données");
    std::memcpy(donnees, source->octets.constData() + source->pos, longueur);
    source->pos += qint64(longueur);
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
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, sortirPng, tairePng);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    SourcePng source {entete.octets};
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
    if (octets.startsWith("\xFF\xD8\xFF")) {
        if (lireJpeg(octets, entete)) {
            entete.format = "jpeg";
            entete.octets = octets;
        }
    } else if (octets.startsWith("\x89PNG\r\n\x1A\n")) {
        if (filtrerPng(octets, entete) && lirePng(entete))
            entete.format = "png";
    } else if (octets.startsWith("BM")) {
        entete.format = "bmp";
        entete.octets = octets;
    } else if ((octets.startsWith("GIF87a") || octets.startsWith("GIF89a")) && octets.size() >= 10) {
        entete.format = "gif";
        entete.octets = octets;
        entete.ecranGif = QSize(qFromLittleEndian<quint16>(octets.constData() + 6),
            qFromLittleEndian<quint16>(octets.constData() + 8));
    }
    if (entete.format.isEmpty())
        entete = EnteteImage();
    return entete;
}
