// The report engine where a collector feels it: a long list laid out once before its preview opens, one
// page painted when the preview asks for it, and the inventory of a large collection, whose two statements
// are measured beside the same statements stepped bare on the C API.

#include "Etats.h"
#include "Mesure.h"

#include "data/Recordset.h"
#include "data/Source.h"
#include "printing/AffichageEtat.h"
#include "printing/Dispositions.h"
#include "printing/ImpressionInventaire.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The statement with the collection bound to each placeholder, every row stepped and every column read.
qint64 nue(sqlite3* db, const QString& sql, qint64 collection)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw ErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    for (int i = 1; i <= sqlite3_bind_parameter_count(stmt); ++i)
        sqlite3_bind_int64(stmt, i, collection);
    return ParcourirNu(stmt);
}

// The inventory's two statements (the sections, then the items), stepped bare for collection 2.
qint64 deuxRequetesNues()
{
    return nue(CnxPerso->poignee(),
               QStringLiteral("SELECT Code_Rubrique, Nom_Rubrique AS NomRubrique, Ordre FROM LinkRubriques ORDER BY Ordre"), 2)
        + nue(CnxPerso->poignee(), InstructionElements(Etendue::Tout), 2);
}

int hauteurA4(const Etat& etat)
{
    return HauteurUtile(etat, QPageLayout(QPageSize(QPageSize::A4), etat.orientation, QMarginsF()));
}

// One page painted as the preview paints it, on an A4 picture at 150 dots per inch.
void peindre(const Etat& etat, const DonneesEtat& donnees, const MiseEnPage& mise, int page)
{
    const bool paysage = etat.orientation == QPageLayout::Landscape;
    QImage image(paysage ? 1754 : 1240, paysage ? 1240 : 1754, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.scale(150.0 / 1440, 150.0 / 1440);
    PeindrePage(peintre, etat, donnees, mise, page);
}

}  // namespace

void MesurerEtats(const QString& dossier)
{
    Q_UNUSED(dossier);
    std::printf("\nÉtats\n");

    // A want list of 40,000 stamps, as ImpManques1 prints it.
    Etat manques = ImpManques1();
    for (const char* z : {"Dallay", "Annee", "Designation", "ID2", "Neuf", "NC", "NSG", "Oblitere", "Lettre"})
        ControleParNom(manques, QStringLiteral("SectionDetail"), QString::fromLatin1(z))->champ = QString::fromLatin1(z);
    TableEtat liste({"Dallay", "Annee", "Designation", "ID2", "Neuf", "NC", "NSG", "Oblitere", "Lettre"});
    for (int i = 0; i < 40000; ++i)
        liste.ajouter({QString::number(i + 1), QStringLiteral("1950"), QStringLiteral("Marianne de Gandon, variété %1").arg(i),
            QString::number(i), QStringLiteral("x"), QVariant(), QStringLiteral("x"), QVariant(), QStringLiteral("x")});
    MiseEnPage mise;
    Chronometrer(
        "mise en page d'une liste de 40 000 lignes", 5, [&] { mise = Paginer(manques, liste, hauteurA4(manques)); });
    std::printf("(%d pages)\n", mise.nombrePages());
    Chronometrer("une page peinte (la première)", 5, [&] { peindre(manques, liste, mise, 0); });
    Chronometrer("une page peinte (la dernière)", 5, [&] { peindre(manques, liste, mise, mise.nombrePages() - 1); });
    // What a preview that records every page when it opens (as Qt's own does) would cost: ours paints
    // only the page it shows.
    Chronometrer("toutes les pages enregistrées d'un coup (évité)", 3, [&] {
        std::vector<QPicture> pages(std::size_t(mise.nombrePages()));
        for (int i = 0; i < mise.nombrePages(); ++i) {
            QPainter peintre(&pages[std::size_t(i)]);
            PeindrePage(peintre, manques, liste, mise, i);
        }
    });

    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return;
    }
    // The inventory of collection 2, every kind of item.
    std::printf("\nInventaire TOUT de la collection 2\n");
    const auto lier = [] {
        for (const auto& [lien, table] : LiensInventaire(Etendue::Tout))
            CreerTableLiee(*CnxPerso, lien, CheminBaseCatalogue(), table);
    };
    const auto delier = [] {
        for (const QString& lien : TousLiensInventaire())
            SupprimerTableLiee(*CnxPerso, lien);
    };
    qint64 somme = 0;
    const auto nus = [&] { somme += deuxRequetesNues(); };
    lier();
    int nombre = 0;
    Comparer("éléments, Recordset", "éléments, boucle nue", 5,
        [&] {
            Recordset r = Recordset::Ouvrir(CnxPerso, InstructionElements(Etendue::Tout), {2, 2, 2, 2});
            nombre = r.RecordCount();
        },
        [&] { somme += nue(CnxPerso->poignee(), InstructionElements(Etendue::Tout), 2); });
    std::printf("(%d éléments, somme de contrôle %lld)\n", nombre, static_cast<long long>(somme));
    delier();

    // As the print makes it: links, the two statements, grouped and summed; warm, the process having built it
    // before (its first build is measured apart, in a fresh process).
    Inventaire inventaire;
    Comparer("inventaire construit (liens, deux requêtes, regroupé, sommé)", "les deux requêtes nues (liens déjà faits)",
        7,
        [&] {
            LiensTemporaires liens(LiensInventaire(Etendue::Tout));
            inventaire = ConstruireInventaire(CnxPerso, Etendue::Tout, QStringLiteral("2"));
            liens.supprimer(TousLiensInventaire());
        },
        nus, lier, delier);
    Etat etat = ImpListeTimbres1();
    LierInventaire(etat, TitreCollection(QStringLiteral("Synthétique")), LegendeEtendue(Etendue::Tout), true, inventaire.totaux);
    MiseEnPage pages;
    Chronometrer(
        "mise en page de l'inventaire", 5, [&] { pages = Paginer(etat, *inventaire.rubriques, hauteurA4(etat)); });
    std::printf("(%d pages)\n", pages.nombrePages());
    Chronometrer("une page de l'inventaire peinte (la dixième)", 5,
        [&] { peindre(etat, *inventaire.rubriques, pages, std::min(9, pages.nombrePages() - 1)); });
    LibererConnexions();
}

bool MesurerPremierInventaire()
{
    if (!OuvrirBasePerso() || !OuvrirBaseCatalogue()) {
        std::fprintf(stderr, "banc_essai : %s\n", qPrintable(DerniereErreurOuverture()));
        return false;
    }
    std::printf("\nInventaire TOUT de la collection 2, première construction d'une séance (processus neuf)\n");
    qint64 somme = 0;
    std::vector<double> programme, nus;
    const auto chrono = [](const std::function<void()>& f) {
        QElapsedTimer c;
        c.start();
        f();
        return c.nsecsElapsed() / 1e6;
    };
    {
        // Once, untimed: SQLite's cache and the operating system's then hold the files for both sides alike.
        LiensTemporaires liens(LiensInventaire(Etendue::Tout));
        somme += deuxRequetesNues();
    }
    int nombre = 0;
    const double avant = MemoireResidente();
    for (int tour = 0; tour < 6; ++tour) {
        {
            LiensTemporaires liens(LiensInventaire(Etendue::Tout));
            nus.push_back(chrono([&] { somme += deuxRequetesNues(); }));
        }
        programme.push_back(chrono([&] {
            LiensTemporaires liens(LiensInventaire(Etendue::Tout));
            Inventaire inventaire = ConstruireInventaire(CnxPerso, Etendue::Tout, QStringLiteral("2"));
            liens.supprimer(TousLiensInventaire());
            nombre = 0;
            for (int r = 0; r < inventaire.rubriques->nombreLignes(); ++r)
                nombre += inventaire.rubriques->enfants(r, QStringLiteral("Timbres"))->nombreLignes();
        }));
        if (tour == 0)
            std::printf("%-58s %9.1f Mio de plus\n", "  mémoire résidente après la première construction",
                MemoireResidente() - avant);
    }
    std::printf("%-58s %9.2f ms contre %9.2f ms, rapport %.2f\n", "  première construction / ses requêtes nues",
        programme.front(), nus.front(), programme.front() / nus.front());
    RapportTours("  constructions suivantes, tour par tour", {programme.begin() + 1, programme.end()},
        {nus.begin() + 1, nus.end()});
    std::printf("  (%d éléments, somme de contrôle %lld)\n", nombre, static_cast<long long>(somme));
    LibererConnexions();
    return true;
}
