#include "cardparts/Nombres.h"

#include "data/Valeurs.h"

#include <QLocale>

#include <cmath>

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
        // Seven significant digits are what a single-precision price holds: 12.3 shows "12,3", not
        // 12.300000190734863, and a million shows whole rather than in exponent form.
        const double d = valeur.toDouble();
        const double grandeur = std::fabs(d);
        const int entiers = grandeur < 1 ? 1 : int(std::floor(std::log10(grandeur))) + 1;
        QString t = l.toString(d, 'f', std::max(0, 7 - entiers));
        const QString virgule = l.decimalPoint();
        if (t.contains(virgule)) {
            while (t.endsWith(QLatin1Char('0')))
                t.chop(1);
            if (t.endsWith(virgule))
                t.chop(virgule.size());
        }
        return t;
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
    // The locale also reads "nan" and "inf": no box takes them, and a NaN would pass every range test.
    if (!ok || !std::isfinite(n))
        return std::nullopt;
    return n;
}

QString FormaterValeur(double valeur)
{
    return localeGroupee().toString(ArrondiEcrit(valeur, 1), 'f', 1);
}

ValeursGrille CalculerValeursLignes(const QList<LigneValeurs>& lignes)
{
    auto lire = [](const QString& texte) { return LireNombreLocal(texte).value_or(0.0); };
    ValeursGrille v;
    for (const LigneValeurs& l : lignes) {
        // Prices are single-precision numbers, valued as the decimal the box shows, as the reports value
        // them: 0,35 is 0.35, not the float's 0.3499999940395355, which would show 0,3.
        const double prix = ValeurSimple(lire(l.prix));
        v.doubles += prix * lire(l.doubles);
        v.collection += prix * lire(l.copies) * (lire(l.qualite) / 100.0);
    }
    return v;
}
