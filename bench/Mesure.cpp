#include "Mesure.h"

#include "data/Connexion.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

Mesure Chronometrer(const char* nom, int fois, const std::function<void()>& operation)
{
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        operation();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    const Mesure m {durees.front(), durees[durees.size() / 2]};
    std::printf("%-58s meilleur %9.2f ms   médian %9.2f ms\n", nom, m.meilleur, m.median);
    return m;
}

void Rapport(const char* nom, const Mesure& a, const Mesure& b)
{
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", nom, a.meilleur / b.meilleur, a.median / b.median);
}

qint64 ParcourirNu(sqlite3_stmt* stmt)
{
    qint64 somme = 0;
    const int n = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++somme;
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                somme += sqlite3_column_int64(stmt, c);
                break;
            case SQLITE_FLOAT:
                somme += qint64(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_TEXT:
                somme += sqlite3_column_text(stmt, c)[0] + sqlite3_column_bytes(stmt, c);
                break;
            case SQLITE_BLOB: {
                if (sqlite3_column_bytes(stmt, c) > 0)
                    somme += static_cast<const unsigned char*>(sqlite3_column_blob(stmt, c))[0];
                break;
            }
            default:
                break;
            }
        }
    }
    sqlite3_finalize(stmt);
    return somme;
}

qint64 InstructionNue(sqlite3* db, const Instruction& instruction)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, instruction.sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw ErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    for (int i = 0; i < instruction.valeurs.size(); ++i) {
        const QVariant& v = instruction.valeurs.at(i);
        if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        } else {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }
    return ParcourirNu(stmt);
}
