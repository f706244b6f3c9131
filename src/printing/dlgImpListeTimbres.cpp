#include "printing/dlgImpListeTimbres.h"

#include "data/Recordset.h"
#include "data/Source.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "printing/AffichageEtat.h"
#include "printing/Dispositions.h"
#include "printing/ImpressionInventaire.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
}  // namespace

dlgImpListeTimbres::dlgImpListeTimbres(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgImpListeTimbres"));
    setWindowTitle(QStringLiteral("Imprimer la liste des timbres de la collection"));
    // A fixed dialog where the window manager places it, sized from its design in twips.
    setFixedSize(6900 / TwipsParPixel, 3480 / TwipsParPixel);

    auto* cadre = CreerControle<QGroupBox>(this, QStringLiteral("EtendueChoisie"), 120, 120, 2640, 2280);
    cadre->setTitle(QStringLiteral("Etendue"));
    const QStringList legendes {"Timbres-type", "Variétés", "Oblitérations", "Variétés personnelles", "TOUT"};
    for (int i = 0; i < 5; ++i) {
        m_etendue[i] = CreerControle<QRadioButton>(cadre, QStringLiteral("Etendue_%1").arg(i + 1), 180, 360 + i * 360, 2340, 300);
        m_etendue[i]->setText(legendes.at(i));
    }

    CreerControle<QLabel>(
        this, QStringLiteral("Label2"), QStringLiteral("Numérotation principale :"), 2940, 240, 2175, 255);
    QLabel* dallay =
        CreerControle<QLabel>(this, QStringLiteral("Label5"), QStringLiteral("Dallay"), 5160, 240, 1575, 255);
    QFont gras = dallay->font();
    gras.setBold(true);
    dallay->setFont(gras);
    CreerControle<QLabel>(
        this, QStringLiteral("Label1"), QStringLiteral("Numérotation secondaire :"), 2940, 660, 2175, 255);
    m_choixCote = CreerControle<QComboBox>(this, QStringLiteral("ChoixCote"), 5160, 600, 1620, 315);
    SaisieLibre(m_choixCote);
    m_choixCote->addItems({QStringLiteral("Michel"), QStringLiteral("Numérotation personnelle")});
    m_choixCote->setCurrentText(QStringLiteral("Michel"));
    QLabel* nota = CreerControle<QLabel>(this, QStringLiteral("Label3"),
        QStringLiteral(
            "Ce premier état liste tous les timbres de la collection. Les quantités et l'état du timbre sont "
            "pris en compte mais ne sont pas affichés car la largeur de la page ne le permet pas. Un autre "
            "état sera créé dans la version 3 et affichera les quantités à la place de la valeur."),
        2940, 1080, 3840, 1320);
    nota->setWordWrap(true);
    nota->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ok = CreerControle<QPushButton>(this, QStringLiteral("OKButton"), 1800, 2640, 1575, 375);
    ok->setText(QStringLiteral("Aperçu / Imprimer"));
    ok->setDefault(true);
    auto* annuler = CreerControle<QPushButton>(this, QStringLiteral("CancelButton"), 3540, 2640, 1575, 375);
    annuler->setText(QStringLiteral("Annuler"));
    connect(ok, &QPushButton::clicked, this, &dlgImpListeTimbres::OKButton_Click);
    connect(annuler, &QPushButton::clicked, this, &dlgImpListeTimbres::CancelButton_Click);
    Form_Load();
}

void dlgImpListeTimbres::Form_Load()
{
    m_etendue[4]->setChecked(true);
}

Etendue dlgImpListeTimbres::etendue() const
{
    for (int i = 0; i < 5; ++i)
        if (m_etendue[i]->isChecked())
            return Etendue(i + 1);
    return Etendue::Tout;
}

void dlgImpListeTimbres::CancelButton_Click()
{
    reject();
}

void dlgImpListeTimbres::OKButton_Click()
{
    const Etendue choix = etendue();
    Sablier sablier;
    Inventaire inventaire;
    LiensTemporaires liens({});
    try {
        LiensTemporaires faits(LiensInventaire(choix));
        inventaire = ConstruireInventaire(CnxPerso, choix, CodeCollectionOuverte());
        faits.supprimer(TousLiensInventaire());
    } catch (const ErreurBase& e) {
        // Nothing half-built is shown: the links go, and the user reads why.
        liens.supprimer(TousLiensInventaire());
        sablier.restaurer();
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }

    Etat etat = ImpListeTimbres1();
    LierInventaire(etat, TitreCollection(NomCollectionOuverte()), LegendeEtendue(choix),
        m_choixCote->currentText() == QLatin1String("Michel"), inventaire.totaux);
    hide();
    accept();
    sablier.restaurer();
    MontrerEtat(etat, *inventaire.rubriques);
    // The preview closed: its items go, and the memory they took goes back to the operating system.
    inventaire = {};
    RendreMemoireLibre();
}
