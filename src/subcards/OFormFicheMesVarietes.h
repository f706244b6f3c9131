#pragma once
// The card of an item of the user's own under the stamp on the stamp card: an uncatalogued variety or
// another piece, kept in one MesVarietes row of the open collection. The item carries its own prices,
// its holdings on the shared grid and the path of a picture file; the whole row is written once, when
// the card closes, whichever way it is closed.

#include "cardparts/GrilleDetention.h"

#include <QDialog>
#include <QImage>
#include <QList>

class BoiteImage;
class QLabel;
class QLineEdit;
class QPushButton;
class ValidationSortie;

class OFormFicheMesVarietes : public QDialog {
    Q_OBJECT
public:
    // Loads the item chosen in the stamp card's ListeMesVarietes.
    explicit OFormFicheMesVarietes(const QString& codePersonnel, QWidget* parent = nullptr);

    GrilleDetention* grille() const { return m_grille; }
    ValidationSortie* validation() const { return m_validation; }
    // The own price box of a condition, in grid order.
    QLineEdit* prix(int condition) const { return m_prix.at(condition); }
    QLabel* LabelPath() const { return m_labelPath; }
    // The picture the card holds for the item (what Picture1 shows, fitted); null when none.
    QImage image() const { return m_image; }

    // 1 when the card was edited since it was loaded or written.
    quint8 ModifVP() const { return m_modif; }

    // Writes the card into the item's row in one statement. False when nothing could be written, which
    // has been reported ("Erreur").
    bool MAJCollectionVP();
    void CalculerValeurs();

    // The user's edits that are the card's own; the grid's are the grid's.
    bool Prix_Validate(int condition);
    void BoutonAssocier_Click();
    void BoutonAnnuler_Click();

    // Every way of closing comes here: the focused field validated, then the pending edits written once.
    void reject() override;

private:
    void ChargerMaVariete();
    bool EnregistrerSiModifie();
    void creerPrix(int haut);
    // The picture file at `chemin`, read into memory; false (the card's picture unchanged) when it is
    // missing or is no picture.
    bool chargerImage(const QString& chemin);

    QString m_cle;  // CodePersonnel of the item, as chosen on the stamp card
    QLabel* m_designation;
    QLineEdit* m_codePersonnel;
    GrilleDetention* m_grille;
    QList<QLineEdit*> m_prix;
    // The price boxes emptied because what was typed in them was refused, until the user leaves them
    // accepted: their emptiness is no price the user chose, and the stored price stays.
    QList<bool> m_prixRefuse;
    BoiteImage* m_picture1;
    BoiteImage* m_picture2;
    QImage m_image;
    QLabel* m_labelPath;
    QPushButton* m_boutonAssocier;
    QPushButton* m_boutonAnnuler;
    ValidationSortie* m_validation;
    quint8 m_modif = 0;
    // The item's row could not be read: the card shows nothing editable and writes nothing.
    bool m_ecritureInterdite = true;
};
