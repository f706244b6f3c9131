#pragma once
// The stamp card's test fixture: a small catalogue where every case a display meets has its stamp, a
// personal database with one collection holding two of them, and ways to reach the card's controls.

#include "support/ControleEcran.h"
#include "data/Connexion.h"
#include "shell/CollectionOuverte.h"

#include <QString>

class QLineEdit;

// Five stamps in catalogue order 1, 2, 3A, 4, 5. 1 has everything (prices N 10, NC none, NSG 0, O 4,
// L 12.5); 2 nothing but its number; 3A and 4 share a Michel number; 5 has no ID2
// and is quoted N only.
void remplirCatalogue(const Connexion& cnx);
// Collection 2 "Mes timbres": stamp 1 held N (150 %, 2 copies, 3 duplicates) and O (50 %, 1 copy), NC
// not held with 0 duplicates; 3A held N, off the want list, with a comment. Personal numbers 9 (stamp 1)
// and 10 (stamp 4). Collection 3 "Autre" has its own prices of stamp 1 (N 99, L 7).
void remplirPerso(const Connexion& cnx);

template <typename T> T* ctl(const char* nom)
{
    return ControleEcran<T>(1, QString::fromUtf8(nom));
}

// The text of a label, box or combo of the card.
QString texte(const char* nom);
// Every row of a personal table, as text, in storage order.
QString contenu(const QString& table);
// Replaces the text of a box as the user does, key by key (a box written by code has nothing pending).
void taper(QLineEdit* boite, const QString& texte);
// Opens a collection (empty: closes it) as the collections screen does, without its dialogs.
void ouvrirCollection(const QString& code);
