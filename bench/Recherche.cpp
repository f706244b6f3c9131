// The stamp search in its variants and the variety search as the collector runs them on a large
// catalogue: the links, the list and thumbnail statements, the recordsets and the list view filled,
// against the same statements stepped bare on the C API with the links already made.

#include "Recherche.h"
#include "Mesure.h"
#include "Vue.h"

#include "data/Source.h"
#include "data/Valeurs.h"
#include "search/OFormRecherche.h"
#include "search/Recherche.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The result list as the screen fills it, painted: the rows handed to the view with the screen's cells,
// the first row current, then the view painted, which reads the texts of the rows it shows.
void remplir(VueEcran& ecran, Recordset&& r, std::vector<CelluleResultat> cellules)
{
    ecran.vue().afficherResultat(std::move(r), std::move(cellules));
    ecran.vue().definirLigneCourante(0);
    ecran.peindre();
}

void comparer(const char* nom, const CriteresRecherche& c, VueEcran& affichage)
{
    std::printf("\n%s\n", nom);
    const RechercheConstruite r = ConstruireRecherche(c);
    CreerLiensRecherche(*CnxPerso);
    qint64 somme = 0;
    const Mesure nu = Chronometrer("  les deux requêtes nues sur l'API C (liens déjà faits)", 9, [&] {
        somme += InstructionNue(CnxPerso->poignee(), r.liste);
        somme += InstructionNue(CnxPerso->poignee(), r.miniatures);
    });
    SupprimerLiensRecherche(*CnxPerso);
    int lignes = 0;
    const int peintures = affichage.peintures();
    const Mesure ecran = Chronometrer("  liens, requêtes, Recordsets, liste remplie et peinte", 9, [&] {
        affichage.vue().viderLignes();
        CreerLiensRecherche(*CnxPerso);
        Recordset liste = r.liste.ouvrir(CnxPerso);
        Recordset numeros = r.miniatures.ouvrir(CnxPerso);
        SupprimerLiensRecherche(*CnxPerso);
        lignes = liste.RecordCount();
        std::vector<CelluleResultat> cellules = CellulesTimbres(liste);
        remplir(affichage, std::move(liste), std::move(cellules));
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport écran / requêtes nues",
        ecran.meilleur / nu.meilleur, ecran.median / nu.median);
    std::printf("  (%d lignes, somme de contrôle %lld, liste peinte %d fois)\n", lignes, static_cast<long long>(somme),
        affichage.peintures() - peintures);
}

}  // namespace

void MesurerRecherche(const QString& dossier)
{
    Q_UNUSED(dossier);
    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return;
    }
    // The search screen's list, its size and columns.
    VueEcran vue(6840, 4440, {{"Dallay", 1000}, {"Année", 700}, {"Désignation", 5000}});
    std::printf("\nRecherche\n");
    comparer("Tous les timbres, sans critère", {}, vue);
    CriteresRecherche collection;
    collection.maCollection = true;
    collection.collection = QStringLiteral("2");
    comparer("Ma collection (2), sans critère", collection, vue);
    CriteresRecherche theme;
    theme.theme = QStringLiteral("1");
    theme.nomTheme = QStringLiteral("Thème 1");
    comparer("Tous les timbres, un thème", theme, vue);
    CriteresRecherche themeCollection = collection;
    themeCollection.theme = theme.theme;
    comparer("Ma collection (2), un thème", themeCollection, vue);
    CriteresRecherche motCle;
    motCle.motCle = QStringLiteral("n° 1");
    comparer("Tous les timbres, mot-clé \"n° 1\"", motCle, vue);

    std::printf("\nVariétés, mot-clé \"Variété 2\"\n");
    const Instruction varietes = RequeteVarietes(QStringLiteral("Variété 2"));
    qint64 somme = 0;
    const Mesure nu = Chronometrer(
        "  requête nue sur l'API C", 9, [&] { somme += InstructionNue(CnxCatalogue->poignee(), varietes); });
    // The variety list has a column more than the stamps'.
    vue.colonnes({{"Reference", 1000}, {"Dallay", 1000}, {"Année", 700}, {"Désignation", 5000}});
    int lignes = 0;
    const int peintures = vue.peintures();
    const Mesure ecran = Chronometrer("  requête, Recordset, liste remplie et peinte", 9, [&] {
        vue.vue().viderLignes();
        Recordset r = varietes.ouvrir(CnxCatalogue);
        lignes = r.RecordCount();
        std::vector<CelluleResultat> cellules = CellulesVarietes(r);
        remplir(vue, std::move(r), std::move(cellules));
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport écran / requête nue",
        ecran.meilleur / nu.meilleur, ecran.median / nu.median);
    std::printf("  (%d lignes, somme de contrôle %lld, liste peinte %d fois)\n", lignes, static_cast<long long>(somme),
        vue.peintures() - peintures);
    LibererConnexions();
}
