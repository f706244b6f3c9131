#include "search/OFormRecherche.h"

#include "card/Fiche.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "printing/Valorisation.h"
#include "search/OFormRechercheDepts.h"
#include "shell/Artwork.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"
#include "shell/VueResultat.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

std::function<void(OFormRecherche&)> ImprimerRecherche;

namespace {

const QString AucunTrouve = QStringLiteral("0 timbre(s) trouvé(s)");

ComboDonnees* combo(QWidget* parent, const QString& nom, const QString& libelle, const QString& champListe,
    const QString& champLie, int h)
{
    CreerControle<QLabel>(parent, QString(), libelle, 120, h + 30, 1380, 255);
    auto* c = new ComboDonnees(champListe, champLie, parent);
    c->setObjectName(nom);
    Placer(c, 1560, h, 3120, 315);
    return c;
}

QRadioButton* option(QWidget* cadre, QButtonGroup* groupe, const QString& nom, int index, const QString& texte,
    int g, int h)
{
    auto* b = CreerControle<QRadioButton>(cadre, QStringLiteral("%1_%2").arg(nom).arg(index), g, h, 2100, 255);
    b->setText(texte);
    groupe->addButton(b, index);
    return b;
}

QGroupBox* cadre(QWidget* parent, const QString& nom, const QString& titre, int g, int h, int l, int ht)
{
    auto* c = CreerControle<QGroupBox>(parent, nom, g, h, l, ht);
    c->setTitle(titre);
    return c;
}

bool clicGauche(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::MouseButtonRelease)
        return false;
    auto* souris = static_cast<QMouseEvent*>(evenement);
    auto* w = qobject_cast<QWidget*>(objet);
    return souris->button() == Qt::LeftButton && w && w->rect().contains(souris->position().toPoint());
}

// The picture of one stamp on the disc, decoded for the box `cadre`; null when the disc, the row or the
// picture is missing.
QImage imageDisque(const Instruction& requete, const QSize& cadre)
{
    if (requete.estVide())
        return {};
    try {
        Recordset image = requete.ouvrir(CnxCD);
        if (!image.Eof())
            return ImageDepuisOctets(image.Champ(0).toByteArray(), cadre);
    } catch (const ErreurBase&) {
    }
    return {};
}

void signalerErreur(const ErreurBase& e)
{
    AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
}

}  // namespace

std::vector<CelluleResultat> CellulesTimbres(const Recordset& r)
{
    return {r.Colonne(QStringLiteral("Dallay")), r.Colonne(QStringLiteral("AnneeEmission")),
        r.Colonne(QStringLiteral("DesignationCourt"))};
}

std::vector<CelluleResultat> CellulesVarietes(const Recordset& r)
{
    const int court = r.Colonne(QStringLiteral("DesignationCourt"));
    const int designation = r.Colonne(QStringLiteral("Designation"));
    // The stamp's designation, then the variety's; nothing when the variety has none.
    const auto designations = [court, designation](const Recordset& rs, int ligne) {
        const QVariant variete = rs.ChampLigne(ligne, designation);
        return EstNul(variete) ? QString() : Texte(rs.ChampLigne(ligne, court)) + QStringLiteral(", ") + Texte(variete);
    };
    return {r.Colonne(QStringLiteral("Reference")), r.Colonne(QStringLiteral("Dallay")),
        r.Colonne(QStringLiteral("AnneeEmission")), CelluleResultat(designations)};
}

OFormRecherche::OFormRecherche(QWidget* parent)
    : EcranPrincipal(2, QStringLiteral("OFormRecherche"), 11900, 7750, parent)
{
    QWidget* p = page();
    CreerControle<QLabel>(p, QStringLiteral("LabelCritere"), QStringLiteral("Critères combinés"), 120, 600, 4560, 255);
    m_rubrique = combo(p, QStringLiteral("RubriqueChoisie"), QStringLiteral("Rubrique:"),
        QStringLiteral("Nom_Rubrique"), QStringLiteral("Code_Rubrique"), 900);
    m_type = combo(p, QStringLiteral("TypeChoisi"), QStringLiteral("Type:"), QStringLiteral("LibelleType"),
        QStringLiteral("CodeType"), 1260);
    m_theme = combo(p, QStringLiteral("ThemeChoisi"), QStringLiteral("Thème:"), QStringLiteral("Theme"),
        QStringLiteral("CodeTheme"), 1620);
    m_serie = combo(p, QStringLiteral("SerieChoisie"), QStringLiteral("Série:"), QStringLiteral("LibelleSerie"),
        QStringLiteral("CodeSerie"), 1980);
    m_dessinateur = combo(p, QStringLiteral("DessinateurChoisi"), QStringLiteral("Dessinateur:"),
        QStringLiteral("NomDessinateur"), QStringLiteral("CodeDessinateur"), 2340);
    m_graveur = combo(p, QStringLiteral("GraveurChoisi"), QStringLiteral("Graveur:"), QStringLiteral("NomGraveur"),
        QStringLiteral("CodeGraveur"), 2700);
    CreerControle<QLabel>(p, QString(), QStringLiteral("Mot-clé:"), 120, 3090, 1380, 255);
    m_texte = CreerControle<QLineEdit>(p, QStringLiteral("TexteChoisi"), 1560, 3060, 3120, 315);
    CreerControle<QLabel>(p, QString(), QStringLiteral("Année:"), 120, 3450, 1380, 255);
    m_operateur = CreerControle<QComboBox>(p, QStringLiteral("OperateurAnnee"), 1560, 3420, 780, 315);
    m_operateur->addItems(OperateursAnnee());
    m_annee = CreerControle<QLineEdit>(p, QStringLiteral("AnneeChoisie"), 2460, 3420, 1020, 315);
    CreerControle<QLabel>(p, QString(), QStringLiteral("Val. faciale:"), 120, 3810, 1380, 255);
    m_faciale = CreerControle<QLineEdit>(p, QStringLiteral("FacialeChoisie"), 1560, 3780, 1920, 315);
    CreerControle<QLabel>(p, QString(), QStringLiteral("Carte dépt:"), 120, 4200, 1380, 255);
    auto* carte =
        CreerControle<QPushButton>(p, QStringLiteral("BoutonCarte"), QStringLiteral("Carte"), 1560, 4140, 1020, 375);
    m_dept = CreerControle<QLabel>(p, QStringLiteral("Dept"), 2700, 4200, 780, 255);

    QGroupBox* etendue = cadre(p, QStringLiteral("grpEtendue"), QStringLiteral("Rechercher dans"), 120, 4620, 4560, 660);
    m_etendue = new QButtonGroup(this);
    option(etendue, m_etendue, QStringLiteral("Etendue"), 1, QStringLiteral("Zorizad ud Udavoz"), 120, 300);
    option(etendue, m_etendue, QStringLiteral("Etendue"), 2, QStringLiteral("Ma collection"), 2400, 300);
    auto* rechercher = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonRechercher"), QStringLiteral("Lancer la recherche !"), 120, 5400, 2220, 435);
    auto* raz = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonRAZ"), QStringLiteral("Vider la sélection"), 2460, 5400, 2220, 435);

    QGroupBox* varietes =
        cadre(p, QStringLiteral("grpVariétés"), QStringLiteral("Rechercher variétés"), 120, 5940, 4560, 720);
    m_variete = new ComboDonnees(QStringLiteral("Designation"), QStringLiteral("Designation"), varietes);
    m_variete->setObjectName(QStringLiteral("VarieteChoisie"));
    SaisieLibre(m_variete);
    Placer(m_variete, 120, 300, 3600, 315);
    auto* go = CreerControle<QPushButton>(
        varietes, QStringLiteral("BoutonVariétés"), QStringLiteral("Go"), 3840, 270, 600, 375);
    // Valuing the collection belongs to printing, which gives this button its handler.
    auto* valeur = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonValeurCollection"), QStringLiteral("Valeur de la collection"), 120, 6780, 4560, 375);

    m_liste = CreerControle<VueResultat>(p, QStringLiteral("Liste"), 4920, 600, 6840, 4440);
    colonnesTimbres();
    m_liste->viewport()->installEventFilter(this);
    // The thumbnail slots take the list's place: four rows of five, each number under its picture.
    for (int k = 1; k <= MiniaturesParPage; ++k) {
        const int g = 4920 + ((k - 1) % 5) * 1368 + 54;
        const int h = 600 + ((k - 1) / 5) * 1110;
        auto* image = CreerControle<BoiteImage>(p, QStringLiteral("Picture%1").arg(k), g, h, 1260, 840);
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
        auto* numero = CreerControle<QLabel>(p, QStringLiteral("Label%1").arg(k), g, h + 855, 1260, 240);
        numero->setAlignment(Qt::AlignCenter);
        m_pictures[std::size_t(k - 1)] = image;
        m_labels[std::size_t(k - 1)] = numero;
    }
    m_texteClic = CreerControle<QLabel>(p, QStringLiteral("TexteClicListe"),
        QStringLiteral("Simple clic pour afficher la vignette, double clic pour accéder à la fiche"), 4920, 5100, 6840,
        255);
    m_prev = CreerControle<QPushButton>(p, QStringLiteral("PrevBtn"), 4920, 5040, 495, 375);
    m_prev->setIcon(QPixmap::fromImage(IconeBouton(QStringLiteral("◀"), QColor(40, 80, 140), 24)));
    m_pageLabel = CreerControle<QLabel>(p, QStringLiteral("PageLabel"), 5520, 5100, 1800, 255);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_next = CreerControle<QPushButton>(p, QStringLiteral("NextBtn"), 7425, 5040, 495, 375);
    m_next->setIcon(QPixmap::fromImage(IconeBouton(QStringLiteral("▶"), QColor(40, 80, 140), 24)));

    m_texteNb = CreerControle<QLabel>(p, QStringLiteral("TexteNb"), 4920, 5460, 3000, 255);
    QGroupBox* visu = cadre(p, QStringLiteral("grpVisu"), QStringLiteral("Visualisation"), 4920, 5820, 2880, 900);
    m_visu = new QButtonGroup(this);
    option(visu, m_visu, QStringLiteral("Visu"), 1, QStringLiteral("Liste"), 120, 270);
    option(visu, m_visu, QStringLiteral("Visu"), 2, QStringLiteral("Miniatures"), 120, 570);
    m_picture127 = CreerControle<BoiteImage>(p, QStringLiteral("Picture127"), 8040, 5460, 1500, 1560);
    m_picture127->setCursor(Qt::PointingHandCursor);
    m_picture127->installEventFilter(this);
    m_atteindre = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonAtteindre"), QStringLiteral("Atteindre fiche"), 9720, 5460, 2040, 375);
    auto* imprimer = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonImprimer"), QStringLiteral("Imprimer"), 9720, 5940, 2040, 375);

    m_visu->button(1)->setChecked(true);
    m_etendue->button(1)->setChecked(true);
    m_texteNb->setText(AucunTrouve);
    for (QLabel* numero : m_labels)
        numero->hide();
    for (BoiteImage* image : m_pictures)
        image->hide();
    m_prev->hide();
    m_next->hide();
    m_pageLabel->hide();

    connect(m_visu, &QButtonGroup::idToggled, this, [this](int id, bool choisi) {
        if (choisi)
            Visu_Click(id);
    });
    connect(m_etendue, &QButtonGroup::idToggled, this, [this](int id, bool choisi) {
        if (choisi)
            Etendue_Click(id);
    });
    connect(rechercher, &QPushButton::clicked, this, &OFormRecherche::BoutonRechercher_Click);
    connect(raz, &QPushButton::clicked, this, &OFormRecherche::BoutonRAZ_Click);
    connect(go, &QPushButton::clicked, this, &OFormRecherche::BoutonVariétés_Click);
    connect(carte, &QPushButton::clicked, this, &OFormRecherche::BoutonCarte_Click);
    connect(m_liste, &QAbstractItemView::clicked, this, &OFormRecherche::Liste_ItemClick);
    connect(m_atteindre, &QPushButton::clicked, this, &OFormRecherche::BoutonAtteindre_Click);
    connect(imprimer, &QPushButton::clicked, this, &OFormRecherche::BoutonImprimer_Click);
    connect(valeur, &QPushButton::clicked, this, [] { BoutonValeurCollection_Click(); });
    connect(m_next, &QPushButton::clicked, this, &OFormRecherche::NextBtn_Click);
    connect(m_prev, &QPushButton::clicked, this, &OFormRecherche::PrevBtn_Click);
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::changee, this, &OFormRecherche::collectionChangee);
}

void OFormRecherche::Form_Load()
{
    OuvrirBasePerso();
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
    chargerListes();
    remplirThemes();
    choisirVisu(1);
    choisirEtendue(1);
    m_operateur->setCurrentText(QStringLiteral("="));
    ActualiserCollection();
}

void OFormRecherche::collectionChangee()
{
    // Closing keeps the themes offered until the next opening, load or change of the personal themes.
    if (CollectionEstOuverte())
        remplirThemes();
    ActualiserCollection();
}

void OFormRecherche::remplirThemes()
{
    const QString n = CodeCollectionOuverte();
    try {
        Recordset themes = n.isEmpty()
            ? Recordset::Ouvrir(CnxPerso,
                  QStringLiteral("SELECT DISTINCT * FROM Themes WHERE Collection = 1 "
                                 "ORDER BY Theme COLLATE FRANCAIS"))
            : Recordset::Ouvrir(CnxPerso,
                  QStringLiteral("SELECT DISTINCT * FROM Themes WHERE Collection = ? OR Collection = 1 "
                                 "ORDER BY Theme COLLATE FRANCAIS"),
                  {n});
        m_theme->definirSource(themes);
    } catch (const ErreurBase&) {
    }
}

void RemplirThemesRecherche()
{
    if (auto* recherche = qobject_cast<OFormRecherche*>(ChargerEcran(2)))
        recherche->remplirThemes();
}

void OFormRecherche::chargerListes()
{
    const struct {
        ComboDonnees* combo;
        const char* sql;
    } listes[] = {
        {m_rubrique, "SELECT * FROM Rubriques ORDER BY Ordre"},
        {m_type, "SELECT * FROM Types ORDER BY LibelleType COLLATE FRANCAIS"},
        {m_serie, "SELECT * FROM Series ORDER BY LibelleSerie COLLATE FRANCAIS"},
        {m_dessinateur, "SELECT * FROM Dessinateurs ORDER BY NomDessinateur COLLATE FRANCAIS"},
        {m_graveur, "SELECT * FROM Graveurs ORDER BY NomGraveur COLLATE FRANCAIS"},
        {m_variete, "SELECT * FROM TypeVarietes ORDER BY Designation COLLATE FRANCAIS"},
    };
    for (const auto& l : listes) {
        try {
            Recordset source = Recordset::Ouvrir(CnxCatalogue, QString::fromUtf8(l.sql));
            l.combo->definirSource(source);
        } catch (const ErreurBase&) {
            // Without the catalogue the criterion offers nothing.
        }
        l.combo->definirBoundText(QString());
    }
    m_variete->setEditText(QString());
}

bool OFormRecherche::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_liste->viewport() && evenement->type() == QEvent::MouseButtonDblClick) {
        // The list's own double click selects the row under the pointer first.
        QMetaObject::invokeMethod(this, &OFormRecherche::Liste_DblClick, Qt::QueuedConnection);
    } else if (objet == m_picture127 && clicGauche(objet, evenement)) {
        Picture127_Click();
    } else {
        for (int k = 1; k <= MiniaturesParPage; ++k) {
            if (objet == m_pictures[std::size_t(k - 1)] && clicGauche(objet, evenement)) {
                Picture_Click(k);
                break;
            }
        }
    }
    return EcranPrincipal::eventFilter(objet, evenement);
}

void OFormRecherche::choisirVisu(int index)
{
    m_visu->button(index)->setChecked(true);
}

void OFormRecherche::choisirEtendue(int index)
{
    m_etendue->button(index)->setChecked(true);
}

int OFormRecherche::Visu() const
{
    return m_visu->checkedId();
}

int OFormRecherche::Etendue() const
{
    return m_etendue->checkedId();
}

void OFormRecherche::Etendue_Click(int)
{
    if (Etendue() == 2 && !CollectionEstOuverte()) {
        AfficherMessage(QStringLiteral("Vous devez d'abord ouvrir une collection avant d'utiliser cette option"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Option non disponible"));
        choisirEtendue(1);
    }
}

CriteresRecherche OFormRecherche::criteres() const
{
    CriteresRecherche c;
    c.maCollection = Etendue() == 2;
    c.collection = CodeCollectionOuverte();
    auto lire = [](const ComboDonnees* combo, QString& code, QString& nom) {
        code = combo->BoundText();
        nom = code.isEmpty() ? QString() : combo->currentText();
    };
    lire(m_rubrique, c.rubrique, c.nomRubrique);
    lire(m_type, c.type, c.nomType);
    lire(m_theme, c.theme, c.nomTheme);
    lire(m_serie, c.serie, c.nomSerie);
    lire(m_dessinateur, c.dessinateur, c.nomDessinateur);
    lire(m_graveur, c.graveur, c.nomGraveur);
    c.motCle = m_texte->text();
    c.operateurAnnee = m_operateur->currentText();
    c.annee = m_annee->text();
    c.faciale = m_faciale->text();
    c.departement = m_dept->text();
    return c;
}

void OFormRecherche::colonnesTimbres()
{
    m_liste->viderColonnes();
    m_liste->ajouterColonne(QStringLiteral("Dallay"), 1000);
    m_liste->ajouterColonne(QStringLiteral("Année"), 700);
    m_liste->ajouterColonne(QStringLiteral("Désignation"), 5000);
}

void OFormRecherche::effacerVignette()
{
    m_vignette = QImage();
    m_picture127->effacer();
}

void OFormRecherche::BoutonRechercher_Click()
{
    if (Etendue() == 2 && !CollectionEstOuverte()) {
        AfficherMessage(QStringLiteral("Cette recherche nécessite l'ouverture d'une collection"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    const CriteresRecherche c = criteres();
    if (const auto refus = RefusAnnee(c.annee)) {
        AfficherMessage(*refus, Boutons::OK, Icone::Exclamation, QStringLiteral("Saisie incorrecte"));
        m_annee->setFocus();
        return;
    }
    Sablier sablier;
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
    OuvrirBasePerso();
    effacerVignette();

    const RechercheConstruite recherche = ConstruireRecherche(c);
    m_texteSQL = recherche.liste;
    m_texteCritere = recherche.texteCritere;
    m_selectTN = recherche.miniatures;
    m_sorte = SorteListe::Timbres;
    // The rows of the last list go before the query runs, so that two results are never held at once.
    m_liste->viderLignes();
    Recordset rstRecherche;
    Recordset numeros;
    std::optional<ErreurBase> echec;
    try {
        CreerLiensRecherche(*CnxPerso);
        rstRecherche = m_texteSQL.ouvrir(CnxPerso);
        numeros = m_selectTN.ouvrir(CnxPerso);
    } catch (const ErreurBase& e) {
        echec = e;
    }
    try {
        SupprimerLiensRecherche(*CnxPerso);
    } catch (const ErreurBase&) {
        // A link left behind is replaced by the next search.
    }
    m_rstRechercheTN = std::move(numeros);
    remplirListeResultats(std::move(rstRecherche));
    m_texteNb->setText(QStringLiteral("%1 timbre(s) trouvé(s)").arg(m_liste->nombreLignes()));
    if (Visu() == 1) {
        m_liste->setFocus();
        if (m_liste->nombreLignes() > 0)
            m_selectTN2 = RequeteVignette(m_liste->texte(0, 0));
    }
    TestVisu();
    UpdateImage();
    sablier.restaurer();
    if (echec)
        signalerErreur(*echec);
}

void OFormRecherche::remplirListeResultats(Recordset&& rstRecherche)
{
    colonnesTimbres();
    if (!rstRecherche.estOuvert())
        return;
    // The list keeps the rows and reads a row's texts when it paints it.
    std::vector<CelluleResultat> cellules = CellulesTimbres(rstRecherche);
    m_liste->afficherResultat(std::move(rstRecherche), std::move(cellules));
    if (m_liste->nombreLignes() > 0)
        m_liste->definirLigneCourante(0);
}

void OFormRecherche::viderCriteres()
{
    for (ComboDonnees* combo : {m_rubrique, m_type, m_theme, m_serie, m_graveur, m_dessinateur})
        combo->definirBoundText(QString());
    m_texte->clear();
    m_operateur->setCurrentText(QStringLiteral("="));
    m_annee->clear();
    m_faciale->clear();
    m_dept->clear();
}

void OFormRecherche::BoutonRAZ_Click()
{
    viderCriteres();
    m_variete->definirBoundText(QString());
    m_variete->setEditText(QString());
    colonnesTimbres();
    m_sorte = SorteListe::Timbres;
    choisirVisu(1);
    m_selectTN = {};
    effacerVignette();
    m_texteNb->setText(AucunTrouve);
    TestVisu();
    choisirEtendue(1);
}

void OFormRecherche::ActualiserCollection()
{
    viderCriteres();
    m_liste->viderLignes();
    choisirVisu(1);
    m_selectTN = {};
    effacerVignette();
    m_texteNb->setText(AucunTrouve);
    choisirEtendue(1);
}

void OFormRecherche::BoutonVariétés_Click()
{
    const QString motCle = m_variete->currentText();
    if (motCle.isEmpty())
        return;
    Sablier sablier;
    choisirVisu(1);
    RazTN();
    OuvrirBaseCatalogue();
    m_liste->viderLignes();
    Recordset rstRecherche;
    std::optional<ErreurBase> echec;
    try {
        rstRecherche = RequeteVarietes(motCle).ouvrir(CnxCatalogue);
    } catch (const ErreurBase& e) {
        echec = e;
    }
    m_liste->viderColonnes();
    m_liste->ajouterColonne(QStringLiteral("Reference"), 1000);
    m_liste->ajouterColonne(QStringLiteral("Dallay"), 1000);
    m_liste->ajouterColonne(QStringLiteral("Année"), 700);
    m_liste->ajouterColonne(QStringLiteral("Désignation"), 5000);
    m_sorte = SorteListe::Varietes;
    if (rstRecherche.estOuvert()) {
        std::vector<CelluleResultat> cellules = CellulesVarietes(rstRecherche);
        m_liste->afficherResultat(std::move(rstRecherche), std::move(cellules));
        if (m_liste->nombreLignes() > 0)
            m_liste->definirLigneCourante(0);
    }
    m_texteNb->setText(QStringLiteral("%1 timbre(s) trouvé(s)").arg(m_liste->nombreLignes()));
    m_liste->setFocus();
    UpdateImage();
    sablier.restaurer();
    if (echec)
        signalerErreur(*echec);
}

void OFormRecherche::BoutonCarte_Click()
{
    OFormRechercheDepts carte;
    // The screen writes its own Dept: a département chosen on the map, nothing when it was left otherwise.
    if (MontrerModal(carte) == QDialog::Accepted)
        m_dept->setText(carte.choix());
}

void OFormRecherche::Visu_Click(int)
{
    if (Visu() == 1) {
        RazTN();
        return;
    }
    if (m_sorte == SorteListe::Varietes) {
        AfficherMessage(QStringLiteral("L'affichage des variétés en miniatures n'est pas prévue"), Boutons::OK,
            Icone::Information, QStringLiteral("Impossible de continuer"));
        choisirVisu(1);
        return;
    }
    if (m_liste->nombreLignes() == 0)
        return;
    MaJTN();
}

void OFormRecherche::TestVisu()
{
    if (Visu() == 1)
        RazTN();
    else
        MaJTN();
}

void OFormRecherche::RazTN()
{
    Sablier sablier;
    m_picture127->show();
    m_liste->show();
    m_texteClic->show();
    for (BoiteImage* image : m_pictures)
        image->hide();
    for (QLabel* numero : m_labels)
        numero->hide();
    m_atteindre->show();
    m_prev->hide();
    m_next->hide();
    m_pageLabel->hide();
}

void OFormRecherche::MaJTN()
{
    Sablier sablier;
    OuvrirBaseCD();
    m_picture127->hide();
    m_liste->hide();
    m_texteClic->hide();
    for (BoiteImage* image : m_pictures)
        image->show();
    for (QLabel* numero : m_labels)
        numero->show();
    m_atteindre->hide();
    m_prev->show();
    m_next->show();
    m_pageLabel->show();
    CurrentPage = 1;
    UpdateControls();
}

void OFormRecherche::UpdateControls()
{
    Sablier sablier;
    const PageMiniatures page = CalculerPage(m_rstRechercheTN.RecordCount(), CurrentPage);
    CurrentPage = page.page;
    m_pageLabel->setText(page.libelle);
    // The focus leaves a page button before it is disabled, to the first criterion.
    if (!page.suivante || !page.precedente)
        m_rubrique->setFocus();
    m_next->setEnabled(page.suivante);
    m_prev->setEnabled(page.precedente);
    for (int k = 1; k <= MiniaturesParPage; ++k) {
        BoiteImage* image = m_pictures[std::size_t(k - 1)];
        QLabel* numero = m_labels[std::size_t(k - 1)];
        QImage& miniature = m_images[std::size_t(k - 1)];
        miniature = QImage();
        image->effacer();
        if (k > page.nombre) {
            // An empty slot names no stamp, so that a click on it opens none.
            numero->clear();
            numero->hide();
            continue;
        }
        m_rstRechercheTN.Move(page.premier + k - 1);
        const QString dallay = Texte(m_rstRechercheTN.Champ(0));
        miniature = imageDisque(RequeteVignette(dallay), image->size());
        AjusterImage(miniature, image);
        numero->setText(dallay);
        numero->show();
    }
}

void OFormRecherche::NextBtn_Click()
{
    ++CurrentPage;
    UpdateControls();
}

void OFormRecherche::PrevBtn_Click()
{
    --CurrentPage;
    UpdateControls();
}

void OFormRecherche::Liste_ItemClick()
{
    const int ligne = m_liste->ligneCourante();
    if (ligne < 0)
        return;
    m_selectTN2 = RequeteVignette(m_liste->texte(ligne, 0));
    UpdateImage();
}

void OFormRecherche::UpdateImage()
{
    if (m_liste->nombreLignes() == 0)
        return;
    Sablier sablier;
    // A vignette that does not load leaves the box empty rather than showing the one before.
    m_vignette = imageDisque(m_selectTN2, m_picture127->size());
    AjusterImage(m_vignette, m_picture127);
    if (m_liste->isVisible())
        m_liste->setFocus();
}

void OFormRecherche::Liste_DblClick()
{
    if (m_liste->nombreLignes() < 1) {
        AfficherMessage(QStringLiteral("La liste est vide"), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    const int ligne = m_liste->ligneCourante();
    AtteindreFiche(ligne >= 0 ? m_liste->texte(ligne, 0) : QString(), this);
}

void OFormRecherche::BoutonAtteindre_Click()
{
    Sablier sablier;
    if (const int ligne = m_liste->ligneCourante(); ligne >= 0)
        DallaySelection = m_liste->texte(ligne, 0);
    AtteindreFiche(DallaySelection, this);
}

void OFormRecherche::Picture127_Click()
{
    BoutonAtteindre_Click();
}

void OFormRecherche::Picture_Click(int k)
{
    const QString dallay = m_labels[std::size_t(k - 1)]->text();
    if (dallay.isEmpty())
        return;
    DallaySelection = dallay;
    AtteindreFicheSelection();
}

void OFormRecherche::AtteindreFicheSelection()
{
    Sablier sablier;
    AtteindreFiche(DallaySelection, this);
}

void OFormRecherche::BoutonImprimer_Click()
{
    if (m_liste->nombreLignes() < 1 || m_sorte == SorteListe::Varietes) {
        AfficherMessage(QStringLiteral("La liste est vide"), Boutons::OK, Icone::Exclamation,
            QStringLiteral("Impossible de continuer"));
        return;
    }
    if (ImprimerRecherche)
        ImprimerRecherche(*this);
}
