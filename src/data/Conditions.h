#pragma once
// The five conditions a stamp, a variety or an own item is held and priced in, N, NC, NSG, O and L, in
// the order every grid, list, statement and report shows them; a cancellation is held in O and L only.
// Every place that names a condition reads its names here, so that a condition changes in one place.

#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <stdexcept>

struct Condition {
    // The holdings columns' suffix: Qte<s> (the tick), Etat<s> (the quality), Qtes<s> (the copies),
    // QteDouble<s> and QteDoubles<s> (the duplicates); the statements' aliases Cote<s> and Total<s>.
    QString suffixe;
    // The catalogue's quotation column, which an own item's price column repeats; the personal price
    // column is the same followed by "P".
    QString colonneCote;
    // The stamp card's price label; its personal price box is the same followed by "P".
    QString nomCote;
    // The reports' text box of the condition; "D" before it, that of its duplicates.
    QString zoneEtat;
    // The want list's column of marks.
    QString colonneManques;
    // The result lists' column heading and its width in twips.
    QString enteteListe;
    int largeurListe;
    // The holdings grids' row label on the stamp card and on the sub-cards, and its tip.
    QString libelle;
    QString libelleCarte;
    QString infobulleLigne;
    // The price strips' heading and tip (the tip worded as the price strips word it).
    QString enteteCote;
    QString infobulleCote;
    // The quick entry: its tick option, the column of the list that option reads, the alias of the mark
    // in its statement, and the list's heading and width in twips.
    QString optionSaisie;
    int colonneSaisie;
    QString marqueSaisie;
    QString enteteSaisie;
    int largeurSaisie;

    QString colonneCotePerso() const { return colonneCote + QLatin1Char('P'); }
    QString nomCotePerso() const { return nomCote + QLatin1Char('P'); }
    QString aliasCote() const { return QStringLiteral("Cote") + suffixe; }
};

// clang-format off
inline const std::array<Condition, 5> Conditions = {{
    {"N", "Neuf", "Neuf", "Neuf", "Neuf", "N**", 500,
        "Neuf **", "Neuf **", "Neuf sans charnière", "Neuf **", "Neuf sans charnière",
        "Neuf sans charnière", 3, "QN", "Neuf **", 690},
    {"NC", "NeufAvecCharniere", "NeufAvecCharnieres", "NC", "NC", "N*", 400,
        "Neuf *", "Neuf *", "Neuf avec charnière ou trace ch.", "Neuf *", "Neuf avec charnière ou trace charn.",
        "Neuf avec charnière", 4, "QC", "Neuf *", 640},
    {"NSG", "NSG", "NSG", "NSG", "NSG", "NSG", 500,
        "Neuf (*)", "Neuf (*)", "Neuf sans gomme", "Neuf (*)", "Neuf sans gomme",
        "Neuf sans gomme", 5, "QG", "Neuf (*)", 750},
    {"O", "Oblitere", "Oblitere", "Oblitere", "Oblitéré", "O", 400,
        "Oblitéré", "Oblitéré", "Oblitéré", "\u229A", "Oblitéré",
        "Oblitéré", 6, "QO", "Obl.", 580},
    {"L", "Lettre", "Lettre", "Lettre", "Lettre", "L", 400,
        "\u2709", "Lettre", "Sur lettre", "\u2709", "Sur lettre",
        "Oblitéré sur lettre", 7, "QL", "Lettre", 610},
}};
// clang-format on

// The cancellation card's conditions: O and L.
inline std::span<const Condition> ConditionsObliteration()
{
    return std::span(Conditions).subspan(3);
}

// The suffixes of `conditions`, in order.
inline QStringList SuffixesDe(std::span<const Condition> conditions)
{
    QStringList s;
    for (const Condition& c : conditions)
        s << c.suffixe;
    return s;
}

// The condition of suffix `suffixe` ("N", "NC", "NSG", "O", "L").
inline const Condition& ConditionDe(QStringView suffixe)
{
    for (const Condition& c : Conditions)
        if (c.suffixe == suffixe)
            return c;
    throw std::invalid_argument("condition inconnue");
}
