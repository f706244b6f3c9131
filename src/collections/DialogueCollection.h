#pragma once
// What the four collection dialogs share: a fixed dialog laid out in twips, OK (the default button) and
// Annuler, the tab order from the first box down, and the refusal that keeps the dialog open.

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;

class DialogueCollection : public QDialog {
    Q_OBJECT
public:
    virtual void BoutonOK_Click() = 0;
    // Closes the dialog; nothing is written.
    void BoutonAnnuler_Click() { reject(); }

protected:
    DialogueCollection(
        const QString& nom, const QString& titre, int largeurTwips, int hauteurTwips, bool modal, QWidget* parent);

    void etiquette(const QString& nom, const QString& texte, int gauche, int haut, int largeur, int hauteur);
    QLineEdit* boiteTexte(const QString& nom, int gauche, int haut, int largeur, int hauteur);
    QLineEdit* boiteMotDePasse(const QString& nom, int gauche, int haut, int largeur, int hauteur);
    // OK and Annuler on one row; the tab order runs through `boites`, OK and Annuler; the focus starts in the
    // first box.
    void placerBoutons(int gaucheOK, int gaucheAnnuler, int haut, const QList<QLineEdit*>& boites);

    // Says why, empties the boxes named, gives the focus to `focus`; the dialog stays open.
    void refuser(const QString& titre, const QString& texte, const QList<QLineEdit*>& aVider, QLineEdit* focus);
    // A database refusal: "Erreur" with its reason; the dialog stays open with what was typed.
    void erreurBase(const QString& raison);
    // The rules every new password follows, in order: both boxes or neither, the same text, at most
    // 10 characters. Refuses with `titre` and returns false at the first one broken.
    bool nouveauxMotsDePasseValides(const QString& titre, QLineEdit* pass1, QLineEdit* pass2);
    // Whether another collection than `sauf` (the one renamed; empty for a creation) already bears `nom`,
    // capitals ignored, accented ones too, and wildcards taken literally; collection 1 counts, though the
    // list never shows it. Throws ErreurBase when the table cannot be read.
    static bool nomCollectionPris(const QString& nom, const QString& sauf = {});
    // The refusal of a name taken, in the words of the creation; the boxes named are emptied.
    void refuserNomPris(const QString& titre, const QList<QLineEdit*>& aVider, QLineEdit* focus);

    QPushButton* m_boutonOK = nullptr;
    QPushButton* m_boutonAnnuler = nullptr;
};
