#include "lists/SaisieRapide.h"

#include "data/Conditions.h"
#include "data/Source.h"
#include "data/Valeurs.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>

namespace {

const QString LienFrance = QStringLiteral("LinkFrance");

// The marks in list order, each the alias of one stored Yes/No column: one per condition, then the
// "do not acquire" flag.
const QList<std::pair<QString, QString>> Marques = [] {
    QList<std::pair<QString, QString>> m;
    for (const Condition& c : Conditions)
        m.append({c.marqueSaisie, QStringLiteral("Qte") + c.suffixe});
    m.append({QStringLiteral("NPA"), QStringLiteral("NePasAcquerir")});
    return m;
}();

const std::array<OptionCoche, NombreOptionsCoche> Options = [] {
    std::array<OptionCoche, NombreOptionsCoche> o;
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        const Condition& c = Conditions[i];
        o[i] = {c.optionSaisie, c.colonneSaisie, c.colonneCote, QStringLiteral("Qte") + c.suffixe,
            QStringLiteral("Etat") + c.suffixe, QStringLiteral("Qtes") + c.suffixe};
    }
    o[Conditions.size()] = {QStringLiteral("Ne pas acquérir (NON)"), 8, QString(), QStringLiteral("NePasAcquerir"),
        QString(), QString()};
    return o;
}();

// How many refused numbers a message names before it only counts the rest.
constexpr int NumerosNommes = 30;

}  // namespace

QString RequeteListeRapide(bool avecRubrique, bool avecAnnee)
{
    QString sql = QStringLiteral("SELECT F.Dallay, F.AnneeEmission, F.DesignationCourt");
    for (const auto& [alias, colonne] : Marques)
        sql += QStringLiteral(", CASE WHEN C.%1 = -1 THEN 'x' END AS %2").arg(colonne, alias);
    sql += QStringLiteral(" FROM LinkFrance AS F LEFT JOIN Collection AS C ON C.Dallay = F.Dallay AND C.Collection = ?");
    QStringList criteres;
    if (avecRubrique)
        criteres << QStringLiteral("F.Rubrique = ?");
    if (avecAnnee)
        criteres << QStringLiteral("F.AnneeEmission = ?");
    if (!criteres.isEmpty())
        sql += QStringLiteral(" WHERE ") + criteres.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY F.Ordre");
    return sql;
}

Recordset OuvrirListeRapide(const ConnexionPtr& perso, const QString& cheminCatalogue, const QString& collection,
    const QString& rubrique, const QString& annee)
{
    QVariantList valeurs = {collection};
    if (!rubrique.isEmpty())
        valeurs << rubrique;
    if (!annee.isEmpty())
        valeurs << annee;
    CreerTableLiee(*perso, LienFrance, cheminCatalogue, QStringLiteral("France"));
    Recordset liste;
    try {
        liste = Recordset::Ouvrir(perso, RequeteListeRapide(!rubrique.isEmpty(), !annee.isEmpty()), valeurs);
    } catch (const ErreurBase&) {
        SansEchec([&] { SupprimerTableLiee(*perso, LienFrance); });
        throw;
    }
    SupprimerTableLiee(*perso, LienFrance);
    return liste;
}

Recordset OuvrirAnneesRapide(const ConnexionPtr& catalogue, const QString& rubrique)
{
    if (rubrique.isEmpty())
        return Recordset::Ouvrir(catalogue,
            QStringLiteral("SELECT DISTINCT AnneeEmission FROM France WHERE AnneeEmission IS NOT NULL "
                           "ORDER BY AnneeEmission"));
    return Recordset::Ouvrir(catalogue,
        QStringLiteral("SELECT DISTINCT AnneeEmission FROM France WHERE Rubrique = ? AND AnneeEmission IS NOT NULL "
                       "ORDER BY AnneeEmission"),
        {rubrique});
}

const OptionCoche& OptionDeCoche(int index)
{
    return Options.at(std::size_t(std::clamp(index, 1, NombreOptionsCoche) - 1));
}

BilanCoche CocherTimbres(const Connexion& perso, const Connexion& catalogue, const QString& collection, int option,
    const std::vector<DemandeCoche>& demandes)
{
    const OptionCoche& o = OptionDeCoche(option);
    BilanCoche bilan;
    bilan.ecrits.assign(demandes.size(), false);
    if (demandes.empty())
        return bilan;

    // Which requests may be written: every one for the flag, the quoted ones otherwise.
    std::vector<bool> cotes(demandes.size(), true);
    if (!o.prix.isEmpty()) {
        try {
            Requete cote = catalogue.preparer(
                QStringLiteral("SELECT %1 FROM Cotations2001 WHERE Dallay = ?").arg(o.prix));
            for (std::size_t i = 0; i < demandes.size(); ++i) {
                cote.reinitialiser();
                cote.lier(1, demandes[i].dallay);
                cotes[i] = cote.suivante() && !cote.colonne(0).isNull();
                if (!cotes[i])
                    bilan.nonCotes << demandes[i].dallay;
            }
        } catch (const ErreurBase& e) {
            // Without the quotations nothing can be decided: nothing is written.
            bilan.nonCotes.clear();
            bilan.erreur = e.message();
            return bilan;
        }
    }

    QStringList colonnes = {QStringLiteral("Collection"), QStringLiteral("Dallay"), o.possede};
    if (!o.qualite.isEmpty())
        colonnes << o.qualite << o.copies;
    QStringList miseAJour, marques;
    for (const QString& c : colonnes) {
        miseAJour << QStringLiteral("%1 = excluded.%1").arg(c);
        marques << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO Collection (%1) VALUES (%2) ON CONFLICT (Dallay, Collection) "
                                       "DO UPDATE SET %3")
                            .arg(colonnes.join(QStringLiteral(", ")), marques.join(QStringLiteral(", ")),
                                miseAJour.join(QStringLiteral(", ")));

    std::vector<bool> ecrits(demandes.size(), false);
    try {
        Transaction transaction(perso);
        Requete ecriture = perso.preparer(sql);
        for (std::size_t i = 0; i < demandes.size(); ++i) {
            if (!cotes[i])
                continue;
            const DemandeCoche& d = demandes[i];
            QVariantList valeurs = {collection, d.dallay, d.marquer ? VRAI : FAUX};
            if (!o.qualite.isEmpty()) {
                valeurs << (d.marquer ? QVariant(100) : QVariant()) << (d.marquer ? QVariant(1) : QVariant());
            }
            try {
                ecriture.reinitialiser();
                ecriture.lierTout(valeurs);
                while (ecriture.suivante()) { }
                ecrits[i] = true;
            } catch (const ErreurBase& e) {
                if (bilan.erreur.isEmpty())
                    bilan.erreur = e.message();
                // Some failures end the transaction itself: what follows would no longer be one unit.
                if (sqlite3_get_autocommit(perso.poignee()))
                    throw;
            }
        }
        transaction.valider();
        bilan.ecrits = ecrits;
    } catch (const ErreurBase& e) {
        if (bilan.erreur.isEmpty())
            bilan.erreur = e.message();
        bilan.ecrits.assign(demandes.size(), false);
    }
    return bilan;
}

QString MessageNonCotes(const QStringList& nonCotes, int nombreSelectionnes)
{
    const QString texte = QStringLiteral("Cet état n'est pas coté");
    if (nonCotes.isEmpty())
        return QString();
    if (nombreSelectionnes <= 1)
        return texte;
    QString liste = nonCotes.mid(0, NumerosNommes).join(QStringLiteral(", "));
    if (nonCotes.size() > NumerosNommes)
        liste += QStringLiteral(" et %1 autres").arg(nonCotes.size() - NumerosNommes);
    return texte + QStringLiteral(" : ") + liste;
}
