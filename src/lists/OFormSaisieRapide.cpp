#include "lists/OFormSaisieRapide.h"

#include "card/Fiche.h"
#include "data/Conditions.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "lists/SaisieRapide.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"
#include "shell/VueResultat.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>


namespace {

// The list's columns: header and width in twips, fixed whatever the scale.
const QList<std::pair<QString, int>> Colonnes = [] {
    QList<std::pair<QString, int>> c = {{QStringLiteral("Dallay"), 750}, {QStringLiteral("Année"), 660},
        {QStringLiteral("Désignation"), 3400}};
    for (const Condition& e : Conditions)
        c.append({e.enteteSaisie, e.largeurSaisie});
    c.append({QStringLiteral("NON"), 580});
    return c;
}();

// The marks the list reads, one per condition, then the "do not acquire" flag.
const QStringList ColonnesMarques = [] {
    QStringList c;
    for (const Condition& e : Conditions)
        c << e.marqueSaisie;
    return c << QStringLiteral("NPA");
}();

const QString SansCollection = QStringLiteral("Vous devez d'abord ouvrir une collection");

ComboDonnees* combo(QWidget* parent, const QString& nom, const QString& champListe, const QString& champLie, int g,
    int h, int l, int ht)
{
    auto* c = new ComboDonnees(champListe, champLie, parent);
    c->setObjectName(nom);
    Placer(c, g, h, l, ht);
    return c;
}

QString texteCompte(int n)
{
    // The plural stands for a single stamp too, as the screen has always written it.
    return QString::number(n) + QStringLiteral(" timbres trouvés");
}

}  // namespace

OFormSaisieRapide::OFormSaisieRapide(QWidget* parent)
    : EcranPrincipal(3, QStringLiteral("OFormSaisieRapide"), 11895, 7755, parent)
{
    QWidget* p = page();
    CreerControle<QLabel>(p, QStringLiteral("Label1"), QStringLiteral("Rubrique:"), 120, 690, 900, 255);
    m_rubrique = combo(p, QStringLiteral("RubriqueChoisie"), QStringLiteral("Nom_Rubrique"),
        QStringLiteral("Code_Rubrique"), 1020, 640, 3300, 315);
    CreerControle<QLabel>(p, QStringLiteral("Label2"), QStringLiteral("Année:"), 4500, 690, 660, 255);
    m_annee = combo(p, QStringLiteral("AnneeChoisie"), QStringLiteral("AnneeEmission"),
        QStringLiteral("AnneeEmission"), 5160, 640, 1200, 315);
    auto* raz = CreerControle<QPushButton>(
        p, QStringLiteral("RazCritères"), QStringLiteral("Vider critères"), 6600, 610, 1560, 375);
    auto* afficher = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonAfficher"), QStringLiteral("Afficher la liste"), 8280, 610, 1800, 375);

    m_liste = CreerControle<VueResultat>(p, QStringLiteral("ListeRapide"), 120, 1080, 9000, 5400);
    m_liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_texteNb = CreerControle<QLabel>(
        p, QStringLiteral("TexteNb"), QStringLiteral("0 timbre(s) trouvé(s)"), 120, 6560, 3000, 255);
    CreerControle<QLabel>(p, QStringLiteral("Label4"),
        QStringLiteral("Double clic pour cocher/décocher l'élément sélectionné"), 3240, 6560, 5880, 255);

    m_picture1 = CreerControle<BoiteImage>(p, QStringLiteral("Picture1"), 9240, 1080, 2520, 2160);
    m_picture1->setCursor(Qt::PointingHandCursor);
    m_picture1->installEventFilter(this);

    auto* cadre = CreerControle<QGroupBox>(p, QStringLiteral("grpChoixEtat"), 9240, 3300, 2520, 2340);
    cadre->setTitle(QStringLiteral("Etat"));
    for (int i = 1; i <= NombreOptionsCoche; ++i) {
        m_choix[i - 1] = CreerControle<QRadioButton>(
            cadre, QStringLiteral("ChoixEtat_%1").arg(i), 120, 300 + (i - 1) * 330, 2340, 300);
        m_choix[i - 1]->setText(OptionDeCoche(i).libelle);
    }
    auto* cocher = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonCocherUn"), QStringLiteral("Cocher/ décocher"), 9240, 5700, 2520, 375);
    auto* atteindre = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonAtteindre"), QStringLiteral("Atteindre fiche"), 9240, 6120, 2520, 375);

    m_annee->installEventFilter(this);
    m_rubrique->installEventFilter(this);
    connect(m_rubrique, &QComboBox::activated, this, &OFormSaisieRapide::RubriqueChoisie_Click);
    connect(raz, &QPushButton::clicked, this, &OFormSaisieRapide::RazCritères_Click);
    connect(afficher, &QPushButton::clicked, this, &OFormSaisieRapide::BoutonAfficher_Click);
    connect(m_liste, &QAbstractItemView::clicked, this, &OFormSaisieRapide::ListeRapide_ItemClick);
    connect(m_liste, &QAbstractItemView::doubleClicked, this, &OFormSaisieRapide::ListeRapide_DblClick);
    connect(cocher, &QPushButton::clicked, this, &OFormSaisieRapide::BoutonCocherUn_Click);
    connect(atteindre, &QPushButton::clicked, this, &OFormSaisieRapide::BoutonAtteindre_Click);
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::changee, this, &OFormSaisieRapide::ActualiserCollection);
}

void OFormSaisieRapide::Form_Load()
{
    m_choix[0]->setChecked(true);
    OuvrirBasePerso();
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
    ChargerRubriques();
    m_annee->clear();
    m_rubrique->definirBoundText(QStringLiteral("AA"));
    ActualiserCollection();
}

void OFormSaisieRapide::ActualiserCollection()
{
    m_liste->viderLignes();
    m_picture1->effacer();
    m_texteNb->setText(QStringLiteral("0 timbre(s) trouvé(s)"));
}

bool OFormSaisieRapide::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_annee && evenement->type() == QEvent::FocusIn) {
        // Coming back from the combo's own drop-down, or from another window, is not entering it: the
        // year just chosen stays.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (raison != Qt::PopupFocusReason && raison != Qt::ActiveWindowFocusReason)
            AnneeChoisie_GotFocus();
    }
    if (objet == m_rubrique && evenement->type() == QEvent::MouseButtonPress)
        RubriqueChoisie_Click();
    if (objet == m_picture1 && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton &&
        m_picture1->rect().contains(static_cast<QMouseEvent*>(evenement)->position().toPoint()))
        Picture1_Click();
    return EcranPrincipal::eventFilter(objet, evenement);
}

void OFormSaisieRapide::ChargerRubriques()
{
    SansEchec([&] {
        Recordset rubriques =
            Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM Rubriques ORDER BY Ordre"));
        m_rubrique->definirSource(rubriques);
    });
}

int OFormSaisieRapide::choixEtat() const
{
    for (int i = 0; i < NombreOptionsCoche; ++i)
        if (m_choix[i]->isChecked())
            return i + 1;
    return 1;
}

void OFormSaisieRapide::AnneeChoisie_GotFocus()
{
    m_annee->clear();
    SansEchec([&] {
        Recordset annees = OuvrirAnneesRapide(CnxCatalogue, m_rubrique->BoundText());
        m_annee->definirSource(annees);
    });
    m_annee->setCurrentIndex(-1);
}

void OFormSaisieRapide::RubriqueChoisie_Click()
{
    m_annee->setCurrentIndex(-1);
}

void OFormSaisieRapide::RazCritères_Click()
{
    m_rubrique->definirBoundText(QString());
    m_annee->setCurrentIndex(-1);
}

void OFormSaisieRapide::BoutonAfficher_Click()
{
    if (!CollectionEstOuverte()) {
        AfficherMessage(SansCollection, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    const QString rubrique = m_rubrique->BoundText();
    const QString annee = m_annee->BoundText();
    if (rubrique.isEmpty() && annee.isEmpty()) {
        AfficherMessage(QStringLiteral("Vous devez sélectionner une rubrique ou une année"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("Impossible d'afficher"));
        return;
    }
    Sablier sablier;
    Recordset liste;
    try {
        liste = OuvrirListeRapide(CnxPerso, CheminBaseCatalogue(), CodeCollectionOuverte(), rubrique, annee);
    } catch (const ErreurBase& e) {
        // The list shown stays as it was: a failed build replaces nothing.
        sablier.restaurer();
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    RemplirListeRapide(liste);
}

void OFormSaisieRapide::RemplirListeRapide(Recordset& liste)
{
    m_liste->viderColonnes();
    for (const auto& [titre, largeur] : Colonnes)
        m_liste->ajouterColonne(titre, largeur);
    m_liste->viderLignes();

    std::vector<CelluleResultat> cellules = {liste.Colonne(QStringLiteral("Dallay")),
        liste.Colonne(QStringLiteral("AnneeEmission")), liste.Colonne(QStringLiteral("DesignationCourt"))};
    for (const QString& marque : ColonnesMarques)
        cellules.emplace_back(liste.Colonne(marque));
    const int nombre = liste.RecordCount();
    m_liste->afficherResultat(std::move(liste), std::move(cellules));
    m_texteNb->setText(texteCompte(nombre));
    if (nombre > 0)
        m_liste->definirLigneCourante(0);
    AfficherVignette();
}

void OFormSaisieRapide::AfficherVignette()
{
    // Never another stamp's picture: whatever cannot be read leaves the box blank.
    m_vignette = QImage();
    const int ligne = m_liste->ligneCourante();
    if (ligne >= 0) {
        SansEchec([&] {
            Recordset image = Recordset::Ouvrir(
                CnxCD, QStringLiteral("SELECT ImageTN FROM FranceTN WHERE Dallay = ?"), {m_liste->texte(ligne, 0)});
            if (!image.Eof())
                m_vignette = ImageDepuisOctets(image.Champ(0).toByteArray(), m_picture1->size());
        });
    }
    AjusterImage(m_vignette, m_picture1);
    m_liste->setFocus();
}

void OFormSaisieRapide::ListeRapide_ItemClick()
{
    AfficherVignette();
}

void OFormSaisieRapide::ListeRapide_DblClick()
{
    CocherSelection();
}

void OFormSaisieRapide::BoutonCocherUn_Click()
{
    CocherSelection();
}

void OFormSaisieRapide::BoutonAtteindre_Click()
{
    const QList<int> choisies = m_liste->lignesChoisies();
    if (m_liste->nombreLignes() == 0 || choisies.isEmpty()) {
        AfficherMessage(QStringLiteral("Aucune ligne n'est sélectionnée ou la liste est vide"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("Impossible d'atteindre la fiche"));
        return;
    }
    // The current row when it is selected, else the first selected one.
    int ligne = m_liste->ligneCourante();
    if (ligne < 0 || !m_liste->estChoisie(ligne))
        ligne = choisies.first();
    AtteindreFiche(m_liste->texte(ligne, 0), this);
}

void OFormSaisieRapide::Picture1_Click()
{
    BoutonAtteindre_Click();
}

void OFormSaisieRapide::CocherSelection()
{
    if (!CollectionEstOuverte()) {
        AfficherMessage(SansCollection, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    const int option = choixEtat();
    const int colonne = OptionDeCoche(option).sousElement;
    // The selected rows from the first to the last, as the list shows them.
    const QList<int> lignes = m_liste->lignesChoisies();
    std::vector<DemandeCoche> demandes;
    // What the list shows decides, not what is stored now.
    for (int ligne : lignes)
        demandes.push_back({m_liste->texte(ligne, 0), m_liste->texte(ligne, colonne).isEmpty()});
    if (demandes.empty())
        return;

    Sablier sablier;
    const BilanCoche bilan = CocherTimbres(*CnxPerso, *CnxCatalogue, CodeCollectionOuverte(), option, demandes);
    for (int i = 0; i < lignes.size(); ++i) {
        if (bilan.ecrits[std::size_t(i)])
            m_liste->definirTexte(lignes[i], colonne, demandes[std::size_t(i)].marquer ? MarqueCochee : QString());
    }
    sablier.restaurer();
    const QString nonCotes = MessageNonCotes(bilan.nonCotes, int(demandes.size()));
    if (!nonCotes.isEmpty())
        AfficherMessage(nonCotes, Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible de cocher"));
    if (!bilan.erreur.isEmpty())
        AfficherMessage(bilan.erreur, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
    m_liste->setFocus();
}
