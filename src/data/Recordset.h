#pragma once
// A client-side result: the whole result is read when it opens, so its row count is known at once and
// moving, finding and paging never touch the database again. Read-only: the program writes through
// statements of its own, never through a result.
//
// The values are kept as SQLite gave them, packed row after row in one block per result rather than a
// QVariant per value: a type byte per column, then the values that are not Null, text as UTF-8. A value
// becomes a QVariant (a QString for text) only when it is read. The catalogue is tens of thousands of rows
// of some thirty columns, most of them Null; kept this way it loads about as fast as SQLite can step it
// and takes a fraction of the memory.

#include "data/Connexion.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class Recordset {
public:
    Recordset() = default;  // closed
    Recordset(Recordset&&) = default;
    Recordset& operator=(Recordset&&) = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // The result of a statement with its bound values. Throws ErreurBase when the statement fails.
    static Recordset Ouvrir(const ConnexionPtr& cnx, const QString& sql, const QVariantList& valeurs = {});

    bool estOuvert() const { return m_ouvert; }
    void Close();

    int RecordCount() const { return int(m_lignes.size()); }
    // EOF is a macro of the C library: the end tests are spelt Bof and Eof.
    bool Bof() const { return m_lignes.empty() || m_position < 0; }
    bool Eof() const { return m_lignes.empty() || m_position >= int(m_lignes.size()); }
    // 1-based position of the current row; 0 when there is none (before the first or after the last).
    int AbsolutePosition() const;

    // Moves never fail: past either end the recordset stays at BOF or EOF.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Moves `n` rows from the first row: Move(0) is the first row, Move(RecordCount() - 1) the last.
    void Move(int n);

    // Searches forward from the current row (from the first when before it) for a row whose column equals
    // the value: text ignoring case, numbers by value; Null never matches. Not found: EOF.
    // The first search on a column indexes it, so that later ones cost a lookup rather than a pass.
    bool Find(const QString& colonne, const QVariant& valeur);

    // Columns by name ignoring case. Reading with no current row or an unknown name throws ErreurBase.
    QStringList Colonnes() const { return m_colonnes; }
    int NombreColonnes() const { return int(m_colonnes.size()); }
    bool AColonne(const QString& nom) const;
    // The index of a column for Champ(int), -1 when there is none: a loop over the rows resolves it once.
    int Colonne(const QString& nom) const;
    QVariant Champ(const QString& nom) const;
    QVariant Champ(int index) const;
    QVariant operator[](const QString& nom) const { return Champ(nom); }
    // A column of any row (0-based, as stored), the current row left where it is; Null out of range.
    QVariant ChampLigne(int ligne, int colonne) const;
    // Several columns of a row read as numbers in one pass over it, for a loop that sums a large result:
    // `colonnes` in increasing order, each value as QVariant::toDouble would give it (Null is 0).
    void NombresLigne(int ligne, const int* colonnes, int nombre, double* valeurs) const;

private:
    // How a value is kept: its kind, and for an integer the few bytes it needs.
    enum Type : std::uint8_t { Nul, Entier1, Entier2, Entier4, Entier8, Reel, Texte, Octets };

    // One value as read, before it is packed into its row.
    struct Brut {
        std::uint8_t type = Nul;
        qint64 entier = 0;
        double reel = 0;
        const void* octets = nullptr;
        int longueur = 0;
    };

    // The packed rows, one after the other in blocks that are never moved once filled: however many rows come,
    // no row is copied once written. A row is found by its block and its place in it.
    class Tampon {
    public:
        // Room for `n` bytes, written through `p`; returns where they are.
        std::uint64_t reserver(std::size_t n, char*& p);
        const char* adresse(std::uint64_t ou) const
        {
            return m_blocs[ou >> BitsPlace].donnees.get() + (ou & MasquePlace);
        }
        // The last block gives back what it did not use.
        void ajuster();

    private:
        static constexpr int BitsPlace = 40;
        static constexpr std::uint64_t MasquePlace = (std::uint64_t(1) << BitsPlace) - 1;
        // A block of a standard size goes back to a small reserve shared by every result rather than to the
        // system, so that the next large result finds its memory already there instead of having each page
        // faulted in again.
        struct Rendre {
            std::size_t capacite;
            void operator()(char* p) const;
        };
        struct Bloc {
            std::unique_ptr<char, Rendre> donnees;
            std::size_t taille = 0;
            std::size_t capacite = 0;
        };
        std::vector<Bloc> m_blocs;
    };

    // Where a search may find a value of one column: for each row, a hash of what the value compares as
    // (its text folded, its number), sorted by hash then row. Rows are checked against the real comparison,
    // so two values sharing a hash never match wrongly.
    struct EntreeIndex {
        std::uint32_t cle;
        int ligne;
        bool operator<(const EntreeIndex& autre) const
        {
            return cle < autre.cle || (cle == autre.cle && ligne < autre.ligne);
        }
    };
    using IndexColonne = std::vector<EntreeIndex>;

    int indexColonne(const QString& nom) const;
    void verifierLigneCourante() const;
    void definirNoms(const QStringList& noms);

    // A row is packed once at the end of m_octets: its columns' types, then each value that is not Null
    // (a text or blob as its length and its bytes).
    static void lireBrut(sqlite3_stmt* requete, std::vector<Brut>& valeurs);
    std::uint64_t ajouterLigne(std::vector<Brut>& valeurs);
    std::uint64_t enregistrement(int ligne) const { return m_lignes[std::size_t(ligne)]; }
    QVariant valeur(std::uint64_t enregistrement, int colonne) const;

    const IndexColonne& indexRecherche(int colonne);
    int premiereApres(
        const IndexColonne& index, std::uint32_t cle, int debut, int colonne, const QVariant& valeur) const;

    bool m_ouvert = false;
    ConnexionPtr m_cnx;  // the connection read stays alive while its result is held
    QStringList m_colonnes;
    QHash<QString, int> m_index;  // folded name -> column
    QHash<QString, int> m_noms;   // each name as the result spells it -> column, so most reads fold nothing
    Tampon m_octets;
    std::vector<std::uint64_t> m_lignes;                // row -> where it is packed in m_octets
    std::unordered_map<int, IndexColonne> m_recherche;  // column -> index, built by the first Find on it
    int m_position = -1;
};

// Gives back to the operating system what large results left behind once they are gone (a closed preview, a list
// emptied): the blocks kept in reserve for the next result, and the free pages of the heap.
void RendreMemoireLibre();
