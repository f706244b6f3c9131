#include "card/Nombres.h"

#include "data/Valeurs.h"

#include <QLocale>

namespace {

QLocale localeGroupee()
{
    QLocale l;
    l.setNumberOptions(l.numberOptions() & ~QLocale::OmitGroupSeparator);
    return l;
}

}  // namespace

QString TexteNombre(const QVariant& valeur)
{
    if (EstNul(valeur))
        return {};
    switch (valeur.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(valeur.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        QLocale l;
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        // A price stored in single precision shows as typed: 12.3 and not 12.300000190734863.
        const double d = valeur.toDouble();
        const float f = float(d);
        if (double(f) == d)
            return l.toString(f, 'g', 7);
        return l.toString(d, 'g', 15);
    }
    default:
        return valeur.toString();
    }
}

std::optional<double> LireNombreLocal(const QString& texte)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double n = QLocale().toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return n;
}

QString FormaterValeur(double valeur)
{
    return localeGroupee().toString(valeur, 'f', 1);
}

ValeursGrille CalculerValeursLignes(const QList<LigneValeurs>& lignes)
{
    auto lire = [](const QString& texte) { return LireNombreLocal(texte).value_or(0.0); };
    ValeursGrille v;
    for (const LigneValeurs& l : lignes) {
        const double prix = double(float(lire(l.prix)));  // prices are single-precision numbers
        v.doubles += prix * lire(l.doubles);
        v.collection += prix * lire(l.copies) * (lire(l.qualite) / 100.0);
    }
    return v;
}
