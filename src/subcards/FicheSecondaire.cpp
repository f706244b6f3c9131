#include "subcards/FicheSecondaire.h"

#include "data/Conditions.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"
#include "shell/ValidationSortie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

namespace {

const int Marge = 120;
const int HautGrille = 600;
const int GaucheImage = 6000;

}  // namespace

FicheSecondaire::FicheSecondaire(const ParametresFicheSecondaire& parametres, const QString& cle, QWidget* parent)
    : QDialog(parent), m_parametres(parametres), m_cle(cle)
{
    setObjectName(parametres.nom);
    setWindowTitle(parametres.titre);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(parametres.largeur / TwipsParPixel, parametres.hauteur / TwipsParPixel);

    m_dallay = CreerControle<QLabel>(this, QStringLiteral("Dallay"), Marge, 120, 1500, 360);
    m_designation = CreerControle<QLabel>(this, QStringLiteral("Designation"), 1740, 120, parametres.largeur - 1860, 360);
    for (QLabel* l : {m_dallay, m_designation}) {
        l->setTextFormat(Qt::PlainText);
        QFont police = l->font();
        police.setBold(true);
        police.setPointSizeF(police.pointSizeF() * 1.25);
        l->setFont(police);
    }
    const int hauteurImage = parametres.hauteur - HautGrille - 960;
    m_picture1 = CreerControle<BoiteImage>(this, QStringLiteral("Picture1"), GaucheImage, HautGrille,
        parametres.largeur - GaucheImage - Marge, hauteurImage);
    m_picture2 = CreerControle<BoiteImage>(this, QStringLiteral("Picture2"), GaucheImage, HautGrille, 300, 300);
    m_picture2->hide();

    ParametresGrille grille;
    grille.suffixes = parametres.suffixes;
    grille.maximumQuantite = 999;
    grille.tiquesDoubles = false;
    grille.gauche = Marge;
    grille.haut = HautGrille;
    grille.titreConserver.clear();
    grille.titreDoubles.clear();
    grille.titresColonnes = {QStringLiteral("Possédé"), QStringLiteral("Qualité en %"), QStringLiteral("Qté"), QString(),
        QStringLiteral("Quantité doubles")};
    grille.nomsTitresColonnes = parametres.nomsTitresColonnes;
    grille.libelleLigne = &Condition::libelleCarte;
    grille.libelleValeur = QStringLiteral("Valeur en euros");
    grille.nomLibelleValeur = QStringLiteral("Label1");
    grille.libelleCommentaire = QStringLiteral("Commentaire:");
    grille.nomLibelleCommentaire = parametres.nomLibelleCommentaire;
    grille.hauteurCommentaire = 870;
    m_grille = new GrilleDetention(this, grille);
    creerPrix();

    m_validation = new ValidationSortie(this);
    m_grille->installerSaisie(*m_validation);
    m_grille->definirRecalcul([this] { CalculerValeurs(); });
    connect(m_grille, &GrilleDetention::modifie, this, [this] { m_modif = 1; });
    m_cotes->installerSaisie(*m_validation);
    m_cotes->definirDallay([this] { return m_dallay->text(); });
    m_cotes->definirMontrerLigne([this](int ligne, bool visible) { m_grille->montrerLigne(ligne, visible); });
    m_cotes->definirRecalcul([this] { CalculerValeurs(); });

    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), parametres.largeur - 720,
        parametres.hauteur - 660, 600, 540);
    m_boutonAnnuler->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_boutonAnnuler->setToolTip(QStringLiteral("Fermer"));
    // Enter in a box never closes the card: the button is pressed by a click or by Escape only.
    m_boutonAnnuler->setAutoDefault(false);
    m_boutonAnnuler->setDefault(false);
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &FicheSecondaire::BoutonAnnuler_Click);
    // Pressed while a value is refused, the button would stay down and take the next Escape for itself.
    m_validation->surveillerPression(m_boutonAnnuler);
    // The card opens with the focus on the price source, not in a box of the grid: a box the user never
    // entered is never "left", so it marks nothing.
    m_cotes->CoteChoisie()->setFocus();
}

void FicheSecondaire::creerPrix()
{
    const int n = int(m_parametres.suffixes.size());
    const int haut = HautGrille + 510 + n * 300 + 420;
    ParametresCotes cotes = m_parametres.cotes;
    cotes.comboGauche = Marge;
    cotes.comboHaut = haut + 270;
    cotes.prixGauche = 1800;
    cotes.prixHaut = haut + 270;
    m_cotes = new CotesCarte(this, cotes);
    for (int i = 0; i < n; ++i) {
        const Condition& e = ConditionDe(m_parametres.suffixes.at(i));
        auto* titre = CreerControle<QLabel>(this, e.nomEnteteCote, cotes.prixGauche + i * cotes.prixPas,
            haut, cotes.prixLargeur, 255);
        titre->setText(e.enteteCote);
        titre->setAlignment(Qt::AlignCenter);
        titre->setToolTip(e.infobulleCote);
    }
}

void FicheSecondaire::charger()
{
    m_modif = 0;
    const QString choisi = m_cle;
    bool trouve = false;
    SansEchec([&] {
        Recordset item = Recordset::Ouvrir(CnxCatalogue,
            QStringLiteral("SELECT * FROM %1 WHERE Dallay = ?").arg(m_parametres.tableCatalogue), {choisi});
        if (item.Eof())
            return;
        m_dallay->setText(Texte(item.Champ(QStringLiteral("Dallay"))));
        m_designation->setText(Texte(item.Champ(QStringLiteral("Designation"))));
        trouve = true;
    });
    if (!trouve) {
        m_dallay->clear();
        m_designation->clear();
    }
    chargerImage();
    m_cotes->afficher();
    chargerDetention(trouve);
    SansEchec([this] { CalculerValeurs(); });
    m_modif = 0;
}

void FicheSecondaire::chargerImage()
{
    m_picture1->effacer();
    QImage image;
    // The disc the stamp card last looked at; opened here only when it is not.
    if (!m_dallay->text().isEmpty() && (CnxCD->estOuverte() || OuvrirBaseCD())) {
        SansEchec([&] {
            Recordset rst = Recordset::Ouvrir(CnxCD,
                QStringLiteral("SELECT %1 FROM %2 WHERE Dallay = ?").arg(m_parametres.colonneImage, m_parametres.tableImages),
                {m_dallay->text()});
            if (!rst.Eof())
                image = ImageDepuisOctets(rst.Champ(0).toByteArray(), m_picture1->size());
        });
    }
    AjusterImage(image, m_picture1);
}

void FicheSecondaire::chargerDetention(bool trouve)
{
    const QString n = CodeCollectionOuverte();
    m_ecritureInterdite = true;
    m_grille->vider();
    Recordset ligne;
    // No collection, no item, or a stored row that cannot be read: the grid takes nothing, so nothing
    // can be written blindly.
    if (n.isEmpty() || !trouve
        || !SansEchec([&] {
               ligne = Recordset::Ouvrir(CnxPerso,
                   QStringLiteral("SELECT * FROM %1 WHERE Dallay = ? AND Collection = ?").arg(m_parametres.tableDetention),
                   {m_dallay->text(), n});
           })) {
        m_grille->activer(false);
        return;
    }
    m_grille->activer(true);
    m_ecritureInterdite = false;
    if (ligne.Eof())
        return;
    m_grille->charger(ligne);
    // A condition owned with no quality or no count stored shows what ticking it gives.
    for (int i = 0; i < m_grille->nombreLignes(); ++i) {
        if (!m_grille->Qte(i)->isChecked())
            continue;
        if (m_grille->Etat(i)->text().isEmpty())
            m_grille->Etat(i)->setText(QStringLiteral("100"));
        if (m_grille->Qtes(i)->text().isEmpty())
            m_grille->Qtes(i)->setText(QStringLiteral("1"));
    }
}

void FicheSecondaire::CalculerValeurs()
{
    m_grille->calculerValeurs(m_cotes->prixAffiches());
}

bool FicheSecondaire::ecrireDetention()
{
    const QString n = CodeCollectionOuverte();
    if (n.isEmpty() || m_ecritureInterdite) {
        m_modif = 0;
        return true;
    }
    if (!m_grille->enregistrer(m_parametres.tableDetention, n, m_dallay->text()))
        return false;
    m_modif = 0;
    SansEchec([this] { CalculerValeurs(); });
    return true;
}

bool FicheSecondaire::EnregistrerSiModifie()
{
    if (m_modif == 1 && !ecrireDetention())
        return false;
    m_modif = 0;
    return true;
}

void FicheSecondaire::BoutonAnnuler_Click()
{
    reject();
}

void FicheSecondaire::reject()
{
    if (m_validation->peutFermer([this] { return EnregistrerSiModifie(); }))
        QDialog::reject();
}
