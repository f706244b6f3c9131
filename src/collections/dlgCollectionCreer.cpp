#include "collections/dlgCollectionCreer.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "shell/CollectionOuverte.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>

dlgCollectionCreer::dlgCollectionCreer(QWidget* parent)
    : DialogueCollection(
          QStringLiteral("dlgCollectionCreer"), QStringLiteral("Créer une collection"), 4770, 2100, true, parent)
{
    etiquette(QStringLiteral("Étiquette3"), QStringLiteral("Nom de la nouvelle collection:"), 0, 285, 2190, 240);
    m_texteDescription = boiteTexte(QStringLiteral("TexteDescription"), 2320, 283, 2271, 240);
    etiquette(QStringLiteral("Étiquette5"), QStringLiteral("Mot de passe (facultatif):"), 0, 647, 2190, 240);
    m_pass1 = boiteMotDePasse(QStringLiteral("Pass1"), 2320, 645, 1296, 240);
    etiquette(QStringLiteral("Étiquette7"), QStringLiteral("Confirmation mot de passe:"), 0, 1009, 2190, 240);
    m_pass2 = boiteMotDePasse(QStringLiteral("Pass2"), 2320, 1007, 1296, 240);
    placerBoutons(960, 2430, 1575, {m_texteDescription, m_pass1, m_pass2});
}

void dlgCollectionCreer::BoutonOK_Click()
{
    const QString titre = QStringLiteral("Impossible de créer");
    const QString nom = m_texteDescription->text();
    if (nom.isEmpty()) {
        refuser(titre, QStringLiteral("Donnez un nom à la nouvelle collection (ex: Margot)"), {}, m_texteDescription);
        return;
    }
    if (!nouveauxMotsDePasseValides(titre, m_pass1, m_pass2))
        return;
    try {
        if (nomCollectionPris(nom)) {
            refuserNomPris(titre, {m_texteDescription, m_pass1, m_pass2}, m_texteDescription);
            return;
        }
        const QString aujourdhui = QDate::currentDate().toString(Qt::ISODate);
        CnxPerso->executer(QStringLiteral("INSERT INTO Utilisateurs (DescriptionCollection, MotdePasse, DateCreation, "
                                          "DateMAJ) VALUES (?, ?, ?, ?)"),
            {nom, m_pass1->text(), aujourdhui, aujourdhui});
    } catch (const ErreurBase& e) {
        erreurBase(e.message());
        return;
    }
    accept();
    OFormCollections* collections = FormCollections();
    collections->ChargerListeCollections();
    // No collection stays open after a creation: the screens must not go on writing into the one that was.
    LaCollectionOuverte().fermer();
}
