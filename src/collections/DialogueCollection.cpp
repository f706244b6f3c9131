#include "collections/DialogueCollection.h"

#include "platform/Messages.h"
#include "shell/Echelle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const int LongueurMaxMotDePasse = 10;
}

DialogueCollection::DialogueCollection(
    const QString& nom, const QString& titre, int largeurTwips, int hauteurTwips, bool modal, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(nom);
    setWindowTitle(titre);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(modal);
    setFixedSize(largeurTwips / TwipsParPixel, hauteurTwips / TwipsParPixel);
}

void DialogueCollection::etiquette(
    const QString& nom, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    CreerControle<QLabel>(this, nom, gauche, haut, largeur, hauteur)->setText(texte);
}

QLineEdit* DialogueCollection::boiteTexte(const QString& nom, int gauche, int haut, int largeur, int hauteur)
{
    return CreerControle<QLineEdit>(this, nom, gauche, haut, largeur, hauteur);
}

QLineEdit* DialogueCollection::boiteMotDePasse(const QString& nom, int gauche, int haut, int largeur, int hauteur)
{
    QLineEdit* boite = boiteTexte(nom, gauche, haut, largeur, hauteur);
    boite->setEchoMode(QLineEdit::Password);
    return boite;
}

void DialogueCollection::placerBoutons(int gaucheOK, int gaucheAnnuler, int haut, const QList<QLineEdit*>& boites)
{
    m_boutonOK = CreerControle<QPushButton>(this, QStringLiteral("BoutonOK"), gaucheOK, haut, 1296, 328);
    m_boutonOK->setText(QStringLiteral("OK"));
    m_boutonOK->setDefault(true);
    connect(m_boutonOK, &QPushButton::clicked, this, [this] { BoutonOK_Click(); });

    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), gaucheAnnuler, haut, 1296, 328);
    m_boutonAnnuler->setText(QStringLiteral("Annuler"));
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &DialogueCollection::BoutonAnnuler_Click);

    QList<QWidget*> ordre(boites.begin(), boites.end());
    ordre << m_boutonOK << m_boutonAnnuler;
    for (int i = 0; i + 1 < ordre.size(); ++i)
        setTabOrder(ordre.at(i), ordre.at(i + 1));
    if (!boites.isEmpty())
        boites.first()->setFocus();
}

void DialogueCollection::refuser(
    const QString& titre, const QString& texte, const QList<QLineEdit*>& aVider, QLineEdit* focus)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, titre);
    for (QLineEdit* boite : aVider)
        boite->clear();
    focus->setFocus();
}

void DialogueCollection::erreurBase(const QString& raison)
{
    AfficherMessage(raison, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
}

bool DialogueCollection::nouveauxMotsDePasseValides(const QString& titre, QLineEdit* pass1, QLineEdit* pass2)
{
    const QString a = pass1->text();
    const QString b = pass2->text();
    if (a.isEmpty() != b.isEmpty()) {
        refuser(titre, QStringLiteral("L'un des mots de passe est manquant"), {pass1, pass2}, pass1);
        return false;
    }
    if (a != b) {
        refuser(titre, QStringLiteral("Les mots de passe ne correspondent pas"), {pass1, pass2}, pass1);
        return false;
    }
    if (a.size() > LongueurMaxMotDePasse || b.size() > LongueurMaxMotDePasse) {
        refuser(titre, QStringLiteral("Les mots de passe sont limités à 10 caractères"), {pass1, pass2}, pass1);
        return false;
    }
    return true;
}
