#include "shell/CollectionOuverte.h"

#include "shell/EcranPrincipal.h"

#include <QLabel>

QWidget* ControleEcranBrut(int onglet, const QString& nom)
{
    EcranPrincipal* ecran = ChargerEcran(onglet);
    return ecran ? ecran->findChild<QWidget*>(nom) : nullptr;
}

QString CaptionCollectionOuverte()
{
    const QLabel* etiquette = ControleEcran<QLabel>(0, QStringLiteral("CollectionOuverte"));
    return etiquette ? etiquette->text() : QString();
}

bool CollectionEstOuverte()
{
    return !CaptionCollectionOuverte().isEmpty();
}
