#pragma once
// Typing as the collector does: into the control that has the focus, then Tab to the next control.

#include <QString>

class QComboBox;

// Shows and activates the combo's window, gives the combo the focus, replaces its text by `texte` typed
// key by key and leaves it with Tab. False when the focus could not be given or did not leave.
bool TaperDansCombo(QComboBox* combo, const QString& texte);
