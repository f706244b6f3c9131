#pragma once
// The result lists of the screens: a list view in report mode over the rows a query produced. The rows
// stay packed in their recordset, which the list keeps, and a cell becomes text only when the view asks
// for it, which it does for the rows on screen: showing a hundred thousand rows costs about what showing
// forty does, and no object is made per row.

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QTreeView>

#include <functional>
#include <memory>
#include <vector>

class Recordset;

// What one column of the list shows of a result's row: a column of the result as text (Null as empty),
// or a text made from the whole row.
struct CelluleResultat {
    CelluleResultat(int colonneResultat) : colonne(colonneResultat) { }
    CelluleResultat(std::function<QString(const Recordset&, int ligne)> texte) : composer(std::move(texte)) { }

    int colonne = -1;
    std::function<QString(const Recordset&, int ligne)> composer;
};

// The rows of the list: first those of a result, read where they are kept, then any row added as texts.
// A text set on a cell afterwards (a tick) replaces what the row says until the rows are emptied.
class ModeleResultat : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleResultat(QObject* parent = nullptr);
    ~ModeleResultat() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void ajouterColonne(const QString& titre);
    // Rows and columns.
    void vider();
    // The rows only; what they held is released.
    void viderLignes();
    void definirResultat(Recordset&& resultat, std::vector<CelluleResultat> cellules);
    void ajouterLigne(const QStringList& valeurs);

    QString titre(int colonne) const { return m_titres.value(colonne); }
    // Empty out of range.
    QString texte(int ligne, int colonne) const;
    void definirTexte(int ligne, int colonne, const QString& texte);

private:
    int lignesResultat() const;
    static quint64 cle(int ligne, int colonne) { return (quint64(quint32(ligne)) << 32) | quint32(colonne); }

    QStringList m_titres;
    std::unique_ptr<Recordset> m_resultat;
    std::vector<CelluleResultat> m_cellules;
    QList<QStringList> m_lignes;
    QHash<quint64, QString> m_textes;
};

class VueResultat : public QTreeView {
    Q_OBJECT
public:
    explicit VueResultat(QWidget* parent = nullptr);

    // Columns with titles and widths in twips; a column one twip wide holds a key the user need not see.
    void ajouterColonne(const QString& titre, int largeurTwips);
    // Columns and rows.
    void viderColonnes();
    // The list shows the rows of the result, one column of the list per cell given; the rows shown before
    // are released first.
    void afficherResultat(Recordset&& resultat, std::vector<CelluleResultat> cellules);
    // A row whose text is the first value and whose sub-items are the others, after the rows there are.
    void ajouterLigne(const QStringList& valeurs);
    void viderLignes();

    int nombreLignes() const { return m_modele->rowCount(); }
    int nombreColonnes() const { return m_modele->columnCount(); }
    QString titreColonne(int colonne) const { return m_modele->titre(colonne); }
    QString texte(int ligne, int colonne) const { return m_modele->texte(ligne, colonne); }
    QStringList ligne(int index) const;
    void definirTexte(int ligne, int colonne, const QString& texte) { m_modele->definirTexte(ligne, colonne, texte); }

    // The current row, -1 when there is none.
    int ligneCourante() const;
    // Makes the row current and selects it alone, as a click does.
    void definirLigneCourante(int ligne);
    bool estChoisie(int ligne) const;
    // The selected rows, in list order.
    QList<int> lignesChoisies() const;
    // Where the row is drawn in the viewport.
    QRect rectLigne(int ligne) const;

private:
    ModeleResultat* m_modele;
};
