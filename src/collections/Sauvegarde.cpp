#include "collections/Sauvegarde.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The path a file has, or would have once written, with links and "." or ".." resolved: two spellings of one
// file compare equal.
QString cheminResolu(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (info.exists())
        return info.canonicalFilePath();
    const QString dossier = QFileInfo(info.absolutePath()).canonicalFilePath();
    return dossier.isEmpty() ? info.absoluteFilePath() : QDir(dossier).filePath(info.fileName());
}

QString raisonSqlite(sqlite3* db, int code)
{
    return RaisonSqlite(
        code, QString::fromUtf8(db && sqlite3_errcode(db) == code ? sqlite3_errmsg(db) : sqlite3_errstr(code)));
}

// The temporary file of a backup is hidden beside its target and named after it, so that one left by a backup
// that never ended (the program killed, the machine stopped) is known for what it is at the next backup there.
const QString FinTemporaire = QStringLiteral(".sauvegarde-en-cours");

QString debutTemporaire(const QFileInfo& cible)
{
    return QLatin1Char('.') + cible.fileName() + QLatin1Char('.');
}

// Removes the temporary files that earlier backups to `cible` left behind; a file that cannot be removed stays,
// and the backup goes on.
void supprimerTemporairesAbandonnes(const QFileInfo& cible)
{
    const QString debut = debutTemporaire(cible);
    QDir dossier(cible.absolutePath());
    const QStringList noms = dossier.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nom : noms) {
        // The name made by QTemporaryFile: the beginning, six characters of its own, the end.
        if (nom.size() == debut.size() + 6 + FinTemporaire.size() && nom.startsWith(debut) &&
            nom.endsWith(FinTemporaire))
            QFile::remove(dossier.filePath(nom));
    }
}

ErreurBase echec(const QString& raison, int code = 0)
{
    return ErreurBase(QStringLiteral("La sauvegarde n'a pas pu être faite.\n%1").arg(raison), code);
}

// The database `perso` copied page by page into the empty file `chemin`, under one read transaction of the
// source: a writer elsewhere is either wholly in the copy or not at all.
void copierBase(sqlite3* perso, const QString& chemin)
{
    sqlite3* copie = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(chemin).constData(), &copie, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString raison = raisonSqlite(copie, rc);
        sqlite3_close(copie);
        throw echec(raison, rc);
    }
    // The copy is worth nothing until it is renamed into place: it needs no journal, and leaves none.
    sqlite3_exec(copie, "PRAGMA journal_mode = OFF", nullptr, nullptr, nullptr);
    sqlite3_backup* sauvegarde = sqlite3_backup_init(copie, "main", perso, "main");
    if (!sauvegarde) {
        rc = sqlite3_errcode(copie);
        const QString raison = raisonSqlite(copie, rc);
        sqlite3_close(copie);
        throw echec(raison, rc);
    }
    // A writer elsewhere holds the file only for the moment of its commit: wait for it a little, as every
    // statement of the program does.
    QElapsedTimer attente;
    attente.start();
    rc = sqlite3_backup_step(sauvegarde, -1);
    while ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && !attente.hasExpired(Connexion::DelaiOccupationMs)) {
        sqlite3_sleep(20);
        rc = sqlite3_backup_step(sauvegarde, -1);
    }
    const int fin = sqlite3_backup_finish(sauvegarde);
    if (rc == SQLITE_DONE)
        rc = fin;
    const QString raison = rc == SQLITE_OK ? QString() : raisonSqlite(copie, rc);
    const int fermeture = sqlite3_close(copie);
    if (rc != SQLITE_OK)
        throw echec(raison, rc);
    if (fermeture != SQLITE_OK)
        throw echec(raisonSqlite(nullptr, fermeture), fermeture);
}

}  // namespace

void SauvegarderBasePerso(const Connexion& perso, const QString& cible)
{
    if (!perso.estOuverte())
        throw echec(QStringLiteral("La base personnelle n'est pas ouverte."));
    if (cheminResolu(cible) == cheminResolu(perso.chemin()))
        throw ErreurBase(QStringLiteral("La sauvegarde ne peut pas remplacer la base personnelle elle-même : "
                                        "choisissez un autre fichier."));

    const QFileInfo infoCible(cible);
    supprimerTemporairesAbandonnes(infoCible);
    QTemporaryFile temporaire(
        QDir(infoCible.absolutePath()).filePath(debutTemporaire(infoCible) + QStringLiteral("XXXXXX") + FinTemporaire));
    if (!temporaire.open())
        throw echec(QStringLiteral("Impossible d'écrire dans le dossier %1 : %2")
                        .arg(QDir::toNativeSeparators(infoCible.absolutePath()), temporaire.errorString()));
    temporaire.close();
    const QString cheminTemporaire = temporaire.fileName();

    copierBase(perso.poignee(), cheminTemporaire);
    // The temporary file was made private; the backup gets the rights of the file it replaces, or a new file's.
    QFile::setPermissions(cheminTemporaire,
        infoCible.exists() ? QFile::permissions(cible)
                           : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                QFile::ReadGroup | QFile::ReadOther);
    // rename() replaces an existing target in one step, which QFile::rename does not.
    if (std::rename(QFile::encodeName(cheminTemporaire).constData(), QFile::encodeName(cible).constData()) != 0) {
        const int erreur = errno;
        throw echec(QStringLiteral("Le fichier %1 n'a pas pu être remplacé : %2")
                        .arg(QDir::toNativeSeparators(cible), QString::fromLocal8Bit(std::strerror(erreur))));
    }
    temporaire.setAutoRemove(false);
}
