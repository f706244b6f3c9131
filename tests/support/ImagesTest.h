#pragma once
// Pictures for the cases that show them. Making one needs Qt Gui, which the rules' suites do not link:
// only the screens' suites use them.

#include <QByteArray>
#include <QColor>

// The bytes of a PNG picture of one colour, as the disc's picture columns hold pictures.
QByteArray OctetsPng(const QColor& couleur, int largeur = 20, int hauteur = 20);
