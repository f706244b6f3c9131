#include "printing/FormatNombre.h"

#include "data/Valeurs.h"

#include <QStringList>

#include <cmath>

namespace {

// The sections of a format, split on the ';' that are not inside quotes.
QStringList sections(const QString& format)
{
    QStringList resultat;
    QString courante;
    bool citation = false;
    for (const QChar c : format) {
        if (c == u'"')
            citation = !citation;
        if (c == u';' && !citation) {
            resultat << courante;
            courante.clear();
        } else {
            courante += c;
        }
    }
    resultat << courante;
    return resultat;
}

// One section applied to a value that is already positive or zero.
QString appliquer(double valeur, const QString& section, const QLocale& locale)
{
    QString avant, apres, motif;
    bool citation = false, dansMotif = false, motifFini = false;
    for (const QChar c : section) {
        if (c == u'"') {
            citation = !citation;
            if (dansMotif)
                motifFini = true;
            continue;
        }
        const bool place = !citation && !motifFini && (c == u'0' || c == u'#' || (dansMotif && (c == u'.' || c == u',')));
        if (place) {
            dansMotif = true;
            motif += c;
        } else {
            if (dansMotif)
                motifFini = true;
            (motifFini ? apres : avant) += c;
        }
    }
    if (motif.isEmpty())
        return avant + apres;

    const int point = motif.indexOf(u'.');
    const QString entier = point < 0 ? motif : motif.left(point);
    const int decimales = point < 0 ? 0 : int(motif.mid(point + 1).count(u'0') + motif.mid(point + 1).count(u'#'));
    const bool grouper = entier.contains(u',');
    QLocale l = locale;
    l.setNumberOptions(grouper ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    return avant + l.toString(ArrondiEcrit(valeur, decimales), 'f', decimales) + apres;
}

}  // namespace

QString FormaterValeur(const QVariant& valeur, const QString& format, const QLocale& locale)
{
    if (valeur.isNull() || !valeur.isValid())
        return {};
    const int type = valeur.typeId();
    const bool nombre = type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::Double
        || type == QMetaType::Float || type == QMetaType::UInt || type == QMetaType::ULongLong;
    double x = 0;
    if (nombre) {
        x = valeur.toDouble();
    } else {
        bool ok = false;
        x = valeur.toString().toDouble(&ok);
        if (!ok || format.isEmpty())
            return valeur.toString();
    }
    if (format.isEmpty()) {
        if (type == QMetaType::Double || type == QMetaType::Float) {
            QLocale l = locale;
            l.setNumberOptions(QLocale::OmitGroupSeparator);
            return l.toString(x, 'f', QLocale::FloatingPointShortest);
        }
        return valeur.toString();
    }

    const QStringList s = sections(format);
    if (x > 0 || std::isnan(x))
        return appliquer(x, s.at(0), locale);
    if (x < 0) {
        if (s.size() > 1 && !s.at(1).isEmpty())
            return appliquer(-x, s.at(1), locale);
        return locale.negativeSign() + appliquer(-x, s.at(0), locale);
    }
    return appliquer(0, s.size() > 2 ? s.at(2) : s.at(0), locale);
}
