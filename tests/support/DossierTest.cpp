#include "support/DossierTest.h"

#include "data/GroupeTravail.h"
#include "data/Schema.h"
#include "data/Source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void remplirBase(const QString& chemin, BaseSchema schema, const std::function<void(const Connexion&)>& remplir)
{
    const bool nouvelle = !QFileInfo::exists(chemin);
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    Connexion cnx;
    cnx.creer(chemin);
    if (nouvelle)
        CreerSchema(cnx, schema);
    if (remplir)
        remplir(cnx);
}

}  // namespace

DossierTest::DossierTest(bool complet)
{
    DefinirDossierProgramme(m_dossier.path());
    LibererConnexions();
    LecteurCD.clear();
    if (complet) {
        creerGroupeTravail();
        creerCatalogue();
        creerPerso([](const Connexion& cnx) {
            cnx.executer(QStringLiteral("INSERT INTO Utilisateurs VALUES (1, 'CollectionPredefinie', '2002-09-01', "
                                        "'2002-09-01', NULL)"));
        });
    }
}

DossierTest::~DossierTest()
{
    LibererConnexions();
    LecteurCD.clear();
    DefinirDossierProgramme(QString());
}

QString DossierTest::fichier(const QString& nom) const
{
    return QDir(m_dossier.path()).filePath(nom);
}

void DossierTest::creerGroupeTravail(const QString& contenu)
{
    QFile f(fichier(NomFichierGroupeTravail));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write((contenu.isEmpty() ? ContenuGroupeTravail() : contenu).toUtf8());
}

void DossierTest::creerBase(const QString& nom, BaseSchema schema, const std::function<void(const Connexion&)>& remplir)
{
    remplirBase(fichier(nom), schema, remplir);
}

void DossierTest::creerCatalogue(const std::function<void(const Connexion&)>& remplir)
{
    remplirBase(fichier(QStringLiteral("FR_BIN.DOV")), BaseSchema::Catalogue, remplir);
}

void DossierTest::creerPerso(const std::function<void(const Connexion&)>& remplir)
{
    remplirBase(fichier(QStringLiteral("ovlcfr02.mdb")), BaseSchema::Perso, remplir);
}

void DossierTest::creerDisque(
    const QString& racine, const QString& relatif, const std::function<void(const Connexion&)>& remplir)
{
    remplirBase(QDir(racine).filePath(relatif), BaseSchema::CD, remplir);
}
