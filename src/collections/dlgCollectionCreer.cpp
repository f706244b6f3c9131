#include "collections/dlgCollectionCreer.h"

#include "collections/ActualiserEcransCollection.h"
#include "collections/OFormCollections.h"
#include "data/Source.h"
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

// A name typed for a LIKE pattern that matches only itself: its wildcards and the escape are escaped.
QString motifLitteral(const QString& texte)
{
    QString motif;
    for (QChar c : texte) {
        if (c == u'\\' || c == u'%' || c == u'_')
            motif += u'\\';
        motif += c;
    }
    return motif;
}

}  // namespace

dlgCollectionCreer::dlgCollectionCreer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgCollectionCreer"));
    setWindowTitle(QStringLiteral("Créer une collection"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(4770 / TwipsParPixel, 2100 / TwipsParPixel);

    etiquette(this, QStringLiteral("Étiquette3"), QStringLiteral("Nom de la nouvelle collection:"), 0, 285, 2190, 240);
    m_texteDescription = CreerControle<QLineEdit>(this, QStringLiteral("TexteDescription"), 2320, 283, 2271, 240);
    etiquette(this, QStringLiteral("Étiquette5"), QStringLiteral("Mot de passe (facultatif):"), 0, 647, 2190, 240);
    m_pass1 = boiteMotDePasse(this, QStringLiteral("Pass1"), 2320, 645, 1296, 240);
    etiquette(this, QStringLiteral("Étiquette7"), QStringLiteral("Confirmation mot de passe:"), 0, 1009, 2190, 240);
    m_pass2 = boiteMotDePasse(this, QStringLiteral("Pass2"), 2320, 1007, 1296, 240);

    m_boutonOK = CreerControle<QPushButton>(this, QStringLiteral("BoutonOK"), 960, 1575, 1296, 328);
    m_boutonOK->setText(QStringLiteral("OK"));
    m_boutonOK->setDefault(true);
    connect(m_boutonOK, &QPushButton::clicked, this, &dlgCollectionCreer::BoutonOK_Click);

    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), 2430, 1575, 1296, 328);
    m_boutonAnnuler->setText(QStringLiteral("Annuler"));
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &dlgCollectionCreer::BoutonAnnuler_Click);

    setTabOrder(m_texteDescription, m_pass1);
    setTabOrder(m_pass1, m_pass2);
    setTabOrder(m_pass2, m_boutonOK);
    setTabOrder(m_boutonOK, m_boutonAnnuler);
    m_texteDescription->setFocus();
}

void dlgCollectionCreer::refuser(const QString& texte, QList<QLineEdit*> aVider, QLineEdit* focus)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible de créer"));
    for (QLineEdit* b : aVider)
        b->clear();
    focus->setFocus();
}

bool dlgCollectionCreer::nomExiste(const QString& nom) const
{
    // LIKE ignores case, accented capitals included, as a name typed again in other capitals must be
    // caught; collection 1 counts too, though the list never shows it.
    return CnxPerso
               ->valeur(
                   QStringLiteral("SELECT COUNT(*) FROM Utilisateurs WHERE DescriptionCollection LIKE ? ESCAPE '\\'"),
                   {motifLitteral(nom)})
               .toInt() > 0;
}

void dlgCollectionCreer::BoutonOK_Click()
{
    const QString nom = m_texteDescription->text();
    const QString pass1 = m_pass1->text();
    const QString pass2 = m_pass2->text();
    if (nom.isEmpty()) {
        refuser(QStringLiteral("Donnez un nom à la nouvelle collection (ex: Margot)"), {}, m_texteDescription);
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
    try {
        if (nomExiste(nom)) {
            refuser(QStringLiteral("Le nom de la collection existe déja, veuillez en saisir un autre"),
                {m_texteDescription, m_pass1, m_pass2}, m_texteDescription);
            return;
        }
        const QString aujourdhui = QDate::currentDate().toString(Qt::ISODate);
        CnxPerso->executer(QStringLiteral("INSERT INTO Utilisateurs (DescriptionCollection, MotdePasse, DateCreation, "
                                          "DateMAJ) VALUES (?, ?, ?, ?)"),
            {nom, pass1, aujourdhui, aujourdhui});
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    accept();
    OFormCollections* collections = FormCollections();
    collections->ChargerListeCollections();
    // No collection stays open after a creation: the screens must not go on writing into the one that was.
    collections->CollectionOuverte()->clear();
    collections->TexteCollectionOuverte()->clear();
    ActualiserEcransCollection();
}

void dlgCollectionCreer::BoutonAnnuler_Click()
{
    reject();
}
