// The stamp search in its variants and the variety search as the collector runs them on a large
// catalogue: the links, the list and thumbnail statements, the recordsets and the list view filled,
// against the same statements stepped bare on the C API with the links already made.

#include "Recherche.h"

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

struct Mesure {
    double meilleur;
    double median;
};

template <typename F> Mesure chronometrer(const char* nom, int fois, F operation)
{
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        operation();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    const Mesure m {durees.front(), durees[durees.size() / 2]};
    std::printf("%-58s meilleur %9.2f ms   médian %9.2f ms\n", nom, m.meilleur, m.median);
    return m;
}

qint64 instructionNue(sqlite3* db, const Instruction& instruction)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, instruction.sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw ErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    for (int i = 0; i < instruction.valeurs.size(); ++i) {
        const QVariant& v = instruction.valeurs.at(i);
        if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        } else {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }
    qint64 somme = 0;
    const int n = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++somme;
        for (int c = 0; c < n; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                somme += sqlite3_column_bytes(stmt, c) + sqlite3_column_text(stmt, c)[0];
            else if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER)
                somme += sqlite3_column_int64(stmt, c);
        }
    }
    sqlite3_finalize(stmt);
    return somme;
}

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
    const Mesure nu = chronometrer("  les deux requêtes nues sur l'API C (liens déjà faits)", 9, [&] {
        somme += instructionNue(CnxPerso->poignee(), r.liste);
        somme += instructionNue(CnxPerso->poignee(), r.miniatures);
    });
    SupprimerLiensRecherche(*CnxPerso);
    int lignes = 0;
    const Mesure ecran = chronometrer("  liens, requêtes, Recordsets et liste remplie", 9, [&] {
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
    const Mesure nu = chronometrer("  requête nue sur l'API C", 9,
        [&] { somme += instructionNue(CnxCatalogue->poignee(), varietes); });
    int lignes = 0;
    const Mesure ecran = chronometrer("  requête et Recordset", 9, [&] {
        Recordset r = varietes.ouvrir(CnxCatalogue);
        lignes = r.RecordCount();
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport Recordset / requête nue",
        ecran.meilleur / nu.meilleur, ecran.median / nu.median);
    std::printf("  (%d lignes, somme de contrôle %lld)\n", lignes, static_cast<long long>(somme));
    LibererConnexions();
}
