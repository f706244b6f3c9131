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
    // The stamp card's price label; the price strip names its personal price box after it, followed by "P".
    QString nomCote;
    // The reports' text box of the condition; "D" before it, that of its duplicates.
    QString zoneEtat;
    // The want list's column of marks.
    QString colonneManques;
    // The result lists' column heading and its width in twips.
    QString enteteListe;
    int largeurListe;
    // The printed lists' column heading and its width in twips; the inventory prints the same heading in
    // boxes of its own.
    QString enteteEtat;
    int largeurEtat;
    // A row's label: in the stamp card's holdings grid (the on-cover row an envelope, drawn from the
    // symbol fonts every system has), in the sub-cards' grids (written out) and in the inventory's
    // synthesis; then the grids' tip of the row.
    QString libelle;
    QString libelleCarte;
    QString libelleSynthese;
    QString infobulleLigne;
    // The price strips' heading (O and L are symbols: a postmark and an envelope) and tip (worded as the
    // price strips word it); then the object name the variety and cancellation cards give that heading,
    // which only the two symbols have.
    QString enteteCote;
    QString infobulleCote;
    QString nomEnteteCote;
    // The quick entry: its tick option, the column of the list that option reads, the alias of the mark
    // in its statement, and the list's heading and width in twips.
    QString optionSaisie;
    int colonneSaisie;
    QString marqueSaisie;
    QString enteteSaisie;
    int largeurSaisie;
    // The exchange file's column.
    QString colonneEchange;

    QString colonneCotePerso() const { return colonneCote + QLatin1Char('P'); }
    QString aliasCote() const { return QStringLiteral("Cote") + suffixe; }
};

// clang-format off
inline const std::array<Condition, 5> Conditions = {{
    {
        .suffixe = "N",
        .colonneCote = "Neuf",
        .nomCote = "Neuf",
        .zoneEtat = "Neuf",
        .colonneManques = "Neuf",
        .enteteListe = "N**", .largeurListe = 500,
        .enteteEtat = "Neuf **", .largeurEtat = 555,
        .libelle = "Neuf **", .libelleCarte = "Neuf **", .libelleSynthese = "Neuf **",
        .infobulleLigne = "Neuf sans charnière",
        .enteteCote = "Neuf **", .infobulleCote = "Neuf sans charnière", .nomEnteteCote = "",
        .optionSaisie = "Neuf sans charnière", .colonneSaisie = 3, .marqueSaisie = "QN",
        .enteteSaisie = "Neuf **", .largeurSaisie = 690,
        .colonneEchange = "NSC",
    },
    {
        .suffixe = "NC",
        .colonneCote = "NeufAvecCharniere",
        .nomCote = "NeufAvecCharnieres",
        .zoneEtat = "NC",
        .colonneManques = "NC",
        .enteteListe = "N*", .largeurListe = 400,
        .enteteEtat = "Neuf *", .largeurEtat = 495,
        .libelle = "Neuf *", .libelleCarte = "Neuf *", .libelleSynthese = "Neuf *",
        .infobulleLigne = "Neuf avec charnière ou trace ch.",
        .enteteCote = "Neuf *", .infobulleCote = "Neuf avec charnière ou trace charn.", .nomEnteteCote = "",
        .optionSaisie = "Neuf avec charnière", .colonneSaisie = 4, .marqueSaisie = "QC",
        .enteteSaisie = "Neuf *", .largeurSaisie = 640,
        .colonneEchange = "NAC",
    },
    {
        .suffixe = "NSG",
        .colonneCote = "NSG",
        .nomCote = "NSG",
        .zoneEtat = "NSG",
        .colonneManques = "NSG",
        .enteteListe = "NSG", .largeurListe = 500,
        .enteteEtat = "Neuf (*)", .largeurEtat = 645,
        .libelle = "Neuf (*)", .libelleCarte = "Neuf (*)", .libelleSynthese = "Neuf (*)",
        .infobulleLigne = "Neuf sans gomme",
        .enteteCote = "Neuf (*)", .infobulleCote = "Neuf sans gomme", .nomEnteteCote = "",
        .optionSaisie = "Neuf sans gomme", .colonneSaisie = 5, .marqueSaisie = "QG",
        .enteteSaisie = "Neuf (*)", .largeurSaisie = 750,
        .colonneEchange = "NSG",
    },
    {
        .suffixe = "O",
        .colonneCote = "Oblitere",
        .nomCote = "Oblitere",
        .zoneEtat = "Oblitere",
        .colonneManques = "Oblitéré",
        .enteteListe = "O", .largeurListe = 400,
        .enteteEtat = "Obl.", .largeurEtat = 375,
        .libelle = "Oblitéré", .libelleCarte = "Oblitéré", .libelleSynthese = "Oblitéré",
        .infobulleLigne = "Oblitéré",
        .enteteCote = "\u229A", .infobulleCote = "Oblitéré", .nomEnteteCote = "Étiquette54",
        .optionSaisie = "Oblitéré", .colonneSaisie = 6, .marqueSaisie = "QO",
        .enteteSaisie = "Obl.", .largeurSaisie = 580,
        .colonneEchange = "OBLI",
    },
    {
        .suffixe = "L",
        .colonneCote = "Lettre",
        .nomCote = "Lettre",
        .zoneEtat = "Lettre",
        .colonneManques = "Lettre",
        .enteteListe = "L", .largeurListe = 400,
        .enteteEtat = "Lettre", .largeurEtat = 480,
        .libelle = "\u2709", .libelleCarte = "Lettre", .libelleSynthese = "Lettre",
        .infobulleLigne = "Sur lettre",
        .enteteCote = "\u2709", .infobulleCote = "Sur lettre", .nomEnteteCote = "Étiquette154",
        .optionSaisie = "Oblitéré sur lettre", .colonneSaisie = 7, .marqueSaisie = "QL",
        .enteteSaisie = "Lettre", .largeurSaisie = 610,
        .colonneEchange = "SURL",
    },
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
