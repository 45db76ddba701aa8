-- Condition panels every lotto game shares, made for each game of lotto_seed from its parameters.
-- The games' own seed files come first: each adds its row to lotto_seed and its own panels (areas
-- of its pool, back-area conditions). Here the panels of the conditions that the family's two
-- stages test on the front numbers, the choices of the chain (data source, reduction, tolerance,
-- base and back numbers, old numbers, rule-out of past draws), the quick-select lists of the
-- front pool, and the styles of every lotto game's rows; lotto_seed goes at the end.
--
-- Ids: the game's idBase plus an offset. Panels are ordered by id: global 1-3, base 4-7,
-- per-position numbers 8, tabBase 10-17, tabShape 21-26, the game's own areas 30-39, tabErWei
-- 40-43, tabMore 50-54, tabBack 60-79. Conditions: 100-299 and 300-389 (pairs of positions); the
-- games' own from 500.
--
-- Values of a condition: the ranges a row of k numbers of 1..n can give; ratios as the filter
-- compares them (23 for 2:3, 212 for 2:1:2), per-position class strings as digits (大 1, 小 0).

-- Option lists that depend on the game, one row per game and kind.
CREATE TEMP TABLE lotto_options (productName TEXT, kind TEXT, options TEXT);

-- Two classes: count n of the first, k - n of the second.
WITH RECURSIVE c(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM c WHERE n < 10)
INSERT INTO lotto_options
SELECT productName, 'rate2', group_concat(code, ',') FROM (
    SELECT g.productName, (c.n * 10 + g.k - c.n) || '=' || c.n || ':' || (g.k - c.n) AS code
    FROM lotto_seed g JOIN c ON c.n <= g.k ORDER BY g.productName, c.n DESC)
GROUP BY productName;

-- Three classes: counts a, b, c adding up to k.
WITH RECURSIVE c(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM c WHERE n < 10)
INSERT INTO lotto_options
SELECT productName, 'rate3', group_concat(code, ',') FROM (
    SELECT g.productName,
           (a.n * 100 + b.n * 10 + g.k - a.n - b.n) || '=' || a.n || ':' || b.n || ':' || (g.k - a.n - b.n) AS code
    FROM lotto_seed g JOIN c a ON a.n <= g.k JOIN c b ON a.n + b.n <= g.k
    ORDER BY g.productName, a.n DESC, b.n DESC)
GROUP BY productName;

-- Class strings of the k positions: two classes ("01101", named 大小, 奇偶, 质合 for 1 and 0) and
-- three ("01201").
WITH RECURSIVE p(s, base) AS (
    SELECT '', 2 UNION ALL SELECT '', 3
    UNION ALL
    SELECT p.s || d.digit, p.base FROM p JOIN (SELECT 0 AS digit UNION ALL SELECT 1 UNION ALL SELECT 2) d
        ON d.digit < p.base
    WHERE length(p.s) < 7),
names(kind, base, one, zero) AS (VALUES ('bigSmallPattern', 2, '大', '小'), ('oddEvenPattern', 2, '奇', '偶'),
                                        ('zhiHePattern', 2, '质', '合'), ('pattern3', 3, NULL, NULL))
INSERT INTO lotto_options
SELECT productName, kind, group_concat(code, ',') FROM (
    SELECT g.productName, names.kind,
           p.s || CASE WHEN names.one IS NULL THEN ''
                       ELSE '=' || replace(replace(p.s, '1', names.one), '0', names.zero) END AS code
    FROM lotto_seed g JOIN p ON length(p.s) = g.k JOIN names ON names.base = p.base
    ORDER BY g.productName, names.kind, p.s)
GROUP BY productName, kind;

-- Two numbers of the pool, the smaller first, written together ("112" is 1 and 12).
WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 35)
INSERT INTO lotto_options
SELECT productName, 'pairCode', group_concat(code, ',') FROM (
    SELECT g.productName, a.n || b.n || '=' || printf('%02d %02d', a.n, b.n) AS code
    FROM lotto_seed g JOIN c a ON a.n < g.n JOIN c b ON b.n > a.n AND b.n <= g.n
    ORDER BY g.productName, a.n, b.n)
GROUP BY productName;

-- Runs of consecutive numbers and groups of the same last digit, as the filter codes them: per
-- group size the number of groups and the size (two runs of two and one of three: 2213).
WITH groups(code, run, tail, least) AS (VALUES
    (0, '无连号', '无同尾', 2), (12, '一组二连', '一组二同尾', 2), (13, '三连号', '三同尾', 3),
    (22, '两组二连', '两组二同尾', 4), (14, '四连号', '四同尾', 4), (1213, '二连和三连', '二同尾和三同尾', 5),
    (15, '五连号', '五同尾', 5), (32, '三组二连', '三组二同尾', 6), (23, '两组三连', '两组三同尾', 6),
    (1214, '二连和四连', '二同尾和四同尾', 6), (16, '六连号', '六同尾', 6), (2213, '两组二连和三连', '两组二同尾和三同尾', 7),
    (1215, '二连和五连', '二同尾和五同尾', 7), (1314, '三连和四连', '三同尾和四同尾', 7), (17, '七连号', '七同尾', 7))
INSERT INTO lotto_options
SELECT productName, kind, group_concat(code, ',') FROM (
    SELECT g.productName, 'runCode' AS kind, groups.code || '=' || groups.run AS code, groups.least
    FROM lotto_seed g JOIN groups ON groups.least <= g.k
    UNION ALL
    SELECT g.productName, 'tailCode', groups.code || '=' || groups.tail, groups.least
    FROM lotto_seed g JOIN groups ON groups.least <= g.k
    ORDER BY 1, 2, 4)
GROUP BY productName, kind;

-- Hits against a past draw, most first.
WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 10)
INSERT INTO lotto_options
SELECT productName, 'hits', group_concat(code, ',') FROM (
    SELECT g.productName, c.n || '=相同' || c.n || '个' AS code FROM lotto_seed g JOIN c ON c.n <= g.k
    ORDER BY g.productName, c.n DESC)
GROUP BY productName;

-- Panels and their conditions: one template a row, its range of values by kind. range: the
-- values optionBegin .. optionBegin + itemsNumber - 1 of a row of k numbers of 1..n; options: a
-- list of lotto_options, or the fixed text of the template.
CREATE TEMP TABLE lotto_template (offset INTEGER, parent INTEGER, name TEXT, type TEXT, text TEXT, tab TEXT,
                                  sort INTEGER, range TEXT, options TEXT, use INTEGER, colNum INTEGER,
                                  quickSelect TEXT, explanation TEXT);
INSERT INTO lotto_template VALUES
    (1, NULL, 'dataSource', 'singleSel', '过滤类型', 'global', 1, NULL, 'dataSourceNew=全新号码,dataSourceOld=大底号码', 0, NULL, NULL, '全新号码：从全部号码中生成候选号码再过滤；大底号码：只过滤导入、粘贴或输入的号码。'),
    (2, NULL, 'rotateMatrix', 'singleSel', '旋转矩阵', 'global', 2, NULL, 'reductions', 0, NULL, NULL, '从过滤结果中选出一部分号码：中X保Y(分散)保留两两相同号码少于Y个的号码；中X保Y为覆盖，任意X个基础号码都有一注号码与之相同Y个。'),
    (3, NULL, 'maxWrong', 'singleSel', '最大容错数', 'global', 3, 'zero', NULL, 0, NULL, NULL, '一注号码最多允许不满足的容错条件个数；超过即被过滤掉。'),
    (4, NULL, 'baseNums', 'ball', NULL, 'base', 4, 'pool', NULL, 0, 10, 'numSelect', '候选号码的每一个号码都必须在所选号码之中。'),
    (6, NULL, 'oldNum', 'old', '大底号码', 'base', 6, NULL, NULL, 0, NULL, NULL, '导入、粘贴或输入的号码，每行一注，号码以逗号或空格分隔，后区号码前加“+”。'),
    (7, NULL, 'danMa', 'filterListTabs', '胆码', 'base', 7, NULL, NULL, 0, NULL, NULL, '每组胆码的号码须全部出现在一注中；设置多组时满足任一组即可。'),
    (101, 7, 'danMa0', 'ball', '胆码组一', 'base', 1, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (102, 7, 'danMa1', 'ball', '胆码组二', 'base', 2, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (103, 7, 'danMa2', 'ball', '胆码组三', 'base', 3, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (104, 7, 'danMa3', 'ball', '胆码组四', 'base', 4, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (105, 7, 'danMa4', 'ball', '胆码组五', 'base', 5, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (106, 7, 'danMa5', 'ball', '胆码组六', 'base', 6, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (107, 7, 'danMa6', 'ball', '胆码组七', 'base', 7, 'pool', NULL, 0, 10, 'numSelect', '该组所选号码须全部出现在一注号码中。'),
    (8, NULL, 'pos', 'filterList', '定位选号', 'dingWei', 8, NULL, NULL, 0, NULL, NULL, '号码按从小到大排列，每一位只能取所选的号码。'),
    (10, NULL, 'heZhi', 'filter', '和值', 'tabBase', 10, 'sum', NULL, 1, 10, NULL, '一注号码之和。'),
    (11, NULL, 'kuaDu', 'filter', '跨度', 'tabBase', 11, 'span', NULL, 1, 10, NULL, '最大号码与最小号码之差。'),
    (12, NULL, 'heZhiTail', 'filter', '和尾', 'tabBase', 12, 'digit', NULL, 1, 10, NULL, '和值的个位数（0～9）。'),
    (13, NULL, 'tailSum', 'filter', '尾数和', 'tabBase', 13, 'tailSum', NULL, 1, 10, NULL, '各号码个位数之和。'),
    (14, NULL, 'average', 'filter', '平均值', 'tabBase', 14, 'pool', NULL, 1, 10, NULL, '各号码的平均值，四舍五入取整。'),
    (15, NULL, 'maxMinNum', 'filterList', '最大最小号码', 'tabBase', 15, NULL, NULL, 1, NULL, NULL, '一注号码中最大的与最小的号码。'),
    (121, 15, 'maximumNum', 'filter', '最大号码', 'tabBase', 1, 'largest', NULL, 1, 10, NULL, '一注号码中最大的号码。'),
    (122, 15, 'minimumNum', 'filter', '最小号码', 'tabBase', 2, 'smallest', NULL, 1, 10, NULL, '一注号码中最小的号码。'),
    (16, NULL, 'lastNum', 'filter', '与上期相同个数', 'tabBase', 16, 'count', NULL, 1, 10, NULL, '一注号码与上期开奖号码相同的号码个数，需填写上期开奖号码。'),
    (17, NULL, 'killNums', 'filterList', '杀码', 'tabBase', 17, NULL, NULL, 1, NULL, NULL, '排除含有或全部由指定号码组成的号码。'),
    (141, 17, 'feiMa', 'ball', '废码', 'tabBase', 1, 'pool', NULL, 1, 10, 'numSelect', '含有任一废码的号码被过滤。'),
    (142, 17, 'shaZuHeOne', 'ball', '杀组合一', 'tabBase', 2, 'pool', NULL, 1, 10, 'numSelect', '全部号码都在所选号码之中的号码被过滤。'),
    (143, 17, 'shaZuHeTwo', 'ball', '杀组合二', 'tabBase', 3, 'pool', NULL, 1, 10, 'numSelect', '与杀组合一相同，可另设一组号码。'),
    (21, NULL, 'rates', 'filterList', '比例', 'tabShape', 21, NULL, NULL, 1, NULL, NULL, '一注号码中各类号码个数之比。'),
    (151, 21, 'bigSmallRate', 'filter', '大小比', 'tabShape', 1, NULL, 'rate2', 1, 8, NULL, '大号与小号的个数之比。'),
    (152, 21, 'oddEvenRate', 'filter', '奇偶比', 'tabShape', 2, NULL, 'rate2', 1, 8, NULL, '奇数与偶数的个数之比。'),
    (153, 21, 'zhiHeRate', 'filter', '质合比', 'tabShape', 3, NULL, 'rate2', 1, 8, NULL, '质数（1、2、3、5、7、11、13、17、19、23、29、31）与合数的个数之比。'),
    (154, 21, 'luShuRate', 'filter', '012路比', 'tabShape', 4, NULL, 'rate3', 1, 6, NULL, '除以3余0、余1、余2的号码个数之比。'),
    (155, 21, 'threeAreaRate', 'filter', '三区比', 'tabShape', 5, NULL, 'rate3', 1, 6, NULL, '一区、二区、三区的号码个数之比。'),
    (22, NULL, 'shapes', 'filterList', '形态', 'tabShape', 22, NULL, NULL, 1, NULL, NULL, '号码从小到大各位的类别依次组成的形态。'),
    (161, 22, 'bigSmall', 'filter', '大小形态', 'tabShape', 1, NULL, 'bigSmallPattern', 1, 8, NULL, '从小到大各位依次为大或小。'),
    (162, 22, 'oddEven', 'filter', '奇偶形态', 'tabShape', 2, NULL, 'oddEvenPattern', 1, 8, NULL, '从小到大各位依次为奇或偶。'),
    (163, 22, 'zhiHe', 'filter', '质合形态', 'tabShape', 3, NULL, 'zhiHePattern', 1, 8, NULL, '从小到大各位依次为质或合。'),
    (164, 22, 'luShu012', 'filter', '012路形态', 'tabShape', 4, NULL, 'pattern3', 1, 9, NULL, '各位依次除以3的余数。'),
    (165, 22, 'threeArea', 'filter', '三区形态', 'tabShape', 5, NULL, 'pattern3', 1, 9, NULL, '各位依次所在的区：0为一区，1为二区，2为三区。'),
    (23, NULL, 'dingWeiShapes', 'BOZL', '定位形态', 'tabShape', 23, NULL, NULL, 1, NULL, NULL, '为每一位指定允许的号码类别。'),
    (171, 23, 'bigSmallDingWei', 'BOZL', '定位大小', 'tabShape', 1, NULL, '1=大,0=小', 1, 2, NULL, '每一位允许的大小。'),
    (172, 23, 'oddEvenDingWei', 'BOZL', '定位奇偶', 'tabShape', 2, NULL, '1=奇,0=偶', 1, 2, NULL, '每一位允许的奇偶。'),
    (173, 23, 'zhiHeDingWei', 'BOZL', '定位质合', 'tabShape', 3, NULL, '1=质,0=合', 1, 2, NULL, '每一位允许的质合。'),
    (174, 23, 'luShu012DingWei', 'BOZL', '定位012路', 'tabShape', 4, NULL, '0=0路,1=1路,2=2路', 1, 3, NULL, '每一位允许的除3余数。'),
    (175, 23, 'threeAreaDingWei', 'BOZL', '定位三区', 'tabShape', 5, NULL, '0=一区,1=二区,2=三区', 1, 3, NULL, '每一位允许的区。'),
    (176, 23, 'wuXingDingWei', 'BOZL', '定位五行', 'tabShape', 6, NULL, '0=金,1=木,2=水,3=火,4=土', 1, 5, NULL, '每一位允许的五行。'),
    (24, NULL, 'shapeSums', 'filterListTabs', '形态和值', 'tabShape', 24, NULL, NULL, 1, NULL, NULL, '一注号码中某一类号码之和。'),
    (181, 24, 'shapeSum00Small', 'filter', '小数和', 'tabShape', 1, 'classSum', NULL, 1, 10, NULL, '小号之和。'),
    (182, 24, 'shapeSum01Big', 'filter', '大数和', 'tabShape', 2, 'classSum', NULL, 1, 10, NULL, '大号之和。'),
    (183, 24, 'shapeSum02Odd', 'filter', '奇数和', 'tabShape', 3, 'classSum', NULL, 1, 10, NULL, '奇数之和。'),
    (184, 24, 'shapeSum03Even', 'filter', '偶数和', 'tabShape', 4, 'classSum', NULL, 1, 10, NULL, '偶数之和。'),
    (185, 24, 'shapeSum04Zhi', 'filter', '质数和', 'tabShape', 5, 'classSum', NULL, 1, 10, NULL, '质数之和。'),
    (186, 24, 'shapeSum05He', 'filter', '合数和', 'tabShape', 6, 'classSum', NULL, 1, 10, NULL, '合数之和。'),
    (187, 24, 'shapeSum06Lu0', 'filter', '0路和', 'tabShape', 7, 'classSum', NULL, 1, 10, NULL, '除3余0的号码之和。'),
    (188, 24, 'shapeSum07Lu1', 'filter', '1路和', 'tabShape', 8, 'classSum', NULL, 1, 10, NULL, '除3余1的号码之和。'),
    (189, 24, 'shapeSum08Lu2', 'filter', '2路和', 'tabShape', 9, 'classSum', NULL, 1, 10, NULL, '除3余2的号码之和。'),
    (25, NULL, 'luShuNum', 'filterList', '012路个数', 'tabShape', 25, NULL, NULL, 1, NULL, NULL, '一注号码中除3余0、1、2的号码各有几个。'),
    (191, 25, 'luShuNum0', 'filter', '0路个数', 'tabShape', 1, 'count', NULL, 1, 10, NULL, '除3余0的号码个数。'),
    (192, 25, 'luShuNum1', 'filter', '1路个数', 'tabShape', 2, 'count', NULL, 1, 10, NULL, '除3余1的号码个数。'),
    (193, 25, 'luShuNum2', 'filter', '2路个数', 'tabShape', 3, 'count', NULL, 1, 10, NULL, '除3余2的号码个数。'),
    (26, NULL, 'wuXingNum', 'filterList', '五行个数', 'tabShape', 26, NULL, NULL, 1, NULL, NULL, '一注号码中各五行的号码个数。'),
    (195, 26, 'wuXingNum0', 'filter', '金个数', 'tabShape', 1, 'count', NULL, 1, 10, NULL, '五行属金的号码个数。'),
    (196, 26, 'wuXingNum1', 'filter', '木个数', 'tabShape', 2, 'count', NULL, 1, 10, NULL, '五行属木的号码个数。'),
    (197, 26, 'wuXingNum2', 'filter', '水个数', 'tabShape', 3, 'count', NULL, 1, 10, NULL, '五行属水的号码个数。'),
    (198, 26, 'wuXingNum3', 'filter', '火个数', 'tabShape', 4, 'count', NULL, 1, 10, NULL, '五行属火的号码个数。'),
    (199, 26, 'wuXingNum4', 'filter', '土个数', 'tabShape', 5, 'count', NULL, 1, 10, NULL, '五行属土的号码个数。'),
    (40, NULL, 'erWeiHe', 'filterList', '二位和', 'tabErWei', 40, NULL, NULL, 1, NULL, NULL, '两个位置上号码之和。'),
    (41, NULL, 'erWeiCha', 'filterList', '二位差', 'tabErWei', 41, NULL, NULL, 1, NULL, NULL, '两个位置上号码之差。'),
    (42, NULL, 'erWeiMa', 'filterListTabs', '二位码', 'tabErWei', 42, NULL, NULL, 1, NULL, NULL, '两个位置上的号码。'),
    (43, NULL, 'ziDingYi', 'filterListTabs', '自定义号码组', 'tabErWei', 43, NULL, NULL, 1, NULL, NULL, '自选一组号码，并指定一注号码中出现该组号码的个数。'),
    (201, 43, 'ziDingYi0', 'ball', '号码组一', 'tabErWei', 1, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (202, 43, 'ziDingYi1', 'ball', '号码组二', 'tabErWei', 2, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (203, 43, 'ziDingYi2', 'ball', '号码组三', 'tabErWei', 3, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (204, 43, 'ziDingYi3', 'ball', '号码组四', 'tabErWei', 4, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (205, 43, 'ziDingYi4', 'ball', '号码组五', 'tabErWei', 5, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (206, 43, 'ziDingYi5', 'ball', '号码组六', 'tabErWei', 6, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (207, 43, 'ziDingYi6', 'ball', '号码组七', 'tabErWei', 7, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (208, 43, 'ziDingYi7', 'ball', '号码组八', 'tabErWei', 8, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (209, 43, 'ziDingYi8', 'ball', '号码组九', 'tabErWei', 9, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (210, 43, 'ziDingYi9', 'ball', '号码组十', 'tabErWei', 10, 'pool', NULL, 1, 10, 'numSelect', '一注号码中出现在该组的号码个数须为所勾选的个数之一。'),
    (50, NULL, 'acValue', 'filter', 'AC值', 'tabMore', 50, 'ac', NULL, 1, 10, NULL, '任意两个号码之差的绝对值中不同值的个数减去号码个数再加1。'),
    (51, NULL, 'lianMa', 'filter', '连号', 'tabMore', 51, NULL, 'runCode', 1, 4, NULL, '从小到大相邻号码相差1的连号组合。'),
    (52, NULL, 'linHaoLag', 'filter', '邻号最大间距', 'tabMore', 52, 'lag', NULL, 1, 10, NULL, '从小到大相邻两个号码之差的最大值。'),
    (53, NULL, 'tails', 'filterList', '尾数', 'tabMore', 53, NULL, NULL, 1, NULL, NULL, '号码的尾数及同尾情况。'),
    (221, 53, 'tail', 'ball', '尾数', 'tabMore', 1, 'digit', NULL, 1, 10, NULL, '一注号码的每一个尾数都须在所选尾数之中。'),
    (222, 53, 'sameTail', 'filter', '同尾', 'tabMore', 2, NULL, '-1=无同尾,0,1,2,3,4,5,6,7,8,9', 1, 11, NULL, '所选尾数在一注号码中出现两次或以上；无同尾指尾数各不相同。'),
    (223, 53, 'sameTailNum', 'filter', '同尾组', 'tabMore', 3, NULL, 'tailCode', 1, 4, NULL, '同尾号码的组合形态。'),
    (54, NULL, 'ruleOutOldData', 'filter', '排除历史开奖', 'tabMore', 54, NULL, 'hits', 1, 4, NULL, '与最近若干期开奖号码相同所选个数的号码被过滤，每期计一次。');

INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, options, calType, quickSelect, randomMaxNum, colNum, areaText, use,
                         add0IfLess10, explanation)
SELECT g.idBase + t.offset,
       CASE WHEN t.parent IS NULL THEN NULL ELSE g.idBase + t.parent END,
       g.productName,
       CASE WHEN t.name = 'baseNums' THEN g.baseKey ELSE t.name END,
       t.type,
       CASE WHEN t.name = 'baseNums' THEN g.baseText ELSE t.text END,
       t.tab, t.sort,
       CASE t.range
           WHEN 'pool' THEN g.n
           WHEN 'sum' THEN g.k * (g.n - g.k) + 1
           WHEN 'span' THEN g.n - g.k + 1
           WHEN 'digit' THEN 10
           WHEN 'tailSum' THEN 9 * g.k + 1
           WHEN 'count' THEN g.k + 1
           WHEN 'largest' THEN g.n - g.k + 1
           WHEN 'smallest' THEN g.n - g.k + 1
           WHEN 'classSum' THEN g.k * (2 * g.n - g.k + 1) / 2 + 1
           WHEN 'lag' THEN g.n - g.k + 1
           WHEN 'ac' THEN g.k * (g.k - 1) / 2 - g.k + 2
           WHEN 'zero' THEN 1
       END,
       CASE t.range
           WHEN 'pool' THEN 1
           WHEN 'sum' THEN g.k * (g.k + 1) / 2
           WHEN 'span' THEN g.k - 1
           WHEN 'largest' THEN g.k
           WHEN 'smallest' THEN 1
           WHEN 'lag' THEN 1
           WHEN 'count' THEN 0
           ELSE 0
       END,
       CASE
           WHEN t.options = 'reductions' THEN g.reductions
           WHEN t.options IN ('rate2', 'rate3', 'bigSmallPattern', 'oddEvenPattern', 'zhiHePattern', 'pattern3',
                              'runCode', 'tailCode', 'hits')
               THEN (SELECT o.options FROM lotto_options o WHERE o.productName = g.productName AND o.kind = t.options)
           ELSE t.options
       END,
       CASE t.name WHEN 'dataSource' THEN 'dataSourceNew' WHEN 'maxWrong' THEN '0' WHEN 'rotateMatrix' THEN ''
                   ELSE 'baoLiu' END,
       t.quickSelect,
       CASE WHEN t.name = 'baseNums' THEN g.n END,
       t.colNum,
       CASE WHEN t.name LIKE 'ziDingYi%' THEN (
                WITH RECURSIVE c(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM c WHERE n < g.k)
                SELECT group_concat(n, ',') FROM c)
            WHEN t.name LIKE '%DingWei' OR t.name IN ('pos', 'dingWeiShapes') THEN g.positions END,
       t.use,
       CASE WHEN t.range = 'pool' THEN 1 ELSE 0 END,
       t.explanation
FROM lotto_seed g, lotto_template t;

-- The back numbers of the games that have them, in blue.
INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, calType, quickSelect, randomMaxNum, colNum, use, add0IfLess10, ballPanelCss,
                         explanation)
SELECT g.idBase + 5, NULL, g.productName, 'baseNums_blue', 'ball', g.backText, 'base', 5, g.backMax, 1, 'baoLiu',
       'blueNumSelect', g.backMax, 8, 0, 1, 'ballPanelBlue', '每一注的后区号码都必须在所选号码之中。'
FROM lotto_seed g WHERE g.backMax > 0;

-- The numbers of each position and the conditions on each pair of positions.
WITH RECURSIVE p(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM p WHERE i < 6)
INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, calType, quickSelect, colNum, use, add0IfLess10, explanation)
SELECT g.idBase + 131 + p.i, g.idBase + 8, g.productName, 'pos' || p.i, 'ball',
       '第' || substr('一二三四五六七', p.i + 1, 1) || '位', 'dingWei', p.i + 1, g.n, 1, 'baoLiu', 'numSelect', 10,
       0, 1, '从小到大第' || (p.i + 1) || '个号码只能取所选的号码。'
FROM lotto_seed g JOIN p ON p.i < g.k;

WITH RECURSIVE p(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM p WHERE i < 6),
pairs(i, j, at) AS (
    SELECT a.i, b.i, a.i * 7 + b.i FROM p a JOIN p b ON b.i > a.i),
kinds(kind, offset, panel, type, text, options) AS (VALUES
    ('erWeiHe', 300, 40, 'filter', '和', NULL),
    ('erWeiCha', 330, 41, 'filter', '差', NULL),
    ('erWeiMa', 360, 42, 'filter', '码', 'pairCode'))
INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber,
                         optionBegin, options, calType, colNum, use, add0IfLess10, explanation)
SELECT g.idBase + kinds.offset + (SELECT count(*) FROM pairs q WHERE q.at < pairs.at AND q.j < g.k),
       g.idBase + kinds.panel, g.productName, kinds.kind || pairs.i || pairs.j, kinds.type,
       '第' || (pairs.i + 1) || '、' || (pairs.j + 1) || '位' || kinds.text, 'tabErWei',
       (SELECT count(*) FROM pairs q WHERE q.at < pairs.at AND q.j < g.k) + 1,
       CASE kinds.kind WHEN 'erWeiHe' THEN 2 * g.n - 3 WHEN 'erWeiCha' THEN g.n - 1 END,
       CASE kinds.kind WHEN 'erWeiHe' THEN 3 WHEN 'erWeiCha' THEN 1 END,
       CASE WHEN kinds.options IS NOT NULL THEN
           (SELECT o.options FROM lotto_options o WHERE o.productName = g.productName AND o.kind = kinds.options) END,
       'baoLiu', 10, 1, 0,
       CASE kinds.kind WHEN 'erWeiHe' THEN '这两个位置上的号码之和。'
                       WHEN 'erWeiCha' THEN '这两个位置上的号码之差。'
                       ELSE '这两个位置上的两个号码，小号在前。' END
FROM lotto_seed g JOIN pairs ON pairs.j < g.k CROSS JOIN kinds;

-- Quick-select lists of the front pool of each game, and of the back pool, written as the balls
-- show their numbers ("01").
WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 35),
kinds(sort, name, test) AS (VALUES (1, '全部', 'all'), (2, '奇数', 'odd'), (3, '偶数', 'even'), (4, '大数', 'big'),
                                   (5, '小数', 'small'), (6, '质数', 'prime'), (7, '合数', 'composite'),
                                   (8, '0路', 'r0'), (9, '1路', 'r1'), (10, '2路', 'r2'))
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode)
SELECT group_concat(printf('%02d', n), ','), name, 'numSelect', productName, NULL, sort, 1, NULL, NULL FROM (
    SELECT g.productName, kinds.sort, kinds.name, c.n FROM lotto_seed g JOIN c ON c.n <= g.n CROSS JOIN kinds
    WHERE CASE kinds.test
              WHEN 'all' THEN 1 WHEN 'odd' THEN c.n % 2 = 1 WHEN 'even' THEN c.n % 2 = 0
              WHEN 'big' THEN c.n >= g.bigStart WHEN 'small' THEN c.n < g.bigStart
              WHEN 'prime' THEN c.n IN (1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31)
              WHEN 'composite' THEN c.n NOT IN (1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31)
              WHEN 'r0' THEN c.n % 3 = 0 WHEN 'r1' THEN c.n % 3 = 1 ELSE c.n % 3 = 2 END
    ORDER BY g.productName, kinds.sort, c.n)
GROUP BY productName, sort;

WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 16),
kinds(sort, name, parity) AS (VALUES (1, '全部', NULL), (2, '奇数', 1), (3, '偶数', 0))
INSERT INTO dict (dictCode, dictName, type, productName, castType, sort, isUse, level, parentCode)
SELECT group_concat(printf('%02d', n), ','), name, 'blueNumSelect', productName, NULL, sort, 1, NULL, NULL FROM (
    SELECT g.productName, kinds.sort, kinds.name, c.n FROM lotto_seed g JOIN c ON c.n <= g.backMax CROSS JOIN kinds
    WHERE kinds.parity IS NULL OR c.n % 2 = kinds.parity
    ORDER BY g.productName, kinds.sort, c.n)
GROUP BY productName, sort;

-- Styles of every lotto game's rows, their own included: the page's class names, the ball
-- panels of Windows XP with the suffix "_xp" of their images.
UPDATE base_config SET ballPanelCss = coalesce(ballPanelCss, 'ballPanel'), bgSuffixForXp = '_xp'
    WHERE productName IN (SELECT productName FROM lotto_seed) AND type = 'ball';
UPDATE base_config SET titleCss = 'componentTitle'
    WHERE productName IN (SELECT productName FROM lotto_seed) AND parentId IS NULL;
UPDATE base_config SET titleCss = 'itemTitle'
    WHERE productName IN (SELECT productName FROM lotto_seed) AND parentId IS NOT NULL;
UPDATE base_config SET css = 'component-' || type WHERE productName IN (SELECT productName FROM lotto_seed);
UPDATE base_config SET remarks = '勾选“容错”后，不满足该条件的号码计入容错数，不超过最大容错数时保留。'
    WHERE productName IN (SELECT productName FROM lotto_seed) AND use = 1;

DROP TABLE lotto_template;
DROP TABLE lotto_options;
DROP TABLE lotto_seed;
