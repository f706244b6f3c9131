#include "card/FenetreImageFiche.h"

#include "data/Recordset.h"
#include "data/Source.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {
const int LargeurBoutonFermer = 465;
const int HauteurBoutonFermer = 405;
}  // namespace

FenetreImageFiche::FenetreImageFiche(const QString& nom, const QString& titre, const QString& colonne, int largeurImage,
    int hauteurImage, const QColor& fond, const QString& dallay, QWidget* parent)
    : QDialog(parent), m_colonne(colonne), m_dallay(dallay)
{
    setObjectName(nom);
    setWindowTitle(titre);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(largeurImage / TwipsParPixel, hauteurImage / TwipsParPixel);

    m_picture1 = CreerControle<BoiteImage>(this, QStringLiteral("Picture1"), 0, 0, largeurImage, hauteurImage);
    m_picture1->definirCouleurFond(fond);
    m_picture1->installEventFilter(this);

    // Made after the picture so that it stays above it, over the picture's lower right corner.
    m_boutonFermer =
        CreerControle<QPushButton>(this, QStringLiteral("BoutonFermer"), largeurImage - LargeurBoutonFermer,
            hauteurImage - HauteurBoutonFermer, LargeurBoutonFermer, HauteurBoutonFermer);
    m_boutonFermer->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_boutonFermer->setAutoDefault(false);
    connect(m_boutonFermer, &QPushButton::clicked, this, &FenetreImageFiche::BoutonFermer_Click);
}

void FenetreImageFiche::Form_Activate()
{
    // The disc may have been changed since the last look: it is opened again each time.
    OuvrirBaseCD();
    QImage image;
    try {
        Recordset rstIllustration = Recordset::Ouvrir(
            CnxCD, QStringLiteral("SELECT %1 FROM FrancePCT WHERE Dallay = ?").arg(m_colonne), {m_dallay});
        if (rstIllustration.RecordCount() > 0)
            image = ImageDepuisOctets(rstIllustration.Champ(0).toByteArray(), m_picture1->size());
    } catch (const ErreurBase&) {
        // No disc, or a disc without the table: the area stays blank.
    }
    AjusterImage(image, m_picture1);
}

void FenetreImageFiche::BoutonFermer_Click()
{
    reject();
}

void FenetreImageFiche::Picture1_Click()
{
    reject();
}

bool FenetreImageFiche::event(QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::WindowDeactivate:
        m_desactivee = true;
        break;
    case QEvent::WindowActivate:
        if (m_desactivee) {
            m_desactivee = false;
            Form_Activate();
        }
        break;
    default:
        break;
    }
    return QDialog::event(evenement);
}

void FenetreImageFiche::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    // Loaded here rather than on the activation that follows, which a platform without a window manager
    // may never send; that activation then has nothing more to do.
    if (!evenement->spontaneous()) {
        m_desactivee = false;
        Form_Activate();
    }
}

void FenetreImageFiche::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Escape && evenement->modifiers() == Qt::NoModifier) {
        m_boutonFermer->click();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

bool FenetreImageFiche::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_picture1 && evenement->type() == QEvent::MouseButtonRelease) {
        auto* souris = static_cast<QMouseEvent*>(evenement);
        if (souris->button() == Qt::LeftButton && m_picture1->rect().contains(souris->position().toPoint())) {
            Picture1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}
