#pragma once
// The rows a report reads, apart from the engine that lays them out and paints them: a report's data is
// built and summed without a window, and the engine only reads it.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

// Rows a report reads: flat, or parent rows each with named sets of child rows.
class DonneesEtat {
public:
    virtual ~DonneesEtat();
    virtual int nombreLignes() const = 0;
    // The column of that name ignoring case, -1 when there is none.
    virtual int colonne(const QString& nom) const = 0;
    virtual QVariant valeur(int ligne, int colonne) const = 0;
    // The child rows of a row under the member's name (ignoring case); nullptr when none.
    virtual const DonneesEtat* enfants(int ligne, const QString& membre) const;
};

// Rows held in memory, for results built in code.
class TableEtat : public DonneesEtat {
public:
    explicit TableEtat(QStringList colonnes = {});
    int nombreLignes() const override { return int(m_lignes.size()); }
    int colonne(const QString& nom) const override;
    QVariant valeur(int ligne, int colonne) const override;
    const DonneesEtat* enfants(int ligne, const QString& membre) const override;

    void ajouter(QVariantList ligne) { m_lignes.push_back(std::move(ligne)); }
    void definir(int ligne, int colonne, const QVariant& valeur) { m_lignes[std::size_t(ligne)][colonne] = valeur; }
    // The child rows of the last row added.
    TableEtat& ajouterEnfants(const QString& membre, QStringList colonnes);
    // The same, rows kept in any form.
    void ajouterEnfants(const QString& membre, std::unique_ptr<DonneesEtat> enfants);

private:
    QStringList m_colonnes;
    std::vector<QVariantList> m_lignes;
    // per row: member name (folded) -> rows
    std::vector<std::vector<std::pair<QString, std::unique_ptr<DonneesEtat>>>> m_enfants;
};

class Recordset;
// The rows of an open recordset, read in place.
class DonneesRecordset : public DonneesEtat {
public:
    explicit DonneesRecordset(Recordset& rst) : m_rst(rst) { }
    int nombreLignes() const override;
    int colonne(const QString& nom) const override;
    QVariant valeur(int ligne, int colonne) const override;

private:
    Recordset& m_rst;
};
