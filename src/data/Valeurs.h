#pragma once
// How stored values read and how typed values are bound: Yes/No columns hold -1 and 0, and Null means
// "not set".

#include <QString>
#include <QVariant>

inline constexpr int VRAI = -1;
inline constexpr int FAUX = 0;

// Non-zero is true; Null and anything unreadable as a number are false.
bool EstVrai(const QVariant& valeur);
bool EstNul(const QVariant& valeur);
// The text of a value, empty for Null.
QString Texte(const QVariant& valeur);
// A code typed or listed as text (a collection, a type, a theme...) compares with the stored number:
// bound as a number whenever it reads as one, else as the text.
QVariant NombreOuTexte(const QString& code);
// A figure rounded to `decimales` places as a person reads it written: taken to 15 significant digits,
// then a half rounded away from zero, so 1.45 gives 1.5 and 2.675 gives 2.68 where their binary values
// (1.4499999..., 2.67499999...) would round down. The result is the double nearest that decimal, which
// QLocale's 'f' with the same places writes back exactly. Non-finite values, values that round to zero
// and values whose places reach past the 15 digits come back as they are, so they print as before.
double ArrondiEcrit(double valeur, int decimales);
// A value held in single precision (an own price, a personal price, a card's price box) taken as the
// decimal it stands for before it is multiplied, added or rounded: the shortest decimal that reads back
// as the same single-precision number, which is what was typed for a price of six significant digits or
// fewer. So 0.35, stored as 0.3499999940395355, counts as 0.35 and shows 0.4 as a double 0.35 does.
// Zero, non-finite values and values outside the range of single precision's normal numbers come back
// as they are.
double ValeurSimple(double valeur);
// A LIKE pattern that finds `texte` anywhere, its % and _ taken as typed (escape character \).
QString MotifContient(const QString& texte);

// The SQL condition for a theme of a collection's own: Predefini not true, Null counting as not predefined.
inline const QString ConditionThemePersonnel = QStringLiteral("COALESCE(Predefini, 0) = 0");
