#include "card/OFormFiche.h"

#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int ModifFiche = 0;

namespace {

QPushButton* bouton(QWidget* parent, const QString& nom, const QString& texte, int g, int h, int l, int ht)
{
    auto* b = CreerControle<QPushButton>(parent, nom, g, h, l, ht);
    b->setText(texte);
    return b;
}

}  // namespace

OFormFiche::OFormFiche(QWidget* parent) : EcranPrincipal(1, QStringLiteral("OFormFiche"), 11900, 7750, parent)
{
    QWidget* p = page();
    m_dallay = CreerControle<QLabel>(p, QStringLiteral("Dallay"), 240, 660, 1200, 285);
    creerGrille();

    m_listeMesVarietes = new ListeDonnees(QStringLiteral("Designation"), QStringLiteral("CodePersonnel"), p);
    m_listeMesVarietes->setObjectName(QStringLiteral("ListeMesVarietes"));
    Placer(m_listeMesVarietes, 6480, 5160, 3000, 1500);
    m_listeThemes = new ListeDonnees(QStringLiteral("Theme"), QStringLiteral("Dallay"), p);
    m_listeThemes->setObjectName(QStringLiteral("ListeThemes"));
    Placer(m_listeThemes, 9600, 5160, 2160, 1500);
    bouton(p, QStringLiteral("BoutonMVarAjout"), QStringLiteral("Ajouter"), 6480, 6720, 720, 300);
    bouton(p, QStringLiteral("BoutonMVarSuppr"), QStringLiteral("Supprimer"), 7230, 6720, 720, 300);
    bouton(p, QStringLiteral("BoutonMVarModif"), QStringLiteral("Modifier"), 7980, 6720, 720, 300);
    bouton(p, QStringLiteral("BoutonMVarRenommer"), QStringLiteral("Renommer"), 8730, 6720, 720, 300);
    bouton(p, QStringLiteral("BoutonThemesPersos"), QStringLiteral("Associer thèmes"), 9600, 6720, 1500, 300);
}

void OFormFiche::creerGrille()
{
    QWidget* p = page();
    const int haut = 5160, pas = 300;
    QList<QWidget*> tiques, etats, quantites, doubles, tiquesDoubles;
    for (int i = 0; i < SuffixesEtats.size(); ++i) {
        const QString s = SuffixesEtats.at(i);
        const int h = haut + i * pas;
        tiques << CreerControle<QCheckBox>(p, QStringLiteral("Qte") + s, 240, h, 300, 255);
        etats << CreerControle<QLineEdit>(p, QStringLiteral("Etat") + s, 600, h, 600, 255);
        quantites << CreerControle<QLineEdit>(p, QStringLiteral("Qtes") + s, 1260, h, 600, 255);
        doubles << CreerControle<QLineEdit>(p, QStringLiteral("QteDouble") + s, 1920, h, 600, 255);
        tiquesDoubles << CreerControle<QCheckBox>(p, QStringLiteral("QteDoubles") + s, 2580, h, 300, 255);
    }
    m_grille << tiques << etats << quantites << doubles << tiquesDoubles;
    auto* nePasAcquerir = CreerControle<QCheckBox>(p, QStringLiteral("NePasAcquerir"), 3000, haut, 2400, 255);
    nePasAcquerir->setText(QStringLiteral("Ne pas acquérir"));
    m_grille << nePasAcquerir
             << CreerControle<QLineEdit>(p, QStringLiteral("commentaire"), 3000, haut + pas, 3300, 255);
}

void OFormFiche::Form_Load()
{
    OuvrirBaseCatalogue();
    // The first stamp's display opens the disc.
    OuvrirBaseCD();
}

void OFormFiche::MaJCollection()
{
    // The holdings grid is written once the card shows its stamps; until then there is nothing to write.
    ModifFiche = 0;
}

void OFormFiche::AvantChangementEcran()
{
    EnregistrerSiModifie();
}

void OFormFiche::Form_Unload()
{
    EnregistrerSiModifie();
}

void EnregistrerSiModifie()
{
    if (ModifFiche == 1) {
        if (auto* fiche = qobject_cast<OFormFiche*>(ChargerEcran(1)))
            fiche->MaJCollection();
    }
    ModifFiche = 0;
}

void AfficherFiche()
{
    // The card's display of its stamp comes with the card's own screen; a display leaves nothing to save.
    ModifFiche = 0;
}

void EnregistrerEcransFiche()
{
    EnregistrerEcran(1, [] { return new OFormFiche; });
}
