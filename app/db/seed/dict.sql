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

-- Play types of the digit games that have them.
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode) VALUES
    ('zhiXuan', '直选', 'castType', 'Magic3,Quick3,Fc4Of10', NULL, 1, 1, NULL, NULL),
    ('zuLiu',   '组六', 'castType', 'Magic3', NULL, 2, 1, NULL, NULL),
    ('zuSan',   '组三', 'castType', 'Magic3', NULL, 3, 1, NULL, NULL),
    ('zuXuan',  '组选', 'castType', 'Quick3', NULL, 2, 1, NULL, NULL),
    ('zu24',    '组24', 'castType', 'Fc4Of10', NULL, 2, 1, NULL, NULL),
    ('zu12',    '组12', 'castType', 'Fc4Of10', NULL, 3, 1, NULL, NULL),
    ('zu6',     '组6',  'castType', 'Fc4Of10', NULL, 4, 1, NULL, NULL),
    ('zu4',     '组4',  'castType', 'Fc4Of10', NULL, 5, 1, NULL, NULL);

-- Quick-select lists of the digit games' controls (types ending in "Select"; the code is the list
-- of values the choice selects): the digits 0-9, and the dice of "Quick3".
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode) VALUES
    ('0,1,2,3,4,5,6,7,8,9', '全部', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  1, 1, NULL, NULL),
    ('1,3,5,7,9',           '奇数', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  2, 1, NULL, NULL),
    ('0,2,4,6,8',           '偶数', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  3, 1, NULL, NULL),
    ('5,6,7,8,9',           '大数', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  4, 1, NULL, NULL),
    ('0,1,2,3,4',           '小数', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  5, 1, NULL, NULL),
    ('1,2,3,5,7',           '质数', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  6, 1, NULL, NULL),
    ('0,4,6,8,9',           '合数', 'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  7, 1, NULL, NULL),
    ('0,3,6,9',             '0路',  'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  8, 1, NULL, NULL),
    ('1,4,7',               '1路',  'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL,  9, 1, NULL, NULL),
    ('2,5,8',               '2路',  'numSelect', 'Magic3,Array5,Fc4Of10,Fc6Of10,Tc7Of10', NULL, 10, 1, NULL, NULL),
    ('1,2,3,4,5,6',         '全部', 'numSelect', 'Quick3', NULL,  1, 1, NULL, NULL),
    ('1,3,5',               '奇数', 'numSelect', 'Quick3', NULL,  2, 1, NULL, NULL),
    ('2,4,6',               '偶数', 'numSelect', 'Quick3', NULL,  3, 1, NULL, NULL),
    ('4,5,6',               '大数', 'numSelect', 'Quick3', NULL,  4, 1, NULL, NULL),
    ('1,2,3',               '小数', 'numSelect', 'Quick3', NULL,  5, 1, NULL, NULL),
    ('1,2,3,5',             '质数', 'numSelect', 'Quick3', NULL,  6, 1, NULL, NULL),
    ('4,6',                 '合数', 'numSelect', 'Quick3', NULL,  7, 1, NULL, NULL),
    ('3,6',                 '0路',  'numSelect', 'Quick3', NULL,  8, 1, NULL, NULL),
    ('1,4',                 '1路',  'numSelect', 'Quick3', NULL,  9, 1, NULL, NULL),
    ('2,5',                 '2路',  'numSelect', 'Quick3', NULL, 10, 1, NULL, NULL),

    ('0,1,2,3,4,5,6,7,8,9',                       '小和值(0-9)',   'heZhiSelect', 'Magic3', NULL,           1, 1, NULL, NULL),
    ('10,11,12,13,14,15,16,17',                   '中和值(10-17)', 'heZhiSelect', 'Magic3', NULL,           2, 1, NULL, NULL),
    ('18,19,20,21,22,23,24,25,26,27',             '大和值(18-27)', 'heZhiSelect', 'Magic3', NULL,           3, 1, NULL, NULL),
    ('1,3,5,7,9,11,13,15,17,19,21,23,25,27',      '奇数和值',      'heZhiSelect', 'Magic3', NULL,           4, 1, NULL, NULL),
    ('0,2,4,6,8,10,12,14,16,18,20,22,24,26',      '偶数和值',      'heZhiSelect', 'Magic3', NULL,           5, 1, NULL, NULL),
    ('9,10,11,12,13,14,15,16,17,18',              '常见和值(9-18)', 'heZhiSelect', 'Magic3', 'zuLiu,zuSan', 6, 1, NULL, NULL),

    ('0,1,2,3', '小跨度(0-3)', 'kuaDuSelect', 'Magic3', NULL, 1, 1, NULL, NULL),
    ('4,5,6',   '中跨度(4-6)', 'kuaDuSelect', 'Magic3', NULL, 2, 1, NULL, NULL),
    ('7,8,9',   '大跨度(7-9)', 'kuaDuSelect', 'Magic3', NULL, 3, 1, NULL, NULL);
