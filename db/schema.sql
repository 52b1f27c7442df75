-- The nine tables of the catalogue. The program reads and writes rows but never
-- creates or alters a table: the setup script builds the database from this file.

CREATE TABLE Criterio (
    codigo     INTEGER PRIMARY KEY,
    definicion TEXT
);

CREATE TABLE Subcriterio (
    codigo       INTEGER PRIMARY KEY,
    definicion   TEXT,
    cod_criterio INTEGER
);

CREATE TABLE Dimension (
    codigo          INTEGER PRIMARY KEY,
    definicion      TEXT,
    cod_criterio    INTEGER,
    cod_subcriterio INTEGER,
    descripcion     TEXT
);

CREATE TABLE Pregunta (
    codigo    INTEGER PRIMARY KEY,
    enunciado TEXT,
    tipo      INTEGER
);

CREATE TABLE Indicador (
    codigo       INTEGER PRIMARY KEY,
    definicion   TEXT,
    cod_pregunta INTEGER,
    tipo         INTEGER,
    cod_dim      INTEGER,
    clave        INTEGER
);

-- The choice steps read the measures of one subdimension at a time.
CREATE INDEX Indicador_cod_dim ON Indicador(cod_dim);

CREATE TABLE IRendimiento (
    codigo     INTEGER PRIMARY KEY,
    definicion TEXT,
    tipo       INTEGER,
    estado     INTEGER,
    clave      INTEGER,  -- yes/no
    pregunta   TEXT,
    tipo_resp  INTEGER
);

CREATE TABLE Subcriterios_IndicadoresR (
    codigo_subcri INTEGER,
    codigo_ir     INTEGER
);

CREATE TABLE CabeceraEncuesta (
    codigo    INTEGER PRIMARY KEY,
    centro    TEXT,
    direccion TEXT,
    telefono  TEXT,
    logo      BLOB
);

-- Rows are read back in insertion order, so the table keeps SQLite's rowid.
CREATE TABLE PregEncTemp (
    posicion   INTEGER,
    definicion TEXT,
    tipo       INTEGER
);
