#include "printing/Inventaire.h"

#include "data/Conditions.h"
#include "data/Recordset.h"
#include "data/Valeurs.h"
#include "printing/FormatNombre.h"

#include <QHash>

#include <algorithm>
#include <span>
#include <vector>

namespace {

// Whether a kind of item is held in `condition`: a cancellation is held in O and L only.
bool tenueEn(std::span<const Condition> tenues, const Condition& condition)
{
    return std::ranges::any_of(tenues, [&](const Condition& t) { return t.suffixe == condition.suffixe; });
}

// The 36 columns of an item, after its first eight: for each condition the copies, the quality and the
// value of the copies (price x copies x quality / 100 when ticked with copies and priced; a missing
// quality counts as none), then the duplicates' count and value (full price, no tick needed). A condition
// the kind of item is not held in reads 0. The three sums are computed in code, in double precision.
// `prix` gives a condition's price from its column's name (%1).
QString colonnesValeurs(const QString& h, const QString& prix, std::span<const Condition> tenues)
{
    QStringList c;
    for (const Condition& condition : Conditions) {
        const QString& e = condition.suffixe;
        if (!tenueEn(tenues, condition)) {
            c << QStringLiteral("0 AS Qtes%1, 0 AS Etat%1, 0 AS Total%1").arg(e);
            continue;
        }
        c << QStringLiteral("%1.Qtes%2 AS Qtes%2, %1.Etat%2 AS Etat%2, "
                            "CASE WHEN %1.Qtes%2 > 0 AND %1.Qte%2 <> 0 AND %3 IS NOT NULL "
                            "THEN %3 * %1.Qtes%2 * (IFNULL(%1.Etat%2, 0) / 100.0) ELSE 0 END AS Total%2")
                 .arg(h, e, prix.arg(condition.colonneCote));
    }
    c << QStringLiteral("0 AS TotalColl");
    for (const Condition& condition : Conditions) {
        const QString& e = condition.suffixe;
        const QString d = QLatin1Char('D') + e;
        if (!tenueEn(tenues, condition)) {
            c << QStringLiteral("0 AS QteDouble%1, 0 AS Total%2").arg(e, d);
            continue;
        }
        c << QStringLiteral("%1.QteDouble%2 AS QteDouble%2, "
                            "CASE WHEN %1.QteDouble%2 > 0 AND %3 IS NOT NULL THEN %3 * %1.QteDouble%2 ELSE 0 END AS Total%4")
                 .arg(h, e, prix.arg(condition.colonneCote), d);
    }
    c << QStringLiteral("0 AS TotalDble, 0 AS TotalGene");
    return c.join(QStringLiteral(", "));
}

// Listed when ticked with at least one copy, or holding duplicates, in one condition at least.
QString filtre(const QString& h, std::span<const Condition> tenues)
{
    QStringList c;
    for (const Condition& condition : tenues) {
        const QString& e = condition.suffixe;
        c << QStringLiteral("(%1.Qtes%2 > 0 AND %1.Qte%2 <> 0)").arg(h, e) << QStringLiteral("%1.QteDouble%2 > 0").arg(h, e);
    }
    return QStringLiteral(" AND (") + c.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString partieTimbres()
{
    return QStringLiteral("SELECT a.Rubrique AS rubrique, a.Ordre AS Ordre, 1 AS Ordre2, b.Collection AS Collection, "
                          "a.Dallay AS Dallay, a.ID2 AS ID2, d.IDPerso AS IDPerso, a.DesignationCourt AS Designation2, ")
        + colonnesValeurs(QStringLiteral("b"), QStringLiteral("c.%1"), Conditions)
        + QStringLiteral(" FROM LinkFrance a JOIN Collection b ON a.Dallay = b.Dallay JOIN LinkCotations c ON b.Dallay = c.Dallay"
                         " LEFT JOIN CorrespID d ON a.Dallay = d.Dallay WHERE b.Collection = ?")
        + filtre(QStringLiteral("b"), Conditions);
}

QString partieCatalogue(
    int ordre2, const QString& lien, const QString& holdings, const QString& cotations, std::span<const Condition> tenues)
{
    return QStringLiteral("SELECT a.Rubrique AS rubrique, a.Ordre AS Ordre, %1 AS Ordre2, c.Collection AS Collection, "
                          "b.Dallay AS Dallay, '' AS ID2, e.IDPerso AS IDPerso, ' - ' || IFNULL(b.Designation, '') AS Designation2, ")
               .arg(ordre2)
        + colonnesValeurs(QStringLiteral("c"), QStringLiteral("d.%1"), tenues)
        + QStringLiteral(" FROM LinkFrance a JOIN %1 b ON a.Dallay = b.Reference JOIN %2 c ON b.Dallay = c.Dallay"
                         " JOIN %3 d ON c.Dallay = d.Dallay LEFT JOIN CorrespID e ON b.Dallay = e.Dallay"
                         " WHERE c.Collection = ?")
              .arg(lien, holdings, cotations)
        + filtre(QStringLiteral("c"), tenues);
}

// An own item's prices are its own, stored in single precision: each is taken as the decimal it was typed
// as (ValeurSimple), so that 0,35 counts and rounds as on the card, not as 0.3499999940395355.
QString partieMesVarietes()
{
    return QStringLiteral("SELECT a.Rubrique AS rubrique, a.Ordre AS Ordre, 4 AS Ordre2, b.Collection AS Collection, "
                          "'' AS Dallay, '' AS ID2, '' AS IDPerso, ' - ' || IFNULL(b.Designation, '') AS Designation2, ")
        + colonnesValeurs(QStringLiteral("b"), QStringLiteral("ValeurSimple(b.%1)"), Conditions)
        + QStringLiteral(" FROM LinkFrance a JOIN MesVarietes b ON a.Dallay = b.Reference WHERE b.Collection = ?")
        + filtre(QStringLiteral("b"), Conditions);
}

bool inclut(Etendue etendue, Etendue partie)
{
    return etendue == Etendue::Tout || etendue == partie;
}

const Etendue Parties[] = {Etendue::TimbresType, Etendue::Varietes, Etendue::Obliterations, Etendue::VarietesPersonnelles};

// The items as their statement returned them, packed in its result, with the three sums of each row that
// the statement leaves at 0 (the value of the copies, of the duplicates, and both) computed once.
struct ElementsInventaire {
    Recordset resultat;
    std::vector<double> sommes;  // three per row of the result
    int colonneColl = -1, colonneDble = -1, colonneGene = -1;
};

// The items of one section: their rows in the shared result, read when the report asks for them.
class ElementsRubrique : public DonneesEtat {
public:
    explicit ElementsRubrique(std::shared_ptr<const ElementsInventaire> elements) : m_elements(std::move(elements)) { }
    void ajouter(int ligne) { m_lignes.push_back(ligne); }
    void ajuster() { m_lignes.shrink_to_fit(); }
    int nombreLignes() const override { return int(m_lignes.size()); }
    int colonne(const QString& nom) const override { return m_elements->resultat.Colonne(nom); }
    QVariant valeur(int ligne, int colonne) const override
    {
        if (ligne < 0 || ligne >= nombreLignes())
            return {};
        const std::size_t r = std::size_t(m_lignes[std::size_t(ligne)]);
        const ElementsInventaire& e = *m_elements;
        if (colonne == e.colonneColl)
            return e.sommes[r * 3];
        if (colonne == e.colonneDble)
            return e.sommes[r * 3 + 1];
        if (colonne == e.colonneGene)
            return e.sommes[r * 3 + 2];
        return e.resultat.ChampLigne(int(r), colonne);
    }

private:
    std::shared_ptr<const ElementsInventaire> m_elements;
    std::vector<int> m_lignes;
};

// Each condition's sum, the copies' total, each condition's duplicates, the duplicates' total and the whole.
QStringList sommes(const QString& prefixe, const QString& copies, const QString& doubles, const QString& tout)
{
    QStringList n;
    for (const Condition& c : Conditions)
        n << prefixe + c.suffixe;
    n << copies;
    for (const Condition& c : Conditions)
        n << prefixe + QLatin1Char('D') + c.suffixe;
    return n << doubles << tout;
}

const QStringList SommesEnfants = sommes(QStringLiteral("Total"), QStringLiteral("TotalColl"), QStringLiteral("TotalDble"),
    QStringLiteral("TotalGene"));
const QStringList SommesParents = sommes(QStringLiteral("Sum"), QStringLiteral("SumColl"), QStringLiteral("SumDoubles"),
    QStringLiteral("SumTotal"));

// The ranks among a row's sums, in the order of the lists above.
constexpr std::size_t RangColl = NombreConditions;
constexpr std::size_t RangDble = 2 * NombreConditions + 1;
constexpr std::size_t RangGene = 2 * NombreConditions + 2;
constexpr std::size_t NombreSommes = 2 * NombreConditions + 3;
// The rank among a row's sums of a running total: the copies' conditions, then the duplicates'.
constexpr std::size_t rangTotal(std::size_t k)
{
    return k < NombreConditions ? k : k + 1;
}

// The n values from `v` added in order.
double additionner(const double* v, std::size_t n)
{
    double s = v[0];
    for (std::size_t i = 1; i < n; ++i)
        s += v[i];
    return s;
}

}  // namespace

QString LegendeEtendue(Etendue etendue)
{
    static const QStringList legendes {"Timbres-type", "Variétés", "Oblitérations", "Variétés personnelles"};
    QStringList l;
    for (int i = 0; i < 4; ++i)
        if (inclut(etendue, Parties[i]))
            l << legendes.at(i);
    return l.join(QStringLiteral(", "));
}

QList<std::pair<QString, QString>> LiensInventaire(Etendue etendue)
{
    QList<std::pair<QString, QString>> l {{"LinkRubriques", "Rubriques"}, {"LinkFrance", "France"}};
    if (inclut(etendue, Etendue::Obliterations))
        l.append(std::pair<QString, QString>("LinkObliterations", "Obliterations"));
    if (inclut(etendue, Etendue::Varietes))
        l.append(std::pair<QString, QString>("LinkVarietes", "Varietes"));
    if (inclut(etendue, Etendue::TimbresType))
        l.append(std::pair<QString, QString>("LinkCotations", "Cotations2001"));
    if (inclut(etendue, Etendue::Varietes))
        l.append(std::pair<QString, QString>("LinkCotationsv", "Cotations2001v"));
    if (inclut(etendue, Etendue::Obliterations))
        l.append(std::pair<QString, QString>("LinkCotationso", "Cotations2001o"));
    return l;
}

QStringList TousLiensInventaire()
{
    return {"LinkRubriques", "LinkFrance", "LinkObliterations", "LinkVarietes", "LinkCotations", "LinkCotationsv",
        "LinkCotationso"};
}

QString InstructionElements(Etendue etendue)
{
    QStringList parties;
    if (inclut(etendue, Etendue::TimbresType))
        parties << partieTimbres();
    if (inclut(etendue, Etendue::Varietes))
        parties << partieCatalogue(2, QStringLiteral("LinkVarietes"), QStringLiteral("CollectionV"),
            QStringLiteral("LinkCotationsv"), Conditions);
    if (inclut(etendue, Etendue::Obliterations))
        parties << partieCatalogue(3, QStringLiteral("LinkObliterations"), QStringLiteral("CollectionO"),
            QStringLiteral("LinkCotationso"), ConditionsObliteration());
    if (inclut(etendue, Etendue::VarietesPersonnelles))
        parties << partieMesVarietes();
    // UNION ALL: two identical own items are two items, both printed and both counted.
    return parties.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY Ordre, Ordre2, Dallay, Designation2");
}

Inventaire ConstruireInventaire(const ConnexionPtr& cnx, Etendue etendue, const QString& collection)
{
    Recordset sections = Recordset::Ouvrir(cnx,
        QStringLiteral("SELECT Code_Rubrique, Nom_Rubrique AS NomRubrique, Ordre FROM LinkRubriques ORDER BY Ordre"));
    const QString sql = InstructionElements(etendue);
    QVariantList valeurs;
    for (int i = 0, n = int(sql.count(u'?')); i < n; ++i)
        valeurs << NombreOuTexte(collection);
    auto elements = std::make_shared<ElementsInventaire>();
    elements->resultat = Recordset::Ouvrir(cnx, sql, valeurs);
    const Recordset& resultat = elements->resultat;

    Inventaire inv;
    QStringList colonnesParent {"Code_Rubrique", "NomRubrique", "Ordre"};
    colonnesParent += SommesParents;
    inv.rubriques = std::make_unique<TableEtat>(colonnesParent);

    // The sections by their code ignoring case; the exact spellings met are remembered, so that most
    // items fold nothing.
    QHash<QString, int> indexRubrique, orthographes;
    std::vector<ElementsRubrique*> enfants;
    std::vector<std::array<double, NombreSommes>> sommes;
    const int code = sections.Colonne(QStringLiteral("Code_Rubrique"));
    for (; !sections.Eof(); sections.MoveNext()) {
        QVariantList ligne {sections.Champ(code), sections.Champ(QStringLiteral("NomRubrique")),
            sections.Champ(QStringLiteral("Ordre"))};
        for (int i = 0; i < SommesParents.size(); ++i)
            ligne << 0.0;
        inv.rubriques->ajouter(std::move(ligne));
        indexRubrique.insert(sections.Champ(code).toString().toCaseFolded(), int(enfants.size()));
        auto lignes = std::make_unique<ElementsRubrique>(elements);
        enfants.push_back(lignes.get());
        inv.rubriques->ajouterEnfants(QStringLiteral("Timbres"), std::move(lignes));
        sommes.push_back({});
    }

    // The values of the conditions, copies and duplicates, read in one pass over each row, in the order
    // of the row.
    constexpr std::size_t NombreLues = std::tuple_size_v<TotauxInventaire>;
    std::array<std::pair<int, std::size_t>, NombreLues> lues;
    for (std::size_t k = 0; k < NombreLues; ++k)
        lues[k] = {resultat.Colonne(SommesEnfants.at(qsizetype(rangTotal(k)))), rangTotal(k)};
    std::sort(lues.begin(), lues.end());
    int colonnesLues[NombreLues];
    for (std::size_t k = 0; k < NombreLues; ++k)
        colonnesLues[k] = lues[k].first;
    elements->colonneColl = resultat.Colonne(SommesEnfants.at(RangColl));
    elements->colonneDble = resultat.Colonne(SommesEnfants.at(RangDble));
    elements->colonneGene = resultat.Colonne(SommesEnfants.at(RangGene));

    const int rubrique = resultat.Colonne(QStringLiteral("rubrique"));
    const int n = resultat.RecordCount();
    elements->sommes.resize(std::size_t(n) * 3);
    for (int r = 0; r < n; ++r) {
        const QString texte = resultat.ChampLigne(r, rubrique).toString();
        auto ou = orthographes.constFind(texte);
        if (ou == orthographes.constEnd())
            ou = orthographes.insert(texte, indexRubrique.value(texte.toCaseFolded(), -1));
        if (*ou < 0)
            continue;
        double lu[NombreLues], v[NombreSommes];
        resultat.NombresLigne(r, colonnesLues, int(NombreLues), lu);
        for (std::size_t k = 0; k < NombreLues; ++k)
            v[lues[k].second] = lu[k];
        v[RangColl] = additionner(v, NombreConditions);
        v[RangDble] = additionner(v + RangColl + 1, NombreConditions);
        v[RangGene] = v[RangColl] + v[RangDble];
        elements->sommes[std::size_t(r) * 3] = v[RangColl];
        elements->sommes[std::size_t(r) * 3 + 1] = v[RangDble];
        elements->sommes[std::size_t(r) * 3 + 2] = v[RangGene];
        auto& s = sommes[std::size_t(*ou)];
        for (std::size_t i = 0; i < NombreSommes; ++i)
            s[i] += v[i];
        enfants[std::size_t(*ou)]->ajouter(r);
    }

    // The parents carry their sums; the running totals add the condition sums of every section.
    for (std::size_t r = 0; r < sommes.size(); ++r) {
        for (std::size_t i = 0; i < NombreSommes; ++i)
            inv.rubriques->definir(int(r), 3 + int(i), sommes[r][i]);
        for (std::size_t k = 0; k < NombreLues; ++k)
            inv.totaux[k] += sommes[r][rangTotal(k)];
    }
    for (ElementsRubrique* e : enfants)
        e->ajuster();
    return inv;
}

QList<std::pair<QString, QString>> LegendesSynthese(const TotauxInventaire& t)
{
    const double coll = additionner(t.data(), NombreConditions);
    const double doubles = additionner(t.data() + NombreConditions, NombreConditions);
    const auto f = [](double v) { return FormaterValeur(v, QStringLiteral("#,##0.0")); };
    QList<std::pair<QString, QString>> l;
    const QString total = QStringLiteral("SumTotal");
    for (std::size_t i = 0; i < Conditions.size(); ++i)
        l.append({total + Conditions[i].suffixe, f(t[i])});
    l.append({QStringLiteral("SumTotalColl"), f(coll)});
    for (std::size_t i = 0; i < Conditions.size(); ++i)
        l.append({total + QLatin1Char('D') + Conditions[i].suffixe, f(t[NombreConditions + i])});
    l.append({QStringLiteral("SumTotalDoubles"), f(doubles)});
    l.append({QStringLiteral("SumTotalGene"), f(coll + doubles)});
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        const QString& s = Conditions[i].suffixe;
        l.append({total + s + QLatin1Char('D') + s, f(t[i] + t[NombreConditions + i])});
    }
    return l;
}
