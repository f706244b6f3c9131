#include "shell/Echelle.h"

#include "platform/Ecran.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

int LargeurEcran = 0;
float FacteurEchelle = 1.0f;

namespace {

const char* const ProprieteTwips = "rectangleTwips";

int enPixels(double twips)
{
    return int(std::lround(twips / TwipsParPixel));
}

QRect enPixels(const QRectF& twips)
{
    return QRect(enPixels(twips.x()), enPixels(twips.y()), enPixels(twips.width()), enPixels(twips.height()));
}

void appliquerTwips(QWidget* w, const QRectF& twips)
{
    w->setProperty(ProprieteTwips, twips);
    w->setGeometry(enPixels(twips));
}

// The twips kept on the widget, unless it was moved or sized by other means since: then its geometry.
QRectF rectangleTwipsExact(const QWidget* w)
{
    const QVariant v = w->property(ProprieteTwips);
    const QRect g = w->geometry();
    if (v.isValid() && enPixels(v.toRectF()) == g)
        return v.toRectF();
    return QRectF(g.x() * TwipsParPixel, g.y() * TwipsParPixel, g.width() * TwipsParPixel, g.height() * TwipsParPixel);
}

}  // namespace

float FacteurPourLargeur(int largeur)
{
    if (largeur <= 0)
        return 0.0f;
    if (largeur > 1024)
        return 1.28f;
    return float(double(largeur) / 800.0);
}

void ResolutionEcran()
{
    LargeurEcran = LargeurBureau();
}

void CalculerFacteurEchelle()
{
    ResolutionEcran();
    const float f = FacteurPourLargeur(LargeurEcran);
    if (f > 0.0f)
        FacteurEchelle = f;
}

void Placer(QWidget* controle, int gauche, int haut, int largeur, int hauteur)
{
    appliquerTwips(controle, QRectF(gauche, haut, largeur, hauteur));
}

QRect RectangleTwips(const QWidget* controle)
{
    return rectangleTwipsExact(controle).toRect();
}

void DimensionnerEcran(QWidget* ecran, int largeur, int hauteur)
{
    const QRectF r = rectangleTwipsExact(ecran);
    appliquerTwips(ecran, QRectF(r.x(), r.y(), largeur, hauteur));
}

void AppliquerEchelle(QWidget* ecran, bool versLeCoin)
{
    QRectF r = rectangleTwipsExact(ecran);
    if (versLeCoin)
        r.moveTopLeft(QPointF(0, 0));
    CalculerFacteurEchelle();
    const double f = FacteurEchelle;
    appliquerTwips(ecran, QRectF(r.x(), r.y(), r.width() * f, r.height() * f));
    // Every control of the screen, inside frames and the tab bar too; the widgets Qt makes inside a
    // control (scroll bars, the tab strip itself) were not placed by us and keep their own layout.
    const QList<QWidget*> controles = ecran->findChildren<QWidget*>();
    for (QWidget* c : controles) {
        if (!c->property(ProprieteTwips).isValid())
            continue;
        const QRectF t = rectangleTwipsExact(c);
        appliquerTwips(c, QRectF(t.x() * f, t.y() * f, t.width() * f, t.height() * f));
    }
}
