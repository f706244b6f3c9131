#pragma once
// How stored values read: Yes/No columns hold -1 and 0, and Null means "not set".

#include <QString>
#include <QVariant>

inline constexpr int VRAI = -1;
inline constexpr int FAUX = 0;

// Non-zero is true; Null and anything unreadable as a number are false.
bool EstVrai(const QVariant& valeur);
bool EstNul(const QVariant& valeur);
// The text of a value, empty for Null.
QString Texte(const QVariant& valeur);
// A value that may be Null, as a QVariant holding nothing when it is.
QVariant NulSiVide(const QString& texte);
