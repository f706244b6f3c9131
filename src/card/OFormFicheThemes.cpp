#include "card/OFormFicheThemes.h"

#include "card/Fiche.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>

OFormFicheThemes::OFormFicheThemes(const QString& dallay, QWidget* parent)
    : QDialog(parent), m_dallay(dallay), m_collection(CodeCollectionOuverte())
{
    setObjectName(QStringLiteral("OFormFicheThemes"));
    setWindowTitle(QStringLiteral("Thèmes personnels"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(4560 / TwipsParPixel, 4200 / TwipsParPixel);
    CreerControle<QLabel>(this, QStringLiteral("Label1"), 120, 120, 4200, 255)->setText(QStringLiteral("Thèmes à associer"));
    m_liste = CreerControle<VueListe>(this, QStringLiteral("ListeThemesAssocies"), 120, 420, 4320, 2940);
    m_boutonOK = CreerControle<QPushButton>(this, QStringLiteral("BoutonOK"), 1680, 3600, 1296, 328);
    m_boutonOK->setText(QStringLiteral("OK"));
    m_boutonOK->setDefault(true);
    m_boutonAnnuler = CreerControle<QPushButton>(this, QStringLiteral("BoutonAnnuler"), 3120, 3600, 1296, 328);
    m_boutonAnnuler->setText(QStringLiteral("Annuler"));
    m_boutonAnnuler->setAutoDefault(false);
    connect(m_boutonOK, &QPushButton::clicked, this, &OFormFicheThemes::BoutonOK_Click);
    connect(m_boutonAnnuler, &QPushButton::clicked, this, &OFormFicheThemes::BoutonAnnuler_Click);
    ChargerThemes();
}

void OFormFicheThemes::ChargerThemes()
{
    m_liste->viderColonnes();
    m_liste->ajouterColonne(QStringLiteral("Theme"), 2000);
    // The code travels with each theme without being seen.
    m_liste->ajouterColonne(QStringLiteral("CodeTheme"), 1);
    m_liste->viderLignes();
    Recordset themes;
    QSet<QString> associes;
    try {
        themes = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT CodeTheme, Theme FROM Themes WHERE %1 AND Collection = ? "
                           "ORDER BY Theme COLLATE FRANCAIS")
                .arg(ConditionThemePersonnel),
            {m_collection});
        Recordset liens = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT Theme FROM ThemesAssocies WHERE Dallay = ? AND %1 AND Collection = ?")
                .arg(ConditionThemePersonnel),
            {m_dallay, m_collection});
        for (; !liens.Eof(); liens.MoveNext())
            associes.insert(Texte(liens.Champ(0)));
    } catch (const ErreurBase&) {
        return;
    }
    for (; !themes.Eof(); themes.MoveNext()) {
        const QString code = Texte(themes.Champ(QStringLiteral("CodeTheme")));
        QTreeWidgetItem* item = m_liste->ajouterLigne({Texte(themes.Champ(QStringLiteral("Theme"))), code});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, associes.contains(code) ? Qt::Checked : Qt::Unchecked);
    }
}

void OFormFicheThemes::BoutonOK_Click()
{
    try {
        Transaction transaction(*CnxPerso);
        for (int i = 0; i < m_liste->nombreLignes(); ++i) {
            const QTreeWidgetItem* item = m_liste->topLevelItem(i);
            const QString code = item->text(1);
            if (item->checkState(0) == Qt::Checked) {
                // A theme already attached keeps its one row.
                CnxPerso->executer(QStringLiteral("INSERT INTO ThemesAssocies (Dallay, Theme, Collection, Predefini) "
                                                  "SELECT ?, ?, ?, 0 WHERE NOT EXISTS (SELECT 1 FROM ThemesAssocies "
                                                  "WHERE Dallay = ? AND Theme = ? AND Collection = ? AND %1)")
                                       .arg(ConditionThemePersonnel),
                    {m_dallay, code, m_collection, m_dallay, code, m_collection});
            } else {
                CnxPerso->executer(QStringLiteral("DELETE FROM ThemesAssocies WHERE Dallay = ? AND Theme = ? "
                                                  "AND Collection = ? AND %1")
                                       .arg(ConditionThemePersonnel),
                    {m_dallay, code, m_collection});
            }
        }
        transaction.valider();
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    accept();
    try {
        RemplirThemesFiche();
    } catch (const ErreurBase&) {
    }
}
