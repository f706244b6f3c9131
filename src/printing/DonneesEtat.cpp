#include "printing/DonneesEtat.h"

#include "data/Recordset.h"

DonneesEtat::~DonneesEtat() = default;

const DonneesEtat* DonneesEtat::enfants(int, const QString&) const
{
    return nullptr;
}

TableEtat::TableEtat(QStringList colonnes) : m_colonnes(std::move(colonnes)) { }

int TableEtat::colonne(const QString& nom) const
{
    for (int i = 0; i < m_colonnes.size(); ++i)
        if (m_colonnes.at(i).compare(nom, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant TableEtat::valeur(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= nombreLignes())
        return {};
    const QVariantList& l = m_lignes[std::size_t(ligne)];
    return colonne >= 0 && colonne < l.size() ? l.at(colonne) : QVariant();
}

const DonneesEtat* TableEtat::enfants(int ligne, const QString& membre) const
{
    if (ligne < 0 || std::size_t(ligne) >= m_enfants.size())
        return nullptr;
    for (const auto& [nom, table] : m_enfants[std::size_t(ligne)])
        if (nom.compare(membre, Qt::CaseInsensitive) == 0)
            return table.get();
    return nullptr;
}

TableEtat& TableEtat::ajouterEnfants(const QString& membre, QStringList colonnes)
{
    auto table = std::make_unique<TableEtat>(std::move(colonnes));
    TableEtat& t = *table;
    ajouterEnfants(membre, std::move(table));
    return t;
}

void TableEtat::ajouterEnfants(const QString& membre, std::unique_ptr<DonneesEtat> enfants)
{
    m_enfants.resize(m_lignes.size());
    m_enfants.back().emplace_back(membre, std::move(enfants));
}

int DonneesRecordset::nombreLignes() const
{
    return m_rst.estOuvert() ? m_rst.RecordCount() : 0;
}

int DonneesRecordset::colonne(const QString& nom) const
{
    return m_rst.estOuvert() ? m_rst.Colonne(nom) : -1;
}

QVariant DonneesRecordset::valeur(int ligne, int colonne) const
{
    if (colonne < 0 || ligne < 0 || ligne >= nombreLignes())
        return {};
    if (m_rst.AbsolutePosition() != ligne + 1)
        m_rst.Move(ligne);
    return m_rst.Champ(colonne);
}
