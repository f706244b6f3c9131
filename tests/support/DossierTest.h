#pragma once
// A temporary program folder made from the same schema files as the program, holding only the rows a
// case needs. While it lives, the program's folder is this one; at the end the connections are released.

#include "data/Connexion.h"
#include "data/Schema.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class DossierTest {
public:
    // With `complet`, the folder holds the workgroup file, an empty catalogue and a personal database
    // with its reserved collection 1; otherwise it starts empty.
    explicit DossierTest(bool complet = true);
    ~DossierTest();
    DossierTest(const DossierTest&) = delete;
    DossierTest& operator=(const DossierTest&) = delete;

    QString chemin() const { return m_dossier.path(); }
    QString fichier(const QString& nom) const;

    void creerGroupeTravail(const QString& contenu = {});  // empty: the program's own account
    // Makes (or adds rows to) a database of the folder through `remplir`; the file name is relative.
    void creerBase(const QString& nom, BaseSchema schema, const std::function<void(const Connexion&)>& remplir = {});
    void creerCatalogue(const std::function<void(const Connexion&)>& remplir = {});
    void creerPerso(const std::function<void(const Connexion&)>& remplir = {});
    // Makes "DATAS/FR_BINP.DOV" (spelt as given) under `racine`, a folder standing for a disc.
    static void creerDisque(const QString& racine, const QString& relatif = QStringLiteral("DATAS/FR_BINP.DOV"),
        const std::function<void(const Connexion&)>& remplir = {});

private:
    QTemporaryDir m_dossier;
};
