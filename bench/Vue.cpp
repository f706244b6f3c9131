#include "Vue.h"

#include "shell/Echelle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>

void Exposer(QWidget& fenetre)
{
    fenetre.show();
    QElapsedTimer attente;
    attente.start();
    while (!(fenetre.windowHandle() && fenetre.windowHandle()->isExposed()) && attente.elapsed() < 2000)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

CompteurPeintures::CompteurPeintures(QWidget* cible)
{
    cible->installEventFilter(this);
}

bool CompteurPeintures::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Paint)
        ++m_nombre;
    return QObject::eventFilter(objet, evenement);
}

VueEcran::VueEcran(int largeurTwips, int hauteurTwips, std::initializer_list<std::pair<const char*, int>> liste)
    : m_compteur(m_vue.viewport())
{
    colonnes(liste);
    const double facteur = 1.28;
    m_vue.resize(int(largeurTwips * facteur) / TwipsParPixel, int(hauteurTwips * facteur) / TwipsParPixel);
    Exposer(m_vue);
}

void VueEcran::colonnes(std::initializer_list<std::pair<const char*, int>> liste)
{
    m_vue.viderColonnes();
    for (const auto& [titre, largeur] : liste)
        m_vue.ajouterColonne(QString::fromUtf8(titre), largeur);
}
