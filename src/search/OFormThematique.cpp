#include "search/OFormThematique.h"
#include "search/OFormRecherche.h"

#include "card/Fiche.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "platform/Saisie.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString ColonneTheme = QStringLiteral("Theme");
const QString ColonneCode = QStringLiteral("CodeTheme");
const QString TitreSaisie = QStringLiteral("Thèmes personnels");
const QString SansCollection = QStringLiteral("Vous devez auparavant ouvrir une collection");
const QString TitreCreer = QStringLiteral("Impossible de créer");
const QString TitreRenommer = QStringLiteral("Impossible de renommer");
const QString TitreSupprimer = QStringLiteral("Impossible de supprimer");

void definirFond(QWidget* w, const QColor& couleur)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, couleur);
    w->setPalette(palette);
}

// A theme list: its name shown, its code in a column too narrow to see.
void colonnesTheme(VueListe* liste)
{
    liste->viderColonnes();
    liste->ajouterColonne(ColonneTheme, 4500);
    liste->ajouterColonne(ColonneCode, 1);
}

void remplirThemes(VueListe* liste, Recordset& themes)
{
    const int theme = themes.Colonne(ColonneTheme);
    const int code = themes.Colonne(ColonneCode);
    for (themes.MoveFirst(); !themes.Eof(); themes.MoveNext())
        liste->ajouterLigne({Texte(themes.Champ(theme)), Texte(themes.Champ(code))});
}

void signalerErreur(const ErreurBase& e)
{
    AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
}

}  // namespace

OFormThematique::OFormThematique(QWidget* parent)
    : EcranPrincipal(7, QStringLiteral("OFormThematique"), 11895, 7755, parent)
{
    QWidget* p = page();
    CreerControle<QLabel>(p, QStringLiteral("Label1"), QStringLiteral("Thèmes prédéfinis"), 120, 640, 4200, 255);
    m_predefinis = CreerControle<VueListe>(p, QStringLiteral("ListePredefinis"), 120, 920, 4200, 6600);
    definirFond(m_predefinis, Qt::white);

    CreerControle<QLabel>(p, QStringLiteral("Label2"), QStringLiteral("Thèmes personnels"), 4440, 640, 4560, 255);
    m_persos = CreerControle<VueListe>(p, QStringLiteral("ListePersos"), 4440, 920, 4560, 2400);
    definirFond(m_persos, QColor(255, 255, 192));
    auto* creer =
        CreerControle<QPushButton>(p, QStringLiteral("CreerTheme"), QStringLiteral("Créer"), 9120, 920, 1320, 375);
    auto* supprimer = CreerControle<QPushButton>(
        p, QStringLiteral("SupprimerTheme"), QStringLiteral("Supprimer"), 9120, 1400, 1320, 375);
    auto* renommer = CreerControle<QPushButton>(
        p, QStringLiteral("RenommerTheme"), QStringLiteral("Renommer"), 9120, 1880, 1320, 375);

    CreerControle<QLabel>(
        p, QStringLiteral("Label3"), QStringLiteral("Liste des timbres dans le thème :"), 4440, 3460, 2820, 255);
    m_themeChoisi = CreerControle<QLabel>(p, QStringLiteral("LabelThemeChoisi"), QString(), 7260, 3460, 4380, 255);
    m_timbres = CreerControle<VueListe>(p, QStringLiteral("ListeTimbres"), 4440, 3760, 4560, 2600);
    m_timbres->setHeaderHidden(true);
    // The numbers flow in columns: a list view laid over the list, on the same rows and selection, so
    // that the list keeps its columns and current item for whoever reads it.
    m_fluxTimbres = new QListView(m_timbres);
    m_fluxTimbres->setModel(m_timbres->model());
    m_fluxTimbres->setSelectionModel(m_timbres->selectionModel());
    m_fluxTimbres->setFlow(QListView::TopToBottom);
    m_fluxTimbres->setWrapping(true);
    m_fluxTimbres->setResizeMode(QListView::Adjust);
    // Each number is measured on its own: a size taken from one item cuts the longer ones ("AE10" after
    // "AE1"), and a theme holds too few stamps for the measuring to cost anything.
    m_fluxTimbres->setUniformItemSizes(false);
    m_fluxTimbres->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fluxTimbres->setGeometry(m_timbres->rect());
    m_timbres->setFocusProxy(m_fluxTimbres);
    m_timbres->installEventFilter(this);
    m_designation = CreerControle<QLabel>(p, QStringLiteral("LabelDesignation"), QString(), 4440, 6420, 4560, 600);
    m_designation->setWordWrap(true);
    m_designation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_picture1 = CreerControle<BoiteImage>(p, QStringLiteral("Picture1"), 9120, 3760, 2520, 2600);
    m_picture1->setCursor(Qt::PointingHandCursor);
    m_picture1->installEventFilter(this);
    auto* atteindre = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonAtteindre"), QStringLiteral("Atteindre fiche"), 9120, 6480, 2520, 375);

    connect(m_predefinis, &QTreeWidget::itemClicked, this, &OFormThematique::ListePredefinis_ItemClick);
    connect(m_persos, &QTreeWidget::itemClicked, this, &OFormThematique::ListePersos_ItemClick);
    connect(m_timbres, &QTreeWidget::itemClicked, this, &OFormThematique::ListeTimbres_ItemClick);
    connect(m_fluxTimbres, &QListView::clicked, this, &OFormThematique::ListeTimbres_ItemClick);
    connect(atteindre, &QPushButton::clicked, this, &OFormThematique::BoutonAtteindre_Click);
    connect(creer, &QPushButton::clicked, this, &OFormThematique::CreerTheme_Click);
    connect(renommer, &QPushButton::clicked, this, &OFormThematique::RenommerTheme_Click);
    connect(supprimer, &QPushButton::clicked, this, &OFormThematique::SupprimerTheme_Click);
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::changee, this, &OFormThematique::ActualiserCollection);
}

void OFormThematique::Form_Load()
{
    // Reads through the connections the earlier screens opened: nothing to open here.
    RemplirThemesPredefinis();
    ActualiserCollection();
}

void OFormThematique::ActualiserCollection()
{
    if (CollectionEstOuverte()) {
        RemplirThemesPersos();
        return;
    }
    m_persos->viderLignes();
    m_themeChoisi->clear();
    m_timbres->viderLignes();
}

void OFormThematique::RemplirThemesPersos()
{
    Recordset themes;
    try {
        themes = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM Themes WHERE %1 AND Collection = ? ORDER BY Theme COLLATE FRANCAIS")
                .arg(ConditionThemePersonnel),
            {CodeCollectionOuverte()});
    } catch (const ErreurBase&) {
        return;
    }
    if (themes.RecordCount() == 0) {
        m_persos->viderLignes();
        return;
    }
    m_persos->viderColonnes();
    m_persos->ajouterColonne(QStringLiteral("Theme"), 4500);
    m_persos->ajouterColonne(QStringLiteral("CodeTheme"), 1);
    m_persos->viderLignes();
    m_themeChoisi->clear();
    for (; !themes.Eof(); themes.MoveNext())
        m_persos->ajouterLigne(
            {Texte(themes.Champ(QStringLiteral("Theme"))), Texte(themes.Champ(QStringLiteral("CodeTheme")))});
    m_persos->setCurrentItem(nullptr);
    m_persos->clearSelection();
}

bool OFormThematique::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_timbres && evenement->type() == QEvent::Resize)
        m_fluxTimbres->setGeometry(m_timbres->rect());
    if (objet == m_picture1 && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton &&
        m_picture1->rect().contains(static_cast<QMouseEvent*>(evenement)->position().toPoint()))
        Picture1_Click();
    return EcranPrincipal::eventFilter(objet, evenement);
}

void OFormThematique::RemplirThemesPredefinis()
{
    colonnesTheme(m_predefinis);
    try {
        Recordset themes = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM Themes WHERE Predefini <> 0 AND Collection = 1 "
                           "ORDER BY Theme COLLATE FRANCAIS"));
        remplirThemes(m_predefinis, themes);
    } catch (const ErreurBase&) {
        // Without the personal database the list stays empty under its headers.
    }
}

void OFormThematique::ListePredefinis_ItemClick()
{
    afficherTheme(m_predefinis, QStringLiteral("1"));
}

void OFormThematique::ListePersos_ItemClick()
{
    afficherTheme(m_persos, CodeCollectionOuverte());
}

void OFormThematique::afficherTheme(VueListe* liste, const QString& collection)
{
    QTreeWidgetItem* theme = liste->currentItem();
    const QString code = theme ? theme->text(1) : QString();
    m_picture1->effacer();
    m_vignette = QImage();
    m_themeChoisi->setText(theme ? theme->text(0) : QString());
    m_codeAffiche = code;
    m_collectionAffichee = collection;
    m_timbres->viderColonnes();
    m_timbres->ajouterColonne(QStringLiteral("Dallay"), 2500);
    m_timbres->ajouterColonne(QStringLiteral("Dallay"), 1);
    try {
        Recordset timbres = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM ThemesAssocies WHERE Theme = ? AND Collection = ? ORDER BY Dallay"),
            {code, collection});
        const int dallay = timbres.Colonne(QStringLiteral("Dallay"));
        for (; !timbres.Eof(); timbres.MoveNext()) {
            const QString n = Texte(timbres.Champ(dallay));
            m_timbres->ajouterLigne({n, n});
        }
    } catch (const ErreurBase&) {
    }
}

void OFormThematique::ListeTimbres_ItemClick()
{
    QTreeWidgetItem* timbre = m_timbres->currentItem();
    const QString n = timbre ? timbre->text(0) : QString();
    // A stamp without a designation shows none rather than the one of the stamp clicked before.
    m_designation->clear();
    try {
        Recordset france = Recordset::Ouvrir(
            CnxCatalogue, QStringLiteral("SELECT DesignationCourt FROM France WHERE Dallay = ?"), {n});
        if (!france.Eof())
            m_designation->setText(Texte(france.Champ(0)));
    } catch (const ErreurBase&) {
    }
    m_picture1->effacer();
    m_vignette = QImage();
    try {
        Recordset image =
            Recordset::Ouvrir(CnxCD, QStringLiteral("SELECT ImageTN FROM FranceTN WHERE Dallay = ?"), {n});
        if (!image.Eof())
            m_vignette = ImageDepuisOctets(image.Champ(0).toByteArray(), m_picture1->size());
    } catch (const ErreurBase&) {
        // Without the disc the vignette stays blank.
    }
    AjusterImage(m_vignette, m_picture1);
}

void OFormThematique::BoutonAtteindre_Click()
{
    QTreeWidgetItem* timbre = m_timbres->currentItem();
    AtteindreFiche(timbre ? timbre->text(0) : QString(), this);
}

void OFormThematique::Picture1_Click()
{
    BoutonAtteindre_Click();
}

void OFormThematique::remplirListePersos()
{
    colonnesTheme(m_persos);
    try {
        Recordset themes = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM Themes WHERE %1 AND Collection = ? ORDER BY Theme COLLATE FRANCAIS")
                .arg(ConditionThemePersonnel),
            {CodeCollectionOuverte()});
        remplirThemes(m_persos, themes);
    } catch (const ErreurBase& e) {
        signalerErreur(e);
    }
    m_persos->setCurrentItem(nullptr);
    m_persos->clearSelection();
    RemplirThemesRecherche();
}

std::optional<QString> OFormThematique::demanderNom(const QString& invite, const QString& titreRefus)
{
    for (;;) {
        std::optional<QString> nom = DemanderTexte(invite, TitreSaisie);
        if (!nom || !nom->isEmpty())
            return nom;
        AfficherMessage(QStringLiteral("Le nom est obligatoire"), Boutons::OK, Icone::Exclamation, titreRefus);
    }
}

std::optional<QString> OFormThematique::themeChoisi(const QString& refus, const QString& titre)
{
    QTreeWidgetItem* theme = m_persos->currentItem();
    if (!theme || !theme->isSelected()) {
        AfficherMessage(refus, Boutons::OK, Icone::Exclamation, titre);
        return std::nullopt;
    }
    return theme->text(1);
}

void OFormThematique::CreerTheme_Click()
{
    if (!CollectionEstOuverte()) {
        AfficherMessage(SansCollection, Boutons::OK, Icone::Exclamation, TitreCreer);
        return;
    }
    const std::optional<QString> nom = demanderNom(QStringLiteral("Entrez le nom du nouveau thème"), TitreCreer);
    if (!nom)
        return;
    try {
        CnxPerso->executer(QStringLiteral("INSERT INTO Themes (Collection, Theme, Predefini) VALUES (?, ?, ?)"),
            {CodeCollectionOuverte(), *nom, FAUX});
    } catch (const ErreurBase& e) {
        signalerErreur(e);
    }
    remplirListePersos();
}

void OFormThematique::RenommerTheme_Click()
{
    if (!CollectionEstOuverte()) {
        AfficherMessage(SansCollection, Boutons::OK, Icone::Exclamation, TitreRenommer);
        return;
    }
    const std::optional<QString> code =
        themeChoisi(QStringLiteral("Il faut sélectionner un thème personnel avant de changer son nom"), TitreRenommer);
    if (!code)
        return;
    const std::optional<QString> nom = demanderNom(QStringLiteral("Entrez le nouveau nom"), TitreRenommer);
    if (!nom)
        return;
    const QString c = CodeCollectionOuverte();
    try {
        // The code stays: the stamps attached to the theme stay with it.
        CnxPerso->executer(QStringLiteral("UPDATE Themes SET Theme = ?, Predefini = ?, Collection = ? "
                                          "WHERE Collection = ? AND CodeTheme = ?"),
            {*nom, FAUX, c, c, *code});
    } catch (const ErreurBase& e) {
        signalerErreur(e);
    }
    remplirListePersos();
}

void OFormThematique::SupprimerTheme_Click()
{
    if (!CollectionEstOuverte()) {
        AfficherMessage(SansCollection, Boutons::OK, Icone::Exclamation, TitreSupprimer);
        return;
    }
    const std::optional<QString> code =
        themeChoisi(QStringLiteral("Il faut sélectionner un thème personnel avant de le supprimer"), TitreSupprimer);
    if (!code)
        return;
    const QString nom = m_persos->currentItem()->text(0);
    if (AfficherMessage(QStringLiteral("Le thème '%1' va être supprimé ainsi que toutes les associations de timbres "
                                       "liées à ce thème. En êtes vous sûr(e) ?")
                            .arg(nom),
            Boutons::OuiNon, Icone::Question, QStringLiteral("Supprimer collection"), 1) != Reponse::Oui)
        return;
    const QString c = CodeCollectionOuverte();
    bool supprime = false;
    try {
        Transaction transaction(*CnxPerso);
        CnxPerso->executer(QStringLiteral("DELETE FROM ThemesAssocies WHERE Theme = ?"), {*code});
        supprime = CnxPerso->executer(
                       QStringLiteral("DELETE FROM Themes WHERE Collection = ? AND CodeTheme = ?"), {c, *code}) > 0;
        transaction.valider();
    } catch (const ErreurBase& e) {
        supprime = false;
        signalerErreur(e);
    }
    // The stamps of a theme that no longer exists are not left on display under its name.
    if (supprime && m_codeAffiche == *code && m_collectionAffichee == c) {
        m_timbres->viderLignes();
        m_themeChoisi->clear();
        m_codeAffiche.clear();
    }
    remplirListePersos();
}
