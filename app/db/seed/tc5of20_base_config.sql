-- Condition panels of "Tc5Of20" (20选5): five numbers of 1-20, every one shared by the lotto
-- games (lotto_panels.sql). Ids 15000-15999.
INSERT INTO lotto_seed (productName, idBase, baseKey, baseText, backText, positions, reductions)
    VALUES ('Tc5Of20', 15000, 'baseNums', '基础号码', NULL,
    '第一位,第二位,第三位,第四位,第五位', '=不使用,_5bao4=中5保4(分散),_5bao3=中5保3(分散),_4bao3=中4保3');
