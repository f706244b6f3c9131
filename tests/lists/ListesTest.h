#pragma once
// The list screens' fixture: stamps that differ by one holding each, in collection 2 "Mes timbres".
//
// Section AA, issued 1950 (05/01): sN owns N, sNC NC, sO O, sL L, sNL N and L, s0 nothing (no row),
// sNNC N and NC, sNO N and O, in that catalogue order. Issued 1951: autre (held N, O, L in collection 3
// only), npa ("Ne pas acquérir" here), npa3 (the same mark in collection 3 only). ne: not issued, 1952.
// d1899 issued 31/12/1899, d1900 01/01/1900, sd without an issue date, m1960 01/01/1960, all AA;
// tp, 1950, section TP.
// Duplicates in collection 2: sNC 2 in NSG only; sO 0 in N and 3 in O; sL 2 in N and 1 in L; autre 5 in N
// in collection 3 only.
// Varieties: of sN, "Bleu clair" (position 2), "bleu foncé" (3), "Bleu pâle" (1); of sL "ÉCUSSON", "l'an 50%"
// and "an 5x"; of ne "Bleu non émis". In collection 2, sNa owns N with 0 duplicates in N, sNb owns O with
// 2 duplicates in O; the others have no row.

#include "data/Connexion.h"

#include <QString>
#include <QStringList>

void remplirCatalogueListes(const Connexion& cnx);
void remplirPersoListes(const Connexion& cnx);
