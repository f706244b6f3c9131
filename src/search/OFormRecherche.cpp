#include "search/OFormRecherche.h"

#include "collections/ActualiserEcransCollection.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "platform/Messages.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

ComboDonnees* combo(QWidget* parent, const QString& nom, const QString& champListe, const QString& champLie, int h)
{
    auto* c = new ComboDonnees(champListe, champLie, parent);
    c->setObjectName(nom);
    Placer(c, 1680, h, 3000, 315);
    return c;
}

QRadioButton* option(
    QWidget* parent, QButtonGroup* groupe, const QString& nom, int index, const QString& texte, int g, int h)
{
    auto* b = CreerControle<QRadioButton>(parent, QStringLiteral("%1_%2").arg(nom).arg(index), g, h, 2200, 255);
    b->setText(texte);
    groupe->addButton(b, index);
    return b;
}

}  // namespace

OFormRecherche::OFormRecherche(QWidget* parent)
    : EcranPrincipal(2, QStringLiteral("OFormRecherche"), 11900, 7750, parent)
{
    QWidget* p = page();
    combo(p, QStringLiteral("RubriqueChoisie"), QStringLiteral("Nom_Rubrique"), QStringLiteral("Code_Rubrique"), 720);
    combo(p, QStringLiteral("TypeChoisi"), QStringLiteral("LibelleType"), QStringLiteral("CodeType"), 1080);
    combo(p, QStringLiteral("ThemeChoisi"), QStringLiteral("Theme"), QStringLiteral("CodeTheme"), 1440);
    combo(p, QStringLiteral("SerieChoisie"), QStringLiteral("LibelleSerie"), QStringLiteral("CodeSerie"), 1800);
    combo(p, QStringLiteral("GraveurChoisi"), QStringLiteral("NomGraveur"), QStringLiteral("CodeGraveur"), 2160);
    combo(p, QStringLiteral("DessinateurChoisi"), QStringLiteral("NomDessinateur"), QStringLiteral("CodeDessinateur"),
        2520);
    CreerControle<QLineEdit>(p, QStringLiteral("TexteChoisi"), 1680, 2880, 3000, 285);
    auto* operateur = CreerControle<QComboBox>(p, QStringLiteral("OperateurAnnee"), 1680, 3240, 720, 315);
    operateur->addItems(
        {QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("<="), QStringLiteral(">=")});
    operateur->setEditable(true);
    CreerControle<QLineEdit>(p, QStringLiteral("AnneeChoisie"), 2460, 3240, 900, 285);
    CreerControle<QLineEdit>(p, QStringLiteral("FacialeChoisie"), 1680, 3600, 1200, 285);
    CreerControle<QLabel>(p, QStringLiteral("Dept"), 1680, 3960, 1200, 255);
    auto* selectTN = CreerControle<QLineEdit>(p, QStringLiteral("SelectTN"), 0, 0, 100, 100);
    selectTN->hide();

    auto* liste = CreerControle<VueListe>(p, QStringLiteral("Liste"), 4920, 720, 6840, 5400);
    liste->ajouterColonne(QStringLiteral("Dallay"), 900);
    liste->ajouterColonne(QStringLiteral("Désignation"), 4200);
    CreerControle<BoiteImage>(p, QStringLiteral("Picture127"), 1680, 4320, 1800, 2160);
    CreerControle<QLabel>(p, QStringLiteral("TexteNb"), 4920, 6240, 3000, 255);

    m_visu = new QButtonGroup(this);
    option(p, m_visu, QStringLiteral("Visu"), 1, QStringLiteral("Liste"), 8400, 6240);
    option(p, m_visu, QStringLiteral("Visu"), 2, QStringLiteral("Miniatures"), 8400, 6540);
    m_etendue = new QButtonGroup(this);
    option(p, m_etendue, QStringLiteral("Etendue"), 1, QStringLiteral("Zorizad ud Udavoz"), 240, 6900);
    option(p, m_etendue, QStringLiteral("Etendue"), 2, QStringLiteral("Ma collection"), 2520, 6900);
    m_visu->button(1)->setChecked(true);
    m_etendue->button(1)->setChecked(true);
    connect(m_visu, &QButtonGroup::idClicked, this, &OFormRecherche::Visu_Click);
    connect(m_etendue, &QButtonGroup::idClicked, this, &OFormRecherche::Etendue_Click);
}

void OFormRecherche::Form_Load()
{
    OuvrirBasePerso();
    OuvrirBaseCatalogue();
    OuvrirBaseCD();
    remplirCriteres();
    RemplirThemesRecherche();
}

void OFormRecherche::remplirCriteres()
{
    const struct {
        const char* combo;
        const char* sql;
    } criteres[] = {
        {"RubriqueChoisie", "SELECT * FROM Rubriques ORDER BY Ordre"},
        {"TypeChoisi", "SELECT * FROM Types ORDER BY LibelleType COLLATE FRANCAIS"},
        {"SerieChoisie", "SELECT * FROM Series ORDER BY LibelleSerie COLLATE FRANCAIS"},
        {"GraveurChoisi", "SELECT * FROM Graveurs ORDER BY NomGraveur COLLATE FRANCAIS"},
        {"DessinateurChoisi", "SELECT * FROM Dessinateurs ORDER BY NomDessinateur COLLATE FRANCAIS"},
    };
    for (const auto& c : criteres) {
        auto* liste = findChild<ComboDonnees*>(QString::fromUtf8(c.combo));
        try {
            Recordset source = Recordset::Ouvrir(CnxCatalogue, QString::fromUtf8(c.sql));
            liste->definirSource(source);
            liste->definirBoundText(QString());
        } catch (const ErreurBase&) {
            // Without the catalogue the criterion offers nothing.
        }
    }
}

void OFormRecherche::choisirVisu(int index)
{
    m_visu->button(index)->setChecked(true);
    Visu_Click(index);
}

void OFormRecherche::choisirEtendue(int index)
{
    m_etendue->button(index)->setChecked(true);
    Etendue_Click(index);
}

int OFormRecherche::Visu() const
{
    return m_visu->checkedId();
}

int OFormRecherche::Etendue() const
{
    return m_etendue->checkedId();
}

void OFormRecherche::Visu_Click(int index)
{
    findChild<QWidget*>(QStringLiteral("Liste"))->setVisible(index == 1);
}

void OFormRecherche::Etendue_Click(int index)
{
    if (index == 2 && !CollectionEstOuverte()) {
        AfficherMessage(QStringLiteral("Vous devez d'abord ouvrir une collection avant d'utiliser cette option"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Option non disponible"));
        m_etendue->button(1)->setChecked(true);
    }
}
