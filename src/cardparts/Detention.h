#pragma once
// A card's holdings as they are stored: the row of an item in Collection, CollectionV or CollectionO read
// as the holdings grid would show it, the merge of what the user changed into a row another screen may
// have written since, and the one write of the row. The grid's save is made of these; they need no window.

#include "data/Conditions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class Connexion;
class Recordset;

// What a grid holds, as it is stored: a condition not held has Null copies and quality, and duplicates
// whose tick is clear are Null.
struct LigneSaisie {
    bool possede = false;
    QVariant copies;
    QVariant qualite;
    QVariant doubles;
    bool operator==(const LigneSaisie&) const = default;
};
struct DetentionSaisie {
    QList<LigneSaisie> lignes;
    bool nePasAcquerir = false;
    QString commentaire;
    bool operator==(const DetentionSaisie&) const = default;
};

// The conditions a stamp can be held in, in grid order.
inline const QStringList SuffixesEtats = SuffixesDe(Conditions);

// A copies or duplicates count as typed: a whole number from 0 to `maximum`.
std::optional<int> LireCompte(const QString& texte, int maximum);
// A quality as typed: a number from 0 to 300 percent, fractions allowed.
std::optional<double> LireQualite(const QString& texte);

// A stored holdings row as a grid of `suffixes` (counts up to `maximumQuantite`) would show it and give
// it back: what it shows, read back by the grid's own readers. No row: nothing held. `ligne` is read at
// its current row, or as no row when it has none.
DetentionSaisie DetentionStockee(const Recordset& ligne, const QStringList& suffixes, int maximumQuantite);
// What a save writes when the row may have changed since the card read it (`lue`): the stored row as it
// is now (`stockee`), with only the parts the user changed from `lue` taken from the grid (`saisie`). A
// part is a condition's copies kept (owned, copies, quality), a condition's duplicates, the "Ne pas
// acquérir" tick, the comment.
DetentionSaisie FusionnerDetention(
    const DetentionSaisie& stockee, const DetentionSaisie& lue, const DetentionSaisie& saisie);

// Writes the holdings row of (`dallay`, `collection`) in `table` (Collection, CollectionV, CollectionO)
// in one statement: the row is added or updated, never deleted. Throws ErreurBase when refused.
void EcrireDetention(const Connexion& cnx, const QString& table, const QString& collection, const QString& dallay,
    const QStringList& suffixes, const DetentionSaisie& saisie);
