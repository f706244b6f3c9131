#include "support/ControleEcran.h"
#include "card/FicheTest.h"

#include "card/Fiche.h"
#include "data/Source.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

void remplirCatalogue(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO France (Dallay, Ordre, ID2, Designation, DateEmission, DateRetrait, Demonetisation, vrt, vrt2,
                            ValeurFaciale, Couleurs, info, Serie, Dentelure)
            VALUES ('1', 10, 'M1', 'Cérès', '1849-01-01', '1850-12-01', '1852-03-15', -1, 0, '20 c', 'noir', 's. jaune', 1, '13');
        INSERT INTO France (Dallay, Ordre) VALUES ('2', 20);
        INSERT INTO France (Dallay, Ordre, ID2, Designation) VALUES ('3A', 30, 'M7', 'Semeuse');
        INSERT INTO France (Dallay, Ordre, ID2, Designation) VALUES ('4', 40, 'M7', 'Marianne');
        INSERT INTO France (Dallay, Ordre, Designation, vrt2) VALUES ('5', 50, 'Sabine', -1);
        INSERT INTO Series VALUES (1, 'Cérès');
        INSERT INTO Cotations2001 (Dallay, Neuf, NeufAvecCharniere, NSG, Oblitere, Lettre) VALUES ('1', 10, NULL, 0, 4, 12.5);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('5', 3);
        INSERT INTO Varietes VALUES ('1b', '1', 'Bleu', 2);
        INSERT INTO Varietes VALUES ('1a', '1', 'Tête-bêche', 1);
        INSERT INTO Varietes VALUES ('4a', '4', 'Sans valeur', 1);
        INSERT INTO Obliterations VALUES ('1-O2', '1', 'Grille', 2);
        INSERT INTO Obliterations VALUES ('1-O1', '1', 'Petits chiffres', 1);
    )"));
}

void remplirPerso(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Mes timbres', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO CotationsP (Dallay, Collection, NeufP, LettreP) VALUES ('1', 3, 99, 7);
        INSERT INTO CorrespID VALUES ('1', '9');
        INSERT INTO CorrespID VALUES ('4', '10');
        INSERT INTO Collection (Collection, Dallay, QteN, EtatN, QtesN, QteNC, EtatNC, QtesNC, QteDoubleN, QteDoubleNC,
                                QteO, EtatO, QtesO, NePasAcquerir, commentaire)
            VALUES (2, '1', -1, 150, 2, 0, 80, 3, 3, 0, -1, 50, 1, NULL, NULL);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, NePasAcquerir, commentaire)
            VALUES (2, '3A', -1, 1, -1, 'bord de feuille');
    )"));
}

QString texte(const char* nom)
{
    if (auto* l = ctl<QLabel>(nom))
        return l->text();
    if (auto* b = ctl<QLineEdit>(nom))
        return b->text();
    return ctl<QComboBox>(nom)->currentText();
}

QString contenu(const QString& table)
{
    QString tout;
    Requete r = CnxPerso->preparer(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    while (r.suivante()) {
        for (int i = 0; i < r.nombreColonnes(); ++i)
            tout += r.colonne(i).toString() + QLatin1Char('|');
        tout += QLatin1Char('\n');
    }
    return tout;
}

void ouvrirCollection(const QString& code)
{
    // As the collections screen does: each screen then brings itself in line, the card first.
    if (code.isEmpty())
        LaCollectionOuverte().fermer();
    else
        LaCollectionOuverte().ouvrir(code, QString());
}


void taper(QLineEdit* boite, const QString& texte)
{
    boite->selectAll();
    QTest::keyClick(boite, Qt::Key_Backspace);
    QTest::keyClicks(boite, texte);
}
