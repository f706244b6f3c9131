#pragma once
// The workgroup file "orvalen.MDW": the user accounts under which the databases are opened.
// Our own small text format:
//     ORVALEN-GROUPE-DE-TRAVAIL 1
//     compte<TAB>nom<TAB>mot de passe
// Blank lines and lines starting with "#" are ignored.

#include <QString>

inline const QString NomFichierGroupeTravail = QStringLiteral("orvalen.MDW");
inline const QString UtilisateurProgramme = QStringLiteral("Utilisateur");

// True when the file holds the account `utilisateur` (name ignoring case) with exactly that password.
bool CompteAccepte(const QString& cheminGroupeTravail, const QString& utilisateur, const QString& motDePasse);
// The text of a workgroup file holding the program's one account.
QString ContenuGroupeTravail();
