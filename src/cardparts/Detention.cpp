#include "cardparts/Detention.h"

#include "cardparts/Nombres.h"
#include "data/Connexion.h"
#include "data/Recordset.h"
#include "data/Valeurs.h"

std::optional<int> LireCompte(const QString& texte, int maximum)
{
    const std::optional<double> n = LireNombreLocal(texte);
    if (!n || *n < 0 || *n > maximum || *n != double(qint64(*n)))
        return std::nullopt;
    return int(*n);
}

std::optional<double> LireQualite(const QString& texte)
{
    const std::optional<double> n = LireNombreLocal(texte);
    if (!n || *n < 0 || *n > 300)
        return std::nullopt;
    return n;
}

DetentionSaisie DetentionStockee(const Recordset& ligne, const QStringList& suffixes, int maximumQuantite)
{
    const bool present = ligne.estOuvert() && !ligne.Eof() && !ligne.Bof();
    auto lire = [&](const QString& colonne) {
        return present && ligne.AColonne(colonne) ? ligne.Champ(colonne) : QVariant();
    };
    // The same texts the grid shows, read back by the same readers as its saisie().
    auto compte = [&](const QVariant& v) -> QVariant {
        if (EstNul(v))
            return {};
        const std::optional<int> n = LireCompte(TexteNombre(v), maximumQuantite);
        return n ? QVariant(*n) : v;
    };
    DetentionSaisie s;
    for (const QString& x : suffixes) {
        LigneSaisie l;
        l.possede = EstVrai(lire(QStringLiteral("Qte") + x));
        if (l.possede) {
            l.copies = compte(lire(QStringLiteral("Qtes") + x));
            const QVariant etat = lire(QStringLiteral("Etat") + x);
            if (!EstNul(etat)) {
                const std::optional<double> q = LireQualite(TexteNombre(etat));
                l.qualite = q ? QVariant(*q) : etat;
            }
        }
        l.doubles = compte(lire(QStringLiteral("QteDouble") + x));
        s.lignes << l;
    }
    s.nePasAcquerir = EstVrai(lire(QStringLiteral("NePasAcquerir")));
    s.commentaire = Texte(lire(QStringLiteral("commentaire")));
    return s;
}

DetentionSaisie FusionnerDetention(
    const DetentionSaisie& stockee, const DetentionSaisie& lue, const DetentionSaisie& saisie)
{
    DetentionSaisie f = stockee;
    for (int i = 0; i < f.lignes.size() && i < lue.lignes.size() && i < saisie.lignes.size(); ++i) {
        const LigneSaisie& avant = lue.lignes.at(i);
        const LigneSaisie& apres = saisie.lignes.at(i);
        LigneSaisie& l = f.lignes[i];
        if (apres.possede != avant.possede || apres.copies != avant.copies || apres.qualite != avant.qualite) {
            l.possede = apres.possede;
            l.copies = apres.copies;
            l.qualite = apres.qualite;
        }
        if (apres.doubles != avant.doubles)
            l.doubles = apres.doubles;
    }
    if (saisie.nePasAcquerir != lue.nePasAcquerir)
        f.nePasAcquerir = saisie.nePasAcquerir;
    if (saisie.commentaire != lue.commentaire)
        f.commentaire = saisie.commentaire;
    return f;
}

void EcrireDetention(const Connexion& cnx, const QString& table, const QString& collection, const QString& dallay,
    const QStringList& suffixes, const DetentionSaisie& saisie)
{
    QStringList colonnes = {QStringLiteral("Collection"), QStringLiteral("Dallay")};
    QVariantList valeurs = {collection.toLongLong(), dallay};
    for (int i = 0; i < suffixes.size(); ++i) {
        const QString& x = suffixes.at(i);
        const LigneSaisie& l = saisie.lignes.at(i);
        colonnes << QStringLiteral("Qte") + x << QStringLiteral("Qtes") + x << QStringLiteral("Etat") + x
                 << QStringLiteral("QteDouble") + x;
        valeurs << (l.possede ? VRAI : FAUX) << l.copies << l.qualite << l.doubles;
    }
    colonnes << QStringLiteral("NePasAcquerir") << QStringLiteral("commentaire");
    valeurs << (saisie.nePasAcquerir ? VRAI : FAUX) << saisie.commentaire;
    QStringList miseAJour;
    for (int i = 2; i < colonnes.size(); ++i)
        miseAJour << colonnes.at(i) + QStringLiteral(" = excluded.") + colonnes.at(i);
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (Dallay, Collection) DO UPDATE SET %4")
                            .arg(table, colonnes.join(QStringLiteral(", ")),
                                QStringList(colonnes.size(), QStringLiteral("?")).join(QStringLiteral(", ")),
                                miseAJour.join(QStringLiteral(", ")));
    cnx.executer(sql, valeurs);
}
