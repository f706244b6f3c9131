// Builds the program's data files from the versioned sources of data/:
//   construire_donnees demo <sources> <dossier programme> <dossier disque>
//       the demonstration catalogue "FR_BIN.DOV", the shipped personal database "ovlcfr02.mdb",
//       the workgroup file "orvalen.MDW", and the disc tree holding "DATAS/FR_BINP.DOV";
//   construire_donnees synthetique <dossier> <timbres> <varietes>
//       a catalogue of any size with a personal database whose one collection holds most of it, for the benchmark.
// Every file is written beside its target and renamed into place, so a failed build leaves no half file.

#include "Dessins.h"
#include "search/CarteDepartements.h"

#include "data/Connexion.h"
#include "data/GroupeTravail.h"
#include "data/Recordset.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

void dire(const QString& texte)
{
    std::fprintf(stderr, "%s\n", qPrintable(texte));
}

// Writes a database into `cible` through a temporary file renamed into place at the end.
void construireBase(const QString& cible, BaseSchema schema, const std::function<void(const Connexion&)>& remplir)
{
    QDir().mkpath(QFileInfo(cible).absolutePath());
    const QString temporaire = cible + QStringLiteral(".construction");
    QFile::remove(temporaire);
    {
        Connexion cnx;
        cnx.creer(temporaire);
        cnx.executer(QStringLiteral("PRAGMA journal_mode = OFF"));
        CreerSchema(cnx, schema);
        Transaction t(cnx);
        remplir(cnx);
        t.valider();
        cnx.executer(QStringLiteral("VACUUM"));
    }
    QFile::remove(cible);
    if (!QFile::rename(temporaire, cible))
        throw ErreurBase(QStringLiteral("Impossible de renommer %1 en %2").arg(temporaire, cible));
}

// Loads every "<Table>.tsv" of a folder into the table of that name: a header of column names, then one
// row per line, fields separated by tabs, an empty field for Null.
void chargerTsv(const Connexion& cnx, const QString& dossier)
{
    const QStringList fichiers = QDir(dossier).entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name);
    if (fichiers.isEmpty())
        throw ErreurBase(QStringLiteral("Aucune source dans %1").arg(dossier));
    for (const QString& nom : fichiers) {
        QFile f(QDir(dossier).filePath(nom));
        if (!f.open(QIODevice::ReadOnly))
            throw ErreurBase(QStringLiteral("Lecture impossible de %1").arg(f.fileName()));
        const QString table = QFileInfo(nom).completeBaseName();
        QStringList lignes = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        if (lignes.isEmpty())
            continue;
        QString entete = lignes.takeFirst();
        entete.remove(QLatin1Char('\r'));
        const QStringList colonnes = entete.split(QLatin1Char('\t'));
        QStringList noms, marques;
        for (const QString& c : colonnes) {
            noms << QLatin1Char('"') + c + QLatin1Char('"');
            marques << QStringLiteral("?");
        }
        Requete insertion = cnx.preparer(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                             .arg(table, noms.join(QLatin1Char(',')), marques.join(QLatin1Char(','))));
        int numero = 1;
        for (QString ligne : lignes) {
            ++numero;
            ligne.remove(QLatin1Char('\r'));
            if (ligne.isEmpty())
                continue;
            const QStringList champs = ligne.split(QLatin1Char('\t'));
            if (champs.size() != colonnes.size())
                throw ErreurBase(QStringLiteral("%1, ligne %2 : %3 champs au lieu de %4")
                                     .arg(nom)
                                     .arg(numero)
                                     .arg(champs.size())
                                     .arg(colonnes.size()));
            QVariantList valeurs;
            for (const QString& champ : champs)
                valeurs << (champ.isEmpty() ? QVariant() : QVariant(champ));
            insertion.reinitialiser();
            insertion.lierTout(valeurs);
            try {
                while (insertion.suivante()) { }
            } catch (const ErreurBase& e) {
                throw ErreurBase(QStringLiteral("%1, ligne %2 : %3").arg(nom).arg(numero).arg(e.message()));
            }
        }
    }
}

SujetTimbre sujet(const Recordset& r)
{
    SujetTimbre s;
    s.dallay = r.Champ(QStringLiteral("Dallay")).toString();
    s.designation = r.Champ(QStringLiteral("DesignationCourt")).toString();
    if (s.designation.isEmpty())
        s.designation = r.Champ(QStringLiteral("Designation")).toString();
    s.valeurFaciale = r.Champ(QStringLiteral("ValeurFaciale")).toString();
    s.annee = r.Champ(QStringLiteral("AnneeEmission")).toString();
    s.couleurs = r.Champ(QStringLiteral("Couleurs")).toString();
    s.rubrique = r.Champ(QStringLiteral("Rubrique")).toString();
    return s;
}

// Draws the disc's pictures from the catalogue just built.
void remplirDisque(const Connexion& cd, const ConnexionPtr& catalogue)
{
    QHash<QString, SujetTimbre> timbres;
    Recordset france = Recordset::Ouvrir(catalogue, QStringLiteral("SELECT * FROM France ORDER BY Ordre"));
    for (; !france.Eof(); france.MoveNext()) {
        const SujetTimbre s = sujet(france);
        timbres.insert(s.dallay.toCaseFolded(), s);
        const bool vrt = france.Champ(QStringLiteral("vrt")).toInt() != 0;
        const bool vrt2 = france.Champ(QStringLiteral("vrt2")).toInt() != 0;
        cd.executer(QStringLiteral("INSERT INTO FrancePCT (Dallay, Image, Imagevrt, Imagevrt2) VALUES (?, ?, ?, ?)"),
            {s.dallay, DessinerTimbre(s), vrt ? QVariant(DessinerIllustration(s, 1)) : QVariant(),
                vrt2 ? QVariant(DessinerIllustration(s, 2)) : QVariant()});
        cd.executer(
            QStringLiteral("INSERT INTO FranceTN (Dallay, ImageTN) VALUES (?, ?)"), {s.dallay, DessinerVignette(s)});
    }
    Recordset varietes =
        Recordset::Ouvrir(catalogue, QStringLiteral("SELECT Dallay, Reference, Designation FROM Varietes"));
    for (; !varietes.Eof(); varietes.MoveNext()) {
        const SujetTimbre s = timbres.value(varietes.Champ(QStringLiteral("Reference")).toString().toCaseFolded());
        cd.executer(QStringLiteral("INSERT INTO VarietesPCT (Dallay, Imagevrt3) VALUES (?, ?)"),
            {varietes.Champ(QStringLiteral("Dallay")),
                DessinerVariete(s, varietes.Champ(QStringLiteral("Designation")).toString())});
    }
    Recordset obliterations =
        Recordset::Ouvrir(catalogue, QStringLiteral("SELECT Dallay, Reference, Designation FROM Obliterations"));
    for (; !obliterations.Eof(); obliterations.MoveNext()) {
        const SujetTimbre s = timbres.value(obliterations.Champ(QStringLiteral("Reference")).toString().toCaseFolded());
        cd.executer(QStringLiteral("INSERT INTO ObliterationsPCT (Dallay, Imagevrt4) VALUES (?, ?)"),
            {obliterations.Champ(QStringLiteral("Dallay")),
                DessinerObliteration(s, obliterations.Champ(QStringLiteral("Designation")).toString())});
    }
    Recordset lexique = Recordset::Ouvrir(catalogue, QStringLiteral("SELECT CodeLexique, NomLexique FROM Lexique"));
    for (; !lexique.Eof(); lexique.MoveNext())
        cd.executer(QStringLiteral("INSERT INTO LexiquePCT (CodeLexique, PhotoLexique) VALUES (?, ?)"),
            {lexique.Champ(QStringLiteral("CodeLexique")),
                DessinerLexique(lexique.Champ(QStringLiteral("NomLexique")).toString())});
}

void ecrireGroupeTravail(const QString& dossier)
{
    const QString cible = QDir(dossier).filePath(NomFichierGroupeTravail);
    const QString temporaire = cible + QStringLiteral(".construction");
    QFile f(temporaire);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(ContenuGroupeTravail().toUtf8()) < 0)
        throw ErreurBase(QStringLiteral("Écriture impossible de %1").arg(temporaire));
    f.close();
    QFile::remove(cible);
    if (!QFile::rename(temporaire, cible))
        throw ErreurBase(QStringLiteral("Impossible de renommer %1").arg(temporaire));
}

void ecrireFichier(const QString& cible, const QByteArray& octets)
{
    const QString temporaire = cible + QStringLiteral(".construction");
    QFile f(temporaire);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
        throw ErreurBase(QStringLiteral("Écriture impossible de %1").arg(temporaire));
    f.close();
    QFile::remove(cible);
    if (!QFile::rename(temporaire, cible))
        throw ErreurBase(QStringLiteral("Impossible de renommer %1").arg(temporaire));
}

void construireDemo(const QString& sources, const QString& programme, const QString& disque)
{
    const QString catalogue = QDir(programme).filePath(QStringLiteral("FR_BIN.DOV"));
    construireBase(catalogue, BaseSchema::Catalogue,
        [&](const Connexion& cnx) { chargerTsv(cnx, QDir(sources).filePath(QStringLiteral("catalogue"))); });
    construireBase(QDir(programme).filePath(QStringLiteral("ovlcfr02.mdb")), BaseSchema::Perso,
        [&](const Connexion& cnx) { chargerTsv(cnx, QDir(sources).filePath(QStringLiteral("perso"))); });
    ecrireGroupeTravail(programme);
    ecrireFichier(QDir(programme).filePath(FichierCarteDepartements), DessinerCarteDepartements());

    auto cnxCatalogue = std::make_shared<Connexion>();
    cnxCatalogue->ouvrir(catalogue, Connexion::Mode::LectureSeule);
    construireBase(QDir(disque).filePath(QStringLiteral("DATAS/FR_BINP.DOV")), BaseSchema::CD,
        [&](const Connexion& cnx) { remplirDisque(cnx, cnxCatalogue); });
}

// A catalogue of any size, for measuring: plain numbers in catalogue order, a few varieties per stamp,
// cancellations on one in three, quotations and the descriptive lookups for all, one collection holding
// about nine stamps in ten, a variety in ten (some with duplicates), a few cancellations and own items,
// personal numbers on one in five, twenty themes sharing the stamps, and a disc
// ("disque/DATAS/FR_BINP.DOV") with a picture of every stamp.
void construireSynthetique(const QString& dossier, int nbTimbres, int nbVarietes)
{
    QRandomGenerator alea(20022003);
    const QStringList rubriques = {
        QStringLiteral("AA"), QStringLiteral("AE"), QStringLiteral("TT"), QStringLiteral("PR"), QStringLiteral("SP")};
    auto numero = [&](int i) {
        // Most stamps in the main section, the rest spread over a few others.
        const int r = i % 10 < 6 ? 0 : 1 + i % 4;
        return r == 0 ? QString::number(i + 1) : rubriques.at(r) + QString::number(i + 1);
    };
    construireBase(
        QDir(dossier).filePath(QStringLiteral("FR_BIN.DOV")), BaseSchema::Catalogue, [&](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO Edition (Titre, Remarque) VALUES (?, ?)"),
                {QStringLiteral("Catalogue synthétique"), QStringLiteral("Données générées pour les mesures.")});
            for (int r = 0; r < rubriques.size(); ++r)
                cnx.executer(QStringLiteral("INSERT INTO Rubriques VALUES (?, ?, ?)"),
                    {rubriques.at(r), QStringLiteral("Rubrique %1").arg(rubriques.at(r)), r + 1});
            Requete france = cnx.preparer(QStringLiteral("INSERT INTO France (Dallay, Ordre, ID2, Designation, "
                                                         "DesignationCourt, AnneeEmission, DateEmission, Rubrique, "
                                                         "ValeurFaciale, Couleurs, Tirage, vrt, vrt2, NonEmis) VALUES "
                                                         "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0)"));
            Requete cote = cnx.preparer(QStringLiteral("INSERT INTO Cotations2001 VALUES (?, ?, ?, ?, ?, ?)"));
            for (int i = 0; i < nbTimbres; ++i) {
                const int annee = 1849 + (i * 153) / std::max(nbTimbres, 1);
                const QString d = numero(i);
                france.reinitialiser();
                france.lierTout(
                    {d, i + 1, QStringLiteral("M%1").arg(i + 1), QStringLiteral("Timbre synthétique n° %1").arg(i + 1),
                        QStringLiteral("Synthétique %1").arg(i + 1), QString::number(annee),
                        QStringLiteral("%1-01-01").arg(annee), d.at(0).isDigit() ? QStringLiteral("AA") : d.left(2),
                        QStringLiteral("%1 F").arg(1 + i % 20), QStringLiteral("bleu"), 1000000 + i});
                while (france.suivante()) { }
                cote.reinitialiser();
                const double base = 0.5 + alea.bounded(500);
                cote.lierTout({d, base * 3, base * 2, base, base / 2, base * 4});
                while (cote.suivante()) { }
            }
            Requete variete = cnx.preparer(QStringLiteral("INSERT INTO Varietes VALUES (?, ?, ?, ?)"));
            Requete coteV = cnx.preparer(QStringLiteral("INSERT INTO Cotations2001v VALUES (?, ?, ?, ?, ?, ?)"));
            for (int v = 0; v < nbVarietes; ++v) {
                const int t = v % std::max(nbTimbres, 1);
                const int rang = v / std::max(nbTimbres, 1);
                const QString d = numero(t) + QStringLiteral("v%1").arg(rang + 1);
                variete.reinitialiser();
                variete.lierTout({d, numero(t), QStringLiteral("Variété %1").arg(rang + 1), rang + 1});
                while (variete.suivante()) { }
                coteV.reinitialiser();
                coteV.lierTout({d, 10.0 + rang, 8.0, QVariant(), 5.0, QVariant()});
                while (coteV.suivante()) { }
            }
            // What a card shows of a stamp beside its numbers: lookups for the descriptive text, and a
            // couple of cancellations on one stamp in three.
            for (int c = 1; c <= 100; ++c)
                cnx.executer(QStringLiteral("INSERT INTO Series VALUES (?, ?)"), {c, QStringLiteral("Série %1").arg(c)});
            for (int c = 1; c <= 50; ++c) {
                cnx.executer(QStringLiteral("INSERT INTO Dessinateurs VALUES (?, ?, ?)"),
                    {c, QStringLiteral("Dessinateur %1").arg(c), QStringLiteral("Dessinateur %1").arg(c)});
                cnx.executer(QStringLiteral("INSERT INTO Graveurs VALUES (?, ?, ?)"),
                    {c, QStringLiteral("Graveur %1").arg(c), QStringLiteral("Graveur %1").arg(c)});
            }
            for (int c = 1; c <= 5; ++c)
                cnx.executer(QStringLiteral("INSERT INTO TypesImpression VALUES (?, ?)"), {c, QStringLiteral("procédé %1").arg(c)});
            cnx.executer(QStringLiteral(
                "UPDATE France SET Serie = 1 + Ordre % 100, ConcuDessinePar = 1 + Ordre % 50, GravePar = 1 + Ordre % 40, "
                "ImprimeEn = 1 + Ordre % 5, dapres = 'un tableau', Dentelure = '13', Format = 'Horizontal', "
                "TailleH = 36, TailleV = 22, TimbresParFeuille = 'feuilles de 50', Usage = 'Lettre simple'"));
            Requete obliteration = cnx.preparer(QStringLiteral("INSERT INTO Obliterations VALUES (?, ?, ?, ?)"));
            Requete coteO = cnx.preparer(QStringLiteral("INSERT INTO Cotations2001o VALUES (?, ?, ?)"));
            for (int i = 0; i < nbTimbres; i += 3) {
                for (int o = 1; o <= 2; ++o) {
                    const QString d = numero(i) + QStringLiteral("-O%1").arg(o);
                    obliteration.reinitialiser();
                    obliteration.lierTout({d, numero(i), QStringLiteral("Oblitération %1").arg(o), o});
                    while (obliteration.suivante()) { }
                    coteO.reinitialiser();
                    coteO.lierTout({d, 3.0 * o, 6.0 * o});
                    while (coteO.suivante()) { }
                }
            }
        });
    // The disc: a main picture for every stamp, a few drawings used in turn (drawing each would take long).
    QList<QByteArray> images;
    for (int k = 0; k < 8; ++k)
        images << DessinerTimbre({numero(k), QStringLiteral("Timbre synthétique"), QStringLiteral("1 F"),
            QStringLiteral("1900"), QStringLiteral("bleu"), QStringLiteral("AA")});
    construireBase(QDir(dossier).filePath(QStringLiteral("disque/DATAS/FR_BINP.DOV")), BaseSchema::CD,
        [&](const Connexion& cnx) {
            Requete image = cnx.preparer(QStringLiteral("INSERT INTO FrancePCT (Dallay, Image) VALUES (?, ?)"));
            for (int i = 0; i < nbTimbres; ++i) {
                image.reinitialiser();
                image.lierTout({numero(i), images.at(i % images.size())});
                while (image.suivante()) { }
            }
        });
    construireBase(
        QDir(dossier).filePath(QStringLiteral("ovlcfr02.mdb")), BaseSchema::Perso, [&](const Connexion& cnx) {
            cnx.executer(QStringLiteral(
                "INSERT INTO Utilisateurs VALUES (1, 'CollectionPredefinie', '2002-09-01', '2002-09-01', NULL)"));
            cnx.executer(QStringLiteral(
                "INSERT INTO Utilisateurs VALUES (2, 'Collection de mesure', '2002-09-01', '2002-09-01', NULL)"));
            Requete ligne = cnx.preparer(QStringLiteral(
                "INSERT INTO Collection (Collection, Dallay, QteN, EtatN, QtesN, QteO, EtatO, QtesO, QteDoubleO) "
                "VALUES (2, ?, -1, 100, 1, ?, ?, ?, ?)"));
            for (int i = 0; i < nbTimbres; ++i) {
                if (i % 10 == 9)
                    continue;
                const bool oblitere = i % 3 == 0;
                ligne.reinitialiser();
                ligne.lierTout({numero(i), oblitere ? -1 : 0, oblitere ? QVariant(80) : QVariant(),
                    oblitere ? QVariant(1) : QVariant(), i % 7 == 0 ? QVariant(2) : QVariant()});
                while (ligne.suivante()) { }
            }
            Requete numeroPerso = cnx.preparer(QStringLiteral("INSERT INTO CorrespID VALUES (?, ?)"));
            for (int i = 0; i < nbTimbres; i += 5) {
                numeroPerso.reinitialiser();
                numeroPerso.lierTout({numero(i), QStringLiteral("P%1").arg(i)});
                while (numeroPerso.suivante()) { }
            }
            // One variety in ten held mint, a third of those with a duplicate, so that the keyword lists
            // of duplicates have rows and the want lists of varieties leave some out.
            Requete variete = cnx.preparer(QStringLiteral(
                "INSERT INTO CollectionV (Collection, Dallay, QteN, EtatN, QtesN, QteDoubleN) VALUES (2, ?, -1, 100, 1, ?)"));
            for (int v = 0; v < nbVarietes; v += 10) {
                const int t = v % std::max(nbTimbres, 1);
                variete.reinitialiser();
                variete.lierTout({numero(t) + QStringLiteral("v%1").arg(v / std::max(nbTimbres, 1) + 1),
                    v % 30 == 0 ? QVariant(1) : QVariant()});
                while (variete.suivante()) { }
            }
            // One cancellation in ten held, and an own item on one stamp in a hundred.
            Requete obliteration = cnx.preparer(QStringLiteral(
                "INSERT INTO CollectionO (Collection, Dallay, QteO, EtatO, QtesO) VALUES (2, ?, -1, 90, 1)"));
            for (int i = 0; i < nbTimbres; i += 30) {
                obliteration.reinitialiser();
                obliteration.lierTout({numero(i) + QStringLiteral("-O1")});
                while (obliteration.suivante()) { }
            }
            Requete mienne = cnx.preparer(QStringLiteral(
                "INSERT INTO MesVarietes (Collection, position, Reference, Designation, Neuf, QteN, EtatN, QtesN) "
                "VALUES (2, 1, ?, 'Nuance personnelle', 4, -1, 100, 1)"));
            for (int i = 0; i < nbTimbres; i += 100) {
                mienne.reinitialiser();
                mienne.lierTout({numero(i)});
                while (mienne.suivante()) { }
            }
            // Twenty themes of the predefined collection, each given one stamp in twenty.
            Requete theme = cnx.preparer(QStringLiteral("INSERT INTO Themes VALUES (?, 1, ?, -1)"));
            for (int k = 1; k <= 20; ++k) {
                theme.reinitialiser();
                theme.lierTout({k, QStringLiteral("Thème %1").arg(k)});
                while (theme.suivante()) { }
            }
            Requete associe = cnx.preparer(QStringLiteral("INSERT INTO ThemesAssocies VALUES (?, ?, 1, -1)"));
            for (int i = 0; i < nbTimbres; ++i) {
                associe.reinitialiser();
                associe.lierTout({numero(i), 1 + i % 20});
                while (associe.suivante()) { }
            }
        });
    ecrireGroupeTravail(dossier);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 5 && args.at(1) == QStringLiteral("demo")) {
            construireDemo(args.at(2), args.at(3), args.at(4));
            return 0;
        }
        if (args.size() == 5 && args.at(1) == QStringLiteral("synthetique")) {
            construireSynthetique(args.at(2), args.at(3).toInt(), args.at(4).toInt());
            return 0;
        }
    } catch (const ErreurBase& e) {
        dire(QStringLiteral("construire_donnees : %1").arg(e.message()));
        return 1;
    }
    dire(QStringLiteral("usage : construire_donnees demo <sources> <dossier programme> <dossier disque>\n"
                        "        construire_donnees synthetique <dossier> <timbres> <variétés>"));
    return 2;
}
