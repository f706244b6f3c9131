#pragma once
// Start-up and shut-down of the program.

#include "shell/VerrouInstance.h"

#include <QString>

class MDIForm1;

inline const QString MessageDossierInstallation = QStringLiteral(
    "Le fichier OVFRANCE.EXE doit être placé dans le dossier où est installé Orvalen. Si vous avez installé "
    "Orvalen avec les options par défaut, le dossier doit être c:\\Program Files\\Orvalen");
inline const QString NomFichierAide = QStringLiteral("OVFRANCE.HLP");

// The start-up. True when the program is up and the event loop should run; false when it was refused
// (another copy running, the instance lock out of reach, or no catalogue in the program folder), after
// its message.
bool Main();

// The main window, once Main has made it.
MDIForm1* FormePrincipale();

// Shut-down: every screen is unloaded (the stamp card writes its pending holdings first), every other
// window closes, the connections are released and the event loop ends.
// Runs once; later calls do nothing until the next Main.
void ArreterProgramme();

// Opens the help file of the program folder in the help viewer, or says that it is missing.
void AfficherAide();

// Lets a test start the program again in the same process: forgets the instance lock and the windows.
void OublierDemarrage();
