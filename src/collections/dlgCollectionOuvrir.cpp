#include "collections/dlgCollectionOuvrir.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "shell/Controles.h"

#include <QLabel>
#include <QLineEdit>

dlgCollectionOuvrir::dlgCollectionOuvrir(QWidget* parent)
    : DialogueCollection(
          QStringLiteral("dlgCollectionOuvrir"), QStringLiteral("Ouvrir une collection"), 4020, 1305, true, parent)
{
    etiquette(QStringLiteral("Étiquette5"), QStringLiteral("Mot de passe:"), 630, 270, 1125, 240);
    findChild<QLabel*>(QStringLiteral("Étiquette5"))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pass1 = boiteMotDePasse(QStringLiteral("Pass1"), 1935, 270, 1296, 240);
    placerBoutons(735, 2220, 720, {m_pass1});
}

void dlgCollectionOuvrir::BoutonOK_Click()
{
    // The dialog is modal: the selection it was opened for cannot have changed behind it.
    QString motDePasse;
    try {
        motDePasse =
            Texte(CnxPerso->valeur(QStringLiteral("SELECT MotdePasse FROM Utilisateurs WHERE CodeCollection = ?"),
                {FormCollections()->ListeCollections()->BoundText()}));
    } catch (const ErreurBase& e) {
        erreurBase(e.message());
        return;
    }
    if (m_pass1->text() != motDePasse) {
        refuser(QStringLiteral("Erreur"), QStringLiteral("Le mot de passe est incorrect, veuillez en saisir un autre"),
            {m_pass1}, m_pass1);
        return;
    }
    accept();
    OuvrirCollectionChoisie();
}
