#pragma once
// What the search-result print dialog prints as a list, from its choices: the layout, the search's own
// statement with its values, the links it reads, the criteria line and the bindings.

#include "printing/AffichageEtat.h"

inline const QString ChoixListe = QStringLiteral("Liste");
inline const QString ChoixImagettes = QStringLiteral("Imagettes");

// The catalogue tables the search's statements read, under the names they read them by.
QList<std::pair<QString, QString>> LiensRecherche();

// `michel`: the Michel number in the secondary column, else the personal number. The quotations get no
// format of ours: they print as the statement returns them, in the locale's writing.
ImpressionListe ImpressionRecherche(const Instruction& texteSQL, const QString& texteCritere, bool michel, bool avecCotes);
