#include "Mesure.h"

#include "data/Connexion.h"

#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double duree(const std::function<void()>& operation)
{
    QElapsedTimer chrono;
    chrono.start();
    operation();
    return chrono.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

Mesure resumer(const char* nom, const std::vector<double>& durees)
{
    const Mesure m {*std::min_element(durees.begin(), durees.end()), median(durees)};
    std::printf("%-58s meilleur %9.2f ms   médian %9.2f ms\n", nom, m.meilleur, m.median);
    return m;
}

}  // namespace

Mesure Chronometrer(const char* nom, int fois, const std::function<void()>& operation)
{
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i)
        durees.push_back(duree(operation));
    return resumer(nom, durees);
}

Comparaison Comparer(const char* nomProgramme, const char* nomNu, int fois, const std::function<void()>& programme,
    const std::function<void()>& nu, const std::function<void()>& preparerNu, const std::function<void()>& finirNu)
{
    std::vector<double> cote, nus;
    for (int i = 0; i < fois; ++i) {
        if (preparerNu)
            preparerNu();
        nus.push_back(duree(nu));
        if (finirNu)
            finirNu();
        cote.push_back(duree(programme));
    }
    Comparaison c;
    c.nu = resumer(nomNu, nus);
    c.programme = resumer(nomProgramme, cote);
    c.rapport = RapportTours("  rapport programme / nu, tour par tour", cote, nus);
    return c;
}

double RapportTours(const char* nom, std::vector<double> programme, std::vector<double> nu)
{
    std::vector<double> rapports;
    for (std::size_t i = 0; i < std::min(programme.size(), nu.size()); ++i)
        rapports.push_back(nu[i] > 0 ? programme[i] / nu[i] : 0.0);
    if (rapports.empty())
        return 0.0;
    const double m = median(rapports);
    std::printf("%-58s médian %6.2f x    (de %.2f à %.2f)\n", nom, m,
        *std::min_element(rapports.begin(), rapports.end()), *std::max_element(rapports.begin(), rapports.end()));
    return m;
}

double MemoireResidente()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0.0;
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
