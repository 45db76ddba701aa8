-- Tables of the settings database. Column names are declared exactly as the program reads the
-- keys of its result rows (a plain column reference is keyed by its declared name, whatever
-- case the statement writes it in). Codes that the program joins or orders as texts are TEXT;
-- ids, parent ids, sort orders and levels that it compares as numbers are INTEGER, so that
-- SQL's order agrees with the order the program expects.

PRAGMA encoding = 'UTF-8';
-- The generation of the delivered database. Raise it whenever a release changes the tables or
-- the delivered rows (a new game, a new condition): a user's copy of an older generation is then
-- rebuilt from the new database, keeping what the user set (docs/installation.md).
PRAGMA user_version = 1;

-- Name/value settings; the rows with flag 'sys' form the runtime configuration.
CREATE TABLE systeminfo (
    parameterName  TEXT PRIMARY KEY NOT NULL,
    parameterValue TEXT,
    flag           TEXT
);

-- The games: one row per game key of the program's game table.
CREATE TABLE products (
    id              INTEGER PRIMARY KEY,
    lotteryCategory TEXT NOT NULL,  -- game key + "_" + flag
    productName     TEXT NOT NULL UNIQUE,
    productCnName   TEXT NOT NULL,
    area            TEXT NOT NULL,  -- dictCode of a "lotArea" dictionary row
    version         TEXT,
    flag            TEXT NOT NULL,  -- "Fc", "Tc" or "Gp"
    category        TEXT,           -- "digit" or "lotto"
    pluginName      TEXT,           -- plug-in file below "Plugin/", without ".so"
    releaseDate     TEXT,
    isUse           INTEGER NOT NULL DEFAULT 1,  -- switched on by the user
    abled           INTEGER NOT NULL DEFAULT 1,  -- a plug-in is delivered
    sort            INTEGER NOT NULL,
    isHot           INTEGER NOT NULL DEFAULT 0
);

-- Condition panels (parentId NULL) and their conditions, per game.
CREATE TABLE base_config (
    id             INTEGER PRIMARY KEY,
    parentId       INTEGER REFERENCES base_config(id),
    productName    TEXT NOT NULL,
    isUse          INTEGER NOT NULL DEFAULT 1,
    moduleName     TEXT NOT NULL,
    type           TEXT,
    itemsNumber    INTEGER,
    randomMaxNum   INTEGER,
    ballPanelCss   TEXT,
    titleCss       TEXT,
    bgSuffixForXp  TEXT,
    css            TEXT,
    calType        TEXT,
    options        TEXT,
    optionBegin    INTEGER,
    add0IfLess10   INTEGER NOT NULL DEFAULT 0,
    quickSelect    TEXT,
    moduleText     TEXT,
    use            INTEGER NOT NULL DEFAULT 1,
    tabIndex       TEXT,
    areaText       TEXT,
    colNum         INTEGER,
    classification TEXT,
    sort           INTEGER NOT NULL DEFAULT 0,
    explanation    TEXT,
    example        TEXT,
    remarks        TEXT
);
CREATE INDEX base_config_product ON base_config(productName, parentId, sort);

-- Footer buttons and advertisements, per lottery category or for all (realProductName NULL).
CREATE TABLE advertisement (
    id              INTEGER PRIMARY KEY,
    parentId        INTEGER REFERENCES advertisement(id),
    name            TEXT,
    advertisement   TEXT,
    webUrl          TEXT,
    adUrl           TEXT,
    flag            TEXT,
    logo            TEXT,
    realProductName TEXT,
    sort            INTEGER NOT NULL DEFAULT 0
);

-- Dictionaries: combo-box values per type, game and play type, and the "lotArea" tree.
CREATE TABLE dict (
    dictCode    TEXT NOT NULL,
    dictName    TEXT NOT NULL,
    type        TEXT NOT NULL,
    productName TEXT,          -- games the row belongs to (matched with LIKE), NULL for all
    castType    TEXT,          -- play types the row belongs to (matched with LIKE), NULL for all
    sort        INTEGER NOT NULL DEFAULT 0,
    isUse       INTEGER NOT NULL DEFAULT 1,
    level       INTEGER,
    parentCode  TEXT
);
CREATE INDEX dict_type ON dict(type, sort);

-- The grids whose columns table_column describes.
CREATE TABLE all_table (
    tableId   INTEGER PRIMARY KEY,
    tableName TEXT NOT NULL
);

-- Grid column layouts: level 1 columns and the level 2 columns below them.
CREATE TABLE table_column (
    fieldId   INTEGER PRIMARY KEY,
    field     TEXT,
    titlePrex TEXT,
    title     TEXT,
    width     INTEGER,
    align     TEXT,
    sort      INTEGER NOT NULL DEFAULT 0,
    parentId  INTEGER REFERENCES table_column(fieldId),
    rowspan   INTEGER,
    colspan   INTEGER,
    className TEXT,
    style     TEXT,
    fixed     TEXT,
    tableId   INTEGER NOT NULL REFERENCES all_table(tableId),
    flag      TEXT,   -- play types the column is shown for (matched with LIKE), NULL for all
    tab       TEXT,   -- tabs the column is shown on (matched with LIKE), NULL for all
    level     INTEGER NOT NULL
);

-- Prize levels per lottery category.
CREATE TABLE lotlevel (
    lotteryCategory TEXT NOT NULL,
    lotLevel        INTEGER NOT NULL,
    levelName       TEXT NOT NULL,
    bonus           TEXT,
    PRIMARY KEY (lotteryCategory, lotLevel)
);
