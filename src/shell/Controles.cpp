#include "shell/Controles.h"

#include "data/Recordset.h"
#include "data/Valeurs.h"
#include "shell/Echelle.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {
const int RoleCle = Qt::UserRole;
}

ListeDonnees::ListeDonnees(const QString& champListe, const QString& champLie, QWidget* parent)
    : QListWidget(parent), m_champListe(champListe), m_champLie(champLie)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListeDonnees::mousePressEvent(QMouseEvent* evenement)
{
    m_finDoubleClic = false;
    QListWidget::mousePressEvent(evenement);
}

void ListeDonnees::mouseReleaseEvent(QMouseEvent* evenement)
{
    const bool clic = evenement->button() == Qt::LeftButton && !m_finDoubleClic
        && viewport()->rect().contains(evenement->position().toPoint());
    m_finDoubleClic = false;
    QListWidget::mouseReleaseEvent(evenement);
    if (clic)
        emit Click();
}

void ListeDonnees::mouseDoubleClickEvent(QMouseEvent* evenement)
{
    QListWidget::mouseDoubleClickEvent(evenement);
    if (evenement->button() != Qt::LeftButton)
        return;
    m_finDoubleClic = true;
    emit DblClick();
}

void ListeDonnees::definirSource(Recordset& source)
{
    clear();
    if (!source.estOuvert())
        return;
    for (source.MoveFirst(); !source.Eof(); source.MoveNext()) {
        auto* element = new QListWidgetItem(Texte(source.Champ(m_champListe)), this);
        element->setData(RoleCle, Texte(source.Champ(m_champLie)));
    }
    setCurrentRow(-1);
}

void ListeDonnees::viderSource()
{
    clear();
}

QString ListeDonnees::BoundText() const
{
    const QListWidgetItem* element = currentItem();
    return element && element->isSelected() ? element->data(RoleCle).toString() : QString();
}

QString ListeDonnees::Text() const
{
    const QListWidgetItem* element = currentItem();
    return element && element->isSelected() ? element->text() : QString();
}

void ListeDonnees::selectionnerCle(const QString& cle)
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(RoleCle).toString() == cle) {
            setCurrentRow(i);
            return;
        }
    }
    setCurrentRow(-1);
}

void SaisieLibre(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
}

ComboDonnees::ComboDonnees(const QString& champListe, const QString& champLie, QWidget* parent)
    : QComboBox(parent), m_champListe(champListe), m_champLie(champLie)
{
}

void ComboDonnees::definirSource(Recordset& source)
{
    const QString choix = BoundText();
    clear();
    if (source.estOuvert()) {
        for (source.MoveFirst(); !source.Eof(); source.MoveNext())
            addItem(Texte(source.Champ(m_champListe)), Texte(source.Champ(m_champLie)));
    }
    definirBoundText(choix);
}

QString ComboDonnees::BoundText() const
{
    return currentIndex() < 0 ? QString() : currentData().toString();
}

void ComboDonnees::definirBoundText(const QString& cle)
{
    setCurrentIndex(cle.isEmpty() ? -1 : findData(cle));
}

VueListe::VueListe(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(0);
    header()->setStretchLastSection(false);
}

void VueListe::ajouterColonne(const QString& titre, int largeurTwips)
{
    const int n = columnCount();
    setColumnCount(n + 1);
    QTreeWidgetItem* entete = headerItem();
    entete->setText(n, titre);
    setColumnWidth(n, std::max(0, largeurTwips / TwipsParPixel));
    // A column one twip wide holds a key the user need not see.
    setColumnHidden(n, largeurTwips < TwipsParPixel);
}

void VueListe::viderColonnes()
{
    clear();
    setColumnCount(0);
}

QTreeWidgetItem* VueListe::ajouterLigne(const QStringList& valeurs)
{
    if (columnCount() < valeurs.size())
        setColumnCount(int(valeurs.size()));
    return new QTreeWidgetItem(this, valeurs);
}

void VueListe::viderLignes()
{
    clear();
}

QStringList VueListe::ligne(int index) const
{
    QStringList valeurs;
    const QTreeWidgetItem* element = topLevelItem(index);
    if (!element)
        return valeurs;
    for (int c = 0; c < columnCount(); ++c)
        valeurs << element->text(c);
    return valeurs;
}
