#include "lists/OFormManques.h"

#include "data/Source.h"
#include "lists/dlgExpManques.h"
#include "lists/dlgManquesEcran.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/ValidationSortie.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// A condition box carries no caption: a plain label stands beside it, and clicking the label ticks nothing.
QCheckBox* caseEtat(QWidget* parent, const QString& nom, const QString& texte, int g, int h)
{
    auto* c = CreerControle<QCheckBox>(parent, nom, g, h, 255, 255);
    auto* e = CreerControle<QLabel>(parent, QStringLiteral("lbl") + nom, g + 300, h, 4500 - g, 255);
    e->setText(texte);
    return c;
}

}  // namespace

OFormManques::OFormManques(QWidget* parent)
    : EcranListe(4, QStringLiteral("OFormManques"), QStringLiteral("ListeManques"), true, parent)
{
    auto* cadre = CreerControle<QGroupBox>(page(), QStringLiteral("grpParametres"), 120, 480, 4920, 2940);
    cadre->setTitle(QStringLiteral("1 - Paramètres"));
    m_neuf = caseEtat(cadre, QStringLiteral("ChoixNeuf"), QStringLiteral("Je recherche tous les timbres à l'état neuf"), 120, 300);
    m_accepterNC = caseEtat(cadre, QStringLiteral("ChoixAccepterNC"), QStringLiteral("Accepter les neufs avec charnière avant"),
        420, 600);
    m_anneeNCBoite = CreerControle<QLineEdit>(cadre, QStringLiteral("ChoixNCAnnée"), 3900, 585, 660, 285);
    Placer(findChild<QLabel*>(QStringLiteral("lblChoixAccepterNC")), 720, 600, 3120, 255);
    m_accepterNSG = caseEtat(cadre, QStringLiteral("ChoixAccepterNSG"),
        QStringLiteral("Accepter les neufs sans gomme avant 1900 ou pour les non émis"), 420, 900);
    m_ncVersNeuf = caseEtat(cadre, QStringLiteral("ChoixNCversNeuf"),
        QStringLiteral("Remplacer mes neufs avec charnière par des neufs sans charn."), 420, 1200);
    m_obliVersNeuf = caseEtat(cadre, QStringLiteral("ChoixOblitéréversNeuf"),
        QStringLiteral("Remplacer mes oblitérés par des neufs sans charnière"), 420, 1500);
    m_oblitere = caseEtat(cadre, QStringLiteral("ChoixOblitéré"), QStringLiteral("Je recherche tous les timbres à l'état oblitéré"),
        120, 1860);
    m_lettre = caseEtat(cadre, QStringLiteral("ChoixLettre"),
        QStringLiteral("Je recherche tous les timbres à l'état oblitéré sur lettre "), 120, 2160);
    m_emis = caseEtat(cadre, QStringLiteral("ChoixEmis"),
        QStringLiteral("Ajouter les non émis, les tirages spéciaux ou les erreurs"), 120, 2520);

    connect(m_neuf, &QCheckBox::toggled, this, &OFormManques::ChoixNeuf_Click);
    connect(m_accepterNC, &QCheckBox::toggled, this, &OFormManques::ChoixAccepterNC_Click);
    connect(m_ncVersNeuf, &QCheckBox::toggled, this, &OFormManques::ChoixNCversNeuf_Click);
    connect(m_oblitere, &QCheckBox::toggled, this, &OFormManques::ChoixOblitéré_Click);
    connect(m_timer1, &QTimer::timeout, this, &OFormManques::Timer1_Timer);
    m_validation = new ValidationSortie(this);
    m_validation->surveiller(m_anneeNCBoite, [this] { return ChoixNCAnnée_Validate(); });
}

void OFormManques::Form_Load()
{
    // Reads the sections on the catalogue connection.
    OuvrirBaseCatalogue();
    EcranListe::Form_Load();
    if (m_neuf->isChecked())
        ChoixNeuf_Click();
    else
        m_neuf->setChecked(true);
    m_anneeNCBoite->setText(QStringLiteral("1900"));
}

void OFormManques::ChoixNeuf_Click()
{
    if (m_neuf->isChecked()) {
        m_ncVersNeuf->setEnabled(true);
        m_obliVersNeuf->setEnabled(!m_oblitere->isChecked());
        m_accepterNC->setEnabled(true);
        m_accepterNSG->setEnabled(true);
        m_anneeNCBoite->setEnabled(true);
        m_accepterNC->setChecked(true);
        m_accepterNSG->setChecked(true);
        m_anneeNCBoite->setText(QStringLiteral("1900"));
    } else {
        for (QCheckBox* c : {m_ncVersNeuf, m_obliVersNeuf, m_accepterNC, m_accepterNSG}) {
            c->setEnabled(false);
            c->setChecked(false);
        }
        m_anneeNCBoite->clear();
        m_anneeNCBoite->setEnabled(false);
    }
}

void OFormManques::ChoixAccepterNC_Click()
{
    m_anneeNCBoite->setEnabled(m_accepterNC->isChecked());
    m_anneeNCBoite->setText(QStringLiteral("1900"));
}

void OFormManques::ChoixNCversNeuf_Click()
{
    if (m_ncVersNeuf->isChecked() && m_accepterNC->isChecked())
        m_anneeNCBoite->setText(QStringLiteral("1900"));
}

void OFormManques::ChoixOblitéré_Click()
{
    if (m_oblitere->isChecked()) {
        m_obliVersNeuf->setEnabled(false);
        m_obliVersNeuf->setChecked(false);
    } else if (m_neuf->isChecked()) {
        m_obliVersNeuf->setEnabled(true);
    }
}

bool OFormManques::ChoixNCAnnée_Validate()
{
    const AnneeNCValidee v = ValiderAnneeNC(m_anneeNCBoite->text(), m_ncVersNeuf->isChecked(), m_accepterNC->isChecked());
    if (!v.message.isEmpty()) {
        AfficherMessage(v.message, Boutons::OK, Icone::Exclamation, QStringLiteral("Saisie incorrecte"));
        m_anneeNCBoite->setText(v.texte);
    }
    // The year is put right, and the focus moves on.
    return true;
}

void OFormManques::Timer1_Timer()
{
    m_labelProgress->setVisible(!m_labelProgress->isVisible());
}

OptionsEtats OFormManques::optionsEtats() const
{
    OptionsEtats e;
    e.neuf = m_neuf->isChecked();
    e.oblitere = m_oblitere->isChecked();
    e.lettre = m_lettre->isChecked();
    e.ncVersNeuf = m_ncVersNeuf->isChecked();
    e.obliVersNeuf = m_obliVersNeuf->isChecked();
    e.accepterNC = m_accepterNC->isChecked();
    e.anneeNC = m_anneeNCBoite->text();
    e.accepterNSG = m_accepterNSG->isChecked();
    return e;
}

OptionsListe OFormManques::options() const
{
    OptionsListe o = EcranListe::options();
    o.emis = m_emis->isChecked();
    o.etats = optionsEtats();
    return o;
}

ListeConstruite OFormManques::construire(const OptionsListe& options) const
{
    return ConstruireManques(options);
}

ListeConstruite OFormManques::construireMotCle(const OptionsListe& options) const
{
    return ConstruireManquesMotCle(options);
}

void OFormManques::conditionsLues()
{
    m_anneeNC = m_anneeNCBoite->text();
}

bool OFormManques::montrerExport()
{
    dlgExpManques dialogue(ListeResultat(), this);
    MontrerModal(dialogue);
    return dialogue.listeEcranDemandee();
}

void OFormManques::montrerListeEcran()
{
    dlgManquesEcran dialogue(ListeResultat(), this);
    MontrerModal(dialogue);
}
