#pragma once
// The stamp's series name and the prose under its numbers on the card: who designed and engraved it,
// how many were printed or sold, its perforation, format, size and printing, its usage.

#include "data/Connexion.h"

#include <QString>

class Recordset;

struct TexteDescriptif {
    QString serie;       // the caption of the card's `Seriee`
    QString texteFinal;  // the caption of the card's `TexteFinal`
};

// The series name and the descriptive text of the current row of `france` (a Recordset over France),
// with the four lookups read on `catalogue`. A lookup that fails or finds nothing contributes nothing;
// a row that cannot be read gives the texts of a row whose columns are all Null.
TexteDescriptif ComposerTexteDescriptif(const Recordset& france, const ConnexionPtr& catalogue);
