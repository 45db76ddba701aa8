-- Condition panels of "Fc6Of33" (双色球): six red numbers of 1-33 and one blue number of 1-16,
-- which no condition tests. Its parameters for the panels every lotto game shares
-- (lotto_panels.sql), then its own: the four, six and seven areas of the red pool. Ids
-- 12000-12999.
INSERT INTO lotto_seed (productName, idBase, baseKey, baseText, backText, positions, reductions)
    VALUES ('Fc6Of33', 12000, 'baseNums_red', '红球', '蓝球',
    '第一位,第二位,第三位,第四位,第五位,第六位',
    '=不使用,_6bao5=中6保5(分散),_6bao4=中6保4(分散),_6bao3=中6保3(分散),_5bao4=中5保4,_4bao3=中4保3');

INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, calType, colNum, use, explanation) VALUES
    (12030, NULL, 'Fc6Of33', 'fourAreaNum', 'filterList', '四区个数', 'tabErWei', 30, NULL, NULL, 'baoLiu', NULL, 1, '01～08、09～16、17、18～25、26～33五段，一注红球在各段的个数。'),
    (12520, 12030, 'Fc6Of33', 'fourAreaNum0', 'filter', '一区(01-08)', 'tabErWei', 1, 7, 0, 'baoLiu', 7, 1, '在01～08之中的号码个数。'),
    (12521, 12030, 'Fc6Of33', 'fourAreaNum1', 'filter', '二区(09-16)', 'tabErWei', 2, 7, 0, 'baoLiu', 7, 1, '在09～16之中的号码个数。'),
    (12522, 12030, 'Fc6Of33', 'fourAreaNum2', 'filter', '中心(17)', 'tabErWei', 3, 2, 0, 'baoLiu', 2, 1, '是否含有17。'),
    (12523, 12030, 'Fc6Of33', 'fourAreaNum3', 'filter', '三区(18-25)', 'tabErWei', 4, 7, 0, 'baoLiu', 7, 1, '在18～25之中的号码个数。'),
    (12524, 12030, 'Fc6Of33', 'fourAreaNum4', 'filter', '四区(26-33)', 'tabErWei', 5, 7, 0, 'baoLiu', 7, 1, '在26～33之中的号码个数。'),
    (12031, NULL, 'Fc6Of33', 'sixAreaNum', 'filterList', '六区个数', 'tabErWei', 31, NULL, NULL, 'baoLiu', NULL, 1, '把1～33每6个号码分为一区（最后一区31～33），一注红球在各区的个数。'),
    (12500, 12031, 'Fc6Of33', 'sixAreaNum0', 'filter', '一区(01-06)', 'tabErWei', 1, 7, 0, 'baoLiu', 7, 1, '在01～06之中的号码个数。'),
    (12501, 12031, 'Fc6Of33', 'sixAreaNum1', 'filter', '二区(07-12)', 'tabErWei', 2, 7, 0, 'baoLiu', 7, 1, '在07～12之中的号码个数。'),
    (12502, 12031, 'Fc6Of33', 'sixAreaNum2', 'filter', '三区(13-18)', 'tabErWei', 3, 7, 0, 'baoLiu', 7, 1, '在13～18之中的号码个数。'),
    (12503, 12031, 'Fc6Of33', 'sixAreaNum3', 'filter', '四区(19-24)', 'tabErWei', 4, 7, 0, 'baoLiu', 7, 1, '在19～24之中的号码个数。'),
    (12504, 12031, 'Fc6Of33', 'sixAreaNum4', 'filter', '五区(25-30)', 'tabErWei', 5, 7, 0, 'baoLiu', 7, 1, '在25～30之中的号码个数。'),
    (12505, 12031, 'Fc6Of33', 'sixAreaNum5', 'filter', '六区(31-33)', 'tabErWei', 6, 4, 0, 'baoLiu', 4, 1, '在31～33之中的号码个数。'),
    (12032, NULL, 'Fc6Of33', 'sevenAreaNum', 'filterList', '七区个数', 'tabErWei', 32, NULL, NULL, 'baoLiu', NULL, 1, '把1～33每5个号码分为一区（最后一区31～33），一注红球在各区的个数。'),
    (12510, 12032, 'Fc6Of33', 'sevenAreaNum0', 'filter', '一区(01-05)', 'tabErWei', 1, 6, 0, 'baoLiu', 6, 1, '在01～05之中的号码个数。'),
    (12511, 12032, 'Fc6Of33', 'sevenAreaNum1', 'filter', '二区(06-10)', 'tabErWei', 2, 6, 0, 'baoLiu', 6, 1, '在06～10之中的号码个数。'),
    (12512, 12032, 'Fc6Of33', 'sevenAreaNum2', 'filter', '三区(11-15)', 'tabErWei', 3, 6, 0, 'baoLiu', 6, 1, '在11～15之中的号码个数。'),
    (12513, 12032, 'Fc6Of33', 'sevenAreaNum3', 'filter', '四区(16-20)', 'tabErWei', 4, 6, 0, 'baoLiu', 6, 1, '在16～20之中的号码个数。'),
    (12514, 12032, 'Fc6Of33', 'sevenAreaNum4', 'filter', '五区(21-25)', 'tabErWei', 5, 6, 0, 'baoLiu', 6, 1, '在21～25之中的号码个数。'),
    (12515, 12032, 'Fc6Of33', 'sevenAreaNum5', 'filter', '六区(26-30)', 'tabErWei', 6, 6, 0, 'baoLiu', 6, 1, '在26～30之中的号码个数。'),
    (12516, 12032, 'Fc6Of33', 'sevenAreaNum6', 'filter', '七区(31-33)', 'tabErWei', 7, 4, 0, 'baoLiu', 4, 1, '在31～33之中的号码个数。');
