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
    qint64 somme = 0;
    int lignes = 0;
    const int peintures = affichage.peintures();
    Comparer("  liens, requêtes, Recordsets, liste remplie et peinte",
        "  les deux requêtes nues sur l'API C (liens déjà faits)", 9,
        [&] {
            affichage.vue().viderLignes();
            CreerLiensRecherche(*CnxPerso);
            Recordset liste = r.liste.ouvrir(CnxPerso);
            Recordset numeros = r.miniatures.ouvrir(CnxPerso);
            SupprimerLiensRecherche(*CnxPerso);
            lignes = liste.RecordCount();
            std::vector<CelluleResultat> cellules = CellulesTimbres(liste);
            remplir(affichage, std::move(liste), std::move(cellules));
        },
        [&] {
            somme += InstructionNue(CnxPerso->poignee(), r.liste);
            somme += InstructionNue(CnxPerso->poignee(), r.miniatures);
        },
        [] { CreerLiensRecherche(*CnxPerso); }, [] { SupprimerLiensRecherche(*CnxPerso); });
    std::printf("  (%d lignes, somme de contrôle %lld, liste peinte %d fois)\n", lignes, static_cast<long long>(somme),
        affichage.peintures() - peintures);
}

// A second connection on the same files, with the same attachments and links, that keeps SQLite's own LIKE
// (it folds ASCII letters only): the yardstick of the program's LIKE.
sqlite3* jumelleLikeSqlite(const Connexion& cnx)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(sqlite3_db_filename(cnx.poignee(), "main"), &db, SQLITE_OPEN_READONLY, nullptr);
    Requete bases = cnx.preparer(QStringLiteral("PRAGMA database_list"));
    while (bases.suivante()) {
        const QString nom = bases.colonne(1).toString();
        if (nom == QLatin1String("main") || nom == QLatin1String("temp"))
            continue;
        const QByteArray sql = QStringLiteral("ATTACH '%1' AS \"%2\"").arg(bases.colonne(2).toString(), nom).toUtf8();
        sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    }
    // SQLite keeps a TEMP view's statement without its TEMP.
    Requete vues = cnx.preparer(QStringLiteral("SELECT name, substr(sql, instr(sql, ' AS ')) FROM sqlite_temp_master "
                                               "WHERE type = 'view'"));
    while (vues.suivante()) {
        const QByteArray sql = QStringLiteral("CREATE TEMP VIEW \"%1\"%2")
                                   .arg(vues.colonne(0).toString(), vues.colonne(1).toString())
                                   .toUtf8();
        sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    }
    return db;
}

// The keyword statement stepped bare with the program's LIKE and with SQLite's, round after round.
void comparerLike(const Connexion& cnx, const Instruction& instruction)
{
    sqlite3* jumelle = jumelleLikeSqlite(cnx);
    std::vector<double> programme, sqlite, rapports;
    qint64 sommeProgramme = 0, sommeSqlite = 0;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        sommeProgramme += InstructionNue(cnx.poignee(), instruction);
        programme.push_back(chrono.nsecsElapsed() / 1e6);
        chrono.restart();
        sommeSqlite += InstructionNue(jumelle, instruction);
        sqlite.push_back(chrono.nsecsElapsed() / 1e6);
        rapports.push_back(programme.back() / sqlite.back());
    }
    sqlite3_close(jumelle);
    for (auto* v : {&programme, &sqlite, &rapports})
        std::sort(v->begin(), v->end());
    std::printf("%-58s médian %9.2f ms contre %9.2f ms, rapport médian %.2f x\n",
        "  LIKE du programme contre LIKE de SQLite, requête nue", programme[4], sqlite[4], rapports[4]);
    if (sommeProgramme != sommeSqlite)
        std::printf("  (les deux LIKE ne trouvent pas les mêmes lignes sur ce mot-clé)\n");
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
    CreerLiensRecherche(*CnxPerso);
    comparerLike(*CnxPerso, ConstruireRecherche(motCle).liste);
    SupprimerLiensRecherche(*CnxPerso);

    std::printf("\nVariétés, mot-clé \"Variété 2\"\n");
    const Instruction varietes = RequeteVarietes(QStringLiteral("Variété 2"));
    qint64 somme = 0;
    // The variety list has a column more than the stamps'.
    vue.colonnes({{"Reference", 1000}, {"Dallay", 1000}, {"Année", 700}, {"Désignation", 5000}});
    int lignes = 0;
    const int peintures = vue.peintures();
    Comparer("  requête, Recordset, liste remplie et peinte", "  requête nue sur l'API C", 9,
        [&] {
            vue.vue().viderLignes();
            Recordset r = varietes.ouvrir(CnxCatalogue);
            lignes = r.RecordCount();
            std::vector<CelluleResultat> cellules = CellulesVarietes(r);
            remplir(vue, std::move(r), std::move(cellules));
        },
        [&] { somme += InstructionNue(CnxCatalogue->poignee(), varietes); });
    std::printf("  (%d lignes, somme de contrôle %lld, liste peinte %d fois)\n", lignes, static_cast<long long>(somme),
        vue.peintures() - peintures);
    comparerLike(*CnxCatalogue, varietes);
    LibererConnexions();
}
