// The valuation of the synthetic collection (its links made and dropped, eight grouped statements, the
// values gathered) beside the same eight statements stepped bare on the C API over links made once.

#include "Valorisation.h"
#include "Mesure.h"

#include "data/Source.h"
#include "printing/Valorisation.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double groupeNu(sqlite3* db, const QString& sql, qint64 collection)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw ErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_bind_int64(stmt, 1, collection);
    double somme = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        somme += sqlite3_column_double(stmt, 1);
    sqlite3_finalize(stmt);
    return somme;
}

}  // namespace

void MesurerValorisation(const QString& dossier)
{
    Q_UNUSED(dossier);
    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return;
    }
    const QString catalogue = CheminBaseCatalogue();
    const int timbres =
        CnxPerso->valeur(QStringLiteral("SELECT count(*) FROM Collection WHERE Collection = 2")).toInt();
    std::printf("\nValeur de la collection 2 (%d timbres)\n", timbres);

    double somme = 0;
    double total = 0;
    Comparer("valorisation (liens, requêtes, valeurs)", "huit requêtes groupées, nues sur l'API C", 9,
        [&] {
            const ValeursCollection v = CalculerValeurCollection(CnxPerso, catalogue, QStringLiteral("2"));
            total = v.valeur(QStringLiteral("Coll")).value_or(0.0);
        },
        [&] {
            for (const QString& g : GroupesValorisation)
                somme += groupeNu(CnxPerso->poignee(), RequeteGroupeValorisation(g), 2);
        },
        [&] {
            for (const auto& [lien, table] : {std::pair {"LinkCotations", "Cotations2001"},
                     std::pair {"LinkCotationsV", "Cotations2001v"}, std::pair {"LinkCotationsO", "Cotations2001o"}})
                CreerTableLiee(*CnxPerso, QString::fromLatin1(lien), catalogue, QString::fromLatin1(table));
        },
        [] {
            for (const char* lien : {"LinkCotations", "LinkCotationsV", "LinkCotationsO"})
                SupprimerTableLiee(*CnxPerso, QString::fromLatin1(lien));
        });
    std::printf("(total de la collection %.2f, somme de contrôle %.2f)\n", total, somme);
    LibererConnexions();
}
