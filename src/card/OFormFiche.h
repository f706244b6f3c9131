#pragma once
// The stamp card: one catalogue stamp at a time, with the open collection's holdings of it.

#include "shell/EcranPrincipal.h"

#include <QStringList>

class ListeDonnees;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Set by every accepted edit of the holdings grid; the card's next move writes the holdings when it is 1.
extern int ModifFiche;

// The conditions, in the order the holdings grid walks them.
inline const QStringList SuffixesEtats = {
    QStringLiteral("N"), QStringLiteral("NC"), QStringLiteral("NSG"), QStringLiteral("O"), QStringLiteral("L")};

class OFormFiche : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormFiche(QWidget* parent = nullptr);

    // The 27 controls of the holdings grid, in grid order: the five held ticks, the five quality boxes,
    // the five copies boxes, the five duplicates counts, the five duplicates ticks, NePasAcquerir, commentaire.
    QList<QWidget*> grilleDetention() const { return m_grille; }
    QLabel* Dallay() const { return m_dallay; }
    ListeDonnees* ListeMesVarietes() const { return m_listeMesVarietes; }
    ListeDonnees* ListeThemes() const { return m_listeThemes; }

    // Writes the holdings grid into the open collection's row of the card's stamp.
    void MaJCollection();
    void Form_Unload() override;

protected:
    void Form_Load() override;
    void AvantChangementEcran() override;

private:
    void creerGrille();

    QLabel* m_dallay;
    QList<QWidget*> m_grille;
    ListeDonnees* m_listeMesVarietes;
    ListeDonnees* m_listeThemes;
};

// Writes the card's holdings when they were edited, then clears the flag in every case.
void EnregistrerSiModifie();

// Shows the card's current stamp again with the open collection's holdings.
void AfficherFiche();

// Registers the stamp card with the screen registry.
void EnregistrerEcransFiche();
