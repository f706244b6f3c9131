#include "card/OFormFiche.h"

#include "card/Fiche.h"
#include "card/OFormFicheIllustration1.h"
#include "card/OFormFicheIllustration2.h"
#include "card/OFormFicheThemes.h"
#include "card/OFormFichezoom.h"
#include "card/TexteFiche.h"
#include "cardparts/CotesCarte.h"
#include "cardparts/Nombres.h"
#include "data/Conditions.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "platform/Saisie.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"
#include "shell/ValidationSortie.h"
#include "subcards/OFormFicheMesVarietes.h"
#include "subcards/OFormFicheObliterations.h"
#include "subcards/OFormFicheVarietes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QSlider>
#include <QTabBar>
#include <QToolButton>

namespace {

QLabel* libelle(QWidget* parent, const QString& texte, int g, int h, int l, int ht)
{
    auto* e = new QLabel(texte, parent);
    Placer(e, g, h, l, ht);
    return e;
}

QLabel* champ(QWidget* parent, const QString& nom, int g, int h, int l, int ht)
{
    auto* e = CreerControle<QLabel>(parent, nom, g, h, l, ht);
    e->setTextFormat(Qt::PlainText);
    return e;
}

// The picture of a navigation button: an arrow up or down, with a bar at its point for the ends.
QIcon flecheNavigation(bool versLeHaut, bool barre)
{
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 120));
    QPainterPath pointe;
    const double haut = versLeHaut ? 6 : 18;
    const double base = versLeHaut ? 17 : 7;
    pointe.moveTo(12, haut);
    pointe.lineTo(4, base);
    pointe.lineTo(20, base);
    pointe.closeSubpath();
    p.drawPath(pointe);
    if (barre)
        p.drawRect(QRectF(4, versLeHaut ? 2 : 19, 16, 3));
    return QIcon(image);
}

// The date columns are ISO text; the card writes them in the user's short form.
QString dateCourte(const QVariant& valeur)
{
    if (EstNul(valeur))
        return {};
    const QDate d = QDate::fromString(valeur.toString().left(10), Qt::ISODate);
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : valeur.toString();
}

void viderCombo(QComboBox* combo)
{
    const QSignalBlocker bloque(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

// The card's slider, which the card can stop from paging on.
class CurseurFiches : public QSlider {
public:
    using QSlider::QSlider;
    void arreterPagination() { setRepeatAction(SliderNoAction); }
};

}  // namespace

OFormFiche::OFormFiche(QWidget* parent) : EcranPrincipal(1, QStringLiteral("OFormFiche"), 11900, 7750, parent)
{
    creerTexte();
    creerImage();
    creerCotations();
    ParametresGrille parametres;
    parametres.suffixes = SuffixesEtats;
    parametres.maximumQuantite = 9999;
    parametres.tiquesDoubles = true;
    parametres.gauche = 120;
    parametres.haut = 4740;
    m_grille = new GrilleDetention(page(), parametres);
    m_validation = new ValidationSortie(this);
    m_grille->installerSaisie(*m_validation);
    m_grille->definirRecalcul([this] { CalculerValeurs(); });
    connect(m_grille, &GrilleDetention::modifie, this, [] { ModifFiche = 1; });
    m_cotes->installerSaisie(*m_validation);
    m_cotes->definirMontrerLigne([this](int ligne, bool visible) { m_grille->montrerLigne(ligne, visible); });
    m_cotes->definirRecalcul([this] { CalculerValeurs(); });
    auto* cadre = CreerControle<QLabel>(page(), QStringLiteral("CadreCollectionTexte"), 120, 4740, 900, 240);
    cadre->setText(QStringLiteral("Collection"));
    QFont gras = cadre->font();
    gras.setBold(true);
    cadre->setFont(gras);
    creerNavigation();
    // The slider pages on the press itself: a press that leaves a refused value must not page on.
    m_validation->surveillerPression(m_slider);
    creerRechercheRapide();
    creerSousOnglets();
    // The card sees each key before the control that has the focus.
    qApp->installEventFilter(this);
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::changee, this, &OFormFiche::ActualiserCollection);
}

OFormFiche::~OFormFiche()
{
    qApp->removeEventFilter(this);
}

void OFormFiche::creerTexte()
{
    QWidget* p = page();
    libelle(p, QStringLiteral("Dallay :"), 120, 600, 720, 285);
    m_dallay = champ(p, QStringLiteral("Dallay"), 840, 600, 1320, 285);
    libelle(p, QStringLiteral("Michel"), 2280, 600, 600, 285);
    m_id2 = champ(p, QStringLiteral("ID2"), 2880, 600, 1320, 285);
    QFont gras = m_dallay->font();
    gras.setBold(true);
    m_dallay->setFont(gras);
    m_designation = champ(p, QStringLiteral("Designation"), 120, 900, 5760, 285);
    m_designation->setFont(gras);
    m_seriee = champ(p, QStringLiteral("Seriee"), 120, 1200, 5760, 285);
    libelle(p, QStringLiteral("Emis le :"), 120, 1500, 780, 285);
    m_dateEmission = champ(p, QStringLiteral("DateEmission"), 900, 1500, 1080, 285);
    libelle(p, QStringLiteral("Retiré le :"), 2040, 1500, 840, 285);
    m_dateRetrait = champ(p, QStringLiteral("DateRetrait"), 2880, 1500, 1080, 285);
    libelle(p, QStringLiteral("Démonétisé le :"), 3960, 1500, 1140, 285);
    m_demonetisation = champ(p, QStringLiteral("Demonetisation"), 5100, 1500, 900, 285);
    m_facialeCouleur = champ(p, QStringLiteral("FacialeCouleur"), 120, 1800, 5760, 285);
    m_texteFinal = champ(p, QStringLiteral("TexteFinal"), 120, 2160, 5760, 1800);
    m_texteFinal->setWordWrap(true);
    m_texteFinal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void OFormFiche::creerImage()
{
    QWidget* p = page();
    m_picture1 = CreerControle<BoiteImage>(p, QStringLiteral("Picture1"), 6000, 600, 3600, 2700);
    m_picture1->installEventFilter(this);
    m_picture2 = CreerControle<BoiteImage>(p, QStringLiteral("Picture2"), 6000, 600, 300, 300);
    m_picture2->hide();
    m_illustration1 = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonIllustration1"), QStringLiteral("illustration &1"), 6000, 3360, 1170, 330);
    m_illustration2 = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonIllustration2"), QStringLiteral("illustration &2"), 7215, 3360, 1170, 330);
    auto* zoom =
        CreerControle<QPushButton>(p, QStringLiteral("BoutonZoom"), QStringLiteral("&Zoom"), 8430, 3360, 1170, 330);
    connect(m_illustration1, &QPushButton::clicked, this, &OFormFiche::BoutonIllustration1_Click);
    connect(m_illustration2, &QPushButton::clicked, this, &OFormFiche::BoutonIllustration2_Click);
    connect(zoom, &QPushButton::clicked, this, &OFormFiche::BoutonZoom_Click);
}

void OFormFiche::creerCotations()
{
    QWidget* p = page();
    ParametresCotes parametres = CotesCinqEtats(QStringLiteral("Cotations2001"));
    parametres.comboGauche = 120;
    parametres.comboHaut = 4020;
    parametres.prixGauche = 1800;
    parametres.prixHaut = 4290;
    m_cotes = new CotesCarte(p, parametres);
    m_cotes->definirDallay([this] { return m_dallay->text(); });
    m_cotes->CoteChoisie()->setStyleSheet(
        QStringLiteral("QComboBox { background-color: rgb(255, 255, 192); color: rgb(128, 0, 0); }"));
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        auto* titre = libelle(p, Conditions[i].enteteCote, 1800 + int(i) * 820, 4020, 800, 255);
        titre->setAlignment(Qt::AlignCenter);
        titre->setToolTip(Conditions[i].infobulleCote);
    }
    libelle(p, QStringLiteral("Perso :"), 120, 4380, 540, 285);
    m_idPerso = CreerControle<QLineEdit>(p, QStringLiteral("IDPerso"), 660, 4380, 1020, 285);
    // Only the user's own typing changes the stored number; a display writing the box does not.
    connect(m_idPerso, &QLineEdit::textEdited, this, [this] { IDPerso_Change(); });
}

void OFormFiche::creerNavigation()
{
    QWidget* p = page();
    struct Nav {
        const char* nom;
        const char* infobulle;
        bool haut;
        bool barre;
        void (OFormFiche::*action)();
    };
    const Nav boutons[] = {{"BoutonDebut", "Première fiche", true, true, &OFormFiche::BoutonDebut_Click},
        {"BoutonHaut", "Fiche précédente", true, false, &OFormFiche::BoutonHaut_Click},
        {"BoutonBas", "Fiche suivante", false, false, &OFormFiche::BoutonBas_Click},
        {"BoutonFin", "Dernière fiche", false, true, &OFormFiche::BoutonFin_Click}};
    for (int i = 0; i < 4; ++i) {
        auto* b = CreerControle<QToolButton>(p, QString::fromUtf8(boutons[i].nom), 9840, 600 + i * 540, 480, 480);
        b->setIcon(flecheNavigation(boutons[i].haut, boutons[i].barre));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(QString::fromUtf8(boutons[i].infobulle));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, boutons[i].action);
    }
    m_slider = CreerControle<CurseurFiches>(p, QStringLiteral("SliderFiches"), 10440, 600, 360, 2100);
    m_slider->setOrientation(Qt::Vertical);
    m_slider->setInvertedAppearance(true);
    m_slider->setInvertedControls(true);
    m_slider->setRange(1, 1);
    // Only the user's own moves of the slider move the card; a drag moves it once, when released.
    connect(m_slider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            QMetaObject::invokeMethod(this, &OFormFiche::SliderFiches_Click, Qt::QueuedConnection);
    });
    connect(m_slider, &QSlider::sliderReleased, this, &OFormFiche::SliderFiches_Click);

    auto* imprimer = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonImprimer"), QStringLiteral("&Imprimer"), 10920, 600, 900, 330);
    // The print button of the card has nothing to print.
    imprimer->hide();
}

void OFormFiche::creerRechercheRapide()
{
    QWidget* p = page();
    libelle(p, QStringLiteral("Recherche rapide par numéro"), 6000, 3780, 3600, 255);
    const struct {
        const char* nom;
        const char* titre;
    } combos[] = {{"DallayChoisi", "Dallay"}, {"ID2Choisi", "Michel"}, {"PersoChoisi", "Perso"}};
    QList<QComboBox*> faits;
    for (int i = 0; i < 3; ++i) {
        const int x = 6000 + i * 1140;
        libelle(p, QString::fromUtf8(combos[i].titre), x, 4020, 1080, 240);
        auto* combo = CreerControle<QComboBox>(p, QString::fromUtf8(combos[i].nom), x, 4260, 1080, 315);
        SaisieLibre(combo);
        combo->setMaxVisibleItems(20);
        viderCombo(combo);
        faits << combo;
    }
    m_dallayChoisi = faits.at(0);
    m_id2Choisi = faits.at(1);
    m_persoChoisi = faits.at(2);
    auto* chercher = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonRechercher"), QStringLiteral("&Chercher"), 9480, 4260, 1080, 315);
    connect(chercher, &QPushButton::clicked, this, &OFormFiche::BoutonRechercher_Click);
}

void OFormFiche::creerSousOnglets()
{
    // The four lists of the stamp share one place inside the sub-tab area; their Left is counted from it.
    m_sousOnglets = CreerControle<QWidget>(page(), QStringLiteral("CadreSousOnglets"), 6000, 4740, 5760, 2940);
    m_ongletsListes = CreerControle<QTabBar>(m_sousOnglets, QStringLiteral("SousOnglets"), 0, 0, 5760, 360);
    for (const char* titre : {"Variétés", "Mes variétés", "Oblitérations", "Thèmes"})
        m_ongletsListes->addTab(QString::fromUtf8(titre));
    m_ongletsListes->setExpanding(false);
    auto liste = [this](const QString& nom, const QString& affiche, const QString& cle) {
        auto* l = new ListeDonnees(affiche, cle, m_sousOnglets);
        l->setObjectName(nom);
        Placer(l, 60, 420, 5640, 1980);
        return l;
    };
    m_listeVarietes = liste(QStringLiteral("ListeVarietes"), QStringLiteral("Designation"), QStringLiteral("Dallay"));
    m_listeMesVarietes = liste(QStringLiteral("ListeMesVarietes"), QStringLiteral("Designation"), QStringLiteral("CodePersonnel"));
    m_listeObliterations = liste(QStringLiteral("ListeObliterations"), QStringLiteral("Designation"), QStringLiteral("Dallay"));
    m_listeThemes = liste(QStringLiteral("ListeThemes"), QStringLiteral("Theme"), QStringLiteral("Dallay"));
    const struct {
        const char* nom;
        const char* texte;
        int gauche;
    } boutons[] = {{"BoutonMVarAjout", "Ajouter", 120}, {"BoutonMVarModif", "Modifier", 1080},
        {"BoutonMVarRenommer", "Renommer", 2040}, {"BoutonMVarSuppr", "Supprimer", 3000}};
    for (const auto& b : boutons)
        m_boutonsMesVarietes << CreerControle<QPushButton>(
            m_sousOnglets, QString::fromUtf8(b.nom), QString::fromUtf8(b.texte), b.gauche, 2490, 900, 360);
    m_boutonThemes = CreerControle<QPushButton>(
        m_sousOnglets, QStringLiteral("BoutonThemesPersos"), QStringLiteral("Associer thèmes"), 120, 2490, 1800, 360);
    const QList<void (OFormFiche::*)()> actions = {&OFormFiche::BoutonMVarAjout_Click, &OFormFiche::BoutonMVarModif_Click,
        &OFormFiche::BoutonMVarRenommer_Click, &OFormFiche::BoutonMVarSuppr_Click};
    for (int i = 0; i < actions.size(); ++i)
        connect(m_boutonsMesVarietes.at(i), &QPushButton::clicked, this, actions.at(i));
    connect(m_boutonThemes, &QPushButton::clicked, this, &OFormFiche::BoutonThemesPersos_Click);
    connect(m_ongletsListes, &QTabBar::currentChanged, this, [this](int) { SousOnglets_Click(); });
    connect(m_listeVarietes, &ListeDonnees::Click, this, &OFormFiche::ListeVarietes_Click);
    connect(m_listeObliterations, &ListeDonnees::Click, this, &OFormFiche::ListeObliterations_Click);
    connect(m_listeMesVarietes, &ListeDonnees::DblClick, this, &OFormFiche::ListeMesVarietes_DblClick);
    SousOnglets_Click();
}

void OFormFiche::Form_Load()
{
    m_ongletsListes->setCurrentIndex(0);
    SousOnglets_Click();
    OuvrirBaseCatalogue();
    SansEchec([] {
        rstFrance = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM France ORDER BY Ordre"));
    });
    RemplirListeDallay();
    RemplirListeID2();
    RemplirListePerso();
    if (!rstFrance.Eof())
        AfficherFiche();
    AfficherLignesCotesDallay();
    ActualiserCollection();
}

void OFormFiche::ActualiserCollection()
{
    Sablier sablier;
    if (CollectionEstOuverte()) {
        // The stamp shown again with this collection's holdings: the display enables the grid, or leaves
        // it disabled when they cannot be read.
        AfficherFiche();
        ActiverGrilleSelonCollection();
        m_listeMesVarietes->setEnabled(true);
        m_listeThemes->setEnabled(true);
        // The own-item and theme buttons come with the next choice of their sub-tab.
        SansEchec(RemplirThemesFiche);
        RemplirMesVarietesFiche();
        return;
    }
    m_grille->vider();
    SansEchec([this] { CalculerValeurs(); });
    m_grille->activer(false);
    // Personal prices belong to the collection just closed: the card shows the catalogue's again.
    QComboBox* cote = m_cotes->CoteChoisie();
    if (cote->currentText() != QLatin1String("Cotes DALLAY")) {
        cote->setCurrentIndex(0);
        CoteChoisie_Click();
    }
    m_listeMesVarietes->setEnabled(false);
    for (QPushButton* b : m_boutonsMesVarietes)
        b->hide();
    m_listeThemes->setEnabled(false);
    m_boutonThemes->hide();
    SansEchec(RemplirThemesFiche);
    RemplirMesVarietesFiche();
    // Clearing the grid is no edit: the card's next move must write nothing into the closed collection.
    ModifFiche = 0;
}

void OFormFiche::SousOnglets_Click()
{
    const int t = m_ongletsListes->currentIndex();
    const QList<ListeDonnees*> listes = {m_listeVarietes, m_listeMesVarietes, m_listeObliterations, m_listeThemes};
    for (int i = 0; i < listes.size(); ++i)
        listes.at(i)->setVisible(i == t);
    const bool ouverte = CollectionEstOuverte();
    for (QPushButton* b : m_boutonsMesVarietes)
        b->setVisible(t == 1 && ouverte);
    m_boutonThemes->setVisible(t == 3 && ouverte);
}

// --- Moves -------------------------------------------------------------------------------------------

void OFormFiche::deplacer(Mouvement mouvement)
{
    Sablier sablier;
    if (rstFrance.RecordCount() < 1)
        return;
    if (!quitterFiche())
        return;
    bool auBout = false;
    switch (mouvement) {
    case Mouvement::Premier:
        rstFrance.MoveFirst();
        auBout = rstFrance.Bof();
        break;
    case Mouvement::Precedent:
        rstFrance.MovePrevious();
        if ((auBout = rstFrance.Bof()))
            rstFrance.MoveFirst();
        break;
    case Mouvement::Suivant:
        rstFrance.MoveNext();
        if ((auBout = rstFrance.Eof()))
            rstFrance.MoveLast();
        break;
    case Mouvement::Dernier:
        rstFrance.MoveLast();
        auBout = rstFrance.Eof();
        break;
    }
    // Past either end the card still shows the stamp it showed, which is again the current row.
    if (!auBout)
        AfficherFiche();
}

void OFormFiche::BoutonDebut_Click() { deplacer(Mouvement::Premier); }
void OFormFiche::BoutonHaut_Click() { deplacer(Mouvement::Precedent); }
void OFormFiche::BoutonBas_Click() { deplacer(Mouvement::Suivant); }
void OFormFiche::BoutonFin_Click() { deplacer(Mouvement::Dernier); }

void OFormFiche::Form_KeyDown(int touche)
{
    switch (touche) {
    case Qt::Key_PageDown:
        BoutonBas_Click();
        break;
    case Qt::Key_PageUp:
        BoutonHaut_Click();
        break;
    case Qt::Key_Home:
        BoutonDebut_Click();
        break;
    case Qt::Key_End:
        BoutonFin_Click();
        break;
    default:
        break;
    }
}

bool OFormFiche::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_picture1 && evenement->type() == QEvent::MouseButtonRelease) {
        Picture1_Click();
        return true;
    }
    if (evenement->type() != QEvent::KeyPress || !isVisible())
        return false;
    // The event passes once for the focused control and again for each parent it climbs to: the card
    // acts on the first passage only, and never takes the key from the control, but for the slider,
    // whose own use of these keys (a page of ten, the ends) would move the card a second time.
    auto* w = qobject_cast<QWidget*>(objet);
    if (!w || w != QApplication::focusWidget() || (w != this && !isAncestorOf(w)))
        return false;
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    Form_KeyDown(touche);
    const bool deplacement =
        touche == Qt::Key_PageDown || touche == Qt::Key_PageUp || touche == Qt::Key_Home || touche == Qt::Key_End;
    return deplacement && w == m_slider;
}

void OFormFiche::SliderFiches_Click()
{
    if (!quitterFiche()) {
        // The card stays with the value that waits; a press held in the groove pages no further, or every
        // page would be refused again.
        static_cast<CurseurFiches*>(m_slider)->arreterPagination();
        return;
    }
    rstFrance.Move(m_slider->value() - 1);
    if (!rstFrance.Eof() && !rstFrance.Bof())
        AfficherFiche();
}

void OFormFiche::BoutonRechercher_Click()
{
    Sablier sablier;
    if (!quitterFiche())
        return;
    const QString dallay = m_dallayChoisi->currentText();
    const QString id2 = m_id2Choisi->currentText();
    const QString perso = m_persoChoisi->currentText();
    if (!dallay.isEmpty()) {
        rstFrance.MoveFirst();
        rstFrance.Find(QStringLiteral("Dallay"), dallay);
        viderCombo(m_dallayChoisi);
    } else if (!id2.isEmpty()) {
        rstFrance.MoveFirst();
        rstFrance.Find(QStringLiteral("ID2"), id2);
        viderCombo(m_id2Choisi);
    } else if (!perso.isEmpty()) {
        rstListeIDPerso.MoveFirst();
        const bool trouve = rstListeIDPerso.estOuvert() && rstListeIDPerso.Find(QStringLiteral("IDPerso"), perso);
        rstFrance.MoveFirst();
        if (trouve)
            rstFrance.Find(QStringLiteral("Dallay"), rstListeIDPerso.Champ(QStringLiteral("Dallay")));
        viderCombo(m_persoChoisi);
    }
    if (rstFrance.Eof())
        rstFrance.MoveFirst();
    if (!rstFrance.Eof())
        AfficherFiche();
}

// --- Picture windows ---------------------------------------------------------------------------------

void OFormFiche::BoutonIllustration1_Click()
{
    OFormFicheIllustration1 fenetre(m_dallay->text(), this);
    MontrerModal(fenetre);
}

void OFormFiche::BoutonIllustration2_Click()
{
    OFormFicheIllustration2 fenetre(m_dallay->text(), this);
    MontrerModal(fenetre);
}

void OFormFiche::BoutonZoom_Click()
{
    OFormFichezoom fenetre(m_dallay->text(), this);
    MontrerModal(fenetre);
}

void OFormFiche::Picture1_Click()
{
    BoutonZoom_Click();
}

// --- Own items and personal themes -------------------------------------------------------------------

namespace {

void refuser(const QString& texte, const QString& titre)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, titre);
}

bool refuserSansCollection()
{
    if (CollectionEstOuverte())
        return false;
    refuser(QStringLiteral("Vous devez ouvrir une collection avant de pouvoir ajouter vos propres variétés"),
        QStringLiteral("Impossible de continuer"));
    return true;
}

// The name of an own item, asked until it is not empty; nullopt when the user cancels. Blanks are a name.
std::optional<QString> demanderDesignation(const QString& invite, const QString& titre, const QString& titreRefus)
{
    for (;;) {
        const std::optional<QString> nom = DemanderTexte(invite, titre);
        if (!nom || !nom->isEmpty())
            return nom;
        refuser(QStringLiteral("La désignation est obligatoire"), titreRefus);
    }
}

// One write of an own item; a refusal is reported and the list is reloaded all the same.
void ecrireMesVarietes(const QString& sql, const QVariantList& valeurs)
{
    try {
        CnxPerso->executer(sql, valeurs);
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
    }
    RemplirMesVarietesFiche();
}

}  // namespace

void OFormFiche::BoutonMVarAjout_Click()
{
    if (refuserSansCollection())
        return;
    const std::optional<QString> nom = demanderDesignation(
        QStringLiteral("Entrez la désignation"), QStringLiteral("Nouvelle variété"), QStringLiteral("Impossible de créer"));
    if (!nom)
        return;
    ecrireMesVarietes(QStringLiteral("INSERT INTO MesVarietes (Reference, Designation, Collection) VALUES (?, ?, ?)"),
        {m_dallay->text(), *nom, CodeCollectionOuverte()});
}

void OFormFiche::BoutonMVarModif_Click()
{
    if (m_listeMesVarietes->Text().isEmpty()) {
        refuser(QStringLiteral("Il faut sélectionner une variété avant d'ouvrir sa fiche"), QStringLiteral("Impossible d'ouvrir"));
        return;
    }
    ouvrirMesVarietes();
}

void OFormFiche::BoutonMVarRenommer_Click()
{
    if (refuserSansCollection())
        return;
    const QString code = m_listeMesVarietes->BoundText();
    if (m_listeMesVarietes->Text().isEmpty()) {
        refuser(QStringLiteral("Il faut sélectionner une variété avant de changer son nom"),
            QStringLiteral("Impossible de renommer"));
        return;
    }
    const std::optional<QString> nom = demanderDesignation(QStringLiteral("Entrez la nouvelle désignation"),
        QStringLiteral("Changer le nom"), QStringLiteral("Impossible de renommer"));
    if (!nom)
        return;
    ecrireMesVarietes(
        QStringLiteral("UPDATE MesVarietes SET Reference = ?, Designation = ?, Collection = ? WHERE CodePersonnel = ?"),
        {m_dallay->text(), *nom, CodeCollectionOuverte(), code});
}

void OFormFiche::BoutonMVarSuppr_Click()
{
    const QString code = m_listeMesVarietes->BoundText();
    const QString nom = m_listeMesVarietes->Text();
    if (nom.isEmpty()) {
        refuser(QStringLiteral("Il faut sélectionner une variété avant d'en demander la suppression"),
            QStringLiteral("Impossible de supprimer"));
        return;
    }
    if (AfficherMessage(QStringLiteral("La variété %1 va être supprimée. En êtes vous sûr(e) ?").arg(nom), Boutons::OuiNon,
            Icone::Question, QStringLiteral("Supprimer collection"), 1)
        != Reponse::Oui)
        return;
    ecrireMesVarietes(QStringLiteral("DELETE FROM MesVarietes WHERE CodePersonnel = ?"), {code});
}

void OFormFiche::BoutonThemesPersos_Click()
{
    OFormFicheThemes dialogue(m_dallay->text(), this);
    MontrerModal(dialogue);
}

void OFormFiche::ListeVarietes_Click()
{
    if (m_listeVarietes->Text().isEmpty()) {
        AfficherMessage(QStringLiteral("Aucune variété n'a été sélectionnée ou la liste est vide"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("impossible d'afficher"));
        return;
    }
    OFormFicheVarietes carte(m_listeVarietes->BoundText(), this);
    MontrerModal(carte);
}

void OFormFiche::ListeObliterations_Click()
{
    if (m_listeObliterations->Text().isEmpty()) {
        AfficherMessage(QStringLiteral("Aucune oblitération n'a été sélectionnée ou la liste est vide"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("impossible d'afficher"));
        return;
    }
    OFormFicheObliterations carte(m_listeObliterations->BoundText(), this);
    MontrerModal(carte);
}

void OFormFiche::ListeMesVarietes_DblClick()
{
    if (CodeCollectionOuverte().isEmpty()) {
        AfficherMessage(QStringLiteral("Vous devez ouvrir une collection avant de pouvoir ajouter vos propres variétés"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible de continuer"));
        return;
    }
    if (m_listeMesVarietes->BoundText().isEmpty()) {
        AfficherMessage(QStringLiteral("Aucune variété n'a été sélectionnée ou la liste est vide"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("impossible d'afficher"));
        return;
    }
    ouvrirMesVarietes();
}

void OFormFiche::ouvrirMesVarietes()
{
    OFormFicheMesVarietes carte(m_listeMesVarietes->BoundText(), this);
    MontrerModal(carte);
}

// --- Quick-search lists ------------------------------------------------------------------------------

namespace {

QStringList premiereColonne(const ConnexionPtr& cnx, const QString& sql)
{
    QStringList valeurs;
    if (!cnx || !cnx->estOuverte())
        return valeurs;
    Requete requete = cnx->preparer(sql);
    while (requete.suivante())
        valeurs << Texte(requete.colonne(0));
    return valeurs;
}

void remplirCombo(QComboBox* combo, const QStringList& valeurs)
{
    const QSignalBlocker bloque(combo);
    const QString texte = combo->currentText();
    // A whole catalogue of numbers: one list of texts, not an item object per number, so that the card's
    // load at start-up costs little more than the query.
    if (combo->count() == 0)
        combo->setModel(new QStringListModel(valeurs, combo));
    else
        combo->addItems(valeurs);
    // Adding items never chooses one: what the user typed stays.
    combo->setCurrentIndex(-1);
    combo->setEditText(texte);
}

}  // namespace

void OFormFiche::RemplirListeDallay()
{
    Sablier sablier;
    SansEchec([this] {
        remplirCombo(m_dallayChoisi, premiereColonne(CnxCatalogue, QStringLiteral("SELECT Dallay FROM France ORDER BY Ordre")));
    });
}

void OFormFiche::RemplirListeID2()
{
    Sablier sablier;
    SansEchec([this] {
        remplirCombo(m_id2Choisi,
            premiereColonne(CnxCatalogue, QStringLiteral("SELECT DISTINCT ID2 FROM France WHERE ID2 IS NOT NULL ORDER BY ID2")));
    });
}

void OFormFiche::RemplirListePerso()
{
    Sablier sablier;
    {
        const QSignalBlocker bloque(m_persoChoisi);
        const QString texte = m_persoChoisi->currentText();
        m_persoChoisi->clear();
        m_persoChoisi->setEditText(texte);
    }
    rstListeIDPerso = Recordset();
    SansEchec([this] {
        rstListeIDPerso = Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT * FROM CorrespID ORDER BY IDPerso"));
        QStringList numeros;
        numeros.reserve(rstListeIDPerso.RecordCount());
        const int colonne = rstListeIDPerso.Colonnes().indexOf(QStringLiteral("IDPerso"));
        for (rstListeIDPerso.MoveFirst(); !rstListeIDPerso.Eof(); rstListeIDPerso.MoveNext())
            numeros << Texte(rstListeIDPerso.Champ(colonne));
        remplirCombo(m_persoChoisi, numeros);
    });
}

// --- Display -----------------------------------------------------------------------------------------

void OFormFiche::afficher()
{
    ModifFiche = 0;
    afficherTexte();
    afficherNumeroPerso();
    afficherImage();
    afficherCotations();
    afficherListes();
    {
        const QSignalBlocker bloque(m_slider);
        m_slider->setMinimum(1);
        m_slider->setMaximum(std::max(1, rstFrance.RecordCount()));
    }
    afficherDetention();
    SansEchec([this] { CalculerValeurs(); });
    ModifFiche = 0;
}

void OFormFiche::afficherTexte()
{
    const Recordset& f = rstFrance;
    auto lire = [&f](const char* colonne) {
        try {
            return f.Champ(QString::fromLatin1(colonne));
        } catch (const ErreurBase&) {
            return QVariant();
        }
    };
    const TexteDescriptif texte = ComposerTexteDescriptif(f, CnxCatalogue);
    m_seriee->setText(texte.serie);
    m_texteFinal->setText(texte.texteFinal);
    m_dallay->setText(Texte(lire("Dallay")));
    m_id2->setText(Texte(lire("ID2")));
    m_designation->setText(Texte(lire("Designation")));
    m_dateEmission->setText(dateCourte(lire("DateEmission")));
    m_dateRetrait->setText(dateCourte(lire("DateRetrait")));
    m_demonetisation->setText(dateCourte(lire("Demonetisation")));
    m_illustration1->setVisible(EstVrai(lire("vrt")));
    m_illustration2->setVisible(EstVrai(lire("vrt2")));
    m_facialeCouleur->setText(Texte(lire("ValeurFaciale")) + QLatin1Char(' ') + Texte(lire("Couleurs")) + QLatin1Char(' ')
        + Texte(lire("info")));
}

void OFormFiche::afficherNumeroPerso()
{
    // Writing the box is no edit of the personal number: nothing is written back.
    const QSignalBlocker bloque(m_idPerso);
    rstCorrespID = Recordset();
    const bool lu = SansEchec([this] {
        rstCorrespID = Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT * FROM CorrespID WHERE Dallay = ?"),
            {m_dallay->text()});
        m_idPerso->setText(rstCorrespID.Eof() ? QString() : Texte(rstCorrespID.Champ(QStringLiteral("IDPerso"))));
    });
    if (!lu)
        m_idPerso->clear();
}

void OFormFiche::afficherImage()
{
    m_picture1->effacer();
    m_picture2->effacer();
    if (!OuvrirBaseCD())
        return;
    SansEchec([this] {
        Recordset image = Recordset::Ouvrir(
            CnxCD, QStringLiteral("SELECT Image FROM FrancePCT WHERE Dallay = ?"), {m_dallay->text()});
        if (image.Eof())
            return;
        AjusterImage(ImageDepuisOctets(image.Champ(0).toByteArray(), m_picture1->size()), m_picture1);
    });
}

void OFormFiche::afficherCotations()
{
    m_cotes->afficher();
}

void OFormFiche::CoteChoisie_Click()
{
    m_cotes->CoteChoisie_Click();
}

void OFormFiche::IDPerso_Change()
{
    const QString numero = m_idPerso->text();
    try {
        if (numero.isEmpty())
            CnxPerso->executer(QStringLiteral("DELETE FROM CorrespID WHERE Dallay = ?"), {m_dallay->text()});
        else
            CnxPerso->executer(QStringLiteral("INSERT INTO CorrespID (Dallay, IDPerso) VALUES (?, ?) "
                                              "ON CONFLICT (Dallay) DO UPDATE SET IDPerso = excluded.IDPerso"),
                {m_dallay->text(), numero});
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
    }
    RemplirListePerso();
}

void OFormFiche::afficherListes()
{
    const QString d = m_dallay->text();
    if (!SansEchec([&] {
            Recordset varietes = Recordset::Ouvrir(CnxCatalogue,
                QStringLiteral("SELECT * FROM Varietes WHERE Reference = ? ORDER BY Position"), {d});
            m_listeVarietes->definirSource(varietes);
        }))
        m_listeVarietes->viderSource();
    if (!SansEchec([&] {
            Recordset obliterations = Recordset::Ouvrir(CnxCatalogue,
                QStringLiteral("SELECT * FROM Obliterations WHERE Reference = ? ORDER BY Position"), {d});
            m_listeObliterations->definirSource(obliterations);
        }))
        m_listeObliterations->viderSource();
    RemplirMesVarietesFiche();
    if (!SansEchec(RemplirThemesFiche))
        m_listeThemes->viderSource();
}

void OFormFiche::afficherDetention()
{
    const QString n = CodeCollectionOuverte();
    m_detentionIllisible = false;
    // Until a row is read, the save knows of nothing stored: it writes only what the user gives.
    m_detentionLue = DetentionStockee(Recordset(), m_grille->parametres());
    if (n.isEmpty()) {
        m_grille->vider();
        return;
    }
    const bool lu = SansEchec([&] {
        rstMaCollection = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM Collection WHERE Dallay = ? AND Collection = ?"), {m_dallay->text(), n});
    });
    if (!lu) {
        // What is stored cannot be known: the grid shows nothing and takes nothing.
        rstMaCollection = Recordset();
        m_grille->vider();
        m_grille->activer(false);
        m_detentionIllisible = true;
        return;
    }
    m_grille->activer(true);
    if (rstMaCollection.Eof()) {
        m_grille->vider();
        m_grille->ValeurCollection()->clear();
        m_grille->ValeurDoubles()->clear();
    } else {
        m_grille->charger(rstMaCollection);
        m_detentionLue = DetentionStockee(rstMaCollection, m_grille->parametres());
    }
}

void OFormFiche::ActiverGrilleSelonCollection()
{
    m_grille->activer(CollectionEstOuverte() && !m_detentionIllisible);
}

void OFormFiche::CalculerValeurs()
{
    m_grille->calculerValeurs(m_cotes->prixAffiches());
}

void OFormFiche::AfficherLignesCotesDallay()
{
    m_cotes->AfficherLignesCotesDallay();
}

// --- Saving --------------------------------------------------------------------------------------------

bool OFormFiche::MaJCollection()
{
    const QString n = CodeCollectionOuverte();
    if (n.isEmpty()) {
        ModifFiche = 0;
        return true;
    }
    // The stored row is read again as the save writes: another screen may have written it since the
    // card read it (or the card could not read it at all), and only what the user changed goes over it.
    if (!m_grille->enregistrer(QStringLiteral("Collection"), n, m_dallay->text(), &m_detentionLue))
        return false;
    ModifFiche = 0;
    return true;
}

bool OFormFiche::quitterFiche()
{
    if (!m_validation->validerChampActif())
        return false;
    return EnregistrerSiModifie();
}

bool OFormFiche::AvantChangementEcran()
{
    return quitterFiche();
}

void OFormFiche::Form_Activate()
{
    // Other screens may have written what the card shows (quick entry, bulk ticking, an import, the
    // personal numbers): leaving the card saved it, so it shows again what is stored now.
    if (ModifFiche == 0 && !rstFrance.Eof() && !rstFrance.Bof())
        AfficherFiche();
}

void OFormFiche::Form_Unload()
{
    // The program ends whatever happens: a value refused here was reset by its field, and a failed
    // write has been reported.
    m_validation->validerChampActif();
    EnregistrerSiModifie();
}

void EnregistrerEcransFiche()
{
    EnregistrerEcran(1, [] { return new OFormFiche; });
}
