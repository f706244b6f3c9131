#pragma once

#include <QString>

// A session on the synthetic folder as a collector lives it, the resident memory printed after each step:
// the start-up, the keyword want list "V" over every condition, the search for all stamps, the inventory
// preview open, then closed. Run in a fresh process. False when the program did not start.
bool MesurerMemoire(const QString& dossier);
