#pragma once
// The numbers of the cards: how a stored number is shown, how a typed one is read, and the two values
// of a holdings grid. Every card reads and values its grid through these, so that what is shown, what
// is stored and what is valued always agree.

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// A stored number as the cards show it: at most 7 significant digits in fixed notation, the locale's
// decimal separator and no grouping ("3", "12,5", "1000000"); read back in the locale it stores the same
// single-precision number. Empty for Null.
QString TexteNombre(const QVariant& valeur);

// A number typed by the user, read in the user's locale (a decimal comma in a French setting); blanks
// around it are ignored. Nothing when the text is not wholly a finite number ("nan", "inf" are none).
std::optional<double> LireNombreLocal(const QString& texte);

// "#,##0.0": grouped thousands and one decimal, with the separators of the user's locale.
QString FormaterValeur(double valeur);

// One row of a holdings grid as the value computation sees it: texts of its boxes and its price.
struct LigneValeurs {
    QString prix;  // the price shown (catalogue label or personal box), "" when none
    QString copies;
    QString qualite;
    QString doubles;
};

struct ValeursGrille {
    double collection = 0;  // sum of price x copies x quality / 100
    double doubles = 0;     // sum of price x duplicates
};

// The two values of a grid. Prices, copies, quality and duplicates are read as the validations read
// them, so what is valued is what is shown and stored; a text that does not read as a number (a
// damaged row, a value its validation is about to refuse) counts nothing.
ValeursGrille CalculerValeursLignes(const QList<LigneValeurs>& lignes);
