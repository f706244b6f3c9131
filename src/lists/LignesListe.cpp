#include "lists/LignesListe.h"

#include "shell/VueResultat.h"

QList<QStringList> LignesListe(const VueResultat& liste)
{
    QList<QStringList> lignes;
    for (int i = 0; i < liste.nombreLignes(); ++i)
        lignes << liste.ligne(i);
    return lignes;
}
