#pragma once
// Typing as the collector does: into the control that has the focus, then Tab to the next control, or
// Enter to confirm.

#include <QString>
#include <Qt>

class QComboBox;

// Shows and activates the combo's window, gives the combo the focus, replaces its text by `texte` typed
// key by key and ends with `fin`: Tab leaves the combo, Enter (Qt::Key_Return) confirms the text where it
// is. False when the focus could not be given, or did not leave on Tab.
bool TaperDansCombo(QComboBox* combo, const QString& texte, Qt::Key fin = Qt::Key_Tab);
