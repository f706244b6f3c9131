#include "InventaireTest.h"

void catalogueInventaire(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Rubriques VALUES ('AA', 'Timbres-Poste', 1);
        INSERT INTO Rubriques VALUES ('AE', 'Poste aérienne', 2);
        INSERT INTO Rubriques VALUES ('BS', 'Blocs spéciaux', 3);
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('1', 10, 'M1', 'Cérès', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('2', 20, 'M2', 'Napoléon', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('5', 30, 'M5', 'Sans cote', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, Rubrique) VALUES ('PA1', 100, 'MPA1', 'Avion', 'ae');
        INSERT INTO Cotations2001 VALUES ('1', 10, 6, NULL, 4, 20);
        INSERT INTO Cotations2001 (Dallay, Neuf, Oblitere) VALUES ('2', 1000, 2);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('PA1', 3);
        INSERT INTO Varietes VALUES ('1a', '1', 'papier bleuté', 1);
        INSERT INTO Cotations2001v (Dallay, Neuf) VALUES ('1a', 50);
        INSERT INTO Obliterations VALUES ('1o', '1', 'grille', 1);
        INSERT INTO Cotations2001o VALUES ('1o', 8, 30);
    )"));
}

void persoInventaire(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Ma première collection', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (4, 'Vide', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO CorrespID VALUES ('1', 'P-1');
        INSERT INTO CorrespID VALUES ('1a', 'P-1a');
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteNC, QtesNC, EtatNC, QteNSG, QtesNSG, EtatNSG,
                                QteO, QtesO, EtatO, QteDoubleO)
            VALUES (2, '1', -1, 2, 150, -1, 0, 100, -1, 1, 100, 0, 3, 100, 2);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN, QteDoubleN) VALUES (2, '2', -1, 1, NULL, 1);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN) VALUES (2, '5', -1, 1, 100);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN) VALUES (2, 'PA1', -1, 1, 50);
        INSERT INTO Collection (Collection, Dallay, QteN, QtesN, EtatN) VALUES (3, '2', -1, 5, 100);
        INSERT INTO CollectionV (Collection, Dallay, QteN, QtesN, EtatN) VALUES (2, '1a', -1, 1, 100);
        INSERT INTO CollectionO (Collection, Dallay, QteO, QtesO, EtatO, QteL, QtesL, EtatL) VALUES (2, '1o', -1, 1, 100, -1, 1, 50);
        INSERT INTO MesVarietes (Collection, Reference, Designation, Neuf, QteN, QtesN, EtatN) VALUES (2, '1', 'bord de feuille', 5, -1, 1, 80);
        INSERT INTO MesVarietes (Collection, Reference, Designation, Neuf, QteN, QtesN, EtatN) VALUES (2, '1', 'bord de feuille', 5, -1, 1, 80);
    )"));
}
