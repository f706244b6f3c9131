#pragma once
// The nine-tab bar that every main screen carries. The screen's own controls lie on its own tab; the
// eight other tabs hold nothing. Choosing a tab raises Click, whether the user or code chose it.

#include <QStringList>
#include <QTabBar>
#include <QWidget>

inline const QStringList CaptionsOnglets = {QStringLiteral("Collections"), QStringLiteral("Fiches"),
    QStringLiteral("Recherche"), QStringLiteral("Saisie rapide"), QStringLiteral("Manques"), QStringLiteral("Doubles"),
    QStringLiteral("Tarifs"), QStringLiteral("Thématique"), QStringLiteral("Lexique")};
inline constexpr int NombreOnglets = 9;
inline constexpr int HauteurOngletTwips = 520;

class NavigationOnglets : public QWidget {
    Q_OBJECT
public:
    NavigationOnglets(int ongletPropre, QWidget* parent = nullptr);

    int Tab() const;
    void setTab(int onglet);
    // The area of the own tab: controls are placed on it in twips from the bar's top-left corner.
    QWidget* page() const { return m_page; }
    QTabBar* onglets() const { return m_onglets; }

signals:
    void Click(int ongletPrecedent);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void montrerPage();

    int m_propre;
    int m_precedent;
    QTabBar* m_onglets;
    QWidget* m_page;
};
