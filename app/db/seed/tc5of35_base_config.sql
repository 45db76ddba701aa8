-- Condition panels of "Tc5Of35" (大乐透): five front numbers of 1-35 and two back numbers of 1-12.
-- Its parameters for the panels every lotto game shares (lotto_panels.sql), then its own: the six
-- and seven areas of the front pool and the conditions of the back pair. Ids 11000-11999.
INSERT INTO lotto_seed (productName, idBase, baseKey, baseText, backText, positions, reductions)
    VALUES ('Tc5Of35', 11000, 'baseNums_red', '前区号码', '后区号码',
    '第一位,第二位,第三位,第四位,第五位',
    '=不使用,_5bao4=中5保4(分散),_5bao3=中5保3(分散),_4bao3=中4保3');

INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, options, calType, quickSelect, colNum, use, add0IfLess10, ballPanelCss,
                         explanation) VALUES
    (11030, NULL, 'Tc5Of35', 'sixAreaNum', 'filterList', '六区个数', 'tabErWei', 30, NULL, NULL, NULL, 'baoLiu', NULL, NULL, 1, 0, NULL, '把1～35每6个号码分为一区（最后一区31～35），一注号码在各区的个数。'),
    (11500, 11030, 'Tc5Of35', 'sixAreaNum0', 'filter', '一区(01-06)', 'tabErWei', 1, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在01～06之中的号码个数。'),
    (11501, 11030, 'Tc5Of35', 'sixAreaNum1', 'filter', '二区(07-12)', 'tabErWei', 2, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在07～12之中的号码个数。'),
    (11502, 11030, 'Tc5Of35', 'sixAreaNum2', 'filter', '三区(13-18)', 'tabErWei', 3, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在13～18之中的号码个数。'),
    (11503, 11030, 'Tc5Of35', 'sixAreaNum3', 'filter', '四区(19-24)', 'tabErWei', 4, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在19～24之中的号码个数。'),
    (11504, 11030, 'Tc5Of35', 'sixAreaNum4', 'filter', '五区(25-30)', 'tabErWei', 5, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在25～30之中的号码个数。'),
    (11505, 11030, 'Tc5Of35', 'sixAreaNum5', 'filter', '六区(31-35)', 'tabErWei', 6, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在31～35之中的号码个数。'),
    (11031, NULL, 'Tc5Of35', 'sevenAreaNum', 'filterList', '七区个数', 'tabErWei', 31, NULL, NULL, NULL, 'baoLiu', NULL, NULL, 1, 0, NULL, '把1～35每5个号码分为一区，一注号码在各区的个数。'),
    (11510, 11031, 'Tc5Of35', 'sevenAreaNum0', 'filter', '一区(01-05)', 'tabErWei', 1, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在01～05之中的号码个数。'),
    (11511, 11031, 'Tc5Of35', 'sevenAreaNum1', 'filter', '二区(06-10)', 'tabErWei', 2, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在06～10之中的号码个数。'),
    (11512, 11031, 'Tc5Of35', 'sevenAreaNum2', 'filter', '三区(11-15)', 'tabErWei', 3, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在11～15之中的号码个数。'),
    (11513, 11031, 'Tc5Of35', 'sevenAreaNum3', 'filter', '四区(16-20)', 'tabErWei', 4, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在16～20之中的号码个数。'),
    (11514, 11031, 'Tc5Of35', 'sevenAreaNum4', 'filter', '五区(21-25)', 'tabErWei', 5, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在21～25之中的号码个数。'),
    (11515, 11031, 'Tc5Of35', 'sevenAreaNum5', 'filter', '六区(26-30)', 'tabErWei', 6, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在26～30之中的号码个数。'),
    (11516, 11031, 'Tc5Of35', 'sevenAreaNum6', 'filter', '七区(31-35)', 'tabErWei', 7, 6, 0, NULL, 'baoLiu', NULL, 6, 1, 0, NULL, '在31～35之中的号码个数。'),
    -- The back pair (two of 1-12, the smaller first): big from 7.
    (11060, NULL, 'Tc5Of35', 'backPos', 'filterList', '后区定位', 'tabBack', 60, NULL, NULL, NULL, 'baoLiu', NULL, NULL, 0, 0, NULL, '后区两个号码从小到大每一位只能取所选的号码。'),
    (11600, 11060, 'Tc5Of35', 'backPos0', 'ball', '后区第一位', 'tabBack', 1, 12, 1, NULL, 'baoLiu', 'blueNumSelect', 12, 0, 1, 'ballPanelBlue', '后区较小的号码只能取所选的号码。'),
    (11601, 11060, 'Tc5Of35', 'backPos1', 'ball', '后区第二位', 'tabBack', 2, 12, 1, NULL, 'baoLiu', 'blueNumSelect', 12, 0, 1, 'ballPanelBlue', '后区较大的号码只能取所选的号码。'),
    (11061, NULL, 'Tc5Of35', 'kuaDuBack', 'filter', '后区跨度', 'tabBack', 61, 11, 1, NULL, 'baoLiu', NULL, 11, 1, 0, NULL, '后区两个号码之差（1～11）。'),
    (11062, NULL, 'Tc5Of35', 'heZhiBack', 'filter', '后区和值', 'tabBack', 62, 21, 3, NULL, 'baoLiu', NULL, 11, 1, 0, NULL, '后区两个号码之和（3～23）。'),
    (11063, NULL, 'Tc5Of35', 'backMinMax', 'filterList', '后区最小最大号码', 'tabBack', 63, NULL, NULL, NULL, 'baoLiu', NULL, NULL, 1, 0, NULL, '后区较小与较大的号码。'),
    (11610, 11063, 'Tc5Of35', 'minBack', 'filter', '后区最小号码', 'tabBack', 1, 11, 1, NULL, 'baoLiu', NULL, 11, 1, 1, NULL, '后区较小的号码。'),
    (11611, 11063, 'Tc5Of35', 'maxBack', 'filter', '后区最大号码', 'tabBack', 2, 11, 2, NULL, 'baoLiu', NULL, 11, 1, 1, NULL, '后区较大的号码。'),
    (11064, NULL, 'Tc5Of35', 'backRates', 'filterList', '后区比例', 'tabBack', 64, NULL, NULL, NULL, 'baoLiu', NULL, NULL, 1, 0, NULL, '后区两个号码中各类号码个数之比。'),
    (11620, 11064, 'Tc5Of35', 'bigSmallRateBack', 'filter', '后区大小比', 'tabBack', 1, NULL, NULL, '20=2:0,11=1:1,2=0:2', 'baoLiu', NULL, 3, 1, 0, NULL, '大号（07～12）与小号（01～06）的个数之比。'),
    (11621, 11064, 'Tc5Of35', 'oddEvenRateBack', 'filter', '后区奇偶比', 'tabBack', 2, NULL, NULL, '20=2:0,11=1:1,2=0:2', 'baoLiu', NULL, 3, 1, 0, NULL, '奇数与偶数的个数之比。'),
    (11622, 11064, 'Tc5Of35', 'zhiHeRateBack', 'filter', '后区质合比', 'tabBack', 3, NULL, NULL, '20=2:0,11=1:1,2=0:2', 'baoLiu', NULL, 3, 1, 0, NULL, '质数（01、02、03、05、07、11）与合数的个数之比。'),
    (11623, 11064, 'Tc5Of35', 'luShuRateBack', 'filter', '后区012路比', 'tabBack', 4, NULL, NULL, '200=2:0:0,110=1:1:0,101=1:0:1,20=0:2:0,11=0:1:1,2=0:0:2', 'baoLiu', NULL, 6, 1, 0, NULL, '除以3余0、余1、余2的号码个数之比。'),
    (11065, NULL, 'Tc5Of35', 'backShapes', 'filterList', '后区形态', 'tabBack', 65, NULL, NULL, NULL, 'baoLiu', NULL, NULL, 1, 0, NULL, '后区两个号码从小到大的类别依次组成的形态。'),
    (11630, 11065, 'Tc5Of35', 'bigSmallBack', 'filter', '后区大小形态', 'tabBack', 1, NULL, NULL, '00=小小,01=小大,11=大大', 'baoLiu', NULL, 3, 1, 0, NULL, '依次为大(1)或小(0)。'),
    (11631, 11065, 'Tc5Of35', 'oddEvenBack', 'filter', '后区奇偶形态', 'tabBack', 2, NULL, NULL, '00=偶偶,01=偶奇,10=奇偶,11=奇奇', 'baoLiu', NULL, 4, 1, 0, NULL, '依次为奇(1)或偶(0)。'),
    (11632, 11065, 'Tc5Of35', 'zhiHeBack', 'filter', '后区质合形态', 'tabBack', 3, NULL, NULL, '00=合合,01=合质,10=质合,11=质质', 'baoLiu', NULL, 4, 1, 0, NULL, '依次为质(1)或合(0)。'),
    (11633, 11065, 'Tc5Of35', 'luShu012Back', 'filter', '后区012路形态', 'tabBack', 4, NULL, NULL, '00,01,02,10,11,12,20,21,22', 'baoLiu', NULL, 9, 1, 0, NULL, '依次除以3的余数。'),
    (11066, NULL, 'Tc5Of35', 'lianMaBack', 'filter', '后区连号', 'tabBack', 66, NULL, NULL, '0=不连,1=连号', 'baoLiu', NULL, 2, 1, 0, NULL, '后区两个号码是否相邻。');
