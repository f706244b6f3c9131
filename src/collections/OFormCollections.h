#pragma once
// The collections screen: the home screen, and the owner of the open collection that every other
// screen reads from its two labels.

#include "data/Recordset.h"
#include "shell/EcranPrincipal.h"

#include <QMap>

#include <functional>

class ListeDonnees;
class QLabel;
class QToolButton;

class OFormCollections : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormCollections(QWidget* parent = nullptr);

    QLabel* CollectionOuverte() const { return m_collectionOuverte; }
    QLabel* TexteCollectionOuverte() const { return m_texteCollectionOuverte; }
    ListeDonnees* ListeCollections() const { return m_listeCollections; }
    QLabel* TexteBouton() const { return m_texteBouton; }
    QToolButton* bouton(const QString& nom) const { return m_boutons.value(nom); }

    // The collections but number 1, as the list shows them; reloads the list from the database.
    void ChargerListeCollections();

    void BoutonCreer_Click();
    void BoutonOuvrir_Click();
    void ListeCollections_DblClick() { BoutonOuvrir_Click(); }
    void BoutonFermer_Click();
    void BoutonSupprimer_Click();
    void BoutonRenommer_Click();
    void BoutonModifierPass_Click();
    void BoutonListeCollection_Click();
    void BoutonWeb_Click();
    void BoutonMail_Click();
    void BoutonAide_Click();
    void BoutonQuitter_Click();
    void Image_Click(const QString& nomImage);
    // The personal data: backup, import of a backup or of the previous edition, personal numbers.
    void BoutonEnregistrer_Click();
    void BoutonImporter_Click();
    void BoutonExportNum_Click();
    void BoutonImportNum_Click();
    void BoutonSupprNum_Click();
    // The hint line: a picture button writes its hint, the bare screen clears it.
    void Bouton_MouseMove(const QString& nomBouton);
    void SSTab1_MouseMove();

    Recordset rstCollections;

protected:
    void Form_Load() override;
    bool garderPosition() const override { return true; }
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creerBoutons();
    void creerTextes();

    QLabel* m_collectionOuverte;
    QLabel* m_texteCollectionOuverte;
    QLabel* m_texteBouton;
    ListeDonnees* m_listeCollections;
    QMap<QString, QToolButton*> m_boutons;
    QMap<QString, QString> m_bulles;
};

// The collections screen, loaded on first use.
OFormCollections* FormCollections();

// The open sequence: the entry selected in the list becomes the open collection, the stamp card shows
// its holdings, the search screen's themes follow, and the screens come in line.
void OuvrirCollectionChoisie();

// Registers the collections screen with the screen registry.
void EnregistrerEcransCollections();

// The printing subsystem registers here the inventory dialog that "BoutonListeCollection" opens once a
// collection is open.
void DefinirImpressionListeCollection(std::function<void()> ouvrir);
