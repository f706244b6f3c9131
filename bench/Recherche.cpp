// The stamp search in its variants and the variety search as the collector runs them on a large
// catalogue: the links, the list and thumbnail statements, the recordsets and the list view filled,
// against the same statements stepped bare on the C API with the links already made.

#include "Recherche.h"
#include "Mesure.h"

#include "data/Source.h"
#include "data/Valeurs.h"
#include "search/Recherche.h"
#include "shell/Controles.h"

#include <QElapsedTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The result list as the screen fills it: every row made first, then given to the view at once.
void remplir(VueListe& vue, Recordset& r)
{
    vue.viderLignes();
    QList<QTreeWidgetItem*> lignes;
    lignes.reserve(r.RecordCount());
    for (r.MoveFirst(); !r.Eof(); r.MoveNext())
        lignes << new QTreeWidgetItem(QStringList {Texte(r.Champ(0)), Texte(r.Champ(1)), Texte(r.Champ(2))});
    vue.addTopLevelItems(lignes);
}

void comparer(const char* nom, const CriteresRecherche& c, VueListe& vue)
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
    const Mesure ecran = Chronometrer("  liens, requêtes, Recordsets et liste remplie", 9, [&] {
        CreerLiensRecherche(*CnxPerso);
        Recordset liste = r.liste.ouvrir(CnxPerso);
        Recordset numeros = r.miniatures.ouvrir(CnxPerso);
        SupprimerLiensRecherche(*CnxPerso);
        remplir(vue, liste);
        lignes = liste.RecordCount();
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport écran / requêtes nues",
        ecran.meilleur / nu.meilleur, ecran.median / nu.median);
    std::printf("  (%d lignes, somme de contrôle %lld)\n", lignes, static_cast<long long>(somme));
}

}  // namespace

void MesurerRecherche(const QString& dossier)
{
    Q_UNUSED(dossier);
    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return;
    }
    VueListe vue;
    vue.show();
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
    int lignes = 0;
    const Mesure ecran = Chronometrer("  requête et Recordset", 9, [&] {
        Recordset r = varietes.ouvrir(CnxCatalogue);
        lignes = r.RecordCount();
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport Recordset / requête nue",
        ecran.meilleur / nu.meilleur, ecran.median / nu.median);
    std::printf("  (%d lignes, somme de contrôle %lld)\n", lignes, static_cast<long long>(somme));
    LibererConnexions();
}
