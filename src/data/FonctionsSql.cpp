#include "data/FonctionsSql.h"

#include "data/Valeurs.h"

#include <sqlite3.h>

#include <cstring>
#include <vector>

namespace {

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

// LIKE works on the UTF-8 bytes SQLite hands over, with their length: no conversion per row, and a NUL
// inside a value is a character like any other.

// A pattern element: a case-folded code point, or one of the two wildcards.
constexpr char32_t TousCaracteres = 0xFFFFFFFF;  // %
constexpr char32_t UnCaractere = 0xFFFFFFFE;     // _
constexpr char32_t Remplacement = 0xFFFD;

struct TableAscii {
    unsigned char replie[128];
    constexpr TableAscii() : replie()
    {
        for (int i = 0; i < 128; ++i)
            replie[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + ('a' - 'A') : i);
    }
};
constexpr TableAscii Ascii;

// The code point at `*i` (advanced past it); a byte that starts no valid sequence reads as U+FFFD, alone.
char32_t lireUtf8(const unsigned char* s, size_t n, size_t* i)
{
    const unsigned char b = s[*i];
    if (b < 0x80) {
        ++*i;
        return b;
    }
    int suite;
    char32_t c;
    if (b >= 0xC2 && b <= 0xDF) {
        suite = 1;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        suite = 2;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        suite = 3;
        c = b & 0x07;
    } else {
        ++*i;
        return Remplacement;
    }
    if (*i + suite >= n) {
        ++*i;
        return Remplacement;
    }
    for (int k = 1; k <= suite; ++k) {
        const unsigned char o = s[*i + k];
        if ((o & 0xC0) != 0x80) {
            ++*i;
            return Remplacement;
        }
        c = (c << 6) | (o & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if ((suite == 2 && c < 0x800) || (suite == 3 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF)) {
        ++*i;
        return Remplacement;
    }
    *i += suite + 1;
    return c;
}

inline char32_t replier(char32_t c)
{
    return c < 0x80 ? Ascii.replie[c] : QChar::toCaseFolded(c);
}

// The character at `*i`, case folded, advancing past it.
inline char32_t lireReplie(const unsigned char* s, size_t n, size_t* i)
{
    const unsigned char b = s[*i];
    if (b < 0x80) {
        ++*i;
        return Ascii.replie[b];
    }
    return QChar::toCaseFolded(lireUtf8(s, n, i));
}

// A pattern read once for a whole statement: its bytes (to know it again), the escape it was read with, and
// its elements.
struct MotifLike {
    QByteArray octets;
    bool avecEchappement = false;
    char32_t echappement = 0;
    std::vector<char32_t> elements;

    MotifLike(const unsigned char* s, size_t n, bool avecEsc, char32_t esc)
        : octets(reinterpret_cast<const char*>(s), qsizetype(n)), avecEchappement(avecEsc), echappement(esc)
    {
        elements.reserve(n);
        size_t i = 0;
        while (i < n) {
            const char32_t c = lireUtf8(s, n, &i);
            if (avecEchappement && c == echappement && i < n)
                elements.push_back(replier(lireUtf8(s, n, &i)));
            else if (c == U'%' && !(avecEchappement && c == echappement))
                elements.push_back(TousCaracteres);
            else if (c == U'_' && !(avecEchappement && c == echappement))
                elements.push_back(UnCaractere);
            else
                elements.push_back(replier(c));
        }
    }

    bool estLeMeme(const unsigned char* s, size_t n, bool avecEsc, char32_t esc) const
    {
        return avecEsc == avecEchappement && (!avecEsc || esc == echappement) && size_t(octets.size()) == n &&
            (n == 0 || std::memcmp(octets.constData(), s, n) == 0);
    }

    // Iterative matching with one backtrack point, the last %: linear in practice, no recursion.
    bool correspond(const unsigned char* t, size_t n) const
    {
        const size_t nm = elements.size();
        size_t im = 0, it = 0;
        size_t retourMotif = 0, retourTexte = 0;
        bool retour = false;
        for (;;) {
            if (im < nm && elements[im] == TousCaracteres) {
                while (im < nm && elements[im] == TousCaracteres)
                    ++im;
                if (im == nm)
                    return true;
                retour = true;
                retourMotif = im;
                it = retourTexte = avancer(t, n, it, elements[im]);
                continue;
            }
            if (it >= n)
                break;
            if (im < nm) {
                size_t suite = it;
                const char32_t c = lireReplie(t, n, &suite);
                const char32_t m = elements[im];
                if (m == UnCaractere || m == c) {
                    ++im;
                    it = suite;
                    continue;
                }
            }
            if (!retour)
                return false;
            lireUtf8(t, n, &retourTexte);
            im = retourMotif;
            it = retourTexte = avancer(t, n, retourTexte, elements[im]);
        }
        while (im < nm && elements[im] == TousCaracteres)
            ++im;
        return im == nm;
    }

private:
    // After a %, the first place from `it` where the element `m` may match: plain ASCII bytes that do not fold
    // to it are passed over at once; any other byte stops the skip, since a character beyond ASCII may fold to
    // an ASCII letter (the Kelvin sign to k).
    static size_t avancer(const unsigned char* t, size_t n, size_t it, char32_t m)
    {
        if (m == UnCaractere)
            return it;
        while (it < n && t[it] < 0x80 && Ascii.replie[t[it]] != m)
            ++it;
        return it;
    }
};

void detruireMotif(void* p)
{
    delete static_cast<MotifLike*>(p);
}

void fonctionLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // SQLite calls like(pattern, text[, escape]).
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL ||
        (argc == 3 && sqlite3_value_type(argv[2]) == SQLITE_NULL)) {
        sqlite3_result_null(ctx);
        return;
    }
    bool avecEchappement = false;
    char32_t echappement = 0;
    if (argc == 3) {
        const unsigned char* e = sqlite3_value_text(argv[2]);
        const size_t ne = e ? size_t(sqlite3_value_bytes(argv[2])) : 0;
        size_t i = 0;
        if (ne > 0)
            echappement = lireUtf8(e, ne, &i);
        if (ne == 0 || i != ne) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        avecEchappement = true;
    }
    // Text first, then its length, as SQLite asks; a zero-length blob may come without a pointer.
    static const unsigned char vide[1] = {0};
    const unsigned char* motif = sqlite3_value_text(argv[0]);
    const size_t nm = motif ? size_t(sqlite3_value_bytes(argv[0])) : 0;
    const unsigned char* texte = sqlite3_value_text(argv[1]);
    const size_t nt = texte ? size_t(sqlite3_value_bytes(argv[1])) : 0;
    if (!motif)
        motif = vide;
    if (!texte)
        texte = vide;

    // The pattern is read once per statement: SQLite keeps it beside a constant or bound argument.
    auto* garde = static_cast<MotifLike*>(sqlite3_get_auxdata(ctx, 0));
    if (garde && garde->estLeMeme(motif, nm, avecEchappement, echappement)) {
        sqlite3_result_int(ctx, garde->correspond(texte, nt) ? 1 : 0);
        return;
    }
    auto* nouveau = new MotifLike(motif, nm, avecEchappement, echappement);
    sqlite3_result_int(ctx, nouveau->correspond(texte, nt) ? 1 : 0);
    // Last: SQLite may free the pattern before this call returns.
    sqlite3_set_auxdata(ctx, 0, nouveau, detruireMotif);
}

// ValeurSimple(x): a stored single-precision price as the decimal it stands for. Only a real changes;
// Null, a whole number and whatever else a column holds come back as they are.
void fonctionValeurSimple(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_FLOAT)
        sqlite3_result_double(ctx, ValeurSimple(sqlite3_value_double(argv[0])));
    else
        sqlite3_result_value(ctx, argv[0]);
}

int collationFrancais(void*, int la, const void* a, int lb, const void* b)
{
    return ComparerFrancais(
        QString::fromUtf8(static_cast<const char*>(a), la), QString::fromUtf8(static_cast<const char*>(b), lb));
}

}  // namespace

bool CorrespondLike(const QString& motif, const QString& texte, QChar echappement)
{
    const QByteArray m = motif.toUtf8();
    const QByteArray t = texte.toUtf8();
    const MotifLike compile(reinterpret_cast<const unsigned char*>(m.constData()), size_t(m.size()),
        !echappement.isNull(), echappement.unicode());
    return compile.correspond(reinterpret_cast<const unsigned char*>(t.constData()), size_t(t.size()));
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
    sqlite3_create_function(db, "ValeurSimple", 1, drapeaux, nullptr, fonctionValeurSimple, nullptr, nullptr);
    sqlite3_create_collation(db, "FRANCAIS", SQLITE_UTF8, nullptr, collationFrancais);
}
