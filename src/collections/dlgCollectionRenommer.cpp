#include "collections/dlgCollectionRenommer.h"

#include "collections/OFormCollections.h"
#include "data/Source.h"
#include "platform/Messages.h"
#include "shell/Echelle.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

dlgCollectionRenommer::dlgCollectionRenommer(const QString& codeCollection, QWidget* parent)
    : QDialog(parent), m_codeCollection(codeCollection)
{
    setObjectName(QStringLiteral("dlgCollectionRenommer"));
    setWindowTitle(QStringLiteral("Renommer une collection"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFixedSize(3810 / TwipsParPixel, 1305 / TwipsParPixel);

    CreerControle<QLabel>(this, QStringLiteral("Étiquette5"), 165, 210, 1995, 240)
        ->setText(QStringLiteral("Nouveau nom :"));
    m_newNom = CreerControle<QLineEdit>(this, QStringLiteral("NewNom"), 1440, 210, 2028, 240);

    m_boutonOK = CreerControle<QPushButton>(this, QStringLiteral("BoutonOK"), 555, 720, 1296, 328);
    m_boutonOK->setText(QStringLiteral("OK"));
    m_boutonOK->setDefault(true);
    connect(m_boutonOK, &QPushButton::clicked, this, &dlgCollectionRenommer::BoutonOK_Click);

    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), 2025, 720, 1296, 328);
    m_boutonAnnuler->setText(QStringLiteral("Annuler"));
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &dlgCollectionRenommer::BoutonAnnuler_Click);

    setTabOrder(m_newNom, m_boutonOK);
    setTabOrder(m_boutonOK, m_boutonAnnuler);
    m_newNom->setFocus();
}

void dlgCollectionRenommer::BoutonOK_Click()
{
    const QString titre = QStringLiteral("Impossible de renommer");
    OFormCollections* collections = FormCollections();
    // Renaming whatever is open now would put the new name on the wrong collection.
    const QString ouverte = collections->CollectionOuverte()->text();
    if (ouverte.isEmpty() || ouverte != m_codeCollection) {
        AfficherMessage(QStringLiteral("La collection à renommer n'est plus ouverte, veuillez l'ouvrir à nouveau"),
            Boutons::OK, Icone::Exclamation, titre);
        return;
    }
    const QString nom = m_newNom->text();
    if (nom.isEmpty()) {
        AfficherMessage(QStringLiteral("Le nom de la collection doit comporter au moins un caractère"), Boutons::OK,
            Icone::Exclamation, titre);
        m_newNom->clear();
        m_newNom->setFocus();
        return;
    }
    try {
        CnxPerso->executer(
            QStringLiteral("UPDATE Utilisateurs SET DescriptionCollection = ?, DateMAJ = ? WHERE CodeCollection = ?"),
            {nom, QDate::currentDate().toString(Qt::ISODate), m_codeCollection});
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    collections->TexteCollectionOuverte()->setText(nom);
    accept();
    collections->ChargerListeCollections();
}

void dlgCollectionRenommer::BoutonAnnuler_Click()
{
    reject();
}
