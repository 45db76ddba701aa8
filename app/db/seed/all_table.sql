-- The grids of the pages, by the table ids the main page asks for; each game names its grid in
-- the game table (calculation/src/game_table.cpp).
INSERT INTO all_table (tableId, tableName) VALUES
    (  1, '三位数字型过滤结果'),
    (  6, '五位号码过滤结果'),
    (  7, '11选5过滤结果'),
    (  9, '四位数过滤结果'),
    ( 11, '六位号码过滤结果'),
    ( 12, '七位号码过滤结果'),
    ( 13, '大乐透过滤结果'),
    ( 20, '历史走势'),             -- the history tables of every game (history_columns.sql)
    (100, '插件管理');             -- the plug-in grid of the settings tab
