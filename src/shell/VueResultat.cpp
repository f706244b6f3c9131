#include "shell/VueResultat.h"

#include "data/Recordset.h"
#include "data/Valeurs.h"
#include "shell/Echelle.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

ModeleResultat::ModeleResultat(QObject* parent) : QAbstractTableModel(parent) { }

ModeleResultat::~ModeleResultat() = default;

int ModeleResultat::lignesResultat() const
{
    return m_resultat ? m_resultat->RecordCount() : 0;
}

int ModeleResultat::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : lignesResultat() + int(m_lignes.size());
}

int ModeleResultat::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_titres.size());
}

QVariant ModeleResultat::data(const QModelIndex& index, int role) const
{
    // The view asks for a dozen roles per cell it paints: only the text is ours.
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return texte(index.row(), index.column());
}

QVariant ModeleResultat::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titres.value(section);
    return {};
}

Qt::ItemFlags ModeleResultat::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QString ModeleResultat::texte(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= rowCount() || colonne < 0 || colonne >= m_titres.size())
        return {};
    if (!m_textes.isEmpty()) {
        const auto posee = m_textes.constFind(cle(ligne, colonne));
        if (posee != m_textes.constEnd())
            return *posee;
    }
    const int n = lignesResultat();
    if (ligne >= n)
        return m_lignes.at(ligne - n).value(colonne);
    if (std::size_t(colonne) >= m_cellules.size())
        return {};
    const CelluleResultat& cellule = m_cellules[std::size_t(colonne)];
    if (cellule.composer)
        return cellule.composer(*m_resultat, ligne);
    return Texte(m_resultat->ChampLigne(ligne, cellule.colonne));
}

void ModeleResultat::definirTexte(int ligne, int colonne, const QString& texte)
{
    if (ligne < 0 || ligne >= rowCount() || colonne < 0 || colonne >= m_titres.size())
        return;
    m_textes.insert(cle(ligne, colonne), texte);
    const QModelIndex i = index(ligne, colonne);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void ModeleResultat::ajouterColonne(const QString& titre)
{
    const int n = int(m_titres.size());
    beginInsertColumns({}, n, n);
    m_titres << titre;
    endInsertColumns();
}

void ModeleResultat::vider()
{
    viderLignes();
    if (m_titres.isEmpty())
        return;
    beginRemoveColumns({}, 0, int(m_titres.size()) - 1);
    m_titres.clear();
    m_cellules.clear();
    endRemoveColumns();
}

void ModeleResultat::viderLignes()
{
    const int n = rowCount();
    // The rows go as rows rather than by a reset of the model, which would also reset the columns' widths.
    if (n > 0)
        beginRemoveRows({}, 0, n - 1);
    m_resultat.reset();
    m_lignes.clear();
    m_textes.clear();
    if (n > 0)
        endRemoveRows();
}

void ModeleResultat::definirResultat(Recordset&& resultat, std::vector<CelluleResultat> cellules)
{
    viderLignes();
    auto nouveau = std::make_unique<Recordset>(std::move(resultat));
    const int n = nouveau->RecordCount();
    if (n == 0)
        return;
    beginInsertRows({}, 0, n - 1);
    m_resultat = std::move(nouveau);
    m_cellules = std::move(cellules);
    endInsertRows();
}

void ModeleResultat::ajouterLigne(const QStringList& valeurs)
{
    const int n = rowCount();
    beginInsertRows({}, n, n);
    m_lignes << valeurs;
    endInsertRows();
}

VueResultat::VueResultat(QWidget* parent) : QTreeView(parent), m_modele(new ModeleResultat(this))
{
    setModel(m_modele);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void VueResultat::ajouterColonne(const QString& titre, int largeurTwips)
{
    const int n = m_modele->columnCount();
    m_modele->ajouterColonne(titre);
    setColumnWidth(n, std::max(0, largeurTwips / TwipsParPixel));
    setColumnHidden(n, largeurTwips < TwipsParPixel);
}

void VueResultat::viderColonnes()
{
    m_modele->vider();
}

void VueResultat::afficherResultat(Recordset&& resultat, std::vector<CelluleResultat> cellules)
{
    m_modele->definirResultat(std::move(resultat), std::move(cellules));
}

void VueResultat::ajouterLigne(const QStringList& valeurs)
{
    m_modele->ajouterLigne(valeurs);
}

void VueResultat::viderLignes()
{
    m_modele->viderLignes();
}

QStringList VueResultat::ligne(int index) const
{
    QStringList valeurs;
    if (index < 0 || index >= nombreLignes())
        return valeurs;
    for (int c = 0; c < nombreColonnes(); ++c)
        valeurs << texte(index, c);
    return valeurs;
}

int VueResultat::ligneCourante() const
{
    const QModelIndex courant = currentIndex();
    return courant.isValid() ? courant.row() : -1;
}

void VueResultat::definirLigneCourante(int ligne)
{
    setCurrentIndex(m_modele->index(ligne, 0));
}

bool VueResultat::estChoisie(int ligne) const
{
    return selectionModel()->isRowSelected(ligne, {});
}

QList<int> VueResultat::lignesChoisies() const
{
    QList<int> lignes;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        lignes << i.row();
    std::sort(lignes.begin(), lignes.end());
    return lignes;
}

QRect VueResultat::rectLigne(int ligne) const
{
    return visualRect(m_modele->index(ligne, 0));
}
