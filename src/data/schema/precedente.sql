-- Personal database of the previous edition ("ovlcfr01.mdb"), as far as the import reads it.
-- The program never creates one; test fixtures do, to import from it.

CREATE TABLE Utilisateurs (
    Codecollection INTEGER PRIMARY KEY AUTOINCREMENT,
    DescriptionCollection TEXT,
    DateCreation TEXT,
    DateMAJ TEXT,
    MotdePasse TEXT
);

CREATE TABLE Collection (
    Collection INTEGER NOT NULL,
    Dallay TEXT COLLATE NOCASE NOT NULL,
    QteN INTEGER, EtatN NUMERIC,
    QteNC INTEGER, EtatNC NUMERIC,
    QteNSG INTEGER, EtatNSG NUMERIC,
    QteO INTEGER, EtatO NUMERIC,
    QteL INTEGER, EtatL NUMERIC,
    QteDoubleN INTEGER, QteDoubleNC INTEGER, QteDoubleNSG INTEGER, QteDoubleO INTEGER, QteDoubleL INTEGER
);

CREATE TABLE CollectionV (
    Collection INTEGER NOT NULL,
    Dallay TEXT COLLATE NOCASE NOT NULL,
    QteN INTEGER, EtatN NUMERIC,
    QteNC INTEGER, EtatNC NUMERIC,
    QteNSG INTEGER, EtatNSG NUMERIC,
    QteO INTEGER, EtatO NUMERIC,
    QteL INTEGER, EtatL NUMERIC,
    QteDoubleN INTEGER, QteDoubleNC INTEGER, QteDoubleNSG INTEGER, QteDoubleO INTEGER, QteDoubleL INTEGER
);

CREATE TABLE CollectionO (
    Collection INTEGER NOT NULL,
    Dallay TEXT COLLATE NOCASE NOT NULL,
    QteO INTEGER, EtatO NUMERIC,
    QteL INTEGER, EtatL NUMERIC,
    QteDoubleO INTEGER, QteDoubleL INTEGER
);

CREATE TABLE Themes (
    CodeTheme INTEGER PRIMARY KEY AUTOINCREMENT,
    Collection INTEGER,
    Theme TEXT,
    Predefini INTEGER
);

CREATE TABLE ThemesAssocies (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Theme INTEGER NOT NULL,
    Collection INTEGER NOT NULL,
    "Prédéfini" INTEGER
);

CREATE TABLE Cotations2001P (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Collection INTEGER NOT NULL,
    NeufP REAL,
    NeufAvecCharniereP REAL,
    NSGP REAL,
    OblitereP REAL,
    LettreP REAL
);
