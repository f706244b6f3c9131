// The quick entry as the collector uses it on a large catalogue: the largest section listed with the open
// collection's marks (the link made and dropped, the result read into a recordset) beside the same
// statement stepped bare on the C API, and the same shown in the screen's list; then a thousand selected stamps ticked and cleared in one go.

#include "Saisie.h"
#include "Mesure.h"
#include "Vue.h"

#include "data/Source.h"
#include "lists/OFormSaisieRapide.h"
#include "lists/SaisieRapide.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

}  // namespace

void MesurerSaisie(const QString& dossier)
{
    Q_UNUSED(dossier);
    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return;
    }
    const QString catalogue = CheminBaseCatalogue();
    const QString rubrique = CnxCatalogue
                                 ->valeur(QStringLiteral("SELECT Rubrique FROM France GROUP BY Rubrique "
                                                         "ORDER BY count(*) DESC LIMIT 1"))
                                 .toString();
    const QString collection = QStringLiteral("2");
    std::printf("\nSaisie rapide, rubrique %s, collection %s\n", qPrintable(rubrique), qPrintable(collection));

    int lignes = 0;
    qint64 somme = 0;
    const auto lier = [&] { CreerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"), catalogue, QStringLiteral("France")); };
    const auto delier = [] { SupprimerTableLiee(*CnxPerso, QStringLiteral("LinkFrance")); };
    const auto nu = [&] {
        somme += InstructionNue(CnxPerso->poignee(), {RequeteListeRapide(true, false), {collection, rubrique}});
    };
    Comparer("rubrique entière, lien, requête et Recordset", "rubrique entière, requête nue sur l'API C", 9,
        [&] {
            Recordset r = OuvrirListeRapide(CnxPerso, catalogue, collection, rubrique, QString());
            lignes = r.RecordCount();
        },
        nu, lier, delier);
    std::printf("(%d timbres listés, somme de contrôle %lld)\n", lignes, static_cast<long long>(somme));
    {
        // The same list as the screen shows it: the rows handed to the view, the first one selected, its
        // thumbnail looked for, then the list painted.
        OFormSaisieRapide ecran;
        Exposer(ecran);
        auto* vue = ecran.findChild<VueResultat*>(QStringLiteral("ListeRapide"));
        CompteurPeintures peintures(vue->viewport());
        Comparer("rubrique entière affichée dans l'écran et peinte", "rubrique entière, requête nue sur l'API C", 9,
            [&] {
                Recordset r = OuvrirListeRapide(CnxPerso, catalogue, collection, rubrique, QString());
                ecran.RemplirListeRapide(r);
                vue->viewport()->repaint();
            },
            nu, lier, delier);
        std::printf("(%d lignes dans la liste, peinte %d fois)\n", vue->nombreLignes(), peintures.nombre());
    }

    // A thousand stamps of the section quoted in N, ticked then cleared, as one selection each time.
    std::vector<DemandeCoche> demandes;
    {
        Recordset cotes = Recordset::Ouvrir(CnxCatalogue,
            QStringLiteral("SELECT F.Dallay FROM France AS F JOIN Cotations2001 AS C ON C.Dallay = F.Dallay "
                           "WHERE F.Rubrique = ? AND C.Neuf IS NOT NULL ORDER BY F.Ordre LIMIT 1000"),
            {rubrique});
        for (; !cotes.Eof(); cotes.MoveNext())
            demandes.push_back({cotes.Champ(0).toString(), true});
    }
    // The rows as they were, put back afterwards so that the bench leaves the collection unchanged.
    const QString sauvegarde = QStringLiteral("CREATE TEMP TABLE AvantBanc AS SELECT * FROM Collection WHERE Collection = ?");
    CnxPerso->executer(QStringLiteral("DROP TABLE IF EXISTS temp.AvantBanc"));
    CnxPerso->executer(sauvegarde, {collection});
    bool marquer = true;
    int ecrits = 0;
    for (int option : {1, 6}) {
        const QString nom = QStringLiteral("%1 timbres cochés ou décochés, option %2")
                                .arg(demandes.size())
                                .arg(option);
        Chronometrer(qPrintable(nom), 10, [&] {
            for (DemandeCoche& d : demandes)
                d.marquer = marquer;
            marquer = !marquer;
            const BilanCoche bilan = CocherTimbres(*CnxPerso, *CnxCatalogue, collection, option, demandes);
            ecrits = int(std::count(bilan.ecrits.begin(), bilan.ecrits.end(), true));
        });
    }
    std::printf("(%d lignes écrites au dernier passage)\n", ecrits);
    {
        Transaction t(*CnxPerso);
        CnxPerso->executer(QStringLiteral("DELETE FROM Collection WHERE Collection = ?"), {collection});
        CnxPerso->executer(QStringLiteral("INSERT INTO Collection SELECT * FROM temp.AvantBanc"));
        t.valider();
    }
    CnxPerso->executer(QStringLiteral("DROP TABLE temp.AvantBanc"));
    LibererConnexions();
}
