#include "collections/dlgCollectionOuvrir.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
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
    const std::optional<QString> motDePasse = LireMotDePasse(FormCollections()->ListeCollections()->BoundText());
    if (!motDePasse)
        return;
    if (m_pass1->text() != *motDePasse) {
        refuser(QStringLiteral("Erreur"), QStringLiteral("Le mot de passe est incorrect, veuillez en saisir un autre"),
            {m_pass1}, m_pass1);
        return;
    }
    accept();
    OuvrirCollectionChoisie();
}

std::optional<QString> LireMotDePasse(const QString& code)
{
    QVariant motDePasse;
    try {
        // A Null password reads as the empty text, so that only a missing row reads as nothing.
        motDePasse = CnxPerso->valeur(
            QStringLiteral("SELECT COALESCE(MotdePasse, '') FROM Utilisateurs WHERE CodeCollection = ?"), {code});
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return std::nullopt;
    }
    if (!motDePasse.isValid()) {
        AfficherMessage(QStringLiteral("La collection choisie est inconnue, veuillez en choisir une autre"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Ouverture impossible"));
        return std::nullopt;
    }
    return Texte(motDePasse);
}
