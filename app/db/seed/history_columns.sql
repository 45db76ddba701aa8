-- Grid 20: the history tables of the trend window, one set of columns per game and table type.
-- The page asks with flag = the game key and tab = the table type ("GetTableTitle"); a column's
-- field is the key of the table rows that the chain's "GetDetailedData" answers for that type.
-- 期号 and 开奖日期 head every table of every game, 开奖号码 every table of its game.
--
-- The columns are generated from the games' parameters below, so that every game's tables
-- follow the rows of the engine's tables (calculation/history) and of the digit games' own
-- (plugins/digit/common/digit_history.cpp, plugins/digit/Magic3). Field ids: 10000000 + game ×
-- 1000000 + block × 10000 + n, where block is the table type (tabs below) and n is 100 × (group
-- + 1) for a group header, that plus 1 + i for its i-th column, and 9000 + sort for a column
-- without a group.

CREATE TEMP TABLE seq (i INTEGER PRIMARY KEY);
WITH RECURSIVE s(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM s WHERE i < 98)
INSERT INTO seq SELECT i FROM s;

-- The games with history tables, each with its number in the field ids; their pools come from
-- the game table (game_pools, written by the build: frontMax the size of the front pool, lowest
-- its smallest number, backMax the largest back number). style: 'magic3' (the three-digit game's
-- own tables), 'digit' (one column per value of a position: digits 0-9, the dice 1-6), 'lotto'
-- (columns follow the values of a sorted draw); a game's kind unless it has tables of its own.
CREATE TEMP TABLE hnumber (no INTEGER PRIMARY KEY, gameKey TEXT NOT NULL, ownStyle TEXT);
INSERT INTO hnumber VALUES
    ( 1, 'Magic3', 'magic3'), ( 2, 'Array5', NULL), ( 3, 'Tc7Of10', NULL), ( 4, 'Fc6Of10', NULL),
    ( 5, 'Tc5Of35', NULL), ( 6, 'Fc6Of33', NULL), ( 7, 'Fc7Of30', NULL), ( 8, 'Hd5Of15', NULL),
    ( 9, 'Ttl5Of22', NULL), (10, 'Tc5Of20', NULL), (11, 'Quick3', NULL), (12, 'Fc4Of10', NULL);
CREATE TEMP TABLE hgame (
    no INTEGER PRIMARY KEY, gameKey TEXT, style TEXT,
    frontMax INTEGER, lowest INTEGER, frontCount INTEGER, backMax INTEGER, backCount INTEGER);
INSERT INTO hgame
SELECT n.no, n.gameKey, coalesce(n.ownStyle, p.kind), p.frontMax, p.lowest, p.frontCount, p.backMax, p.backCount
FROM hnumber n JOIN game_pools p ON p.gameKey = n.gameKey;
-- A numbered game missing from the game table fails the build here rather than losing its tables.
CREATE TEMP TABLE hnumber_unknown (gameKey TEXT,
    CONSTRAINT a_history_game_is_not_in_the_game_table CHECK (gameKey IS NULL));
INSERT INTO hnumber_unknown SELECT gameKey FROM hnumber WHERE gameKey NOT IN (SELECT gameKey FROM hgame);
DROP TABLE hnumber_unknown;
DROP TABLE hnumber;
DROP TABLE game_pools;
-- The games whose tables are the engine's, without rates or rows of their own.
CREATE TEMP TABLE hengine (gameKey TEXT PRIMARY KEY);
INSERT INTO hengine VALUES ('Quick3'), ('Fc4Of10');

-- The table types, their block of field ids and the kind of table that answers them.
CREATE TEMP TABLE tabs (tab TEXT PRIMARY KEY, block INTEGER, kind TEXT);
INSERT INTO tabs VALUES
    ('base', 2, 'base'), ('distribution', 3, 'distribution'),
    ('pos0', 10, 'pos'), ('pos1', 11, 'pos'), ('pos2', 12, 'pos'), ('pos3', 13, 'pos'),
    ('pos4', 14, 'pos'), ('pos5', 15, 'pos'), ('pos6', 16, 'pos'),
    ('heZhi', 20, 'heZhi'), ('span', 21, 'span'),
    ('bigSmall', 23, 'shape'), ('oddEven', 24, 'shape'), ('zhiHe', 25, 'shape'),
    ('luShu', 26, 'routeArea'), ('threeArea', 27, 'routeArea'), ('wuXing', 28, 'wuXing'),
    ('other', 29, 'other'), ('w5', 30, 'digitGroups'), ('w6', 31, 'digitGroups'), ('w7', 32, 'digitGroups'),
    ('lianHao', 34, 'patterns'), ('sameTail', 35, 'patterns'), ('sameNum', 36, 'patterns'),
    ('blue', 37, 'blue');

-- Which game offers which table: the tables whose rates or rows the game supplies.
-- Consecutive numbers for every game but Magic3, with same tails for the lotto games and
-- repeated digits for the digit games; positions for the games with a position table; the
-- distribution for Magic3, Array5 and Hd5Of15; the back area for the games that have one. The
-- sum table shows the ranges that come with a game's rates, so the games whose tables are the
-- engine's do not offer it. plainStyle: the style whose columns without a group the game shows,
-- 'engine' for those games.
CREATE TEMP TABLE htab AS
SELECT g.*, t.tab, t.kind, 10000000 + g.no * 1000000 + t.block * 10000 AS base,
       CASE WHEN g.gameKey IN (SELECT gameKey FROM hengine) THEN 'engine' ELSE g.style END AS plainStyle,
       CASE WHEN g.style = 'lotto' THEN g.frontMax - g.frontCount + 1 ELSE g.frontMax END AS valueCount
FROM hgame g JOIN tabs t
WHERE t.kind IN ('base', 'span', 'shape', 'routeArea', 'wuXing')
   OR (t.kind = 'heZhi' AND g.gameKey NOT IN (SELECT gameKey FROM hengine))
   OR (t.kind = 'distribution' AND g.gameKey IN ('Magic3', 'Array5', 'Hd5Of15'))
   OR (t.kind = 'pos' AND g.gameKey NOT IN ('Magic3', 'Array5', 'Hd5Of15')
       AND CAST(substr(t.tab, 4) AS INTEGER) < g.frontCount)
   OR (t.kind IN ('other', 'digitGroups') AND g.style = 'magic3')
   OR (t.kind = 'patterns' AND g.style <> 'magic3'
       AND (t.tab = 'lianHao' OR (t.tab = 'sameTail' AND g.style = 'lotto')
            OR (t.tab = 'sameNum' AND g.style = 'digit')))
   OR (t.kind = 'blue' AND g.backCount > 0);

-- A value as a column title: digits as they are, lotto numbers with two digits.
CREATE TEMP VIEW hvalue AS
SELECT h.*, seq.i, CASE WHEN h.style = 'lotto' THEN printf('%02d', seq.i) ELSE CAST(seq.i AS TEXT) END AS title
FROM htab h JOIN seq;

-- Columns without a group, by kind ('*' every style; otherwise the plain styles listed) and tab
-- (NULL: every tab of the kind).
CREATE TEMP TABLE hplain (kind TEXT, styles TEXT, tab TEXT, field TEXT, title TEXT, width INTEGER, sort INTEGER);
INSERT INTO hplain VALUES
    ('base', 'lotto,engine', NULL, 'sum',           '和值',    40, 31),
    ('base', 'lotto,engine', NULL, 'span',          '跨度',    40, 32),
    ('base', 'lotto,engine', NULL, 'acValue',       'AC值',    40, 33),
    ('base', 'lotto,engine', NULL, 'average',       '均值',    40, 34),
    ('base', 'lotto,engine', NULL, 'minNum',        '最小号',  46, 35),
    ('base', 'lotto,engine', NULL, 'maxNum',        '最大号',  46, 36),
    ('base', 'digit,magic3', NULL, 'minNum',        '最小号',  46, 31),
    ('base', 'digit,magic3', NULL, 'maxNum',        '最大号',  46, 32),
    ('base', 'digit,magic3', NULL, 'sum',           '和值',    40, 33),
    ('base', 'digit,magic3', NULL, 'span',          '跨度',    40, 34),
    ('base', 'digit,magic3', NULL, 'acValue',       'AC值',    40, 35),
    ('base', 'digit,magic3', NULL, 'shape',         '形态',    40, 36),
    ('base', 'digit,magic3', NULL, 'sameNum',       '重号',    40, 37),
    ('base', 'digit,magic3', NULL, 'lianHao',       '连号',    40, 38),
    ('base', '*',            NULL, 'threeAreaRate', '三区比',  50, 41),
    ('base', '*',            NULL, 'bigSmallRate',  '大小比',  50, 42),
    ('base', '*',            NULL, 'oddEvenRate',   '奇偶比',  50, 43),
    ('base', '*',            NULL, 'zhiHeRate',     '质合比',  50, 44),
    ('base', '*',            NULL, 'luShuRate',     '012路比', 56, 45),
    ('pos', '*', NULL, 'weiLot',    '号码',  40, 10),
    ('pos', '*', NULL, 'bigSmall',  '大小',  36, 11),
    ('pos', '*', NULL, 'oddEven',   '奇偶',  36, 12),
    ('pos', '*', NULL, 'zhiHe',     '质合',  36, 13),
    ('pos', '*', NULL, 'luShu',     '012路', 40, 14),
    ('pos', '*', NULL, 'threeArea', '三区',  36, 15),
    ('heZhi', 'digit,lotto', NULL, 'sum',     '和值', 40, 11),
    ('heZhi', 'digit,lotto', NULL, 'sumTail', '和尾', 40, 13),
    ('heZhi', 'magic3',      NULL, 'sum',     '和值', 40, 10),
    ('heZhi', 'magic3',      NULL, 'sumTail', '和尾', 40, 11),
    ('span', '*', NULL, 'span',      '跨度',     40, 10),
    ('span', '*', NULL, 'minNum',    '最小号',   46, 11),
    ('span', '*', NULL, 'maxNum',    '最大号',   46, 12),
    ('span', '*', NULL, 'linHaoLag', '最大邻距', 56, 14),
    ('shape', 'digit,lotto,engine', 'bigSmall', 'rate',          '大小比', 50, 10),
    ('shape', 'digit,lotto,engine', 'bigSmall', 'bigSmallArray', '大小',   80, 11),
    ('shape', 'digit,lotto,engine', 'oddEven',  'rate',          '奇偶比', 50, 10),
    ('shape', 'digit,lotto,engine', 'oddEven',  'oddEvenArray',  '奇偶',   80, 11),
    ('shape', 'digit,lotto,engine', 'zhiHe',    'rate',          '质合比', 50, 10),
    ('shape', 'digit,lotto,engine', 'zhiHe',    'zhiHeArray',    '质合',   80, 11),
    ('shape', 'magic3',      NULL,       'rate',          '比值',   50, 10),
    ('shape', 'magic3',      NULL,       'array',         '形态',   60, 11),
    ('routeArea', 'digit,lotto,engine', 'luShu',     'luShuRate',      '012路比', 56, 10),
    ('routeArea', 'digit,lotto,engine', 'luShu',     'luShuArray',     '012路',   80, 11),
    ('routeArea', 'digit,lotto,engine', 'threeArea', 'threeAreaRate',  '三区比',  50, 10),
    ('routeArea', 'digit,lotto,engine', 'threeArea', 'threeAreaArray', '三区',    80, 11),
    ('routeArea', 'magic3',      NULL,        'rate',           '比值',    50, 10),
    ('routeArea', 'magic3',      'luShu',     'luShuArray',     '012路',   50, 11),
    ('routeArea', 'magic3',      'threeArea', 'threeAreaArray', '三区',    50, 11),
    ('wuXing', '*', NULL, 'wuXingRate',  '五行比', 70, 10),
    ('wuXing', '*', NULL, 'wuXingArray', '五行',   80, 11),
    ('other', '*', NULL, 'minNum',    '最小号',   46, 10),
    ('other', '*', NULL, 'maxNum',    '最大号',   46, 11),
    ('other', '*', NULL, 'acValue',   'AC值',     40, 12),
    ('other', '*', NULL, 'average',   '均值',     40, 13),
    ('other', '*', NULL, 'shape',     '形态',     40, 17),
    ('other', '*', NULL, 'sameNum',   '重号',     40, 18),
    ('other', '*', NULL, 'lianHao',   '连号',     40, 19),
    ('other', '*', NULL, 'differNum', '不同号数', 56, 20),
    ('patterns', '*', 'lianHao',  'lianHaoNum',    '连号',   90, 10),
    ('patterns', '*', 'lianHao',  'lianHaoGroup',  '连号组', 50, 11),
    ('patterns', '*', 'sameTail', 'sameTailNum',   '同尾号', 90, 10),
    ('patterns', '*', 'sameTail', 'sameTailGroup', '同尾组', 50, 11),
    ('patterns', '*', 'sameNum',  'sameNum',       '重号',   90, 10),
    ('patterns', '*', 'sameNum',  'sameNumGroup',  '重号组', 50, 11),
    ('blue', '*', NULL, 'blue',     '后区', 50, 11),
    ('blue', '*', NULL, 'bigSmall', '大小', 40, 12),
    ('blue', '*', NULL, 'oddEven',  '奇偶', 40, 13);

-- Groups: a header (level 1) over its columns (level 2).
CREATE TEMP TABLE hgroup (fieldId INTEGER, title TEXT, sort INTEGER, colspan INTEGER, flag TEXT, tab TEXT);
CREATE TEMP TABLE hcolumn (fieldId INTEGER, field TEXT, title TEXT, width INTEGER, sort INTEGER, parentId INTEGER,
                           flag TEXT, tab TEXT);

-- The class labels of the shape, route and area tables: class 0, 1, 2 of a tab.
CREATE TEMP TABLE hclass (tab TEXT, c INTEGER, label TEXT, countTitle TEXT);
INSERT INTO hclass VALUES
    ('bigSmall', 0, '小', NULL), ('bigSmall', 1, '大', NULL),
    ('oddEven', 0, '偶', NULL), ('oddEven', 1, '奇', NULL),
    ('zhiHe', 0, '合', NULL), ('zhiHe', 1, '质', NULL),
    ('luShu', 0, '0路', '0路个数'), ('luShu', 1, '1路', '1路个数'), ('luShu', 2, '2路', '2路个数'),
    ('threeArea', 0, '一区', '一区个数'), ('threeArea', 1, '二区', '二区个数'), ('threeArea', 2, '三区', '三区个数');

CREATE TEMP TABLE helement (e INTEGER, name TEXT, title TEXT);
INSERT INTO helement VALUES (0, 'jin', '金'), (1, 'mu', '木'), (2, 'shui', '水'), (3, 'huo', '火'), (4, 'tu', '土');

-- ---- base: one column per number of the pool ----------------------------------------------
INSERT INTO hgroup SELECT base + 100, '号码分布', 20, frontMax, gameKey, tab FROM htab WHERE kind = 'base';
INSERT INTO hcolumn
SELECT base + 101 + i, 'pos' || i,
       CASE WHEN style = 'lotto' THEN printf('%02d', lowest + i) ELSE CAST(lowest + i AS TEXT) END,
       22, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'base' AND i < frontMax;

-- ---- distribution: every position's values ---------------------------------------------
INSERT INTO hgroup
SELECT base + 100 * (p.i + 1), '第' || (p.i + 1) || '位', 10 + p.i, valueCount, gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount WHERE kind = 'distribution';
INSERT INTO hcolumn
SELECT base + 100 * (p.i + 1) + 1 + v.i, 'pos' || p.i || v.i,
       CASE WHEN style = 'lotto' THEN printf('%02d', p.i + v.i + 1) ELSE CAST(v.i AS TEXT) END,
       22, v.i, base + 100 * (p.i + 1), gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount JOIN seq v ON v.i < valueCount WHERE kind = 'distribution';

-- ---- pos0 .. pos6: the values of one position ------------------------------------------
INSERT INTO hgroup SELECT base + 100, '号码分布', 20, valueCount, gameKey, tab FROM htab WHERE kind = 'pos';
INSERT INTO hcolumn
SELECT base + 101 + i, tab || i,
       CASE WHEN style = 'lotto' THEN printf('%02d', CAST(substr(tab, 4) AS INTEGER) + i + 1)
            ELSE CAST(lowest + i AS TEXT) END,
       22, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'pos' AND i < valueCount;

-- ---- heZhi: sum ranges (or the sums 0-27 of three digits) and sum tails -----------------
-- The ranges of each game's sum table are those its plug-in charts (game_sum_ranges, written by
-- the build from the games' descriptions).
CREATE TEMP TABLE hrange (gameKey TEXT, r INTEGER, low INTEGER, high INTEGER);
INSERT INTO hrange SELECT gameKey, r, low, high FROM game_sum_ranges;
DROP TABLE game_sum_ranges;

INSERT INTO hgroup
SELECT base + 100, '和值分布', CASE WHEN style = 'magic3' THEN 12 ELSE 10 END,
       CASE WHEN style = 'magic3' THEN 28 ELSE (SELECT count(*) FROM hrange r WHERE r.gameKey = htab.gameKey) END,
       gameKey, tab
FROM htab WHERE kind = 'heZhi';
INSERT INTO hgroup
SELECT base + 200, '和尾分布', CASE WHEN style = 'magic3' THEN 13 ELSE 12 END, 10, gameKey, tab
FROM htab WHERE kind = 'heZhi';
INSERT INTO hcolumn
SELECT base + 101 + r.r, 'sum' || r.r, r.low || '-' || r.high, 54, r.r, base + 100, h.gameKey, tab
FROM htab h JOIN hrange r ON r.gameKey = h.gameKey WHERE kind = 'heZhi';
INSERT INTO hcolumn
SELECT base + 101 + i, 'sum' || i, CAST(i AS TEXT), 22, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'heZhi' AND style = 'magic3' AND i < 28;
INSERT INTO hcolumn
SELECT base + 201 + i, 'sumTail' || i, CAST(i AS TEXT), 22, i, base + 200, gameKey, tab
FROM hvalue WHERE kind = 'heZhi' AND i < 10;

-- ---- span: the span and the largest gap between neighbours ------------------------------
INSERT INTO hgroup SELECT base + 100, '跨度分布', 13, valueCount, gameKey, tab FROM htab WHERE kind = 'span';
INSERT INTO hgroup SELECT base + 200, '邻距分布', 15, valueCount, gameKey, tab FROM htab WHERE kind = 'span';
INSERT INTO hcolumn
SELECT base + 101 + i, 'span' || i, CAST(CASE WHEN style = 'lotto' THEN i + frontCount - 1 ELSE i END AS TEXT),
       22, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'span' AND i < valueCount;
INSERT INTO hcolumn
SELECT base + 201 + i, 'linHaoLag' || i, CAST(CASE WHEN style = 'lotto' THEN i + 1 ELSE i END AS TEXT),
       22, i, base + 200, gameKey, tab
FROM hvalue WHERE kind = 'span' AND i < valueCount;

-- ---- bigSmall, oddEven, zhiHe: the ratio and each position's class ----------------------
-- The engine's: ratio columns rate0 .. rate<k> (i of class 1 : k - i of class 0), then per
-- position its class 1 and class 0.
INSERT INTO hgroup SELECT base + 100, '比值分布', 12, frontCount + 1, gameKey, tab
FROM htab WHERE kind = 'shape' AND style <> 'magic3';
INSERT INTO hcolumn
SELECT base + 101 + i, 'rate' || i, i || ':' || (frontCount - i), 46, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'shape' AND style <> 'magic3' AND i <= frontCount;
INSERT INTO hgroup
SELECT base + 100 * (p.i + 2), '第' || (p.i + 1) || '位', 13 + p.i, 2, gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount WHERE kind = 'shape' AND style <> 'magic3';
INSERT INTO hcolumn
SELECT base + 100 * (p.i + 2) + 1 + (1 - c.c), 'pos' || p.i || c.c, c.label, 22, 1 - c.c, base + 100 * (p.i + 2),
       gameKey, h.tab
FROM htab h JOIN seq p ON p.i < frontCount JOIN hclass c ON c.tab = h.tab
WHERE kind = 'shape' AND style <> 'magic3';
-- Magic3's: the codes of three digits, then the class pattern of the three positions.
CREATE TEMP TABLE hpattern (n INTEGER, pattern TEXT);
INSERT INTO hpattern VALUES (0, '000'), (1, '001'), (2, '010'), (3, '100'), (4, '011'), (5, '101'), (6, '110'),
                            (7, '111');
INSERT INTO hgroup SELECT base + 100, '比值分布', 12, 4, gameKey, tab FROM htab WHERE kind = 'shape' AND style = 'magic3';
INSERT INTO hgroup SELECT base + 200, '形态分布', 13, 8, gameKey, tab FROM htab WHERE kind = 'shape' AND style = 'magic3';
INSERT INTO hcolumn
SELECT base + 101 + i, tab || 'Rate' || (i * 10 + 3 - i), i || ':' || (3 - i), 46, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'shape' AND style = 'magic3' AND i < 4;
INSERT INTO hcolumn
SELECT base + 201 + n, h.tab || pattern,
       replace(replace(pattern, '0', (SELECT label FROM hclass c WHERE c.tab = h.tab AND c.c = 0)), '1',
               (SELECT label FROM hclass c WHERE c.tab = h.tab AND c.c = 1)),
       50, n, base + 200, gameKey, h.tab
FROM htab h JOIN hpattern WHERE kind = 'shape' AND style = 'magic3';

-- ---- luShu, threeArea: three classes counted and each position's class ------------------
-- The engine's: per class c the counts <tab><c>0 .. <tab><c><k>, then per position its classes.
INSERT INTO hgroup
SELECT base + 100 * (c.c + 1), c.countTitle, 12 + c.c, frontCount + 1, gameKey, h.tab
FROM htab h JOIN hclass c ON c.tab = h.tab WHERE kind = 'routeArea' AND style <> 'magic3';
INSERT INTO hcolumn
SELECT base + 100 * (c.c + 1) + 1 + m.i, h.tab || c.c || m.i, CAST(m.i AS TEXT), 22, m.i, base + 100 * (c.c + 1),
       gameKey, h.tab
FROM htab h JOIN hclass c ON c.tab = h.tab JOIN seq m ON m.i <= frontCount
WHERE kind = 'routeArea' AND style <> 'magic3';
INSERT INTO hgroup
SELECT base + 100 * (p.i + 4), '第' || (p.i + 1) || '位', 15 + p.i, 3, gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount WHERE kind = 'routeArea' AND style <> 'magic3';
INSERT INTO hcolumn
SELECT base + 100 * (p.i + 4) + 1 + c.c, 'pos' || p.i || c.c, c.label, 30, c.c, base + 100 * (p.i + 4), gameKey,
       h.tab
FROM htab h JOIN seq p ON p.i < frontCount JOIN hclass c ON c.tab = h.tab
WHERE kind = 'routeArea' AND style <> 'magic3';
-- Magic3's: the ten codes of three digits over three classes, then each position's class.
CREATE TEMP TABLE hcode (n INTEGER, code INTEGER);
INSERT INTO hcode VALUES (0, 3), (1, 12), (2, 21), (3, 30), (4, 102), (5, 111), (6, 120), (7, 201), (8, 210), (9, 300);
INSERT INTO hgroup SELECT base + 100, '比值分布', 12, 10, gameKey, tab FROM htab WHERE kind = 'routeArea' AND style = 'magic3';
INSERT INTO hcolumn
SELECT base + 101 + n, tab || 'Rate' || code, (code / 100) || ':' || (code / 10 % 10) || ':' || (code % 10), 46, n,
       base + 100, gameKey, tab
FROM htab JOIN hcode WHERE kind = 'routeArea' AND style = 'magic3';
INSERT INTO hgroup
SELECT base + 100 * (p.i + 2), '第' || (p.i + 1) || '位', 13 + p.i, 3, gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount WHERE kind = 'routeArea' AND style = 'magic3';
INSERT INTO hcolumn
SELECT base + 100 * (p.i + 2) + 1 + c.c, 'pos' || p.i || h.tab || c.c, c.label, 30, c.c, base + 100 * (p.i + 2),
       gameKey, h.tab
FROM htab h JOIN seq p ON p.i < frontCount JOIN hclass c ON c.tab = h.tab
WHERE kind = 'routeArea' AND style = 'magic3';

-- ---- wuXing: the five elements counted and each position's element ----------------------
INSERT INTO hgroup SELECT base + 100, '五行个数', 12, 5, gameKey, tab FROM htab WHERE kind = 'wuXing';
INSERT INTO hcolumn
SELECT base + 101 + e, name || 'Num', title, 30, e, base + 100, gameKey, tab
FROM htab JOIN helement WHERE kind = 'wuXing';
INSERT INTO hgroup
SELECT base + 100 * (p.i + 2), '第' || (p.i + 1) || '位', 13 + p.i, 5, gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount WHERE kind = 'wuXing';
INSERT INTO hcolumn
SELECT base + 100 * (p.i + 2) + 1 + e, 'pos' || p.i || name, title, 22, e, base + 100 * (p.i + 2), gameKey, tab
FROM htab JOIN seq p ON p.i < frontCount JOIN helement WHERE kind = 'wuXing';

-- ---- other: pairs of the three positions ------------------------------------------------
CREATE TEMP TABLE hpair (n INTEGER, suffix TEXT, title TEXT);
INSERT INTO hpair VALUES (0, '01', '百十'), (1, '02', '百个'), (2, '12', '十个');
INSERT INTO hgroup
SELECT base + 100 * (k.n + 1), k.title, 14 + k.n, 3, gameKey, tab
FROM htab JOIN (SELECT 0 AS n, '二码' AS title UNION ALL SELECT 1, '二码和' UNION ALL SELECT 2, '二码差') k
WHERE kind = 'other';
INSERT INTO hcolumn
SELECT base + 100 * (k.n + 1) + 1 + p.n, k.prefix || p.suffix, p.title, 40, p.n, base + 100 * (k.n + 1), gameKey, tab
FROM htab JOIN (SELECT 0 AS n, 'erMa' AS prefix UNION ALL SELECT 1, 'he' UNION ALL SELECT 2, 'cha') k JOIN hpair p
WHERE kind = 'other';

-- ---- w5, w6, w7: the digit groups that hold the whole draw ------------------------------
CREATE TEMP TABLE hdigitgroup (tab TEXT, n INTEGER, digits TEXT);
INSERT INTO hdigitgroup VALUES
    ('w5', 0, '01249'), ('w5', 1, '01268'), ('w5', 2, '01346'), ('w5', 3, '01467'), ('w5', 4, '01569'),
    ('w5', 5, '02357'), ('w5', 6, '02458'), ('w5', 7, '03789'), ('w5', 8, '12359'), ('w5', 9, '12378'),
    ('w5', 10, '12589'), ('w5', 11, '13478'), ('w5', 12, '14579'), ('w5', 13, '23456'), ('w5', 14, '24679'),
    ('w5', 15, '34689'), ('w5', 16, '35678'),
    ('w6', 0, '012346'), ('w6', 1, '012359'), ('w6', 2, '012489'), ('w6', 3, '013789'), ('w6', 4, '026789'),
    ('w6', 5, '045678'), ('w6', 6, '123457'), ('w6', 7, '156789'), ('w6', 8, '234568'), ('w6', 9, '345679'),
    ('w7', 0, '0123489'), ('w7', 1, '0345679'), ('w7', 2, '0156789'), ('w7', 3, '1234567'), ('w7', 4, '0245678'),
    ('w7', 5, '2356789');
INSERT INTO hgroup
SELECT base + 100, CASE h.tab WHEN 'w5' THEN '五码组合' WHEN 'w6' THEN '六码组合' ELSE '七码组合' END, 10,
       (SELECT count(*) FROM hdigitgroup d WHERE d.tab = h.tab), gameKey, h.tab
FROM htab h WHERE kind = 'digitGroups';
INSERT INTO hcolumn
SELECT base + 101 + d.n, 'w' || d.digits, d.digits, 50, d.n, base + 100, gameKey, h.tab
FROM htab h JOIN hdigitgroup d ON d.tab = h.tab WHERE kind = 'digitGroups';

-- ---- lianHao, sameTail, sameNum: the values that take part in the pattern --------------
INSERT INTO hgroup SELECT base + 100, '号码分布', 12, frontMax, gameKey, tab FROM htab WHERE kind = 'patterns';
INSERT INTO hcolumn
SELECT base + 101 + i, 'pos' || i,
       CASE WHEN style = 'lotto' THEN printf('%02d', i + 1) ELSE CAST(lowest + i AS TEXT) END, 22, i, base + 100,
       gameKey, tab
FROM hvalue WHERE kind = 'patterns' AND i < frontMax;

-- ---- blue: the back numbers (Fc6Of10 shows its label) -----------------------------------
CREATE TEMP TABLE hlabel (v INTEGER, title TEXT);
INSERT INTO hlabel VALUES (1, '鼠'), (2, '牛'), (3, '虎'), (4, '兔'), (5, '龙'), (6, '蛇'), (7, '马'), (8, '羊'),
                          (9, '猴'), (10, '鸡'), (11, '狗'), (12, '猪');
INSERT INTO hgroup SELECT base + 100, '后区分布', 10, backMax, gameKey, tab FROM htab WHERE kind = 'blue';
INSERT INTO hcolumn
SELECT base + 101 + i, 'pos' || i,
       CASE WHEN gameKey = 'Fc6Of10' THEN (SELECT title FROM hlabel WHERE v = i + 1) ELSE printf('%02d', i + 1) END,
       22, i, base + 100, gameKey, tab
FROM hvalue WHERE kind = 'blue' AND i < backMax;

-- ---- the grid ----------------------------------------------------------------------------
INSERT INTO table_column (fieldId, field, title, width, align, sort, rowspan, fixed, tableId, level) VALUES
    (10000001, 'qiHao',   '期号',     70, 'center', 1, 2, 'true', 20, 1),
    (10000002, 'lotDate', '开奖日期', 80, 'center', 2, 2, NULL,   20, 1);
INSERT INTO table_column (fieldId, field, title, width, align, sort, rowspan, tableId, flag, level)
SELECT 10000000 + no * 1000000 + 1, 'lottery', '开奖号码', 22 * (frontCount + backCount) + 12, 'center', 3, 2, 20,
       gameKey, 1
FROM hgame;
INSERT INTO table_column (fieldId, field, title, width, align, sort, rowspan, tableId, flag, tab, level)
SELECT h.base + 9000 + p.sort, p.field, p.title, p.width, 'center', p.sort, 2, 20, h.gameKey, h.tab, 1
FROM htab h JOIN hplain p ON p.kind = h.kind AND (p.tab IS NULL OR p.tab = h.tab)
     AND (p.styles = '*' OR ',' || p.styles || ',' LIKE '%,' || h.plainStyle || ',%');
INSERT INTO table_column (fieldId, title, align, sort, colspan, tableId, flag, tab, level)
SELECT fieldId, title, 'center', sort, colspan, 20, flag, tab, 1 FROM hgroup;
INSERT INTO table_column (fieldId, field, title, width, align, sort, parentId, tableId, flag, tab, level)
SELECT fieldId, field, title, width, 'center', sort, parentId, 20, flag, tab, 2 FROM hcolumn;

DROP TABLE seq;
DROP VIEW hvalue;
DROP TABLE hgame;
DROP TABLE hengine;
DROP TABLE tabs;
DROP TABLE htab;
DROP TABLE hplain;
DROP TABLE hgroup;
DROP TABLE hcolumn;
DROP TABLE hclass;
DROP TABLE helement;
DROP TABLE hrange;
DROP TABLE hpattern;
DROP TABLE hcode;
DROP TABLE hpair;
DROP TABLE hdigitgroup;
DROP TABLE hlabel;
