#pragma once

#include <QString>

// The want and duplicates lists on the synthetic program folder `dossier`: each list's statement run as
// the screen runs it (links made and dropped, the result read into a recordset) beside the same
// statement stepped bare on the C API; prints its figures.
void MesurerListes(const QString& dossier);
