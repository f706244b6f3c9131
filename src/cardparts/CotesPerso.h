#pragma once
// The personal prices' one write: the row of an item and a collection in CotationsP. Window-less: the
// price source of the cards writes through it.

#include <QList>
#include <QString>

#include <optional>

class Connexion;

// A personal price to store: its column of CotationsP, and the price read from its box (none: Null).
struct PrixPerso {
    QString colonne;
    std::optional<double> prix;
};

// Writes the prices of (`dallay`, `collection`) in CotationsP in one statement: the row is added or
// updated, never deleted, and a column not given keeps what is stored (Null in a row added); given none,
// an existing row is left as it is. A price is stored in single precision, what its box shows once read
// back. Throws ErreurBase when refused.
void EcrireCotesPerso(const Connexion& cnx, const QString& dallay, const QString& collection, const QList<PrixPerso>& prix);
