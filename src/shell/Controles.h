#pragma once
// The list controls the screens share: a data-bound list and combo that show one field of their rows
// and keep another as the key of the selected row, and a list view in report mode.

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

class Recordset;

// A data-bound list. Nothing is selected when its text is empty.
class ListeDonnees : public QListWidget {
    Q_OBJECT
public:
    ListeDonnees(const QString& champListe, const QString& champLie, QWidget* parent = nullptr);

    // Shows every row of the recordset, from its first to its last; nothing selected afterwards.
    void definirSource(Recordset& source);
    void viderSource();
    // The key and the text of the selected row; empty when nothing is selected.
    QString BoundText() const;
    QString Text() const;
    // Selects the row whose key is `cle` (nothing when there is none).
    void selectionnerCle(const QString& cle);

signals:
    // A click of the left button anywhere in the list, on a row or on its blank part, once the list has
    // selected what lies under the pointer; a double click likewise (the click before it included).
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;

private:
    QString m_champListe;
    QString m_champLie;
    // The release that ends a double click is not a click of its own.
    bool m_finDoubleClic = false;
};

// Makes a combo take typed text beside its entries, and keeps that text exactly as typed: Qt's completion
// would match the entries ignoring case and put an entry in place of the typed text (as the user types,
// on Enter, and when the box loses the focus), and Enter would add the typed text to the entries. Every
// combo whose typed text the program reads is made this way.
void SaisieLibre(QComboBox* combo);

// A data-bound combo. An empty value means no choice.
class ComboDonnees : public QComboBox {
    Q_OBJECT
public:
    ComboDonnees(const QString& champListe, const QString& champLie, QWidget* parent = nullptr);

    void definirSource(Recordset& source);
    QString BoundText() const;
    // "" clears the choice; any other value chooses the row with that key.
    void definirBoundText(const QString& cle);

private:
    QString m_champListe;
    QString m_champLie;
};

// A list view in report mode: columns with titles and widths in twips, rows of texts.
class VueListe : public QTreeWidget {
    Q_OBJECT
public:
    explicit VueListe(QWidget* parent = nullptr);

    void ajouterColonne(const QString& titre, int largeurTwips);
    void viderColonnes();
    // A row whose text is the first value and whose sub-items are the others.
    QTreeWidgetItem* ajouterLigne(const QStringList& valeurs);
    void viderLignes();
    int nombreLignes() const { return topLevelItemCount(); }
    QStringList ligne(int index) const;
};
