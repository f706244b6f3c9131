#pragma once
// The open collection, as every screen reads it: the caption of the collections screen's hidden label
// "CollectionOuverte", the collection's code, or empty when none is open.

#include <QString>

class QWidget;

QString CaptionCollectionOuverte();
bool CollectionEstOuverte();

// A control of a main screen, found by its name; the screen is loaded first if it is not.
template <typename T> T* ControleEcran(int onglet, const QString& nom);

QWidget* ControleEcranBrut(int onglet, const QString& nom);

template <typename T> T* ControleEcran(int onglet, const QString& nom)
{
    return qobject_cast<T*>(ControleEcranBrut(onglet, nom));
}
