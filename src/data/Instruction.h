#pragma once
// A statement handed from one screen to another (a list to its print dialog, the search to its report):
// the SQL with ? placeholders and the values bound to them, so the receiver re-runs it without ever
// pasting values into text.

#include "data/Recordset.h"

#include <QString>
#include <QVariantList>

struct Instruction {
    QString sql;
    QVariantList valeurs;

    bool estVide() const { return sql.isEmpty(); }
    Recordset ouvrir(const ConnexionPtr& cnx) const { return Recordset::Ouvrir(cnx, sql, valeurs); }
};
