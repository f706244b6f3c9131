-- Installed catalogue ("FR_BIN.DOV"), opened read-only by the program.
-- Yes/No columns hold -1 and 0; dates are ISO text YYYY-MM-DD.
-- Catalogue numbers and text codes compare ignoring case, so that a number typed in either case finds its
-- stamp and a code stored in either case still matches.

CREATE TABLE Edition (
    Titre TEXT,
    Remarque TEXT
);

CREATE TABLE France (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Ordre INTEGER,
    ID2 TEXT COLLATE NOCASE,
    Designation TEXT,
    DesignationCourt TEXT,
    AnneeEmission TEXT,
    DateEmission TEXT,
    DateRetrait TEXT,
    Demonetisation TEXT,
    Rubrique TEXT COLLATE NOCASE,
    Type INTEGER,
    Serie INTEGER,
    ConcuDessinePar INTEGER,
    GravePar INTEGER,
    ImprimeEn INTEGER,
    dapres TEXT,
    MisenPagePar TEXT,
    Dentelure TEXT,
    Format TEXT,
    TailleH REAL,
    TailleV REAL,
    TimbresParFeuille TEXT,
    Tirage INTEGER,
    Usage TEXT,
    vrt INTEGER,
    vrt2 INTEGER,
    ValeurFaciale TEXT,
    Couleurs TEXT,
    info TEXT,
    Departement TEXT,
    NonEmis INTEGER
);
CREATE UNIQUE INDEX FranceDallay ON France (Dallay);
CREATE INDEX FranceOrdre ON France (Ordre);

CREATE TABLE Cotations2001 (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Neuf REAL,
    NeufAvecCharniere REAL,
    NSG REAL,
    Oblitere REAL,
    Lettre REAL
);
CREATE UNIQUE INDEX Cotations2001Dallay ON Cotations2001 (Dallay);

CREATE TABLE Cotations2001v (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Neuf REAL,
    NeufAvecCharniere REAL,
    NSG REAL,
    Oblitere REAL,
    Lettre REAL
);
CREATE UNIQUE INDEX Cotations2001vDallay ON Cotations2001v (Dallay);

CREATE TABLE Cotations2001o (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Oblitere REAL,
    Lettre REAL
);
CREATE UNIQUE INDEX Cotations2001oDallay ON Cotations2001o (Dallay);

CREATE TABLE Varietes (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Reference TEXT COLLATE NOCASE NOT NULL,
    Designation TEXT,
    Position INTEGER
);
CREATE UNIQUE INDEX VarietesDallay ON Varietes (Dallay);
CREATE INDEX VarietesReference ON Varietes (Reference, Position);

CREATE TABLE Obliterations (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Reference TEXT COLLATE NOCASE NOT NULL,
    Designation TEXT,
    position INTEGER
);
CREATE UNIQUE INDEX ObliterationsDallay ON Obliterations (Dallay);
CREATE INDEX ObliterationsReference ON Obliterations (Reference, position);

CREATE TABLE Rubriques (
    Code_Rubrique TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    Nom_Rubrique TEXT,
    Ordre INTEGER
);

CREATE TABLE Types (
    CodeType INTEGER PRIMARY KEY,
    LibelleType TEXT
);

CREATE TABLE Series (
    CodeSerie INTEGER PRIMARY KEY,
    LibelleSerie TEXT
);

CREATE TABLE Dessinateurs (
    CodeDessinateur INTEGER PRIMARY KEY,
    NomDessinateur TEXT,
    LibelleDessinateur TEXT
);

CREATE TABLE Graveurs (
    CodeGraveur INTEGER PRIMARY KEY,
    NomGraveur TEXT,
    LibelleGraveur TEXT
);

CREATE TABLE TypesImpression (
    CodeImprimeEn INTEGER PRIMARY KEY,
    ImprimeEn TEXT
);

CREATE TABLE TypeVarietes (
    Designation TEXT
);

-- The rates screen shows the first ten columns by position; the tenth, ordre, stays hidden.
CREATE TABLE TarifsTP (
    Dates TEXT,
    CartesPostales5Mots TEXT,
    CartesPostales TEXT,
    CartesPostalesEtranger TEXT,
    PlisNonUrgents TEXT,
    PlisNonUrgents2 TEXT,
    LettresSimples TEXT,
    Lettres2 TEXT,
    LettresEtranger TEXT,
    ordre INTEGER
);

CREATE TABLE Lexique (
    CodeLexique INTEGER PRIMARY KEY,
    NomLexique TEXT,
    TexteLexique TEXT
);
