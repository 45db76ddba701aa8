-- Dictionaries.
--
-- "lotArea": the tree of sales areas that the product list hangs the games on. Level 1 codes
-- are the top nodes ("hot" collects the games marked isHot); a level 2 code starts with its
-- parent's code and a level 3 code with its parent's, so ordering by code also orders by
-- parent code, as the product tree's merge expects. Codes are compared as texts.
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode) VALUES
    ('1',    '全国彩票', 'lotArea', NULL, NULL,  1, 1, 1, NULL),
    ('2',    '地方彩票', 'lotArea', NULL, NULL,  2, 1, 1, NULL),
    ('hot',  '热门彩票', 'lotArea', NULL, NULL,  3, 1, 1, NULL),
    ('21',   '华东地区', 'lotArea', NULL, NULL,  1, 1, 2, '2'),
    ('22',   '华北地区', 'lotArea', NULL, NULL,  2, 1, 2, '2'),
    ('2101', '华东联销', 'lotArea', NULL, NULL,  1, 1, 3, '21'),
    ('2102', '江苏',     'lotArea', NULL, NULL,  2, 1, 3, '21'),
    ('2103', '浙江',     'lotArea', NULL, NULL,  3, 1, 3, '21'),
    ('2201', '北京',     'lotArea', NULL, NULL,  1, 1, 3, '22'),
    ('2202', '天津',     'lotArea', NULL, NULL,  2, 1, 3, '22');

-- Names of the values that every game's requests carry.
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode) VALUES
    ('dataSourceNew', '全新号码', 'dataSource', NULL, NULL, 1, 1, NULL, NULL),
    ('dataSourceOld', '大底号码', 'dataSource', NULL, NULL, 2, 1, NULL, NULL),
    ('baoLiu',        '保留',     'calType',    NULL, NULL, 1, 1, NULL, NULL),
    ('paiChu',        '排除',     'calType',    NULL, NULL, 2, 1, NULL, NULL);

-- Play types of the digit games that have them: a row per play type, its games those whose
-- descriptions offer it (digit_play_types, written by the build from plugins/digit/<Key>/).
CREATE TEMP TABLE play_type_texts (castType TEXT PRIMARY KEY, dictName TEXT NOT NULL, sort INTEGER NOT NULL);
INSERT INTO play_type_texts (castType, dictName, sort) VALUES
    ('zhiXuan', '直选', 1),
    ('zuLiu',   '组六', 2),
    ('zuSan',   '组三', 3),
    ('zuXuan',  '组选', 2),
    ('zu24',    '组24', 2),
    ('zu12',    '组12', 3),
    ('zu6',     '组6',  4),
    ('zu4',     '组4',  5);
-- A play type that a game offers without a text here would be missing from its combo box, and a
-- text of a play type no game offers would be offered to every game: the build fails on either.
CREATE TEMP TABLE play_type_unmatched (castType TEXT,
    CONSTRAINT a_play_type_has_no_text_or_no_game CHECK (castType IS NULL));
INSERT INTO play_type_unmatched
    SELECT castType FROM digit_play_types WHERE castType NOT IN (SELECT castType FROM play_type_texts)
    UNION SELECT castType FROM play_type_texts WHERE castType NOT IN (SELECT castType FROM digit_play_types);
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode)
    SELECT t.castType, t.dictName, 'castType',
           (SELECT group_concat(gameKey, ',') FROM
               (SELECT gameKey FROM digit_play_types p WHERE p.castType = t.castType ORDER BY p.rowid)),
           NULL, t.sort, 1, NULL, NULL
    FROM play_type_texts t ORDER BY t.rowid;
DROP TABLE play_type_unmatched;
DROP TABLE play_type_texts;
DROP TABLE digit_play_types;

-- Quick-select lists of the digit games' controls (types ending in "Select"; the code is the list
-- of values the choice selects): the digits 0-9, and the dice of "Quick3". A list of the numbers
-- of a pool belongs to the digit games of that pool (game_pools, written by the build from the
-- game table), in the game table's order.
CREATE TEMP TABLE digit_pool_games AS
    SELECT lowest, frontMax, group_concat(gameKey, ',') AS games
    FROM (SELECT gameKey, lowest, frontMax FROM game_pools WHERE kind = 'digit' ORDER BY rowid)
    GROUP BY lowest, frontMax;
CREATE TEMP TABLE pool_selects (dictCode TEXT, dictName TEXT, lowest INTEGER, frontMax INTEGER, sort INTEGER);
INSERT INTO pool_selects (dictCode, dictName, lowest, frontMax, sort) VALUES
    ('0,1,2,3,4,5,6,7,8,9', '全部', 0, 10,  1),
    ('1,3,5,7,9',           '奇数', 0, 10,  2),
    ('0,2,4,6,8',           '偶数', 0, 10,  3),
    ('5,6,7,8,9',           '大数', 0, 10,  4),
    ('0,1,2,3,4',           '小数', 0, 10,  5),
    ('1,2,3,5,7',           '质数', 0, 10,  6),
    ('0,4,6,8,9',           '合数', 0, 10,  7),
    ('0,3,6,9',             '0路',  0, 10,  8),
    ('1,4,7',               '1路',  0, 10,  9),
    ('2,5,8',               '2路',  0, 10, 10),
    ('1,2,3,4,5,6',         '全部', 1,  6,  1),
    ('1,3,5',               '奇数', 1,  6,  2),
    ('2,4,6',               '偶数', 1,  6,  3),
    ('4,5,6',               '大数', 1,  6,  4),
    ('1,2,3',               '小数', 1,  6,  5),
    ('1,2,3,5',             '质数', 1,  6,  6),
    ('4,6',                 '合数', 1,  6,  7),
    ('3,6',                 '0路',  1,  6,  8),
    ('1,4',                 '1路',  1,  6,  9),
    ('2,5',                 '2路',  1,  6, 10);
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode)
    SELECT s.dictCode, s.dictName, 'numSelect', g.games, NULL, s.sort, 1, NULL, NULL
    FROM pool_selects s JOIN digit_pool_games g ON g.lowest = s.lowest AND g.frontMax = s.frontMax
    ORDER BY s.rowid;
DROP TABLE pool_selects;
DROP TABLE digit_pool_games;

-- The sum and span lists of "Magic3".
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode) VALUES
    ('0,1,2,3,4,5,6,7,8,9',                       '小和值(0-9)',   'heZhiSelect', 'Magic3', NULL,           1, 1, NULL, NULL),
    ('10,11,12,13,14,15,16,17',                   '中和值(10-17)', 'heZhiSelect', 'Magic3', NULL,           2, 1, NULL, NULL),
    ('18,19,20,21,22,23,24,25,26,27',             '大和值(18-27)', 'heZhiSelect', 'Magic3', NULL,           3, 1, NULL, NULL),
    ('1,3,5,7,9,11,13,15,17,19,21,23,25,27',      '奇数和值',      'heZhiSelect', 'Magic3', NULL,           4, 1, NULL, NULL),
    ('0,2,4,6,8,10,12,14,16,18,20,22,24,26',      '偶数和值',      'heZhiSelect', 'Magic3', NULL,           5, 1, NULL, NULL),
    ('9,10,11,12,13,14,15,16,17,18',              '常见和值(9-18)', 'heZhiSelect', 'Magic3', 'zuLiu,zuSan', 6, 1, NULL, NULL),

    ('0,1,2,3', '小跨度(0-3)', 'kuaDuSelect', 'Magic3', NULL, 1, 1, NULL, NULL),
    ('4,5,6',   '中跨度(4-6)', 'kuaDuSelect', 'Magic3', NULL, 2, 1, NULL, NULL),
    ('7,8,9',   '大跨度(7-9)', 'kuaDuSelect', 'Magic3', NULL, 3, 1, NULL, NULL);
