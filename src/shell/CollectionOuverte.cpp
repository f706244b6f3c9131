#include "shell/CollectionOuverte.h"

EtatCollectionOuverte& LaCollectionOuverte()
{
    static EtatCollectionOuverte etat;
    return etat;
}

void EtatCollectionOuverte::definir(const QString& code, const QString& nom)
{
    m_code = code;
    m_nom = nom;
    emit changee();
}

void EtatCollectionOuverte::demarrer()
{
    definir(QString(), QStringLiteral("- Aucune -"));
}

void EtatCollectionOuverte::ouvrir(const QString& code, const QString& nom)
{
    definir(code, nom);
}

void EtatCollectionOuverte::fermer()
{
    definir(QString(), QString());
}

void EtatCollectionOuverte::renommer(const QString& nom)
{
    m_nom = nom;
    emit renommee();
}
