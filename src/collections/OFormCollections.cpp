#include "collections/OFormCollections.h"

#include "collections/ActualiserEcransCollection.h"
#include "data/Source.h"
#include "shell/Echelle.h"

#include <QLabel>

OFormCollections::OFormCollections(QWidget* parent)
    : EcranPrincipal(0, QStringLiteral("OFormCollections"), 11895, 7665, parent)
{
    m_texteCollectionOuverte = new QLabel(page());
    m_texteCollectionOuverte->setObjectName(QStringLiteral("TexteCollectionOuverte"));
    Placer(m_texteCollectionOuverte, 5040, 5580, 2775, 195);
    QFont gras = m_texteCollectionOuverte->font();
    gras.setBold(true);
    gras.setPointSizeF(9.75);
    m_texteCollectionOuverte->setFont(gras);

    m_collectionOuverte = new QLabel(page());
    m_collectionOuverte->setObjectName(QStringLiteral("CollectionOuverte"));
    Placer(m_collectionOuverte, 10620, 5760, 915, 195);
    m_collectionOuverte->hide();
}

void OFormCollections::Form_Load()
{
    OuvrirBasePerso();
    m_collectionOuverte->setText(QString());
    m_texteCollectionOuverte->setText(QStringLiteral("- Aucune -"));
    ActualiserEcransCollection();
}

OFormCollections* FormCollections()
{
    return qobject_cast<OFormCollections*>(ChargerEcran(0));
}

QString CodeCollectionOuverte()
{
    OFormCollections* f = FormCollections();
    return f ? f->CollectionOuverte()->text() : QString();
}

void EnregistrerEcransCollections()
{
    EnregistrerEcran(0, [] { return new OFormCollections; });
}
