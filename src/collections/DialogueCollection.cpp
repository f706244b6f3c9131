#include "collections/DialogueCollection.h"

#include "data/Source.h"
#include "platform/Messages.h"
#include "shell/Echelle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const int LongueurMaxMotDePasse = 10;

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

// The length the user sees: a character beyond the first plane is one, not its two UTF-16 halves.
qsizetype nombreCaracteres(const QString& texte)
{
    return texte.toUcs4().size();
}

}  // namespace

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
    // One "*" per character, not the mask the desktop's theme would choose.
    boite->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
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
    if (nombreCaracteres(a) > LongueurMaxMotDePasse || nombreCaracteres(b) > LongueurMaxMotDePasse) {
        refuser(titre, QStringLiteral("Les mots de passe sont limités à 10 caractères"), {pass1, pass2}, pass1);
        return false;
    }
    return true;
}

bool DialogueCollection::nomCollectionPris(const QString& nom, const QString& sauf)
{
    // LIKE ignores case, accented capitals included, as a name typed again in other capitals must be caught.
    const QVariant code = sauf.isEmpty() ? QVariant() : QVariant(sauf.toLongLong());
    return CnxPerso
               ->valeur(QStringLiteral("SELECT COUNT(*) FROM Utilisateurs WHERE DescriptionCollection LIKE ? "
                                       "ESCAPE '\\' AND CodeCollection IS NOT ?"),
                   {motifLitteral(nom), code})
               .toInt() > 0;
}

void DialogueCollection::refuserNomPris(const QString& titre, const QList<QLineEdit*>& aVider, QLineEdit* focus)
{
    refuser(titre, QStringLiteral("Le nom de la collection existe déja, veuillez en saisir un autre"), aVider, focus);
}
