-- Condition panels of "Fc7Of30" (七乐彩): seven numbers of 1-30. Its parameters for the panels
-- every lotto game shares (lotto_panels.sql), then its own: the three, five and six areas of the
-- pool. Ids 13000-13999.
INSERT INTO lotto_seed (productName, idBase, baseKey, baseText, backText, positions, reductions)
    VALUES ('Fc7Of30', 13000, 'baseNums', '基础号码', NULL,
    '第一位,第二位,第三位,第四位,第五位,第六位,第七位',
    '=不使用,_7bao6=中7保6(分散),_7bao5=中7保5(分散),_7bao4=中7保4(分散),_7bao3=中7保3(分散),_6bao5=中6保5,_5bao4=中5保4');

INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, calType, colNum, use, explanation) VALUES
    (13030, NULL, 'Fc7Of30', 'threeAreaNum', 'filterList', '三区个数', 'tabErWei', 30, NULL, NULL, 'baoLiu', NULL, 1, '01～10、11～20、21～30三区，一注号码在各区的个数。'),
    (13530, 13030, 'Fc7Of30', 'threeAreaNum0', 'filter', '一区(01-10)', 'tabErWei', 1, 8, 0, 'baoLiu', 8, 1, '在01～10之中的号码个数。'),
    (13531, 13030, 'Fc7Of30', 'threeAreaNum1', 'filter', '二区(11-20)', 'tabErWei', 2, 8, 0, 'baoLiu', 8, 1, '在11～20之中的号码个数。'),
    (13532, 13030, 'Fc7Of30', 'threeAreaNum2', 'filter', '三区(21-30)', 'tabErWei', 3, 8, 0, 'baoLiu', 8, 1, '在21～30之中的号码个数。'),
    (13031, NULL, 'Fc7Of30', 'fiveAreaNum', 'filterList', '五区个数', 'tabErWei', 31, NULL, NULL, 'baoLiu', NULL, 1, '把1～30每6个号码分为一区，一注号码在各区的个数。'),
    (13540, 13031, 'Fc7Of30', 'fiveAreaNum0', 'filter', '一区(01-06)', 'tabErWei', 1, 7, 0, 'baoLiu', 7, 1, '在01～06之中的号码个数。'),
    (13541, 13031, 'Fc7Of30', 'fiveAreaNum1', 'filter', '二区(07-12)', 'tabErWei', 2, 7, 0, 'baoLiu', 7, 1, '在07～12之中的号码个数。'),
    (13542, 13031, 'Fc7Of30', 'fiveAreaNum2', 'filter', '三区(13-18)', 'tabErWei', 3, 7, 0, 'baoLiu', 7, 1, '在13～18之中的号码个数。'),
    (13543, 13031, 'Fc7Of30', 'fiveAreaNum3', 'filter', '四区(19-24)', 'tabErWei', 4, 7, 0, 'baoLiu', 7, 1, '在19～24之中的号码个数。'),
    (13544, 13031, 'Fc7Of30', 'fiveAreaNum4', 'filter', '五区(25-30)', 'tabErWei', 5, 7, 0, 'baoLiu', 7, 1, '在25～30之中的号码个数。'),
    (13032, NULL, 'Fc7Of30', 'sixAreaNum', 'filterList', '六区个数', 'tabErWei', 32, NULL, NULL, 'baoLiu', NULL, 1, '把1～30每5个号码分为一区，一注号码在各区的个数。'),
    (13500, 13032, 'Fc7Of30', 'sixAreaNum0', 'filter', '一区(01-05)', 'tabErWei', 1, 6, 0, 'baoLiu', 6, 1, '在01～05之中的号码个数。'),
    (13501, 13032, 'Fc7Of30', 'sixAreaNum1', 'filter', '二区(06-10)', 'tabErWei', 2, 6, 0, 'baoLiu', 6, 1, '在06～10之中的号码个数。'),
    (13502, 13032, 'Fc7Of30', 'sixAreaNum2', 'filter', '三区(11-15)', 'tabErWei', 3, 6, 0, 'baoLiu', 6, 1, '在11～15之中的号码个数。'),
    (13503, 13032, 'Fc7Of30', 'sixAreaNum3', 'filter', '四区(16-20)', 'tabErWei', 4, 6, 0, 'baoLiu', 6, 1, '在16～20之中的号码个数。'),
    (13504, 13032, 'Fc7Of30', 'sixAreaNum4', 'filter', '五区(21-25)', 'tabErWei', 5, 6, 0, 'baoLiu', 6, 1, '在21～25之中的号码个数。'),
    (13505, 13032, 'Fc7Of30', 'sixAreaNum5', 'filter', '六区(26-30)', 'tabErWei', 6, 6, 0, 'baoLiu', 6, 1, '在26～30之中的号码个数。');
