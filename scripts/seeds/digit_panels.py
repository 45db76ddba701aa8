#!/usr/bin/env python3
"""Writes the condition panels (base_config rows) of the digit games other than "Magic3" into
app/db/seed/<game>_base_config.sql: every condition that the games' two filter stages read, with
the choices a row of the game can give. Run it after changing a game here; the written files are
committed and the build loads them (app/db/CMakeLists.txt).

    python3 scripts/seeds/digit_panels.py
"""
from itertools import combinations, combinations_with_replacement
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SEED = ROOT / "app" / "db" / "seed"

PRIMES = {1, 2, 3, 5, 7}  # the prime digits of the class rules (composite: the others)
ELEMENTS = ["金", "木", "水", "火", "土"]  # a digit's element is digit % 5
CHINESE = ["零", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"]
ZODIAC = ["鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"]

# The games: positions, digits, big start, area width, the names of the positions (long, short),
# play types, their own conditions, and the id range of their rows.
GAMES = [
    dict(key="Array5", ids=20000, k=5, low=0, high=9, big=5, width=3,
         positions=["万位", "千位", "百位", "十位", "个位"], short="万千百十个",
         play=None, numLag="first", diffNum=True, chongMaPrimary=False, repeats=True,
         ruleOut="distinct", erMa=True, numType=False),
    dict(key="Quick3", ids=21000, k=3, low=1, high=6, big=4, width=2,
         positions=["第一位", "第二位", "第三位"], short="一二三",
         play=[("zhiXuan", "直选"), ("zuXuan", "组选")], numLag="dice", diffNum=False,
         chongMaPrimary=True, repeats=False, ruleOut=None, erMa=False, numType=True),
    dict(key="Fc4Of10", ids=22000, k=4, low=0, high=9, big=5, width=3,
         positions=["千位", "百位", "十位", "个位"], short="千百十个",
         play=[("zhiXuan", "直选"), ("zu24", "组24"), ("zu12", "组12"), ("zu6", "组6"), ("zu4", "组4")],
         numLag="first", diffNum=True, chongMaPrimary=True, repeats=True, ruleOut=None, erMa=True,
         numType=False),
    dict(key="Fc6Of10", ids=23000, k=6, low=0, high=9, big=5, width=3,
         positions=["第一位", "第二位", "第三位", "第四位", "第五位", "第六位"], short="一二三四五六",
         play=None, numLag="first", diffNum=True, chongMaPrimary=False, repeats=True,
         ruleOut="numbers", erMa=True, numType=False, label=True),
    dict(key="Tc7Of10", ids=24000, k=7, low=0, high=9, big=5, width=3,
         positions=["第一位", "第二位", "第三位", "第四位", "第五位", "第六位", "第七位"],
         short="一二三四五六七", play=None, numLag="first", diffNum=True, chongMaPrimary=False,
         repeats=True, ruleOut="numbers", erMa=True, numType=False),
]


def digits(g):
    return list(range(g["low"], g["high"] + 1))


def multisets(g):
    return combinations_with_replacement(digits(g), g["k"])


def group_code(sizes):
    """The group code of groups of these sizes (2 and more): per size ascending, count then size."""
    code = ""
    for size in sorted(set(s for s in sizes if s >= 2)):
        code += f"{sizes.count(size)}{size}"
    return int(code) if code else 0


def group_label(code, word):
    """"二同号", "两组二同号", "二同号+三同号" for the codes 12, 22, 1213 ("无" for 0)."""
    if code == 0:
        return "无"
    text = str(code)
    parts = []
    for i in range(0, len(text), 2):
        count, size = int(text[i]), int(text[i + 1])
        parts.append(("两组" if count == 2 else "三组" if count == 3 else "") + CHINESE[size] + word)
    return "+".join(parts)


def repeat_groups(row):
    return [row.count(d) for d in set(row)]


def run_code(row, k):
    """The consecutive-digit value of a row: steps of one among its distinct digits (three
    positions), else the group code of its runs of two or more."""
    values = sorted(set(row))
    if k <= 3:
        return sum(1 for a, b in zip(values, values[1:]) if b == a + 1)
    runs, length = [], 1
    for a, b in zip(values, values[1:]):
        if b == a + 1:
            length += 1
        else:
            runs.append(length)
            length = 1
    runs.append(length)
    return group_code(runs)


def ac_values(g):
    out = set()
    for row in multisets(g):
        diffs = {abs(a - b) for a, b in combinations(row, 2)}
        out.add(len(diffs) - (g["k"] - 1))
    return sorted(out)


def area(g, v):
    w = g["width"]
    return 0 if v <= w else 1 if v <= 2 * w else 2


def counts_of(g, classes):
    """Every split of k numbers into the classes: [(a, b), ...] or [(a, b, c), ...]."""
    k = g["k"]
    if classes == 2:
        return [(a, k - a) for a in range(k, -1, -1)]
    return [(a, b, k - a - b) for a in range(k, -1, -1) for b in range(k - a, -1, -1)]


def ratio_options(g, classes, possible):
    """Choices "code=a:b[:c]" of the splits a row of the game can give."""
    items = []
    for split in counts_of(g, classes):
        if split in possible:
            code = "".join(str(x) for x in split)
            items.append(f"{code}={':'.join(str(x) for x in split)}")
    return ",".join(items)


def possible_splits(g, classify, classes):
    found = set()
    for row in multisets(g):
        tally = [0] * classes
        for v in row:
            tally[classify(v)] += 1
        found.add(tuple(tally))
    return found


def sum_range(g, member):
    best = max((v for v in digits(g) if member(v)), default=0)
    return best * g["k"]


def sql(value):
    if value is None:
        return "NULL"
    if isinstance(value, int):
        return str(value)
    return "'" + str(value).replace("'", "''") + "'"


class Panels:
    """Collects the rows of one game: panels get ids from base, conditions from base + 100."""

    def __init__(self, g):
        self.g = g
        self.rows = []
        self.panel_id = g["ids"]
        self.item_id = g["ids"] + 100
        self.sort = 0

    def add(self, parent, name, type_, text, tab, sort, items=None, begin=None, options=None,
            cal="baoLiu", quick=None, random=None, cols=None, area_text=None, cls=None, use=1,
            explanation=None, example=None):
        if parent is None:
            self.panel_id += 1
            row_id = self.panel_id
        else:
            self.item_id += 1
            row_id = self.item_id
        self.rows.append((row_id, parent, self.g["key"], name, type_, text, tab, sort, items, begin,
                          options, cal, quick, random, cols, area_text, cls, use, explanation, example))
        return row_id

    def panel(self, name, type_, text, tab, **kw):
        self.sort += 1
        return self.add(None, name, type_, text, tab, self.sort, **kw)

    def write(self, path, title):
        columns = ("id, parentId, productName, moduleName, type, moduleText, tabIndex, sort, itemsNumber, "
                   "optionBegin, options, calType, quickSelect, randomMaxNum, colNum, areaText, "
                   "classification, use, explanation, example")
        lines = [f"-- {title}",
                 "-- Written by scripts/seeds/digit_panels.py from the game's description: edit that script and",
                 "-- run it again rather than this file. Column meanings: docs/settings-database.md.",
                 "",
                 f"INSERT INTO base_config ({columns}) VALUES"]
        values = ["    (" + ", ".join(sql(v) for v in row) + ")" for row in self.rows]
        lines.append(",\n".join(values) + ";")
        key = self.g["key"]
        lines += [
            "",
            "UPDATE base_config SET ballPanelCss = 'ballPanel', bgSuffixForXp = '_xp' "
            f"WHERE productName = '{key}' AND type = 'ball';",
            f"UPDATE base_config SET titleCss = 'componentTitle' WHERE productName = '{key}' AND parentId IS NULL;",
            f"UPDATE base_config SET titleCss = 'itemTitle' WHERE productName = '{key}' AND parentId IS NOT NULL;",
            f"UPDATE base_config SET css = 'component-' || type WHERE productName = '{key}';",
            "UPDATE base_config SET remarks = '勾选“容错”后，不满足该条件的号码计入容错数，不超过最大容错数时保留。'",
            f"    WHERE productName = '{key}' AND use = 1;",
            "",
        ]
        path.write_text("\n".join(lines), encoding="utf-8")


def build(g):
    p = Panels(g)
    k, lo, hi = g["k"], g["low"], g["high"]
    ds = digits(g)
    n_digits = len(ds)
    straight = "zhiXuan" if g["play"] else None  # per-position panels apply to straight play only
    pos_names = ",".join(g["positions"])
    digit_list = ",".join(str(d) for d in ds)

    # Global choices.
    p.panel("dataSource", "singleSel", "过滤类型", "global",
            options="dataSourceNew=全新号码,dataSourceOld=大底号码", cal="dataSourceNew", use=0,
            explanation="全新号码：从全部号码中生成候选号码再过滤；大底号码：只过滤导入、粘贴或输入的号码。")
    if g["play"]:
        p.panel("castType", "singleSel", "投注方式", "global",
                options=",".join(f"{c}={t}" for c, t in g["play"]), cal="zhiXuan", use=0,
                explanation="直选：号码按位置顺序计；组选：号码不计顺序，每组号码只出一注。")
    p.panel("maxWrong", "singleSel", "最大容错数", "global", begin=0, cal="0", use=0,
            explanation="一注号码最多允许不满足的容错条件个数；超过即被过滤掉。")

    # Base numbers, old numbers, banker groups.
    if g.get("label"):
        p.panel("baseNums_red", "ball", "基础号码", "base", items=n_digits, begin=lo, quick="numSelect",
                random=n_digits, cols=10, use=0, explanation="候选号码的每一位都必须在所选基础号码之中。")
        p.panel("baseNums_blue", "ball", "生肖", "base",
                options=",".join(f"{i + 1}={z}" for i, z in enumerate(ZODIAC)), random=12, cols=12, use=0,
                explanation="每注号码依次与所选的每个生肖组成一注。")
    else:
        p.panel("baseNums", "ball", "基础号码", "base", items=n_digits, begin=lo, quick="numSelect",
                random=n_digits, cols=10, use=0, explanation="候选号码的每一位都必须在所选基础号码之中。")
    example_row = "".join(str(d) for d in ds[:k])
    p.panel("oldNum", "old", "大底号码", "base", use=0,
            explanation=(f"导入、粘贴或输入的号码，每注{CHINESE[k]}位数字加生肖号（1～12），以逗号分隔，每行一注。"
                         if g.get("label") else
                         f"导入、粘贴或输入的号码，每注{CHINESE[k]}位数字，以逗号、空格或换行分隔。"),
            example=("1,2,3,4,5,6,12" if g.get("label") else example_row))
    dan = p.panel("danMa", "filterListTabs", "胆码", "base", use=0,
                  explanation="每组胆码的号码须全部出现在一注中；设置多组时满足任一组即可。")
    for i in range(7):
        p.add(dan, f"danMa{i}", "ball", f"胆码组{CHINESE[i + 1]}", "base", i + 1, items=n_digits, begin=lo,
              quick="numSelect", cols=10, use=0, explanation="该组所选号码须全部出现在一注号码中。")
    pos = p.panel("pos", "filterList", "定位选号", "dingWei", area_text=pos_names, cls=straight, use=0,
                  explanation="每一位只能取所选的号码。")
    for i, name in enumerate(g["positions"]):
        p.add(pos, f"pos{i}", "ball", name, "dingWei", i + 1, items=n_digits, begin=lo, quick="numSelect",
              cols=10, cls=straight, use=0, explanation=f"{name}只能取所选的号码。")

    # Basic values.
    p.panel("heZhi", "filter", "和值", "tabBase", items=k * (hi - lo) + 1, begin=k * lo, cols=14,
            explanation=f"{CHINESE[k]}个号码之和（{k * lo}～{k * hi}）。")
    p.panel("kuaDu", "filter", "跨度", "tabBase", items=hi - lo + 1, begin=0, cols=10,
            explanation=f"最大号码与最小号码之差（0～{hi - lo}）。")
    p.panel("heZhiTail", "filter", "和尾", "tabBase", items=10, begin=0, cols=10, explanation="和值的个位数（0～9）。")
    p.panel("tailSum", "filter", "尾数和", "tabBase", items=k * (hi - lo) + 1, begin=k * lo, cols=14,
            explanation="各号码尾数之和。")
    p.panel("average", "filter", "平均值", "tabBase", items=hi - lo + 1, begin=lo, cols=10,
            explanation="号码的平均值，四舍五入取整。")
    mm = p.panel("maxMinNum", "filterList", "最大最小号码", "tabBase", explanation="一注号码中最大的与最小的号码。")
    p.add(mm, "maximumNum", "filter", "最大号码", "tabBase", 1, items=n_digits, begin=lo, cols=10,
          explanation="一注号码中最大的号码。")
    p.add(mm, "minimumNum", "filter", "最小号码", "tabBase", 2, items=n_digits, begin=lo, cols=10,
          explanation="一注号码中最小的号码。")
    if g["numLag"] == "first":
        p.panel("numLag", "filter", "首位号码", "tabBase", items=n_digits, begin=lo, cols=10,
                explanation=f"{g['positions'][0]}的号码。")
    elif g["numLag"] == "dice":
        p.panel("numLag", "filter", "号码区间", "tabBase",
                options="0=111-221,1=222-332,2=333-443,3=444-554,4=555-666", cols=5,
                explanation="把三个骰子看作一个三位数，分为五个区间。")
    if g["numType"]:
        p.panel("numType", "filter", "号码类型", "tabBase", options="3=三不同,2=二同号,1=三同号", cols=3,
                explanation="一注中不同骰子点数的个数：3为三不同，2为二同号，1为三同号。")
    if g["diffNum"]:
        most = min(k, n_digits)
        p.panel("diffNum", "filter", "不同号码个数", "tabBase", items=most, begin=1, cols=most,
                explanation="一注号码中不同数字的个数。")
    if g["chongMaPrimary"] or g["repeats"]:
        p.panel("chongMa", "filter", "重码", "tabBase", options="-1=无重码," + digit_list, cols=11,
                explanation=("前三位中重复出现的号码；无重码指前三位各不相同。" if g["chongMaPrimary"] and k > 3
                             else "一注号码中重复出现的号码；无重码指各号码均不相同。"))
    if g["repeats"]:
        codes = sorted({group_code(repeat_groups(list(r))) for r in multisets(g)})
        p.panel("chongMaNum", "filter", "重号形态", "tabBase",
                options=",".join(f"{c}={group_label(c, '同号')}" for c in codes), cols=6,
                explanation="一注号码中相同号码的组合形态。")
    p.panel("lastNum", "filter", "与上期相同个数", "tabBase", items=k + 1, begin=0, cols=k + 1,
            explanation="一注号码与上期开奖号码相同的号码个数，需填写上期开奖号码。")
    kill = p.panel("killNums", "filterList", "杀码", "tabBase", explanation="排除含有或全部由指定号码组成的号码。")
    p.add(kill, "feiMa", "ball", "废码", "tabBase", 1, items=n_digits, begin=lo, quick="numSelect", cols=10,
          explanation="含有任一废码的号码被过滤。")
    p.add(kill, "shaZuHeOne", "ball", "杀组合一", "tabBase", 2, items=n_digits, begin=lo, quick="numSelect",
          cols=10, explanation="号码全部在所选号码之中的一注被过滤。")
    p.add(kill, "shaZuHeTwo", "ball", "杀组合二", "tabBase", 3, items=n_digits, begin=lo, quick="numSelect",
          cols=10, explanation="与杀组合一相同，可另设一组号码。")

    # Shape.
    big = lambda v: 1 if v >= g["big"] else 0
    rates = p.panel("rates", "filterList", "比例", "tabShape", explanation="一注号码中各类号码个数之比。")
    small_text = f"{lo}～{g['big'] - 1}"
    big_text = f"{g['big']}～{hi}"
    two = lambda classify: ratio_options(g, 2, possible_splits(g, classify, 2))
    three = lambda classify: ratio_options(g, 3, possible_splits(g, classify, 3))
    p.add(rates, "bigSmallRate", "filter", "大小比", "tabShape", 1, options=two(lambda v: 1 - big(v)), cols=4,
          explanation=f"大号（{big_text}）与小号（{small_text}）的个数之比。")
    p.add(rates, "oddEvenRate", "filter", "奇偶比", "tabShape", 2, options=two(lambda v: 1 - v % 2), cols=4,
          explanation="奇数与偶数的个数之比。")
    p.add(rates, "zhiHeRate", "filter", "质合比", "tabShape", 3, options=two(lambda v: 0 if v in PRIMES else 1),
          cols=4, explanation="质数（1、2、3、5、7）与合数的个数之比。")
    p.add(rates, "luShuRate", "filter", "012路比", "tabShape", 4, options=three(lambda v: v % 3), cols=5,
          explanation="除以3余0、余1、余2的号码个数之比。")
    w = g["width"]
    p.add(rates, "threeAreaRate", "filter", "三区比", "tabShape", 5, options=three(lambda v: area(g, v)), cols=5,
          explanation=f"一区（≤{w}）、二区（{w + 1}～{2 * w}）、三区（>{2 * w}）的号码个数之比。")

    shapes = p.panel("shapes", "filterList", "形态", "tabShape", cls=straight,
                     explanation="各位置的号码类别依次组成的形态。")

    def patterns(names):
        base = len(names)
        out = []
        for index in range(base ** k):
            code, rest = "", index
            for _ in range(k):
                code = str(rest % base) + code
                rest //= base
            out.append(code + ("=" + "".join(names[int(c)] for c in code) if base == 2 else ""))
        return ",".join(out)

    p.add(shapes, "bigSmall", "filter", "大小形态", "tabShape", 1, options=patterns(["小", "大"]), cols=4,
          cls=straight, explanation="各位置依次为大或小。")
    p.add(shapes, "oddEven", "filter", "奇偶形态", "tabShape", 2, options=patterns(["偶", "奇"]), cols=4,
          cls=straight, explanation="各位置依次为奇或偶。")
    p.add(shapes, "zhiHe", "filter", "质合形态", "tabShape", 3, options=patterns(["合", "质"]), cols=4,
          cls=straight, explanation="各位置依次为质数或合数。")
    p.add(shapes, "luShu012", "filter", "012路形态", "tabShape", 4, options=patterns(["0", "1", "2"]), cols=9,
          cls=straight, explanation="各位置依次除以3的余数。")
    p.add(shapes, "threeArea", "filter", "三区形态", "tabShape", 5, options=patterns(["0", "1", "2"]), cols=9,
          cls=straight, explanation="各位置依次所在的区：0为一区，1为二区，2为三区。")
    bozl = p.panel("dingWeiShapes", "BOZL", "定位形态", "tabShape", area_text=pos_names, cls=straight,
                   explanation="为每一位指定允许的号码类别。")
    for i, (name, text, opts, cols) in enumerate([
            ("bigSmallDingWei", "定位大小", "1=大,0=小", 2), ("oddEvenDingWei", "定位奇偶", "1=奇,0=偶", 2),
            ("zhiHeDingWei", "定位质合", "1=质,0=合", 2), ("luShu012DingWei", "定位012路", "0=0路,1=1路,2=2路", 3),
            ("threeAreaDingWei", "定位三区", "0=一区,1=二区,2=三区", 3),
            ("wuXingDingWei", "定位五行", ",".join(f"{e}={n}" for e, n in enumerate(ELEMENTS)), 5)]):
        p.add(bozl, name, "BOZL", text, "tabShape", i + 1, options=opts, cols=cols, area_text=pos_names,
              cls=straight, explanation="每一位允许的号码类别。")

    sums = p.panel("shapeSums", "filterListTabs", "形态和值", "tabShape", explanation="一注号码中某一类号码的和。")
    for i, (name, text, member) in enumerate([
            ("shapeSum00Small", "小数和", lambda v: v < g["big"]), ("shapeSum01Big", "大数和", lambda v: v >= g["big"]),
            ("shapeSum02Odd", "奇数和", lambda v: v % 2 == 1), ("shapeSum03Even", "偶数和", lambda v: v % 2 == 0),
            ("shapeSum04Zhi", "质数和", lambda v: v in PRIMES), ("shapeSum05He", "合数和", lambda v: v not in PRIMES),
            ("shapeSum06Lu0", "0路和", lambda v: v % 3 == 0), ("shapeSum07Lu1", "1路和", lambda v: v % 3 == 1),
            ("shapeSum08Lu2", "2路和", lambda v: v % 3 == 2)]):
        p.add(sums, name, "filter", text, "tabShape", i + 1, items=sum_range(g, member) + 1, begin=0, cols=14,
              explanation=f"{text[:-1]}之和。")
    lu = p.panel("luShuNum", "filterList", "012路个数", "tabShape", explanation="除3余0、1、2的号码各有几个。")
    for r in range(3):
        p.add(lu, f"luShuNum{r}", "filter", f"{r}路个数", "tabShape", r + 1, items=k + 1, begin=0, cols=k + 1,
              explanation=f"除3余{r}的号码个数。")
    wx = p.panel("wuXingNum", "filterList", "五行个数", "tabShape",
                 explanation="各五行的号码个数：金0、5，木1、6，水2、7，火3、8，土4、9。")
    for e, name in enumerate(ELEMENTS):
        p.add(wx, f"wuXingNum{e}", "filter", f"{name}个数", "tabShape", e + 1, items=k + 1, begin=0, cols=k + 1,
              explanation=f"五行属{name}的号码个数。")

    # Two positions and groups.
    pairs = list(combinations(range(k), 2))
    short = g["short"]
    he = p.panel("erWeiHe", "filterListTabs", "二位和", "tabErWei", explanation="两个位置上号码之和。")
    cha = p.panel("erWeiCha", "filterListTabs", "二位差", "tabErWei", explanation="两个位置上号码之差的绝对值。")
    ma = p.panel("erWeiMa", "filterListTabs", "二位码", "tabErWei", explanation="两个位置上的号码，小号在前组成的两位码。")
    codes = ",".join(f"{a}{b}" for a, b in combinations_with_replacement(ds, 2))
    for n, (i, j) in enumerate(pairs):
        label = short[i] + short[j]
        p.add(he, f"erWeiHe{i}{j}", "filter", label + "和", "tabErWei", n + 1, items=2 * (hi - lo) + 1,
              begin=2 * lo, cols=10, explanation=f"{g['positions'][i]}与{g['positions'][j]}号码之和。")
        p.add(cha, f"erWeiCha{i}{j}", "filter", label + "差", "tabErWei", n + 1, items=hi - lo + 1, begin=0,
              cols=10, explanation=f"{g['positions'][i]}与{g['positions'][j]}号码之差的绝对值。")
        p.add(ma, f"erWeiMa{i}{j}", "filter", label + "码", "tabErWei", n + 1, options=codes, cols=10,
              explanation=f"{g['positions'][i]}与{g['positions'][j]}号码组成的两位码（小号在前）。")
    if g["erMa"]:
        p.panel("erMa", "filter", "二码组合", "tabErWei", options=codes, cols=10,
                explanation="任意两个号码组成的两位码（小号在前）；保留时至少含一个所选二码，排除时不含任何所选二码。")
    counts = ",".join(str(c) for c in range(k + 1))
    zdy = p.panel("ziDingYi", "filterListTabs", "自定义号码组", "tabErWei", area_text=counts,
                  explanation="自选一组号码，并指定一注号码中出现该组号码的个数。")
    for i in range(10):
        p.add(zdy, f"ziDingYi{i}", "ball", f"号码组{CHINESE[i + 1]}", "tabErWei", i + 1, items=n_digits, begin=lo,
              quick="numSelect", cols=10, area_text=counts,
              explanation="一注号码中出现在该组的不同号码个数须为所勾选的个数之一。")

    # More.
    acs = ac_values(g)
    p.panel("acValue", "filter", "AC值", "tabMore", items=acs[-1] - acs[0] + 1, begin=acs[0], cols=10,
            explanation="任意两个号码之差的绝对值中不同值的个数减去号码个数加1。")
    runs = sorted({run_code(list(r), k) for r in multisets(g)})
    if k <= 3:
        run_options = ",".join(f"{c}={['不连', '二连', '三连'][c]}" for c in runs)
    else:
        run_options = ",".join(f"{c}={group_label(c, '连') if c else '不连'}" for c in runs)
    p.panel("lianMa", "filter", "连号", "tabMore", options=run_options, cols=6,
            explanation="去重排序后号码相连的情况。")
    p.panel("linHaoLag", "filter", "邻号最大间距", "tabMore", items=hi - lo + 1, begin=0, cols=10,
            explanation="按位置相邻的两个号码之差绝对值的最大值。")
    tails = p.panel("tails", "filterList", "尾数", "tabMore", explanation="号码的尾数及同尾情况。")
    p.add(tails, "tail", "ball", "尾数", "tabMore", 1, items=n_digits, begin=lo, quick="numSelect", cols=10,
          explanation="一注号码的每一个尾数都须在所选尾数之中。")
    p.add(tails, "sameTail", "filter", "同尾", "tabMore", 2, options="-1=无同尾," + digit_list, cols=11,
          explanation="所选尾数在一注号码中出现两次或以上；无同尾指尾数各不相同。")
    tail_codes = sorted({group_code(repeat_groups(list(r))) for r in multisets(g)})
    p.add(tails, "sameTailNum", "filter", "同尾组", "tabMore", 3,
          options=",".join(f"{c}={group_label(c, '同尾')}" for c in tail_codes), cols=6,
          explanation="同尾号码的组合形态。")
    if g["ruleOut"]:
        what = "不同号码" if g["ruleOut"] == "distinct" else "号码"
        p.panel("ruleOutOldData", "filter", "排除历史开奖", "tabMore", items=k + 1, begin=0, cols=k + 1,
                explanation=f"一注中的{what}出现在最近某期开奖号码中的个数为所选个数时被排除。")
    return p


def main():
    for g in GAMES:
        path = SEED / f"{g['key'].lower()}_base_config.sql"
        build(g).write(path, f"Condition panels of the digit game \"{g['key']}\": every condition its two filter "
                             "stages read.")
        print("wrote", path.relative_to(ROOT))


if __name__ == "__main__":
    main()
