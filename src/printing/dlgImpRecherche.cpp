#include "printing/dlgImpRecherche.h"

#include "platform/Messages.h"
#include "printing/FeuillesImagettes.h"
#include "printing/ImpressionListes.h"
#include "printing/ImpressionRecherche.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, int gauche, int haut, int largeur,
    int hauteur = 255)
{
    auto* e = CreerControle<QLabel>(parent, nom, gauche, haut, largeur, hauteur);
    e->setText(texte);
    return e;
}

QComboBox* combo(QWidget* parent, const QString& nom, int gauche, int haut, const QStringList& entrees, bool editable)
{
    auto* c = CreerControle<QComboBox>(parent, nom, gauche, haut, 2475, 315);
    if (editable)
        SaisieLibre(c);
    c->addItems(entrees);
    return c;
}
}  // namespace

dlgImpRecherche::dlgImpRecherche(const Instruction& texteSQL, const QString& texteCritere,
    std::function<QStringList()> numeros, QWidget* parent)
    : QDialog(parent), m_texteSQL(texteSQL), m_texteCritere(texteCritere), m_numeros(std::move(numeros))
{
    setObjectName(QStringLiteral("dlgImpRecherche"));
    setWindowTitle(QStringLiteral("Imprimer le résultat de la recherche"));
    setFixedSize(5400 / TwipsParPixel, 3960 / TwipsParPixel);

    etiquette(this, QStringLiteral("Label3"), QStringLiteral("Type de présentation :"), 180, 210, 2175);
    m_presentation = combo(this, QStringLiteral("ChoixPresentation"), 2520, 150, {ChoixImagettes, ChoixListe}, false);
    etiquette(this, QStringLiteral("Label2"), QStringLiteral("Numérotation principale :"), 180, 630, 2175);
    QLabel* dallay = etiquette(this, QStringLiteral("Label5"), QStringLiteral("Dallay"), 2520, 630, 1875);
    QFont gras = dallay->font();
    gras.setBold(true);
    dallay->setFont(gras);
    m_label1 = etiquette(this, QStringLiteral("Label1"), QStringLiteral("Numérotation secondaire :"), 180, 1050, 2175);
    m_cote = combo(this, QStringLiteral("ChoixCote"), 2520, 990, {ChoixMichel, ChoixNumerotationPerso}, true);
    m_cote->setCurrentText(ChoixMichel);
    m_label4 = etiquette(this, QStringLiteral("Label4"), QStringLiteral("Afficher la liste :"), 180, 1470, 2175);
    m_affichage = combo(this, QStringLiteral("ChoixAffichage"), 2520, 1410, {ChoixSansCotes, ChoixAvecCotes}, true);
    m_affichage->setCurrentText(ChoixSansCotes);
    QLabel* attention = etiquette(this, QStringLiteral("Label6"),
        QStringLiteral("Attention : L'impression des imagettes est envoyée directement vers l'imprimante sans "
                       "possibilité de paramétrage. Il est nécessaire d'avoir suffisamment de mémoire pour réaliser "
                       "cette opération."),
        180, 1920, 5040, 1035);
    attention->setWordWrap(true);
    m_ok = CreerControle<QPushButton>(this, QStringLiteral("OKButton"), 1260, 3150, 1575, 375);
    m_ok->setDefault(true);
    auto* annuler = CreerControle<QPushButton>(this, QStringLiteral("CancelButton"), 3000, 3150, 1215, 375);
    annuler->setText(QStringLiteral("Annuler"));

    connect(m_presentation, &QComboBox::activated, this, [this] { ChoixPresentation_Click(); });
    connect(m_ok, &QPushButton::clicked, this, &dlgImpRecherche::OKButton_Click);
    connect(annuler, &QPushButton::clicked, this, &dlgImpRecherche::CancelButton_Click);
    Form_Load();
}

void dlgImpRecherche::Form_Load()
{
    m_presentation->setCurrentText(ChoixListe);
    ChoixPresentation_Click();
}

void dlgImpRecherche::ChoixPresentation_Click()
{
    const bool imagettes = m_presentation->currentText() == ChoixImagettes;
    for (QWidget* w : {static_cast<QWidget*>(m_cote), static_cast<QWidget*>(m_affichage),
             static_cast<QWidget*>(m_label1), static_cast<QWidget*>(m_label4)})
        w->setEnabled(!imagettes);
    m_ok->setText(imagettes ? QStringLiteral("Impression directe") : QStringLiteral("Aperçu / Imprimer"));
}

void dlgImpRecherche::refuser(const QString& texte)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible de continuer"));
}

void dlgImpRecherche::OKButton_Click()
{
    const QString presentation = m_presentation->currentText();
    if (presentation != ChoixListe && presentation != ChoixImagettes) {
        refuser(QStringLiteral("Vous devez choisir un type de présentation"));
        return;
    }
    // Both boxes are checked for the sheets too, although these do not use them.
    const QString cote = m_cote->currentText();
    if (cote != ChoixMichel && cote != ChoixNumerotationPerso) {
        refuser(QStringLiteral("Vous devez choisir une numérotation secondaire"));
        return;
    }
    const QString affichage = m_affichage->currentText();
    if (affichage != ChoixSansCotes && affichage != ChoixAvecCotes) {
        refuser(QStringLiteral("Vous devez choisir un élement de chacune des listes"));
        return;
    }

    if (presentation == ChoixListe) {
        ImpressionListe impression =
            ImpressionRecherche(m_texteSQL, m_texteCritere, cote == ChoixMichel, affichage == ChoixAvecCotes);
        AfficherEtatListe(impression, this);
        return;
    }
    // The sheets read their own copy: the search's numbers and the page it shows stay as they are.
    const QStringList numeros = m_numeros ? m_numeros() : QStringList();
    hide();
    accept();
    ImprimerImagettes(numeros);
}

void dlgImpRecherche::CancelButton_Click()
{
    reject();
}
