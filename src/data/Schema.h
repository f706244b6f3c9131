#pragma once
// The schemas of the databases, kept as SQL files built into the program: the data builder and the
// test fixtures make their files from the same text.

#include "data/Connexion.h"

enum class BaseSchema { Perso, Catalogue, CD, EditionPrecedente };

QString TexteSchema(BaseSchema base);
void CreerSchema(const Connexion& cnx, BaseSchema base);
