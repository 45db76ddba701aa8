-- The lotto games' parameters for the panels they share (lotto_panels.sql): each game's seed file
-- adds its row, lotto_panels.sql makes the panels and drops the table.
--   idBase: the game's range of base_config ids; k, n: a bet's front numbers and the front pool
--   1..n; bigStart, areaWidth: the smallest big number, the width of each of the three areas;
--   baseKey, baseText: the front base numbers' condition and label; backMax, backText: the back
--   pool 1..backMax (0: none) and its label; positions: the labels of the positions; reductions:
--   the choices of the rotation matrix ("value=label").
-- k, n, bigStart, areaWidth and backMax are the game's description's: the build writes them
-- (qel-lotto-sizes-sql) after the games' seed files, which give the rest.
CREATE TABLE lotto_seed (productName TEXT PRIMARY KEY, idBase INTEGER NOT NULL, k INTEGER,
                         n INTEGER, bigStart INTEGER, areaWidth INTEGER,
                         baseKey TEXT NOT NULL, baseText TEXT NOT NULL, backMax INTEGER, backText TEXT,
                         positions TEXT NOT NULL, reductions TEXT NOT NULL);
