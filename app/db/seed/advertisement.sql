-- The main page's footer buttons, for every game (realProductName NULL), in the order shown
-- (sort). A button shows the picture "images/footerBtn/" + logo, rendered at build time from
-- app/ui/stage/images/footerBtn/<name>.svg, labelled with the advertisement text. No row has
-- links (webUrl, adUrl), a flag or children; no row is for one lottery category only.

INSERT INTO advertisement (id, parentId, name, advertisement, webUrl, adUrl, flag, logo, realProductName, sort) VALUES
    (1, NULL, 'newLottery', '开奖公告', NULL, NULL, NULL, 'newLottery.png', NULL, 1),
    (2, NULL, 'dataAnalysis', '走势图表', NULL, NULL, NULL, 'dataAnalysis.png', NULL, 2),
    (3, NULL, 'autoDan', '智能荐胆', NULL, NULL, NULL, 'autoDan.png', NULL, 3),
    (4, NULL, 'luckLottery', '幸运选号', NULL, NULL, NULL, 'luckLottery.png', NULL, 4),
    (5, NULL, 'zhuiHaoPlan', '倍投计划', NULL, NULL, NULL, 'zhuiHaoPlan.png', NULL, 5),
    (6, NULL, 'check', '中奖查询', NULL, NULL, NULL, 'check.png', NULL, 6),
    (7, NULL, 'calc', '奖金计算', NULL, NULL, NULL, 'calc.png', NULL, 7),
    (8, NULL, 'userCenter', '用户中心', NULL, NULL, NULL, 'userCenter.png', NULL, 8);
