-- The games: every game key of the program's game table. The twelve games whose plug-ins are
-- delivered are enabled (isUse 1) and available (abled 1); "L5Of11", "Tc7Of33" and "Fc5Of23"
-- have no plug-in and are present but disabled (isUse 0, abled 0).
-- area: a "lotArea" dictionary code (dict.sql): "1" nationwide games, "2101".."2202" regional
-- games. flag: "Fc" welfare lottery, "Tc" sports lottery, "Gp" high-frequency games.

INSERT INTO products (id, lotteryCategory, productName, productCnName, area, version, flag, category,
                      pluginName, releaseDate, isUse, abled, sort, isHot) VALUES
    ( 1, 'Magic3_Fc',   'Magic3',   '福彩3D',   '1',    '1.0.0', 'Fc', 'digit', 'Rules-Magic3',   '2025-01-01', 1, 1,  1, 1),
    ( 2, 'Array5_Tc',   'Array5',   '排列5',    '1',    '1.0.0', 'Tc', 'digit', 'Rules-Array5',   '2025-01-01', 1, 1,  2, 0),
    ( 3, 'Quick3_Gp',   'Quick3',   '快3',      '2102', '1.0.0', 'Gp', 'digit', 'Rules-Quick3',   '2025-01-01', 1, 1,  3, 0),
    ( 4, 'Fc6Of33_Fc',  'Fc6Of33',  '双色球',   '1',    '1.0.0', 'Fc', 'lotto', 'Rules-Fc6Of33',  '2025-01-01', 1, 1,  4, 1),
    ( 5, 'Tc5Of35_Tc',  'Tc5Of35',  '大乐透',   '1',    '1.0.0', 'Tc', 'lotto', 'Rules-Tc5Of35',  '2025-01-01', 1, 1,  5, 1),
    ( 6, 'Fc7Of30_Fc',  'Fc7Of30',  '七乐彩',   '1',    '1.0.0', 'Fc', 'lotto', 'Rules-Fc7Of30',  '2025-01-01', 1, 1,  6, 0),
    ( 7, 'Tc7Of10_Tc',  'Tc7Of10',  '七星彩',   '1',    '1.0.0', 'Tc', 'digit', 'Rules-Tc7Of10',  '2025-01-01', 1, 1,  7, 0),
    ( 8, 'Fc6Of10_Fc',  'Fc6Of10',  '东方6+1',  '2101', '1.0.0', 'Fc', 'digit', 'Rules-Fc6Of10',  '2025-01-01', 1, 1,  8, 0),
    ( 9, 'Fc4Of10_Fc',  'Fc4Of10',  '四位数',   '2202', '1.0.0', 'Fc', 'digit', 'Rules-Ttc4Of10', '2025-01-01', 1, 1,  9, 0),
    (10, 'Hd5Of15_Fc',  'Hd5Of15',  '15选5',    '2101', '1.0.0', 'Fc', 'lotto', 'Rules-Hd5Of15',  '2025-01-01', 1, 1, 10, 0),
    (11, 'Ttl5Of22_Tc', 'Ttl5Of22', '22选5',    '2201', '1.0.0', 'Tc', 'lotto', 'Rules-Ttl5Of22', '2025-01-01', 1, 1, 11, 0),
    (12, 'Tc5Of20_Tc',  'Tc5Of20',  '20选5',    '2103', '1.0.0', 'Tc', 'lotto', 'Rules-Tc5Of20',  '2025-01-01', 1, 1, 12, 0),
    (13, 'L5Of11_Gp',   'L5Of11',   '11选5',    '2102', '1.0.0', 'Gp', 'lotto', 'Rules-L5Of11',   '2025-01-01', 0, 0, 13, 0),
    (14, 'Tc7Of33_Tc',  'Tc7Of33',  '33选7',    '2103', '1.0.0', 'Tc', 'lotto', 'Rules-Tc7Of33',  '2025-01-01', 0, 0, 14, 0),
    (15, 'Fc5Of23_Fc',  'Fc5Of23',  '23选5',    '2201', '1.0.0', 'Fc', 'lotto', 'Rules-Fc5Of23',  '2025-01-01', 0, 0, 15, 0);
