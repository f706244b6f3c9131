#include "data/Connexion.h"

#include "data/FonctionsSql.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

ErreurBase::ErreurBase(const QString& message, int code) : std::runtime_error(message.toStdString()), m_code(code)
{
}

QString RaisonSqlite(int code, const QString& texteSqlite)
{
    // Keyed on the result code; a missing table has no code of its own, only SQLite's wording.
    static const QString TableAbsente = QStringLiteral("no such table: ");
    QString raison;
    switch (code & 0xFF) {
    case SQLITE_BUSY:
        raison = QStringLiteral("La base de données est verrouillée par un autre programme");
        break;
    case SQLITE_LOCKED:
        raison = QStringLiteral("Une table de la base de données est en cours d'utilisation");
        break;
    case SQLITE_READONLY:
        raison = QStringLiteral("La base de données est en lecture seule : rien ne peut y être écrit");
        break;
    case SQLITE_FULL:
        raison = QStringLiteral("Le disque est plein");
        break;
    case SQLITE_NOTADB:
        raison = QStringLiteral("Le fichier n'est pas une base de données, ou il est endommagé");
        break;
    case SQLITE_CORRUPT:
        raison = QStringLiteral("La base de données est endommagée");
        break;
    case SQLITE_ERROR:
        if (texteSqlite.startsWith(TableAbsente))
            raison = QStringLiteral("La table %1 est absente de la base de données")
                         .arg(texteSqlite.mid(TableAbsente.size()));
        break;
    default:
        break;
    }
    if (raison.isEmpty())
        return texteSqlite;
    // SQLite's own words stay behind the French, for whoever has to look further.
    return QStringLiteral("%1 (%2).").arg(raison, texteSqlite);
}

namespace {

QString messageSqlite(sqlite3* db, int code)
{
    if (db)
        return RaisonSqlite(code, QString::fromUtf8(sqlite3_errmsg(db)));
    return RaisonSqlite(code, QString::fromUtf8(sqlite3_errstr(code)));
}

// A reason placed after "... : " reads on from the sentence before it.
QString enSuite(const QString& raison)
{
    if (raison.size() > 1 && raison.at(0).isUpper() && raison.at(1).isLower())
        return raison.at(0).toLower() + raison.mid(1);
    return raison;
}

// SQLite's URI form of a path: the name is percent-encoded so that "?" or "#" in a folder name stay part of it.
QString uriFichier(const QString& chemin, const QString& parametres)
{
    QString absolu = QFileInfo(chemin).absoluteFilePath();
    QString uri = QStringLiteral("file:") + QString::fromUtf8(QUrl::toPercentEncoding(absolu, "/"));
    if (!parametres.isEmpty())
        uri += QLatin1Char('?') + parametres;
    return uri;
}

}  // namespace

Connexion::~Connexion()
{
    fermer();
}

void Connexion::ouvrir(const QString& chemin, Mode mode)
{
    fermer();
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile())
        throw ErreurBase(QStringLiteral("Fichier introuvable : %1").arg(chemin), SQLITE_CANTOPEN);

    QString parametres;
    int drapeaux = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::LectureEcriture:
        parametres = QStringLiteral("mode=rw");
        drapeaux |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::LectureSeule:
        parametres = QStringLiteral("mode=ro");
        drapeaux |= SQLITE_OPEN_READONLY;
        break;
    case Mode::Immuable:
        // A disc mounted through FUSE offers no locks; an immutable file needs none.
        parametres = QStringLiteral("mode=ro&immutable=1");
        drapeaux |= SQLITE_OPEN_READONLY;
        break;
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(uriFichier(chemin, parametres).toUtf8().constData(), &db, drapeaux, nullptr);
    if (rc != SQLITE_OK) {
        QString raison = messageSqlite(db, rc);
        sqlite3_close_v2(db);
        throw ErreurBase(QStringLiteral("Ouverture impossible de %1 : %2").arg(chemin, enSuite(raison)), rc);
    }
    m_db = db;
    m_chemin = chemin;
    m_mode = mode;
    // Before the first read: another program may hold the file for the moment of its commit, and the reason of a
    // refusal must be told apart from a file that is no database.
    sqlite3_busy_timeout(m_db, DelaiOccupationMs);
    sqlite3_extended_result_codes(m_db, 1);
    try {
        // A file that is not a database is only noticed at the first read: read now, while it is the opener's failure.
        valeur(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        configurer();
    } catch (const ErreurBase& e) {
        fermer();
        const int code = e.code() & 0xFF;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
            throw ErreurBase(
                QStringLiteral("Ouverture impossible de %1 : la base est verrouillée par un autre programme.")
                    .arg(chemin),
                e.code());
        if (e.code() == SQLITE_READONLY_ROLLBACK || e.code() == SQLITE_READONLY_RECOVERY)
            throw ErreurBase(
                QStringLiteral("Ouverture impossible de %1 : une écriture interrompue y a laissé un journal "
                               "qui ne peut pas être appliqué en lecture seule.")
                    .arg(chemin),
                e.code());
        throw;
    } catch (...) {
        fermer();
        throw;
    }
}

void Connexion::creer(const QString& chemin)
{
    fermer();
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(uriFichier(chemin, {}).toUtf8().constData(), &db,
        SQLITE_OPEN_URI | SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        QString raison = messageSqlite(db, rc);
        sqlite3_close_v2(db);
        throw ErreurBase(QStringLiteral("Création impossible de %1 : %2").arg(chemin, enSuite(raison)), rc);
    }
    m_db = db;
    m_chemin = chemin;
    m_mode = Mode::LectureEcriture;
    configurer();
}

void Connexion::configurer()
{
    sqlite3_busy_timeout(m_db, DelaiOccupationMs);
    sqlite3_extended_result_codes(m_db, 1);
    EnregistrerFonctionsSql(m_db);
    if (m_mode == Mode::LectureEcriture)
        executer(QStringLiteral("PRAGMA foreign_keys = OFF"));
}

void Connexion::fermer()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

Requete Connexion::preparer(const QString& sql) const
{
    if (!m_db)
        throw ErreurBase(QStringLiteral("La base de données n'est pas ouverte"), SQLITE_MISUSE);
    return Requete(m_db, sql);
}

int Connexion::executer(const QString& sql, const QVariantList& valeurs) const
{
    Requete r = preparer(sql);
    r.lierTout(valeurs);
    while (r.suivante()) { }
    return sqlite3_changes(m_db);
}

void Connexion::executerScript(const QString& script) const
{
    if (!m_db)
        throw ErreurBase(QStringLiteral("La base de données n'est pas ouverte"), SQLITE_MISUSE);
    char* erreur = nullptr;
    int rc = sqlite3_exec(m_db, script.toUtf8().constData(), nullptr, nullptr, &erreur);
    if (rc != SQLITE_OK) {
        QString raison = erreur ? RaisonSqlite(rc, QString::fromUtf8(erreur)) : messageSqlite(m_db, rc);
        sqlite3_free(erreur);
        throw ErreurBase(raison, rc);
    }
}

QVariant Connexion::valeur(const QString& sql, const QVariantList& valeurs) const
{
    Requete r = preparer(sql);
    r.lierTout(valeurs);
    if (r.suivante())
        return r.colonne(0);
    return {};
}

qint64 Connexion::dernierIdentifiant() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

void Connexion::attacher(const QString& chemin, const QString& alias) const
{
    if (!QFileInfo(chemin).isFile())
        throw ErreurBase(QStringLiteral("Fichier introuvable : %1").arg(chemin), SQLITE_CANTOPEN);
    executer(QStringLiteral("ATTACH DATABASE ? AS \"%1\"").arg(alias), {uriFichier(chemin, QStringLiteral("mode=ro"))});
}

void Connexion::detacher(const QString& alias) const
{
    executer(QStringLiteral("DETACH DATABASE \"%1\"").arg(alias));
}

// ---------------------------------------------------------------------------

Requete::Requete(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql)
{
    QByteArray texte = sql.toUtf8();
    int rc = sqlite3_prepare_v2(db, texte.constData(), int(texte.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        QString raison = messageSqlite(db, rc);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw ErreurBase(raison, rc);
    }
}

Requete::~Requete()
{
    sqlite3_finalize(m_stmt);
}

Requete::Requete(Requete&& autre) noexcept : m_db(autre.m_db), m_stmt(autre.m_stmt), m_sql(std::move(autre.m_sql))
{
    autre.m_stmt = nullptr;
}

void Requete::lier(int position, const QVariant& valeur)
{
    int rc = SQLITE_OK;
    if (!valeur.isValid() || valeur.isNull()) {
        rc = sqlite3_bind_null(m_stmt, position);
    } else {
        switch (valeur.typeId()) {
        case QMetaType::Bool:
            // The stored form of True is -1, as in every Yes/No column of our databases.
            rc = sqlite3_bind_int(m_stmt, position, valeur.toBool() ? -1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(m_stmt, position, valeur.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, position, valeur.toDouble());
            break;
        case QMetaType::QByteArray: {
            QByteArray octets = valeur.toByteArray();
            rc = sqlite3_bind_blob64(
                m_stmt, position, octets.constData(), sqlite3_uint64(octets.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDate:
            rc = sqlite3_bind_text(
                m_stmt, position, valeur.toDate().toString(Qt::ISODate).toUtf8().constData(), -1, SQLITE_TRANSIENT);
            break;
        case QMetaType::QDateTime:
            rc = sqlite3_bind_text(m_stmt, position,
                valeur.toDateTime().date().toString(Qt::ISODate).toUtf8().constData(), -1, SQLITE_TRANSIENT);
            break;
        default: {
            QByteArray texte = valeur.toString().toUtf8();
            rc = sqlite3_bind_text64(
                m_stmt, position, texte.constData(), sqlite3_uint64(texte.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw ErreurBase(messageSqlite(m_db, rc), rc);
}

void Requete::lierTout(const QVariantList& valeurs)
{
    if (valeurs.size() != sqlite3_bind_parameter_count(m_stmt))
        throw ErreurBase(QStringLiteral("Nombre de valeurs incorrect (%1 pour %2) : %3")
                             .arg(valeurs.size())
                             .arg(sqlite3_bind_parameter_count(m_stmt))
                             .arg(m_sql),
            SQLITE_RANGE);
    for (int i = 0; i < valeurs.size(); ++i)
        lier(i + 1, valeurs.at(i));
}

bool Requete::suivante()
{
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    QString raison = messageSqlite(m_db, rc);
    sqlite3_reset(m_stmt);
    throw ErreurBase(raison, rc);
}

void Requete::reinitialiser()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Requete::nombreColonnes() const
{
    return sqlite3_column_count(m_stmt);
}

QString Requete::nomColonne(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QVariant Requete::colonne(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)), sqlite3_column_bytes(m_stmt, i)));
    case SQLITE_BLOB: {
        const void* octets = sqlite3_column_blob(m_stmt, i);
        return QVariant(QByteArray(static_cast<const char*>(octets), sqlite3_column_bytes(m_stmt, i)));
    }
    default:
        return QVariant();
    }
}

// ---------------------------------------------------------------------------

Transaction::Transaction(const Connexion& cnx) : m_cnx(cnx)
{
    m_cnx.executer(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_terminee) {
        try {
            m_cnx.executer(QStringLiteral("ROLLBACK"));
        } catch (const ErreurBase&) {
            // Nothing more can be done: SQLite has already rolled back on the failure that brought us here.
        }
    }
}

void Transaction::valider()
{
    m_cnx.executer(QStringLiteral("COMMIT"));
    m_terminee = true;
}
