#include "CartesTest.h"

#include "card/FicheTest.h"
#include "card/OFormFiche.h"
#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/EcranPrincipal.h"
#include "shell/ValidationSortie.h"
#include "subcards/FicheSecondaire.h"
#include "subcards/OFormFicheObliterations.h"
#include "subcards/OFormFicheVarietes.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

void remplirCatalogueCartes(const Connexion& cnx)
{
    remplirCatalogue(cnx);
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Varietes VALUES ('1c', '1', 'Non dentelé', 3);
        INSERT INTO Cotations2001v (Dallay, Neuf, NeufAvecCharniere, NSG, Oblitere, Lettre) VALUES ('1a', 12.5, 5, NULL, 3, 8);
        INSERT INTO Cotations2001v (Dallay, Oblitere, Lettre) VALUES ('1b', 2, 4);
        INSERT INTO Cotations2001o (Dallay, Oblitere, Lettre) VALUES ('1-O1', 6, 20);
        INSERT INTO Cotations2001o (Dallay, Lettre) VALUES ('1-O2', 15);
    )"));
}

ProgrammeCartes::ProgrammeCartes()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    p = std::make_unique<ProgrammeTest>(remplirPerso);
    p->dossier.creerCatalogue(remplirCatalogueCartes);
    if (!p->demarrer())
        return;
    f = qobject_cast<OFormFiche*>(EcranSiCharge(1));
}

ProgrammeCartes::~ProgrammeCartes()
{
    p.reset();
    QLocale::setDefault(QLocale::c());
}

bool activer(QWidget* carte)
{
    carte->show();
    QApplication::setActiveWindow(carte);
    return QTest::qWaitForWindowActive(carte);
}

void choisirCotesPerso(FicheSecondaire* carte)
{
    QComboBox* cote = carte->cotes()->CoteChoisie();
    cote->setFocus();
    QTest::keyClick(cote, Qt::Key_Down);
}

std::unique_ptr<FicheSecondaire> ouvrirSousCarte(OFormFiche* f, bool obliteration, const QString& dallay)
{
    std::unique_ptr<FicheSecondaire> carte;
    if (obliteration) {
        f->ListeObliterations()->selectionnerCle(dallay);
        carte = std::make_unique<OFormFicheObliterations>(f->ListeObliterations()->BoundText(), f);
    } else {
        f->ListeVarietes()->selectionnerCle(dallay);
        carte = std::make_unique<OFormFicheVarietes>(f->ListeVarietes()->BoundText(), f);
    }
    if (!activer(carte.get()))
        return nullptr;
    return carte;
}

bool taperDans(QLineEdit* boite, const QString& texte)
{
    boite->setFocus();
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == boite; }))
        return false;
    boite->selectAll();
    QTest::keyClick(boite, Qt::Key_Backspace);
    QTest::keyClicks(boite, texte);
    return true;
}

bool saisirEtQuitter(FicheSecondaire* carte, const QString& nom, const QString& texte)
{
    if (!taperDans(carte->findChild<QLineEdit*>(nom), texte))
        return false;
    return carte->validation()->validerChampActif();
}

qint64 ecritures()
{
    return CnxPerso->valeur(QStringLiteral("SELECT total_changes()")).toLongLong();
}

QString ligneDetention(const QString& table, const QString& dallay)
{
    QString tout;
    Requete r = CnxPerso->preparer(QStringLiteral("SELECT * FROM %1 WHERE Collection = 2 AND Dallay = ?").arg(table));
    r.lierTout({dallay});
    while (r.suivante()) {
        for (int i = 0; i < r.nombreColonnes(); ++i)
            tout += r.colonne(i).isNull() ? QStringLiteral("Null|") : r.colonne(i).toString() + QLatin1Char('|');
    }
    return tout;
}
