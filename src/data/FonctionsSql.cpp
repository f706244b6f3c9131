#include "data/FonctionsSql.h"

#include <sqlite3.h>

#include <vector>

namespace {

QChar replier(QChar c)
{
    return c.toCaseFolded();
}

// Letters without their accents, case folded, ligatures spelt out: what French order compares first.
QString cleDeBase(const QString& s)
{
    QString decompose = s.normalized(QString::NormalizationForm_KD);
    QString cle;
    cle.reserve(decompose.size());
    for (QChar c : decompose) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        switch (c.unicode()) {
        case 0x0153:  // œ
        case 0x0152:  // Œ
            cle += QStringLiteral("oe");
            continue;
        case 0x00E6:  // æ
        case 0x00C6:  // Æ
            cle += QStringLiteral("ae");
            continue;
        case 0x00DF:  // ß
            cle += QStringLiteral("ss");
            continue;
        default:
            break;
        }
        cle += c.toCaseFolded();
    }
    return cle;
}

bool estAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

int signe(int v)
{
    return (v > 0) - (v < 0);
}

void fonctionLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // SQLite calls like(pattern, text[, escape]).
    QString motif = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    QString texte = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[1])));
    QChar echappement;
    if (argc == 3) {
        QString e = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[2])));
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        echappement = e.at(0);
    }
    sqlite3_result_int(ctx, CorrespondLike(motif, texte, echappement) ? 1 : 0);
}

int collationFrancais(void*, int la, const void* a, int lb, const void* b)
{
    return ComparerFrancais(
        QString::fromUtf8(static_cast<const char*>(a), la), QString::fromUtf8(static_cast<const char*>(b), lb));
}

}  // namespace

bool CorrespondLike(const QString& motif, const QString& texte, QChar echappement)
{
    // Iterative matching with one backtrack point for the last %: linear in practice, no recursion.
    const int nm = int(motif.size());
    const int nt = int(texte.size());
    int im = 0, it = 0;
    int retourMotif = -1, retourTexte = -1;
    while (it < nt) {
        if (im < nm) {
            QChar m = motif.at(im);
            bool litteral = false;
            if (!echappement.isNull() && m == echappement && im + 1 < nm) {
                m = motif.at(im + 1);
                litteral = true;
            }
            if (!litteral && m == QLatin1Char('%')) {
                retourMotif = ++im;
                retourTexte = it;
                continue;
            }
            if ((!litteral && m == QLatin1Char('_')) || replier(m) == replier(texte.at(it))) {
                im += litteral ? 2 : 1;
                ++it;
                continue;
            }
        }
        if (retourMotif < 0)
            return false;
        im = retourMotif;
        it = ++retourTexte;
    }
    while (im < nm && motif.at(im) == QLatin1Char('%'))
        ++im;
    return im == nm;
}

int ComparerFrancais(const QString& a, const QString& b)
{
    if (estAscii(a) && estAscii(b)) {
        int r = QString::compare(a, b, Qt::CaseInsensitive);
        if (r != 0)
            return signe(r);
        // Same letters: lower case first, as in a French dictionary.
        return signe(-QString::compare(a, b, Qt::CaseSensitive));
    }
    int r = QString::compare(cleDeBase(a), cleDeBase(b), Qt::CaseSensitive);
    if (r != 0)
        return signe(r);
    // Same letters: the unaccented form first, then by accents.
    r = QString::compare(a.toCaseFolded(), b.toCaseFolded(), Qt::CaseSensitive);
    if (r != 0)
        return signe(r);
    return signe(-QString::compare(a, b, Qt::CaseSensitive));
}

void EnregistrerFonctionsSql(sqlite3* db)
{
    const int drapeaux = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, drapeaux, nullptr, fonctionLike, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, drapeaux, nullptr, fonctionLike, nullptr, nullptr);
    sqlite3_create_collation(db, "FRANCAIS", SQLITE_UTF8, nullptr, collationFrancais);
}
