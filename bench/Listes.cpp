// The want list, the duplicates list and their keyword variants as the collector builds them on a large
// catalogue, each against its own statement stepped bare on the C API with the links already made, so
// the ratio says what the links and the recordset add to the query itself.

#include "Listes.h"
#include "Mesure.h"
#include "Vue.h"

#include "data/Source.h"
#include "lists/EcranListe.h"
#include "lists/RequetesListes.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void comparer(const char* nom, const ListeConstruite& construite)
{
    if (construite.refus != Refus::Aucun) {
        std::printf("%s : refusée\n", nom);
        return;
    }
    std::printf("\n%s\n", nom);
    const QString catalogue = CheminBaseCatalogue();
    const QList<LienCatalogue> liens = LiensListe(construite.genre);
    // The bare statement reads the links the program makes for itself: made before it, untimed.
    const auto lier = [&] {
        for (const LienCatalogue& l : liens)
            CreerTableLiee(*CnxPerso, l.nom, catalogue, l.table);
    };
    const auto delier = [&] {
        for (const LienCatalogue& l : liens)
            SupprimerTableLiee(*CnxPerso, l.nom);
    };
    qint64 somme = 0;
    const auto nu = [&] { somme += InstructionNue(CnxPerso->poignee(), construite.liste); };
    int lignes = 0;
    Comparer("  liens, requête et Recordset, comme l'écran", "  requête nue sur l'API C (liens déjà faits)", 9,
        [&] {
            Recordset r = OuvrirListe(construite.genre, construite.liste);
            lignes = r.RecordCount();
        },
        nu, lier, delier);
    std::printf("  (%d lignes, somme de contrôle %lld)\n", lignes, static_cast<long long>(somme));
    // The whole build as the screen makes it, from the click to the list painted: the rows of the last
    // build released, the result handed to the list view of the screen's size and columns, then painted.
    VueEcran ecranListe(4335, 5820,
        {{"Dallay", 800}, {"Désignation", 3350}, {"N**", 500}, {"N*", 400}, {"NSG", 500}, {"O", 400}, {"L", 400}});
    VueResultat& vue = ecranListe.vue();
    Comparer("  liens, requête, Recordset, liste de l'écran remplie et peinte",
        "  requête nue sur l'API C (liens déjà faits)", 9,
        [&] {
            vue.viderLignes();
            Recordset r = OuvrirListe(construite.genre, construite.liste);
            RemplirResultat(vue, std::move(r));
            ecranListe.peindre();
        },
        nu, lier, delier);
    std::printf("  (%d lignes dans la liste, peinte %d fois)\n", vue.nombreLignes(), ecranListe.peintures());
}

}  // namespace

void MesurerListes(const QString& dossier)
{
    Q_UNUSED(dossier);
    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return;
    }
    OptionsListe o;
    o.collection = QStringLiteral("2");
    {
        Recordset rubriques = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT Code_Rubrique FROM Rubriques ORDER BY Ordre"));
        for (; !rubriques.Eof(); rubriques.MoveNext())
            o.rubriques << rubriques.Champ(0).toString();
    }
    // The screen's defaults: mint wanted, NC accepted before 1900, NSG accepted.
    o.etats.neuf = true;
    o.etats.accepterNC = true;
    o.etats.anneeNC = QStringLiteral("1900");
    o.etats.accepterNSG = true;
    std::printf("\nListes de la collection %s, toutes rubriques\n", qPrintable(o.collection));
    comparer("Mancoliste, neufs (défauts de l'écran)", ConstruireManques(o));
    OptionsListe tout = o;
    tout.etats.oblitere = true;
    tout.etats.lettre = true;
    comparer("Mancoliste, neufs, oblitérés et sur lettre", ConstruireManques(tout));
    comparer("Dispoliste", ConstruireDoubles(o));
    OptionsListe motCle = tout;
    motCle.motCle = QStringLiteral("V");
    comparer("Mancoliste des variétés, mot-clé \"V\"", ConstruireManquesMotCle(motCle));
    comparer("Dispoliste des variétés, mot-clé \"V\"", ConstruireDoublesMotCle(motCle));
    LibererConnexions();
}
