#pragma once
// Picture boxes and the one routine that draws every picture: fitted to the box with its proportions
// kept, centred, enlarged when smaller than the box. Pictures are decoded from bytes in memory, or from
// a regular file, by one routine that decodes them at the size they are shown.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>

// A picture box: a canvas of its own size on which pictures are drawn, the rest showing its back colour.
class BoiteImage : public QWidget {
    Q_OBJECT
public:
    explicit BoiteImage(QWidget* parent = nullptr);

    void effacer();
    void dessiner(const QImage& image, const QRectF& cible);
    // What the box shows now (its size, its back colour where nothing is drawn).
    QImage contenu() const { return m_toile; }
    bool estVide() const { return !m_dessine; }
    void definirCouleurFond(const QColor& couleur);
    QColor couleurFond() const { return m_fond; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QImage m_toile;
    QColor m_fond = Qt::white;
    bool m_dessine = false;
};

// The rectangle in which a picture of size `source` is drawn inside a box of size `cible`: the largest
// of the picture's proportions that fits, centred. Empty when either size has no height or no width.
QRectF RectangleAjuste(const QSizeF& source, const QSizeF& cible);

// Clears the box and draws the picture into it, fitted and centred. A null or empty picture leaves it blank.
void AjusterImage(const QImage& source, BoiteImage* cible);

// The largest picture that is decoded at all, each way and in pixels: a header claiming more is taken for
// a damaged one, never for a scan (an A4 page at 1200 dots an inch is half of it).
inline constexpr int CoteMaxImage = 16384;
inline constexpr qint64 PixelsMaxImage = qint64(CoteMaxImage) * CoteMaxImage;
// Without a box to fit, pictures are decoded no larger than this either way: more than a printed
// thumbnail needs, and little enough that no picture costs much to bring down to it.
inline constexpr int CoteMaxSansCadre = 2048;

// The picture held in the bytes of an image file: JPEG, PNG, BMP or GIF, known by its first bytes. A null
// image when they hold none, another format, a header claiming more than CoteMaxImage either way or
// PixelsMaxImage in all, or a picture that decoding would need more memory for than one picture may have
// (192 MB: a BMP, a GIF or a PNG that Qt decodes whole takes up to 8 bytes a pixel, 12 at 16 bits a
// channel; a progressive JPEG 2 to 8; a 6000 × 4000 scan in 8-bit colour passes in any of them; what
// the reader keeps beside the pixels, a JPEG's comments, EXIF and profile or a PNG's profile, counts in
// it, and a PNG's texts never reach the reader), or a JPEG whose scans would walk the whole picture far
// more often than a real one's do. A picture larger than `cadre` (the box it is drawn into, in pixels;
// CoteMaxSansCadre both ways when invalid or empty) is decoded at the largest size that fits it with its
// proportions kept, and its resolution is lowered in step so that its natural size in millimetres stays
// the same. A smaller one is decoded as it is.
QImage ImageDepuisOctets(const QByteArray& octets, const QSize& cadre = {});

// The same from the file at `chemin`, read once and whole; its bytes count in the memory one picture may
// have, so that a file of more than 192 MB is not read at all. Anything that is not a regular file
// (missing, a folder, a device, a pipe) gives a null image without being opened.
QImage ImageDepuisFichier(const QString& chemin, const QSize& cadre = {});
