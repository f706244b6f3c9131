#include "collections/Importation.h"

#include "data/Conditions.h"
#include "data/Source.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

// One table that the import reads from the chosen file, and the columns it reads there.
struct TableLue {
    QString table;
    QStringList colonnes;
};

// What a column read from the chosen file must hold so that its rows mean something here: collection codes and
// theme codes are whole numbers, stamp numbers are text, Yes/No columns and counts are whole numbers or empty.
enum class TypeAttendu { Entier, EntierOuVide, Texte };

struct ColonneTypee {
    QString colonne;
    TypeAttendu type;
};

// The five conditions of a stamp or a variety; a cancellation has only the last two.
const QStringList Suffixes = SuffixesDe(Conditions);
const QStringList SuffixesO = SuffixesDe(ConditionsObliteration());

// What the previous edition kept of a holding in `suffixes`: the ticks and their qualities, then the
// duplicates.
QStringList detentionPrecedente(const QStringList& suffixes)
{
    QStringList c = {QStringLiteral("Collection"), QStringLiteral("Dallay")};
    for (const QString& s : suffixes)
        c << QStringLiteral("Qte") + s << QStringLiteral("Etat") + s;
    for (const QString& s : suffixes)
        c << QStringLiteral("QteDouble") + s;
    return c;
}

QStringList exemplaires(const QStringList& suffixes)
{
    QStringList c;
    for (const QString& s : suffixes)
        c << QStringLiteral("Qtes") + s;
    return c;
}

const QStringList ColonnesUtilisateurs = {QStringLiteral("CodeCollection"), QStringLiteral("DescriptionCollection"),
    QStringLiteral("DateCreation"), QStringLiteral("DateMAJ"), QStringLiteral("MotdePasse")};
const QStringList ColonnesDetentionPrecedente = detentionPrecedente(Suffixes);
const QStringList ColonnesExemplaires = exemplaires(Suffixes);
const QStringList ColonnesDetention = ColonnesDetentionPrecedente + ColonnesExemplaires +
    QStringList {QStringLiteral("NePasAcquerir"), QStringLiteral("commentaire")};
const QStringList ColonnesDetentionOPrecedente = detentionPrecedente(SuffixesO);
const QStringList ColonnesDetentionO = ColonnesDetentionOPrecedente + exemplaires(SuffixesO) +
    QStringList {QStringLiteral("NePasAcquerir"), QStringLiteral("commentaire")};
const QStringList ColonnesThemes = {
    QStringLiteral("CodeTheme"), QStringLiteral("Collection"), QStringLiteral("Theme"), QStringLiteral("Predefini")};
const QStringList ColonnesThemesAssocies = {
    QStringLiteral("Dallay"), QStringLiteral("Theme"), QStringLiteral("Collection"), QStringLiteral("Predefini")};
// The previous edition spelt the flag of its theme associations with its accents.
const QStringList ColonnesThemesAssociesPrecedente = {
    QStringLiteral("Dallay"), QStringLiteral("Theme"), QStringLiteral("Collection"), QStringLiteral("Prédéfini")};
const QStringList ColonnesCotationsP = [] {
    QStringList c = {QStringLiteral("Dallay"), QStringLiteral("Collection")};
    for (const Condition& e : Conditions)
        c << e.colonneCotePerso();
    return c;
}();
const QStringList ColonnesCorrespID = {QStringLiteral("Dallay"), QStringLiteral("IDPerso")};
// An own item: its description and prices, then the 20 holding columns in the order of Collection's.
const QStringList ColonnesMesVarietes =
    [] {
        QStringList c = {QStringLiteral("Collection"), QStringLiteral("CodePersonnel"), QStringLiteral("position"),
            QStringLiteral("Reference"), QStringLiteral("Designation")};
        for (const Condition& e : Conditions)
            c << e.colonneCote;
        return c;
    }() +
    ColonnesDetention.mid(2, 20) +
    QStringList {QStringLiteral("NePasAcquerir"), QStringLiteral("commentaire"), QStringLiteral("CheminImagevrt5")};

// The tables of the chosen file, in the order in which their links are made.
QList<TableLue> tablesDuMode(ModeImport mode)
{
    QList<TableLue> tables = {{QStringLiteral("Utilisateurs"), ColonnesUtilisateurs}};
    if (mode == ModeImport::RestaurationSauvegarde) {
        tables += {{QStringLiteral("Collection"), ColonnesDetention},
            {QStringLiteral("CollectionO"), ColonnesDetentionO}, {QStringLiteral("CollectionV"), ColonnesDetention},
            {QStringLiteral("Themes"), ColonnesThemes}, {QStringLiteral("ThemesAssocies"), ColonnesThemesAssocies},
            {QStringLiteral("CotationsP"), ColonnesCotationsP}, {QStringLiteral("CorrespID"), ColonnesCorrespID},
            {QStringLiteral("MesVarietes"), ColonnesMesVarietes}};
    } else {
        tables += {{QStringLiteral("Collection"), ColonnesDetentionPrecedente},
            {QStringLiteral("CollectionO"), ColonnesDetentionOPrecedente},
            {QStringLiteral("CollectionV"), ColonnesDetentionPrecedente}, {QStringLiteral("Themes"), ColonnesThemes},
            {QStringLiteral("ThemesAssocies"), ColonnesThemesAssociesPrecedente},
            {QStringLiteral("Cotations2001P"), ColonnesCotationsP}};
    }
    return tables;
}

// The columns of `table` whose values the check reads before anything is copied. The others (qualities, prices,
// names, comments, dates) are shown as they are and decide nothing.
QList<ColonneTypee> colonnesTypees(const QString& table, const QStringList& colonnes)
{
    static const QStringList codes = {
        QStringLiteral("CodeCollection"), QStringLiteral("CodeTheme"), QStringLiteral("CodePersonnel")};
    QList<ColonneTypee> typees;
    for (const QString& colonne : colonnes) {
        const auto est = [&](const QString& nom) { return colonne.compare(nom, Qt::CaseInsensitive) == 0; };
        const bool codeOptionnel = table == QStringLiteral("Themes") || table == QStringLiteral("MesVarietes");
        if (codes.contains(colonne, Qt::CaseInsensitive) || (est(QStringLiteral("Collection")) && !codeOptionnel) ||
            (table == QStringLiteral("ThemesAssocies") && est(QStringLiteral("Theme"))))
            typees << ColonneTypee {colonne, TypeAttendu::Entier};
        else if (est(QStringLiteral("Collection")))
            typees << ColonneTypee {colonne, TypeAttendu::EntierOuVide};
        else if (est(QStringLiteral("Dallay")))
            typees << ColonneTypee {colonne, TypeAttendu::Texte};
        else if (colonne.startsWith(QStringLiteral("Qte")) || est(QStringLiteral("NePasAcquerir")) ||
            est(QStringLiteral("Predefini")) || est(QStringLiteral("Prédéfini")) || est(QStringLiteral("position")))
            typees << ColonneTypee {colonne, TypeAttendu::EntierOuVide};
    }
    return typees;
}

QString lien(const QString& table)
{
    return QStringLiteral("Temp") + table;
}

QString nomSql(const QString& nom)
{
    return QLatin1Char('"') + nom + QLatin1Char('"');
}

QStringList nomsSql(const QStringList& noms)
{
    QStringList resultat;
    for (const QString& nom : noms)
        resultat << nomSql(nom);
    return resultat;
}

QString estVrai(const QString& colonne)
{
    return QStringLiteral("COALESCE(%1, 0) <> 0").arg(nomSql(colonne));
}

QString nonPredefini(const QString& colonne)
{
    return QStringLiteral("COALESCE(%1, 0) = 0").arg(nomSql(colonne));
}

// A holdings row is worth copying when it holds a condition or counts duplicates of one: a count of 0 is
// still a count. A row that holds nothing would only be an empty row in the collection, so it is left behind.
QString detientQuelqueChose(const QStringList& conditions)
{
    QStringList termes;
    for (const QString& c : conditions)
        termes << estVrai(QStringLiteral("Qte") + c);
    for (const QString& c : conditions)
        termes << QStringLiteral("%1 IS NOT NULL").arg(nomSql(QStringLiteral("QteDouble") + c));
    return QLatin1Char('(') + termes.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

// The previous edition kept no number of copies: each owned condition counts one.
QStringList unExemplaireParConditionPossedee(const QStringList& conditions)
{
    QStringList expressions;
    for (const QString& c : conditions)
        expressions << QStringLiteral("CASE WHEN %1 THEN 1 END").arg(estVrai(QStringLiteral("Qte") + c));
    return expressions;
}

void copier(const Connexion& perso, const QString& table, const QStringList& colonnes, const QString& source,
    const QStringList& lues, const QString& condition = {})
{
    perso.executer(
        QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4%5")
            .arg(nomSql(table), nomsSql(colonnes).join(QStringLiteral(", ")), lues.join(QStringLiteral(", ")),
                nomSql(lien(source)), condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition));
}

void copierTelQuel(
    const Connexion& perso, const QString& table, const QStringList& colonnes, const QString& condition = {})
{
    copier(perso, table, colonnes, table, nomsSql(colonnes), condition);
}

void viderDonneesPerso(const Connexion& perso)
{
    for (const QString& table :
        {QStringLiteral("Collection"), QStringLiteral("CollectionO"), QStringLiteral("CollectionV"),
            QStringLiteral("CotationsP"), QStringLiteral("CorrespID"), QStringLiteral("MesVarietes")})
        perso.executer(QStringLiteral("DELETE FROM %1").arg(nomSql(table)));
    perso.executer(
        QStringLiteral("DELETE FROM ThemesAssocies WHERE %1").arg(nonPredefini(QStringLiteral("Predefini"))));
    perso.executer(QStringLiteral("DELETE FROM Themes WHERE %1").arg(nonPredefini(QStringLiteral("Predefini"))));
    perso.executer(QStringLiteral("DELETE FROM Utilisateurs WHERE CodeCollection <> 1"));
}

void copierCollectionsEtThemes(const Connexion& perso)
{
    copierTelQuel(perso, QStringLiteral("Utilisateurs"), ColonnesUtilisateurs, QStringLiteral("CodeCollection <> 1"));
    copierTelQuel(perso, QStringLiteral("Themes"), ColonnesThemes, nonPredefini(QStringLiteral("Predefini")));
}

void restaurerSauvegarde(const Connexion& perso)
{
    copierCollectionsEtThemes(perso);
    copierTelQuel(perso, QStringLiteral("Collection"), ColonnesDetention, detientQuelqueChose(Suffixes));
    copierTelQuel(perso, QStringLiteral("CollectionO"), ColonnesDetentionO, detientQuelqueChose(SuffixesO));
    copierTelQuel(perso, QStringLiteral("CollectionV"), ColonnesDetention, detientQuelqueChose(Suffixes));
    copierTelQuel(
        perso, QStringLiteral("ThemesAssocies"), ColonnesThemesAssocies, nonPredefini(QStringLiteral("Predefini")));
    copierTelQuel(perso, QStringLiteral("CotationsP"), ColonnesCotationsP);
    copierTelQuel(perso, QStringLiteral("CorrespID"), ColonnesCorrespID);
    copierTelQuel(perso, QStringLiteral("MesVarietes"), ColonnesMesVarietes);
}

// Copies the rows that `lues` reads from the link of `source` (aliased t) into `colonnes` of `table`, one by one.
// The previous edition's file has no unique key where this database has one: of the rows that share a key, the
// first read is kept and the others are set aside and counted, rather than failing the whole import.
int copierSansDoublons(const Connexion& perso, const QString& table, const QStringList& colonnes, const QString& source,
    const QStringList& lues, const QString& condition = {})
{
    Requete lecture = perso.preparer(QStringLiteral("SELECT %1 FROM %2 AS t%3")
                                         .arg(lues.join(QStringLiteral(", ")), nomSql(lien(source)),
                                             condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition));
    QStringList marques;
    for (qsizetype i = 0; i < colonnes.size(); ++i)
        marques << QStringLiteral("?");
    Requete ajout = perso.preparer(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(nomSql(table), nomsSql(colonnes).join(QStringLiteral(", ")), marques.join(QStringLiteral(", "))));
    int ecartees = 0;
    while (lecture.suivante()) {
        QVariantList valeurs;
        for (qsizetype i = 0; i < colonnes.size(); ++i)
            valeurs << lecture.colonne(int(i));
        ajout.reinitialiser();
        ajout.lierTout(valeurs);
        try {
            ajout.suivante();
        } catch (const ErreurBase& e) {
            // Only the key (Dallay, Collection) is unique in these tables.
            if (e.code() != SQLITE_CONSTRAINT_UNIQUE)
                throw;
            ++ecartees;
        }
    }
    return ecartees;
}

// The holdings of `table` with each number that `renumerotation` lists as an `ancien` replaced by its `Nouveau`:
// two numbers of the previous edition may have become one.
int copierRenumerote(const Connexion& perso, const QString& table, const QString& renumerotation)
{
    QStringList lues;
    for (const QString& colonne : ColonnesDetentionPrecedente) {
        if (colonne == QStringLiteral("Dallay"))
            lues << QStringLiteral("COALESCE((SELECT r.Nouveau FROM %1 AS r WHERE r.ancien = t.Dallay COLLATE NOCASE "
                                   "ORDER BY r.rowid LIMIT 1), t.Dallay)")
                        .arg(nomSql(renumerotation));
        else
            lues << QStringLiteral("t.") + nomSql(colonne);
    }
    lues += unExemplaireParConditionPossedee(Suffixes);
    return copierSansDoublons(
        perso, table, ColonnesDetentionPrecedente + ColonnesExemplaires, table, lues, detientQuelqueChose(Suffixes));
}

int reprendreEditionPrecedente(const Connexion& perso)
{
    copierCollectionsEtThemes(perso);
    int ecartees = copierRenumerote(perso, QStringLiteral("Collection"), QStringLiteral("changements"));
    ecartees += copierRenumerote(perso, QStringLiteral("CollectionV"), QStringLiteral("changementsV"));
    ecartees += copierSansDoublons(perso, QStringLiteral("CollectionO"),
        ColonnesDetentionOPrecedente + exemplaires(SuffixesO), QStringLiteral("CollectionO"),
        nomsSql(ColonnesDetentionOPrecedente) + unExemplaireParConditionPossedee(SuffixesO),
        detientQuelqueChose(SuffixesO));
    copier(perso, QStringLiteral("ThemesAssocies"), ColonnesThemesAssocies, QStringLiteral("ThemesAssocies"),
        nomsSql(ColonnesThemesAssociesPrecedente), nonPredefini(QStringLiteral("Prédéfini")));
    ecartees += copierSansDoublons(perso, QStringLiteral("CotationsP"), ColonnesCotationsP,
        QStringLiteral("Cotations2001P"), nomsSql(ColonnesCotationsP));
    return ecartees;
}

// The links to the chosen file, dropped and the file detached when the import ends, whichever way it ends.
class LiensImport {
public:
    LiensImport(const Connexion& perso, const QString& source) : m_perso(perso), m_source(source) { }
    LiensImport(const LiensImport&) = delete;
    LiensImport& operator=(const LiensImport&) = delete;
    ~LiensImport()
    {
        for (const QString& nom : m_liens) {
            try {
                SupprimerTableLiee(m_perso, nom);
            } catch (const ErreurBase&) {
                // A link is a temporary view: one that cannot be dropped ends with the connection.
            }
        }
        try {
            DetacherSource(m_perso, m_source);
        } catch (const ErreurBase&) {
            // Attached read-only, the file is not written even while it stays attached.
        }
    }

    void creer(const QString& table)
    {
        m_liens << lien(table);
        CreerTableLiee(m_perso, lien(table), m_source, table);
    }

private:
    const Connexion& m_perso;
    QString m_source;
    QStringList m_liens;
};

// True when both paths name one file, whatever links lead to it: the identity of a file is its device and inode.
bool memeFichier(const QString& a, const QString& b)
{
    struct stat infoA { };
    struct stat infoB { };
    if (a.isEmpty() || b.isEmpty() || ::stat(QFile::encodeName(a).constData(), &infoA) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &infoB) != 0)
        return false;
    return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

// Empty when every checked column of the table holds values of its type; otherwise the end of the refusal,
// naming the first column found at fault. One reading of the table, which stops at the first row at fault.
QString colonneMalTypee(const Connexion& source, const TableLue& lue)
{
    const QList<ColonneTypee> typees = colonnesTypees(lue.table, lue.colonnes);
    if (typees.isEmpty())
        return {};
    QStringList cas;
    for (qsizetype i = 0; i < typees.size(); ++i) {
        const ColonneTypee& c = typees.at(i);
        const QString accepte = c.type == TypeAttendu::Entier ? QStringLiteral("('integer')")
            : c.type == TypeAttendu::Texte                    ? QStringLiteral("('text')")
                                                              : QStringLiteral("('integer', 'null')");
        cas << QStringLiteral("WHEN typeof(%1) NOT IN %2 THEN %3").arg(nomSql(c.colonne), accepte).arg(i);
    }
    const QVariant faute =
        source.valeur(QStringLiteral("SELECT f FROM (SELECT CASE %1 END AS f FROM main.%2) WHERE f IS NOT NULL LIMIT 1")
                          .arg(cas.join(QLatin1Char(' ')), nomSql(lue.table)));
    if (faute.isNull())
        return {};
    const ColonneTypee& c = typees.at(faute.toInt());
    return QStringLiteral(" : la colonne « %1 » de la table « %2 » y contient une valeur qui n'est pas %3.")
        .arg(c.colonne, lue.table,
            c.type == TypeAttendu::Texte ? QStringLiteral("un texte") : QStringLiteral("un nombre entier"));
}

}  // namespace

ModeImport ModePourFiltre(int indexFiltre)
{
    return indexFiltre == 1 ? ModeImport::RestaurationSauvegarde : ModeImport::ImportEditionPrecedente;
}

QString VerifierSourceImport(const QString& chemin, ModeImport mode, const QString& cheminBasePerso)
{
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || !info.exists())
        return QStringLiteral("Le fichier choisi est introuvable.");
    if (memeFichier(chemin, cheminBasePerso))
        return QStringLiteral("Le fichier choisi est la base personnelle elle-même : elle ne peut pas être importée "
                              "dans elle-même.");
    QFile fichier(chemin);
    if (!info.isFile() || !fichier.open(QIODevice::ReadOnly))
        return QStringLiteral("Le fichier choisi ne peut pas être lu.");
    const QByteArray entete = fichier.read(16);
    fichier.close();

    const QString refus = mode == ModeImport::RestaurationSauvegarde
        ? QStringLiteral("Le fichier choisi n'est pas une sauvegarde d'Orvalen France 2002")
        : QStringLiteral("Le fichier choisi n'est pas une base personnelle d'Orvalen France 2001");
    if (entete != QByteArray("SQLite format 3", 16))
        return refus + QLatin1Char('.');
    Connexion source;
    try {
        source.ouvrir(chemin, Connexion::Mode::LectureSeule);
    } catch (const ErreurBase& e) {
        if ((e.code() & 0xFF) == SQLITE_BUSY || (e.code() & 0xFF) == SQLITE_LOCKED)
            return QStringLiteral("Le fichier choisi est verrouillé par un autre programme : recommencez l'importation "
                                  "quand il sera libéré.");
        if (e.code() == SQLITE_READONLY_ROLLBACK || e.code() == SQLITE_READONLY_RECOVERY)
            return QStringLiteral("Le fichier choisi a été laissé inachevé par une écriture interrompue (le journal "
                                  "« %1 » l'accompagne) : il ne peut pas être importé tel quel.")
                .arg(info.fileName() +
                    (e.code() == SQLITE_READONLY_RECOVERY ? QStringLiteral("-wal") : QStringLiteral("-journal")));
        return refus + QLatin1Char('.');
    }
    try {
        for (const TableLue& lue : tablesDuMode(mode)) {
            // Only a stored table is read as one: a view of that name, recursive perhaps, would be run by the copy.
            Requete objet = source.preparer(
                QStringLiteral("SELECT type, sql FROM sqlite_master WHERE name = ? COLLATE NOCASE AND type <> 'index' "
                               "AND type <> 'trigger'"));
            objet.lierTout({lue.table});
            if (!objet.suivante())
                return refus + QStringLiteral(" : la table « %1 » y manque.").arg(lue.table);
            if (objet.colonne(0).toString() != QStringLiteral("table") ||
                objet.colonne(1).toString().startsWith(QStringLiteral("CREATE VIRTUAL"), Qt::CaseInsensitive))
                return refus + QStringLiteral(" : « %1 » n'y est pas une table.").arg(lue.table);
            for (const QString& colonne : lue.colonnes) {
                // The database's own comparison of names, so that what passes here is what the import finds.
                const QVariant trouvee = source.valeur(
                    QStringLiteral("SELECT count(*) FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
                    {lue.table, colonne});
                if (trouvee.toInt() == 0)
                    return refus +
                        QStringLiteral(" : la colonne « %1 » de la table « %2 » y manque.").arg(colonne, lue.table);
            }
        }
        for (const TableLue& lue : tablesDuMode(mode)) {
            const QString faute = colonneMalTypee(source, lue);
            if (!faute.isEmpty())
                return refus + faute;
        }
    } catch (const ErreurBase&) {
        return refus + QLatin1Char('.');
    }
    return {};
}

ResultatImport ImporterDonnees(const Connexion& perso, const QString& chemin, ModeImport mode)
{
    const QString refus = VerifierSourceImport(chemin, mode, perso.chemin());
    if (!refus.isEmpty())
        throw ErreurBase(refus);

    ResultatImport resultat;
    LiensImport liens(perso, chemin);
    try {
        // A file is attached only outside a transaction: the links come first.
        for (const TableLue& lue : tablesDuMode(mode))
            liens.creer(lue.table);
        Transaction transaction(perso);
        viderDonneesPerso(perso);
        if (mode == ModeImport::RestaurationSauvegarde)
            restaurerSauvegarde(perso);
        else
            resultat.lignesEcartees = reprendreEditionPrecedente(perso);
        transaction.valider();
    } catch (const ErreurBase& e) {
        throw ErreurBase(QStringLiteral("L'importation n'a pas pu être faite ; les données personnelles restent "
                                        "telles qu'elles étaient.\n%1")
                             .arg(e.message()),
            e.code());
    }
    return resultat;
}

QString MessageImportationTerminee(const ResultatImport& resultat)
{
    const QString termine = QStringLiteral("Importation terminée");
    if (resultat.lignesEcartees <= 0)
        return termine;
    if (resultat.lignesEcartees == 1)
        return termine +
            QStringLiteral("\n\n1 ligne en double (même numéro dans la même collection) n'a pas été reprise ; "
                           "la première lue a été gardée.");
    return termine +
        QStringLiteral("\n\n%1 lignes en double (même numéro dans la même collection) n'ont pas été reprises ; "
                       "la première lue de chaque numéro a été gardée.")
            .arg(resultat.lignesEcartees);
}
