#include "data/Recordset.h"

#include "data/Valeurs.h"

#include <sqlite3.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace {

// The length of a text or blob is kept in four bytes: SQLite keeps none longer.
using Longueur = std::uint32_t;

bool estNombre(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool egalPourFind(const QVariant& a, const QVariant& b)
{
    if (EstNul(a) || EstNul(b))
        return false;
    if (estNombre(a) && estNombre(b))
        return a.toDouble() == b.toDouble();
    if (estNombre(a) != estNombre(b)) {
        // A number searched as text ("Find ID2='12'"), or the reverse: compare as numbers when both read as one.
        bool okA = false, okB = false;
        double na = a.toDouble(&okA), nb = b.toDouble(&okB);
        if (okA && okB)
            return na == nb;
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive) == 0;
}

std::uint64_t melanger(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

// What a value compares as when the text is compared ignoring case: its characters folded one by one, as
// QString::compare does.
std::uint32_t cleTexte(const QString& texte)
{
    std::uint64_t h = 0xcbf29ce484222325ULL;
    const qsizetype n = texte.size();
    const QChar* c = texte.constData();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t u = c[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && c[i + 1].isLowSurrogate())
            u = QChar::surrogateToUcs4(char16_t(u), c[++i].unicode());
        h = (h ^ QChar::toCaseFolded(u)) * 0x100000001b3ULL;
    }
    return std::uint32_t(melanger(h ^ 0x5445585445ULL) >> 32);
}

// False when the text surely does not read as a number, which spares most codes and names the reading:
// a number starts, after any spaces, with a digit, a sign, a point or the letters of "inf" and "nan".
bool peutEtreNombre(const QString& texte)
{
    for (const QChar c : texte) {
        if (c.isSpace())
            continue;
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return true;
        return (u >= '0' && u <= '9') || u == '+' || u == '-' || u == '.' || u == 'i' || u == 'I' || u == 'n' ||
            u == 'N';
    }
    return false;
}

std::uint32_t cleNombre(double d)
{
    if (d == 0.0)
        d = 0.0;  // -0 equals 0
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return std::uint32_t(melanger(bits ^ 0x4e4f4d425245ULL) >> 32);
}

}  // namespace

// ---------------------------------------------------------------------------

namespace {

// Blocks double from a few pages up to this size, which is also the size the reserve keeps.
constexpr std::size_t PremierBloc = 4096;
constexpr std::size_t PlafondBloc = std::size_t(1) << 20;
constexpr std::size_t PlusPetitGarde = std::size_t(1) << 16;

bool tailleGardee(std::size_t capacite)
{
    return capacite >= PlusPetitGarde && capacite <= PlafondBloc && (capacite & (capacite - 1)) == 0;
}

// Freed blocks kept for the next result, up to a few results' worth.
class Reserve {
public:
    char* prendre(std::size_t capacite)
    {
        std::lock_guard<std::mutex> verrou(m_verrou);
        for (std::size_t i = m_blocs.size(); i-- > 0;) {
            if (m_blocs[i].second == capacite) {
                char* p = m_blocs[i].first;
                m_blocs.erase(m_blocs.begin() + std::ptrdiff_t(i));
                m_total -= capacite;
                return p;
            }
        }
        return nullptr;
    }
    bool rendre(char* p, std::size_t capacite)
    {
        std::lock_guard<std::mutex> verrou(m_verrou);
        if (m_total + capacite > Plafond)
            return false;
        m_blocs.emplace_back(p, capacite);
        m_total += capacite;
        return true;
    }

    void vider()
    {
        std::lock_guard<std::mutex> verrou(m_verrou);
        for (const auto& [p, capacite] : m_blocs)
            std::free(p);
        m_blocs.clear();
        m_total = 0;
    }

private:
    static constexpr std::size_t Plafond = std::size_t(16) << 20;
    std::mutex m_verrou;
    std::vector<std::pair<char*, std::size_t>> m_blocs;
    std::size_t m_total = 0;
};

Reserve& reserve()
{
    // Never destroyed: a recordset held in a global may give its blocks back after the end of main.
    static Reserve* r = new Reserve;
    return *r;
}

}  // namespace

void Recordset::Tampon::Rendre::operator()(char* p) const
{
    if (!p)
        return;
    if (!tailleGardee(capacite) || !reserve().rendre(p, capacite))
        std::free(p);
}

std::uint64_t Recordset::Tampon::reserver(std::size_t n, char*& p)
{
    if (m_blocs.empty() || m_blocs.back().capacite - m_blocs.back().taille < n) {
        const std::size_t capacite =
            std::max(n, m_blocs.empty() ? PremierBloc : std::min(m_blocs.back().capacite * 2, PlafondBloc));
        if (m_blocs.size() > (std::size_t(1) << (64 - BitsPlace)) - 1 || capacite > MasquePlace)
            throw ErreurBase(QStringLiteral("Résultat trop volumineux"));
        char* memoire = tailleGardee(capacite) ? reserve().prendre(capacite) : nullptr;
        if (!memoire)
            memoire = static_cast<char*>(std::malloc(std::max<std::size_t>(capacite, 1)));
        if (!memoire)
            throw std::bad_alloc();
        Bloc bloc;
        bloc.donnees = std::unique_ptr<char, Rendre>(memoire, Rendre {capacite});
        bloc.capacite = capacite;
        m_blocs.push_back(std::move(bloc));
    }
    Bloc& bloc = m_blocs.back();
    const std::uint64_t ou = (std::uint64_t(m_blocs.size() - 1) << BitsPlace) | std::uint64_t(bloc.taille);
    p = bloc.donnees.get() + bloc.taille;
    bloc.taille += n;
    return ou;
}

void Recordset::Tampon::ajuster()
{
    if (m_blocs.empty())
        return;
    Bloc& bloc = m_blocs.back();
    if (bloc.taille == bloc.capacite || bloc.taille == 0)
        return;
    if (void* ajuste = std::realloc(bloc.donnees.get(), bloc.taille)) {
        bloc.donnees.release();
        bloc.donnees = std::unique_ptr<char, Rendre>(static_cast<char*>(ajuste), Rendre {bloc.taille});
        bloc.capacite = bloc.taille;
    }
}

// ---------------------------------------------------------------------------

namespace {

// The bytes a packed value takes, `p` pointing at it.
inline std::size_t tailleValeur(std::uint8_t type, const char* p)
{
    switch (type) {
    case 1:  // Entier1
        return 1;
    case 2:  // Entier2
        return 2;
    case 3:  // Entier4
        return 4;
    case 4:  // Entier8
    case 5:  // Reel
        return 8;
    case 6:    // Texte
    case 7: {  // Octets
        Longueur n;
        std::memcpy(&n, p, sizeof n);
        return sizeof n + n;
    }
    default:
        return 0;
    }
}

}  // namespace

void Recordset::lireBrut(sqlite3_stmt* requete, std::vector<Brut>& valeurs)
{
    const int n = int(valeurs.size());
    for (int c = 0; c < n; ++c) {
        Brut& v = valeurs[std::size_t(c)];
        switch (sqlite3_column_type(requete, c)) {
        case SQLITE_INTEGER:
            v.type = Entier8;
            v.entier = sqlite3_column_int64(requete, c);
            break;
        case SQLITE_FLOAT:
            v.type = Reel;
            v.reel = sqlite3_column_double(requete, c);
            break;
        case SQLITE_TEXT:
            v.type = Texte;
            v.octets = sqlite3_column_text(requete, c);
            v.longueur = v.octets ? sqlite3_column_bytes(requete, c) : 0;
            break;
        case SQLITE_BLOB:
            v.type = Octets;
            v.octets = sqlite3_column_blob(requete, c);
            v.longueur = v.octets ? sqlite3_column_bytes(requete, c) : 0;
            break;
        default:
            v.type = Nul;
            break;
        }
    }
}

std::uint64_t Recordset::ajouterLigne(std::vector<Brut>& valeurs)
{
    std::size_t taille = valeurs.size();
    for (Brut& v : valeurs) {
        switch (v.type) {
        case Entier1:
        case Entier2:
        case Entier4:
        case Entier8:
            // Most integers are flags, codes and counts: they take the bytes they need.
            v.type = v.entier == qint8(v.entier) ? Entier1
                : v.entier == qint16(v.entier)   ? Entier2
                : v.entier == qint32(v.entier)   ? Entier4
                                                 : Entier8;
            taille += v.type == Entier1 ? 1 : v.type == Entier2 ? 2 : v.type == Entier4 ? 4 : 8;
            break;
        case Reel:
            taille += 8;
            break;
        case Texte:
        case Octets:
            taille += sizeof(Longueur) + std::size_t(v.longueur);
            break;
        default:
            break;
        }
    }
    char* p = nullptr;
    const std::uint64_t ou = m_octets.reserver(taille, p);
    for (const Brut& v : valeurs)
        *p++ = char(v.type);
    for (const Brut& v : valeurs) {
        switch (v.type) {
        case Entier1: {
            const qint8 e = qint8(v.entier);
            std::memcpy(p, &e, sizeof e);
            p += sizeof e;
            break;
        }
        case Entier2: {
            const qint16 e = qint16(v.entier);
            std::memcpy(p, &e, sizeof e);
            p += sizeof e;
            break;
        }
        case Entier4: {
            const qint32 e = qint32(v.entier);
            std::memcpy(p, &e, sizeof e);
            p += sizeof e;
            break;
        }
        case Entier8:
            std::memcpy(p, &v.entier, sizeof v.entier);
            p += sizeof v.entier;
            break;
        case Reel:
            std::memcpy(p, &v.reel, sizeof v.reel);
            p += sizeof v.reel;
            break;
        case Texte:
        case Octets: {
            const Longueur n = Longueur(v.longueur);
            std::memcpy(p, &n, sizeof n);
            p += sizeof n;
            if (n > 0)
                std::memcpy(p, v.octets, n);
            p += n;
            break;
        }
        default:
            break;
        }
    }
    return ou;
}

QVariant Recordset::valeur(std::uint64_t enregistrement, int colonne) const
{
    const char* ligne = m_octets.adresse(enregistrement);
    const auto* types = reinterpret_cast<const std::uint8_t*>(ligne);
    const char* p = ligne + m_colonnes.size();
    for (int i = 0; i < colonne; ++i)
        p += tailleValeur(types[i], p);
    switch (types[colonne]) {
    case Entier1: {
        qint8 e;
        std::memcpy(&e, p, sizeof e);
        return QVariant(qlonglong(e));
    }
    case Entier2: {
        qint16 e;
        std::memcpy(&e, p, sizeof e);
        return QVariant(qlonglong(e));
    }
    case Entier4: {
        qint32 e;
        std::memcpy(&e, p, sizeof e);
        return QVariant(qlonglong(e));
    }
    case Entier8: {
        qint64 e;
        std::memcpy(&e, p, sizeof e);
        return QVariant(qlonglong(e));
    }
    case Reel: {
        double d;
        std::memcpy(&d, p, sizeof d);
        return QVariant(d);
    }
    case Texte: {
        Longueur n;
        std::memcpy(&n, p, sizeof n);
        // Empty text stays text, apart from Null.
        return QVariant(QString::fromUtf8(n ? p + sizeof n : "", qsizetype(n)));
    }
    case Octets: {
        Longueur n;
        std::memcpy(&n, p, sizeof n);
        return QVariant(n ? QByteArray(p + sizeof n, qsizetype(n)) : QByteArray());
    }
    default:
        return QVariant();
    }
}

// ---------------------------------------------------------------------------

void Recordset::definirNoms(const QStringList& noms)
{
    m_colonnes = noms;
    m_index.clear();
    m_noms.clear();
    for (int i = 0; i < noms.size(); ++i) {
        const QString plie = noms.at(i).toCaseFolded();
        if (!m_index.contains(plie))  // the first of two same names wins
            m_index.insert(plie, i);
    }
    for (int i = 0; i < noms.size(); ++i)
        if (!m_noms.contains(noms.at(i)))
            m_noms.insert(noms.at(i), m_index.value(noms.at(i).toCaseFolded()));
}

Recordset Recordset::Ouvrir(const ConnexionPtr& cnx, const QString& sql, const QVariantList& valeurs)
{
    if (!cnx || !cnx->estOuverte())
        throw ErreurBase(QStringLiteral("La base de données n'est pas ouverte"));
    Recordset r;
    Requete requete = cnx->preparer(sql);
    requete.lierTout(valeurs);
    QStringList noms;
    for (int i = 0; i < requete.nombreColonnes(); ++i)
        noms << requete.nomColonne(i);
    r.definirNoms(noms);
    sqlite3_stmt* st = requete.poignee();
    std::vector<Brut> ligne(std::size_t(noms.size()));
    while (requete.suivante()) {
        lireBrut(st, ligne);
        r.m_lignes.push_back(r.ajouterLigne(ligne));
    }
    r.m_octets.ajuster();
    r.m_lignes.shrink_to_fit();
    r.m_cnx = cnx;
    r.m_ouvert = true;
    r.m_position = 0;
    return r;
}

void Recordset::Close()
{
    *this = Recordset();
}

int Recordset::AbsolutePosition() const
{
    if (Bof() || Eof())
        return 0;
    return m_position + 1;
}

void Recordset::MoveFirst()
{
    m_position = 0;
}

void Recordset::MoveLast()
{
    m_position = m_lignes.empty() ? 0 : int(m_lignes.size()) - 1;
}

void Recordset::MoveNext()
{
    if (m_position < int(m_lignes.size()))
        ++m_position;
}

void Recordset::MovePrevious()
{
    if (m_position >= 0)
        --m_position;
}

void Recordset::Move(int n)
{
    if (n < 0)
        m_position = -1;
    else
        m_position = std::min(n, int(m_lignes.size()));
}

// ---------------------------------------------------------------------------

const Recordset::IndexColonne& Recordset::indexRecherche(int colonne)
{
    auto trouve = m_recherche.find(colonne);
    if (trouve != m_recherche.end())
        return trouve->second;

    // Each value is filed under every form a search may meet it in: its text (a number as it reads), and its
    // number (text that reads as one).
    IndexColonne index;
    index.reserve(2 * m_lignes.size());
    for (int ligne = 0; ligne < int(m_lignes.size()); ++ligne) {
        const QVariant v = valeur(enregistrement(ligne), colonne);
        if (EstNul(v))
            continue;
        if (estNombre(v)) {
            index.push_back({cleNombre(v.toDouble()), ligne});
            index.push_back({cleTexte(v.toString()), ligne});
        } else {
            bool ok = false;
            double d = 0;
            if (v.typeId() == QMetaType::QString) {
                const QString texte = v.toString();
                index.push_back({cleTexte(texte), ligne});
                if (peutEtreNombre(texte))
                    d = texte.toDouble(&ok);
            } else {
                index.push_back({cleTexte(v.toString()), ligne});
                d = v.toDouble(&ok);
            }
            if (ok)
                index.push_back({cleNombre(d), ligne});
        }
    }
    std::sort(index.begin(), index.end());
    return m_recherche.emplace(colonne, std::move(index)).first->second;
}

// The first row from `debut` on filed under `cle` whose value really equals the one searched; -1 when none.
int Recordset::premiereApres(
    const IndexColonne& index, std::uint32_t cle, int debut, int colonne, const QVariant& v) const
{
    for (auto it = std::lower_bound(index.begin(), index.end(), EntreeIndex {cle, debut});
         it != index.end() && it->cle == cle; ++it) {
        if (egalPourFind(valeur(enregistrement(it->ligne), colonne), v))
            return it->ligne;
    }
    return -1;
}

bool Recordset::Find(const QString& colonne, const QVariant& valeur)
{
    const int c = indexColonne(colonne);
    const int debut = std::max(m_position, 0);
    int trouvee = -1;
    if (debut < int(m_lignes.size()) && !EstNul(valeur)) {
        const IndexColonne& index = indexRecherche(c);
        auto garder = [&](int ligne) {
            if (ligne >= 0 && (trouvee < 0 || ligne < trouvee))
                trouvee = ligne;
        };
        garder(premiereApres(index, cleTexte(valeur.toString()), debut, c, valeur));
        bool ok = estNombre(valeur);
        const double d = valeur.toDouble(ok ? nullptr : &ok);
        if (ok)
            garder(premiereApres(index, cleNombre(d), debut, c, valeur));
    }
    if (trouvee >= 0) {
        m_position = trouvee;
        return true;
    }
    m_position = int(m_lignes.size());
    return false;
}

// ---------------------------------------------------------------------------

bool Recordset::AColonne(const QString& nom) const
{
    return Colonne(nom) >= 0;
}

int Recordset::Colonne(const QString& nom) const
{
    auto tel = m_noms.constFind(nom);
    if (tel != m_noms.constEnd())
        return tel.value();
    return m_index.value(nom.toCaseFolded(), -1);
}

int Recordset::indexColonne(const QString& nom) const
{
    const int c = Colonne(nom);
    if (c < 0)
        throw ErreurBase(QStringLiteral("Champ inconnu : %1").arg(nom));
    return c;
}

void Recordset::verifierLigneCourante() const
{
    if (!m_ouvert || Bof() || Eof())
        throw ErreurBase(QStringLiteral("Aucun enregistrement courant"));
}

QVariant Recordset::Champ(const QString& nom) const
{
    const int c = indexColonne(nom);
    verifierLigneCourante();
    return Champ(c);
}

QVariant Recordset::ChampLigne(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= RecordCount() || colonne < 0 || colonne >= m_colonnes.size())
        return {};
    return valeur(enregistrement(ligne), colonne);
}

void Recordset::NombresLigne(int ligne, const int* colonnes, int nombre, double* valeurs) const
{
    if (ligne < 0 || ligne >= RecordCount()) {
        std::fill(valeurs, valeurs + nombre, 0.0);
        return;
    }
    const char* debut = m_octets.adresse(enregistrement(ligne));
    const auto* types = reinterpret_cast<const std::uint8_t*>(debut);
    const char* p = debut + m_colonnes.size();
    int c = 0;
    for (int k = 0; k < nombre; ++k) {
        const int voulue = colonnes[k];
        if (voulue < c || voulue >= m_colonnes.size()) {
            valeurs[k] = 0.0;
            continue;
        }
        for (; c < voulue; ++c)
            p += tailleValeur(types[c], p);
        switch (types[c]) {
        case Entier1: {
            qint8 e;
            std::memcpy(&e, p, sizeof e);
            valeurs[k] = e;
            break;
        }
        case Entier2: {
            qint16 e;
            std::memcpy(&e, p, sizeof e);
            valeurs[k] = e;
            break;
        }
        case Entier4: {
            qint32 e;
            std::memcpy(&e, p, sizeof e);
            valeurs[k] = e;
            break;
        }
        case Entier8: {
            qint64 e;
            std::memcpy(&e, p, sizeof e);
            valeurs[k] = double(e);
            break;
        }
        case Reel:
            std::memcpy(&valeurs[k], p, sizeof(double));
            break;
        case Texte:
            valeurs[k] = valeur(enregistrement(ligne), c).toDouble();
            break;
        default:
            valeurs[k] = 0.0;
            break;
        }
    }
}

void RendreMemoireLibre()
{
    reserve().vider();
#ifdef __GLIBC__
    // The heap keeps the pages that freed results leave between its live blocks; this hands them back.
    malloc_trim(0);
#endif
}

QVariant Recordset::Champ(int index) const
{
    if (index < 0 || index >= m_colonnes.size())
        throw ErreurBase(QStringLiteral("Champ inconnu : %1").arg(index));
    verifierLigneCourante();
    return valeur(enregistrement(m_position), index);
}
