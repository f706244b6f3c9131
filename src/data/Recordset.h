#pragma once
// A client-side result: the whole result is read when it opens, so its row count is known at once and
// moving, finding and paging never touch the database again. Read-only, unless opened on one table
// for writing, in which case each changed row is written back through the table's row key on Update.

#include "data/Connexion.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Recordset {
public:
    Recordset() = default;  // closed
    Recordset(Recordset&&) = default;
    Recordset& operator=(Recordset&&) = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Read-only result of a statement with its bound values. Throws ErreurBase when the statement fails.
    static Recordset Ouvrir(const ConnexionPtr& cnx, const QString& sql, const QVariantList& valeurs = {});
    // The rows of one table that meet `condition` (SQL with ? placeholders, may be empty), in `ordre`,
    // open for AddNew, Update and Delete.
    static Recordset OuvrirModifiable(const ConnexionPtr& cnx, const QString& table, const QString& condition = {},
        const QVariantList& valeurs = {}, const QString& ordre = {});

    bool estOuvert() const { return m_ouvert; }
    bool estModifiable() const { return !m_table.isEmpty(); }
    void Close();

    int RecordCount() const { return int(m_lignes.size()); }
    // EOF is a macro of the C library: the end tests are spelt Bof and Eof.
    bool Bof() const { return m_lignes.isEmpty() || m_position < 0; }
    bool Eof() const { return m_lignes.isEmpty() || m_position >= m_lignes.size(); }
    // 1-based position of the current row; 0 when there is none (before the first or after the last).
    int AbsolutePosition() const;

    // Moves never fail: past either end the recordset stays at BOF or EOF. Pending edits of the row left are dropped.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Moves `n` rows from the first row: Move(0) is the first row, Move(RecordCount() - 1) the last.
    void Move(int n);

    // Searches forward from the current row (from the first when before it) for a row whose column equals
    // the value: text ignoring case, numbers by value; Null never matches. Not found: EOF.
    bool Find(const QString& colonne, const QVariant& valeur);

    // Columns by name ignoring case. Reading with no current row or an unknown name throws ErreurBase.
    QStringList Colonnes() const { return m_colonnes; }
    int NombreColonnes() const { return int(m_colonnes.size()); }
    bool AColonne(const QString& nom) const;
    QVariant Champ(const QString& nom) const;
    QVariant Champ(int index) const;
    QVariant operator[](const QString& nom) const { return Champ(nom); }

    // Writing recordsets only.
    void DefinirChamp(const QString& nom, const QVariant& valeur);
    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();
    bool EnEdition() const { return m_ajout || !m_modifies.isEmpty(); }

private:
    int indexColonne(const QString& nom) const;
    void verifierLigneCourante() const;
    void verifierModifiable() const;
    void abandonnerEdition();
    void relireLigne(int position, qint64 cle);

    bool m_ouvert = false;
    ConnexionPtr m_cnx;  // keeps the connection alive while the recordset may still write through it
    QString m_table;
    QStringList m_colonnes;
    QHash<QString, int> m_index;  // folded name -> column
    QVector<QVector<QVariant>> m_lignes;
    QVector<qint64> m_cles;  // row keys, writing recordsets only
    int m_position = -1;
    bool m_ajout = false;
    bool m_surLigneSupprimee = false;
    QSet<int> m_modifies;
};
