// Measures the operations whose speed a collector feels, on a synthetic catalogue of any size:
//   construire_donnees synthetique <dossier> 40000 100000
//   banc_essai <dossier>
// Each operation is run a few times; the best and the median times are printed.

#include "data/Recordset.h"
#include "data/Source.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void mesurer(const char* nom, int fois, const std::function<void()>& operation)
{
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        operation();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    std::printf("%-50s meilleur %9.2f ms   médian %9.2f ms\n", nom, durees.front(), durees[durees.size() / 2]);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage : banc_essai <dossier d'un catalogue synthétique>\n");
        return 2;
    }
    DefinirDossierProgramme(app.arguments().at(1));

    mesurer("ouverture des bases personnelle et catalogue", 5, [] {
        LibererConnexions();
        if (!OuvrirBasePerso() || !OuvrirBaseCatalogue())
            throw ErreurBase(DerniereErreurOuverture());
    });

    const QString catalogue = CheminBaseCatalogue();
    mesurer("liens LinkFrance et LinkCotations (faits et défaits)", 20, [&] {
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"), catalogue, QStringLiteral("France"));
        CreerTableLiee(*CnxPerso, QStringLiteral("LinkCotations"), catalogue, QStringLiteral("Cotations2001"));
        SupprimerTableLiee(*CnxPerso, QStringLiteral("LinkFrance"));
        SupprimerTableLiee(*CnxPerso, QStringLiteral("LinkCotations"));
    });

    int lignes = 0;
    mesurer("France entière dans l'ordre du catalogue", 5, [&] {
        Recordset r = Recordset::Ouvrir(CnxCatalogue, QStringLiteral("SELECT * FROM France ORDER BY Ordre"));
        lignes = r.RecordCount();
    });
    std::printf("(%d timbres)\n", lignes);

    mesurer("collection jointe au catalogue lié", 5, [&] {
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
    return 0;
}
