#include "collections/ActualiserEcransCollection.h"

#include "card/OFormFiche.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Sablier.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/Images.h"
#include "shell/VueResultat.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

enum Onglet { Fiche = 1, Recherche = 2, SaisieRapide = 3, Manques = 4, Doubles = 5, Thematique = 7 };

template <typename T> T* c(int onglet, const QString& nom)
{
    return ControleEcran<T>(onglet, nom);
}


OFormFiche* fiche()
{
    return qobject_cast<OFormFiche*>(ChargerEcran(Fiche));
}

void activerGrille(bool actif)
{
    for (QWidget* w : fiche()->grilleDetention())
        w->setEnabled(actif);
}

void reinitialiserRecherche()
{
    // The search screen knows what of it starts again with a collection and what stays.
    if (EcranPrincipal* recherche = ChargerEcran(Recherche))
        QMetaObject::invokeMethod(recherche, "ActualiserCollection");
}

void reinitialiserResultats()
{
    c<VueResultat>(SaisieRapide, QStringLiteral("ListeRapide"))->viderLignes();
    c<BoiteImage>(SaisieRapide, QStringLiteral("Picture1"))->effacer();
    c<QLabel>(SaisieRapide, QStringLiteral("TexteNb"))->setText(QStringLiteral("0 timbre(s) trouvé(s)"));
    c<VueResultat>(Manques, QStringLiteral("ListeManques"))->viderLignes();
    c<QLabel>(Manques, QStringLiteral("NBTimbres"))->setText(QStringLiteral("0"));
    c<VueResultat>(Doubles, QStringLiteral("ListeDoubles"))->viderLignes();
    c<QLabel>(Doubles, QStringLiteral("NBTimbres"))->setText(QStringLiteral("0"));
}

void etatCollectionOuverte()
{
    // The card decides of its grid: its display has just left it disabled when the holdings could not
    // be read.
    fiche()->ActiverGrilleSelonCollection();
    fiche()->ListeMesVarietes()->setEnabled(true);
    fiche()->ListeThemes()->setEnabled(true);
    reinitialiserRecherche();
    reinitialiserResultats();
}

void etatSansCollection()
{
    for (const QString& s : SuffixesEtats) {
        c<QCheckBox>(Fiche, QStringLiteral("Qte") + s)->setChecked(false);
        c<QLineEdit>(Fiche, QStringLiteral("Etat") + s)->clear();
        c<QLineEdit>(Fiche, QStringLiteral("Qtes") + s)->clear();
        c<QLineEdit>(Fiche, QStringLiteral("QteDouble") + s)->clear();
    }
    for (const QString& s : SuffixesEtats)
        c<QCheckBox>(Fiche, QStringLiteral("QteDoubles") + s)->setChecked(false);
    c<QCheckBox>(Fiche, QStringLiteral("NePasAcquerir"))->setChecked(false);
    c<QLineEdit>(Fiche, QStringLiteral("commentaire"))->clear();
    activerGrille(false);
    // Personal prices belong to the collection just closed: the card shows the catalogue's again.
    auto* cote = c<QComboBox>(Fiche, QStringLiteral("CoteChoisie"));
    if (cote->currentText() != QLatin1String("Cotes DALLAY")) {
        cote->setCurrentIndex(0);
        fiche()->CoteChoisie_Click();
    }
    fiche()->ListeMesVarietes()->setEnabled(false);
    for (const char* nom : {"BoutonMVarAjout", "BoutonMVarSuppr", "BoutonMVarModif", "BoutonMVarRenommer"})
        c<QWidget>(Fiche, QString::fromUtf8(nom))->hide();
    fiche()->ListeThemes()->setEnabled(false);
    c<QWidget>(Fiche, QStringLiteral("BoutonThemesPersos"))->hide();
    reinitialiserRecherche();
    reinitialiserResultats();
    c<VueListe>(Thematique, QStringLiteral("ListePersos"))->viderLignes();
    c<QLabel>(Thematique, QStringLiteral("LabelThemeChoisi"))->clear();
    c<VueListe>(Thematique, QStringLiteral("ListeTimbres"))->viderLignes();
    SansEchec(RemplirThemesFiche);
    RemplirMesVarietesFiche();
    // Clearing the grid is no edit: the card's next move must write nothing into the closed collection.
    ModifFiche = 0;
}

}  // namespace

void ActualiserEcransCollection()
{
    Sablier sablier;
    if (CollectionEstOuverte()) {
        etatCollectionOuverte();
        RemplirThemesPersos();
        SansEchec(RemplirThemesFiche);
        RemplirMesVarietesFiche();
    }
    if (!CollectionEstOuverte())
        etatSansCollection();
    sablier.restaurer();
    RetablirPointeurParDefaut();
}

void RemplirThemesPersos()
{
    auto* liste = c<VueListe>(Thematique, QStringLiteral("ListePersos"));
    Recordset themes;
    try {
        themes = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM Themes WHERE %1 AND Collection = ? ORDER BY Theme COLLATE FRANCAIS")
                .arg(ConditionThemePersonnel),
            {CaptionCollectionOuverte()});
    } catch (const ErreurBase&) {
        return;
    }
    if (themes.RecordCount() == 0) {
        liste->viderLignes();
        return;
    }
    liste->viderColonnes();
    liste->ajouterColonne(QStringLiteral("Theme"), 4500);
    liste->ajouterColonne(QStringLiteral("CodeTheme"), 1);
    liste->viderLignes();
    c<QLabel>(Thematique, QStringLiteral("LabelThemeChoisi"))->clear();
    for (; !themes.Eof(); themes.MoveNext())
        liste->ajouterLigne(
            {Texte(themes.Champ(QStringLiteral("Theme"))), Texte(themes.Champ(QStringLiteral("CodeTheme")))});
    liste->setCurrentItem(nullptr);
    liste->clearSelection();
}

void RemplirThemesFiche()
{
    const QString dallay = fiche()->Dallay()->text();
    const QString n = CaptionCollectionOuverte();
    // A theme is listed once for each association of the stamp, in collection 1 or the open collection.
    QString sql = QStringLiteral("SELECT Themes.*, ThemesAssocies.Dallay FROM Themes INNER JOIN ThemesAssocies "
                                 "ON (Themes.CodeTheme = ThemesAssocies.Theme AND ThemesAssocies.Dallay = ? AND ");
    QVariantList valeurs = {dallay};
    if (n.isEmpty()) {
        sql += QStringLiteral("ThemesAssocies.Collection = 1)");
    } else {
        sql += QStringLiteral("(ThemesAssocies.Collection = 1 OR ThemesAssocies.Collection = ?))");
        valeurs << n;
    }
    sql += QStringLiteral(" ORDER BY Themes.Theme COLLATE FRANCAIS");
    Recordset themes = Recordset::Ouvrir(CnxPerso, sql, valeurs);
    fiche()->ListeThemes()->definirSource(themes);
}

void RemplirMesVarietesFiche()
{
    const QString n = CaptionCollectionOuverte();
    if (n.isEmpty()) {
        fiche()->ListeMesVarietes()->viderSource();
        return;
    }
    try {
        Recordset items = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM MesVarietes WHERE Reference = ? AND Collection = ?"),
            {fiche()->Dallay()->text(), n});
        fiche()->ListeMesVarietes()->definirSource(items);
    } catch (const ErreurBase&) {
    }
}

void RemplirThemesRecherche()
{
    const QString n = CaptionCollectionOuverte();
    auto* combo = c<ComboDonnees>(Recherche, QStringLiteral("ThemeChoisi"));
    if (!combo)
        return;
    try {
        Recordset themes = n.isEmpty()
            ? Recordset::Ouvrir(CnxPerso,
                  QStringLiteral("SELECT DISTINCT * FROM Themes WHERE Collection = 1 "
                                 "ORDER BY Theme COLLATE FRANCAIS"))
            : Recordset::Ouvrir(CnxPerso,
                  QStringLiteral("SELECT DISTINCT * FROM Themes WHERE Collection = ? OR Collection = 1 "
                                 "ORDER BY Theme COLLATE FRANCAIS"),
                  {n});
        combo->definirSource(themes);
    } catch (const ErreurBase&) {
    }
}
