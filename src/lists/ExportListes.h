#pragma once
// The exchange file of the want and duplicates lists, as forums read it: a header, then one line per row
// of the list, six fields separated by commas, in the Windows-1252 code page, every line ended by CR LF.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// `lignes`: the rows of a result list, each its number, then the designation and the five condition
// cells (`LignesListe`). `manques`: a want list, whose marks ("x", or "1" on a keyword list) are written "1"; the duplicates
// are written as counted. The designation is never written.
QByteArray TexteEchange(const QList<QStringList>& lignes, bool manques);

// Writes the file whole or not at all: through a temporary file beside it, renamed into place. Empty on
// success, else the reason.
QString EcrireFichierEchange(const QString& chemin, const QByteArray& octets);

// The numbers of the list separated by ", ", nothing after the last.
QString NumerosListe(const QList<QStringList>& lignes);
