// A move of the stamp card, as the collector makes it hundreds of times an evening: the save of the
// stamp left (unchanged, then edited) and the display of the next, with its text, picture, prices,
// lists and holdings; beside it, the SQL reads that display makes, run bare on prepared statements.

#include "Fiche.h"
#include "Mesure.h"

#include "card/Fiche.h"
#include "card/OFormFiche.h"
#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "lists/EcransListes.h"
#include "search/EcransRecherche.h"
#include "shell/CollectionOuverte.h"
#include "shell/Demarrage.h"
#include "shell/EcranPrincipal.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// One prepared statement, stepped to its end for one bound text.
class Lecture {
public:
    Lecture(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw ErreurBase(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Lecture() { sqlite3_finalize(m_stmt); }
    qint64 lire(const QList<QVariant>& valeurs)
    {
        sqlite3_reset(m_stmt);
        for (int i = 0; i < valeurs.size(); ++i) {
            if (valeurs.at(i).typeId() == QMetaType::QString) {
                const QByteArray t = valeurs.at(i).toString().toUtf8();
                sqlite3_bind_text(m_stmt, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_int64(m_stmt, i + 1, valeurs.at(i).toLongLong());
            }
        }
        qint64 somme = 0;
        while (sqlite3_step(m_stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(m_stmt); ++c)
                somme += sqlite3_column_bytes(m_stmt, c);
        }
        return somme;
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

}  // namespace

void MesurerFiche(const QString& dossier)
{
    EnregistrerEcransCollections();
    EnregistrerEcransFiche();
    EnregistrerEcransRecherche();
    EnregistrerEcransListes();
    QElapsedTimer chrono;
    chrono.start();
    if (!Main()) {
        std::fprintf(stderr, "banc_essai : le programme n'a pas démarré sur %s\n", qPrintable(dossier));
        return;
    }
    std::printf("\n%-58s %9.1f ms\n", "démarrage du programme (neuf écrans chargés)", chrono.nsecsElapsed() / 1e6);
    LecteurCD = QDir(dossier).filePath(QStringLiteral("disque"));
    LaCollectionOuverte().ouvrir(QStringLiteral("2"), QString());
    auto* fiche = qobject_cast<OFormFiche*>(ChargerEcran(1));
    fiche->show();

    // From a stamp far into the catalogue, stamp after stamp: each has varieties, one in three has
    // cancellations, nine in ten a holdings row, all a picture.
    const int depart = std::max(0, rstFrance.RecordCount() / 2);
    rstFrance.Move(depart);
    AfficherFiche();
    const int fois = std::min(300, std::max(1, rstFrance.RecordCount() - depart - 1) / 2);
    const Mesure inchangee =
        Chronometrer("fiche : déplacement, fiche inchangée", fois, [&] { fiche->BoutonBas_Click(); });
    const Mesure modifiee = Chronometrer("fiche : déplacement, fiche modifiée et enregistrée", fois, [&] {
        fiche->grille()->Qte(0)->click();
        fiche->BoutonBas_Click();
    });

    // The same reads, bare: one prepared statement per read, stepped to its end.
    sqlite3* catalogue = CnxCatalogue->poignee();
    sqlite3* perso = CnxPerso->poignee();
    Lecture serie(catalogue, "SELECT LibelleSerie FROM Series WHERE CodeSerie = ?");
    Lecture dessinateur(catalogue, "SELECT LibelleDessinateur FROM Dessinateurs WHERE CodeDessinateur = ?");
    Lecture graveur(catalogue, "SELECT LibelleGraveur FROM Graveurs WHERE CodeGraveur = ?");
    Lecture impression(catalogue, "SELECT ImprimeEn FROM TypesImpression WHERE CodeImprimeEn = ?");
    Lecture cotes(catalogue, "SELECT * FROM Cotations2001 WHERE Dallay = ?");
    Lecture varietes(catalogue, "SELECT * FROM Varietes WHERE Reference = ? ORDER BY Position");
    Lecture obliterations(catalogue, "SELECT * FROM Obliterations WHERE Reference = ? ORDER BY Position");
    Lecture correspondance(perso, "SELECT * FROM CorrespID WHERE Dallay = ?");
    Lecture mesVarietes(perso, "SELECT * FROM MesVarietes WHERE Reference = ? AND Collection = ?");
    Lecture themes(perso,
        "SELECT Themes.*, ThemesAssocies.Dallay FROM Themes INNER JOIN ThemesAssocies ON (Themes.CodeTheme = "
        "ThemesAssocies.Theme AND ThemesAssocies.Dallay = ? AND (ThemesAssocies.Collection = 1 OR "
        "ThemesAssocies.Collection = ?)) ORDER BY Themes.Theme");
    Lecture detention(perso, "SELECT * FROM Collection WHERE Dallay = ? AND Collection = ?");
    const QByteArray cheminDisque = CheminBaseCD().toUtf8();
    const QString uri = QStringLiteral("file:%1?mode=ro&immutable=1").arg(CheminBaseCD());
    rstFrance.Move(depart);
    qint64 somme = 0;
    const Mesure nu = Chronometrer("lectures d'un affichage, SQL nu (disque rouvert)", fois, [&] {
        rstFrance.MoveNext();
        const QString d = rstFrance.Champ(QStringLiteral("Dallay")).toString();
        somme += serie.lire({rstFrance.Champ(QStringLiteral("Serie"))});
        somme += dessinateur.lire({rstFrance.Champ(QStringLiteral("ConcuDessinePar"))});
        somme += graveur.lire({rstFrance.Champ(QStringLiteral("GravePar"))});
        somme += impression.lire({rstFrance.Champ(QStringLiteral("ImprimeEn"))});
        somme += correspondance.lire({d});
        sqlite3* cd = nullptr;
        sqlite3_open_v2(uri.toUtf8().constData(), &cd, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        {
            Lecture image(cd, "SELECT Image FROM FrancePCT WHERE Dallay = ?");
            somme += image.lire({d});
        }
        sqlite3_close(cd);
        somme += cotes.lire({d});
        somme += varietes.lire({d});
        somme += obliterations.lire({d});
        somme += mesVarietes.lire({d, 2});
        somme += themes.lire({d, 2});
        somme += detention.lire({d, 2});
    });
    Q_UNUSED(cheminDisque);
    std::printf("%-58s médian %6.2f x (fiche inchangée), %6.2f x (modifiée)\n", "  rapport fiche / SQL nu",
        inchangee.median / nu.median, modifiee.median / nu.median);
    std::printf("(somme de contrôle %lld)\n", static_cast<long long>(somme));
    ArreterProgramme();
}
