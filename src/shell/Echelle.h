#pragma once
// Screen scaling. The main screens are laid out in twips for a desktop 800 pixels wide; each main
// screen, when it loads, multiplies its own size and every control's position and size by one factor
// derived from the desktop width (capped at 1024 pixels). Fonts are never scaled.

#include <QRect>
#include <QString>

class QWidget;

inline constexpr int TwipsParPixel = 15;

// The desktop width in pixels as last measured, and the layout factor.
extern int LargeurEcran;
extern float FacteurEchelle;

void ResolutionEcran();
// Measures, then sets FacteurEchelle: the width capped at 1024, divided by 800. When nothing could be
// measured the factor computed last stays (1.0 before any).
void CalculerFacteurEchelle();
// The factor for a desktop width, 0 when the width says nothing.
float FacteurPourLargeur(int largeur);

// Places a control in twips, as designed; the twips are kept on the widget so that scaling starts from
// the design, not from rounded pixels. Only controls placed this way are scaled.
void Placer(QWidget* controle, int gauche, int haut, int largeur, int hauteur);
// The design rectangle of a control, in twips (as placed, or as last scaled).
QRect RectangleTwips(const QWidget* controle);
// Sets a screen's design size in twips.
void DimensionnerEcran(QWidget* ecran, int largeur, int hauteur);

// The scaling step at the head of a main screen's load. `versLeCoin`: the screen goes to the top-left
// corner first (every main screen but the collections screen).
void AppliquerEchelle(QWidget* ecran, bool versLeCoin);

// Makes a control of type T named `nom` on `parent`, placed in twips.
template <typename T>
T* CreerControle(QWidget* parent, const QString& nom, int gauche, int haut, int largeur, int hauteur)
{
    auto* c = new T(parent);
    c->setObjectName(nom);
    Placer(c, gauche, haut, largeur, hauteur);
    return c;
}

// The same for a control that shows a caption (label, button, check box, option button).
template <typename T>
T* CreerControle(
    QWidget* parent, const QString& nom, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    auto* c = CreerControle<T>(parent, nom, gauche, haut, largeur, hauteur);
    c->setText(texte);
    return c;
}
