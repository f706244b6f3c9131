#include "printing/FeuillesImagettes.h"

#include "data/Recordset.h"
#include "data/Source.h"
#include "platform/Impression.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "printing/Dispositions.h"
#include "printing/Etat.h"
#include "shell/Images.h"

#include <QPainter>
#include <QPrinter>

namespace {
constexpr double TwipsParMm = 1440.0 / 25.4;
}

PlaceImagette PlacerImagette(int j)
{
    const int page = (j - 1) / ImagettesParPage;
    const int i = j - 1 - ImagettesParPage * page;
    return {page, (i % 10) * LargeurCelluleImagette, (i / 10) * HauteurCelluleImagette};
}

TailleImagette AjusterImagette(double largeurMm, double hauteurMm)
{
    if (largeurMm > LimiteNaturelleMm || hauteurMm > LimiteNaturelleMm) {
        // Equal sides fall to the width rule, as a wider picture does.
        if (hauteurMm > largeurMm)
            return {CoteCadreImagette * largeurMm / hauteurMm, double(CoteCadreImagette), false};
        return {double(CoteCadreImagette), CoteCadreImagette * hauteurMm / largeurMm, false};
    }
    return {largeurMm * TwipsParMm, hauteurMm * TwipsParMm, true};
}

QSizeF TailleNaturelleMm(const QImage& image)
{
    // A picture that states no resolution is taken at the screen's usual 96 dots an inch.
    const double ppmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 96 / 0.0254;
    const double ppmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 96 / 0.0254;
    return {image.width() / ppmX * 1000.0, image.height() / ppmY * 1000.0};
}

bool PeindreImagettes(QPrinter& imprimante, const QStringList& numeros,
    const std::function<QImage(const QString&)>& imagette)
{
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    const double echelle = imprimante.logicalDpiX() / 1440.0;
    peintre.scale(echelle, imprimante.logicalDpiY() / 1440.0);
    peintre.translate(OrigineGrilleImagettes, OrigineGrilleImagettes);
    // The numbers keep the face a printer starts with; its size is given in twips like everything here.
    const QFont police = Arial(8.25).qfont();
    bool reussi = true;
    int page = 0;
    for (int j = 1; j <= numeros.size(); ++j) {
        const QString& numero = numeros.at(j - 1);
        const PlaceImagette place = PlacerImagette(j);
        if (place.page > page) {
            reussi = imprimante.newPage() && reussi;
            page = place.page;
        }
        const QImage image = imagette ? imagette(numero) : QImage();
        if (!image.isNull()) {
            const QSizeF mm = TailleNaturelleMm(image);
            const TailleImagette taille = AjusterImagette(mm.width(), mm.height());
            peintre.drawImage(QRectF(place.x, place.y, taille.largeur, taille.hauteur), image);
        }
        peintre.setFont(police);
        peintre.setPen(Qt::black);
        peintre.drawText(QRectF(place.x, place.y, LargeurCelluleImagette, HauteurCelluleImagette),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, numero);
    }
    return peintre.end() && reussi;
}

namespace {

QImage imagetteDisque(const QString& dallay)
{
    if (!CnxCD->estOuverte())
        return {};
    try {
        const Recordset rstImagette = Recordset::Ouvrir(
            CnxCD, QStringLiteral("SELECT ImageTN FROM FranceTN WHERE Dallay = ?"), {dallay});
        if (!rstImagette.Eof())
            return ImageDepuisOctets(rstImagette.Champ(0).toByteArray());
    } catch (const ErreurBase&) {
        // An unreadable row prints the number alone.
    }
    return {};
}

}  // namespace

void ImprimerImagettes(const QStringList& numeros)
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (!PreparerImprimanteParDefaut(imprimante, QStringLiteral("Imagettes"))) {
        // Nothing can be printed: better said at once than after the question.
        AfficherMessage(QStringLiteral("Une erreur d'impression s'est produite. ") + PhraseImprimanteAvecEspace);
        return;
    }
    const Reponse couleur = AfficherMessage(QStringLiteral("Voulez-vous imprimer en couleur"), Boutons::OuiNon,
        Icone::Question, QStringLiteral("Type d'impression"));
    imprimante.setColorMode(couleur == Reponse::Oui ? QPrinter::Color : QPrinter::GrayScale);
    if (!CnxCD->estOuverte())
        OuvrirBaseCD();
    Sablier sablier;
    if (!PeindreImagettes(imprimante, numeros, imagetteDisque)) {
        sablier.restaurer();
        AfficherMessage(QStringLiteral("Une erreur d'impression s'est produite. ") + PhraseImprimanteAvecEspace);
    }
}
