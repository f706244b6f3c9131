#pragma once
// Finding the catalogue disc at start-up.

#include "platform/Lecteurs.h"

#include <QList>

// The drives, in the order they are tried: the mounted file systems by mount path.
QList<Lecteur> ListeLecteurs();

// Sets LecteurCD to the first CD-ROM drive whose disc holds "DATAS/FR_BINP.DOV" (names ignoring case),
// or empties it. With no drive at all, says "Aucun lecteur trouvé !" and leaves LecteurCD as it was.
void ChercherLecteurCD();
