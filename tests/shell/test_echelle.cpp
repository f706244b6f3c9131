// Screen scaling and picture fitting.

#include "shell/Echelle.h"
#include "shell/EcranPrincipal.h"
#include "shell/EnteteImage.h"
#include "shell/Images.h"
#include "support/GardeTube.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class EcranEssai : public EcranPrincipal {
public:
    explicit EcranEssai(bool garder) : EcranPrincipal(4, QStringLiteral("EcranEssai"), 11895, 7755), m_garder(garder)
    {
        controle = new QLabel(page());
        controle->setObjectName(QStringLiteral("Controle"));
        Placer(controle, 1000, 500, 2000, 300);
    }
    QLabel* controle;

protected:
    bool garderPosition() const override { return m_garder; }

private:
    bool m_garder;
};

QImage unie(int largeur, int hauteur, QColor couleur = Qt::red)
{
    QImage i(largeur, hauteur, QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}

QByteArray octetsImage(const QImage& image, const char* format)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return octets;
}

QImage a600dpi(QImage image)
{
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    return image;
}

// A 6000 × 6000 scan at 600 dots an inch, as JPEG: over Qt's default allocation limit once decoded.
// Made once, it serves every case.
const QByteArray& grandJpeg()
{
    static const QByteArray octets = octetsImage(a600dpi(unie(6000, 6000, Qt::blue)), "JPG");
    return octets;
}

// A BMP header of `largeur` × `hauteur` pixels, 24 bits a pixel, at 600 dots an inch.
QByteArray enteteBmp(quint32 largeur, quint32 hauteur, quint32 taille)
{
    QByteArray o(54, '\0');
    auto ecrire16 = [&](int pos, quint16 v) { qToLittleEndian(v, o.data() + pos); };
    auto ecrire32 = [&](int pos, quint32 v) { qToLittleEndian(v, o.data() + pos); };
    o[0] = 'B';
    o[1] = 'M';
    ecrire32(2, 54 + taille);
    ecrire32(10, 54);
    ecrire32(14, 40);
    ecrire32(18, largeur);
    ecrire32(22, hauteur);
    ecrire16(26, 1);
    ecrire16(28, 24);
    ecrire32(34, taille);
    ecrire32(38, 23622);
    ecrire32(42, 23622);
    return o;
}

// The same scan as a 24-bit BMP, a format Qt decodes whole before scaling it.
QByteArray grandBmp()
{
    const QByteArray ligne = QByteArray("\xFF\x00\x00", 3).repeated(6000);
    return enteteBmp(6000, 6000, quint32(ligne.size()) * 6000) + ligne.repeated(6000);
}

// A BMP header claiming 60000 × 60000 pixels, followed by nothing.
QByteArray enteteBmpDemesure()
{
    return enteteBmp(60000, 60000, 0);
}

// A BMP of one bit or eight a pixel, its palette all blue, at 600 dots an inch; `donnees` its pixels,
// compressed by runs when `compression` is 1 (eight bits a pixel).
QByteArray bmpIndexe(quint32 largeur, quint32 hauteur, quint16 bits, quint32 compression, const QByteArray& donnees)
{
    QByteArray o = enteteBmp(largeur, hauteur, quint32(donnees.size()));
    const QByteArray palette = QByteArray("\xFF\x00\x00\x00", 4).repeated(2);
    qToLittleEndian(quint32(o.size() + palette.size() + donnees.size()), o.data() + 2);
    qToLittleEndian(quint32(o.size() + palette.size()), o.data() + 10);
    qToLittleEndian(bits, o.data() + 28);
    qToLittleEndian(compression, o.data() + 30);
    qToLittleEndian(quint32(2), o.data() + 46);
    return o + palette + donnees;
}

// Eight bits a pixel compressed by runs: every row runs of colour 0, the picture closed after the last.
QByteArray bmpParPlages(quint32 largeur, quint32 hauteur)
{
    QByteArray ligne;
    for (quint32 reste = largeur; reste > 0; reste -= qMin(reste, 255u))
        ligne += char(qMin(reste, 255u)) + QByteArray(1, '\0');
    QByteArray donnees = (ligne + QByteArray(2, '\0')).repeated(hauteur);
    donnees[donnees.size() - 1] = '\x01';
    return bmpIndexe(largeur, hauteur, 8, 1, donnees);
}

// A GIF whose logical screen is `ecran` and whose first frame, at the top left corner, is `image`: a few
// dozen bytes whatever they claim. Its two colours are blue, the background too, so that a frame smaller
// than the screen leaves the screen blue.
QByteArray gif(QSize ecran, QSize image)
{
    QByteArray o("GIF89a");
    auto ecrire16 = [&](int v) {
        char m[2];
        qToLittleEndian(quint16(v), m);
        o.append(m, 2);
    };
    ecrire16(ecran.width());
    ecrire16(ecran.height());
    o += QByteArray("\x80\x00\x00", 3) + QByteArray("\x00\x00\xFF", 3).repeated(2);
    o += ',';
    ecrire16(0);
    ecrire16(0);
    ecrire16(image.width());
    ecrire16(image.height());
    o += QByteArray("\x00\x02\x02\x44\x01\x00;", 7);
    return o;
}

quint32 crc32(const QByteArray& octets)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : octets) {
        crc ^= uchar(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

QByteArray morceauPng(const char* type, const QByteArray& donnees)
{
    QByteArray o(4, '\0');
    qToBigEndian(quint32(donnees.size()), o.data());
    const QByteArray corps = QByteArray(type) + donnees;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(corps), crc.data());
    return o + corps + crc;
}

// A PNG of `largeur` × `hauteur` at 600 dots an inch, each row `ligne` after its filter byte.
QByteArray png(quint32 largeur, quint32 hauteur, quint8 profondeur, quint8 couleur, const QByteArray& ligne)
{
    QByteArray ihdr(13, '\0');
    qToBigEndian(largeur, ihdr.data());
    qToBigEndian(hauteur, ihdr.data() + 4);
    ihdr[8] = char(profondeur);
    ihdr[9] = char(couleur);
    QByteArray phys(9, '\0');
    qToBigEndian(quint32(23622), phys.data());
    qToBigEndian(quint32(23622), phys.data() + 4);
    phys[8] = 1;
    const QByteArray lignes = (QByteArray(1, '\0') + ligne).repeated(hauteur);
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + morceauPng("IHDR", ihdr) + morceauPng("pHYs", phys) +
        morceauPng("IDAT", qCompress(lignes).mid(4)) + morceauPng("IEND", {});
}

// A JPEG whose frame header, baseline or progressive, is rewritten to claim `largeur` × `hauteur`.
QByteArray jpegRedimensionne(QByteArray o, quint16 largeur, quint16 hauteur)
{
    qsizetype sof = o.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        sof = o.indexOf(QByteArray("\xFF\xC2", 2));
    if (sof < 0)
        return {};
    qToBigEndian(hauteur, o.data() + sof + 5);
    qToBigEndian(largeur, o.data() + sof + 7);
    return o;
}

// A small JPEG whose frame header is rewritten to claim 60000 × 60000 pixels.
QByteArray enteteJpegDemesure()
{
    return jpegRedimensionne(octetsImage(unie(16, 16), "JPG"), 60000, 60000);
}

QByteArray jpegProgressif(const QImage& image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "jpeg");
    ecrivain.setProgressiveScanWrite(true);
    ecrivain.write(image);
    return octets;
}

// A BMP of `largeur` × `hauteur` blue pixels, 24 bits a pixel, its rows stored from the top down, as its
// negative height says.
QByteArray bmpDeHautEnBas(quint32 largeur, quint32 hauteur)
{
    const QByteArray ligne = QByteArray("\xFF\x00\x00", 3).repeated(largeur) + QByteArray((4 - largeur * 3 % 4) % 4, '\0');
    return enteteBmp(largeur, quint32(-qint32(hauteur)), quint32(ligne.size()) * hauteur) + ligne.repeated(hauteur);
}

// A JPEG whose first marker after the start is a stuffed FF 00 followed by what looks like a segment's
// length: libjpeg skips those bytes and decodes the frame of `vrai` that comes next, while a walk that
// took them for a segment would jump over that frame to a small baseline one put after it.
QByteArray jpegMasque(const QByteArray& vrai)
{
    const QByteArray leurre = octetsImage(unie(16, 16, Qt::blue), "JPG").mid(2);
    QByteArray longueur(2, '\0');
    qToBigEndian(quint16(vrai.size()), longueur.data());
    return QByteArray("\xFF\xD8\xFF\x00", 4) + longueur + vrai.mid(2) + leurre;
}

// A small progressive JPEG whose frame claims `largeur` × `hauteur` pixels, every component sampled in
// full: libjpeg keeps 384 bytes of coefficients a pixel's worth of 8 × 8 blocks, three components of 128.
QByteArray jpegProgressifPlein(quint16 largeur, quint16 hauteur)
{
    QByteArray o = jpegRedimensionne(jpegProgressif(unie(16, 16, Qt::blue)), largeur, hauteur);
    const qsizetype sof = o.indexOf(QByteArray("\xFF\xC2", 2));
    for (int c = 0; c < uchar(o[sof + 9]); ++c)
        o[sof + 11 + 3 * c] = '\x11';
    return o;
}


// A segment of a JPEG: its marker, then its length, which counts itself, and its data.
QByteArray segmentJpeg(uchar marqueur, const QByteArray& donnees)
{
    QByteArray o("\xFF", 1);
    o += char(marqueur);
    QByteArray longueur(2, '\0');
    qToBigEndian(quint16(donnees.size() + 2), longueur.data());
    return o + longueur + donnees;
}

// `segments` put in just after the start of a JPEG, or just before its end.
QByteArray jpegAvec(const QByteArray& jpeg, const QByteArray& segments, bool apresImage = false)
{
    return apresImage ? jpeg.left(jpeg.size() - 2) + segments + jpeg.right(2) : jpeg.left(2) + segments + jpeg.mid(2);
}

// The smallest EXIF block: one entry, the picture the right way up.
QByteArray exif()
{
    return QByteArray("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x01\0\0\0\0\0\0", 26);
}

// A picture of 600 × 400 blue pixels in a colour space of its own, as a scanner writes it: a profile,
// texts, and EXIF.
QImage imageProfilee()
{
    QImage image = a600dpi(unie(600, 400, Qt::blue));
    image.setColorSpace(QColorSpace::AdobeRgb);
    image.setText(QStringLiteral("Title"), QStringLiteral("Timbre"));
    image.setText(QStringLiteral("Comment"), QStringLiteral("Un timbre de France, numérisé à 600 points par pouce."));
    return image;
}

// `morceaux` put in a PNG before its image data; by default in a small one of 600 × 400 blue pixels.
QByteArray pngAvec(const QByteArray& morceaux, const QByteArray& png = octetsImage(a600dpi(unie(600, 400, Qt::blue)), "PNG"))
{
    const qsizetype idat = png.indexOf("IDAT") - 4;
    return png.left(idat) + morceaux + png.mid(idat);
}

QByteArray pngOrdinaire()
{
    return pngAvec(morceauPng("eXIf", exif()) + morceauPng("tIME", QByteArray("\x07\xEA\x0C\x0B\x0F\x00\x00", 7)),
        octetsImage(imageProfilee(), "PNG"));
}

QByteArray jpegOrdinaire()
{
    return jpegAvec(octetsImage(imageProfilee(), "JPG"), segmentJpeg(0xE1, QByteArray("Exif\0\0", 6) + exif()));
}


// A text chunk compressed from `octets` spaces, a few kilobytes whatever it inflates to; iTXt or zTXt.
QByteArray texteCompresse(int octets, bool international)
{
    const QByteArray texte = qCompress(QByteArray(octets, ' '), 9).mid(4);
    return international ? morceauPng("iTXt", QByteArray("Comment\0\1\0\0\0", 12) + texte)
                         : morceauPng("zTXt", QByteArray("Comment\0\0", 9) + texte);
}

// The signature, the header of a 64 × 48 picture, then a text chunk declaring 2 GB and holding two bytes.
QByteArray pngTronque()
{
    const QByteArray o = png(64, 48, 8, 2, QByteArray(3 * 64, '\0'));
    QByteArray longueur(4, '\0');
    qToBigEndian(quint32(0x7FFFFFFF), longueur.data());
    return o.left(33) + longueur + "tEXtxy";
}

// A grey progressive JPEG of `cote` × `cote` pixels made of `scans` empty scans of its DC coefficients,
// coded by Huffman or arithmetically: ten bytes a scan, each of which walks the whole picture.
QByteArray jpegBalaye(quint16 cote, int scans, bool arithmetique)
{
    QByteArray frame(5, '\0');
    frame[0] = 8;
    qToBigEndian(cote, frame.data() + 1);
    qToBigEndian(cote, frame.data() + 3);
    frame += QByteArray("\x01\x01\x11\x00", 4);
    QByteArray o("\xFF\xD8", 2);
    o += segmentJpeg(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    o += segmentJpeg(arithmetique ? 0xCA : 0xC2, frame);
    if (!arithmetique)
        o += segmentJpeg(0xC4, QByteArray(1, '\0') + QByteArray(1, '\1') + QByteArray(15, '\0') + QByteArray(1, '\0'));
    o += segmentJpeg(0xDA, QByteArray("\x01\x01\x00\x00\x00\x00", 6)).repeated(scans);
    return o + "\xFF\xD9";
}

// A progressive JPEG of 64 × 64 blue pixels in which the bytes that start a scan occur `scans` times: the
// encoder's own scans, then empty scans of high frequencies, which change no pixel past the first unit.
QByteArray jpegProgressifBalaye(int scans)
{
    const QByteArray o = jpegProgressif(a600dpi(unie(64, 64, Qt::blue)));
    const int siens = int(o.count(QByteArray("\xFF\xDA", 2)));
    return jpegAvec(o, segmentJpeg(0xDA, QByteArray("\x01\x01\x00\x01\x3F\x00", 6)).repeated(scans - siens), true);
}

// A baseline JPEG of `cote` × `cote` blue pixels that is a few bytes a unit of 16 × 16: one unit coded once,
// repeated after a restart marker each time, from which libjpeg starts each unit anew.
QByteArray jpegRepete(quint16 cote)
{
    const QByteArray unite = octetsImage(a600dpi(unie(16, 16, Qt::blue)), "JPG");
    const qsizetype sos = unite.indexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype donnees = sos + 2 + qFromBigEndian<quint16>(unite.constData() + sos + 2);
    const QByteArray code = unite.mid(donnees, unite.size() - 2 - donnees);
    QByteArray o = jpegRedimensionne(unite.left(donnees), cote, cote);
    o.insert(2, segmentJpeg(0xDD, QByteArray("\x00\x01", 2)));
    const int unites = (cote + 15) / 16 * ((cote + 15) / 16);
    o.reserve(o.size() + qsizetype(unites) * (code.size() + 2) + 2);
    for (int i = 0; i < unites; ++i) {
        if (i > 0)
            o += QByteArray("\xFF", 1) + char(0xD0 + (i - 1) % 8);
        o += code;
    }
    return o + "\xFF\xD9";
}


// A colour profile as Qt writes it, in an iCCP chunk named `nom`: a small one that libpng takes.
QByteArray morceauProfil(QColorSpace::NamedColorSpace espace, const char* nom = "profil")
{
    return morceauPng("iCCP", QByteArray(nom) + QByteArray(2, '\0') + qCompress(QColorSpace(espace).iccProfile()).mid(4));
}

// A PNG of `largeur` × `hauteur` blue pixels in 8-bit colour, its data stored without compression, so that
// the file is as large as the picture, with a text chunk before its data as most editors write one.
QByteArray grandPngAvecTexte(quint32 largeur, quint32 hauteur)
{
    const QByteArray donnees = qCompress((QByteArray(1, '\0') + QByteArray("\x00\x00\xFF", 3).repeated(largeur)).repeated(hauteur), 0);
    return pngAvec(morceauPng("tEXt", QByteArray("Software\0Scanner 2.1", 21)),
        png(largeur, hauteur, 8, 2, {}).left(33) + morceauPng("IDAT", donnees.mid(4)) + morceauPng("IEND", {}));
}

// `octets`, then `suite` bytes of `remplissage` (random when 0), then a page no one may read: the bytes
// anyone reads past those fault at once. What is returned holds them all, the page included.
class OctetsGardes {
public:
    OctetsGardes(const QByteArray& octets, qsizetype suite, char remplissage)
    {
        const qsizetype page = ::sysconf(_SC_PAGESIZE);
        m_lisibles = (octets.size() + suite + page - 1) / page * page;
        m_taille = m_lisibles + page;
        void* m = ::mmap(nullptr, size_t(m_taille), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        m_memoire = m == MAP_FAILED ? nullptr : static_cast<char*>(m);
        if (!m_memoire)
            return;
        // The start is aligned on a page: the file's bytes end just where the unreadable page begins.
        char* debut = m_memoire + m_lisibles - octets.size() - suite;
        std::memcpy(debut, octets.constData(), size_t(octets.size()));
        if (remplissage)
            std::memset(debut + octets.size(), remplissage, size_t(suite));
        else
            QRandomGenerator(46).fillRange(reinterpret_cast<quint32*>(debut + octets.size()), suite / 4);
        ::mprotect(m_memoire + m_lisibles, size_t(page), PROT_NONE);
        m_octets = QByteArray::fromRawData(debut, m_taille - (debut - m_memoire));
    }
    ~OctetsGardes()
    {
        if (m_memoire)
            ::munmap(m_memoire, size_t(m_taille));
    }
    OctetsGardes(const OctetsGardes&) = delete;
    OctetsGardes& operator=(const OctetsGardes&) = delete;
    const QByteArray& octets() const { return m_octets; }

private:
    char* m_memoire = nullptr;
    qsizetype m_lisibles = 0;
    qsizetype m_taille = 0;
    QByteArray m_octets;
};

// What a file holds past the end of its picture: a progressive JPEG followed by FF bytes, an ordinary one
// by random bytes (a video joined after its picture), each ending on a page no one may read.
const QByteArray& jpegSuiviDeFF()
{
    static const OctetsGardes octets(jpegProgressif(a600dpi(unie(300, 200, Qt::blue))), 8 << 20, '\xFF');
    return octets.octets();
}

const QByteArray& jpegSuiviDeHasard()
{
    static const OctetsGardes octets(octetsImage(a600dpi(unie(300, 200, Qt::blue)), "JPG"), 25 << 20, 0);
    return octets.octets();
}
}  // namespace

class TestEchelle : public QObject {
    Q_OBJECT

private slots:
    void facteur_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<float>("facteur");
        QTest::newRow("640") << 640 << 0.8f;
        QTest::newRow("800") << 800 << 1.0f;
        QTest::newRow("1024") << 1024 << 1.28f;
        QTest::newRow("1152") << 1152 << 1.28f;
        QTest::newRow("1280") << 1280 << 1.28f;
        QTest::newRow("1600") << 1600 << 1.28f;
    }
    void facteur()
    {
        QFETCH(int, largeur);
        QFETCH(float, facteur);
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(largeur);
        CalculerFacteurEchelle();
        QCOMPARE(LargeurEcran, largeur);
        QCOMPARE(FacteurEchelle, facteur);
    }

    void bureauNonMesurable()
    {
        // Nothing measured: the factor computed last stays.
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(640);
        CalculerFacteurEchelle();
        plateforme.definirLargeurBureau(0);
        CalculerFacteurEchelle();
        QCOMPARE(FacteurEchelle, 0.8f);
        QCOMPARE(FacteurPourLargeur(0), 0.0f);
    }

    void controleMisAEchelle()
    {
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(1024);
        EcranEssai ecran(false);
        ecran.move(40, 30);
        ecran.Charger();
        // Designed at Left 1000, Top 500, Width 2000, Height 300 twips: each times 1.28, then 15 twips a pixel.
        QCOMPARE(RectangleTwips(ecran.controle), QRect(1280, 640, 2560, 384));
        QCOMPARE(ecran.controle->geometry(), QRect(85, 43, 171, 26));
        QCOMPARE(RectangleTwips(&ecran).size(), QSize(15226, 9926));
        QCOMPARE(ecran.pos(), QPoint(0, 0));  // to the top-left corner
        // The bar fills the screen; its tabs keep their height.
        QCOMPARE(ecran.barre()->size(), ecran.size());
        QCOMPARE(ecran.barre()->onglets()->height(), 35);
        // Loaded once: a second load does not compound the factor.
        ecran.Charger();
        QCOMPARE(RectangleTwips(ecran.controle), QRect(1280, 640, 2560, 384));
    }

    void ecranDesCollectionsGardeSaPlace()
    {
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(800);
        EcranEssai ecran(true);
        ecran.move(40, 30);
        ecran.Charger();
        QCOMPARE(ecran.pos(), QPoint(40, 30));
        QCOMPARE(ecran.controle->geometry(), QRect(67, 33, 133, 20));
    }

    void ajustement_data()
    {
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QSizeF>("boite");
        QTest::addColumn<QRectF>("attendu");
        QTest::newRow("2:1 dans 4:3, bandes haut et bas")
            << QSizeF(200, 100) << QSizeF(400, 300) << QRectF(0, 50, 400, 200);
        QTest::newRow("1:2 dans 4:3, bandes gauche et droite")
            << QSizeF(100, 200) << QSizeF(400, 300) << QRectF(125, 0, 150, 300);
        QTest::newRow("mêmes proportions") << QSizeF(40, 30) << QSizeF(400, 300) << QRectF(0, 0, 400, 300);
        QTest::newRow("petite image agrandie") << QSizeF(20, 10) << QSizeF(400, 300) << QRectF(0, 50, 400, 200);
        QTest::newRow("image sans hauteur") << QSizeF(20, 0) << QSizeF(400, 300) << QRectF();
        QTest::newRow("boîte sans hauteur") << QSizeF(20, 10) << QSizeF(400, 0) << QRectF();
    }
    void ajustement()
    {
        QFETCH(QSizeF, image);
        QFETCH(QSizeF, boite);
        QFETCH(QRectF, attendu);
        QCOMPARE(RectangleAjuste(image, boite), attendu);
    }

    void ajusterImageDessineEtEfface()
    {
        BoiteImage boite;
        boite.resize(40, 30);
        boite.definirCouleurFond(Qt::white);
        AjusterImage(unie(20, 10, Qt::red), &boite);
        QImage vue = boite.contenu();
        QCOMPARE(QColor(vue.pixel(20, 15)), QColor(Qt::red));
        QCOMPARE(QColor(vue.pixel(20, 2)), QColor(Qt::white));   // band above
        QCOMPARE(QColor(vue.pixel(20, 28)), QColor(Qt::white));  // band below
        // A second call clears what the first drew.
        AjusterImage(unie(10, 30, Qt::blue), &boite);
        vue = boite.contenu();
        QCOMPARE(QColor(vue.pixel(20, 15)), QColor(Qt::blue));
        QCOMPARE(QColor(vue.pixel(5, 15)), QColor(Qt::white));
        // An empty picture leaves the box blank.
        AjusterImage(QImage(), &boite);
        QVERIFY(boite.estVide());
        QCOMPARE(QColor(boite.contenu().pixel(20, 15)), QColor(Qt::white));
    }

    void imageDepuisOctets()
    {
        QByteArray octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        unie(8, 6).save(&tampon, "PNG");
        QCOMPARE(ImageDepuisOctets(octets).size(), QSize(8, 6));
        QVERIFY(ImageDepuisOctets(QByteArray()).isNull());
        QVERIFY(ImageDepuisOctets(QByteArray("pas une image")).isNull());
    }

    // Pictures decode at the size they are shown, a scaled picture keeping its natural size in millimetres,
    // which the thumbnail sheets print. Whatever the format and whatever its header claims, a picture that
    // could not be brought down to that size without holding far more memory (a format Qt decodes whole, a
    // progressive JPEG), or that claims more than any scan has each way or in all, is no picture, at once;
    // so is a format the program does not read. The crafted files are a few bytes that Qt would decode.
    void imageDecodee_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QSize>("cadre");
        QTest::addColumn<QSize>("attendue");
        QTest::addColumn<double>("largeurMm");
        const QSize nulle;
        const QSize boite(300, 200);
        // A picture that states no resolution has Qt's.
        const double mmParPixel = 1000.0 / QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
        const QByteArray bleu = QByteArray("\x00\x00\xFF", 3);
        // JPEG keeps the resolution in dots per centimetre: 600 dots an inch come back as 236.
        QTest::newRow("grand jpeg, boîte") << grandJpeg() << boite << QSize(200, 200) << 6000 / 23.6;
        QTest::newRow("grand jpeg, sans boîte") << grandJpeg() << QSize() << QSize(CoteMaxSansCadre, CoteMaxSansCadre)
                                                << 6000 / 23.6;
        QTest::newRow("jpeg progressif, boîte")
            << jpegProgressif(a600dpi(unie(3000, 2000, Qt::blue))) << boite << QSize(300, 200) << 3000 / 23.6;
        QTest::newRow("grand bmp, boîte") << grandBmp() << QSize(150, 300) << QSize(150, 150) << 6000 / 23.622;
        QTest::newRow("bmp par plages 6000 × 4000, boîte")
            << bmpParPlages(6000, 4000) << boite << QSize(300, 200) << 6000 / 23.622;
        QTest::newRow("grand png, boîte")
            << png(1200, 1200, 8, 2, bleu.repeated(1200)) << boite << QSize(200, 200) << 1200 / 23.622;
        QTest::newRow("gif 6000 × 4000 d'une vignette 1 × 1, boîte")
            << gif({6000, 4000}, {1, 1}) << boite << QSize(300, 200) << 6000 * mmParPixel;
        QTest::newRow("petite image, grande boîte")
            << octetsImage(a600dpi(unie(8, 6, Qt::blue)), "PNG") << boite << QSize(8, 6) << 8 / 23.622;
        QTest::newRow("en-tête bmp démesuré") << enteteBmpDemesure() << boite << nulle << 0.0;
        QTest::newRow("en-tête jpeg démesuré") << enteteJpegDemesure() << boite << nulle << 0.0;
        QTest::newRow("jpeg 60000 × 1000")
            << jpegRedimensionne(octetsImage(unie(16, 16), "JPG"), 60000, 1000) << boite << nulle << 0.0;
        // 16384 pixels either way is the largest side decoded.
        QTest::newRow("jpeg 16384 × 16") << octetsImage(a600dpi(unie(16384, 16, Qt::blue)), "JPG") << QSize(1024, 200)
                                         << QSize(1024, 1) << 16384 / 23.6;
        QTest::newRow("jpeg 16 × 16384") << octetsImage(a600dpi(unie(16, 16384, Qt::blue)), "JPG") << QSize(200, 1024)
                                         << QSize(1, 1024) << 16 / 23.6;
        QTest::newRow("jpeg 16385 × 16") << octetsImage(unie(16385, 16, Qt::blue), "JPG") << boite << nulle << 0.0;
        QTest::newRow("jpeg 16 × 16385") << octetsImage(unie(16, 16385, Qt::blue), "JPG") << boite << nulle << 0.0;
        // Counted on the frame libjpeg decodes, not on one that a walk of our own would have found.
        QTest::newRow("jpeg progressif 8000 × 8000 derrière FF 00")
            << jpegMasque(jpegProgressifPlein(8000, 8000)) << boite << nulle << 0.0;
        QTest::newRow("jpeg progressif 12000 × 12000 derrière FF 00")
            << jpegMasque(jpegProgressifPlein(12000, 12000)) << boite << nulle << 0.0;
        QTest::newRow("jpeg progressif 900 × 600 derrière FF 00")
            << jpegMasque(jpegProgressif(a600dpi(unie(900, 600, Qt::blue)))) << boite << QSize(300, 200)
            << 900 / 23.6;
        QTest::newRow("bmp de haut en bas, boîte") << bmpDeHautEnBas(600, 400) << boite << QSize(300, 200) << 600 / 23.622;
        QTest::newRow("petit bmp de haut en bas") << bmpDeHautEnBas(41, 30) << boite << QSize(41, 30) << 41 / 23.622;
        QTest::newRow("jpeg progressif 16384 × 16384")
            << jpegRedimensionne(jpegProgressif(unie(16, 16, Qt::blue)), 16384, 16384) << boite << nulle << 0.0;
        QTest::newRow("gif 16000 × 16000") << gif({16000, 16000}, {16000, 16000}) << boite << nulle << 0.0;
        QTest::newRow("gif 60000 × 4000") << gif({60000, 4000}, {60000, 4000}) << boite << nulle << 0.0;
        QTest::newRow("gif 20000 × 1000 d'une vignette 1 × 1") << gif({20000, 1000}, {1, 1}) << boite << nulle << 0.0;
        QTest::newRow("bmp par plages 16000 × 16000")
            << bmpIndexe(16000, 16000, 8, 1, QByteArray("\x00\x01", 2)) << boite << nulle << 0.0;
        QTest::newRow("bmp 1 bit 16000 × 16000")
            << bmpIndexe(16000, 16000, 1, 0, QByteArray(64, '\0')) << boite << nulle << 0.0;
        // Within what Qt lets itself allocate, but not once copied at 32 bits for smoothing.
        QTest::newRow("gif 6000 × 6000") << gif({6000, 6000}, {6000, 6000}) << boite << nulle << 0.0;
        QTest::newRow("png gris 6500 × 6500")
            << png(6500, 6500, 8, 0, QByteArray(6500, '\0')) << boite << nulle << 0.0;
        for (const char* format : {"PPM", "XPM", "ICO"})
            QTest::addRow("%s", format) << octetsImage(unie(8, 6, Qt::blue), format) << boite << nulle << 0.0;
        // A large ordinary picture, baseline and subsampled, is read a few rows at a time: nothing is kept.
        QTest::newRow("jpeg 16384 × 16384") << jpegRepete(16384) << boite << QSize(200, 200) << 16384 / 23.6;

        // What a picture carries beside its pixels. The program shows none of it: a PNG reaches Qt without
        // its texts, whatever they inflate to, and a chunk claiming more than the file holds is refused
        // before libpng allocates it; what libjpeg and Qt keep of a JPEG's comments, EXIF and profile
        // counts in the budget. Ordinary texts, EXIF and a profile change nothing to what is shown.
        QTest::newRow("png ordinaire, profil, textes et EXIF") << pngOrdinaire() << boite << QSize(300, 200) << 600 / 23.622;
        QTest::newRow("jpeg ordinaire, profil, commentaires et EXIF")
            << jpegOrdinaire() << boite << QSize(300, 200) << 600 / 23.6;
        for (const bool international : {false, true}) {
            QTest::addRow("png, 10 textes %s de 7,9 Mo", international ? "iTXt" : "zTXt")
                << pngAvec(texteCompresse(7'900'000, international).repeated(10)) << boite << QSize(300, 200)
                << 600 / 23.622;
        }
        QTest::newRow("png, morceau de 2 Go dans 43 octets") << pngTronque() << boite << nulle << 0.0;
        QByteArray gamma(4, '\0');
        qToBigEndian(quint32(45455), gamma.data());
        QTest::newRow("png, 1001 gammas") << pngAvec(morceauPng("gAMA", gamma).repeated(1001)) << boite << nulle << 0.0;
        QTest::newRow("png, un million de morceaux de données vides")
            << pngAvec(morceauPng("IDAT", {}).repeated(1 << 20)) << boite << nulle << 0.0;
        const QByteArray petit = octetsImage(a600dpi(unie(600, 400, Qt::blue)), "JPG");
        const QByteArray commentaire = segmentJpeg(0xFE, QByteArray(65533, 'x'));
        QTest::newRow("jpeg, 600 commentaires de 64 Ko") << jpegAvec(petit, commentaire.repeated(600)) << boite << nulle << 0.0;
        QTest::newRow("jpeg, 600 commentaires de 64 Ko après l'image")
            << jpegAvec(petit, commentaire.repeated(600), true) << boite << nulle << 0.0;
        QTest::newRow("jpeg, 600 blocs EXIF de 64 Ko")
            << jpegAvec(petit, segmentJpeg(0xE1, QByteArray("Exif\0\0", 6) + QByteArray(65527, 'x')).repeated(600)) << boite
            << nulle << 0.0;
        QTest::newRow("jpeg, 1000 commentaires vides")
            << jpegAvec(petit, segmentJpeg(0xFE, {}).repeated(1000)) << boite << QSize(300, 200) << 600 / 23.6;
        QTest::newRow("jpeg, 1001 commentaires vides")
            << jpegAvec(petit, segmentJpeg(0xFE, {}).repeated(1001)) << boite << nulle << 0.0;
        // libpng inflates every profile before the data and keeps the last: one alone reaches it.
        QTest::newRow("png, 1001 profils identiques")
            << pngAvec(morceauProfil(QColorSpace::AdobeRgb).repeated(1001)) << boite << QSize(300, 200) << 600 / 23.622;
        // A chunk running past the file once another was dropped: refused before anything reads it.
        QByteArray demesure = pngAvec(morceauPng("tEXt", QByteArray("Title\0Timbre", 12)));
        qToBigEndian(quint32(demesure.size()), demesure.data() + demesure.indexOf("IDAT") - 4);
        QTest::newRow("png, texte puis données plus longues que le fichier") << demesure << boite << nulle << 0.0;
        // A file that stops where its end chunk's check bytes would be is shown, as Qt shows it.
        const QByteArray bleu600 = octetsImage(a600dpi(unie(600, 400, Qt::blue)), "PNG");
        QTest::newRow("png sans le contrôle de sa fin") << bleu600.chopped(4) << boite << QSize(300, 200) << 600 / 23.622;
        QTest::newRow("png avec texte, sans le contrôle de sa fin")
            << pngAvec(morceauPng("tEXt", QByteArray("Title\0Timbre", 12)), bleu600).chopped(4) << boite << QSize(300, 200)
            << 600 / 23.622;
        // Whatever follows the end of a JPEG's picture is never read, whatever it holds.
        QTest::newRow("jpeg progressif suivi de 8 Mo de FF") << jpegSuiviDeFF() << boite << QSize(300, 200) << 300 / 23.6;
        QTest::newRow("jpeg suivi de 25 Mo au hasard") << jpegSuiviDeHasard() << boite << QSize(300, 200) << 300 / 23.6;

        // Scans: each walks the whole picture, whatever it holds.
        QTest::newRow("jpeg progressif, 100 balayages")
            << jpegProgressifBalaye(100) << boite << QSize(64, 64) << 64 / 23.6;
        QTest::newRow("jpeg progressif, 101 balayages") << jpegProgressifBalaye(101) << boite << nulle << 0.0;
        QTest::newRow("jpeg progressif gris 9600 × 9600, 1000 balayages vides")
            << jpegBalaye(9600, 1000, false) << boite << nulle << 0.0;
        QTest::newRow("jpeg progressif gris 9600 × 9600, 20 balayages vides")
            << jpegBalaye(9600, 20, false) << boite << nulle << 0.0;
        QTest::newRow("jpeg progressif arithmétique gris 9600 × 9600, 1000 balayages vides")
            << jpegBalaye(9600, 1000, true) << boite << nulle << 0.0;
    }

    void imageDecodee()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QSize, cadre);
        QFETCH(QSize, attendue);
        QFETCH(double, largeurMm);
        QVERIFY(!octets.isEmpty());
        const QImage image = ImageDepuisOctets(octets, cadre);
        if (!attendue.isValid()) {
            QVERIFY(image.isNull());
            return;
        }
        QCOMPARE(image.size(), attendue);
        const QColor milieu = image.pixelColor(attendue.width() / 2, attendue.height() / 2);
        QVERIFY(milieu.blue() > 200 && milieu.red() < 50);
        QVERIFY(qAbs(image.width() * 1000.0 / image.dotsPerMeterX() - largeurMm) < 0.5);
        QCOMPARE(image.dotsPerMeterY(), image.dotsPerMeterX());
        // A PNG's texts never reach the reader.
        if (octets.startsWith("\x89PNG"))
            QCOMPARE(image.textKeys(), QStringList());
    }

    // Each scan walks the whole store of coefficients, and an arithmetic one costs far more than an empty
    // Huffman one: ten of them over the largest picture the budget holds are too many, where ten Huffman
    // ones are shown.
    void balayagesArithmetiques_data()
    {
        QTest::addColumn<bool>("arithmetique");
        QTest::addColumn<bool>("montree");
        QTest::newRow("huffman") << false << true;
        QTest::newRow("arithmétique") << true << false;
    }

    void balayagesArithmetiques()
    {
        QFETCH(bool, arithmetique);
        QFETCH(bool, montree);
        const QImage image = ImageDepuisOctets(jpegBalaye(9600, 10, arithmetique), QSize(300, 200));
        QCOMPARE(!image.isNull(), montree);
        if (montree)
            QCOMPARE(image.size(), QSize(200, 200));
    }

    // Of a PNG's colour profiles, the one libpng would keep, the last before the picture's data, is all
    // that reaches the readers; and nothing of the bytes is copied to drop the others.
    void unSeulProfil()
    {
        const QByteArray dernier = morceauProfil(QColorSpace::AdobeRgb, "dernier");
        const QByteArray octets = pngAvec(morceauProfil(QColorSpace::DisplayP3).repeated(3) + dernier +
            morceauPng("tEXt", QByteArray("Title\0Timbre", 12)));
        const EnteteImage entete = LireEnteteImage(octets);
        QCOMPARE(entete.format, QByteArray("png"));
        QVERIFY(entete.octets.isSharedWith(octets));
        OctetsRetenus lus(entete);
        QVERIFY(lus.open(QIODevice::ReadOnly));
        const QByteArray qt = lus.readAll();
        QCOMPARE(qt.count("iCCP"), 1);
        QVERIFY(qt.contains(dernier));
        QVERIFY(!qt.contains("tEXt"));
        QCOMPARE(qt.size(), octets.size() - 3 * morceauProfil(QColorSpace::DisplayP3).size() - 12 - 12);
    }

    // What makes the picture reaches Qt whole, only what it carries beside goes: the program decodes it as
    // Qt's own reader does at the same size, pixel for pixel, in the same format and colour space.
    void imageIntacte_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("espace");  // Qt finds a colour space in it
        QByteArray gamma(4, '\0');
        qToBigEndian(quint32(55556), gamma.data());
        QByteArray chromaticites(32, '\0');
        const quint32 points[] = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
        for (int i = 0; i < 8; ++i)
            qToBigEndian(points[i], chromaticites.data() + 4 * i);
        QTest::newRow("png, profil, textes et EXIF") << pngOrdinaire() << true;
        QTest::newRow("png, gamma et chromaticités")
            << pngAvec(morceauPng("gAMA", gamma) + morceauPng("cHRM", chromaticites) + texteCompresse(1000, false)) << true;
        QTest::newRow("png, sRGB") << pngAvec(morceauPng("sRGB", QByteArray(1, '\0')) + morceauPng("tEXt", "Title\0Timbre"))
                                   << true;
        QTest::newRow("png, couleur transparente")
            << pngAvec(morceauPng("tRNS", QByteArray("\0\0\0\0\0\xFF", 6)) + texteCompresse(1000, true)) << false;
        QTest::newRow("jpeg, profil, commentaires et EXIF") << jpegOrdinaire() << true;
        QTest::newRow("png, deux profils") << pngAvec(morceauProfil(QColorSpace::DisplayP3) + morceauProfil(QColorSpace::AdobeRgb))
                                           << true;
    }

    void imageIntacte()
    {
        QFETCH(QByteArray, octets);
        QFETCH(bool, espace);
        const QImage image = ImageDepuisOctets(octets, QSize(300, 200));
        QBuffer tampon(&octets);
        tampon.open(QIODevice::ReadOnly);
        QImageReader lecteur(&tampon);
        lecteur.setScaledSize(image.size());
        const QImage qt = lecteur.read();
        QVERIFY(!qt.isNull());
        QCOMPARE(qt.colorSpace().isValid(), espace);
        QCOMPARE(image.colorSpace(), qt.colorSpace());
        QCOMPARE(image.format(), qt.format());
        QCOMPARE(image, qt);
    }

    // From a file: only a regular file is read; anything else is no picture, as a missing file is.
    void imageDepuisFichier()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString grand = dossier.filePath(QStringLiteral("scan.jpg"));
        QFile f(grand);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(grandJpeg()), grandJpeg().size());
        f.close();
        QCOMPARE(ImageDepuisFichier(grand, QSize(300, 200)).size(), QSize(200, 200));
        // A file's bytes are read whole for the decode alone, and take their share of its memory: the
        // 6000 × 6000 scan as a BMP, shown from bytes already held, is too much once its 108 MB are added;
        // a file larger than all a picture may have is not read, whatever picture it begins with.
        const QString bmp = dossier.filePath(QStringLiteral("scan.bmp"));
        QFile fb(bmp);
        QVERIFY(fb.open(QIODevice::WriteOnly));
        QCOMPARE(fb.write(grandBmp()), grandBmp().size());
        fb.close();
        QVERIFY(ImageDepuisFichier(bmp, QSize(300, 200)).isNull());
        // The 105 MB of a PNG whose text chunk is dropped count once: it is shown, as it would be without it.
        const QString grandPng = dossier.filePath(QStringLiteral("scan.png"));
        {
            QFile fp(grandPng);
            QVERIFY(fp.open(QIODevice::WriteOnly));
            const QByteArray octets = grandPngAvecTexte(8000, 4375);
            QVERIFY(octets.size() > 105'000'000);
            QCOMPARE(fp.write(octets), octets.size());
        }
        QCOMPARE(ImageDepuisFichier(grandPng, QSize(300, 200)).size(), QSize(300, 164));
        QVERIFY(QFile::remove(grandPng));
        QVERIFY(QFile::resize(grand, 192 * 1024 * 1024));
        QVERIFY(ImageDepuisFichier(grand, QSize(300, 200)).isNull());
        QVERIFY(QFile::remove(bmp));
        const QString tube = dossier.filePath(QStringLiteral("tube.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        const QString lienZero = dossier.filePath(QStringLiteral("zero.jpg"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), lienZero));
        const GardeTube garde(tube);
        for (const QString& chemin : {QStringLiteral("/dev/zero"), tube, lienZero, dossier.path(),
                 dossier.filePath(QStringLiteral("absent.jpg")), QString()})
            QVERIFY2(ImageDepuisFichier(chemin, QSize(300, 200)).isNull(), qPrintable(chemin));
        QVERIFY2(!garde.aDuDebloquer(), "the pipe was opened, and waited on");
    }
};

ENREGISTRER_TEST(TestEchelle)
#include "test_echelle.moc"
