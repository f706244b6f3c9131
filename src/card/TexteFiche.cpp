#include "card/TexteFiche.h"

#include "data/Recordset.h"
#include "data/Valeurs.h"

#include <QDate>
#include <QLocale>

namespace {

const QString SautsDeLigne = QStringLiteral("\r\n\r\n");
// Print runs of stamps issued before this day are print runs; later ones count the stamps sold.
const QDate DebutVentes(1986, 1, 1);
const QString AnneeDebutVentes = QStringLiteral("1986");

// A column of the current row; Null when it cannot be read, so that a bad column only loses its own piece.
QVariant champ(const Recordset& france, const QString& colonne)
{
    try {
        return france.Champ(colonne);
    } catch (const ErreurBase&) {
        return {};
    }
}

struct Libelle {
    bool trouve = false;
    QVariant nom;  // may be Null even when the code was found
};

// The name of a code in one lookup table. A Null code is not looked up; a closed catalogue, a failing
// statement or a missing row all count as not found.
Libelle chercher(const ConnexionPtr& catalogue, const QString& sql, const QVariant& code)
{
    Libelle libelle;
    if (EstNul(code) || !catalogue || !catalogue->estOuverte())
        return libelle;
    try {
        Requete r = catalogue->preparer(sql);
        r.lier(1, code);
        if (r.suivante()) {
            libelle.trouve = true;
            libelle.nom = r.colonne(0);
        }
    } catch (const ErreurBase&) {
        libelle = {};
    }
    return libelle;
}

// A size as the regional settings write a plain number: "22,5" in French, "36" for a whole number.
QString texteTaille(const QVariant& valeur)
{
    bool ok = false;
    const double n = valeur.toDouble(&ok);
    if (!ok)
        return Texte(valeur);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(n, 'g', QLocale::FloatingPointShortest);
}

// "#,##0": the nearest whole number, its thousands grouped with the regional grouping symbol
// (always grouped, even under a locale that leaves grouping out by default).
QString texteTirage(const QVariant& valeur)
{
    bool ok = false;
    const double n = valeur.toDouble(&ok);
    if (!ok)
        return Texte(valeur);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(qRound64(n));
}

// -1 before the first day of sales, 1 on or after it, 0 when the column says nothing (Null or no date).
int comparerDate(const QVariant& valeur)
{
    if (EstNul(valeur))
        return 0;
    QDate date = valeur.toDate();
    if (!date.isValid())
        date = QDate::fromString(valeur.toString().left(10), Qt::ISODate);
    if (!date.isValid())
        return 0;
    return date < DebutVentes ? -1 : 1;
}

// The year of issue compares as text, character by character.
int comparerAnnee(const QVariant& valeur)
{
    if (EstNul(valeur))
        return 0;
    return valeur.toString() < AnneeDebutVentes ? -1 : 1;
}

QString ligneTirage(const Recordset& france)
{
    const QVariant tirage = champ(france, QStringLiteral("Tirage"));
    if (EstNul(tirage))
        return {};
    const int date = comparerDate(champ(france, QStringLiteral("DateEmission")));
    const int annee = comparerAnnee(champ(france, QStringLiteral("AnneeEmission")));
    // When the two columns disagree the date of issue decides, being tested first.
    QString debut;
    if (date < 0 || annee < 0)
        debut = QStringLiteral("Tiré à ");
    else if (date > 0 || annee > 0)
        debut = QStringLiteral("Vendu à ");
    else
        return {};
    return debut + texteTirage(tirage) + QStringLiteral(" exemplaires");
}

QString paragraphe(const Recordset& france, const ConnexionPtr& catalogue)
{
    QString texte;
    const Libelle dessinateur =
        chercher(catalogue, QStringLiteral("SELECT LibelleDessinateur FROM Dessinateurs WHERE CodeDessinateur = ?"),
            champ(france, QStringLiteral("ConcuDessinePar")));
    if (dessinateur.trouve)
        texte += QStringLiteral("Dessiné par ") + Texte(dessinateur.nom);

    const QVariant dapres = champ(france, QStringLiteral("dapres"));
    if (!EstNul(dapres))
        texte += QStringLiteral(" d'après ") + Texte(dapres);

    const Libelle graveur =
        chercher(catalogue, QStringLiteral("SELECT LibelleGraveur FROM Graveurs WHERE CodeGraveur = ?"),
            champ(france, QStringLiteral("GravePar")));
    if (graveur.trouve)
        texte += (dessinateur.trouve ? QStringLiteral(" et gravé par ") : QStringLiteral(" Gravé par ")) +
            Texte(graveur.nom);

    const QVariant miseEnPage = champ(france, QStringLiteral("MisenPagePar"));
    if (!EstNul(miseEnPage))
        texte += QStringLiteral(", mis en page par ") + Texte(miseEnPage);
    return texte;
}

QString ligneTechnique(const Recordset& france, const ConnexionPtr& catalogue)
{
    const QVariant dentelure = champ(france, QStringLiteral("Dentelure"));
    QString texte = Texte(dentelure) == QStringLiteral("Non") ? QStringLiteral("Non dentelé")
                                                              : QStringLiteral("Dentelé ") + Texte(dentelure);

    const QVariant format = champ(france, QStringLiteral("Format"));
    if (!EstNul(format))
        texte += QStringLiteral(" de format ") + Texte(format).toLower() + QLatin1Char(' ');

    const QVariant tailleH = champ(france, QStringLiteral("TailleH"));
    if (!EstNul(tailleH))
        texte += texteTaille(tailleH) + QStringLiteral("mm");
    const QVariant tailleV = champ(france, QStringLiteral("TailleV"));
    if (!EstNul(tailleV))
        texte += QStringLiteral(" x ") + texteTaille(tailleV) + QStringLiteral("mm");

    const Libelle impression =
        chercher(catalogue, QStringLiteral("SELECT ImprimeEn FROM TypesImpression WHERE CodeImprimeEn = ?"),
            champ(france, QStringLiteral("ImprimeEn")));
    if (impression.trouve)
        texte += QStringLiteral(", imprimé en ") + Texte(impression.nom);

    const QVariant parFeuille = champ(france, QStringLiteral("TimbresParFeuille"));
    if (!EstNul(parFeuille))
        texte += QStringLiteral(", présenté en ") + Texte(parFeuille);
    return texte;
}

}  // namespace

TexteDescriptif ComposerTexteDescriptif(const Recordset& france, const ConnexionPtr& catalogue)
{
    TexteDescriptif resultat;

    const Libelle serie = chercher(catalogue, QStringLiteral("SELECT LibelleSerie FROM Series WHERE CodeSerie = ?"),
        champ(france, QStringLiteral("Serie")));
    if (serie.trouve)
        resultat.serie = Texte(serie.nom);

    QString texte = paragraphe(france, catalogue);
    const QVariant usage = champ(france, QStringLiteral("Usage"));
    const QStringList lignes = {ligneTirage(france), ligneTechnique(france, catalogue),
        EstNul(usage) ? QString() : QStringLiteral("Usage :  ") + Texte(usage)};
    for (const QString& ligne : lignes) {
        if (!ligne.isEmpty())
            texte += SautsDeLigne + ligne;
    }
    resultat.texteFinal = texte;
    return resultat;
}
