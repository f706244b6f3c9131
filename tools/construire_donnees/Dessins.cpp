#include "Dessins.h"

#include "search/CarteDepartements.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <optional>

namespace {

// Every stamp is drawn in this logical box (perforation included) and scaled to its target.
constexpr double LargeurTimbre = 280.0;
constexpr double HauteurTimbre = 340.0;
// 280 = 20 x 14 and 340 = 24 x 14.17: the holes line up from one stamp of a sheet to the next.
constexpr double PasDentsX = LargeurTimbre / 20.0;
constexpr double PasDentsY = HauteurTimbre / 24.0;
constexpr double RayonDent = 4.6;

constexpr int QualiteJpeg = 85;

const QColor CouleurFond(0x9c, 0x97, 0x8d);  // the album page behind the stamps
const QColor PapierOrdinaire(0xfb, 0xf8, 0xef);
const QColor EncreObliteration(0x1e, 0x1e, 0x22);

const QString FamilleSans = QStringLiteral("DejaVu Sans");
const QString FamilleSerif = QStringLiteral("Liberation Serif");

struct Palette {
    QColor encre;
    QColor papier;

    // A lighter shade of the ink, as an engraver's hatching would give.
    QColor teinte(double force) const
    {
        return QColor::fromRgbF(papier.redF() + (encre.redF() - papier.redF()) * force,
            papier.greenF() + (encre.greenF() - papier.greenF()) * force,
            papier.blueF() + (encre.blueF() - papier.blueF()) * force);
    }
};

// Our own hash rather than qHash: qHash is seeded per process and may use hardware
// instructions, and the pictures must come out byte for byte the same on every build machine.
quint32 Empreinte(const QString& texte)
{
    quint32 h = 2166136261u;
    for (const char c : texte.toUtf8()) {
        h ^= static_cast<quint8>(c);
        h *= 16777619u;
    }
    // Final mix, so that the low bits used for the choices below are well spread.
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}

QColor Melange(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t);
}

struct MotCouleur {
    const char* racine;
    QRgb teinte;
};

// Matched on the start of each word, so that "bleue", "violette" or "grisâtre" are found too.
constexpr std::array<MotCouleur, 16> MotsCouleur {{
    {"noir", 0x1c1c1c},
    {"rouge", 0xc0262d},
    {"carmin", 0xa4133c},
    {"bleu", 0x1f4e9c},
    {"vert", 0x2e7d3a},
    {"brun", 0x6b4226},
    {"violet", 0x6a3d8f},
    {"orange", 0xd96a14},
    {"jaune", 0xc9a012},
    {"rose", 0xd45c84},
    {"gris", 0x6e6e6e},
    {"outremer", 0x2a3fa8},
    {"lilas", 0x9874b3},
    {"olive", 0x66752a},
    {"bistre", 0x86663a},
    {"blanc", 0xffffff},
}};

std::optional<QColor> CouleurDuMot(const QString& mot)
{
    for (const MotCouleur& m : MotsCouleur) {
        if (mot.startsWith(QLatin1String(m.racine)))
            return QColor(m.teinte);
    }
    return std::nullopt;
}

// The first colour word of the text, read as the ink; "sur X" names the paper.
struct CouleursLues {
    std::optional<QColor> encre;
    std::optional<QColor> papier;
};

CouleursLues LireCouleurs(const QString& texte)
{
    static const QRegularExpression separateurs(QStringLiteral("[^\\p{L}]+"));
    CouleursLues lues;
    bool apresSur = false;
    for (const QString& mot : texte.toLower().split(separateurs, Qt::SkipEmptyParts)) {
        if (mot == QLatin1String("sur")) {
            apresSur = true;
            continue;
        }
        const std::optional<QColor> c = CouleurDuMot(mot);
        if (!c)
            continue;
        if (apresSur && !lues.papier)
            lues.papier = c;
        else if (!apresSur && !lues.encre && *c != QColor(Qt::white))
            lues.encre = c;
    }
    return lues;
}

QColor CouleurDeSecours(quint32 h)
{
    return QColor::fromHsv(static_cast<int>(h % 360), 170, 135);
}

Palette PaletteDe(const QString& couleurs, quint32 h)
{
    const CouleursLues lues = LireCouleurs(couleurs);
    Palette p;
    p.encre = lues.encre.value_or(CouleurDeSecours(h));
    // Tinted papers are pale: a full-strength yellow sheet would swallow the ink.
    p.papier = lues.papier ? Melange(PapierOrdinaire, *lues.papier, 0.22) : PapierOrdinaire;
    return p;
}

bool EstRubrique(const SujetTimbre& s, const char* code)
{
    return s.rubrique.trimmed().compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

QFont Police(const QString& famille, int taillePixels, bool gras)
{
    QFont f(famille);
    f.setPixelSize(std::max(1, taillePixels));
    f.setBold(gras);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Writes the text at the largest size that fits the zone, down to tailleMin, then elides.
void EcrireAjuste(QPainter& p, const QRectF& zone, const QString& texte, QFont police, int alignement,
    int tailleMin = 6, bool retourLigne = false)
{
    if (texte.isEmpty())
        return;
    int taille = police.pixelSize();
    for (; taille > tailleMin; --taille) {
        police.setPixelSize(taille);
        const QFontMetricsF fm(police);
        if (retourLigne) {
            const QRectF r = fm.boundingRect(zone, alignement | Qt::TextWordWrap, texte);
            if (r.width() <= zone.width() + 0.5 && r.height() <= zone.height() + 0.5)
                break;
        } else if (fm.horizontalAdvance(texte) <= zone.width() && fm.height() <= zone.height() + 0.5) {
            break;
        }
    }
    police.setPixelSize(taille);
    p.setFont(police);
    if (retourLigne) {
        p.drawText(zone, alignement | Qt::TextWordWrap, texte);
    } else {
        const QFontMetricsF fm(police);
        p.drawText(zone, alignement, fm.elidedText(texte, Qt::ElideRight, zone.width()));
    }
}

// Characters set along an arc, reading left to right: over the top or under the bottom.
void EcrireEnArc(
    QPainter& p, const QPointF& centre, double rayon, const QString& texte, const QFont& police, bool enHaut)
{
    const QFontMetricsF fm(police);
    p.setFont(police);
    const double etendue = fm.horizontalAdvance(texte) / rayon;
    double angle = enHaut ? -std::numbers::pi / 2 - etendue / 2 : std::numbers::pi / 2 + etendue / 2;
    for (const QChar c : texte) {
        const double largeur = fm.horizontalAdvance(c);
        const double demi = largeur / 2 / rayon;
        const double milieu = enHaut ? angle + demi : angle - demi;
        p.save();
        p.translate(centre + QPointF(std::cos(milieu) * rayon, std::sin(milieu) * rayon));
        p.rotate(milieu * 180 / std::numbers::pi + (enHaut ? 90 : -90));
        p.drawText(QPointF(-largeur / 2, 0), QString(c));
        p.restore();
        angle = enHaut ? angle + 2 * demi : angle - 2 * demi;
    }
}

// Holes along a line: at origine + k * pas, inside [debut, fin]. Drawn in the colour of
// what lies behind, so on an edge they become the semicircle bites of the perforation.
void Percer(
    QPainter& p, bool vertical, double fixe, double debut, double fin, double origine, double pas, const QColor& fond)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    const double k0 = std::ceil((debut - origine) / pas - 1e-6);
    for (double k = k0;; ++k) {
        const double pos = origine + k * pas;
        if (pos > fin + 1e-6)
            break;
        const QPointF c = vertical ? QPointF(fixe, pos) : QPointF(pos, fixe);
        p.drawEllipse(c, RayonDent, RayonDent);
    }
}

// Logical stamp coordinates mapped onto the target rectangle.
void PlacerTimbre(QPainter& p, const QRectF& cible)
{
    p.translate(cible.topLeft());
    p.scale(cible.width() / LargeurTimbre, cible.height() / HauteurTimbre);
}

// ---------------------------------------------------------------------------------------------
// Central motifs

const QRectF ZoneMotif(30, 56, 220, 156);

void PeindreMedaillon(QPainter& p, const Palette& pal, quint32 h)
{
    const QPointF c = ZoneMotif.center();
    p.setPen(QPen(pal.encre, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 74, 74);

    p.setPen(Qt::NoPen);
    p.setBrush(pal.encre);
    for (int i = 0; i < 36; ++i) {
        const double a = i * 2 * std::numbers::pi / 36;
        p.drawEllipse(c + QPointF(std::cos(a) * 68, std::sin(a) * 68), 1.6, 1.6);
    }

    p.setPen(QPen(pal.encre, 1.2));
    p.setBrush(pal.teinte(0.15));
    p.drawEllipse(c, 62, 62);

    const int branches = 5 + static_cast<int>((h >> 3) % 8);
    QPolygonF etoile;
    for (int i = 0; i < branches * 2; ++i) {
        const double r = (i % 2 == 0) ? 58 : 28;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / branches;
        etoile << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    p.setPen(QPen(pal.encre, 1));
    p.setBrush(pal.teinte(0.55));
    p.drawPolygon(etoile);

    p.setPen(QPen(pal.encre, 1.5));
    p.setBrush(pal.papier);
    p.drawEllipse(c, 24, 24);
    p.setPen(pal.encre);
    p.setFont(Police(FamilleSerif, 22, true));
    p.drawText(QRectF(c.x() - 24, c.y() - 24, 48, 48), Qt::AlignCenter, QStringLiteral("RF"));

    // Small lozenges in the corners of the motif zone, as on engraved frames.
    p.setPen(Qt::NoPen);
    p.setBrush(pal.encre);
    const QRectF coins = ZoneMotif.adjusted(10, 10, -10, -10);
    for (const QPointF& q : {coins.topLeft(), coins.topRight(), coins.bottomLeft(), coins.bottomRight()}) {
        p.drawPolygon(QPolygonF {q + QPointF(0, -6), q + QPointF(5, 0), q + QPointF(0, 6), q + QPointF(-5, 0)});
    }
}

void PeindreProfil(QPainter& p, const Palette& pal, quint32 h)
{
    const QPointF c = ZoneMotif.center();
    const double rx = 62, ry = 74;

    p.save();
    QPainterPath ovale;
    ovale.addEllipse(c, rx - 4, ry - 4);
    p.setClipPath(ovale, Qt::IntersectClip);
    p.fillPath(ovale, pal.papier);
    p.setPen(QPen(pal.teinte(0.45), 0.9));
    for (double y = c.y() - ry; y < c.y() + ry; y += 4)
        p.drawLine(QPointF(c.x() - rx, y), QPointF(c.x() + rx, y));

    // A head in profile, facing left or right.
    p.translate(c + QPointF(0, 6));
    if ((h >> 5) & 1)
        p.scale(-1, 1);
    QPainterPath tete;
    tete.moveTo(-24, 80);
    tete.lineTo(-18, 22);
    tete.cubicTo(-34, 6, -36, -30, -14, -48);
    tete.cubicTo(2, -58, 22, -48, 26, -30);
    tete.lineTo(28, -16);
    tete.lineTo(37, -2);
    tete.lineTo(29, 3);
    tete.cubicTo(32, 8, 28, 11, 30, 14);
    tete.cubicTo(28, 18, 30, 20, 27, 24);
    tete.cubicTo(24, 32, 16, 32, 12, 32);
    tete.lineTo(12, 46);
    tete.cubicTo(16, 60, 26, 70, 34, 80);
    tete.closeSubpath();
    p.setPen(QPen(pal.encre, 2));
    p.setBrush(pal.teinte(0.12));
    p.drawPath(tete);

    // Hair gathered at the back of the head.
    p.setPen(QPen(pal.encre, 1));
    p.setBrush(pal.teinte(0.6));
    p.drawEllipse(QPointF(-20, -6), 13, 16);
    // A wreath of leaves over the crown.
    p.setBrush(pal.teinte(0.75));
    for (int i = 0; i < 7; ++i) {
        const double a = std::numbers::pi * (1.05 + i * 0.13);
        const QPointF f(std::cos(a) * 34, -10 + std::sin(a) * 34);
        p.save();
        p.translate(f);
        p.rotate(a * 180 / std::numbers::pi + 90);
        p.drawEllipse(QPointF(0, 0), 7, 3.2);
        p.restore();
    }
    p.setPen(QPen(pal.encre, 1.6));
    p.drawLine(QPointF(14, -16), QPointF(21, -15));
    p.restore();

    p.setPen(QPen(pal.encre, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(pal.encre, 1));
    p.drawEllipse(c, rx - 4, ry - 4);
}

void PeindrePaysage(QPainter& p, const Palette& pal, quint32 h)
{
    const QRectF cadre = ZoneMotif.adjusted(6, 4, -6, -4);
    QPainterPath bord;
    bord.addRoundedRect(cadre, 6, 6);

    p.save();
    p.setClipPath(bord, Qt::IntersectClip);
    p.fillPath(bord, pal.papier);
    p.setPen(QPen(pal.teinte(0.35), 0.8));
    for (double y = cadre.top() + 3; y < cadre.bottom(); y += 5)
        p.drawLine(QPointF(cadre.left(), y), QPointF(cadre.right(), y));

    // Sun and its rays.
    const double xSoleil = cadre.left() + 40 + (h >> 7) % 120;
    const QPointF soleil(xSoleil, cadre.top() + 36);
    p.setPen(QPen(pal.encre, 1.2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        p.drawLine(
            soleil + QPointF(std::cos(a) * 18, std::sin(a) * 18), soleil + QPointF(std::cos(a) * 25, std::sin(a) * 25));
    }
    p.setBrush(pal.papier);
    p.drawEllipse(soleil, 14, 14);

    const double b = cadre.bottom();
    QPainterPath lointaines;
    lointaines.moveTo(cadre.left(), b - 50);
    lointaines.quadTo(cadre.left() + 50, b - 95, cadre.left() + 100, b - 60);
    lointaines.quadTo(cadre.left() + 150, b - 100, cadre.right(), b - 55);
    lointaines.lineTo(cadre.right(), b);
    lointaines.lineTo(cadre.left(), b);
    lointaines.closeSubpath();
    p.setPen(QPen(pal.encre, 1));
    p.setBrush(pal.teinte(0.4));
    p.drawPath(lointaines);

    QPainterPath proche;
    proche.moveTo(cadre.left(), b - 28);
    proche.quadTo(cadre.center().x(), b - 58, cadre.right(), b - 24);
    proche.lineTo(cadre.right(), b);
    proche.lineTo(cadre.left(), b);
    proche.closeSubpath();
    p.setBrush(pal.teinte(0.85));
    p.drawPath(proche);

    // A landmark on the near hill: a tower, a tree or a church.
    const double xSujet = cadre.left() + 60 + (h >> 12) % 80;
    const double sol = b - 38;
    p.setPen(QPen(pal.encre, 1));
    switch ((h >> 17) % 3) {
    case 0: {
        p.setBrush(pal.teinte(0.2));
        p.drawRect(QRectF(xSujet - 12, sol - 58, 24, 60));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(xSujet - 14 + i * 10, sol - 66, 8, 8));
        p.setBrush(pal.encre);
        p.drawRect(QRectF(xSujet - 4, sol - 46, 8, 12));
        break;
    }
    case 1: {
        p.setBrush(pal.encre);
        p.drawRect(QRectF(xSujet - 3, sol - 28, 6, 30));
        p.setBrush(pal.teinte(0.7));
        p.drawEllipse(QPointF(xSujet, sol - 44), 22, 20);
        p.drawEllipse(QPointF(xSujet - 14, sol - 32), 12, 10);
        p.drawEllipse(QPointF(xSujet + 14, sol - 32), 12, 10);
        break;
    }
    default: {
        p.setBrush(pal.teinte(0.2));
        p.drawRect(QRectF(xSujet - 22, sol - 26, 34, 28));
        p.drawPolygon(QPolygonF {{xSujet - 25, sol - 26}, {xSujet - 5, sol - 42}, {xSujet + 15, sol - 26}});
        p.drawRect(QRectF(xSujet + 12, sol - 44, 14, 46));
        p.setBrush(pal.encre);
        p.drawPolygon(QPolygonF {{xSujet + 10, sol - 44}, {xSujet + 19, sol - 72}, {xSujet + 28, sol - 44}});
        break;
    }
    }

    // Water at the foot of the hills.
    p.setPen(QPen(pal.papier, 1.4));
    for (int ligne = 0; ligne < 3; ++ligne) {
        const double y = b - 16 + ligne * 5;
        QPainterPath vague;
        vague.moveTo(cadre.left(), y);
        for (double x = cadre.left(); x < cadre.right(); x += 16)
            vague.quadTo(x + 4, y - 2.5, x + 8, y), vague.quadTo(x + 12, y + 2.5, x + 16, y);
        p.setBrush(Qt::NoBrush);
        p.drawPath(vague);
    }
    p.restore();

    p.setPen(QPen(pal.encre, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bord);
}

void PeindreChiffreTaxe(QPainter& p, const Palette& pal)
{
    const QPointF c = ZoneMotif.center();
    p.setPen(QPen(pal.encre, 3));
    p.setBrush(pal.teinte(0.12));
    p.drawEllipse(c, 70, 70);
    p.setPen(QPen(pal.encre, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 64, 64);
    p.setPen(pal.encre);
    p.setFont(Police(FamilleSerif, 120, true));
    p.drawText(QRectF(c.x() - 70, c.y() - 66, 140, 140), Qt::AlignCenter, QStringLiteral("T"));
}

// A plane seen from above, nose towards the upper right.
void PeindreAvion(QPainter& p, const Palette& pal, const QPointF& position)
{
    QPainterPath avion;
    avion.setFillRule(Qt::WindingFill);
    avion.addEllipse(QRectF(-26, -3.8, 52, 7.6));
    avion.addPolygon(QPolygonF {{6, -3}, {-3, -28}, {-10, -28}, {-6, -3}});
    avion.addPolygon(QPolygonF {{6, 3}, {-3, 28}, {-10, 28}, {-6, 3}});
    avion.addPolygon(QPolygonF {{-17, -2}, {-23, -11}, {-27, -11}, {-25, -2}});
    avion.addPolygon(QPolygonF {{-17, 2}, {-23, 11}, {-27, 11}, {-25, 2}});
    avion = avion.simplified();

    p.save();
    p.translate(position);
    p.rotate(-25);
    p.setPen(QPen(pal.papier, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(avion);
    p.fillPath(avion, pal.encre);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// The stamp

// Everything printed on the stamp, in logical coordinates, without the paper.
void PeindreDessin(QPainter& p, const SujetTimbre& s, const Palette& pal, quint32 h)
{
    const bool taxe = EstRubrique(s, "TT");

    p.setPen(QPen(pal.encre, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(16, 16, 248, 300));
    p.setPen(QPen(pal.encre, 1));
    p.drawRect(QRectF(20, 20, 240, 292));

    p.fillRect(QRectF(22, 22, 236, 28), pal.encre);
    p.setPen(pal.papier);
    QFont bandeau = Police(FamilleSans, 15, true);
    bandeau.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    EcrireAjuste(p, QRectF(28, 22, 224, 28), QStringLiteral("REPUBLIQUE FRANÇAISE"), bandeau, Qt::AlignCenter);

    if (taxe) {
        PeindreChiffreTaxe(p, pal);
    } else {
        switch (h % 3) {
        case 0:
            PeindreMedaillon(p, pal, h);
            break;
        case 1:
            PeindreProfil(p, pal, h);
            break;
        default:
            PeindrePaysage(p, pal, h);
            break;
        }
    }
    if (EstRubrique(s, "AE"))
        PeindreAvion(p, pal, QPointF(212, 88));

    const QString valeur = s.valeurFaciale.trimmed();
    const QString mention = taxe ? QStringLiteral("CHIFFRE TAXE") : QStringLiteral("POSTES");
    p.setPen(pal.encre);
    const QRectF ligne(28, 214, 224, 16);
    if (!valeur.isEmpty())
        EcrireAjuste(p, ligne, mention, Police(FamilleSans, 12, true), Qt::AlignLeft | Qt::AlignVCenter);
    EcrireAjuste(p, ligne, s.annee.trimmed(), Police(FamilleSans, 12, true), Qt::AlignRight | Qt::AlignVCenter);

    // The face value in a cartouche; with no value, the mention takes its place.
    const QString gros = valeur.isEmpty() ? mention : valeur;
    QFont policeValeur = Police(FamilleSerif, 44, true);
    {
        const double largeurMax = 200;
        while (policeValeur.pixelSize() > 14 && QFontMetricsF(policeValeur).horizontalAdvance(gros) > largeurMax)
            policeValeur.setPixelSize(policeValeur.pixelSize() - 1);
        const double largeur = std::min(largeurMax, QFontMetricsF(policeValeur).horizontalAdvance(gros));
        const QRectF cartouche(140 - largeur / 2 - 12, 234, largeur + 24, 50);
        p.setPen(QPen(pal.encre, 1.5));
        p.setBrush(pal.teinte(0.08));
        p.drawRoundedRect(cartouche, 10, 10);
        p.setPen(pal.encre);
        EcrireAjuste(p, cartouche.adjusted(10, 0, -10, 0), gros, policeValeur, Qt::AlignCenter, 10);
    }

    p.setPen(pal.encre);
    EcrireAjuste(
        p, QRectF(26, 288, 228, 20), s.designation.trimmed(), Police(FamilleSans, 11, false), Qt::AlignCenter, 8);

    // The catalogue number, small, in the bottom margin.
    p.setPen(pal.teinte(0.6));
    EcrireAjuste(p, QRectF(20, 318, 244, 12), s.dallay.trimmed(), Police(FamilleSans, 9, false),
        Qt::AlignRight | Qt::AlignVCenter, 6);
}

void PeindrePapierDentele(QPainter& p, const Palette& pal, const QColor& fond)
{
    p.fillRect(QRectF(0, 0, LargeurTimbre, HauteurTimbre), pal.papier);
    Percer(p, false, 0, 0, LargeurTimbre, 0, PasDentsX, fond);
    Percer(p, false, HauteurTimbre, 0, LargeurTimbre, 0, PasDentsX, fond);
    Percer(p, true, 0, 0, HauteurTimbre, 0, PasDentsY, fond);
    Percer(p, true, LargeurTimbre, 0, HauteurTimbre, 0, PasDentsY, fond);
}

struct Timbre {
    SujetTimbre sujet;
    quint32 h;
    Palette pal;

    explicit Timbre(const SujetTimbre& s)
        : sujet(s), h(Empreinte(s.dallay.trimmed())), pal(PaletteDe(s.couleurs, h)) { }

    // A single perforated stamp, filling the target rectangle.
    void peindre(QPainter& p, const QRectF& cible, const QColor& fond) const
    {
        p.save();
        PlacerTimbre(p, cible);
        PeindrePapierDentele(p, pal, fond);
        PeindreDessin(p, sujet, pal, h);
        p.restore();
    }
};

QImage NouvelleImage(int largeur, int hauteur, const QColor& fond)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(fond);
    return image;
}

void Preparer(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QByteArray Encoder(const QImage& image, const char* format, int qualite)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&tampon, format, qualite);
    return octets;
}

QImage ImageTimbre(const SujetTimbre& s)
{
    const Timbre t(s);
    QImage image = NouvelleImage(300, 360, CouleurFond);
    QPainter p(&image);
    Preparer(p);
    t.peindre(p, QRectF(10, 10, LargeurTimbre, HauteurTimbre), CouleurFond);
    return image;
}

// ---------------------------------------------------------------------------------------------
// Illustrations

// A piece of a sheet: cols x rows stamps, with a straight-cut margin on the top and left
// when margeCoin > 0, torn along the perforation elsewhere.
void PeindreMorceauFeuille(
    QPainter& p, const Timbre& t, const QRectF& cible, int colonnes, int rangees, double margeCoin, const QColor& fond)
{
    const double largeur = margeCoin + colonnes * LargeurTimbre;
    const double hauteur = margeCoin + rangees * HauteurTimbre;
    const double echelle = std::min(cible.width() / largeur, cible.height() / hauteur);
    p.save();
    p.translate(cible.center().x() - largeur * echelle / 2, cible.center().y() - hauteur * echelle / 2);
    p.scale(echelle, echelle);

    p.fillRect(QRectF(0, 0, largeur, hauteur), t.pal.papier);
    for (int r = 0; r < rangees; ++r) {
        for (int c = 0; c < colonnes; ++c) {
            p.save();
            p.translate(margeCoin + c * LargeurTimbre, margeCoin + r * HauteurTimbre);
            PeindreDessin(p, t.sujet, t.pal, t.h);
            p.restore();
        }
    }
    // The perforation runs through the sheet margin up to the cut edge.
    const double debutMarge = margeCoin > 0 ? RayonDent + 2 : 0;
    for (int c = 0; c <= colonnes; ++c)
        Percer(p, true, margeCoin + c * LargeurTimbre, debutMarge, hauteur, margeCoin, PasDentsY, fond);
    for (int r = 0; r <= rangees; ++r)
        Percer(p, false, margeCoin + r * HauteurTimbre, debutMarge, largeur, margeCoin, PasDentsX, fond);
    if (margeCoin <= 0) {
        Percer(p, false, 0, 0, largeur, 0, PasDentsX, fond);
        Percer(p, true, 0, 0, hauteur, 0, PasDentsY, fond);
    } else {
        // Register cross in the corner of the sheet.
        const QPointF croix(margeCoin / 2, margeCoin / 2);
        p.setPen(QPen(t.pal.encre, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(croix, 14, 14);
        p.drawLine(croix - QPointF(22, 0), croix + QPointF(22, 0));
        p.drawLine(croix - QPointF(0, 22), croix + QPointF(0, 22));
    }
    p.restore();
}

void PeindreDetail(QPainter& p, const Timbre& t, const QColor& fond)
{
    const QRectF petit(24, 41, LargeurTimbre * 0.7, HauteurTimbre * 0.7);
    t.peindre(p, petit, fond);

    const std::array<QPointF, 3> pointsVus {QPointF(140, 134), QPointF(140, 258), QPointF(44, 44)};
    const QPointF vu = pointsVus[(t.h >> 9) % 3];
    const double echelleLoupe = 0.7 * 3;
    const QPointF centreLoupe(350, 160);
    const double rayonLoupe = 122;
    const QPointF vuSurPetit = petit.topLeft() + vu * 0.7;
    const double rayonVu = rayonLoupe / echelleLoupe * 0.7;

    const QColor monture(0x3a, 0x36, 0x30);
    p.setPen(QPen(monture, 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawLine(vuSurPetit + QPointF(0, -rayonVu), centreLoupe + QPointF(0, -rayonLoupe));
    p.drawLine(vuSurPetit + QPointF(0, rayonVu), centreLoupe + QPointF(0, rayonLoupe));
    p.setPen(QPen(monture, 2));
    p.drawEllipse(vuSurPetit, rayonVu, rayonVu);

    p.save();
    QPainterPath lentille;
    lentille.addEllipse(centreLoupe, rayonLoupe, rayonLoupe);
    p.setClipPath(lentille);
    p.fillPath(lentille, fond);
    p.translate(centreLoupe - vu * echelleLoupe);
    p.scale(echelleLoupe, echelleLoupe);
    PeindrePapierDentele(p, t.pal, fond);
    PeindreDessin(p, t.sujet, t.pal, t.h);
    p.restore();

    p.setPen(QPen(monture, 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centreLoupe, rayonLoupe, rayonLoupe);
}

// ---------------------------------------------------------------------------------------------
// Cancellations, drawn in image coordinates over a stamp

void PeindreLosange(QPainter& p, quint32 h, const QColor& encre)
{
    const double a = 94, b = 74, pas = 8.4;
    for (double y = -b; y <= b; y += pas) {
        for (double x = -a; x <= a; x += pas) {
            const double d = std::abs(x) / a + std::abs(y) / b;
            if (d <= 1.0 && d >= 0.4)
                p.drawEllipse(QPointF(x, y), 2.4, 2.4);
        }
    }
    p.setPen(encre);
    p.setFont(Police(FamilleSans, 20, true));
    p.drawText(QRectF(-40, -16, 80, 32), Qt::AlignCenter, QString::number(1 + (h >> 4) % 4999));
}

void PeindreCachetDate(QPainter& p, const SujetTimbre& s, quint32 h, const QColor& encre)
{
    static const QStringList villes {QStringLiteral("PARIS"), QStringLiteral("LYON"), QStringLiteral("MARSEILLE"),
        QStringLiteral("BORDEAUX"), QStringLiteral("LILLE"), QStringLiteral("NANTES"), QStringLiteral("ROUEN"),
        QStringLiteral("TOULOUSE"), QStringLiteral("STRASBOURG"), QStringLiteral("DIJON"), QStringLiteral("ORLEANS"),
        QStringLiteral("NANCY")};
    static const QStringList mois {QStringLiteral("JANV"), QStringLiteral("FEVR"), QStringLiteral("MARS"),
        QStringLiteral("AVRIL"), QStringLiteral("MAI"), QStringLiteral("JUIN"), QStringLiteral("JUIL"),
        QStringLiteral("AOUT"), QStringLiteral("SEPT"), QStringLiteral("OCT"), QStringLiteral("NOV"),
        QStringLiteral("DEC")};

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(encre, 3.5));
    p.drawEllipse(QPointF(0, 0), 66, 66);
    p.setPen(QPen(encre, 2));
    p.drawEllipse(QPointF(0, 0), 42, 42);

    p.setPen(encre);
    EcrireEnArc(
        p, QPointF(0, 0), 47, villes[static_cast<int>((h >> 6) % villes.size())], Police(FamilleSans, 14, true), true);
    EcrireEnArc(
        p, QPointF(0, 0), 60, QStringLiteral("(%1)").arg(1 + (h >> 10) % 89), Police(FamilleSans, 13, true), false);

    const QString date = QStringLiteral("%1 %2").arg(1 + (h >> 14) % 28).arg(mois[static_cast<int>((h >> 19) % 12)]);
    p.setFont(Police(FamilleSans, 13, true));
    const QString annee = s.annee.trimmed();
    if (annee.isEmpty()) {
        p.drawText(QRectF(-40, -10, 80, 20), Qt::AlignCenter, date);
    } else {
        p.drawText(QRectF(-40, -20, 80, 20), Qt::AlignCenter, date);
        p.drawText(QRectF(-40, 0, 80, 20), Qt::AlignCenter, annee);
    }
}

void PeindreGrille(QPainter& p)
{
    QPainterPath contour;
    contour.addEllipse(QPointF(0, 0), 92, 66);
    p.save();
    p.setClipPath(contour, Qt::IntersectClip);
    for (double y = -66; y < 66; y += 12.5)
        p.drawRect(QRectF(-92, y + 2.5, 184, 7));
    p.restore();
}

void PeindreMarqueRonde(QPainter& p, const QColor& encre)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(encre, 4));
    p.drawEllipse(QPointF(0, 0), 58, 58);
    p.setPen(QPen(encre, 2));
    p.drawEllipse(QPointF(0, 0), 46, 46);
    QPolygonF etoile;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 30 : 12;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        etoile << QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(encre);
    p.drawPolygon(etoile);
}

void PeindreObliteration(
    QPainter& p, const SujetTimbre& s, const QString& designation, const QPointF& centre, double echelle)
{
    const quint32 h = Empreinte(s.dallay.trimmed() + QLatin1Char('|') + designation);
    // A red or blue cancellation is named in the designation; black otherwise.
    const QColor encre = LireCouleurs(designation).encre.value_or(EncreObliteration);
    const QString nom = designation.toLower();

    p.save();
    p.translate(
        centre + QPointF(static_cast<int>((h >> 20) % 41) - 20, static_cast<int>((h >> 26) % 41) - 20) * echelle);
    p.scale(echelle, echelle);
    p.rotate(static_cast<int>(h % 31) - 15);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setOpacity(0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(encre);
    if (nom.contains(QLatin1String("losange")))
        PeindreLosange(p, h, encre);
    else if (nom.contains(QLatin1String("cachet")))
        PeindreCachetDate(p, s, h, encre);
    else if (nom.contains(QLatin1String("grille")))
        PeindreGrille(p);
    else
        PeindreMarqueRonde(p, encre);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Glossary pictures

void PeindreEmbleme(QPainter& p, const QRectF& zone, const Palette& pal)
{
    const QPointF c = zone.center();
    const double r = std::min(zone.width(), zone.height()) / 2 - 4;
    QPolygonF rosace;
    for (int i = 0; i < 48; ++i) {
        const double rr = (i % 2 == 0) ? r : r * 0.88;
        const double a = i * std::numbers::pi / 24;
        rosace << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
    }
    p.setPen(QPen(pal.encre, 1.5));
    p.setBrush(pal.teinte(0.25));
    p.drawPolygon(rosace);
    p.setBrush(pal.papier);
    p.drawEllipse(c, r * 0.78, r * 0.78);
    p.setPen(QPen(pal.encre, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.72, r * 0.72);

    // A star above and below the ribbon that will cross the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(pal.encre);
    for (const double dy : {-r * 0.5, r * 0.5}) {
        QPolygonF etoile;
        for (int i = 0; i < 10; ++i) {
            const double rr = (i % 2 == 0) ? 11 : 4.5;
            const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            etoile << c + QPointF(std::cos(a) * rr, dy + std::sin(a) * rr);
        }
        p.drawPolygon(etoile);
    }
}

}  // namespace

QByteArray DessinerTimbre(const SujetTimbre& s)
{
    return Encoder(ImageTimbre(s), "JPEG", QualiteJpeg);
}

QByteArray DessinerVignette(const SujetTimbre& s)
{
    // Drawn full size then reduced: small text drawn directly at this size would be mush.
    const QImage vignette = ImageTimbre(s).scaled(75, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Encoder(vignette, "JPEG", QualiteJpeg);
}

QByteArray DessinerIllustration(const SujetTimbre& s, int numero)
{
    const Timbre t(s);
    QImage image = NouvelleImage(480, 320, CouleurFond);
    QPainter p(&image);
    Preparer(p);
    // Consecutive numbers always give different kinds of view.
    const int sorte = (static_cast<int>(t.h % 3) + numero % 3 + 3) % 3;
    const QRectF zone(14, 14, 452, 292);
    switch (sorte) {
    case 0:
        PeindreMorceauFeuille(p, t, zone, 4, 2, 70, CouleurFond);
        break;
    case 1:
        PeindreMorceauFeuille(p, t, zone, 2, 2, 0, CouleurFond);
        break;
    default:
        PeindreDetail(p, t, CouleurFond);
        break;
    }
    p.end();
    return Encoder(image, "JPEG", QualiteJpeg);
}

QByteArray DessinerVariete(const SujetTimbre& s, const QString& designationVariete)
{
    const Timbre t(s);
    QImage image = NouvelleImage(300, 360, CouleurFond);
    QPainter p(&image);
    Preparer(p);

    static const QRegularExpression nonDentele(
        QStringLiteral("non[\\s-]*dentel"), QRegularExpression::CaseInsensitiveOption);
    const double echelle = 0.82;
    const QRectF cible(150 - LargeurTimbre * echelle / 2, 14, LargeurTimbre * echelle, HauteurTimbre * echelle);
    p.save();
    PlacerTimbre(p, cible);
    if (nonDentele.match(designationVariete).hasMatch()) {
        // Cut with scissors: uneven margins, no holes.
        const auto marge = [&](int decalage) { return 6.0 + (t.h >> decalage) % 7; };
        p.fillRect(QRectF(QPointF(-marge(3), -marge(7)), QPointF(LargeurTimbre + marge(11), HauteurTimbre + marge(15))),
            t.pal.papier);
        PeindreDessin(p, s, t.pal, t.h);
    } else {
        PeindrePapierDentele(p, t.pal, CouleurFond);
        PeindreDessin(p, s, t.pal, t.h);
        // A second impression, off register and in another colour.
        const QColor autre = (t.pal.encre.hsvHue() < 0 || t.pal.encre.hsvSaturation() < 40)
            ? QColor(0xc0262d)
            : QColor::fromHsv((t.pal.encre.hsvHue() + 150) % 360, 190, 190);
        Palette decalee {autre, t.pal.papier};
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.setOpacity(0.7);
        p.translate(7, 5);
        PeindreDessin(p, s, decalee, t.h);
        p.restore();
    }
    p.restore();

    p.setPen(QColor(0x1e, 0x1c, 0x18));
    EcrireAjuste(p, QRectF(10, 304, 280, 50), designationVariete.trimmed(), Police(FamilleSans, 15, true),
        Qt::AlignCenter, 8, true);
    p.end();
    return Encoder(image, "PNG", -1);
}

QByteArray DessinerObliteration(const SujetTimbre& s, const QString& designationObliteration)
{
    QImage image = ImageTimbre(s);
    QPainter p(&image);
    Preparer(p);
    PeindreObliteration(p, s, designationObliteration, QPointF(150, 170), 1.0);
    p.end();
    return Encoder(image, "PNG", -1);
}

QByteArray DessinerLexique(const QString& terme)
{
    const QString mot = terme.trimmed();
    const QString nom = mot.toLower();
    SujetTimbre exemple;
    exemple.dallay = mot;
    const Timbre t(exemple);

    const QColor parchemin(0xf3, 0xef, 0xe4);
    QImage image = NouvelleImage(320, 240, parchemin);
    QPainter p(&image);
    Preparer(p);

    const QRectF dessin(0, 0, 320, 184);
    const QRectF bandeau(0, 184, 320, 56);
    const auto contient = [&](std::initializer_list<const char*> racines) {
        for (const char* r : racines) {
            if (nom.contains(QLatin1String(r)))
                return true;
        }
        return false;
    };

    bool emblemeSeul = false;
    if (contient({"dentel", "perfor"})) {
        // A close view of a perforated corner.
        p.fillRect(dessin, CouleurFond);
        p.save();
        p.setClipRect(dessin);
        p.translate(40, 26);
        p.scale(1.4, 1.4);
        PeindrePapierDentele(p, t.pal, CouleurFond);
        PeindreDessin(p, exemple, t.pal, t.h);
        p.restore();
    } else if (contient({"oblit", "cachet", "losange", "grille", "flamme"})) {
        p.fillRect(dessin, CouleurFond);
        const double e = 0.48;
        const QRectF cible(160 - LargeurTimbre * e / 2, 10, LargeurTimbre * e, HauteurTimbre * e);
        t.peindre(p, cible, CouleurFond);
        PeindreObliteration(p, exemple, mot, cible.center(), e);
    } else if (contient({"bloc", "feuille", "paire", "coin"})) {
        p.fillRect(dessin, CouleurFond);
        const bool coin = contient({"coin", "feuille"});
        PeindreMorceauFeuille(p, t, dessin.adjusted(8, 8, -8, -8), coin ? 3 : 2,
            coin ? 2 : (nom.contains(QLatin1String("paire")) ? 1 : 2), coin ? 70 : 0, CouleurFond);
    } else {
        emblemeSeul = true;
    }

    if (emblemeSeul) {
        PeindreEmbleme(p, QRectF(0, 0, 320, 240).adjusted(60, 0, -60, 0), t.pal);
        // A ribbon across the emblem carries the term.
        const QRectF ruban(20, 92, 280, 56);
        p.setPen(QPen(t.pal.encre.darker(130), 1.5));
        p.setBrush(t.pal.encre);
        // Swallow-tailed ends, tucked behind the band.
        for (const double sens : {-1.0, 1.0}) {
            const double bord = sens < 0 ? ruban.left() : ruban.right();
            const double haut = ruban.top() + 10, bas = ruban.bottom() + 10;
            p.drawPolygon(QPolygonF {{bord - sens * 14, haut}, {bord + sens * 10, haut}, {bord + sens * 10, bas},
                {bord - sens * 14, bas}, {bord - sens * 4, (haut + bas) / 2}});
        }
        p.setBrush(t.pal.encre.lighter(115));
        p.drawRect(ruban);
        p.setPen(Qt::white);
        EcrireAjuste(p, ruban.adjusted(8, 2, -8, -2), mot, Police(FamilleSerif, 30, true), Qt::AlignCenter, 9, true);
    } else {
        p.fillRect(bandeau, t.pal.encre);
        p.setPen(Qt::white);
        EcrireAjuste(
            p, bandeau.adjusted(10, 2, -10, -2), mot, Police(FamilleSerif, 26, true), Qt::AlignCenter, 9, true);
    }
    p.end();
    return Encoder(image, "PNG", -1);
}

QByteArray DessinerCarteDepartements()
{
    auto px = [](double twips) { return twips / 15.0; };
    auto lieu = [&](double longitude, double latitude) { return QPointF(px(CarteX(longitude)), px(CarteY(latitude))); };
    // The coast and the borders, clockwise from Dunkirk, simplified.
    static const double contour[][2] = {{2.37, 51.05}, {2.55, 51.09}, {3.2, 50.75}, {4.2, 50.3}, {4.85, 50.15},
        {4.85, 49.8}, {5.4, 49.6}, {6.1, 49.5}, {6.7, 49.2}, {7.6, 49.05}, {8.2, 48.98}, {7.8, 48.5}, {7.55, 47.95},
        {7.6, 47.6}, {7.0, 47.45}, {6.9, 47.3}, {6.45, 46.95}, {6.1, 46.6}, {6.0, 46.2}, {6.8, 46.4}, {7.0, 46.0},
        {6.8, 45.8}, {7.1, 45.5}, {6.65, 45.1}, {7.0, 44.85}, {6.9, 44.4}, {7.7, 44.1}, {7.5, 43.78}, {7.0, 43.55},
        {6.6, 43.15}, {5.9, 43.1}, {5.35, 43.2}, {4.8, 43.4}, {4.2, 43.45}, {3.5, 43.28}, {3.05, 42.9},
        {3.15, 42.45}, {2.5, 42.35}, {1.7, 42.5}, {0.7, 42.8}, {-0.3, 42.8}, {-1.4, 43.05}, {-1.78, 43.37},
        {-1.45, 43.6}, {-1.25, 44.6}, {-1.1, 45.5}, {-1.2, 46.2}, {-2.1, 46.8}, {-2.2, 47.15}, {-2.5, 47.3},
        {-3.1, 47.5}, {-4.35, 47.8}, {-4.5, 48.05}, {-4.77, 48.35}, {-4.5, 48.6}, {-3.6, 48.75}, {-3.0, 48.8},
        {-2.3, 48.6}, {-1.6, 48.65}, {-1.4, 48.65}, {-1.6, 48.9}, {-1.85, 49.7}, {-1.25, 49.7}, {-1.1, 49.4},
        {-0.2, 49.3}, {0.2, 49.45}, {0.2, 49.7}, {1.4, 50.05}, {1.6, 50.3}, {1.6, 50.9}};
    const QColor mer(196, 218, 238), terre(244, 238, 214), trait(90, 80, 60), ecriture(70, 70, 90);

    QImage image = NouvelleImage(LargeurCarte, HauteurCarte, mer);
    QPainter p(&image);
    Preparer(p);
    QPolygonF france;
    for (const auto& point : contour)
        france << lieu(point[0], point[1]);
    p.setPen(QPen(trait, 1.5));
    p.setBrush(terre);
    p.drawPolygon(france);

    // Each département a patch of its own colour under its number.
    const QRectF corse(px(7335) - 6, px(6660) - 30, 30, 52);
    const QRectF ileDeFrance(px(180), px(5640), px(1720), px(1380));
    const QPointF domTom(px(780 + 142), px(3840 + 130));
    p.setBrush(terre);
    p.drawEllipse(corse);
    p.setBrush(QColor(250, 246, 232));
    p.drawRect(ileDeFrance);
    p.setBrush(QColor(226, 236, 210));
    p.drawEllipse(domTom, 32, 32);
    for (const BoutonDepartement& d : BoutonsDepartements) {
        const QRectF bouton(px(d.gauche), px(d.haut), px(LargeurBoutonDepartement), px(HauteurBoutonDepartement));
        const quint32 h = Empreinte(QString::fromLatin1(d.code));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(int(h % 360), 60, 235));
        p.drawEllipse(bouton.center(), 15, 13);
        p.setPen(trait);
        p.setFont(Police(FamilleSans, 9, true));
        p.drawText(bouton, Qt::AlignCenter, QString::fromLatin1(d.code));
    }

    p.setPen(ecriture);
    p.setFont(Police(FamilleSans, 10, false));
    const struct {
        const char* nom;
        double longitude, latitude;
    } voisins[] = {{"Belgique", 3.6, 50.85}, {"Luxembourg", 6.3, 49.75}, {"Allemagne", 8.0, 50.0},
        {"Suisse", 7.7, 46.2}, {"Italie", 7.5, 45.0}, {"Espagne", -0.6, 42.35}, {"Andorre", 1.5, 42.25},
        {"Manche", -2.5, 50.1}, {"Océan Atlantique", -3.9, 46.3}, {"Méditerranée", 4.8, 42.7}};
    for (const auto& v : voisins) {
        const QPointF c = lieu(v.longitude, v.latitude);
        p.drawText(QRectF(c.x() - 60, c.y() - 8, 120, 16), Qt::AlignCenter, QString::fromUtf8(v.nom));
    }
    p.setFont(Police(FamilleSans, 9, true));
    p.drawText(QRectF(ileDeFrance.left(), ileDeFrance.top() - 15, ileDeFrance.width(), 14), Qt::AlignCenter,
        QStringLiteral("Île-de-France"));
    p.drawText(QRectF(domTom.x() - 40, domTom.y() - 30, 80, 14), Qt::AlignCenter, QStringLiteral("Dom-Tom"));
    p.drawText(QRectF(corse.center().x() - 40, corse.top() - 15, 80, 14), Qt::AlignCenter, QStringLiteral("Corse"));
    p.end();
    return Encoder(image, "PNG", -1);
}
