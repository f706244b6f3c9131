#include "card/Fiche.h"

#include "card/OFormFiche.h"
#include "shell/EcranPrincipal.h"

#include <QComboBox>

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
