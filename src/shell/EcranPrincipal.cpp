#include "shell/EcranPrincipal.h"

#include "shell/Echelle.h"

#include <QPointer>

#include <array>

namespace {

struct Registre {
    std::array<FabriqueEcran, NombreOnglets> fabriques;
    std::array<QPointer<EcranPrincipal>, NombreOnglets> ecrans;
    QPointer<QWidget> conteneur;
    QList<int> ordre;
};

Registre& registre()
{
    static Registre r;
    return r;
}

}  // namespace

EcranPrincipal::EcranPrincipal(int onglet, const QString& nom, int largeurTwips, int hauteurTwips, QWidget* parent)
    : QWidget(parent), m_onglet(onglet)
{
    setObjectName(nom);
    setAutoFillBackground(true);
    DimensionnerEcran(this, largeurTwips, hauteurTwips);
    m_barre = new NavigationOnglets(onglet, this);
    m_barre->setObjectName(QStringLiteral("SSTab%1").arg(onglet + 1));
    Placer(m_barre, 0, 0, largeurTwips, hauteurTwips);
    connect(m_barre, &NavigationOnglets::Click, this, [this](int) { SSTab_Click(); });
}

void EcranPrincipal::Charger()
{
    if (m_charge)
        return;
    m_charge = true;
    AppliquerEchelle(this, !garderPosition());
    Form_Load();
}

void EcranPrincipal::SSTab_Click()
{
    const int i = m_barre->Tab();
    if (i == m_onglet || i < 0 || i >= NombreOnglets)
        return;
    if (!AvantChangementEcran()) {
        // The bar raises its click again, finds its own tab and does nothing.
        m_barre->setTab(m_onglet);
        return;
    }
    EcranPrincipal* cible = ChargerEcran(i);
    if (!cible)
        return;
    // The target is shown before the others are hidden, so the main window never shows an empty area.
    cible->show();
    cible->raise();
    for (int j = 0; j < NombreOnglets; ++j) {
        if (j == i)
            continue;
        if (EcranPrincipal* autre = ChargerEcran(j))
            autre->hide();
    }
    // Setting the target's bar raises its click, which finds its own tab and does nothing.
    cible->barre()->setTab(i);
    cible->barre()->setFocus();
    cible->Form_Activate();
}

void EnregistrerEcran(int onglet, FabriqueEcran fabrique)
{
    registre().fabriques.at(onglet) = std::move(fabrique);
}

EcranPrincipal* EcranSiCharge(int onglet)
{
    if (onglet < 0 || onglet >= NombreOnglets)
        return nullptr;
    return registre().ecrans.at(onglet).data();
}

EcranPrincipal* ChargerEcran(int onglet)
{
    if (onglet < 0 || onglet >= NombreOnglets)
        return nullptr;
    Registre& r = registre();
    if (EcranPrincipal* present = r.ecrans.at(onglet).data())
        return present;  // loaded, or loading: a screen referred to during its own load is itself
    if (!r.fabriques.at(onglet))
        return nullptr;
    EcranPrincipal* ecran = r.fabriques.at(onglet)();
    if (r.conteneur)
        ecran->setParent(r.conteneur, Qt::Widget);
    r.ecrans.at(onglet) = ecran;
    r.ordre << onglet;
    ecran->Charger();
    ecran->show();
    ecran->raise();
    return ecran;
}

void DefinirConteneurEcrans(QWidget* conteneur)
{
    registre().conteneur = conteneur;
}

QList<int> OrdreDeChargement()
{
    return registre().ordre;
}

void DechargerEcrans()
{
    Registre& r = registre();
    for (auto& e : r.ecrans) {
        delete e.data();
        e.clear();
    }
    r.ordre.clear();
}
