#pragma once
// The search screen: stamps of the catalogue or of the open collection found by combined criteria,
// varieties found by a keyword, the results as a list with a vignette or as pages of thumbnails, the
// way from a result to its card, and what the search leaves for its print dialog.

#include "data/Instruction.h"
#include "data/Recordset.h"
#include "search/Recherche.h"
#include "shell/EcranPrincipal.h"
#include "shell/VueResultat.h"

#include <QImage>
#include <QString>

#include <array>
#include <functional>

class BoiteImage;
class ComboDonnees;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class OFormRecherche : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormRecherche(QWidget* parent = nullptr);

    // What the last search put in the list: its rows are stamps, or varieties under their stamp.
    enum class SorteListe { Timbres, Varietes };

    // The option groups, by index as the screen numbers them: Visu 1 "Liste", 2 "Miniatures";
    // Etendue 1 "Zorizad ud Udavoz", 2 "Ma collection". Choosing an option not chosen runs its handler.
    void choisirVisu(int index);
    void choisirEtendue(int index);
    int Visu() const;
    int Etendue() const;

    void Visu_Click(int index);
    void Etendue_Click(int index);
    void BoutonRechercher_Click();
    void BoutonRAZ_Click();
    void BoutonVariétés_Click();
    void BoutonCarte_Click();
    void Liste_ItemClick();
    void Liste_DblClick();
    void BoutonAtteindre_Click();
    void Picture127_Click();
    // The click on the thumbnail of slot k, 1 to 20.
    void Picture_Click(int k);
    void NextBtn_Click();
    void PrevBtn_Click();
    void BoutonImprimer_Click();

    void UpdateImage();
    void MaJTN();
    void RazTN();
    void TestVisu();
    void UpdateControls();

    // A collection was opened or closed: the criteria, the list and the scope start again; the variety
    // keyword and what the last search left for printing stay.
    void ActualiserCollection();
    // The theme criterion: the predefined themes, and the open collection's.
    void remplirThemes();

    // The criteria as the controls hold them now.
    CriteresRecherche criteres() const;

    // What the last stamp search leaves: the list statement, its criteria in words, the thumbnail
    // statement (emptied by the resets), the vignette statement, and the hits' numbers in catalogue order.
    const Instruction& TexteSQL() const { return m_texteSQL; }
    const QString& TexteCritère() const { return m_texteCritere; }
    const Instruction& SelectTN() const { return m_selectTN; }
    const Instruction& SelectTN2() const { return m_selectTN2; }
    const Recordset& rstRechercheTN() const { return m_rstRechercheTN; }
    SorteListe sorteListe() const { return m_sorte; }

    int CurrentPage = 1;
    QString DallaySelection;

    // The pictures behind the vignette and the thumbnails, as read from the disc: null when none loaded.
    QImage vignette() const { return m_vignette; }
    QImage miniature(int k) const { return m_images[std::size_t(k - 1)]; }

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // The screen in line with the open collection just opened or closed: an opening offers its themes.
    void collectionChangee();
    void chargerListes();
    void colonnesTimbres();
    void remplirListeResultats(Recordset&& rstRecherche);
    void effacerVignette();
    void viderCriteres();
    void AtteindreFicheSelection();

    ComboDonnees* m_rubrique;
    ComboDonnees* m_type;
    ComboDonnees* m_theme;
    ComboDonnees* m_serie;
    ComboDonnees* m_dessinateur;
    ComboDonnees* m_graveur;
    QLineEdit* m_texte;
    QComboBox* m_operateur;
    QLineEdit* m_annee;
    QLineEdit* m_faciale;
    QLabel* m_dept;
    ComboDonnees* m_variete;
    VueResultat* m_liste;
    QLabel* m_texteNb;
    QLabel* m_texteClic;
    BoiteImage* m_picture127;
    QPushButton* m_atteindre;
    QPushButton* m_prev;
    QPushButton* m_next;
    QLabel* m_pageLabel;
    std::array<BoiteImage*, MiniaturesParPage> m_pictures {};
    std::array<QLabel*, MiniaturesParPage> m_labels {};
    std::array<QImage, MiniaturesParPage> m_images {};
    QButtonGroup* m_visu;
    QButtonGroup* m_etendue;

    Instruction m_texteSQL;
    QString m_texteCritere;
    Instruction m_selectTN;
    Instruction m_selectTN2;
    Recordset m_rstRechercheTN;
    SorteListe m_sorte = SorteListe::Timbres;
    QImage m_vignette;
};

// What the columns of the result list show of a stamp search's rows ("Dallay", "Année", "Désignation")
// and of a variety search's ("Reference", "Dallay", "Année", "Désignation": the stamp's designation, then
// the variety's).
std::vector<CelluleResultat> CellulesTimbres(const Recordset& resultat);
std::vector<CelluleResultat> CellulesVarietes(const Recordset& resultat);

// What "Imprimer" opens once its guards pass: the print dialog of the search result, set by whoever
// provides it. Unset, the button stops after its guards.
extern std::function<void(OFormRecherche&)> ImprimerRecherche;

// The search screen's theme criterion filled again: the predefined themes, and the open collection's.
void RemplirThemesRecherche();
