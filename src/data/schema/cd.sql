-- Picture database of the catalogue disc ("DATAS/FR_BINP.DOV"), opened read-only and immutable.
-- Every picture column holds the bytes of a whole image file (JPEG or PNG).

CREATE TABLE FrancePCT (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Image BLOB,
    Imagevrt BLOB,
    Imagevrt2 BLOB
);
CREATE UNIQUE INDEX FrancePCTDallay ON FrancePCT (Dallay);

CREATE TABLE FranceTN (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    ImageTN BLOB
);
CREATE UNIQUE INDEX FranceTNDallay ON FranceTN (Dallay);

CREATE TABLE VarietesPCT (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Imagevrt3 BLOB
);
CREATE UNIQUE INDEX VarietesPCTDallay ON VarietesPCT (Dallay);

CREATE TABLE ObliterationsPCT (
    Dallay TEXT COLLATE NOCASE NOT NULL,
    Imagevrt4 BLOB
);
CREATE UNIQUE INDEX ObliterationsPCTDallay ON ObliterationsPCT (Dallay);

CREATE TABLE LexiquePCT (
    CodeLexique INTEGER NOT NULL,
    PhotoLexique BLOB
);
CREATE UNIQUE INDEX LexiquePCTCode ON LexiquePCT (CodeLexique);
