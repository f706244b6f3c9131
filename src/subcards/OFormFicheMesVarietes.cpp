#include "subcards/OFormFicheMesVarietes.h"

#include <algorithm>

#include "cardparts/Nombres.h"
#include "data/Conditions.h"
#include "data/Connexion.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"
#include "shell/ValidationSortie.h"
#include "subcards/dlgAssocierImage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

namespace {

const double PrixMaximum = 1000000;

const int Largeur = 9600;
const int Hauteur = 4950;
const int Marge = 120;
const int HautGrille = 600;
const int GaucheImage = 6000;

// An own price as stored: single precision, Null when the box is empty; nothing when the box holds a
// value its validation refuses.
std::optional<QVariant> lirePrix(const QString& texte)
{
    if (texte.trimmed().isEmpty())
        return QVariant();
    const std::optional<double> n = LireNombreLocal(texte);
    if (!n || *n < 0 || *n > PrixMaximum)
        return std::nullopt;
    return QVariant(double(float(*n)));
}

void erreur(const QString& texte)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
}

}  // namespace

OFormFicheMesVarietes::OFormFicheMesVarietes(const QString& codePersonnel, QWidget* parent)
    : QDialog(parent), m_cle(codePersonnel)
{
    setObjectName(QStringLiteral("OFormFicheMesVarietes"));
    setWindowTitle(QStringLiteral("Variétés non répertoriées et autres pièces"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(Largeur / TwipsParPixel, Hauteur / TwipsParPixel);

    m_designation = CreerControle<QLabel>(this, QStringLiteral("Designation"), Marge, 120, Largeur - 2 * Marge, 360);
    m_designation->setTextFormat(Qt::PlainText);
    QFont police = m_designation->font();
    police.setBold(true);
    police.setPointSizeF(police.pointSizeF() * 1.25);
    m_designation->setFont(police);
    m_codePersonnel = CreerControle<QLineEdit>(this, QStringLiteral("CodePersonnel"), Marge, 120, 600, 285);
    m_codePersonnel->hide();

    ParametresGrille grille;
    grille.suffixes = SuffixesEtats;
    grille.maximumQuantite = 999;
    grille.tiquesDoubles = false;
    grille.gauche = Marge;
    grille.haut = HautGrille;
    // This card's own words on the shared grid.
    grille.titreConserver.clear();
    grille.titreDoubles.clear();
    grille.titresColonnes = {QStringLiteral("Possédé"), QStringLiteral("Qualité en %"), QStringLiteral("Qté"), QString(),
        QStringLiteral("Quantité doubles")};
    grille.libelleLigne = &Condition::libelleCarte;
    grille.libelleValeur = QStringLiteral("Valeur en Euros");
    grille.nomLibelleValeur = QStringLiteral("Label1");
    grille.libelleCommentaire = QStringLiteral("Commentaire:");
    m_grille = new GrilleDetention(this, grille);
    creerPrix(HautGrille + 510 + int(SuffixesEtats.size()) * 300 + 390);

    m_picture1 = CreerControle<BoiteImage>(this, QStringLiteral("Picture1"), GaucheImage, HautGrille,
        Largeur - GaucheImage - Marge, Hauteur - HautGrille - 1140);
    m_picture2 = CreerControle<BoiteImage>(this, QStringLiteral("Picture2"), GaucheImage, HautGrille, 300, 300);
    m_picture2->hide();
    m_labelPath = CreerControle<QLabel>(this, QStringLiteral("LabelPath"), GaucheImage, Hauteur - 480, 300, 255);
    m_labelPath->setTextFormat(Qt::PlainText);
    m_labelPath->hide();

    m_boutonAssocier = CreerControle<QPushButton>(this, QStringLiteral("BoutonAssocier"), GaucheImage,
        Hauteur - 480 - 240, 2400, 375);
    m_boutonAssocier->setText(QStringLiteral("Associer une image ..."));
    m_boutonAssocier->setAutoDefault(false);
    connect(m_boutonAssocier, &QPushButton::clicked, this, &OFormFicheMesVarietes::BoutonAssocier_Click);
    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), Largeur - 720, Hauteur - 660, 600, 540);
    m_boutonAnnuler->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_boutonAnnuler->setToolTip(QStringLiteral("Fermer"));
    // Enter in a box never closes the card: the button is pressed by a click or by Escape only.
    m_boutonAnnuler->setAutoDefault(false);
    m_boutonAnnuler->setDefault(false);
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &OFormFicheMesVarietes::BoutonAnnuler_Click);

    m_validation = new ValidationSortie(this);
    m_grille->installerSaisie(*m_validation);
    m_grille->definirRecalcul([this] { CalculerValeurs(); });
    connect(m_grille, &GrilleDetention::modifie, this, [this] { m_modif = 1; });
    for (int i = 0; i < m_prix.size(); ++i)
        m_validation->surveiller(m_prix.at(i), [this, i] { return Prix_Validate(i); });
    // Pressed while a value is refused, the button would stay down and take the next Escape for itself.
    m_validation->surveillerPression(m_boutonAnnuler);

    ChargerMaVariete();
    // The card opens with the focus on a button, not in a box: a box the user never entered is never
    // "left", so it marks nothing.
    m_boutonAssocier->setFocus();
}

void OFormFicheMesVarietes::creerPrix(int haut)
{
    auto* titre = new QLabel(QStringLiteral("Cote personnelle"), this);
    Placer(titre, Marge, haut, 3000, 255);
    const int largeur = 800, pas = 820;
    // In grid order; "Oblitéré" and "Sur lettre" are symbols, a postmark and an envelope.
    for (int i = 0; i < int(Conditions.size()); ++i) {
        const Condition& p = Conditions[std::size_t(i)];
        auto* entete = new QLabel(p.enteteCote, this);
        Placer(entete, Marge + i * pas, haut + 270, largeur, 255);
        entete->setAlignment(Qt::AlignCenter);
        entete->setToolTip(p.infobulleCote);
        auto* boite = CreerControle<QLineEdit>(this, p.nomCote, Marge + i * pas, haut + 540, largeur, 285);
        boite->setAlignment(Qt::AlignRight);
        boite->setToolTip(p.infobulleCote);
        m_prix << boite;
        m_prixRefuse << false;
    }
}

void OFormFicheMesVarietes::ChargerMaVariete()
{
    m_modif = 0;
    m_ecritureInterdite = true;
    m_grille->vider();
    m_image = QImage();
    m_picture1->effacer();
    Recordset rstVarieteP;
    const bool lu = !m_cle.isEmpty() && SansEchec([&] {
        rstVarieteP = Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT * FROM MesVarietes WHERE CodePersonnel = ?"),
            {m_cle});
    });
    if (!lu || rstVarieteP.Eof()) {
        // No item to show: nothing can be edited, so nothing is ever written over another row.
        m_designation->clear();
        for (int i = 0; i < m_prix.size(); ++i) {
            m_prix.at(i)->clear();
            m_prix.at(i)->setEnabled(false);
            m_grille->montrerLigne(i, false);
        }
        m_grille->activer(false);
        m_boutonAssocier->setEnabled(false);
        CalculerValeurs();
        return;
    }
    m_codePersonnel->setText(Texte(rstVarieteP.Champ(QStringLiteral("CodePersonnel"))));
    m_designation->setText(Texte(rstVarieteP.Champ(QStringLiteral("Designation"))));
    for (int i = 0; i < m_prix.size(); ++i) {
        const QVariant prix = rstVarieteP.Champ(Conditions[std::size_t(i)].colonneCote);
        m_prix.at(i)->setText(TexteNombre(prix));
        m_prix.at(i)->setModified(false);
        m_grille->montrerLigne(i, !EstNul(prix));
    }
    m_grille->charger(rstVarieteP);
    // A condition owned with no quality or no count stored shows what ticking it gives.
    for (int i = 0; i < m_grille->nombreLignes(); ++i) {
        if (!m_grille->Qte(i)->isChecked())
            continue;
        if (m_grille->Etat(i)->text().isEmpty())
            m_grille->Etat(i)->setText(QStringLiteral("100"));
        if (m_grille->Qtes(i)->text().isEmpty())
            m_grille->Qtes(i)->setText(QStringLiteral("1"));
    }
    const QString chemin = Texte(rstVarieteP.Champ(QStringLiteral("CheminImagevrt5")));
    // A path that names no picture here (moved, or written on another system) shows none, silently.
    if (!chemin.isEmpty() && chargerImage(chemin))
        AjusterImage(m_image, m_picture1);
    m_ecritureInterdite = false;
    m_modif = 0;
    CalculerValeurs();
}

bool OFormFicheMesVarietes::chargerImage(const QString& chemin)
{
    const QImage image = ImageDepuisFichier(chemin, m_picture1->size());
    if (image.isNull())
        return false;
    m_image = image;
    return true;
}

void OFormFicheMesVarietes::CalculerValeurs()
{
    QStringList prix;
    for (QLineEdit* p : m_prix)
        prix << p->text();
    m_grille->calculerValeurs(prix);
}

bool OFormFicheMesVarietes::Prix_Validate(int condition)
{
    QLineEdit* boite = m_prix.at(condition);
    m_modif = 1;
    const QString texte = boite->text();
    // A box emptied by a refusal and only passed through since is still no price of the user's; typing
    // in it, even to empty it, is.
    if (boite->isModified() || !texte.trimmed().isEmpty())
        m_prixRefuse[condition] = false;
    if (texte.trimmed().isEmpty()) {
        m_grille->montrerLigne(condition, false);
        CalculerValeurs();
        return true;
    }
    if (lirePrix(texte)) {
        m_grille->montrerLigne(condition, true);
        CalculerValeurs();
        return true;
    }
    AfficherMessage(QStringLiteral("Vous devez entrer une valeur"), Boutons::OK, Icone::Exclamation,
        QStringLiteral("Saisie incorrecte"));
    boite->clear();
    m_prixRefuse[condition] = true;
    return false;
}

void OFormFicheMesVarietes::BoutonAssocier_Click()
{
    {
        dlgAssocierImage dialogue(m_labelPath, this);
        MontrerModal(dialogue);
    }
    const QString chemin = m_labelPath->text();
    if (chemin.isEmpty())
        return;
    // A file that is no picture keeps the picture shown so far; the path is recorded all the same.
    chargerImage(chemin);
    AjusterImage(m_image, m_picture1);
    m_modif = 1;
}

bool OFormFicheMesVarietes::MAJCollectionVP()
{
    if (m_ecritureInterdite) {
        m_modif = 0;
        return true;
    }
    const std::optional<DetentionSaisie> saisie = m_grille->saisie();
    QVariantList prix;
    bool prixLisibles = true;
    for (QLineEdit* p : m_prix) {
        const std::optional<QVariant> v = lirePrix(p->text());
        prixLisibles = prixLisibles && v;
        prix << v.value_or(QVariant());
    }
    if (!saisie || !prixLisibles) {
        // Only a value that escaped its validation gets here; it is never stored.
        erreur(QStringLiteral("Une valeur de la fiche est hors limites : la fiche n'a pas été enregistrée"));
        return false;
    }
    QStringList colonnes;
    QVariantList valeurs;
    for (int i = 0; i < SuffixesEtats.size(); ++i) {
        const QString& x = SuffixesEtats.at(i);
        const LigneSaisie& l = saisie->lignes.at(i);
        if (!m_prixRefuse.at(i)) {
            colonnes << Conditions[std::size_t(i)].colonneCote;
            valeurs << prix.at(i);
        }
        colonnes << QStringLiteral("Qte") + x << QStringLiteral("Qtes") + x << QStringLiteral("Etat") + x
                 << QStringLiteral("QteDouble") + x;
        valeurs << (l.possede ? VRAI : FAUX) << l.copies << l.qualite << l.doubles;
    }
    colonnes << QStringLiteral("NePasAcquerir") << QStringLiteral("commentaire");
    valeurs << (saisie->nePasAcquerir ? VRAI : FAUX) << saisie->commentaire;
    const QString chemin = m_labelPath->text();
    if (!chemin.isEmpty()) {
        colonnes << QStringLiteral("CheminImagevrt5");
        valeurs << chemin;
    }
    QStringList affectations;
    for (const QString& c : colonnes)
        affectations << c + QStringLiteral(" = ?");
    valeurs << m_cle;
    int lignes = 0;
    try {
        lignes = CnxPerso->executer(
            QStringLiteral("UPDATE MesVarietes SET %1 WHERE CodePersonnel = ?").arg(affectations.join(QStringLiteral(", "))),
            valeurs);
    } catch (const ErreurBase& e) {
        erreur(e.message());
        return false;
    }
    if (lignes == 0) {
        // Deleted meanwhile: nothing can be kept for it, and the user is told so.
        erreur(QStringLiteral("Cette pièce n'existe plus dans la collection : la fiche n'a pas été enregistrée"));
        m_ecritureInterdite = true;
        m_modif = 0;
        return false;
    }
    m_labelPath->clear();
    m_modif = 0;
    CalculerValeurs();
    return true;
}

bool OFormFicheMesVarietes::EnregistrerSiModifie()
{
    if (m_modif == 1 && !MAJCollectionVP() && !m_ecritureInterdite)
        return false;
    m_modif = 0;
    return true;
}

void OFormFicheMesVarietes::BoutonAnnuler_Click()
{
    reject();
}

void OFormFicheMesVarietes::reject()
{
    if (m_validation->peutFermer([this] { return EnregistrerSiModifie(); }))
        QDialog::reject();
}
