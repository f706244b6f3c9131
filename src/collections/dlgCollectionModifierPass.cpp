#include "collections/dlgCollectionModifierPass.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "shell/Echelle.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const int LongueurMaxMotDePasse = 10;

void etiquette(
    QWidget* parent, const QString& nom, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    CreerControle<QLabel>(parent, nom, gauche, haut, largeur, hauteur)->setText(texte);
}

QLineEdit* boiteMotDePasse(QWidget* parent, const QString& nom, int gauche, int haut, int largeur, int hauteur)
{
    auto* b = CreerControle<QLineEdit>(parent, nom, gauche, haut, largeur, hauteur);
    b->setEchoMode(QLineEdit::Password);
    return b;
}

}  // namespace

dlgCollectionModifierPass::dlgCollectionModifierPass(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgCollectionModifierPass"));
    setWindowTitle(QStringLiteral("Modifier le mot de passe"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(4590 / TwipsParPixel, 2100 / TwipsParPixel);

    etiquette(this, QStringLiteral("Étiquette10"), QStringLiteral("Collection à modifier:"), 226, 113, 1986, 240);
    // The name of the collection whose password changes, shown and never typed into.
    m_texteDescription = CreerControle<QLineEdit>(this, QStringLiteral("TexteDescription"), 2324, 113, 2037, 240);
    m_texteDescription->setText(FormCollections()->TexteCollectionOuverte()->text());
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

    etiquette(this, QStringLiteral("Étiquette3"), QStringLiteral("Ancien mot de passe:"), 226, 512, 2700, 240);
    m_ancienPasse = boiteMotDePasse(this, QStringLiteral("ancienpasse"), 3056, 510, 1311, 240);
    etiquette(this, QStringLiteral("Étiquette5"), QStringLiteral("Nouveau mot de passe:"), 226, 874, 2700, 240);
    m_pass1 = boiteMotDePasse(this, QStringLiteral("Pass1"), 3056, 872, 1296, 240);
    etiquette(
        this, QStringLiteral("Étiquette7"), QStringLiteral("Confirmation nouveau mot de passe:"), 231, 1232, 2730, 240);
    m_pass2 = boiteMotDePasse(this, QStringLiteral("Pass2"), 3056, 1234, 1296, 240);

    m_boutonOK = CreerControle<QPushButton>(this, QStringLiteral("BoutonOK"), 799, 1643, 1296, 328);
    m_boutonOK->setText(QStringLiteral("OK"));
    m_boutonOK->setDefault(true);
    connect(m_boutonOK, &QPushButton::clicked, this, &dlgCollectionModifierPass::BoutonOK_Click);

    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), 2273, 1643, 1296, 328);
    m_boutonAnnuler->setText(QStringLiteral("Annuler"));
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &dlgCollectionModifierPass::BoutonAnnuler_Click);

    setTabOrder(m_ancienPasse, m_pass1);
    setTabOrder(m_pass1, m_pass2);
    setTabOrder(m_pass2, m_boutonOK);
    setTabOrder(m_boutonOK, m_boutonAnnuler);
    m_ancienPasse->setFocus();
}

void dlgCollectionModifierPass::refuser(const QString& texte, QList<QLineEdit*> aVider, QLineEdit* focus)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
    for (QLineEdit* b : aVider)
        b->clear();
    focus->setFocus();
}

void dlgCollectionModifierPass::BoutonOK_Click()
{
    const QString code = FormCollections()->CollectionOuverte()->text();
    const QString ancien = m_ancienPasse->text();
    const QString pass1 = m_pass1->text();
    const QString pass2 = m_pass2->text();
    try {
        const QString enregistre = Texte(
            CnxPerso->valeur(QStringLiteral("SELECT MotdePasse FROM Utilisateurs WHERE CodeCollection = ?"), {code}));
        if (enregistre.isEmpty() && !ancien.isEmpty()) {
            refuser(QStringLiteral("La collection n'avait pas de mot de passe"), {m_ancienPasse}, m_ancienPasse);
            return;
        }
        if (!enregistre.isEmpty() && ancien.isEmpty()) {
            refuser(QStringLiteral("L'ancien mot de passe est obligatoire, veuillez en saisir un autre"),
                {m_ancienPasse}, m_ancienPasse);
            return;
        }
        if (ancien != enregistre) {
            refuser(QStringLiteral("L'ancien mot de passe est incorrect, veuillez en saisir un autre"), {m_ancienPasse},
                m_ancienPasse);
            return;
        }
        if (pass1.isEmpty() != pass2.isEmpty()) {
            refuser(QStringLiteral("L'un des mots de passe est manquant"), {m_pass1, m_pass2}, m_pass1);
            return;
        }
        if (pass1 != pass2) {
            refuser(QStringLiteral("Les mots de passe ne correspondent pas"), {m_pass1, m_pass2}, m_pass1);
            return;
        }
        if (pass1.size() > LongueurMaxMotDePasse) {
            refuser(QStringLiteral("Les mots de passe sont limités à 10 caractères"), {m_pass1, m_pass2}, m_pass1);
            return;
        }
        // Two empty boxes store an empty text: the collection has no password any more.
        CnxPerso->executer(
            QStringLiteral("UPDATE Utilisateurs SET MotdePasse = ?, DateMAJ = ? WHERE CodeCollection = ?"),
            {pass1, QDate::currentDate().toString(Qt::ISODate), code});
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    accept();
}

void dlgCollectionModifierPass::BoutonAnnuler_Click()
{
    reject();
}
