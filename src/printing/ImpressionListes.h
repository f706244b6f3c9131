#pragma once
// What the want-list and duplicates print dialogs print, from their choices: the layout, the statement
// the last build left, the links it reads, the columns bound and their formats, the heading of the
// secondary number.

#include "lists/RequetesListes.h"
#include "printing/AffichageEtat.h"

inline const QString ChoixMichel = QStringLiteral("Michel");
inline const QString ChoixNumerotationPerso = QStringLiteral("Numérotation personnelle");
inline const QString ChoixIDPerso = QStringLiteral("ID perso");
inline const QString ChoixSansCotes = QStringLiteral("Sans les cotes");
inline const QString ChoixAvecCotes = QStringLiteral("Avec les cotes");
inline const QString ChoixSansQuantites = QStringLiteral("Sans les quantités");
inline const QString ChoixAvecQuantites = QStringLiteral("Avec les quantités");

enum class AffichageDoubles { SansQuantites, AvecQuantites, AvecCotes };

// `michel`: the Michel number in the secondary column, else the personal number.
ImpressionListe ImpressionManques(const Instruction& texteSQL, GenreListe genre, bool michel, bool avecCotes);
ImpressionListe ImpressionDoubles(
    const Instruction& texteSQL, const Instruction& texteSQL2, GenreListe genre, bool michel, AffichageDoubles affichage);
