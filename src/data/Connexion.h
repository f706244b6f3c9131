#pragma once
// A small RAII layer over the SQLite C API: one connection, its prepared statements and transactions.
// Every value reaches SQL as a bound parameter; nothing here concatenates a value into a statement.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

// The reason of a failure as the user reads it: the failures a collector can meet and act on (another program
// holding the file, a read-only file, a full disc, a damaged file or not a database, a missing table) said in
// French, SQLite's own text after it; any other failure in SQLite's words. `code` is an extended result code.
QString RaisonSqlite(int code, const QString& texteSqlite);

// A statement or an open that the database refused. `what()` carries the reason (RaisonSqlite).
class ErreurBase : public std::runtime_error {
public:
    ErreurBase(const QString& message, int code = 0);
    QString message() const { return QString::fromStdString(what()); }
    int code() const { return m_code; }

private:
    int m_code;
};

class Requete;

class Connexion {
public:
    enum class Mode { LectureEcriture, LectureSeule, Immuable };

    // How long a statement waits for a file that another connection holds, before it fails as busy.
    static constexpr int DelaiOccupationMs = 2000;

    Connexion() = default;  // a connection that is not open
    ~Connexion();
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    // Opens an existing file; never creates one. Throws ErreurBase when the file is missing or unreadable, when
    // another program keeps it locked longer than the wait of every statement (code SQLITE_BUSY), or when a write
    // interrupted there left a journal that a read-only connection cannot apply (SQLITE_READONLY_ROLLBACK).
    void ouvrir(const QString& chemin, Mode mode);
    // Creates (or opens) a file for writing: only the data builder and test fixtures use it.
    void creer(const QString& chemin);
    void fermer();

    bool estOuverte() const { return m_db != nullptr; }
    QString chemin() const { return m_chemin; }
    sqlite3* poignee() const { return m_db; }

    Requete preparer(const QString& sql) const;
    // Runs one statement with its bound values; returns the number of rows it changed.
    int executer(const QString& sql, const QVariantList& valeurs = {}) const;
    // Runs a script of several statements without parameters (schema files).
    void executerScript(const QString& script) const;
    // The first column of the first row, or a null value when there is no row.
    QVariant valeur(const QString& sql, const QVariantList& valeurs = {}) const;
    qint64 dernierIdentifiant() const;

    // Attaches another database file read-only under `alias` (never creates it).
    void attacher(const QString& chemin, const QString& alias) const;
    void detacher(const QString& alias) const;

private:
    void configurer();

    sqlite3* m_db = nullptr;
    QString m_chemin;
    Mode m_mode = Mode::LectureEcriture;
};

using ConnexionPtr = std::shared_ptr<Connexion>;

// Runs one step of a screen whose database failure costs only that step (the screens' "skip and go on"):
// false when the database refused it.
template <typename F> bool SansEchec(F etape)
{
    try {
        etape();
        return true;
    } catch (const ErreurBase&) {
        return false;
    }
}

// One prepared statement. Values are bound by position (1-based) or all at once.
class Requete {
public:
    Requete(sqlite3* db, const QString& sql);
    ~Requete();
    Requete(Requete&& autre) noexcept;
    Requete& operator=(Requete&&) = delete;
    Requete(const Requete&) = delete;

    void lier(int position, const QVariant& valeur);
    void lierTout(const QVariantList& valeurs);
    // Advances to the next row; false at the end. Throws ErreurBase on failure.
    bool suivante();
    void reinitialiser();

    int nombreColonnes() const;
    QString nomColonne(int i) const;
    QVariant colonne(int i) const;
    // For readers that take a whole result in bulk, column by column, without a QVariant per value.
    sqlite3_stmt* poignee() const { return m_stmt; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

// One transaction on a connection: rolled back unless `valider()` is called before it goes out of scope.
class Transaction {
public:
    explicit Transaction(const Connexion& cnx);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void valider();

private:
    const Connexion& m_cnx;
    bool m_terminee = false;
};
