#include "printing/ValeurCollection.h"

#include "data/Conditions.h"
#include "data/Source.h"
#include "printing/FormatNombre.h"

namespace {

// A group of holdings: where its rows are, where its prices are, what it counts.
struct Groupe {
    const char* code;
    const char* table;
    const char* lien;   // the link of its quotations; none: the row carries its own prices, in single precision
    const char* source; // the catalogue table behind the link
    const char* cle;    // the column that places a row in a section
    bool annulations;   // cancellations: conditions O and L only
    bool doubles;       // duplicates rather than copies
    bool qualite;       // the quality percent applies
};

const Groupe Groupes[] = {
    {"C", "Collection", "LinkCotations", "Cotations2001", "Dallay", false, false, true},
    {"V", "CollectionV", "LinkCotationsV", "Cotations2001v", "Dallay", false, false, true},
    {"O", "CollectionO", "LinkCotationsO", "Cotations2001o", "Dallay", true, false, true},
    {"MV", "MesVarietes", nullptr, nullptr, "Reference", false, false, false},
    {"DC", "Collection", "LinkCotations", "Cotations2001", "Dallay", false, true, false},
    {"DV", "CollectionV", "LinkCotationsV", "Cotations2001v", "Dallay", false, true, false},
    {"DO", "CollectionO", "LinkCotationsO", "Cotations2001o", "Dallay", true, true, false},
    {"DMV", "MesVarietes", nullptr, nullptr, "Reference", false, true, false},
};

const Groupe& groupe(const QString& code)
{
    for (const Groupe& g : Groupes)
        if (code == QLatin1String(g.code))
            return g;
    throw ErreurBase(QStringLiteral("Groupe de valorisation inconnu : %1").arg(code));
}

const QString& Total = TotalValorisation;

}  // namespace

const QStringList& SectionsValorisation()
{
    static const QStringList sections = {QStringLiteral("AA"), QStringLiteral("AE"), QStringLiteral("BS"),
        QStringLiteral("CA"), QStringLiteral("CR"), QStringLiteral("CP"), QStringLiteral("PC"), QStringLiteral("CI"),
        QStringLiteral("FM"), QStringLiteral("G70"), QStringLiteral("G14"), QStringLiteral("G39"), QStringLiteral("JS"),
        QStringLiteral("JO"), QStringLiteral("PR"), QStringLiteral("RT"), QStringLiteral("SP"), QStringLiteral("TS"),
        QStringLiteral("TT"), QStringLiteral("TG"), QStringLiteral("TP"), QStringLiteral("CN"), QStringLiteral("CD"),
        QStringLiteral("MI")};
    return sections;
}

bool SectionDansGroupe(const QString& section, const QString& groupe)
{
    if (section == QLatin1String("CD") || section == QLatin1String("MI"))
        return groupe == QLatin1String("V") || groupe == QLatin1String("DV");
    return true;
}

std::optional<double> ValeursCollection::valeur(const QString& etiquette) const
{
    const auto i = valeurs.constFind(etiquette);
    if (i == valeurs.constEnd())
        return std::nullopt;
    return *i;
}

QString RequeteGroupeValorisation(const QString& code)
{
    const Groupe& g = groupe(code);
    const QString cle = QStringLiteral("H.%1").arg(QString::fromLatin1(g.cle));
    // The key decides the section as the catalogue compares its numbers, ignoring case: AA is every key
    // before "AE"; the war sections go by three characters, the others by two. No code of two
    // characters starts like a war section or sorts before "AE", so a key falls in one section at most.
    QStringList paires, triples;
    for (const QString& s : SectionsValorisation()) {
        if (s == QLatin1String("AA") || !SectionDansGroupe(s, code))
            continue;
        (s.size() == 3 ? triples : paires) << QStringLiteral("'%1'").arg(s);
    }
    const QString section =
        QStringLiteral("CASE WHEN %1 < 'AE' THEN 'AA' "
                       "WHEN upper(substr(%1, 1, 3)) IN (%2) THEN upper(substr(%1, 1, 3)) "
                       "WHEN upper(substr(%1, 1, 2)) IN (%3) THEN upper(substr(%1, 1, 2)) END")
            .arg(cle, triples.join(QStringLiteral(", ")), paires.join(QStringLiteral(", ")));

    QStringList sommes;
    for (const Condition& c : g.annulations ? ConditionsObliteration() : std::span<const Condition>(Conditions)) {
        const QString& s = c.suffixe;
        const QString quantite = QStringLiteral("IFNULL(H.%1%2, 0)").arg(QString::fromLatin1(g.doubles ? "QteDouble" : "Qtes"), s);
        // An own item's price is stored in single precision: it counts as the decimal it was typed as,
        // 0,35 as on the card rather than 0.3499999940395355.
        const QString cote = g.lien ? QStringLiteral("IFNULL(P.%1, 0)").arg(c.colonneCote)
                                    : QStringLiteral("IFNULL(ValeurSimple(H.%1), 0)").arg(c.colonneCote);
        // A Null anywhere counts as 0; the quality is a percent of the quotation.
        sommes << (g.qualite ? QStringLiteral("SUM(%1 * (%2 * (IFNULL(H.Etat%3, 0) / 100.0)))").arg(quantite, cote, s)
                             : QStringLiteral("SUM(%1 * %2)").arg(quantite, cote));
    }
    QString sql = QStringLiteral("SELECT %1 AS Rubrique, %2 AS Valeur FROM %3 AS H")
                      .arg(section, sommes.join(QStringLiteral(" + ")), QString::fromLatin1(g.table));
    if (g.lien)
        sql += QStringLiteral(" LEFT JOIN %1 AS P ON H.Dallay = P.Dallay").arg(QString::fromLatin1(g.lien));
    sql += QStringLiteral(" WHERE H.Collection = ? GROUP BY 1");
    return sql;
}

void CalculerValeurSection(
    const Connexion& cnx, const QString& code, const QString& collection, ValeursCollection& valeurs)
{
    Requete r = cnx.preparer(RequeteGroupeValorisation(code));
    r.lier(1, collection);
    std::optional<double> total;
    QHash<QString, double> sections;
    while (r.suivante()) {
        const double v = r.colonne(1).toDouble();
        total = total.value_or(0.0) + v;
        // Rows outside every section of the group count in its total only.
        if (!r.colonne(0).isNull())
            sections.insert(r.colonne(0).toString() + Total + code, v);
    }
    // Written only once the whole statement has run: a failure leaves the group blank.
    for (auto i = sections.cbegin(); i != sections.cend(); ++i)
        valeurs.valeurs.insert(i.key(), i.value());
    if (total) {
        valeurs.valeurs.insert(Total + code, *total);
        valeurs.valeurs.insert(Total, valeurs.valeurs.value(Total, 0.0) + *total);
    }
}

ValeursCollection CalculerValeurCollection(
    const ConnexionPtr& cnx, const QString& cheminCatalogue, const QString& collection)
{
    ValeursCollection valeurs;
    QStringList liens;
    for (const Groupe& g : Groupes) {
        if (!g.lien || liens.contains(QString::fromLatin1(g.lien)))
            continue;
        liens << QString::fromLatin1(g.lien);
        SansEchec([&] {
            CreerTableLiee(*cnx, QString::fromLatin1(g.lien), cheminCatalogue, QString::fromLatin1(g.source));
        });
    }
    for (const Groupe& g : Groupes)
        SansEchec([&] { CalculerValeurSection(*cnx, QString::fromLatin1(g.code), collection, valeurs); });
    for (const QString& lien : liens)
        SansEchec([&] { SupprimerTableLiee(*cnx, lien); });
    return valeurs;
}

QString TexteValeurCollection(double valeur)
{
    return FormaterValeur(QVariant(valeur), QStringLiteral("#,0.00"));
}
