#include "data/Valeurs.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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

double ArrondiEcrit(double valeur, int decimales)
{
    if (!std::isfinite(valeur) || valeur == 0)
        return valeur;

    // to_chars rather than snprintf: the C library's locale follows the user's, and would put a comma
    // in the digits.
    char texte[32];
    const auto ecrit = std::to_chars(texte, texte + sizeof texte, std::fabs(valeur), std::chars_format::scientific, 14);
    const std::string_view t(texte, std::size_t(ecrit.ptr - texte));  // d.dddddddddddddde[+-]xx
    std::string chiffres;
    chiffres += t[0];
    chiffres += t.substr(2, 14);
    const std::string_view exposantTexte = t.substr(t.find('e') + 1);
    int exposant = 0;
    std::from_chars(
        exposantTexte.data() + (exposantTexte[0] == '+'), exposantTexte.data() + exposantTexte.size(), exposant);

    // The digits kept, down to the last decimal place; the next one decides.
    const int gardes = exposant + 1 + decimales;
    if (gardes >= 15)
        return valeur;  // the 15 digits all lie within the places: nothing to round, it prints as it always did
    if (gardes < 0)
        return valeur;  // under a tenth of the last place: it writes as zero, as it always did

    std::string entier = chiffres.substr(0, std::size_t(gardes));
    if (chiffres[std::size_t(gardes)] >= '5') {
        int i = gardes - 1;
        for (; i >= 0 && entier[std::size_t(i)] == '9'; --i)
            entier[std::size_t(i)] = '0';
        if (i >= 0)
            ++entier[std::size_t(i)];
        else
            entier.insert(entier.begin(), '1');
    }
    // A negative that rounds to zero keeps its own value: QLocale writes it "-0,0" as before, where -0.0
    // itself would come out "0,0".
    if (entier.find_first_not_of('0') == std::string::npos)
        return valeur;

    // The kept digits are a whole number of units of the last place.
    const std::string decimal = entier + 'e' + std::to_string(-decimales);
    double resultat = 0;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), resultat);
    return std::copysign(resultat, valeur);
}

double ValeurSimple(double valeur)
{
    const double grandeur = std::fabs(valeur);
    if (!std::isfinite(valeur) || grandeur > double(std::numeric_limits<float>::max()) ||
        grandeur < double(std::numeric_limits<float>::min()))
        return valeur;  // zero, or what single precision cannot hold: no float's decimal to take
    // The float's shortest form, read back as a double: to_chars and from_chars for the same reason as
    // above, the C library's locale.
    char texte[32];
    const auto ecrit = std::to_chars(texte, texte + sizeof texte, float(valeur));
    double resultat = valeur;
    std::from_chars(texte, ecrit.ptr, resultat);
    return resultat;
}
