#include "collections/dlgCollectionRenommer.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "shell/CollectionOuverte.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>

dlgCollectionRenommer::dlgCollectionRenommer(const QString& codeCollection, QWidget* parent)
    : DialogueCollection(QStringLiteral("dlgCollectionRenommer"), QStringLiteral("Renommer une collection"), 3810, 1305,
          false, parent),
      m_codeCollection(codeCollection)
{
    etiquette(QStringLiteral("Étiquette5"), QStringLiteral("Nouveau nom :"), 165, 210, 1995, 240);
    m_newNom = boiteTexte(QStringLiteral("NewNom"), 1440, 210, 2028, 240);
    placerBoutons(555, 2025, 720, {m_newNom});
}

void dlgCollectionRenommer::BoutonOK_Click()
{
    const QString titre = QStringLiteral("Impossible de renommer");
    OFormCollections* collections = FormCollections();
    // Renaming whatever is open now would put the new name on the wrong collection.
    const QString ouverte = CodeCollectionOuverte();
    if (ouverte.isEmpty() || ouverte != m_codeCollection) {
        refuser(titre, QStringLiteral("La collection à renommer n'est plus ouverte, veuillez l'ouvrir à nouveau"), {},
            m_newNom);
        return;
    }
    const QString nom = m_newNom->text();
    if (nom.isEmpty()) {
        refuser(titre, QStringLiteral("Le nom de la collection doit comporter au moins un caractère"), {m_newNom},
            m_newNom);
        return;
    }
    try {
        // Two collections of one name could not be told apart in the list.
        if (nomCollectionPris(nom, m_codeCollection)) {
            refuserNomPris(titre, {m_newNom}, m_newNom);
            return;
        }
        CnxPerso->executer(
            QStringLiteral("UPDATE Utilisateurs SET DescriptionCollection = ?, DateMAJ = ? WHERE CodeCollection = ?"),
            {nom, QDate::currentDate().toString(Qt::ISODate), m_codeCollection});
    } catch (const ErreurBase& e) {
        erreurBase(e.message());
        return;
    }
    LaCollectionOuverte().renommer(nom);
    accept();
    collections->ChargerListeCollections();
}
