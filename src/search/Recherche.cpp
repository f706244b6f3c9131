#include "search/Recherche.h"

#include "data/Conditions.h"
#include "data/Connexion.h"
#include "data/Source.h"
#include "data/Valeurs.h"

#include <algorithm>

namespace {

const QString LienFrance = QStringLiteral("LinkFrance");
const QString LienCotations = QStringLiteral("LinkCotations");

// A stamp of "Ma collection": its row of the open collection has at least one held mark, whatever
// non-zero value marks it.
const QString Detenu = [] {
    QStringList marques;
    for (const Condition& c : Conditions)
        marques << QStringLiteral("d.Qte%1 <> 0").arg(c.suffixe);
    return QStringLiteral("(%1) AND d.Collection = ?").arg(marques.join(QStringLiteral(" OR ")));
}();

const QString Cotes = [] {
    QStringList colonnes {QStringLiteral("f.IDPerso")};
    for (const Condition& c : Conditions)
        colonnes << QStringLiteral("h.%1 AS %2").arg(c.colonneCote, c.aliasCote());
    return colonnes.join(QStringLiteral(", "));
}();

// The personal number and the prices join on the stamp's number, each at most one row: a stamp is listed
// once, with empty prices when it has none.
const QString JointuresCotes = QStringLiteral(
    " LEFT JOIN CorrespID f ON f.Dallay = b.Dallay LEFT JOIN LinkCotations h ON h.Dallay = b.Dallay");

}  // namespace

const QStringList& OperateursAnnee()
{
    static const QStringList operateurs = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
        QStringLiteral("<="), QStringLiteral(">"), QStringLiteral(">=")};
    return operateurs;
}

std::optional<QString> RefusAnnee(const QString& annee)
{
    if (annee.isEmpty())
        return std::nullopt;
    bool chiffres = annee.size() <= 4;
    for (const QChar c : annee)
        chiffres = chiffres && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (chiffres)
        return std::nullopt;
    return QStringLiteral("L'année doit être un nombre de 1 à 4 chiffres");
}

RechercheConstruite ConstruireRecherche(const CriteresRecherche& c)
{
    RechercheConstruite r;
    QString liste, miniatures;
    QVariantList valeurs;
    if (c.maCollection) {
        liste = QStringLiteral("SELECT b.Dallay, b.AnneeEmission, b.DesignationCourt, b.ID2, ") + Cotes +
            QStringLiteral(" FROM LinkFrance b INNER JOIN Collection d ON d.Dallay = b.Dallay") + JointuresCotes +
            QStringLiteral(" WHERE ") + Detenu;
        miniatures = QStringLiteral("SELECT b.Dallay FROM LinkFrance b INNER JOIN Collection d ON d.Dallay = b.Dallay "
                                    "WHERE ") +
            Detenu;
        valeurs << NombreOuTexte(c.collection);
        r.texteCritere = QStringLiteral("Recherche parmi ma collection, ");
    } else {
        liste = QStringLiteral("SELECT b.Dallay, b.AnneeEmission, b.DesignationCourt, b.ID2, ") + Cotes +
            QStringLiteral(" FROM LinkFrance b") + JointuresCotes + QStringLiteral(" WHERE 0 = 0");
        miniatures = QStringLiteral("SELECT b.Dallay FROM LinkFrance b WHERE 0 = 0");
        r.texteCritere = QStringLiteral("Recherche parmi tous les timbres, ");
    }

    QString pieces;
    auto ajouter = [&](const QString& sql, const QVariant& valeur, const QString& lisible) {
        pieces += sql;
        valeurs << valeur;
        r.texteCritere += lisible + QStringLiteral(", ");
    };
    if (!c.rubrique.isEmpty())
        ajouter(QStringLiteral(" AND b.Rubrique = ?"), c.rubrique, QStringLiteral("Rubrique = ") + c.nomRubrique);
    if (!c.type.isEmpty())
        ajouter(QStringLiteral(" AND b.Type = ?"), NombreOuTexte(c.type), QStringLiteral("Type = ") + c.nomType);
    if (!c.theme.isEmpty())
        // A stamp counts for the theme through any of its associations, and is listed once however many.
        // The theme's numbers are read once: tested stamp by stamp, SQLite would walk the whole theme
        // through its index for every stamp of the catalogue.
        ajouter(QStringLiteral(" AND b.Dallay IN (SELECT t.Dallay FROM ThemesAssocies t WHERE t.Theme = ?)"),
            NombreOuTexte(c.theme), QStringLiteral("Thème = ") + c.nomTheme);
    if (!c.serie.isEmpty())
        ajouter(QStringLiteral(" AND b.Serie = ?"), NombreOuTexte(c.serie), QStringLiteral("Série = ") + c.nomSerie);
    if (!c.dessinateur.isEmpty())
        ajouter(QStringLiteral(" AND b.ConcuDessinePar = ?"), NombreOuTexte(c.dessinateur),
            QStringLiteral("Dessinateur = ") + c.nomDessinateur);
    if (!c.graveur.isEmpty())
        ajouter(QStringLiteral(" AND b.GravePar = ?"), NombreOuTexte(c.graveur),
            QStringLiteral("Graveur = ") + c.nomGraveur);
    if (!c.motCle.isEmpty())
        ajouter(QStringLiteral(" AND b.Designation LIKE ? ESCAPE '\\'"), MotifContient(c.motCle),
            QStringLiteral("Désignation contient '%1'").arg(c.motCle));
    if (!c.annee.isEmpty()) {
        // Only the six offered comparisons reach the statement; the year compares as a number.
        const QString op = OperateursAnnee().contains(c.operateurAnnee) ? c.operateurAnnee : QStringLiteral("=");
        ajouter(QStringLiteral(" AND CAST(b.AnneeEmission AS INTEGER) %1 ?").arg(op), c.annee.toLongLong(),
            QStringLiteral("Année %1 %2").arg(op, c.annee));
    }
    if (!c.faciale.isEmpty())
        ajouter(QStringLiteral(" AND b.ValeurFaciale = ?"), c.faciale, QStringLiteral("Faciale = ") + c.faciale);
    if (!c.departement.isEmpty())
        ajouter(QStringLiteral(" AND b.Departement = ?"), c.departement,
            QStringLiteral("Département = ") + c.departement);

    const QString ordre = QStringLiteral(" ORDER BY b.Ordre");
    r.liste = {liste + pieces + ordre, valeurs};
    r.miniatures = {miniatures + pieces + ordre, valeurs};
    r.texteCritere.chop(2);
    r.texteCritere += QLatin1Char('.');
    return r;
}

Instruction RequeteVarietes(const QString& motCle)
{
    return {QStringLiteral("SELECT a.*, b.DesignationCourt, b.AnneeEmission FROM Varietes a, France b "
                           "WHERE a.Reference = b.Dallay AND a.Designation LIKE ? ESCAPE '\\' "
                           "ORDER BY a.Reference, a.Position"),
        {MotifContient(motCle)}};
}

Instruction RequeteVignette(const QString& dallay)
{
    return {QStringLiteral("SELECT ImageTN FROM FranceTN WHERE Dallay = ?"), {dallay}};
}

void CreerLiensRecherche(const Connexion& perso)
{
    CreerTableLiee(perso, LienFrance, CheminBaseCatalogue(), QStringLiteral("France"));
    CreerTableLiee(perso, LienCotations, CheminBaseCatalogue(), QStringLiteral("Cotations2001"));
}

void SupprimerLiensRecherche(const Connexion& perso)
{
    SupprimerTableLiee(perso, LienFrance);
    SupprimerTableLiee(perso, LienCotations);
}

PageMiniatures CalculerPage(int resultats, int demandee)
{
    PageMiniatures p;
    p.pages = (std::max(resultats, 0) + MiniaturesParPage - 1) / MiniaturesParPage;
    p.page = p.pages == 0 ? 0 : std::clamp(demandee, 1, p.pages);
    p.libelle = QStringLiteral("Page %1 sur %2").arg(p.page).arg(p.pages);
    p.precedente = p.page > 1;
    p.suivante = p.page < p.pages;
    if (p.page > 0) {
        p.premier = (p.page - 1) * MiniaturesParPage;
        p.nombre = std::min(MiniaturesParPage, resultats - p.premier);
    }
    return p;
}
