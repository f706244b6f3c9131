#include "shell/NavigationOnglets.h"

#include "shell/Echelle.h"

#include <cmath>

namespace {

const int HauteurOngletPixels = int(std::lround(double(HauteurOngletTwips) / TwipsParPixel));

// Nine tabs of equal width in a single row, 520 twips high whatever the screen's scale.
class RangeeOnglets : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        const int largeur = parentWidget() ? parentWidget()->width() : width();
        return QSize(std::max(largeur / NombreOnglets, 20), HauteurOngletPixels);
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

}  // namespace

NavigationOnglets::NavigationOnglets(int ongletPropre, QWidget* parent)
    : QWidget(parent), m_propre(ongletPropre), m_precedent(ongletPropre)
{
    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("PageOnglet"));
    m_onglets = new RangeeOnglets(this);
    m_onglets->setExpanding(false);
    m_onglets->setUsesScrollButtons(false);
    m_onglets->setDrawBase(true);
    for (const QString& caption : CaptionsOnglets)
        m_onglets->addTab(caption);
    m_onglets->setCurrentIndex(ongletPropre);
    m_onglets->setFixedHeight(HauteurOngletPixels);
    m_onglets->raise();
    setFocusProxy(m_onglets);
    connect(m_onglets, &QTabBar::currentChanged, this, [this](int) {
        montrerPage();
        const int precedent = m_precedent;
        m_precedent = Tab();
        emit Click(precedent);
    });
    montrerPage();
}

int NavigationOnglets::Tab() const
{
    return m_onglets->currentIndex();
}

void NavigationOnglets::setTab(int onglet)
{
    m_onglets->setCurrentIndex(onglet);
}

void NavigationOnglets::montrerPage()
{
    m_page->setVisible(Tab() == m_propre);
}

void NavigationOnglets::resizeEvent(QResizeEvent*)
{
    m_page->setGeometry(rect());
    m_onglets->setGeometry(0, 0, width(), HauteurOngletPixels);
}
