#pragma once
// The personal numbers (table CorrespID: Dallay, IDPerso) exchanged with a text file: one "Dallay;IDPerso"
// line per stamp, in the Windows-1252 code page, the text encoding of these exchange files.

#include "data/Connexion.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Characters outside Windows-1252 become '?'.
QByteArray VersWindows1252(const QString& texte);
QString DepuisWindows1252(const QByteArray& octets);

// Every row of CorrespID, in the table's order, as "Dallay;IDPerso" lines ended by CR LF; a missing number
// is written as empty text. An empty table gives an empty file. The file is written beside the target
// and renamed into place, so an existing file is either wholly replaced or left as it was. Throws ErreurBase.
void ExporterCorrespondances(const Connexion& perso, const QString& cible);

struct LectureCorrespondances {
    QList<QPair<QString, QString>> paires;  // (Dallay, IDPerso)
    QString erreur;                         // empty when the whole file could be read
};
// Reads and checks the whole file before anything is changed. A file that begins with UTF-8's byte-order mark
// is read as UTF-8, the mark left out. A line ends at CR LF, CR or LF; text after the last line end is a line
// when it is not empty; blank lines (spaces and tabs only) at the end are ignored. A line is split at ";":
// Dallay, then IDPerso, further parts ignored, nothing trimmed, quotes kept (the format has no quoting). A stamp
// given on two lines keeps the last line's number. An unreadable file, a UTF-16 file, a line holding a NUL
// byte, without ";" or with an empty Dallay gives `erreur` (naming the line) and no pairs.
LectureCorrespondances LireCorrespondances(const QString& chemin);

// Deletes every CorrespID row and inserts the pairs (an empty number stored as Null), in one transaction.
// Throws ErreurBase, and then nothing has changed.
void RemplacerCorrespondances(const Connexion& perso, const QList<QPair<QString, QString>>& paires);
void ViderCorrespondances(const Connexion& perso);
