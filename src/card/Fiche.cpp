#include "card/Fiche.h"

#include "card/OFormFiche.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"

#include <QComboBox>
#include <QLabel>

Recordset rstFrance;
Recordset rstListeIDPerso;
Recordset rstMaCollection;
Recordset rstCorrespID;
int ModifFiche = 0;

namespace {

OFormFiche* fiche()
{
    return qobject_cast<OFormFiche*>(ChargerEcran(1));
}

}  // namespace

void AfficherFiche()
{
    OFormFiche* f = fiche();
    if (!f || rstFrance.Eof() || rstFrance.Bof()) {
        ModifFiche = 0;
        return;
    }
    f->afficher();
}

bool EnregistrerSiModifie()
{
    if (ModifFiche == 1) {
        if (OFormFiche* f = fiche()) {
            if (!f->MaJCollection())
                return false;
        }
    }
    ModifFiche = 0;
    return true;
}

void AtteindreFiche(const QString& dallay, QWidget* appelant)
{
    OFormFiche* f = fiche();
    if (!f)
        return;
    f->show();
    f->raise();
    if (appelant && appelant != f)
        appelant->hide();
    f->barre()->setTab(1);
    f->barre()->setFocus();
    QComboBox* choisi = f->DallayChoisi();
    choisi->setEditText(dallay);
    rstFrance.MoveFirst();
    rstFrance.Find(QStringLiteral("Dallay"), choisi->currentText());
    choisi->setCurrentIndex(-1);
    choisi->setEditText(QString());
    if (rstFrance.Eof())
        rstFrance.MoveFirst();
    AfficherFiche();
}

void RemplirThemesFiche()
{
    OFormFiche* f = fiche();
    if (!f)
        return;
    const QString n = CodeCollectionOuverte();
    // A theme is listed once for each association of the stamp, in collection 1 or the open collection.
    QString sql = QStringLiteral("SELECT Themes.*, ThemesAssocies.Dallay FROM Themes INNER JOIN ThemesAssocies "
                                 "ON (Themes.CodeTheme = ThemesAssocies.Theme AND ThemesAssocies.Dallay = ? AND ");
    QVariantList valeurs = {f->Dallay()->text()};
    if (n.isEmpty()) {
        sql += QStringLiteral("ThemesAssocies.Collection = 1)");
    } else {
        sql += QStringLiteral("(ThemesAssocies.Collection = 1 OR ThemesAssocies.Collection = ?))");
        valeurs << n;
    }
    sql += QStringLiteral(" ORDER BY Themes.Theme COLLATE FRANCAIS");
    Recordset themes = Recordset::Ouvrir(CnxPerso, sql, valeurs);
    f->ListeThemes()->definirSource(themes);
}

void RemplirMesVarietesFiche()
{
    OFormFiche* f = fiche();
    if (!f)
        return;
    const QString n = CodeCollectionOuverte();
    if (n.isEmpty()) {
        f->ListeMesVarietes()->viderSource();
        return;
    }
    try {
        Recordset items = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM MesVarietes WHERE Reference = ? AND Collection = ?"),
            {f->Dallay()->text(), n});
        f->ListeMesVarietes()->definirSource(items);
    } catch (const ErreurBase&) {
    }
}
