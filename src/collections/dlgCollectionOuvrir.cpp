#include "collections/dlgCollectionOuvrir.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

dlgCollectionOuvrir::dlgCollectionOuvrir(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgCollectionOuvrir"));
    setWindowTitle(QStringLiteral("Ouvrir une collection"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(4020 / TwipsParPixel, 1305 / TwipsParPixel);

    auto* etiquette = CreerControle<QLabel>(this, QStringLiteral("Étiquette5"), 630, 270, 1125, 240);
    etiquette->setText(QStringLiteral("Mot de passe:"));
    etiquette->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_pass1 = CreerControle<QLineEdit>(this, QStringLiteral("Pass1"), 1935, 270, 1296, 240);
    m_pass1->setEchoMode(QLineEdit::Password);

    m_boutonOK = CreerControle<QPushButton>(this, QStringLiteral("BoutonOK"), 735, 720, 1296, 328);
    m_boutonOK->setText(QStringLiteral("OK"));
    m_boutonOK->setDefault(true);
    connect(m_boutonOK, &QPushButton::clicked, this, &dlgCollectionOuvrir::BoutonOK_Click);

    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), 2220, 720, 1296, 328);
    m_boutonAnnuler->setText(QStringLiteral("Annuler"));
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &dlgCollectionOuvrir::BoutonAnnuler_Click);

    setTabOrder(m_pass1, m_boutonOK);
    setTabOrder(m_boutonOK, m_boutonAnnuler);
    m_pass1->setFocus();
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
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    if (m_pass1->text() != motDePasse) {
        AfficherMessage(QStringLiteral("Le mot de passe est incorrect, veuillez en saisir un autre"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("Erreur"));
        m_pass1->clear();
        m_pass1->setFocus();
        return;
    }
    accept();
    OuvrirCollectionChoisie();
}

void dlgCollectionOuvrir::BoutonAnnuler_Click()
{
    reject();
}
