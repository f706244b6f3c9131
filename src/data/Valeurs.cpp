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

QVariant NombreOuTexte(const QString& code)
{
    bool ok = false;
    const qlonglong n = code.toLongLong(&ok);
    return ok ? QVariant(n) : QVariant(code);
}

QString MotifContient(const QString& texte)
{
    QString motif = texte;
    motif.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    motif.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    motif.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + motif + QLatin1Char('%');
}
