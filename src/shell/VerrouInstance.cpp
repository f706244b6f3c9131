#include "shell/VerrouInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

QString natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

// The holder named in the lock file still runs on this machine. Its process name is compared too, as
// QLockFile does, so that a number taken again by an unrelated process does not count.
bool detenteurVivant(qint64 pid, const QString& hote, const QString& application)
{
    if (!hote.isEmpty() && hote != QSysInfo::machineHostName())
        return true;  // another machine's copy, sharing the folder: nothing tells it has ended
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM))
        return false;
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    if (executable.isEmpty() || application.isEmpty())
        return true;  // another user's process: its name cannot be read
    QString nom = QFileInfo(executable).fileName();
    nom.remove(QStringLiteral(" (deleted)"));
    return nom == application;
}

QString proprietaireAutre(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() || info.ownerId() == static_cast<uint>(::geteuid()))
        return {};
    const QString nom = info.owner();
    return QStringLiteral(" Il appartient à l'utilisateur %1.")
        .arg(nom.isEmpty() ? QString::number(info.ownerId()) : nom);
}

}  // namespace

VerrouInstance::VerrouInstance() = default;
VerrouInstance::VerrouInstance(VerrouInstance&&) noexcept = default;
VerrouInstance& VerrouInstance::operator=(VerrouInstance&&) noexcept = default;
VerrouInstance::~VerrouInstance() = default;

QString FichierVerrouInstance(const QString& dossierProgramme, unsigned utilisateur)
{
    QString dossier;
    // Qt makes up a runtime folder, with a warning, when the session gives none: the temporary folder
    // serves as well then.
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty())
        dossier = QDir::tempPath();
    // Qt gives no name for a temporary folder that does not exist: keep the one asked for, so that the
    // failure names it.
    if (dossier.isEmpty())
        dossier = QDir::cleanPath(qEnvironmentVariable("TMPDIR"));
    QString programme = QFileInfo(dossierProgramme).canonicalFilePath();
    if (programme.isEmpty())
        programme = dossierProgramme;
    const QByteArray cle = QCryptographicHash::hash(programme.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(dossier).filePath(QStringLiteral("orvalen-%1-%2.lock").arg(utilisateur).arg(QString::fromLatin1(cle)));
}

VerrouInstance PrendreVerrouInstance(const QString& fichier)
{
    VerrouInstance resultat;
    auto verrou = std::make_unique<QLockFile>(fichier);
    // Never stale by age: a copy may run for days. QLockFile still takes over a lock whose process is gone.
    verrou->setStaleLockTime(0);
    if (verrou->tryLock(0)) {
        resultat.etat = EtatVerrou::Pris;
        resultat.verrou = std::move(verrou);
        return resultat;
    }

    const QString dossier = QFileInfo(fichier).absolutePath();
    const QString debut = QStringLiteral("Le fichier de verrouillage %1").arg(natif(fichier));
    switch (verrou->error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString hote;
        QString application;
        if (!verrou->getLockInfo(&pid, &hote, &application)) {
            resultat.message = debut + QStringLiteral(" existe mais ne peut pas être lu.") + proprietaireAutre(fichier);
        } else if (detenteurVivant(pid, hote, application)) {
            resultat.etat = EtatVerrou::DejaOuvert;
            resultat.message = MessageDejaOuvert;
            return resultat;
        } else {
            resultat.message = debut
                + QStringLiteral(", laissé par une copie du programme qui n'est plus ouverte, ne peut pas être supprimé.")
                + proprietaireAutre(fichier);
        }
        break;
    }
    case QLockFile::PermissionError:
        resultat.message =
            debut + QStringLiteral(" ne peut pas être créé : l'écriture dans le dossier %1 est refusée.").arg(natif(dossier));
        break;
    default:
        if (!QFileInfo(dossier).isDir())
            resultat.message =
                debut + QStringLiteral(" ne peut pas être créé : le dossier %1 est introuvable.").arg(natif(dossier));
        else
            resultat.message = debut + QStringLiteral(" ne peut pas être créé.");
        break;
    }
    resultat.etat = EtatVerrou::Impossible;
    resultat.message += QStringLiteral(" Le programme ne peut pas démarrer.");
    return resultat;
}
