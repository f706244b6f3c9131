#pragma once
// The program's own artwork, drawn when first needed: the splash picture and the product icon.

#include <QImage>

// The splash picture, 500 x 500 pixels.
QImage ImageIntro();
// The product icon, a square of `cote` pixels.
QImage IconeProduit(int cote);
