#pragma once
// What the export and the copy of a list read of the list on screen.

#include <QList>
#include <QStringList>

class VueResultat;

// The rows of a result list: its number, then the designation and the five condition cells.
QList<QStringList> LignesListe(const VueResultat& liste);
