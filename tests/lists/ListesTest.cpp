#include "ListesTest.h"


void remplirCatalogueListes(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Rubriques VALUES ('AA', 'Timbres-Poste', 1);
        INSERT INTO Rubriques VALUES ('CD', 'Carnets', 2);
        INSERT INTO Rubriques VALUES ('TP', 'Tête-bêche', 3);
        INSERT INTO Rubriques VALUES ('MI', 'Millésimes', 4);
        INSERT INTO France (Dallay, Ordre, ID2, DesignationCourt, AnneeEmission, DateEmission, Rubrique, NonEmis) VALUES
            ('sN', 1, 'M1', 'Timbre N', '1950', '1950-05-01', 'AA', 0),
            ('sNC', 2, 'M2', 'Timbre NC', '1950', '1950-05-01', 'AA', 0),
            ('sO', 3, 'M3', 'Timbre O', '1950', '1950-05-01', 'AA', 0),
            ('sL', 4, 'M4', 'Timbre L', '1950', '1950-05-01', 'AA', 0),
            ('sNL', 5, 'M5', 'Timbre NL', '1950', '1950-05-01', 'AA', 0),
            ('s0', 6, 'M6', 'Timbre rien', '1950', '1950-05-01', 'AA', NULL),
            ('sNNC', 7, 'M7', 'Timbre N NC', '1950', '1950-05-01', 'AA', 0),
            ('sNO', 8, 'M8', 'Timbre N O', '1950', '1950-05-01', 'AA', 0),
            ('autre', 9, NULL, 'Ailleurs', '1951', '1951-02-01', 'AA', 0),
            ('npa', 10, NULL, 'Pas ici', '1951', '1951-02-01', 'AA', 0),
            ('npa3', 11, NULL, 'Pas là-bas', '1951', '1951-02-01', 'AA', 0),
            ('ne', 12, NULL, 'Non émis', '1952', '1952-01-01', 'AA', -1),
            ('d1899', 13, NULL, 'Fin 1899', '1899', '1899-12-31', 'AA', 0),
            ('d1900', 14, NULL, 'Début 1900', '1900', '1900-01-01', 'AA', 0),
            ('sd', 15, NULL, NULL, NULL, NULL, 'AA', 0),
            ('m1960', 16, NULL, 'Moderne', '1960', '1960-01-01', 'AA', 0),
            ('tp', 17, NULL, 'Autre rubrique', '1950', '1950-05-01', 'TP', 0);
        INSERT INTO Cotations2001 VALUES ('sL', 10, 8, 6, 4, 2.5);
        INSERT INTO Cotations2001 VALUES ('sO', 11, NULL, NULL, 3, NULL);
        INSERT INTO Varietes VALUES ('sNa', 'sN', 'Bleu clair', 2);
        INSERT INTO Varietes VALUES ('sNb', 'sN', 'bleu foncé', 3);
        INSERT INTO Varietes VALUES ('sNc', 'sN', 'Bleu pâle', 1);
        INSERT INTO Varietes VALUES ('sLa', 'sL', 'ÉCUSSON', 1);
        INSERT INTO Varietes VALUES ('sLb', 'sL', 'l''an 50%', 2);
        INSERT INTO Varietes VALUES ('sLc', 'sL', 'an 5x', 3);
        INSERT INTO Varietes VALUES ('nea', 'ne', 'Bleu non émis', 1);
        INSERT INTO Cotations2001v VALUES ('sNb', NULL, NULL, NULL, 7.5, NULL);
    )"));
}

void remplirPersoListes(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Utilisateurs VALUES (2, 'Mes timbres', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Utilisateurs VALUES (3, 'Autre', '2002-09-01', '2002-09-01', NULL);
        INSERT INTO Collection (Collection, Dallay, QteN, QteNC, QteNSG, QteO, QteL, QteDoubleN, QteDoubleNSG, QteDoubleO,
                                QteDoubleL, NePasAcquerir) VALUES
            (2, 'sN', -1, 0, 0, 0, 0, NULL, NULL, NULL, NULL, 0),
            (2, 'sNC', 0, -1, 0, 0, 0, NULL, 2, NULL, NULL, 0),
            (2, 'sO', NULL, NULL, NULL, -1, NULL, 0, NULL, 3, NULL, NULL),
            (2, 'sL', 0, 0, 0, 0, -1, 2, NULL, NULL, 1, 0),
            (2, 'sNL', -1, 0, 0, 0, -1, NULL, NULL, NULL, NULL, 0),
            (2, 'sNNC', -1, -1, 0, 0, 0, NULL, NULL, NULL, NULL, 0),
            (2, 'sNO', -1, 0, 0, -1, 0, NULL, NULL, NULL, NULL, 0),
            (3, 'autre', -1, 0, 0, -1, -1, 5, NULL, NULL, NULL, 0),
            (2, 'npa', 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL, -1),
            (3, 'npa3', 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL, -1);
        INSERT INTO CollectionV (Collection, Dallay, QteN, QteO, QteDoubleN, QteDoubleO) VALUES
            (2, 'sNa', -1, 0, 0, NULL),
            (2, 'sNb', 0, -1, NULL, 2);
        INSERT INTO CorrespID VALUES ('sL', 'P4');
        INSERT INTO CorrespID VALUES ('sNb', 'PV2');
    )"));
}
