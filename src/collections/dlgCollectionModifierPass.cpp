#include "collections/dlgCollectionModifierPass.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "shell/CollectionOuverte.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>

dlgCollectionModifierPass::dlgCollectionModifierPass(QWidget* parent)
    : DialogueCollection(QStringLiteral("dlgCollectionModifierPass"), QStringLiteral("Modifier le mot de passe"), 4590,
          2100, true, parent)
{
    etiquette(QStringLiteral("Étiquette10"), QStringLiteral("Collection à modifier:"), 226, 113, 1986, 240);
    // The name of the collection whose password changes, shown and never typed into.
    m_texteDescription = boiteTexte(QStringLiteral("TexteDescription"), 2324, 113, 2037, 240);
    m_texteDescription->setText(NomCollectionOuverte());
    m_texteDescription->setEnabled(false);
    m_texteDescription->setFocusPolicy(Qt::NoFocus);
    QFont gras = m_texteDescription->font();
    gras.setBold(true);
    m_texteDescription->setFont(gras);
    QPalette palette = m_texteDescription->palette();
    for (QPalette::ColorGroup groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(groupe, QPalette::Text, Qt::red);
        palette.setColor(groupe, QPalette::Base, palette.color(groupe, QPalette::Button));
    }
    m_texteDescription->setPalette(palette);

    etiquette(QStringLiteral("Étiquette3"), QStringLiteral("Ancien mot de passe:"), 226, 512, 2700, 240);
    m_ancienPasse = boiteMotDePasse(QStringLiteral("ancienpasse"), 3056, 510, 1311, 240);
    etiquette(QStringLiteral("Étiquette5"), QStringLiteral("Nouveau mot de passe:"), 226, 874, 2700, 240);
    m_pass1 = boiteMotDePasse(QStringLiteral("Pass1"), 3056, 872, 1296, 240);
    etiquette(QStringLiteral("Étiquette7"), QStringLiteral("Confirmation nouveau mot de passe:"), 231, 1232, 2730, 240);
    m_pass2 = boiteMotDePasse(QStringLiteral("Pass2"), 3056, 1234, 1296, 240);

    placerBoutons(799, 2273, 1643, {m_ancienPasse, m_pass1, m_pass2});
}

void dlgCollectionModifierPass::BoutonOK_Click()
{
    const QString titre = QStringLiteral("Erreur");
    const QString code = CodeCollectionOuverte();
    const QString ancien = m_ancienPasse->text();
    const QString pass1 = m_pass1->text();
    try {
        const QString enregistre = Texte(
            CnxPerso->valeur(QStringLiteral("SELECT MotdePasse FROM Utilisateurs WHERE CodeCollection = ?"), {code}));
        if (enregistre.isEmpty() && !ancien.isEmpty()) {
            refuser(titre, QStringLiteral("La collection n'avait pas de mot de passe"), {m_ancienPasse}, m_ancienPasse);
            return;
        }
        if (!enregistre.isEmpty() && ancien.isEmpty()) {
            refuser(titre, QStringLiteral("L'ancien mot de passe est obligatoire, veuillez en saisir un autre"),
                {m_ancienPasse}, m_ancienPasse);
            return;
        }
        if (ancien != enregistre) {
            refuser(titre, QStringLiteral("L'ancien mot de passe est incorrect, veuillez en saisir un autre"),
                {m_ancienPasse}, m_ancienPasse);
            return;
        }
        if (!nouveauxMotsDePasseValides(titre, m_pass1, m_pass2))
            return;
        // Two empty boxes store an empty text: the collection has no password any more.
        CnxPerso->executer(
            QStringLiteral("UPDATE Utilisateurs SET MotdePasse = ?, DateMAJ = ? WHERE CodeCollection = ?"),
            {pass1, QDate::currentDate().toString(Qt::ISODate), code});
    } catch (const ErreurBase& e) {
        erreurBase(e.message());
        return;
    }
    accept();
}
