#include "lists/LignesListe.h"

#include "shell/Controles.h"

QList<QStringList> LignesListe(const VueListe& liste)
{
    QList<QStringList> lignes;
    for (int i = 0; i < liste.nombreLignes(); ++i)
        lignes << liste.ligne(i);
    return lignes;
}
