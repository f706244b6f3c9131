#pragma once
// The price source of a card: the catalogue's quotations shown in labels, or the open collection's own
// prices typed in boxes at the same places, one per condition of the card's grid. The stamp card and
// its two sub-cards differ only by the catalogue table and the conditions they price; the switch, the
// reading, the checking and the writing of the prices are here.

#include "data/Conditions.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class ValidationSortie;

struct ParametresCotes {
    QString tableCatalogue;   // Cotations2001, Cotations2001v or Cotations2001o
    QStringList colonnes;     // the catalogue's columns, in grid order
    QStringList colonnesP;    // the matching columns of CotationsP
    QStringList noms;         // the price labels; the personal box of each is named after it with "P"
    // Placement in twips: the combo, then the first price and the step to the next.
    int comboGauche = 0, comboHaut = 0, comboLargeur = 1560, comboHauteur = 300;
    int prixGauche = 0, prixHaut = 0, prixLargeur = 800, prixHauteur = 285, prixPas = 820;
};

// The prices of `conditions`, as the catalogue and the personal table name them.
ParametresCotes CotesDesConditions(std::span<const Condition> conditions, const QString& tableCatalogue);
// The five conditions of a stamp or a variety.
ParametresCotes CotesCinqEtats(const QString& tableCatalogue);

class CotesCarte : public QObject {
    Q_OBJECT
public:
    CotesCarte(QWidget* parent, const ParametresCotes& parametres);

    QComboBox* CoteChoisie() const { return m_coteChoisie; }
    QLabel* cote(int condition) const { return m_cotesDallay.at(condition); }

    // What the card needs of its own: the number its prices are for, showing a condition's row, and
    // its value computation.
    void definirDallay(std::function<QString()> dallay) { m_dallay = std::move(dallay); }
    void definirMontrerLigne(std::function<void(int, bool)> montrer) { m_montrerLigne = std::move(montrer); }
    void definirRecalcul(std::function<void()> recalcul) { m_recalcul = std::move(recalcul); }
    // Registers the personal boxes' validations.
    void installerSaisie(ValidationSortie& validation);

    bool modeCatalogue() const;
    // The price of each condition in the source on display, as shown.
    QStringList prixAffiches() const;

    // Shows the prices of the card's number in the source chosen; with no collection open the
    // catalogue's again, without a message. No handler runs, nothing is written.
    void afficher();
    // The user's choice of source. Personal prices need an open collection: refused otherwise.
    void CoteChoisie_Click();
    // A personal price left by the user: empty or from 0 to 1000000, then written at once. A write the
    // database refuses keeps the price in its box, pending, and the box not accepted.
    bool CotePerso_Validate(int condition);
    // Stores the personal prices of the card's number for the open collection (an empty box: Null), then
    // recomputes the values. A box emptied by a refusal writes nothing: the price stored stays. False
    // when the database refused, which has been reported.
    bool MAJCotationP();
    void AfficherLignesCotesDallay();
    void AfficherLignesCotesPerso();

private:
    void lireCotesCatalogue();
    void lireCotesPerso();
    void montrerSourceCotes(bool catalogue);
    void recalculer();
    QString dallay() const { return m_dallay ? m_dallay() : QString(); }

    ParametresCotes m_parametres;
    QComboBox* m_coteChoisie;
    QList<QLabel*> m_cotesDallay;
    QList<QLineEdit*> m_cotesPerso;
    std::function<QString()> m_dallay;
    std::function<void(int, bool)> m_montrerLigne;
    std::function<void()> m_recalcul;
    ValidationSortie* m_validation = nullptr;
    // The boxes emptied because what was typed in them was refused, until they are shown again or the
    // user leaves them accepted: their emptiness is no price the user chose.
    QList<bool> m_refuse;
};
