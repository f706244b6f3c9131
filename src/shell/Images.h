#pragma once
// Picture boxes and the one routine that draws every picture: fitted to the box with its proportions
// kept, centred, enlarged when smaller than the box. Pictures are decoded from bytes in memory.

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

// The picture held in the bytes of an image file (JPEG, PNG, BMP, GIF); a null image when they hold none.
QImage ImageDepuisOctets(const QByteArray& octets);
