-- Condition panels of "Hd5Of15" (15选5): five numbers of 1-15, every one shared by the lotto
-- games (lotto_panels.sql); "_5bao3" is a covering reduction in this game. Ids 16000-16999.
INSERT INTO lotto_seed (productName, idBase, baseKey, baseText, backText, positions, reductions)
    VALUES ('Hd5Of15', 16000, 'baseNums', '基础号码', NULL,
    '第一位,第二位,第三位,第四位,第五位', '=不使用,_5bao4=中5保4(分散),_5bao3=中5保3,_4bao3=中4保3');
