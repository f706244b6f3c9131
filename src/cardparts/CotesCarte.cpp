#include "cardparts/CotesCarte.h"

#include "cardparts/CotesPerso.h"
#include "cardparts/Nombres.h"
#include "data/Conditions.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "shell/CollectionOuverte.h"
#include "shell/Echelle.h"
#include "shell/ValidationSortie.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

const QString CotesDallay = QStringLiteral("Cotes DALLAY");

}  // namespace

ParametresCotes CotesDesConditions(std::span<const Condition> conditions, const QString& tableCatalogue)
{
    ParametresCotes p;
    p.tableCatalogue = tableCatalogue;
    for (const Condition& c : conditions) {
        p.colonnes << c.colonneCote;
        p.colonnesP << c.colonneCotePerso();
        p.noms << c.nomCote;
    }
    return p;
}

ParametresCotes CotesCinqEtats(const QString& tableCatalogue)
{
    return CotesDesConditions(Conditions, tableCatalogue);
}

CotesCarte::CotesCarte(QWidget* parent, const ParametresCotes& parametres) : QObject(parent), m_parametres(parametres)
{
    const ParametresCotes& p = parametres;
    m_coteChoisie = CreerControle<QComboBox>(parent, QStringLiteral("CoteChoisie"), p.comboGauche, p.comboHaut,
        p.comboLargeur, p.comboHauteur);
    m_coteChoisie->addItems({CotesDallay, QStringLiteral("Cotes personnelles")});
    m_coteChoisie->setCurrentIndex(0);
    // Only a choice from the list switches the source.
    connect(m_coteChoisie, &QComboBox::activated, this, [this](int) { CoteChoisie_Click(); });
    for (int i = 0; i < p.noms.size(); ++i) {
        const int x = p.prixGauche + i * p.prixPas;
        auto* cote = CreerControle<QLabel>(parent, p.noms.at(i), x, p.prixHaut, p.prixLargeur, p.prixHauteur);
        cote->setTextFormat(Qt::PlainText);
        cote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cote->setFrameShape(QFrame::Panel);
        cote->setFrameShadow(QFrame::Sunken);
        m_cotesDallay << cote;
        auto* perso = CreerControle<QLineEdit>(parent, p.noms.at(i) + QStringLiteral("P"), x, p.prixHaut,
            p.prixLargeur, p.prixHauteur);
        perso->setAlignment(Qt::AlignRight);
        perso->hide();
        m_cotesPerso << perso;
        m_refuse << false;
    }
}

void CotesCarte::installerSaisie(ValidationSortie& validation)
{
    m_validation = &validation;
    for (int i = 0; i < m_cotesPerso.size(); ++i)
        validation.surveiller(m_cotesPerso.at(i), [this, i] { return CotePerso_Validate(i); });
}

bool CotesCarte::modeCatalogue() const
{
    return m_coteChoisie->currentText() == CotesDallay;
}

QStringList CotesCarte::prixAffiches() const
{
    QStringList prix;
    const bool catalogue = modeCatalogue();
    for (int i = 0; i < m_cotesDallay.size(); ++i)
        prix << (catalogue ? m_cotesDallay.at(i)->text() : m_cotesPerso.at(i)->text());
    return prix;
}

void CotesCarte::recalculer()
{
    if (m_recalcul)
        SansEchec(m_recalcul);
}

void CotesCarte::lireCotesCatalogue()
{
    const bool lu = SansEchec([&] {
        Recordset cotes = Recordset::Ouvrir(CnxCatalogue,
            QStringLiteral("SELECT * FROM %1 WHERE Dallay = ?").arg(m_parametres.tableCatalogue), {dallay()});
        for (int i = 0; i < m_cotesDallay.size(); ++i)
            m_cotesDallay.at(i)->setText(cotes.Eof() ? QString() : TexteNombre(cotes.Champ(m_parametres.colonnes.at(i))));
    });
    if (!lu) {
        for (QLabel* l : m_cotesDallay)
            l->clear();
    }
}

void CotesCarte::lireCotesPerso()
{
    // The open collection's own prices: another collection's are never shown here.
    const QString n = CodeCollectionOuverte();
    m_refuse.fill(false);
    const bool lu = !n.isEmpty() && SansEchec([&] {
        Recordset cotes = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM CotationsP WHERE Dallay = ? AND Collection = ?"), {dallay(), n});
        for (int i = 0; i < m_cotesPerso.size(); ++i) {
            const QSignalBlocker bloque(m_cotesPerso.at(i));
            m_cotesPerso.at(i)->setText(cotes.Eof() ? QString() : TexteNombre(cotes.Champ(m_parametres.colonnesP.at(i))));
        }
    });
    if (!lu) {
        for (QLineEdit* b : m_cotesPerso) {
            const QSignalBlocker bloque(b);
            b->clear();
        }
    }
}

void CotesCarte::montrerSourceCotes(bool catalogue)
{
    for (int i = 0; i < m_cotesDallay.size(); ++i) {
        m_cotesDallay.at(i)->setVisible(catalogue);
        m_cotesPerso.at(i)->setVisible(!catalogue);
    }
}

void CotesCarte::afficher()
{
    // Personal prices belong to a collection: with none open the card shows the catalogue's again.
    if (!modeCatalogue() && !CollectionEstOuverte()) {
        {
            const QSignalBlocker bloque(m_coteChoisie);
            m_coteChoisie->setCurrentIndex(0);
        }
        montrerSourceCotes(true);
    }
    if (modeCatalogue()) {
        lireCotesCatalogue();
        AfficherLignesCotesDallay();
    } else {
        lireCotesPerso();
        AfficherLignesCotesPerso();
    }
}

void CotesCarte::CoteChoisie_Click()
{
    if (!modeCatalogue() && !CollectionEstOuverte()) {
        AfficherMessage(QStringLiteral("Il faut ouvrir une collection avant d'accéder aux cotes personnelles"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible d'afficher"));
        const QSignalBlocker bloque(m_coteChoisie);
        m_coteChoisie->setCurrentIndex(0);
        return;
    }
    if (modeCatalogue()) {
        lireCotesCatalogue();
        montrerSourceCotes(true);
        AfficherLignesCotesDallay();
    } else {
        lireCotesPerso();
        montrerSourceCotes(false);
        AfficherLignesCotesPerso();
    }
    recalculer();
}

bool CotesCarte::CotePerso_Validate(int condition)
{
    QLineEdit* boite = m_cotesPerso.at(condition);
    const QString texte = boite->text();
    if (!texte.isEmpty()) {
        const std::optional<double> prix = LireNombreLocal(texte);
        if (!prix || *prix < 0 || *prix > 1000000) {
            AfficherMessage(QStringLiteral("Vous devez entrer une valeur"), Boutons::OK, Icone::Exclamation,
                QStringLiteral("Saisie incorrecte"));
            boite->clear();
            m_refuse[condition] = true;
            return false;
        }
    }
    // A box emptied by a refusal and only passed through since is still no price of the user's; typing
    // in it, even to empty it, is.
    if (boite->isModified() || !texte.isEmpty())
        m_refuse[condition] = false;
    if (m_montrerLigne)
        m_montrerLigne(condition, !texte.isEmpty());
    if (!MAJCotationP()) {
        // Refused by the database (reported): the price stays in its box, not accepted, and is written
        // at the next leave or before the card moves on.
        if (m_validation)
            m_validation->retenir(boite);
        return false;
    }
    return true;
}

bool CotesCarte::MAJCotationP()
{
    const QString n = CodeCollectionOuverte();
    bool ecrit = true;
    if (!n.isEmpty()) {
        QList<PrixPerso> prix;
        for (int i = 0; i < m_cotesPerso.size(); ++i) {
            // A box emptied by a refusal leaves its column as stored.
            if (!m_refuse.at(i))
                prix.append({m_parametres.colonnesP.at(i), LireNombreLocal(m_cotesPerso.at(i)->text())});
        }
        try {
            EcrireCotesPerso(*CnxPerso, dallay(), n, prix);
        } catch (const ErreurBase& e) {
            AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
            ecrit = false;
        }
    }
    recalculer();
    return ecrit;
}

void CotesCarte::AfficherLignesCotesDallay()
{
    for (int i = 0; i < m_cotesDallay.size(); ++i) {
        if (m_montrerLigne)
            m_montrerLigne(i, !m_cotesDallay.at(i)->text().isEmpty());
    }
}

void CotesCarte::AfficherLignesCotesPerso()
{
    for (int i = 0; i < m_cotesPerso.size(); ++i) {
        if (m_montrerLigne)
            m_montrerLigne(i, !m_cotesPerso.at(i)->text().isEmpty());
    }
}
