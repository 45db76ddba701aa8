-- The grids of the pages, by the table ids the main page asks for.
INSERT INTO all_table (tableId, tableName) VALUES
    (  1, '三位数字型过滤结果'),   -- Magic3, Quick3
    (  6, '五位号码过滤结果'),     -- Array5, Hd5Of15, Tc5Of20, Ttl5Of22, Fc5Of23
    (  7, '11选5过滤结果'),        -- L5Of11
    (  9, '四位数过滤结果'),       -- Fc4Of10
    ( 11, '六位号码过滤结果'),     -- Fc6Of33, Fc6Of10
    ( 12, '七位号码过滤结果'),     -- Fc7Of30, Tc7Of33, Tc7Of10
    ( 13, '大乐透过滤结果'),       -- Tc5Of35
    ( 20, '历史走势'),             -- the history tables of every game (history_columns.sql)
    (100, '插件管理');             -- the plug-in grid of the settings tab
