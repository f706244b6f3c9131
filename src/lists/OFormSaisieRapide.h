#pragma once
// The quick-entry screen: the stamps of one section, one year or both, with the open collection's marks;
// one condition ticked or cleared for the selected stamps at once; the thumbnail and the way to the card.

#include "shell/EcranPrincipal.h"

#include <QImage>

class BoiteImage;
class ComboDonnees;
class QLabel;
class QRadioButton;
class VueResultat;

class OFormSaisieRapide : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormSaisieRapide(QWidget* parent = nullptr);

    // The handlers, as the user runs them; they read the screen's controls, never the event's arguments.
    void AnneeChoisie_GotFocus();
    void RubriqueChoisie_Click();
    void RazCritères_Click();
    void BoutonAfficher_Click();
    void ListeRapide_ItemClick();
    void ListeRapide_DblClick();
    void BoutonCocherUn_Click();
    void BoutonAtteindre_Click();
    void Picture1_Click();

    // Shows the rows of a list statement (see OuvrirListeRapide), the first one selected; the list takes
    // the rows over and `liste` is left closed.
    void RemplirListeRapide(class Recordset& liste);

    // A collection was opened or closed: the list of the one before is gone.
    void ActualiserCollection();

    // The chosen member of ChoixEtat, 1 to 6.
    int choixEtat() const;
    // The thumbnail as read from the disc: null when the selected stamp has none or there is no disc.
    QImage vignette() const { return m_vignette; }

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ChargerRubriques();
    void AfficherVignette();
    void CocherSelection();

    ComboDonnees* m_rubrique;
    ComboDonnees* m_annee;
    VueResultat* m_liste;
    QLabel* m_texteNb;
    BoiteImage* m_picture1;
    QRadioButton* m_choix[6];
    QImage m_vignette;
};
