#include "printing/DialogueImpressionListe.h"

#include "platform/Messages.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const int pos[2], int largeur)
{
    auto* e = CreerControle<QLabel>(parent, nom, pos[0], pos[1], largeur, 255);
    e->setText(texte);
    return e;
}

QComboBox* combo(QWidget* parent, const QString& nom, const int pos[3], const QStringList& entrees)
{
    auto* c = CreerControle<QComboBox>(parent, nom, pos[0], pos[1], pos[2], 315);
    SaisieLibre(c);
    c->addItems(entrees);
    c->setCurrentText(entrees.constFirst());
    return c;
}
}  // namespace

DialogueImpressionListe::DialogueImpressionListe(const QString& nom, const QString& titre, const Positions& p,
    int largeur, int hauteur, const QStringList& cotes, const QStringList& affichages, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(nom);
    setWindowTitle(titre);
    // A fixed dialog where the window manager places it, sized from its design in twips.
    setFixedSize(largeur / TwipsParPixel, hauteur / TwipsParPixel);
    etiquette(this, QStringLiteral("Label2"), QStringLiteral("Numérotation principale :"), p.label2, 2175);
    QLabel* dallay = etiquette(this, QStringLiteral("Label1"), QStringLiteral("Dallay"), p.label1, 1875);
    QFont gras = dallay->font();
    gras.setBold(true);
    dallay->setFont(gras);
    etiquette(this, QStringLiteral("Label3"), QStringLiteral("Numérotation secondaire :"), p.label3, 2175);
    m_choixCote = combo(this, QStringLiteral("ChoixCote"), p.choixCote, cotes);
    etiquette(this, QStringLiteral("Label4"), QStringLiteral("Afficher la liste :"), p.label4, 2175);
    m_choixAffichage = combo(this, QStringLiteral("ChoixAffichage"), p.choixAffichage, affichages);
    auto* ok = CreerControle<QPushButton>(this, QStringLiteral("OKButton"), p.ok[0], p.ok[1], 1215, 375);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* annuler = CreerControle<QPushButton>(this, QStringLiteral("CancelButton"), p.annuler[0], p.annuler[1], 1215, 375);
    annuler->setText(QStringLiteral("Annuler"));
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(annuler, &QPushButton::clicked, this, &DialogueImpressionListe::CancelButton_Click);
}

void DialogueImpressionListe::CancelButton_Click()
{
    reject();
}

void DialogueImpressionListe::refuser(const QString& texte)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible de continuer"));
}
