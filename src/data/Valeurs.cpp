#include "data/Valeurs.h"

bool EstNul(const QVariant& valeur)
{
    return !valeur.isValid() || valeur.isNull();
}

bool EstVrai(const QVariant& valeur)
{
    if (EstNul(valeur))
        return false;
    if (valeur.typeId() == QMetaType::Bool)
        return valeur.toBool();
    bool ok = false;
    double n = valeur.toDouble(&ok);
    return ok && n != 0.0;
}

QString Texte(const QVariant& valeur)
{
    return EstNul(valeur) ? QString() : valeur.toString();
}

QVariant NulSiVide(const QString& texte)
{
    return texte.isEmpty() ? QVariant() : QVariant(texte);
}
