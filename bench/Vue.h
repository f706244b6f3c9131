#pragma once
// The result lists as the screens show them, for the list lines of the benchmark: shown and exposed on the
// offscreen platform (a window never exposed is never painted), painted on demand as the event loop
// paints them once a click's handler returned, their paints counted so that a line shows it painted.

#include "shell/VueResultat.h"

#include <initializer_list>
#include <utility>

// Shows the window and waits until the platform exposed it.
void Exposer(QWidget& fenetre);

// Counts the paints of a widget from its making.
class CompteurPeintures : public QObject {
public:
    explicit CompteurPeintures(QWidget* cible);
    int nombre() const { return m_nombre; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    int m_nombre = 0;
};

// A list view of a screen's size on a desktop wider than 1024 pixels, with the screen's columns.
class VueEcran {
public:
    VueEcran(int largeurTwips, int hauteurTwips, std::initializer_list<std::pair<const char*, int>> colonnes);

    VueResultat& vue() { return m_vue; }
    void colonnes(std::initializer_list<std::pair<const char*, int>> colonnes);
    // The rows laid out, then those in view drawn.
    void peindre() { m_vue.viewport()->repaint(); }
    int peintures() const { return m_compteur.nombre(); }

private:
    VueResultat m_vue;
    CompteurPeintures m_compteur;
};
