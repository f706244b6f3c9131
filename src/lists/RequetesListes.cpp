#include "lists/RequetesListes.h"

#include "data/Conditions.h"
#include "data/Source.h"
#include "data/Valeurs.h"

#include <QRegularExpression>

namespace {

// A statement being assembled: its text and, in the order of their placeholders, its values.
struct Morceaux {
    QString sql;
    QVariantList valeurs;

    Morceaux& operator+=(const Morceaux& autre)
    {
        sql += autre.sql;
        valeurs += autre.valeurs;
        return *this;
    }
    Morceaux& operator+=(const QString& texte)
    {
        sql += texte;
        return *this;
    }
    Instruction instruction() const { return {sql, valeurs}; }
};

// The conditions, written once for any holdings row: {!X} "X not owned", {X} "X owned", for X the
// suffix of a condition. A stored Yes is -1 and a missing row reads as Null, so "not owned" is zero or Null.
QString holdings(const QString& modele, const QString& alias)
{
    static const QRegularExpression jeton(QStringLiteral("\\{(!?)(\\w+)\\}"));
    QString sql;
    qsizetype debut = 0;
    for (auto it = jeton.globalMatch(modele); it.hasNext();) {
        const auto m = it.next();
        sql += modele.mid(debut, m.capturedStart() - debut);
        const QString colonne = alias + QStringLiteral(".Qte") + ConditionDe(m.captured(2)).suffixe;
        sql += m.captured(1).isEmpty() ? QStringLiteral("(%1 <> 0)").arg(colonne)
                                       : QStringLiteral("(IFNULL(%1, 0) = 0)").arg(colonne);
        debut = m.capturedEnd();
    }
    return sql + modele.mid(debut);
}

// Which stamps a want list keeps, by the conditions wanted (N, O, L) and the two replacements (my NC by
// N, my O by N), and when the stamp is wanted mint (the Neuf mark).
struct LigneEtats {
    bool n, o, l, rnc, ro;
    const char* condition;
    const char* neuf;  // null when N is not wanted
};

constexpr const char* SansNeufNiO = "{!N} and {!NC} and {!NSG} and {!O}";
constexpr const char* SansNeuf = "{!N} and {!NC} and {!NSG}";
constexpr const char* NeufOuNCOuO = "{!N} or {NC} or {O}";
constexpr const char* NeufOuNC = "{!N} or {NC}";
constexpr const char* NeufOuO = "{!N} or {O}";

constexpr LigneEtats TableEtats[] = {
    {true, false, false, false, false, "{!N} and {!NC} and {!NSG} and {!O}", SansNeufNiO},
    {true, false, true, false, false, "({!N} and {!NC} and {!NSG} and {!O}) or {!L}", SansNeufNiO},
    {true, true, false, false, false, "({!N} and {!NC} and {!NSG}) or {!O}", SansNeuf},
    {true, true, true, false, false, "({!N} and {!NC} and {!NSG}) or {!O} or {!L}", SansNeuf},
    {true, false, false, true, false, "{!N} or {NC}", NeufOuNC},
    {true, false, true, true, false, "{!N} or {NC} or {!L}", NeufOuNC},
    {true, true, false, true, false, "{!N} or {NC} or {!O}", NeufOuNC},
    {true, true, true, true, false, "{!N} or {NC} or {!O} or {!L}", NeufOuNC},
    {true, false, false, false, true, "{!N} or {O}", NeufOuO},
    {true, false, true, false, true, "{!N} or {O} or {!L}", NeufOuO},
    {true, false, false, true, true, "{!N} or {NC} or {O}", NeufOuNCOuO},
    {true, false, true, true, true, "{!N} or {NC} or {O} or {!L}", NeufOuNCOuO},
    {false, true, false, false, false, "{!O}", nullptr},
    {false, false, true, false, false, "{!L}", nullptr},
    {false, true, true, false, false, "{!O} or {!L}", nullptr},
};

// The row of the options. The replacements only mean something while N is wanted, and "replace my O"
// never while O is: the screen holds them so, and a caller that does not is read the same way.
const LigneEtats* ligneEtats(const OptionsEtats& e)
{
    const bool rnc = e.neuf && e.ncVersNeuf;
    const bool ro = e.neuf && !e.oblitere && e.obliVersNeuf;
    for (const LigneEtats& l : TableEtats) {
        if (l.n == e.neuf && l.o == e.oblitere && l.l == e.lettre && l.rnc == rnc && l.ro == ro)
            return &l;
    }
    return nullptr;
}

// The periods by issue date; a stamp without one is in none.
Morceaux filtrePeriode(const OptionsPeriode& p, const QString& alias, bool& refuse)
{
    Morceaux f;
    refuse = false;
    if (p.mode == 2) {
        QStringList periodes;
        const QString date = alias + QStringLiteral(".DateEmission");
        if (p.classique)
            periodes << date + QStringLiteral(" BETWEEN '1849-01-01' AND '1899-12-31'");
        if (p.semiModerne)
            periodes << date + QStringLiteral(" BETWEEN '1900-01-01' AND '1939-12-31'");
        if (p.moderne0)
            periodes << date + QStringLiteral(" BETWEEN '1940-01-01' AND '1959-12-31'");
        if (p.moderne)
            periodes << date + QStringLiteral(" >= '1960-01-01'");
        if (!periodes.isEmpty())
            f += QStringLiteral(" AND (") + periodes.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    } else if (p.mode == 3) {
        if (p.anneeDebut.isEmpty() || p.anneeFin.isEmpty()) {
            refuse = true;
            return f;
        }
        // The years compare as texts with the four characters of the year of issue, as typed.
        f.sql = QStringLiteral(" AND (%1.AnneeEmission BETWEEN ? AND ?)").arg(alias);
        f.valeurs = {p.anneeDebut, p.anneeFin};
    }
    return f;
}

Morceaux filtreNonEmis(bool emis, const QString& alias)
{
    Morceaux f;
    if (!emis)
        f.sql = QStringLiteral(" AND IFNULL(%1.NonEmis, 0) = 0").arg(alias);
    return f;
}

Morceaux filtreRubriques(const QStringList& rubriques, const QString& alias)
{
    Morceaux f;
    QStringList marques;
    for (const QString& r : rubriques) {
        marques << QStringLiteral("?");
        f.valeurs << r;
    }
    f.sql = QStringLiteral(" AND %1.Rubrique IN (%2)").arg(alias, marques.join(QStringLiteral(", ")));
    return f;
}

// The five marks of a want list, on the joined holdings row `h` of the stamp or variety `t`: `marque`
// where it is wanted in a condition, Null where it is not, and the empty text for a condition the
// options leave out. They only say in which conditions a listed row is wanted; they filter nothing.
Morceaux marquesManques(const OptionsEtats& e, const LigneEtats& ligne, const QString& t, const QString& h,
    const QString& marque)
{
    Morceaux m;
    const auto si = [&](const QString& condition, const QString& nom) {
        return QStringLiteral("CASE WHEN %1 THEN %2 END AS \"%3\"").arg(condition, marque, nom);
    };
    const auto vide = [](const QString& nom) { return QStringLiteral("'' AS \"%1\"").arg(nom); };
    QStringList colonnes;
    colonnes << (ligne.neuf ? si(holdings(QString::fromUtf8(ligne.neuf), h), ConditionDe(u"N").colonneManques)
                            : vide(ConditionDe(u"N").colonneManques));
    const bool accepterNC = e.neuf && e.accepterNC;
    if (accepterNC && (e.anneeNC == QLatin1String("1900") || e.anneeNC == QLatin1String("1960"))) {
        colonnes << si(QStringLiteral("%1.AnneeEmission < ? AND ").arg(t) + holdings(QStringLiteral("{!N} and {!NC}"), h),
            ConditionDe(u"NC").colonneManques);
        m.valeurs << e.anneeNC;
    } else {
        colonnes << vide(ConditionDe(u"NC").colonneManques);
    }
    if (e.neuf && e.accepterNSG) {
        colonnes << si(QStringLiteral("((%1.Rubrique = 'AA' AND %1.AnneeEmission < '1900') OR IFNULL(%1.NonEmis, 0) <> 0) AND ")
                               .arg(t) +
                           holdings(QStringLiteral("{!N} and {!NC} and {!NSG}"), h),
            ConditionDe(u"NSG").colonneManques);
    } else {
        colonnes << vide(ConditionDe(u"NSG").colonneManques);
    }
    colonnes << (e.oblitere ? si(holdings(QStringLiteral("{!O}"), h), ConditionDe(u"O").colonneManques)
                            : vide(ConditionDe(u"O").colonneManques));
    colonnes << (e.lettre ? si(holdings(QStringLiteral("{!L}"), h), ConditionDe(u"L").colonneManques)
                          : vide(ConditionDe(u"L").colonneManques));
    m.sql = colonnes.join(QStringLiteral(", "));
    return m;
}

// The duplicates rule: more than zero duplicates in at least one condition.
QString regleDoubles(const QString& h)
{
    QStringList c;
    for (const Condition& e : Conditions)
        c << QStringLiteral("%1.QteDouble%2 > 0").arg(h, e.suffixe);
    return QStringLiteral("(") + c.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString colonnesDoubles(const QString& h)
{
    QStringList c;
    for (const Condition& e : Conditions)
        c << QStringLiteral("%1.QteDouble%2 AS QteDouble%2").arg(h, e.suffixe);
    return c.join(QStringLiteral(", "));
}

// 'x' where the collection holds duplicates in the condition, else Null.
QString marquesDoubles(const QString& h)
{
    QStringList c;
    for (const Condition& e : Conditions)
        c << QStringLiteral("CASE WHEN %1.QteDouble%2 > 0 THEN 'x' END AS QteDouble%2").arg(h, e.suffixe);
    return c.join(QStringLiteral(", "));
}


QString cotes(const QString& q)
{
    QStringList c;
    for (const Condition& e : Conditions)
        c << QStringLiteral("%1.%2 AS %3").arg(q, e.colonneCote, e.aliasCote());
    return c.join(QStringLiteral(", "));
}

// The price of a condition only where the collection holds duplicates in it.
QString cotesDoubles(const QString& h, const QString& q)
{
    QStringList c;
    for (const Condition& e : Conditions)
        c << QStringLiteral("CASE WHEN %1.QteDouble%2 > 0 THEN %3.%4 END AS %5")
                 .arg(h, e.suffixe, q, e.colonneCote, e.aliasCote());
    return c.join(QStringLiteral(", "));
}

const QString LienFrance = QStringLiteral("LinkFrance");
const QString LienCotations = QStringLiteral("LinkCotations");
const QString LienVarietes = QStringLiteral("LinkVarietes");
const QString LienCotationsV = QStringLiteral("LinkCotationsV");

}  // namespace

MessageRefus TexteRefus(Refus refus)
{
    switch (refus) {
    case Refus::SansCollection:
        return {QStringLiteral("Vous devez d'abord ouvrir une collection"), QStringLiteral("Erreur")};
    case Refus::SansMotCle:
        return {QStringLiteral("Le mot-clé doit être saisi"), QStringLiteral("Impossible de continuer")};
    case Refus::AnneesVides:
        return {QStringLiteral("Les années de début et de fin doivent être renseignées (ex:1950)"),
            QStringLiteral("Erreur")};
    case Refus::SansRubrique:
        return {QStringLiteral("Vous devez cocher au moins UNE rubrique"),
            QStringLiteral("Création de la liste impossible")};
    case Refus::SansEtat:
        return {QStringLiteral("Vous devez cocher au moins UN état de timbre"),
            QStringLiteral("Création de la liste impossible")};
    case Refus::Aucun:
        break;
    }
    return {};
}

ListeConstruite ConstruireManques(const OptionsListe& o)
{
    ListeConstruite r;
    r.genre = GenreListe::Manques;
    if (o.collection.isEmpty()) {
        r.refus = Refus::SansCollection;
        return r;
    }
    bool refuse = false;
    Morceaux filtres = filtrePeriode(o.periode, QStringLiteral("b"), refuse);
    if (refuse) {
        r.refus = Refus::AnneesVides;
        return r;
    }
    filtres += filtreNonEmis(o.emis, QStringLiteral("b"));
    if (o.rubriques.isEmpty()) {
        r.refus = Refus::SansRubrique;
        return r;
    }
    filtres += filtreRubriques(o.rubriques, QStringLiteral("b"));
    const LigneEtats* ligne = ligneEtats(o.etats);
    if (!ligne) {
        r.refus = Refus::SansEtat;
        return r;
    }
    const Morceaux marques = marquesManques(o.etats, *ligne, QStringLiteral("b"), QStringLiteral("d"), QStringLiteral("'x'"));
    // The stamps the open collection marks "Ne pas acquérir" are never wanted; the mark elsewhere counts for nothing.
    Morceaux source;
    source.sql = QStringLiteral(" FROM LinkFrance b LEFT JOIN Collection d ON (b.Dallay = d.Dallay AND d.Collection = ?)");
    source.valeurs = {NombreOuTexte(o.collection)};
    Morceaux suite;
    suite.sql = QStringLiteral(" WHERE IFNULL(d.NePasAcquerir, 0) = 0");
    suite += filtres;
    suite += QStringLiteral(" AND (") + holdings(QString::fromUtf8(ligne->condition), QStringLiteral("d")) +
        QStringLiteral(") ORDER BY b.Ordre");

    Morceaux liste;
    liste.sql = QStringLiteral("SELECT b.Dallay AS Dallay, b.DesignationCourt AS DesignationCourt, ");
    liste += marques;
    liste += source;
    liste += suite;

    Morceaux rapport;
    rapport.sql = QStringLiteral("SELECT b.Ordre AS ordre, b.Dallay AS Dallay, b.ID2 AS ID2, f.IDPerso AS IDPerso, "
                                 "b.AnneeEmission AS AnneeEmission, b.DesignationCourt AS DesignationCourt, "
                                 "b.Rubrique AS Rubrique, ") +
        cotes(QStringLiteral("h")) + QStringLiteral(", ");
    rapport += marques;
    rapport += source;
    rapport += QStringLiteral(" LEFT JOIN CorrespID f ON b.Dallay = f.Dallay LEFT JOIN LinkCotations h ON b.Dallay = h.Dallay");
    rapport += suite;

    r.liste = liste.instruction();
    r.rapport = rapport.instruction();
    return r;
}

ListeConstruite ConstruireDoubles(const OptionsListe& o)
{
    ListeConstruite r;
    r.genre = GenreListe::Doubles;
    if (o.collection.isEmpty()) {
        r.refus = Refus::SansCollection;
        return r;
    }
    bool refuse = false;
    Morceaux filtres = filtrePeriode(o.periode, QStringLiteral("b"), refuse);
    if (refuse) {
        r.refus = Refus::AnneesVides;
        return r;
    }
    if (o.rubriques.isEmpty()) {
        r.refus = Refus::SansRubrique;
        return r;
    }
    filtres += filtreRubriques(o.rubriques, QStringLiteral("b"));

    // Only the open collection's rows with duplicates: a plain join says so directly.
    Morceaux source;
    source.sql = QStringLiteral(" FROM LinkFrance b JOIN Collection d ON (b.Dallay = d.Dallay AND d.Collection = ?)");
    source.valeurs = {NombreOuTexte(o.collection)};
    Morceaux suite;
    suite.sql = QStringLiteral(" WHERE ") + regleDoubles(QStringLiteral("d"));
    suite += filtres;
    suite += QStringLiteral(" ORDER BY b.Ordre");

    const QString tete = QStringLiteral("SELECT b.Ordre AS Ordre, b.Rubrique AS Rubrique, b.AnneeEmission AS AnneeEmission, "
                                        "b.Dallay AS Dallay, b.ID2 AS ID2, f.IDPerso AS IDPerso, "
                                        "b.DesignationCourt AS DesignationCourt, ");
    const QString correspondance = QStringLiteral(" LEFT JOIN CorrespID f ON b.Dallay = f.Dallay");

    Morceaux liste;
    liste.sql = QStringLiteral("SELECT b.Dallay AS Dallay, b.DesignationCourt AS DesignationCourt, ") +
        colonnesDoubles(QStringLiteral("d"));
    liste += source;
    liste += suite;

    Morceaux rapport;
    rapport.sql = tete + colonnesDoubles(QStringLiteral("d")) + QStringLiteral(", ") +
        cotesDoubles(QStringLiteral("d"), QStringLiteral("h"));
    rapport += source;
    rapport += correspondance + QStringLiteral(" LEFT JOIN LinkCotations h ON b.Dallay = h.Dallay");
    rapport += suite;

    Morceaux rapport2;
    rapport2.sql = tete + marquesDoubles(QStringLiteral("d"));
    rapport2 += source;
    rapport2 += correspondance;
    rapport2 += suite;

    r.liste = liste.instruction();
    r.rapport = rapport.instruction();
    r.rapport2 = rapport2.instruction();
    return r;
}

namespace {

// The varieties of the catalogue whose designation holds the keyword, with the open collection's
// holdings of each (Null when it has none): e the stamp, f the variety, g the holdings.
Morceaux sourceMotCle(const OptionsListe& o)
{
    Morceaux s;
    s.sql = QStringLiteral(" FROM LinkFrance e JOIN LinkVarietes f ON e.Dallay = f.Reference"
                           " LEFT JOIN CollectionV g ON (f.Dallay = g.Dallay AND g.Collection = ?)");
    s.valeurs = {NombreOuTexte(o.collection)};
    return s;
}

Morceaux clauseMotCle(const OptionsListe& o)
{
    Morceaux c;
    c.sql = QStringLiteral(" WHERE f.Designation LIKE ? ESCAPE '\\'");
    c.valeurs = {MotifContient(o.motCle)};
    return c;
}

// The columns the print dialogs bind, for a row that is a variety: the stamp's number, year and Michel
// number, the variety's designation (as the short designation), personal number and prices.
QString teteRapportMotCle()
{
    return QStringLiteral("SELECT e.Ordre AS Ordre, e.Rubrique AS Rubrique, e.AnneeEmission AS AnneeEmission, "
                          "e.Dallay AS Dallay, f.Dallay AS DallayVariete, f.Designation AS Designation, "
                          "f.Designation AS DesignationCourt, e.ID2 AS ID2, p.IDPerso AS IDPerso, ");
}

const QString JointuresRapportMotCle =
    QStringLiteral(" LEFT JOIN CorrespID p ON f.Dallay = p.Dallay LEFT JOIN LinkCotationsV h ON f.Dallay = h.Dallay");

}  // namespace

ListeConstruite ConstruireManquesMotCle(const OptionsListe& o)
{
    ListeConstruite r;
    r.genre = GenreListe::ManquesMotCle;
    if (o.collection.isEmpty()) {
        r.refus = Refus::SansCollection;
        return r;
    }
    if (o.motCle.isEmpty()) {
        r.refus = Refus::SansMotCle;
        return r;
    }
    bool refuse = false;
    Morceaux filtres = filtrePeriode(o.periode, QStringLiteral("e"), refuse);
    if (refuse) {
        r.refus = Refus::AnneesVides;
        return r;
    }
    filtres += filtreNonEmis(o.emis, QStringLiteral("e"));
    const LigneEtats* ligne = ligneEtats(o.etats);
    if (!ligne) {
        r.refus = Refus::SansEtat;
        return r;
    }
    const Morceaux marques = marquesManques(o.etats, *ligne, QStringLiteral("e"), QStringLiteral("g"), QStringLiteral("1"));
    const Morceaux source = sourceMotCle(o);
    Morceaux suite = clauseMotCle(o);
    suite += filtres;
    suite += QStringLiteral(" AND (") + holdings(QString::fromUtf8(ligne->condition), QStringLiteral("g")) +
        QStringLiteral(") ORDER BY e.Ordre, f.Position");

    Morceaux liste;
    liste.sql = QStringLiteral("SELECT e.Dallay AS Dallay, f.Designation AS Designation, ");
    liste += marques;
    liste += source;
    liste += suite;

    Morceaux rapport;
    rapport.sql = teteRapportMotCle() + cotes(QStringLiteral("h")) + QStringLiteral(", ");
    rapport += marques;
    rapport += source;
    rapport += JointuresRapportMotCle;
    rapport += suite;

    r.liste = liste.instruction();
    r.rapport = rapport.instruction();
    return r;
}

ListeConstruite ConstruireDoublesMotCle(const OptionsListe& o)
{
    ListeConstruite r;
    r.genre = GenreListe::DoublesMotCle;
    if (o.collection.isEmpty()) {
        r.refus = Refus::SansCollection;
        return r;
    }
    if (o.motCle.isEmpty()) {
        r.refus = Refus::SansMotCle;
        return r;
    }
    bool refuse = false;
    const Morceaux periode = filtrePeriode(o.periode, QStringLiteral("e"), refuse);
    if (refuse) {
        r.refus = Refus::AnneesVides;
        return r;
    }
    const Morceaux source = sourceMotCle(o);
    Morceaux suite = clauseMotCle(o);
    suite += QStringLiteral(" AND ") + regleDoubles(QStringLiteral("g"));
    suite += periode;
    suite += QStringLiteral(" ORDER BY e.Ordre, f.Position");

    Morceaux liste;
    liste.sql = QStringLiteral("SELECT e.Dallay AS Dallay, f.Designation AS Designation, ") +
        colonnesDoubles(QStringLiteral("g"));
    liste += source;
    liste += suite;

    Morceaux rapport;
    rapport.sql = teteRapportMotCle() + colonnesDoubles(QStringLiteral("g")) + QStringLiteral(", ") +
        cotesDoubles(QStringLiteral("g"), QStringLiteral("h"));
    rapport += source;
    rapport += JointuresRapportMotCle;
    rapport += suite;

    Morceaux rapport2;
    rapport2.sql = teteRapportMotCle() + marquesDoubles(QStringLiteral("g"));
    rapport2 += source;
    rapport2 += JointuresRapportMotCle;
    rapport2 += suite;

    r.liste = liste.instruction();
    r.rapport = rapport.instruction();
    r.rapport2 = rapport2.instruction();
    return r;
}

QList<LienCatalogue> LiensListe(GenreListe genre)
{
    switch (genre) {
    case GenreListe::Manques:
    case GenreListe::Doubles:
        return {{LienFrance, QStringLiteral("France")}, {LienCotations, QStringLiteral("Cotations2001")}};
    case GenreListe::ManquesMotCle:
    case GenreListe::DoublesMotCle:
        return {{LienFrance, QStringLiteral("France")}, {LienVarietes, QStringLiteral("Varietes")},
            {LienCotationsV, QStringLiteral("Cotations2001v")}};
    case GenreListe::Aucune:
        break;
    }
    return {};
}

Recordset OuvrirListe(GenreListe genre, const Instruction& instruction)
{
    const QList<LienCatalogue> liens = LiensListe(genre);
    const auto supprimer = [&] {
        for (const LienCatalogue& l : liens)
            SansEchec([&] { SupprimerTableLiee(*CnxPerso, l.nom); });
    };
    try {
        for (const LienCatalogue& l : liens)
            CreerTableLiee(*CnxPerso, l.nom, CheminBaseCatalogue(), l.table);
        Recordset r = instruction.ouvrir(CnxPerso);
        supprimer();
        return r;
    } catch (...) {
        supprimer();
        throw;
    }
}

AnneeNCValidee ValiderAnneeNC(const QString& texte, bool ncVersNeuf, bool accepterNC)
{
    AnneeNCValidee v {texte, {}};
    if (ncVersNeuf && accepterNC && texte > QLatin1String("1900") && texte <= QLatin1String("1960")) {
        v.message = QStringLiteral("Vous avez choisi de remplacer vos timbres neufs avec charnière par des timbres "
                                   "sans charnière. Vous ne pouvez donc pas accepter les neufs avec charnière avant 1960");
        v.texte = QStringLiteral("1900");
    }
    if (v.texte != QLatin1String("1960") && v.texte != QLatin1String("1900")) {
        v.message = QStringLiteral("Vous devez saisir 1900 ou 1960");
        v.texte = QStringLiteral("1900");
    }
    return v;
}
