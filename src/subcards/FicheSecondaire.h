#pragma once
// What the variety and cancellation cards have in common: a modal window over the stamp card showing
// one catalogued item chosen in one of its lists, with its picture from the disc, its prices and the
// open collection's holdings of it on the shared grid. The holdings are written when the card closes,
// whichever way it is closed; the personal prices as soon as each is entered.

#include "cardparts/CotesCarte.h"
#include "cardparts/GrilleDetention.h"

#include <QDialog>
#include <QStringList>

class BoiteImage;
class QLabel;
class QPushButton;
class ValidationSortie;

struct ParametresFicheSecondaire {
    QString nom;               // object name of the window
    QString titre;
    QString tableCatalogue;    // the items' table (Dallay, Designation)
    QString tableImages;       // on the disc
    QString colonneImage;
    QString tableDetention;    // CollectionV, CollectionO
    ParametresCotes cotes;
    QStringList suffixes;      // the conditions of the grid, top to bottom
    QStringList nomsTitresColonnes;  // object names of the grid's column titles, where the card has some
    QString nomLibelleCommentaire;
    int largeur = 9000;        // in twips
    int hauteur = 5400;
};

class FicheSecondaire : public QDialog {
    Q_OBJECT
public:
    // `cle`: the item chosen on the stamp card (its Dallay).
    FicheSecondaire(const ParametresFicheSecondaire& parametres, const QString& cle, QWidget* parent);

    GrilleDetention* grille() const { return m_grille; }
    CotesCarte* cotes() const { return m_cotes; }
    ValidationSortie* validation() const { return m_validation; }
    QLabel* Dallay() const { return m_dallay; }

    // 1 when a holding was edited since the card was loaded or saved.
    quint8 modifie() const { return m_modif; }

    void CalculerValeurs();
    // Writes the holdings when the card was edited. False when the write was refused (reported, the
    // card keeps its edits and its mark).
    bool EnregistrerSiModifie();
    void BoutonAnnuler_Click();

    // Every way of closing comes here: the focused field validated, then the pending holdings written.
    // A refusal of either keeps the card open.
    void reject() override;

protected:
    // Loads the item chosen on the stamp card; the cards call it under their own names.
    void charger();

private:
    // Writes the grid into the open collection's holdings row of the item, in one statement.
    bool ecrireDetention();
    void chargerImage();
    void chargerDetention(bool trouve);
    void creerPrix();

    ParametresFicheSecondaire m_parametres;
    QString m_cle;  // the item's Dallay, as chosen on the stamp card
    QLabel* m_dallay;
    QLabel* m_designation;
    BoiteImage* m_picture1;
    BoiteImage* m_picture2;
    GrilleDetention* m_grille;
    CotesCarte* m_cotes;
    ValidationSortie* m_validation;
    QPushButton* m_boutonAnnuler;
    quint8 m_modif = 0;
    // Nothing may be written: no item, or a stored row that could not be read.
    bool m_ecritureInterdite = true;
};
