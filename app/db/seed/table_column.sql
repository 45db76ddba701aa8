-- Grid columns. Level 1 columns head the grid; a level 2 column sits below the level 1 column
-- named by its parentId. flag holds the play types a column is shown for (the page asks with
-- the current play type; NULL: always); tab the tabs it is shown on (NULL: every tab). A title
-- with a titlePrex is shown as titlePrex || title.

-- Table 1: result grid of the three-digit games; the fields are the keys of a result page row.
INSERT INTO table_column (fieldId, field, titlePrex, title, width, align, sort, parentId, rowspan, colspan,
                          className, style, fixed, tableId, flag, tab, level) VALUES
    ( 1, 'rowNumber', NULL, '序号',  40, 'center', 1, NULL, 2, NULL, NULL, NULL, 'true', 1, NULL,          NULL, 1),
    ( 2, 'number',    NULL, '号码',  80, 'center', 2, NULL, 2, NULL, NULL, NULL, NULL,   1, NULL,          NULL, 1),
    ( 3, 'sum',       NULL, '和值',  40, 'center', 3, NULL, 2, NULL, NULL, NULL, NULL,   1, NULL,          NULL, 1),
    ( 4, 'kuaDu',     NULL, '跨度',  40, 'center', 4, NULL, 2, NULL, NULL, NULL, NULL,   1, NULL,          NULL, 1),
    ( 5, NULL,        NULL, '形态', 250, 'center', 5, NULL, 1, 5,    NULL, NULL, NULL,   1, 'zhiXuan',     NULL, 1),
    ( 6, NULL,        NULL, '比例', 250, 'center', 5, NULL, 1, 5,    NULL, NULL, NULL,   1, 'zuLiu,zuSan,zuXuan', NULL, 1),

    (11, 'threeArea', NULL,   '三区比', 50, 'center', 1, 5, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (12, 'bigSmall',  NULL,   '大小',   50, 'center', 2, 5, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (13, 'oddEven',   NULL,   '奇偶',   50, 'center', 3, 5, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (14, 'zhiHe',     NULL,   '质合',   50, 'center', 4, 5, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (15, 'luShu',     NULL,   '012路',  50, 'center', 5, 5, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (21, 'threeArea', NULL,   '三区比', 50, 'center', 1, 6, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (22, 'bigSmall',  '大小', '比',     50, 'center', 2, 6, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (23, 'oddEven',   '奇偶', '比',     50, 'center', 3, 6, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (24, 'zhiHe',     '质合', '比',     50, 'center', 4, 6, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2),
    (25, 'luShu',     '012路', '比',    50, 'center', 5, 6, NULL, NULL, NULL, NULL, NULL, 1, NULL, NULL, 2);

-- Tables 6, 9, 11 and 12: the grids of the games of five, four, six (and a label) and seven numbers.
-- Games without play types show the class counts; the four-digit game's rows have no row number
-- and show each position's class in straight play.
INSERT INTO table_column (fieldId, field, titlePrex, title, width, align, sort, parentId, rowspan, colspan,
                          className, style, fixed, tableId, flag, tab, level) VALUES
    (601, 'rowNumber', NULL, '序号',   40, 'center', 1, NULL, 2, NULL, NULL, NULL, 'true', 6, NULL, NULL, 1),
    (602, 'number',    NULL, '号码',  120, 'center', 2, NULL, 2, NULL, NULL, NULL, NULL,   6, NULL, NULL, 1),
    (603, 'sum',       NULL, '和值',   40, 'center', 3, NULL, 2, NULL, NULL, NULL, NULL,   6, NULL, NULL, 1),
    (604, 'kuaDu',     NULL, '跨度',   40, 'center', 4, NULL, 2, NULL, NULL, NULL, NULL,   6, NULL, NULL, 1),
    (605, NULL,        NULL, '比例',  250, 'center', 5, NULL, 1, 5,    NULL, NULL, NULL,   6, NULL, NULL, 1),
    (611, 'threeArea', NULL,    '三区比', 50, 'center', 1, 605, NULL, NULL, NULL, NULL, NULL, 6, NULL, NULL, 2),
    (612, 'bigSmall',  '大小',  '比',     50, 'center', 2, 605, NULL, NULL, NULL, NULL, NULL, 6, NULL, NULL, 2),
    (613, 'oddEven',   '奇偶',  '比',     50, 'center', 3, 605, NULL, NULL, NULL, NULL, NULL, 6, NULL, NULL, 2),
    (614, 'zhiHe',     '质合',  '比',     50, 'center', 4, 605, NULL, NULL, NULL, NULL, NULL, 6, NULL, NULL, 2),
    (615, 'luShu',     '012路', '比',     50, 'center', 5, 605, NULL, NULL, NULL, NULL, NULL, 6, NULL, NULL, 2),

    (901, 'number',    NULL, '号码',   90, 'center', 1, NULL, 2, NULL, NULL, NULL, NULL,   9, NULL, NULL, 1),
    (902, 'sum',       NULL, '和值',   40, 'center', 2, NULL, 2, NULL, NULL, NULL, NULL,   9, NULL, NULL, 1),
    (903, 'kuaDu',     NULL, '跨度',   40, 'center', 3, NULL, 2, NULL, NULL, NULL, NULL,   9, NULL, NULL, 1),
    (904, NULL,        NULL, '形态',  270, 'center', 4, NULL, 1, 5,    NULL, NULL, NULL,   9, 'zhiXuan', NULL, 1),
    (905, NULL,        NULL, '比例',  270, 'center', 4, NULL, 1, 5,    NULL, NULL, NULL,   9, 'zu24,zu12,zu6,zu4', NULL, 1),
    (911, 'threeArea', NULL,    '三区比', 54, 'center', 1, 904, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (912, 'bigSmall',  NULL,    '大小',   54, 'center', 2, 904, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (913, 'oddEven',   NULL,    '奇偶',   54, 'center', 3, 904, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (914, 'zhiHe',     NULL,    '质合',   54, 'center', 4, 904, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (915, 'luShu',     NULL,    '012路',  54, 'center', 5, 904, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (921, 'threeArea', NULL,    '三区比', 54, 'center', 1, 905, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (922, 'bigSmall',  '大小',  '比',     54, 'center', 2, 905, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (923, 'oddEven',   '奇偶',  '比',     54, 'center', 3, 905, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (924, 'zhiHe',     '质合',  '比',     54, 'center', 4, 905, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),
    (925, 'luShu',     '012路', '比',     54, 'center', 5, 905, NULL, NULL, NULL, NULL, NULL, 9, NULL, NULL, 2),

    (1101, 'rowNumber',  NULL, '序号',   40, 'center', 1, NULL, 2, NULL, NULL, NULL, 'true', 11, NULL, NULL, 1),
    (1102, 'redNumber',  NULL, '号码',  140, 'center', 2, NULL, 2, NULL, NULL, NULL, NULL,   11, NULL, NULL, 1),
    (1103, 'blueNumber', NULL, '后区',   50, 'center', 3, NULL, 2, NULL, NULL, NULL, NULL,   11, NULL, NULL, 1),
    (1104, 'sum',        NULL, '和值',   40, 'center', 4, NULL, 2, NULL, NULL, NULL, NULL,   11, NULL, NULL, 1),
    (1105, 'kuaDu',      NULL, '跨度',   40, 'center', 5, NULL, 2, NULL, NULL, NULL, NULL,   11, NULL, NULL, 1),
    (1106, NULL,         NULL, '比例',  250, 'center', 6, NULL, 1, 5,    NULL, NULL, NULL,   11, NULL, NULL, 1),
    (1111, 'threeArea',  NULL,    '三区比', 50, 'center', 1, 1106, NULL, NULL, NULL, NULL, NULL, 11, NULL, NULL, 2),
    (1112, 'bigSmall',   '大小',  '比',     50, 'center', 2, 1106, NULL, NULL, NULL, NULL, NULL, 11, NULL, NULL, 2),
    (1113, 'oddEven',    '奇偶',  '比',     50, 'center', 3, 1106, NULL, NULL, NULL, NULL, NULL, 11, NULL, NULL, 2),
    (1114, 'zhiHe',      '质合',  '比',     50, 'center', 4, 1106, NULL, NULL, NULL, NULL, NULL, 11, NULL, NULL, 2),
    (1115, 'luShu',      '012路', '比',     50, 'center', 5, 1106, NULL, NULL, NULL, NULL, NULL, 11, NULL, NULL, 2),

    (1201, 'rowNumber', NULL, '序号',   40, 'center', 1, NULL, 2, NULL, NULL, NULL, 'true', 12, NULL, NULL, 1),
    (1202, 'number',    NULL, '号码',  160, 'center', 2, NULL, 2, NULL, NULL, NULL, NULL,   12, NULL, NULL, 1),
    (1203, 'sum',       NULL, '和值',   40, 'center', 3, NULL, 2, NULL, NULL, NULL, NULL,   12, NULL, NULL, 1),
    (1204, 'kuaDu',     NULL, '跨度',   40, 'center', 4, NULL, 2, NULL, NULL, NULL, NULL,   12, NULL, NULL, 1),
    (1205, NULL,        NULL, '比例',  250, 'center', 5, NULL, 1, 5,    NULL, NULL, NULL,   12, NULL, NULL, 1),
    (1211, 'threeArea', NULL,    '三区比', 50, 'center', 1, 1205, NULL, NULL, NULL, NULL, NULL, 12, NULL, NULL, 2),
    (1212, 'bigSmall',  '大小',  '比',     50, 'center', 2, 1205, NULL, NULL, NULL, NULL, NULL, 12, NULL, NULL, 2),
    (1213, 'oddEven',   '奇偶',  '比',     50, 'center', 3, 1205, NULL, NULL, NULL, NULL, NULL, 12, NULL, NULL, 2),
    (1214, 'zhiHe',     '质合',  '比',     50, 'center', 4, 1205, NULL, NULL, NULL, NULL, NULL, 12, NULL, NULL, 2),
    (1215, 'luShu',     '012路', '比',     50, 'center', 5, 1205, NULL, NULL, NULL, NULL, NULL, 12, NULL, NULL, 2);

-- Table 13: result grid of "Tc5Of35"; tables 6, 11 and 12: the five-, six- and seven-number games
-- (the lotto games and the digit games of as many positions, whose rows carry the same keys:
-- "number", or "redNumber" and "blueNumber" in a game with back numbers). A table another seed
-- file has filled already keeps its columns.
CREATE TEMP TABLE lotto_grid (tableId INTEGER, numbers TEXT);
INSERT INTO lotto_grid VALUES (6, 'number'), (11, 'redBlue'), (12, 'number'), (13, 'redBlue');
WITH columns(at, field, titlePrex, title, width, parent, rowspan, colspan, numbers, level) AS (VALUES
    (1, 'rowNumber', NULL, '序号', 40, NULL, 2, NULL, NULL, 1),
    (2, 'number', NULL, '号码', 140, NULL, 2, NULL, 'number', 1),
    (3, 'redNumber', NULL, '前区', 120, NULL, 2, NULL, 'redBlue', 1),
    (4, 'blueNumber', NULL, '后区', 50, NULL, 2, NULL, 'redBlue', 1),
    (5, 'sum', NULL, '和值', 40, NULL, 2, NULL, NULL, 1),
    (6, 'kuaDu', NULL, '跨度', 40, NULL, 2, NULL, NULL, 1),
    (7, NULL, NULL, '比例', 250, NULL, 1, 5, NULL, 1),
    (11, 'threeArea', NULL, '三区比', 50, 7, NULL, NULL, NULL, 2),
    (12, 'bigSmall', '大小', '比', 50, 7, NULL, NULL, NULL, 2),
    (13, 'oddEven', '奇偶', '比', 50, 7, NULL, NULL, NULL, 2),
    (14, 'zhiHe', '质合', '比', 50, 7, NULL, NULL, NULL, 2),
    (15, 'luShu', '012路', '比', 50, 7, NULL, NULL, NULL, 2))
INSERT INTO table_column (fieldId, field, titlePrex, title, width, align, sort, parentId, rowspan, colspan,
                          className, style, fixed, tableId, flag, tab, level)
SELECT g.tableId * 1000 + 500 + c.at, c.field, c.titlePrex,
       CASE WHEN g.tableId = 11 AND c.at = 3 THEN '红球' WHEN g.tableId = 11 AND c.at = 4 THEN '蓝球' ELSE c.title END,
       c.width, 'center', c.at, CASE WHEN c.parent IS NULL THEN NULL ELSE g.tableId * 1000 + 500 + c.parent END,
       c.rowspan, c.colspan, NULL, NULL, CASE WHEN c.at = 1 THEN 'true' END, g.tableId, NULL, NULL, c.level
FROM lotto_grid g CROSS JOIN columns c
WHERE (c.numbers IS NULL OR c.numbers = g.numbers)
  AND NOT EXISTS (SELECT 1 FROM table_column t WHERE t.tableId = g.tableId);
DROP TABLE lotto_grid;

-- Table 100: the plug-in grid of the settings tab; the fields are the keys of a plug-in row.
INSERT INTO table_column (fieldId, field, titlePrex, title, width, align, sort, parentId, rowspan, colspan,
                          className, style, fixed, tableId, flag, tab, level) VALUES
    (1001, 'pluginName',  NULL, '插件名称', 150, 'left',   1, NULL, NULL, NULL, NULL, NULL, NULL, 100, NULL, NULL, 1),
    (1002, 'version',     NULL, '版本',      60, 'center', 2, NULL, NULL, NULL, NULL, NULL, NULL, 100, NULL, NULL, 1),
    (1003, 'releaseDate', NULL, '发布日期', 100, 'center', 3, NULL, NULL, NULL, NULL, NULL, NULL, 100, NULL, NULL, 1),
    (1004, 'flag',        NULL, '类别',      60, 'center', 4, NULL, NULL, NULL, NULL, NULL, NULL, 100, NULL, NULL, 1),
    (1005, 'isUse',       NULL, '状态',     140, 'center', 5, NULL, NULL, NULL, NULL, NULL, NULL, 100, NULL, NULL, 1);
