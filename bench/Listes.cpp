// The want list, the duplicates list and their keyword variants as the collector builds them on a large
// catalogue, each against its own statement stepped bare on the C API with the links already made, so
// the ratio says what the links and the recordset add to the query itself.

#include "Listes.h"

#include "data/Source.h"
#include "lists/EcranListe.h"
#include "lists/RequetesListes.h"
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

// The statement with its values, every row stepped and every column read in its stored type.
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

void comparer(const char* nom, const ListeConstruite& construite)
{
    if (construite.refus != Refus::Aucun) {
        std::printf("%s : refusée\n", nom);
        return;
    }
    std::printf("\n%s\n", nom);
    const QString catalogue = CheminBaseCatalogue();
    const QList<LienCatalogue> liens = LiensListe(construite.genre);
    for (const LienCatalogue& l : liens)
        CreerTableLiee(*CnxPerso, l.nom, catalogue, l.table);
    qint64 somme = 0;
    const Mesure nu = chronometrer("  requête nue sur l'API C (liens déjà faits)", 9,
        [&] { somme += instructionNue(CnxPerso->poignee(), construite.liste); });
    for (const LienCatalogue& l : liens)
        SupprimerTableLiee(*CnxPerso, l.nom);
    int lignes = 0;
    const Mesure liste = chronometrer("  liens, requête et Recordset, comme l'écran", 9, [&] {
        Recordset r = OuvrirListe(construite.genre, construite.liste);
        lignes = r.RecordCount();
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport liste / requête nue",
        liste.meilleur / nu.meilleur, liste.median / nu.median);
    std::printf("  (%d lignes, somme de contrôle %lld)\n", lignes, static_cast<long long>(somme));
    // The whole build as the screen makes it: the result read into the list view shown.
    VueListe vue;
    vue.show();
    const Mesure ecran = chronometrer("  liens, requête, Recordset et liste de l'écran remplie", 5, [&] {
        vue.viderLignes();
        Recordset r = OuvrirListe(construite.genre, construite.liste);
        RemplirResultat(vue, r);
    });
    std::printf("%-58s meilleur %9.2f x    médian %9.2f x\n", "  rapport écran / requête nue",
        ecran.meilleur / nu.meilleur, ecran.median / nu.median);
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
