#pragma once
// The value of the open collection shown as its one-page report.

#include "printing/ValeurCollection.h"

struct Etat;

// Writes the values into the labels of a fresh ImpCollection1 and its title into LabelCollection.
void RemplirImpCollection1(Etat& etat, const ValeursCollection& valeurs, const QString& titre);

// The search screen's "Valeur de la collection": refused without an open collection, otherwise the
// valuation computed under the wait pointer and shown as its report.
void BoutonValeurCollection_Click();
