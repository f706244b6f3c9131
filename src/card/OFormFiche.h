#pragma once
// The stamp card: one catalogue stamp at a time, with the open collection's holdings of it.

#include "card/Fiche.h"
#include "cardparts/GrilleDetention.h"
#include "shell/EcranPrincipal.h"

#include <QStringList>

class BoiteImage;
class CotesCarte;
class ListeDonnees;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabBar;
class QToolButton;
class ValidationSortie;

class OFormFiche : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormFiche(QWidget* parent = nullptr);
    ~OFormFiche() override;

    GrilleDetention* grille() const { return m_grille; }
    // The controls of the holdings grid the user fills, in grid order (see GrilleDetention).
    QList<QWidget*> grilleDetention() const { return m_grille->controlesSaisie(); }
    QLabel* Dallay() const { return m_dallay; }
    ListeDonnees* ListeVarietes() const { return m_listeVarietes; }
    ListeDonnees* ListeObliterations() const { return m_listeObliterations; }
    ListeDonnees* ListeMesVarietes() const { return m_listeMesVarietes; }
    ListeDonnees* ListeThemes() const { return m_listeThemes; }
    QComboBox* DallayChoisi() const { return m_dallayChoisi; }

    // Writes the holdings grid into the open collection's row of the card's stamp; nothing without an
    // open collection. A refused write shows "Erreur" and keeps ModifFiche: false.
    bool MaJCollection();
    // The focused field of the card validated, then the pending holdings written: what every move,
    // change of screen and closing does first. False: the card stays as it is.
    bool quitterFiche();
    ValidationSortie* validation() const { return m_validation; }
    void Form_Unload() override;

    // The card's moves. Each writes the pending holdings, moves rstFrance and shows the stamp reached.
    void BoutonDebut_Click();
    void BoutonHaut_Click();
    void BoutonBas_Click();
    void BoutonFin_Click();
    // Every key pressed anywhere on the card comes here first; the focused control still receives it.
    void Form_KeyDown(int touche);
    void SliderFiches_Click();
    void BoutonRechercher_Click();

    void BoutonIllustration1_Click();
    void BoutonIllustration2_Click();
    void BoutonZoom_Click();
    // The stamp picture clicked: the same window as the zoom button.
    void Picture1_Click();
    // The open collection's own items of the card's stamp: added, opened, renamed and deleted, the list
    // reloaded after each write. A refused write says "Erreur" and why.
    void BoutonMVarAjout_Click();
    void BoutonMVarModif_Click();
    void BoutonMVarRenommer_Click();
    void BoutonMVarSuppr_Click();
    // The open collection's own themes attached to the card's stamp (OFormFicheThemes).
    void BoutonThemesPersos_Click();
    void SousOnglets_Click();
    // A single click on a catalogued variety or cancellation opens its card.
    void ListeVarietes_Click();
    void ListeObliterations_Click();
    // A double click on an own item opens its card; refused without an open collection or a selection.
    void ListeMesVarietes_DblClick();

    void RemplirListeDallay();
    void RemplirListeID2();
    void RemplirListePerso();

    // The price source: the catalogue's quotations, or the open collection's own prices.
    CotesCarte* cotes() const { return m_cotes; }
    void CoteChoisie_Click();
    // The personal number as the user types it: stored for the stamp at once, removed when emptied.
    void IDPerso_Change();

    // The display of the current row of rstFrance (AfficherFiche).
    void afficher();
    void CalculerValeurs();
    void AfficherLignesCotesDallay();
    // The holdings shown could not be read: the grid is empty and takes nothing.
    bool detentionIllisible() const { return m_detentionIllisible; }
    // The grid takes edits while a collection is open, unless the holdings shown could not be read.
    void ActiverGrilleSelonCollection();
    // The card in line with the open collection, opened or closed: its stamp shown again with the
    // collection's holdings, or the grid cleared and locked, the own items and personal themes gone.
    void ActualiserCollection();

protected:
    void Form_Load() override;
    bool AvantChangementEcran() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void Form_Activate() override;

private:
    enum class Mouvement { Premier, Precedent, Suivant, Dernier };
    void deplacer(Mouvement mouvement);
    void creerTexte();
    void creerImage();
    void creerCotations();
    void creerNavigation();
    void creerRechercheRapide();
    void creerSousOnglets();
    // Shows the card of the own item selected in ListeMesVarietes, once the caller's refusals are past.
    void ouvrirMesVarietes();

    void afficherTexte();
    void afficherNumeroPerso();
    void afficherImage();
    void afficherCotations();
    void afficherListes();
    void afficherDetention();

    QLabel* m_dallay;
    QLabel* m_id2;
    QLabel* m_designation;
    QLabel* m_dateEmission;
    QLabel* m_dateRetrait;
    QLabel* m_demonetisation;
    QLabel* m_seriee;
    QLabel* m_facialeCouleur;
    QLabel* m_texteFinal;
    BoiteImage* m_picture1;
    BoiteImage* m_picture2;
    QPushButton* m_illustration1;
    QPushButton* m_illustration2;
    CotesCarte* m_cotes;
    QLineEdit* m_idPerso;
    GrilleDetention* m_grille;
    QWidget* m_sousOnglets;
    QTabBar* m_ongletsListes;
    ListeDonnees* m_listeVarietes;
    ListeDonnees* m_listeMesVarietes;
    ListeDonnees* m_listeObliterations;
    ListeDonnees* m_listeThemes;
    QList<QPushButton*> m_boutonsMesVarietes;
    QPushButton* m_boutonThemes;
    QSlider* m_slider;
    QComboBox* m_dallayChoisi;
    QComboBox* m_id2Choisi;
    QComboBox* m_persoChoisi;
    bool m_detentionIllisible = false;
    // The holdings row as the display read it, what the save compares the grid with.
    DetentionSaisie m_detentionLue;
    ValidationSortie* m_validation;
};

// Registers the stamp card with the screen registry.
void EnregistrerEcransFiche();
