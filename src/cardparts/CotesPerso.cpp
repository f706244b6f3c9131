#include "cardparts/CotesPerso.h"

#include "data/Connexion.h"

#include <QStringList>
#include <QVariant>

void EcrireCotesPerso(const Connexion& cnx, const QString& dallay, const QString& collection, const QList<PrixPerso>& prix)
{
    QStringList colonnes = {QStringLiteral("Dallay"), QStringLiteral("Collection")};
    QVariantList valeurs = {dallay, collection.toLongLong()};
    QStringList miseAJour;
    for (const PrixPerso& p : prix) {
        colonnes << p.colonne;
        // Prices are single-precision numbers: what is stored is what the box shows once read back.
        valeurs << (p.prix ? QVariant(double(float(*p.prix))) : QVariant());
        miseAJour << p.colonne + QStringLiteral(" = excluded.") + p.colonne;
    }
    const QString conflit = miseAJour.isEmpty() ? QStringLiteral("DO NOTHING")
                                                : QStringLiteral("DO UPDATE SET ") + miseAJour.join(QStringLiteral(", "));
    cnx.executer(QStringLiteral("INSERT INTO CotationsP (%1) VALUES (%2) ON CONFLICT (Dallay, Collection) %3")
                     .arg(colonnes.join(QStringLiteral(", ")),
                         QStringList(colonnes.size(), QStringLiteral("?")).join(QStringLiteral(", ")), conflit),
        valeurs);
}
