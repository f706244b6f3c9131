#pragma once
// The nine main screens: each a single application-wide screen, a child of the main window, loaded
// on its first reference and shown as it loads. This is their common part: the design size, the
// nine-tab bar and the switch between screens.

#include "shell/NavigationOnglets.h"

#include <QList>
#include <QWidget>

#include <functional>

class EcranPrincipal : public QWidget {
    Q_OBJECT
public:
    // `largeurTwips` x `hauteurTwips`: the design size, which the tab bar fills.
    EcranPrincipal(int onglet, const QString& nom, int largeurTwips, int hauteurTwips, QWidget* parent = nullptr);

    int onglet() const { return m_onglet; }
    NavigationOnglets* barre() const { return m_barre; }
    // Where the screen's controls go: its own tab of the bar.
    QWidget* page() const { return m_barre->page(); }

    // The load: the scaling step, then the screen's own set-up. Runs once.
    void Charger();
    // What the screen must do before the program ends (the stamp card writes its pending holdings).
    virtual void Form_Unload() { }

    // The click handler of the bar: brings up the chosen screen and hides the eight others.
    void SSTab_Click();

protected:
    virtual void Form_Load() { }
    // Runs before the bar switches to another screen (the stamp card saves itself there); false keeps
    // the screen where it is.
    virtual bool AvantChangementEcran() { return true; }
    // Runs when the bar has just brought the screen up from another one (the stamp card shows again what
    // is stored: other screens may have written it meanwhile).
    virtual void Form_Activate() { }
    // The collections screen keeps its position; the others go to the top-left corner.
    virtual bool garderPosition() const { return false; }

private:
    int m_onglet;
    bool m_charge = false;
    NavigationOnglets* m_barre;
};

// The registry of the nine screens. Each subsystem registers the factory of its screens; a reference
// to a screen that is not loaded creates it, loads it and shows it.
using FabriqueEcran = std::function<EcranPrincipal*()>;
void EnregistrerEcran(int onglet, FabriqueEcran fabrique);
EcranPrincipal* ChargerEcran(int onglet);
// The screen if it is loaded, else null (never loads it).
EcranPrincipal* EcranSiCharge(int onglet);
// The main window's area that holds the screens; without one, screens are top-level windows.
void DefinirConteneurEcrans(QWidget* conteneur);
// The order in which the screens were loaded, by tab index, since the last DechargerEcrans.
QList<int> OrdreDeChargement();
// Destroys every loaded screen (shut-down, and between tests).
void DechargerEcrans();
