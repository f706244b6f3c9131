// Measures the operations whose speed a collector feels, on a synthetic catalogue of any size:
//   construire_donnees synthetique <dossier> 40000 100000
//   banc_essai <dossier> [recherches]
// Each operation is run a few times, in turn with a bare loop over the SQLite C API doing the same work,
// round after round; the best and median times and the median of the rounds' ratios are printed, so the
// ratio says what the program adds whatever the machine. The personal database is never written: the
// bench works on a copy, beside links to the catalogue and the disc. The inventory's first build and the
// resident memory along a session are measured in fresh processes of this program.

#include "Etats.h"
#include "Fiche.h"
#include "Listes.h"
#include "Memoire.h"
#include "Mesure.h"
#include "Recherche.h"
#include "Saisie.h"
#include "Valorisation.h"
#include "data/Recordset.h"
#include "data/Source.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The same for lookups, per lookup, when the two sides did not make as many.
void rapportRecherches(const char* nom, const Mesure& recordset, int nbRecordset, const Mesure& nu, int nbNu)
{
    const double r = nbRecordset > 0 ? 1000.0 / nbRecordset : 0.0, n = nbNu > 0 ? 1000.0 / nbNu : 0.0;
    std::printf("%-58s %9.2f µs contre %9.2f µs (médians), rapport %.3f\n", nom, recordset.median * r, nu.median * n,
        recordset.median * r / (nu.median * n));
}

// A folder that reads the synthetic catalogue and disc where they are, with a copy of the personal
// database: whatever the measures write goes into the copy.
bool preparerCopie(const QString& source, const QString& copie)
{
    const QDir dossier(source);
    for (const QFileInfo& f : dossier.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString cible = QDir(copie).filePath(f.fileName());
        const bool personnelle = f.isFile() && f.fileName().compare(QStringLiteral("ovlcfr02.mdb"), Qt::CaseInsensitive) == 0;
        if (!(personnelle ? QFile::copy(f.absoluteFilePath(), cible) : QFile::link(f.absoluteFilePath(), cible)))
            return false;
    }
    return true;
}

// Runs this program again on the folder for a measure that needs a fresh process.
void mesurerAPart(const QString& mode, const QString& dossier)
{
    std::fflush(stdout);
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QCoreApplication::applicationFilePath(), {mode, dossier});
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        std::printf("(%s : le processus a échoué)\n", qPrintable(mode));
}

// Heap in use, mapped blocks included.
double memoireTas()
{
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd);
}

// `fois` lookups of the given keys through one prepared statement, as a program without a recordset would.
int recherchesNues(sqlite3* db, const char* sql, const QStringList& cles)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw ErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    int trouves = 0;
    for (const QString& cle : cles) {
        const QByteArray texte = cle.toUtf8();
        sqlite3_reset(stmt);
        sqlite3_bind_text(stmt, 1, texte.constData(), int(texte.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int64(stmt, 0) > 0)
            ++trouves;
    }
    sqlite3_finalize(stmt);
    return trouves;
}

int recherchesRecordset(Recordset& r, const QString& colonne, const QStringList& cles)
{
    int trouves = 0;
    for (const QString& cle : cles) {
        r.MoveFirst();
        if (r.Find(colonne, cle) && r.Champ(1).toLongLong() > 0)
            ++trouves;
    }
    return trouves;
}

}  // namespace

int main(int argc, char** argv)
{
    // The card is measured as a real screen, on a platform that needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    // The measures that want a fresh process, run on the copy the parent made.
    if (args.size() == 3 && args.at(1) == QStringLiteral("--premier-inventaire")) {
        DefinirDossierProgramme(args.at(2));
        return MesurerPremierInventaire() ? 0 : 1;
    }
    if (args.size() == 3 && args.at(1) == QStringLiteral("--memoire")) {
        DefinirDossierProgramme(args.at(2));
        return MesurerMemoire(args.at(2)) ? 0 : 1;
    }
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage : banc_essai <dossier d'un catalogue synthétique> [nombre de recherches]\n");
        return 2;
    }
    QTemporaryDir copie;
    if (!copie.isValid() || !preparerCopie(args.at(1), copie.path())) {
        std::fprintf(stderr, "banc_essai : impossible de préparer une copie de %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString dossier = copie.path();
    DefinirDossierProgramme(dossier);
    const int nbRecherches = args.size() == 3 ? args.at(2).toInt() : 10000;

    // The session first, while this process has measured nothing: memory at each step, then the
    // inventory's first build.
    mesurerAPart(QStringLiteral("--memoire"), dossier);
    mesurerAPart(QStringLiteral("--premier-inventaire"), dossier);

    Chronometrer("ouverture des bases personnelle et catalogue", 5, [] {
        LibererConnexions();
        if (!OuvrirBasePerso() || !OuvrirBaseCatalogue())
            throw ErreurBase(DerniereErreurOuverture());
    });

    const QString catalogue = CheminBaseCatalogue();
    Chronometrer("liens LinkFrance et LinkCotations (faits et défaits)", 20, [&] {
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"), catalogue, QStringLiteral("France"));
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkCotations"), catalogue, QStringLiteral("Cotations2001"));
        SupprimerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"));
        SupprimerTableLiee(*CnxPerso, QStringLiteral("LinkCotations"));
    });

    // The stamp card's recordset, against the bare loop over the same statement.
    const char* sqlFrance = "SELECT * FROM France ORDER BY Ordre";
    int lignes = 0;
    qint64 somme = 0;
    std::printf("\nFrance entière\n");
    // Measured on the first load of the run, once SQLite's own cache is full: later loads may reuse memory
    // that earlier results gave back.
    somme += InstructionNue(CnxCatalogue->poignee(), {QString::fromUtf8(sqlFrance), {}});
    const double avant = memoireTas();
    Recordset france = Recordset::Ouvrir(CnxCatalogue, QString::fromUtf8(sqlFrance));
    const double memoireFrance = memoireTas() - avant;
    Comparer("  Recordset", "  boucle nue sur l'API C", 9,
        [&] {
            Recordset r = Recordset::Ouvrir(CnxCatalogue, QString::fromUtf8(sqlFrance));
            lignes = r.RecordCount();
        },
        [&] { somme += InstructionNue(CnxCatalogue->poignee(), {QString::fromUtf8(sqlFrance), {}}); });
    std::printf("(%d timbres)\n", lignes);

    std::printf("%-58s %9.1f Mio (%.0f octets par timbre)\n", "mémoire du Recordset France chargé",
        memoireFrance / (1024.0 * 1024.0), lignes ? memoireFrance / lignes : 0.0);

    // Random stamps of the catalogue, looked up by number as the card's quick search does.
    QStringList dallays, id2s;
    QRandomGenerator alea(20022003);
    {
        std::vector<std::pair<QString, QString>> numeros;
        for (france.MoveFirst(); !france.Eof(); france.MoveNext())
            numeros.emplace_back(
                france.Champ(QStringLiteral("Dallay")).toString(), france.Champ(QStringLiteral("ID2")).toString());
        for (int i = 0; i < nbRecherches && !numeros.empty(); ++i) {
            const auto& n = numeros.at(alea.bounded(int(numeros.size())));
            dallays << n.first;
            id2s << n.second;
        }
    }
    std::printf("\n(%d recherches au hasard)\n", int(dallays.size()));
    int trouves = 0;
    // The first Find of a column builds what later ones use: measured alone.
    Chronometrer("premier Find par Dallay", 1,
        [&] { trouves += recherchesRecordset(france, QStringLiteral("Dallay"), dallays.mid(0, 1)); });
    const Comparaison dallay = Comparer("Dallay, MoveFirst et Find du Recordset", "Dallay, SELECT indexé sur l'API C", 5,
        [&] { trouves += recherchesRecordset(france, QStringLiteral("Dallay"), dallays); },
        [&] {
            trouves += recherchesNues(CnxCatalogue->poignee(), "SELECT Ordre FROM France WHERE Dallay = ?", dallays);
        });
    rapportRecherches("  par recherche, Recordset contre SELECT", dallay.programme, int(dallays.size()), dallay.nu,
        int(dallays.size()));

    Chronometrer("premier Find par ID2", 1,
        [&] { trouves += recherchesRecordset(france, QStringLiteral("ID2"), id2s.mid(0, 1)); });
    // The catalogue has no index on ID2: the bare lookup scans the table each time, so it makes fewer.
    const QStringList id2sNus = id2s.mid(0, 100);
    const Comparaison id2 = Comparer("ID2, MoveFirst et Find du Recordset",
        "ID2, SELECT (table parcourue) sur l'API C, 100 recherches", 3,
        [&] { trouves += recherchesRecordset(france, QStringLiteral("ID2"), id2s); },
        [&] { trouves += recherchesNues(CnxCatalogue->poignee(), "SELECT Ordre FROM France WHERE ID2 = ?", id2sNus); });
    rapportRecherches(
        "  par recherche, Recordset contre SELECT", id2.programme, int(id2s.size()), id2.nu, int(id2sNus.size()));
    std::printf("(%d trouvés, somme de contrôle %lld)\n\n", trouves, static_cast<long long>(somme));
    france.Close();

    Chronometrer("collection jointe au catalogue lié", 5, [&] {
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"), catalogue, QStringLiteral("France"));
        Recordset r = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT F.Dallay, F.DesignationCourt FROM Collection AS C "
                           "INNER JOIN LinkFrance AS F ON C.Dallay = F.Dallay "
                           "WHERE C.Collection = ? ORDER BY F.Ordre"),
            {2});
        lignes = r.RecordCount();
        SupprimerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"));
    });
    std::printf("(%d timbres dans la collection)\n", lignes);
    LibererConnexions();
    MesurerSaisie(dossier);
    MesurerListes(dossier);
    MesurerRecherche(dossier);
    MesurerValorisation(dossier);
    MesurerEtats(dossier);
    MesurerFiche(dossier);
    return 0;
}
