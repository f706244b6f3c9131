#include "data/Source.h"

#include "data/GroupeTravail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ConnexionPtr CnxPerso = std::make_shared<Connexion>();
ConnexionPtr CnxCatalogue = std::make_shared<Connexion>();
ConnexionPtr CnxCD = std::make_shared<Connexion>();
QString LecteurCD;

namespace {

QString g_dossierProgramme;
QString g_derniereErreur;

QString joindre(const QString& dossier, const QString& nom)
{
    if (dossier.endsWith(QLatin1Char('/')))
        return dossier + nom;
    return dossier + QLatin1Char('/') + nom;
}

QString guillemets(const QString& nom)
{
    QString n = nom;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

bool ouvrirSiFerme(ConnexionPtr& global, const QString& chemin, Connexion::Mode mode)
{
    if (global && global->estOuverte())
        return true;
    global = std::make_shared<Connexion>();
    if (!CompteAccepte(CheminGroupeTravail(), UtilisateurProgramme, QString())) {
        g_derniereErreur = QStringLiteral("Compte \"%1\" refusé par le groupe de travail %2")
                               .arg(UtilisateurProgramme, CheminGroupeTravail());
        return false;
    }
    try {
        global->ouvrir(chemin, mode);
    } catch (const ErreurBase& e) {
        g_derniereErreur = e.message();
        return false;
    }
    return true;
}

QString cheminCanonique(const QString& chemin)
{
    QFileInfo info(chemin);
    QString c = info.canonicalFilePath();
    return c.isEmpty() ? info.absoluteFilePath() : c;
}

// The alias under which `cheminSource` is attached to `cnx`, attaching it when it is not yet.
QString aliasSource(const Connexion& cnx, const QString& cheminSource)
{
    if (!QFileInfo(cheminSource).isFile())
        throw ErreurBase(QStringLiteral("Fichier introuvable : %1").arg(cheminSource));
    const QString voulu = cheminCanonique(cheminSource);
    QStringList pris;
    {
        Requete bases = cnx.preparer(QStringLiteral("PRAGMA database_list"));
        while (bases.suivante()) {
            const QString alias = bases.colonne(1).toString();
            const QString fichier = bases.colonne(2).toString();
            pris << alias;
            if (alias != QStringLiteral("main") && alias != QStringLiteral("temp") && !fichier.isEmpty() &&
                cheminCanonique(fichier) == voulu)
                return alias;
        }
    }
    int n = 1;
    while (pris.contains(QStringLiteral("source%1").arg(n)))
        ++n;
    const QString alias = QStringLiteral("source%1").arg(n);
    cnx.attacher(cheminSource, alias);
    return alias;
}

}  // namespace

QString DossierProgramme()
{
    if (!g_dossierProgramme.isEmpty())
        return g_dossierProgramme;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void DefinirDossierProgramme(const QString& dossier)
{
    g_dossierProgramme = dossier;
}

QString TrouverFichier(const QString& dossier, const QString& relatif)
{
    QString courant = dossier;
    const QStringList noms = relatif.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < noms.size(); ++i) {
        const QString& nom = noms.at(i);
        QString candidat = joindre(courant, nom);
        if (!QFileInfo::exists(candidat)) {
            const QStringList presents =
                QDir(courant).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& present : presents) {
                if (QString::compare(present, nom, Qt::CaseInsensitive) == 0) {
                    candidat = joindre(courant, present);
                    break;
                }
            }
        }
        courant = candidat;
    }
    return courant;
}

QString CheminBaseCD()
{
    if (LecteurCD.isEmpty())
        return QString();
    return TrouverFichier(LecteurCD, CheminRelatifBaseCD);
}

QString CheminBaseCatalogue()
{
    return TrouverFichier(DossierProgramme(), NomBaseCatalogue);
}

QString CheminBasePerso()
{
    return TrouverFichier(DossierProgramme(), NomBasePerso);
}

QString CheminGroupeTravail()
{
    return TrouverFichier(DossierProgramme(), NomFichierGroupeTravail);
}

bool OuvrirBaseCD()
{
    CnxCD = std::make_shared<Connexion>();
    if (LecteurCD.isEmpty()) {
        g_derniereErreur = QStringLiteral("Aucun disque du catalogue");
        return false;
    }
    return ouvrirSiFerme(CnxCD, CheminBaseCD(), Connexion::Mode::Immuable);
}

bool OuvrirBaseCatalogue()
{
    return ouvrirSiFerme(CnxCatalogue, CheminBaseCatalogue(), Connexion::Mode::LectureSeule);
}

bool OuvrirBasePerso()
{
    return ouvrirSiFerme(CnxPerso, CheminBasePerso(), Connexion::Mode::LectureEcriture);
}

QString DerniereErreurOuverture()
{
    return g_derniereErreur;
}

void LibererConnexions()
{
    CnxPerso = std::make_shared<Connexion>();
    CnxCatalogue = std::make_shared<Connexion>();
    CnxCD = std::make_shared<Connexion>();
}

bool TableExiste(const Connexion& cnx, const QString& nom)
{
    Requete r =
        cnx.preparer(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view') "
                                    "UNION ALL SELECT name FROM sqlite_temp_master WHERE type IN ('table', 'view')"));
    while (r.suivante()) {
        if (QString::compare(r.colonne(0).toString(), nom, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void CreerTableLiee(
    const Connexion& cnx, const QString& nomLien, const QString& cheminSource, const QString& tableSource)
{
    const QString alias = aliasSource(cnx, cheminSource);
    const QVariant trouvee = cnx.valeur(
        QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type IN ('table', 'view') AND name = ? COLLATE NOCASE")
            .arg(guillemets(alias)),
        {tableSource});
    if (trouvee.isNull())
        throw ErreurBase(QStringLiteral("Table %1 introuvable dans %2").arg(tableSource, cheminSource));
    if (TableExiste(cnx, nomLien))
        SupprimerTableLiee(cnx, nomLien);
    cnx.executer(QStringLiteral("CREATE TEMP VIEW %1 AS SELECT * FROM %2.%3")
                     .arg(guillemets(nomLien), guillemets(alias), guillemets(trouvee.toString())));
}

void SupprimerTableLiee(const Connexion& cnx, const QString& nomLien)
{
    // Only links are dropped here: a real table of that name is personal data and stays.
    Requete r = cnx.preparer(QStringLiteral("SELECT name FROM sqlite_temp_master WHERE type = 'view'"));
    QStringList aSupprimer;
    while (r.suivante()) {
        const QString nom = r.colonne(0).toString();
        if (QString::compare(nom, nomLien, Qt::CaseInsensitive) == 0)
            aSupprimer << nom;
    }
    for (const QString& nom : aSupprimer)
        cnx.executer(QStringLiteral("DROP VIEW temp.%1").arg(guillemets(nom)));
}

void DetacherSource(const Connexion& cnx, const QString& cheminSource)
{
    const QString voulu = cheminCanonique(cheminSource);
    Requete r = cnx.preparer(QStringLiteral("PRAGMA database_list"));
    QStringList aDetacher;
    while (r.suivante()) {
        const QString alias = r.colonne(1).toString();
        const QString fichier = r.colonne(2).toString();
        if (alias != QStringLiteral("main") && alias != QStringLiteral("temp") && !fichier.isEmpty() &&
            cheminCanonique(fichier) == voulu)
            aDetacher << alias;
    }
    for (const QString& alias : aDetacher)
        cnx.detacher(alias);
}
