#include "printing/Etat.h"

#include "printing/FormatNombre.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

QFont PoliceEtat::qfont() const
{
    // Liberation Sans has Arial's metrics; nothing we ship is as heavy as Arial Black, DejaVu Sans Bold
    // comes nearest; MS Sans Serif was a screen face of Arial's proportions.
    QString famille = QStringLiteral("Liberation Sans");
    bool gras = style & Gras;
    if (nom.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0) {
        famille = QStringLiteral("DejaVu Sans");
        gras = true;
    }
    QFont f(famille);
    // One unit is a twip on the report's painter: a point is 20 of them.
    f.setPixelSize(std::max(1, int(std::lround(points * 20))));
    f.setBold(gras);
    f.setItalic(style & Italique);
    f.setUnderline(style & Souligne);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

PoliceEtat Arial(double points, int style)
{
    return PoliceEtat {QStringLiteral("Arial"), points, style};
}

namespace {
ControleEtat controle(ControleEtat::Type type, const QString& nom, int gauche, int haut, int largeur, int hauteur)
{
    ControleEtat c;
    c.type = type;
    c.nom = nom;
    c.gauche = gauche;
    c.haut = haut;
    c.largeur = largeur;
    c.hauteur = hauteur;
    return c;
}
}  // namespace

ControleEtat Etiquette(const QString& nom, int gauche, int haut, int largeur, int hauteur, const QString& legende)
{
    ControleEtat c = controle(ControleEtat::Etiquette, nom, gauche, haut, largeur, hauteur);
    c.legende = legende;
    return c;
}

ControleEtat Zone(const QString& nom, int gauche, int haut, int largeur, int hauteur, const QString& champ)
{
    ControleEtat c = controle(ControleEtat::Zone, nom, gauche, haut, largeur, hauteur);
    c.champ = champ;
    return c;
}

ControleEtat Ligne(const QString& nom, int gauche, int haut, int largeur, int hauteur)
{
    return controle(ControleEtat::Ligne, nom, gauche, haut, largeur, hauteur);
}

ControleEtat Forme(const QString& nom, int gauche, int haut, int largeur, int hauteur, bool ovale)
{
    ControleEtat c = controle(ControleEtat::Forme, nom, gauche, haut, largeur, hauteur);
    c.ovale = ovale;
    return c;
}

ControleEtat ImageEtat(const QString& nom, int gauche, int haut, int largeur, int hauteur, const QImage& image)
{
    ControleEtat c = controle(ControleEtat::Image, nom, gauche, haut, largeur, hauteur);
    c.image = image;
    return c;
}

SectionEtat Section(SectionEtat::Type type, const QString& nom, int hauteur, QList<ControleEtat> controles, bool garderEnsemble)
{
    SectionEtat s;
    s.type = type;
    s.nom = nom;
    s.hauteur = hauteur;
    s.controles = std::move(controles);
    s.garderEnsemble = garderEnsemble;
    return s;
}

SectionEtat* SectionParNom(Etat& etat, const QString& nom)
{
    for (SectionEtat& s : etat.sections)
        if (s.nom.compare(nom, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

ControleEtat* ControleParNom(Etat& etat, const QString& section, const QString& controle)
{
    SectionEtat* s = SectionParNom(etat, section);
    if (!s)
        return nullptr;
    for (ControleEtat& c : s->controles)
        if (c.nom.compare(controle, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

// ---- layout

namespace {

const SectionEtat* sectionDeType(const Etat& etat, SectionEtat::Type type, int* index = nullptr)
{
    for (int i = 0; i < etat.sections.size(); ++i)
        if (etat.sections.at(i).type == type) {
            if (index)
                *index = i;
            return &etat.sections.at(i);
        }
    return nullptr;
}

// The child rows the detail reads: the member its text boxes name.
QString membreDetail(const Etat& etat)
{
    if (const SectionEtat* detail = sectionDeType(etat, SectionEtat::Detail))
        for (const ControleEtat& c : detail->controles)
            if (c.type == ControleEtat::Zone && !c.membre.isEmpty())
                return c.membre;
    return {};
}

class Pagination {
public:
    Pagination(const Etat& etat, int hauteurUtile) : m_etat(etat)
    {
        m_mise.hauteurUtile = hauteurUtile;
        m_enTetePage = -1;
        sectionDeType(etat, SectionEtat::EnTetePage, &m_enTetePage);
        m_piedPage = -1;
        const SectionEtat* pied = sectionDeType(etat, SectionEtat::PiedPage, &m_piedPage);
        m_limite = hauteurUtile - (pied ? pied->hauteur : 0);
    }

    void commencer()
    {
        m_mise.pages.emplace_back();
        m_y = 0;
        m_contenu = false;
    }

    void enTetePage()
    {
        if (m_enTetePage >= 0 && m_etat.sections.at(m_enTetePage).hauteur > 0) {
            m_mise.pages.back().push_back({m_enTetePage, m_y, -1, -1});
            m_y += m_etat.sections.at(m_enTetePage).hauteur;
        }
    }

    void finirPage()
    {
        if (m_piedPage >= 0 && m_etat.sections.at(m_piedPage).hauteur > 0)
            m_mise.pages.back().push_back({m_piedPage, m_limite, -1, -1});
    }

    void placer(int section, int ligne = -1, int enfant = -1)
    {
        const int h = m_etat.sections.at(section).hauteur;
        if (h <= 0)
            return;
        // A band taller than what a fresh page offers stands alone on its page, cut at the footer.
        if (m_y + h > m_limite && m_contenu) {
            finirPage();
            commencer();
            enTetePage();
        }
        m_mise.pages.back().push_back({section, m_y, ligne, enfant});
        m_y += h;
        m_contenu = true;
    }

    MiseEnPage resultat()
    {
        finirPage();
        return std::move(m_mise);
    }

private:
    const Etat& m_etat;
    MiseEnPage m_mise;
    int m_enTetePage, m_piedPage, m_limite;
    int m_y = 0;
    bool m_contenu = false;
};

}  // namespace

MiseEnPage Paginer(const Etat& etat, const DonneesEtat& donnees, int hauteurUtile)
{
    Pagination p(etat, hauteurUtile);
    int enTeteEtat = -1, enTeteGroupe = -1, detail = -1, piedGroupe = -1, piedEtat = -1;
    sectionDeType(etat, SectionEtat::EnTeteEtat, &enTeteEtat);
    sectionDeType(etat, SectionEtat::EnTeteGroupe, &enTeteGroupe);
    sectionDeType(etat, SectionEtat::Detail, &detail);
    sectionDeType(etat, SectionEtat::PiedGroupe, &piedGroupe);
    sectionDeType(etat, SectionEtat::PiedEtat, &piedEtat);

    p.commencer();
    if (enTeteEtat >= 0)
        p.placer(enTeteEtat);
    p.enTetePage();

    const int n = donnees.nombreLignes();
    if (enTeteGroupe >= 0 || piedGroupe >= 0) {
        const QString membre = membreDetail(etat);
        for (int i = 0; i < n; ++i) {
            if (enTeteGroupe >= 0)
                p.placer(enTeteGroupe, i);
            const DonneesEtat* enfants = membre.isEmpty() ? nullptr : donnees.enfants(i, membre);
            if (detail >= 0 && enfants)
                for (int j = 0; j < enfants->nombreLignes(); ++j)
                    p.placer(detail, i, j);
            if (piedGroupe >= 0)
                p.placer(piedGroupe, i);
        }
    } else if (detail >= 0) {
        for (int i = 0; i < n; ++i)
            p.placer(detail, i);
    }
    if (piedEtat >= 0)
        p.placer(piedEtat);
    return p.resultat();
}

int HauteurUtile(const Etat& etat, const QPageLayout& page)
{
    const double points = page.fullRect(QPageLayout::Point).height();
    return int(std::lround(points * 20)) - etat.marges.haut - etat.marges.bas;
}

// ---- painting

namespace {

QString remplacerCodes(QString texte, int page, int pages)
{
    if (!texte.contains(u'%'))
        return texte;
    texte.replace(QLatin1String("%p"), QString::number(page));
    texte.replace(QLatin1String("%P"), QString::number(pages));
    texte.replace(QLatin1String("%D"), QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    return texte;
}

// Text never grows its box: a single line is cut at the box's edge; a box tall enough for several lines
// wraps at the words first. Alignment is measured on the whole text, trailing spaces included, so a
// centred caption ending with a space sits where it was laid out.
void dessinerTexte(QPainter& peintre, const QRectF& boite, const QString& texte, const QFont& police,
    const QColor& encre, Qt::Alignment alignement)
{
    if (texte.isEmpty())
        return;
    const QFontMetricsF fm(police);
    peintre.save();
    peintre.setClipRect(boite, Qt::IntersectClip);
    peintre.setFont(police);
    peintre.setPen(encre);
    const double largeur = fm.horizontalAdvance(texte);
    if (largeur > boite.width() && boite.height() >= 2 * fm.height()) {
        QTextOption option(alignement | Qt::AlignTop);
        option.setWrapMode(QTextOption::WordWrap);
        peintre.drawText(boite, texte, option);
    } else if (largeur > boite.width()) {
        // Only the characters that start inside the box are printed, so the text read back from the
        // document is the text the reader sees.
        int n = 0;
        while (n < texte.size() && fm.horizontalAdvance(texte.left(n + 1)) - fm.horizontalAdvance(texte.at(n)) < boite.width())
            ++n;
        peintre.drawText(QPointF(boite.left(), boite.top() + fm.ascent()), texte.left(n));
    } else {
        double x = boite.left();
        if (alignement & Qt::AlignHCenter)
            x += (boite.width() - largeur) / 2;
        else if (alignement & Qt::AlignRight)
            x += boite.width() - largeur;
        peintre.drawText(QPointF(x, boite.top() + fm.ascent()), texte);
    }
    peintre.restore();
}

QVariant valeurZone(const ControleEtat& c, const DonneesEtat& donnees, const BandePlacee& bande)
{
    if (c.champ.isEmpty() || bande.ligne < 0)
        return {};
    const DonneesEtat* source = &donnees;
    int ligne = bande.ligne;
    if (!c.membre.isEmpty() && bande.enfant >= 0) {
        source = donnees.enfants(bande.ligne, c.membre);
        ligne = bande.enfant;
        if (!source)
            return {};
    }
    return source->valeur(ligne, source->colonne(c.champ));
}

void peindreControle(QPainter& peintre, const Etat& etat, const ControleEtat& c, const DonneesEtat& donnees,
    const BandePlacee& bande, int page, int pages)
{
    const QRectF boite(c.gauche, c.haut, c.largeur, c.hauteur);
    // A line of 15 twips is one pixel of the screen the layouts were drawn on.
    const QPen trait(c.encre, 15);
    switch (c.type) {
    case ControleEtat::Ligne:
        peintre.setPen(trait);
        peintre.drawLine(QPointF(c.gauche, c.haut), QPointF(c.gauche + c.largeur, c.haut + c.hauteur));
        break;
    case ControleEtat::Forme:
        peintre.setPen(trait);
        peintre.setBrush(c.fond.isValid() ? QBrush(c.fond) : QBrush(Qt::NoBrush));
        if (c.ovale)
            peintre.drawEllipse(boite);
        else
            peintre.drawRect(boite);
        peintre.setBrush(Qt::NoBrush);
        break;
    case ControleEtat::Image:
        if (!c.image.isNull()) {
            const QSizeF taille = QSizeF(c.image.size()).scaled(boite.size(), Qt::KeepAspectRatio);
            const QRectF cible(boite.left() + (boite.width() - taille.width()) / 2,
                boite.top() + (boite.height() - taille.height()) / 2, taille.width(), taille.height());
            peintre.drawImage(cible, c.image);
        }
        break;
    case ControleEtat::Etiquette:
    case ControleEtat::Zone: {
        if (c.fond.isValid())
            peintre.fillRect(boite, c.fond);
        if (c.bordure) {
            peintre.setPen(trait);
            peintre.drawRect(boite);
        }
        const QString texte = c.type == ControleEtat::Etiquette
            ? remplacerCodes(c.legende, page + 1, pages)
            : FormaterValeur(valeurZone(c, donnees, bande), c.format);
        QFont police = c.pol.value_or(etat.police).qfont();
        if (c.reduire) {
            // A title names what the user chose (a collection's name): it must be read whole, so it
            // shrinks to its box rather than losing its end.
            const double largeur = QFontMetricsF(police).horizontalAdvance(texte);
            if (largeur > boite.width())
                police.setPixelSize(std::max(6 * 20, int(police.pixelSize() * boite.width() / largeur * 0.98)));
        }
        dessinerTexte(peintre, boite, texte, police, c.encre, c.alignement);
        break;
    }
    }
}

}  // namespace

void PeindrePage(QPainter& peintre, const Etat& etat, const DonneesEtat& donnees, const MiseEnPage& mise, int page)
{
    if (page < 0 || page >= mise.nombrePages())
        return;
    for (const BandePlacee& bande : mise.pages[std::size_t(page)]) {
        const SectionEtat& section = etat.sections.at(bande.section);
        peintre.save();
        peintre.translate(etat.marges.gauche, etat.marges.haut + bande.haut);
        peintre.setClipRect(QRectF(0, 0, etat.largeur, section.hauteur), Qt::IntersectClip);
        for (const ControleEtat& c : section.controles)
            peindreControle(peintre, etat, c, donnees, bande, page, mise.nombrePages());
        peintre.restore();
    }
}

bool ImprimerEtat(QPrinter& imprimante, const Etat& etat, const DonneesEtat& donnees, MiseEnPage& mise)
{
    imprimante.setFullPage(true);
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    const int hauteur = HauteurUtile(etat, imprimante.pageLayout());
    if (mise.hauteurUtile != hauteur || mise.pages.empty())
        mise = Paginer(etat, donnees, hauteur);
    const double echelle = imprimante.resolution() / 1440.0;
    for (int i = 0; i < mise.nombrePages(); ++i) {
        if (i > 0 && !imprimante.newPage())
            return false;
        peintre.save();
        peintre.scale(echelle, echelle);
        PeindrePage(peintre, etat, donnees, mise, i);
        peintre.restore();
    }
    return peintre.end() && imprimante.printerState() != QPrinter::Error;
}
