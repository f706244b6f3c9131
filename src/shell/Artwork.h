#pragma once
// The program's own artwork, drawn when first needed: the splash picture and the product icon.

#include <QImage>

// The splash picture, 500 x 500 pixels.
QImage ImageIntro();
// The product icon, a square of `cote` pixels.
QImage IconeProduit(int cote);
// A picture button's face: a symbol on a coloured tile, `cote` pixels square.
QImage IconeBouton(const QString& symbole, const QColor& couleur, int cote);
// A product's cover: a title on a coloured cover with a stamp, `largeur` x `hauteur` pixels.
QImage CouvertureProduit(const QString& titre, const QColor& couleur, int largeur, int hauteur);
