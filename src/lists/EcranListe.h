#pragma once
// What the want-list and duplicates screens share: the period panel, the section list, the keyword
// panel, the result list with its count, wait label and progress bar, the opening of the card on a
// listed stamp, the export and print buttons, and the statements the last build leaves for printing.
// Each screen adds its own options and says how its lists are built.

#include "lists/RequetesListes.h"
#include "shell/EcranPrincipal.h"

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class VueListe;
class VueResultat;

class EcranListe : public EcranPrincipal {
    Q_OBJECT
public:
    VueResultat* ListeResultat() const { return m_resultat; }
    VueListe* ListeRubriques() const { return m_rubriques; }

    // The statements the print dialogs run (TexteSQL; TexteSQL2 on the duplicates screen), left by the
    // last build that passed its refusals, and which kind of build that was.
    Instruction TexteSQL() const { return m_texteSQL; }
    Instruction TexteSQL2() const { return m_texteSQL2; }
    GenreListe genreListe() const { return m_genre; }

    // Sets the seven columns of the result list and empties it.
    void RazListe();
    // A collection was opened or closed: the list built for the one before is gone.
    void ActualiserCollection();
    void ChoixAnnée_Click();
    void BoutonCreerListe_Click();
    void BoutonCrerListeSpec_Click();
    // A click on the result list: the card of the selected stamp.
    void ListeResultat_Click();
    void BoutonExport_Click();
    void BoutonImprimer_Click();

    OptionsPeriode optionsPeriode() const;
    // The codes of the ticked sections, in list order.
    QStringList rubriquesCochees() const;

protected:
    // `manques`: the want-list screen, whose panels are numbered after its options panel.
    EcranListe(int onglet, const QString& nom, const QString& nomListe, bool manques, QWidget* parent);

    void Form_Load() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    virtual OptionsListe options() const;
    virtual ListeConstruite construire(const OptionsListe& options) const = 0;
    virtual ListeConstruite construireMotCle(const OptionsListe& options) const = 0;
    // Called for every build that reached the reading of its conditions, refused for want of one or not.
    virtual void conditionsLues() { }
    // The export dialog of the screen; true when the on-screen list was asked for instead of a file.
    virtual bool montrerExport() = 0;
    virtual void montrerListeEcran() = 0;

    QLabel* m_labelProgress = nullptr;
    QTimer* m_timer1 = nullptr;

private:
    void construireEtRemplir(const ListeConstruite& construite, bool motCle);
    void afficherRefus(Refus refus);
    void attente(bool active);

    VueResultat* m_resultat = nullptr;
    VueListe* m_rubriques = nullptr;
    QRadioButton* m_choixAnnee[3] = {};
    QList<QCheckBox*> m_periodes;
    QList<QWidget*> m_decorPeriodes;  // labels and lines shown with the period boxes
    QLineEdit* m_anneeDebut = nullptr;
    QLineEdit* m_anneeFin = nullptr;
    QList<QWidget*> m_decorAnnees;
    QLineEdit* m_motCle = nullptr;
    QLabel* m_nbTimbres = nullptr;
    QProgressBar* m_progression = nullptr;
    Instruction m_texteSQL;
    Instruction m_texteSQL2;
    GenreListe m_genre = GenreListe::Aucune;
};

// The print dialogs belong to the printing subsystem: it registers here what the "Imprimer" button of
// each list screen (by tab: 4 want list, 5 duplicates) opens once the button's own checks passed.
void DefinirImpressionListe(int onglet, std::function<void(EcranListe&)> ouvrir);

// The list view shows the rows of a list's result: the number, the designation and the five condition
// cells, each empty for Null. The list keeps the result and reads it as it is painted.
void RemplirResultat(VueResultat& liste, Recordset&& resultat);

// The current year minus one, the default last year of the period panel.
QString AnneePrecedente();
