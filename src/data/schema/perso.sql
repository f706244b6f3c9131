-- Personal database ("ovlcfr02.mdb"): collections, holdings, personal prices, numbers, own items, themes.
-- Yes/No columns hold -1 and 0 (Null reads as not set); dates are ISO text YYYY-MM-DD.
-- Autonumbers never reuse a deleted code, so that a deleted collection's code never comes back to name
-- another collection.

CREATE TABLE Utilisateurs (
    CodeCollection INTEGER PRIMARY KEY AUTOINCREMENT,
    DescriptionCollection TEXT,
    DateCreation TEXT,
    DateMAJ TEXT,
    MotdePasse TEXT
);

CREATE TABLE Collection (
    Collection INTEGER NOT NULL,
    Dallay TEXT COLLATE NOCASE NOT NULL,
    QteN INTEGER,
    EtatN NUMERIC,
    QteNC INTEGER,
    EtatNC NUMERIC,
    QteNSG INTEGER,
    EtatNSG NUMERIC,
    QteO INTEGER,
    EtatO NUMERIC,
    QteL INTEGER,
    EtatL NUMERIC,
    QteDoubleN INTEGER,
    QteDoubleNC INTEGER,
    QteDoubleNSG INTEGER,
    QteDoubleO INTEGER,
    QteDoubleL INTEGER,
    QtesN INTEGER,
    QtesNC INTEGER,
    QtesNSG INTEGER,
    QtesO INTEGER,
    QtesL INTEGER,
    NePasAcquerir INTEGER,
    commentaire TEXT
);
CREATE UNIQUE INDEX PrimarykeyCollection ON Collection (Dallay, Collection);

CREATE TABLE CollectionV (
    Collection INTEGER NOT NULL,
    Dallay TEXT COLLATE NOCASE NOT NULL,
    QteN INTEGER,
    EtatN NUMERIC,
    QteNC INTEGER,
    EtatNC NUMERIC,
    QteNSG INTEGER,
    EtatNSG NUMERIC,
    QteO INTEGER,
    EtatO NUMERIC,
    QteL INTEGER,
    EtatL NUMERIC,
    QteDoubleN INTEGER,
    QteDoubleNC INTEGER,
    QteDoubleNSG INTEGER,
    QteDoubleO INTEGER,
    QteDoubleL INTEGER,
    QtesN INTEGER,
    QtesNC INTEGER,
    QtesNSG INTEGER,
    QtesO INTEGER,
    QtesL INTEGER,
    NePasAcquerir INTEGER,
    commentaire TEXT
);
CREATE UNIQUE INDEX PrimarykeyCollectionV ON CollectionV (Dallay, Collection);

CREATE TABLE CollectionO (
    Collection INTEGER NOT NULL,
    Dallay TEXT COLLATE NOCASE NOT NULL,
    QteO INTEGER,
    EtatO NUMERIC,
    QteL INTEGER,
    EtatL NUMERIC,
    QteDoubleO INTEGER,
    QteDoubleL INTEGER,
    QtesO INTEGER,
    QtesL INTEGER,
    NePasAcquerir INTEGER,
    commentaire TEXT
);
CREATE UNIQUE INDEX CleCollectionO ON CollectionO (Dallay, Collection);

CREATE TABLE CotationsP (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Collection INTEGER NOT NULL,
    NeufP REAL,
    NeufAvecCharniereP REAL,
    NSGP REAL,
    OblitereP REAL,
    LettreP REAL
);
CREATE UNIQUE INDEX CleCotationsP ON CotationsP (Dallay, Collection);

-- One personal number per stamp: two rows would list the stamp twice in every join.
CREATE TABLE CorrespID (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    IDPerso TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX CleCorrespID ON CorrespID (Dallay);
CREATE INDEX CorrespIDIDPerso ON CorrespID (IDPerso);

CREATE TABLE MesVarietes (
    Collection INTEGER,
    CodePersonnel INTEGER PRIMARY KEY AUTOINCREMENT,
    position INTEGER,
    Reference TEXT COLLATE NOCASE,
    Designation TEXT,
    Neuf REAL,
    NeufAvecCharniere REAL,
    NSG REAL,
    Oblitere REAL,
    Lettre REAL,
    QteN INTEGER,
    EtatN NUMERIC,
    QteNC INTEGER,
    EtatNC NUMERIC,
    QteNSG INTEGER,
    EtatNSG NUMERIC,
    QteO INTEGER,
    EtatO NUMERIC,
    QteL INTEGER,
    EtatL NUMERIC,
    QteDoubleN INTEGER,
    QteDoubleNC INTEGER,
    QteDoubleNSG INTEGER,
    QteDoubleO INTEGER,
    QteDoubleL INTEGER,
    QtesN INTEGER,
    QtesNC INTEGER,
    QtesNSG INTEGER,
    QtesO INTEGER,
    QtesL INTEGER,
    NePasAcquerir INTEGER,
    commentaire TEXT,
    CheminImagevrt5 TEXT
);
CREATE INDEX MesVarietesReference ON MesVarietes (Reference, Collection);

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
    Predefini INTEGER
);
CREATE INDEX ThemesAssociesCle ON ThemesAssocies (Theme, Collection, Dallay);
CREATE INDEX ThemesAssociesDallay ON ThemesAssocies (Dallay);

CREATE TABLE changements (
    ancien TEXT COLLATE NOCASE,
    Nouveau TEXT COLLATE NOCASE
);
CREATE INDEX changementsAncien ON changements (ancien);

CREATE TABLE changementsV (
    ancien TEXT COLLATE NOCASE,
    Nouveau TEXT COLLATE NOCASE
);
CREATE INDEX changementsVAncien ON changementsV (ancien);
