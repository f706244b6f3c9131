#pragma once
// The open collection's own themes, ticked for those attached to the card's stamp; OK writes the ticks.

#include <QDialog>
#include <QString>

class QPushButton;
class VueListe;

class OFormFicheThemes : public QDialog {
    Q_OBJECT
public:
    // `dallay`: the stamp shown on the card. The themes and their ticks are read at once.
    explicit OFormFicheThemes(const QString& dallay, QWidget* parent = nullptr);

    // Lists every own theme of the open collection, in French order, ticked when attached to the stamp.
    // A list that cannot be read stays empty.
    void ChargerThemes();
    // Attaches the ticked themes and detaches the others, all in one transaction, then closes and
    // reloads the card's theme list. A refused write says "Erreur" and keeps the dialog and its ticks.
    void BoutonOK_Click();
    // Closes; nothing is written.
    void BoutonAnnuler_Click() { reject(); }

    VueListe* ListeThemesAssocies() const { return m_liste; }

private:
    QString m_dallay;
    QString m_collection;
    VueListe* m_liste;
    QPushButton* m_boutonOK;
    QPushButton* m_boutonAnnuler;
};
