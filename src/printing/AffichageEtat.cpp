#include "printing/AffichageEtat.h"

#include "data/Recordset.h"
#include "data/Source.h"
#include "platform/Impression.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "shell/CollectionOuverte.h"

#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPrinter>

LiensTemporaires::LiensTemporaires(const QList<std::pair<QString, QString>>& liens)
{
    try {
        for (const auto& [nom, table] : liens) {
            CreerTableLiee(*CnxPerso, nom, CheminBaseCatalogue(), table);
            m_noms << nom;
        }
    } catch (...) {
        supprimer();
        throw;
    }
}

LiensTemporaires::~LiensTemporaires()
{
    supprimer();
}

void LiensTemporaires::supprimer(const QStringList& autres)
{
    QStringList noms = m_noms;
    for (const QString& nom : autres)
        if (!noms.contains(nom))
            noms << nom;
    m_noms.clear();
    for (const QString& nom : noms) {
        try {
            SupprimerTableLiee(*CnxPerso, nom);
        } catch (const ErreurBase&) {
            // A temporary view goes with the connection anyway.
        }
    }
}

QString TitreCollection(const QString& nomCollection)
{
    return QStringLiteral("Collection ") + nomCollection.toUpper();
}

void AppliquerFormatNombre(ControleEtat& zone, const QString& format)
{
    // The layouts already align each formatted column; the format is all a box needs.
    zone.format = format;
}

void SignalerErreurImpression(const Etat& etat)
{
    if (!etat.phraseErreurImpression.isEmpty())
        AfficherMessage(QStringLiteral("Une erreur d'impression s'est produite. ") + etat.phraseErreurImpression);
    else
        AfficherMessage(QStringLiteral("L'impression n'a pas pu se faire : l'imprimante est absente ou a refusé le document."),
            Boutons::OK, Icone::Critique);
}

void MontrerEtat(const Etat& etat, const DonneesEtat& donnees)
{
    // Laid out once for the default paper; the preview paints only the pages the user looks at.
    QPrinter modele;
    modele.setPageOrientation(etat.orientation);
    const QPageLayout page = modele.pageLayout();
    const MiseEnPage mise = Paginer(etat, donnees, HauteurUtile(etat, page));
    MiseEnPage miseImpression = mise;

    DocumentPages document;
    document.titre = etat.legende;
    document.page = page;
    document.nombrePages = mise.nombrePages();
    document.peindrePage = [&](QPainter& peintre, int numero) {
        peintre.save();
        const double echelle = peintre.device()->logicalDpiX() / 1440.0;
        peintre.scale(echelle, echelle);
        PeindrePage(peintre, etat, donnees, mise, numero);
        peintre.restore();
    };
    // A printer of other paper lays the report out again for itself.
    document.imprimer = [&](QPrinter* imprimante) {
        if (!ImprimerEtat(*imprimante, etat, donnees, miseImpression))
            SignalerErreurImpression(etat);
    };
    AfficherApercuPages(document);
}

bool AfficherEtatListe(ImpressionListe& impression, QDialog* dialogue)
{
    Sablier sablier;
    Recordset rstImpression;
    std::unique_ptr<LiensTemporaires> liens;
    try {
        liens = std::make_unique<LiensTemporaires>(impression.liens);
        rstImpression = impression.instruction.ouvrir(CnxPerso);
    } catch (const ErreurBase& e) {
        liens.reset();
        sablier.restaurer();
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return false;
    }

    Etat& etat = impression.etat;
    if (ControleEtat* titre = ControleParNom(etat, QStringLiteral("SectionEnteteEtat"), QStringLiteral("LabelCollection")))
        titre->legende = TitreCollection(NomCollectionOuverte());
    for (const LiaisonZone& l : impression.liaisons) {
        ControleEtat* zone = ControleParNom(etat, QStringLiteral("SectionDetail"), l.zone);
        if (!zone)
            continue;
        zone->champ = l.champ;
        if (!l.format.isEmpty())
            AppliquerFormatNombre(*zone, l.format);
    }
    if (!impression.enteteID2.isEmpty())
        if (ControleEtat* entete = ControleParNom(etat, QStringLiteral("SectionEntetePage"), QStringLiteral("LabelID2")))
            entete->legende = impression.enteteID2;

    if (dialogue) {
        dialogue->hide();
        dialogue->accept();
    }
    sablier.restaurer();

    const DonneesRecordset donnees(rstImpression);
    MontrerEtat(etat, donnees);
    rstImpression.Close();
    RendreMemoireLibre();
    liens.reset();
    return true;
}
