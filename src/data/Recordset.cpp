#include "data/Recordset.h"

#include "data/Valeurs.h"

namespace {

const QString ColonneCle = QStringLiteral("__cle_ligne");

QString guillemets(const QString& nom)
{
    QString n = nom;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

bool egalPourFind(const QVariant& a, const QVariant& b)
{
    if (EstNul(a) || EstNul(b))
        return false;
    auto estNombre = [](const QVariant& v) {
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
    };
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

}  // namespace

Recordset Recordset::Ouvrir(const ConnexionPtr& cnx, const QString& sql, const QVariantList& valeurs)
{
    if (!cnx || !cnx->estOuverte())
        throw ErreurBase(QStringLiteral("La base de données n'est pas ouverte"));
    Recordset r;
    Requete requete = cnx->preparer(sql);
    requete.lierTout(valeurs);
    const int n = requete.nombreColonnes();
    for (int i = 0; i < n; ++i)
        r.m_colonnes << requete.nomColonne(i);
    while (requete.suivante()) {
        QVector<QVariant> ligne(n);
        for (int i = 0; i < n; ++i)
            ligne[i] = requete.colonne(i);
        r.m_lignes.append(std::move(ligne));
    }
    for (int i = 0; i < n; ++i)
        r.m_index.insert(r.m_colonnes.at(i).toCaseFolded(), i);  // the first of two same names wins
    r.m_cnx = cnx;
    r.m_ouvert = true;
    r.m_position = 0;
    return r;
}

Recordset Recordset::OuvrirModifiable(const ConnexionPtr& cnx, const QString& table, const QString& condition,
    const QVariantList& valeurs, const QString& ordre)
{
    QString sql = QStringLiteral("SELECT rowid AS %1, * FROM %2").arg(ColonneCle, guillemets(table));
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    if (!ordre.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + ordre;
    Recordset brut = Ouvrir(cnx, sql, valeurs);

    // Keep the row key out of the visible columns.
    Recordset r;
    r.m_cnx = cnx;
    r.m_table = table;
    r.m_colonnes = brut.m_colonnes.mid(1);
    for (int i = 0; i < r.m_colonnes.size(); ++i)
        if (!r.m_index.contains(r.m_colonnes.at(i).toCaseFolded()))
            r.m_index.insert(r.m_colonnes.at(i).toCaseFolded(), i);
    r.m_lignes.reserve(brut.m_lignes.size());
    for (auto& ligne : brut.m_lignes) {
        r.m_cles.append(ligne.at(0).toLongLong());
        ligne.removeFirst();
        r.m_lignes.append(std::move(ligne));
    }
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

void Recordset::abandonnerEdition()
{
    if (m_ajout) {
        m_lignes.removeLast();
        m_cles.removeLast();
        m_ajout = false;
        if (m_position > m_lignes.size())
            m_position = int(m_lignes.size());
    }
    m_modifies.clear();
}

void Recordset::MoveFirst()
{
    abandonnerEdition();
    m_surLigneSupprimee = false;
    m_position = 0;
}

void Recordset::MoveLast()
{
    abandonnerEdition();
    m_surLigneSupprimee = false;
    m_position = m_lignes.isEmpty() ? 0 : int(m_lignes.size()) - 1;
}

void Recordset::MoveNext()
{
    abandonnerEdition();
    if (m_surLigneSupprimee) {
        // The deleted row's successor already sits at this index.
        m_surLigneSupprimee = false;
        return;
    }
    if (m_position < m_lignes.size())
        ++m_position;
}

void Recordset::MovePrevious()
{
    abandonnerEdition();
    m_surLigneSupprimee = false;
    if (m_position >= 0)
        --m_position;
}

void Recordset::Move(int n)
{
    abandonnerEdition();
    m_surLigneSupprimee = false;
    if (n < 0)
        m_position = -1;
    else
        m_position = std::min(n, int(m_lignes.size()));
}

bool Recordset::Find(const QString& colonne, const QVariant& valeur)
{
    const int c = indexColonne(colonne);
    abandonnerEdition();
    m_surLigneSupprimee = false;
    int debut = std::max(m_position, 0);
    for (int i = debut; i < m_lignes.size(); ++i) {
        if (egalPourFind(m_lignes.at(i).at(c), valeur)) {
            m_position = i;
            return true;
        }
    }
    m_position = int(m_lignes.size());
    return false;
}

bool Recordset::AColonne(const QString& nom) const
{
    return m_index.contains(nom.toCaseFolded());
}

int Recordset::indexColonne(const QString& nom) const
{
    auto it = m_index.constFind(nom.toCaseFolded());
    if (it == m_index.constEnd())
        throw ErreurBase(QStringLiteral("Champ inconnu : %1").arg(nom));
    return it.value();
}

void Recordset::verifierLigneCourante() const
{
    if (!m_ouvert || Bof() || Eof() || m_surLigneSupprimee)
        throw ErreurBase(QStringLiteral("Aucun enregistrement courant"));
}

void Recordset::verifierModifiable() const
{
    if (!estModifiable())
        throw ErreurBase(QStringLiteral("Ce jeu d'enregistrements est en lecture seule"));
}

QVariant Recordset::Champ(const QString& nom) const
{
    const int c = indexColonne(nom);
    verifierLigneCourante();
    return m_lignes.at(m_position).at(c);
}

QVariant Recordset::Champ(int index) const
{
    if (index < 0 || index >= m_colonnes.size())
        throw ErreurBase(QStringLiteral("Champ inconnu : %1").arg(index));
    verifierLigneCourante();
    return m_lignes.at(m_position).at(index);
}

void Recordset::DefinirChamp(const QString& nom, const QVariant& valeur)
{
    verifierModifiable();
    const int c = indexColonne(nom);
    verifierLigneCourante();
    m_lignes[m_position][c] = valeur;
    m_modifies.insert(c);
}

void Recordset::AddNew()
{
    verifierModifiable();
    abandonnerEdition();
    m_surLigneSupprimee = false;
    m_lignes.append(QVector<QVariant>(m_colonnes.size()));
    m_cles.append(0);
    m_position = int(m_lignes.size()) - 1;
    m_ajout = true;
}

void Recordset::relireLigne(int position, qint64 cle)
{
    Recordset frais = Ouvrir(m_cnx, QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(guillemets(m_table)), {cle});
    if (frais.RecordCount() == 1 && frais.NombreColonnes() == m_colonnes.size())
        m_lignes[position] = frais.m_lignes.first();
}

void Recordset::Update()
{
    verifierModifiable();
    verifierLigneCourante();
    if (!m_ajout && m_modifies.isEmpty())
        return;
    if (!m_cnx || !m_cnx->estOuverte())
        throw ErreurBase(QStringLiteral("La base de données n'est pas ouverte"));

    QStringList noms;
    QVariantList valeurs;
    QList<int> colonnes = m_modifies.values();
    std::sort(colonnes.begin(), colonnes.end());
    for (int c : colonnes) {
        noms << guillemets(m_colonnes.at(c));
        valeurs << m_lignes.at(m_position).at(c);
    }
    if (m_ajout) {
        QString sql;
        if (noms.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(guillemets(m_table));
        } else {
            QStringList marques(noms.size(), QStringLiteral("?"));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(guillemets(m_table), noms.join(QStringLiteral(", ")), marques.join(QStringLiteral(", ")));
        }
        m_cnx->executer(sql, valeurs);
        m_cles[m_position] = m_cnx->dernierIdentifiant();
        m_ajout = false;
    } else {
        QStringList affectations;
        for (const QString& n : noms)
            affectations << n + QStringLiteral(" = ?");
        valeurs << m_cles.at(m_position);
        m_cnx->executer(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                            .arg(guillemets(m_table), affectations.join(QStringLiteral(", "))),
            valeurs);
    }
    m_modifies.clear();
    // Read back what the database made of the row: autonumbers, defaults, the stored form of each value.
    relireLigne(m_position, m_cles.at(m_position));
}

void Recordset::CancelUpdate()
{
    if (m_ajout) {
        abandonnerEdition();
        m_position = m_lignes.isEmpty() ? 0 : int(m_lignes.size()) - 1;
        return;
    }
    if (!m_modifies.isEmpty() && !Bof() && !Eof()) {
        m_modifies.clear();
        relireLigne(m_position, m_cles.at(m_position));
    }
}

void Recordset::Delete()
{
    verifierModifiable();
    verifierLigneCourante();
    if (m_ajout) {
        abandonnerEdition();
        return;
    }
    m_cnx->executer(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(guillemets(m_table)), {m_cles.at(m_position)});
    m_modifies.clear();
    m_lignes.removeAt(m_position);
    m_cles.removeAt(m_position);
    m_surLigneSupprimee = true;
}
