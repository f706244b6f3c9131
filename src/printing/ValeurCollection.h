#pragma once
// The value of a collection by catalogue section and by group of holdings (stamps, varieties,
// cancellations, own items, and the duplicates of each): the statements and the sums.

#include "data/Connexion.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The eight groups, in the order of the report's columns and of the computation.
inline const QStringList GroupesValorisation = {QStringLiteral("C"), QStringLiteral("V"), QStringLiteral("O"),
    QStringLiteral("MV"), QStringLiteral("DC"), QStringLiteral("DV"), QStringLiteral("DO"), QStringLiteral("DMV")};
// The twenty-four sections, in the order of the report's rows.
const QStringList& SectionsValorisation();
// CD and MI are valued among the varieties only.
bool SectionDansGroupe(const QString& section, const QString& groupe);
// What names a collection total among the labels.
inline const QString TotalValorisation = QStringLiteral("Coll");

// The values of one valuation, by label name of the report: section code + "Coll" + group ("AACollC"),
// "Coll" + group for a group's total, "Coll" for the whole. A label missing here stays blank: nothing of
// the collection falls in it.
struct ValeursCollection {
    QHash<QString, double> valeurs;
    std::optional<double> valeur(const QString& etiquette) const;
};

// The statement of one group: one row per section holding rows of the group (the section Null for the
// keys in none), its value in the column Valeur; its one placeholder is the collection.
QString RequeteGroupeValorisation(const QString& groupe);

// Runs the group's statement on `cnx` (which must see the links of its prices) and adds its section
// values and its total to `valeurs`, the total to the running grand total too. A group without any row
// adds nothing. Throws ErreurBase when the statement fails.
void CalculerValeurSection(const Connexion& cnx, const QString& groupe, const QString& collection,
    ValeursCollection& valeurs);

// The whole valuation of `collection`: the three quotation tables of the catalogue at `cheminCatalogue`
// linked for its time, the eight groups in order. A group whose statement fails (a link that could not
// be made) is left blank and the others are computed all the same.
ValeursCollection CalculerValeurCollection(const ConnexionPtr& cnx, const QString& cheminCatalogue,
    const QString& collection);

// "#,0.00" in the user's locale.
QString TexteValeurCollection(double valeur);
