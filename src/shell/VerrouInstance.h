#pragma once
// The lock that keeps one copy of the program running per user and program folder.

#include <QString>

#include <memory>

class QLockFile;

inline const QString MessageDejaOuvert = QStringLiteral("Ce programme est déja ouvert");

enum class EtatVerrou {
    Pris,        // this copy holds the lock until the result is destroyed
    DejaOuvert,  // another running copy holds it
    Impossible,  // the lock file cannot be made or taken over; the message says why
};

struct VerrouInstance {
    VerrouInstance();
    VerrouInstance(VerrouInstance&&) noexcept;
    VerrouInstance& operator=(VerrouInstance&&) noexcept;
    ~VerrouInstance();

    EtatVerrou etat = EtatVerrou::Impossible;
    QString message;  // what to show when the lock was not taken
    std::unique_ptr<QLockFile> verrou;
};

// The lock file of the program folder for the user `utilisateur` (a user id): in the session's private
// runtime folder when the desktop gives one, otherwise in the temporary folder that every user shares,
// where the user id in the name keeps each user's lock apart.
QString FichierVerrouInstance(const QString& dossierProgramme, unsigned utilisateur);

// Takes the lock `fichier`. The lock of a copy that ended without releasing it is taken over.
VerrouInstance PrendreVerrouInstance(const QString& fichier);
