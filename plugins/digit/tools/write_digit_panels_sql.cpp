// Build step: writes the condition panels (base_config rows) of the digit games from the games' own
// descriptions, so that the settings database offers every condition the games' two filter stages
// read, with the choices a row of the game can give (ratios, run and repeat codes, AC values, the
// sums of each class). What only the settings database holds (ids, the positions' names, the play
// types' texts) comes from the texts file, keyed by the game; a game it does not name keeps its own
// hand-written seed.
//   qel-digit-panels-sql <output.sql> <digit_panel_texts.json>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <json/json.h>

#include "basekit/text_convert.h"
#include "digit_descriptions.h"
#include "digit_panel_choices.h"
#include "digit_panel_rows.h"

namespace {

using plugins::digit::DigitGame;
using plugins::digit::RowValue;
using plugins::digit::RuleOut;
using namespace plugins::digit::panels; // NOLINT(google-build-using-namespace): the panels read as data

const char *const kElements[] = {"金", "木", "水", "火", "土"}; // a digit's element is digit % 5

std::string Narrow(const std::wstring &text)
{
    return basekit::CStrW2CStrA(text);
}

// The game as its panels see it: the description and the texts of the settings database.
struct Game {
    const DigitGame &d;
    int ids = 0;
    std::vector<std::string> positions;
    std::vector<std::string> shortNames;
    std::map<std::string, std::string> playTexts;
    std::string labelText;
    std::string labelExample;

    int k() const { return d.positions; }
    bool HasTest(const wchar_t *key) const
    {
        return std::ranges::any_of(d.primaryTests, [&](const auto &t) { return t.key == key; });
    }
    std::optional<RowValue> TestValue(const wchar_t *key) const
    {
        for (const auto &t : d.primaryTests) {
            if (t.key == key) {
                return t.value;
            }
        }
        return std::nullopt;
    }
    int Area(int v) const { return v <= d.areaWidth ? 0 : v <= 2 * d.areaWidth ? 1 : 2; }
};

void GlobalAndBasePanels(const Game &g, Panels &p, const Optional &straight)
{
    const DigitGame &d = g.d;
    const int n = static_cast<int>(Digits(g.d).size());
    const int k = g.k();
    p.Panel("dataSource", "singleSel", "过滤类型", "global",
            {.options = "dataSourceNew=全新号码,dataSourceOld=大底号码",
             .cal = "dataSourceNew",
             .use = 0,
             .explanation =
                 "全新号码：从全部号码中生成候选号码再过滤；大底号码：只过滤导入、粘贴或输入的号码。"});
    if (!d.playTypes.empty()) {
        std::vector<std::string> types;
        for (const auto &type : d.playTypes) {
            const std::string name = Narrow(type.name);
            types.push_back(name + "=" + g.playTexts.at(name));
        }
        p.Panel("castType", "singleSel", "投注方式", "global",
                {.options = Join(types),
                 .cal = *straight,
                 .use = 0,
                 .explanation = "直选：号码按位置顺序计；组选：号码不计顺序，每组号码只出一注。"});
    }
    p.Panel("maxWrong", "singleSel", "最大容错数", "global",
            {.begin = 0,
             .cal = "0",
             .use = 0,
             .explanation = "一注号码最多允许不满足的容错条件个数；超过即被过滤掉。"});

    const Fields baseNums{.items = n,
                          .begin = d.lowDigit,
                          .quick = "numSelect",
                          .random = n,
                          .cols = 10,
                          .use = 0,
                          .explanation = "候选号码的每一位都必须在所选基础号码之中。"};
    p.Panel(Narrow(d.baseKey), "ball", "基础号码", "base", baseNums);
    if (d.hasLabel()) {
        std::vector<std::string> labels;
        for (std::size_t i = 0; i < d.label.texts.size(); ++i) {
            labels.push_back(Str(static_cast<int>(i) + 1) + "=" + Narrow(d.label.texts[i]));
        }
        const int count = static_cast<int>(labels.size());
        p.Panel(Narrow(d.label.chosenKey), "ball", g.labelText, "base",
                {.options = Join(labels),
                 .random = count,
                 .cols = count,
                 .use = 0,
                 .explanation = "每注号码依次与所选的每个" + g.labelText + "组成一注。"});
    }
    std::string exampleRow;
    for (int i = 0; i < k && i < n; ++i) {
        exampleRow += Str(d.lowDigit + i);
    }
    p.Panel("oldNum", "old", "大底号码", "base",
            {.use = 0,
             .explanation = d.hasLabel()
                                ? "导入、粘贴或输入的号码，每注" + std::string(kChinese[k]) + "位数字加" +
                                      g.labelText + "号（1～" + Str(static_cast<int>(d.label.texts.size())) +
                                      "），以逗号分隔，每行一注。"
                                : "导入、粘贴或输入的号码，每注" + std::string(kChinese[k]) +
                                      "位数字，以逗号、空格或换行分隔。",
             .example = d.hasLabel() ? g.labelExample : exampleRow});
    const int dan =
        p.Panel("danMa", "filterListTabs", "胆码", "base",
                {.use = 0, .explanation = "每组胆码的号码须全部出现在一注中；设置多组时满足任一组即可。"});
    for (int i = 0; i < 7; ++i) {
        p.Add(dan, "danMa" + Str(i), "ball", "胆码组" + std::string(kChinese[i + 1]), "base", i + 1,
              {.items = n,
               .begin = d.lowDigit,
               .quick = "numSelect",
               .cols = 10,
               .use = 0,
               .explanation = "该组所选号码须全部出现在一注号码中。"});
    }
    const std::string positionNames = Join(g.positions);
    const int pos = p.Panel(
        "pos", "filterList", "定位选号", "dingWei",
        {.areaText = positionNames, .cls = straight, .use = 0, .explanation = "每一位只能取所选的号码。"});
    for (int i = 0; i < k; ++i) {
        const std::string &name = g.positions[static_cast<std::size_t>(i)];
        p.Add(pos, "pos" + Str(i), "ball", name, "dingWei", i + 1,
              {.items = n,
               .begin = d.lowDigit,
               .quick = "numSelect",
               .cols = 10,
               .cls = straight,
               .use = 0,
               .explanation = name + "只能取所选的号码。"});
    }
}

void BasicValuePanels(const Game &g, Panels &p)
{
    const DigitGame &d = g.d;
    const int k = g.k();
    const int lo = d.lowDigit;
    const int hi = d.highDigit;
    const int n = hi - lo + 1;
    const std::string kText = kChinese[k];
    p.Panel("heZhi", "filter", "和值", "tabBase",
            {.items = k * (hi - lo) + 1,
             .begin = k * lo,
             .cols = 14,
             .explanation = kText + "个号码之和（" + Str(k * lo) + "～" + Str(k * hi) + "）。"});
    p.Panel("kuaDu", "filter", "跨度", "tabBase",
            {.items = n,
             .begin = 0,
             .cols = 10,
             .explanation = "最大号码与最小号码之差（0～" + Str(hi - lo) + "）。"});
    p.Panel("heZhiTail", "filter", "和尾", "tabBase",
            {.items = 10, .begin = 0, .cols = 10, .explanation = "和值的个位数（0～9）。"});
    p.Panel("tailSum", "filter", "尾数和", "tabBase",
            {.items = k * (hi - lo) + 1, .begin = k * lo, .cols = 14, .explanation = "各号码尾数之和。"});
    p.Panel("average", "filter", "平均值", "tabBase",
            {.items = n, .begin = lo, .cols = 10, .explanation = "号码的平均值，四舍五入取整。"});
    const int mm = p.Panel("maxMinNum", "filterList", "最大最小号码", "tabBase",
                           {.explanation = "一注号码中最大的与最小的号码。"});
    p.Add(mm, "maximumNum", "filter", "最大号码", "tabBase", 1,
          {.items = n, .begin = lo, .cols = 10, .explanation = "一注号码中最大的号码。"});
    p.Add(mm, "minimumNum", "filter", "最小号码", "tabBase", 2,
          {.items = n, .begin = lo, .cols = 10, .explanation = "一注号码中最小的号码。"});
    const auto numLag = g.TestValue(L"numLag");
    if (numLag == RowValue::FirstDigit) {
        p.Panel("numLag", "filter", "首位号码", "tabBase",
                {.items = n, .begin = lo, .cols = 10, .explanation = g.positions[0] + "的号码。"});
    } else if (numLag == RowValue::DiceBand) {
        p.Panel("numLag", "filter", "号码区间", "tabBase",
                {.options = "0=111-221,1=222-332,2=333-443,3=444-554,4=555-666",
                 .cols = 5,
                 .explanation = "把三个骰子看作一个三位数，分为五个区间。"});
    }
    if (g.HasTest(L"numType")) {
        p.Panel("numType", "filter", "号码类型", "tabBase",
                {.options = "3=三不同,2=二同号,1=三同号",
                 .cols = 3,
                 .explanation = "一注中不同骰子点数的个数：3为三不同，2为二同号，1为三同号。"});
    }
    if (g.HasTest(L"diffNum")) {
        const int most = std::min(k, n);
        p.Panel("diffNum", "filter", "不同号码个数", "tabBase",
                {.items = most, .begin = 1, .cols = most, .explanation = "一注号码中不同数字的个数。"});
    }
    const bool chongMaPrimary = g.HasTest(L"chongMa");
    if (chongMaPrimary || d.repeatTests) {
        p.Panel("chongMa", "filter", "重码", "tabBase",
                {.options = RepeatedDigitOptions(g.d, "无重码"),
                 .cols = 11,
                 .explanation = chongMaPrimary && k > 3
                                    ? "前三位中重复出现的号码；无重码指前三位各不相同。"
                                    : "一注号码中重复出现的号码；无重码指各号码均不相同。"});
    }
    if (d.repeatTests) {
        p.Panel("chongMaNum", "filter", "重号形态", "tabBase",
                {.options = CodeOptions(RepeatCodes(g.d), [](int c) { return GroupLabel(c, "同号"); }),
                 .cols = 6,
                 .explanation = "一注号码中相同号码的组合形态。"});
    }
    p.Panel("lastNum", "filter", "与上期相同个数", "tabBase",
            {.items = k + 1,
             .begin = 0,
             .cols = k + 1,
             .explanation = "一注号码与上期开奖号码相同的号码个数，需填写上期开奖号码。"});
    const int kill = p.Panel("killNums", "filterList", "杀码", "tabBase",
                             {.explanation = "排除含有或全部由指定号码组成的号码。"});
    const Fields killed{.items = n, .begin = lo, .quick = "numSelect", .cols = 10};
    Fields fei = killed;
    fei.explanation = "含有任一废码的号码被过滤。";
    p.Add(kill, "feiMa", "ball", "废码", "tabBase", 1, fei);
    Fields one = killed;
    one.explanation = "号码全部在所选号码之中的一注被过滤。";
    p.Add(kill, "shaZuHeOne", "ball", "杀组合一", "tabBase", 2, one);
    Fields two = killed;
    two.explanation = "与杀组合一相同，可另设一组号码。";
    p.Add(kill, "shaZuHeTwo", "ball", "杀组合二", "tabBase", 3, two);
}

void RatioAndPatternPanels(const Game &g, Panels &p, const Optional &straight)
{
    const DigitGame &d = g.d;
    const int w = d.areaWidth;
    const int big = d.bigStart;
    const int rates =
        p.Panel("rates", "filterList", "比例", "tabShape", {.explanation = "一注号码中各类号码个数之比。"});
    p.Add(rates, "bigSmallRate", "filter", "大小比", "tabShape", 1,
          {.options = RatioOptions(g.d, 2, [&](int v) { return v >= big ? 0 : 1; }),
           .cols = 4,
           .explanation = "大号（" + Str(big) + "～" + Str(d.highDigit) + "）与小号（" + Str(d.lowDigit) +
                          "～" + Str(big - 1) + "）的个数之比。"});
    p.Add(rates, "oddEvenRate", "filter", "奇偶比", "tabShape", 2,
          {.options = RatioOptions(g.d, 2, [](int v) { return 1 - v % 2; }),
           .cols = 4,
           .explanation = "奇数与偶数的个数之比。"});
    p.Add(rates, "zhiHeRate", "filter", "质合比", "tabShape", 3,
          {.options = RatioOptions(g.d, 2, [](int v) { return kPrimes.contains(v) ? 0 : 1; }),
           .cols = 4,
           .explanation = "质数（1、2、3、5、7）与合数的个数之比。"});
    p.Add(rates, "luShuRate", "filter", "012路比", "tabShape", 4,
          {.options = RatioOptions(g.d, 3, [](int v) { return v % 3; }),
           .cols = 5,
           .explanation = "除以3余0、余1、余2的号码个数之比。"});
    p.Add(rates, "threeAreaRate", "filter", "三区比", "tabShape", 5,
          {.options = RatioOptions(g.d, 3, [&](int v) { return g.Area(v); }),
           .cols = 5,
           .explanation = "一区（≤" + Str(w) + "）、二区（" + Str(w + 1) + "～" + Str(2 * w) + "）、三区（>" +
                          Str(2 * w) + "）的号码个数之比。"});

    const int shapes = p.Panel("shapes", "filterList", "形态", "tabShape",
                               {.cls = straight, .explanation = "各位置的号码类别依次组成的形态。"});
    struct Shape {
        const char *name;
        const char *text;
        std::vector<std::string> classes;
        int cols;
        const char *explanation;
    };
    const Shape shapeList[] = {
        {"bigSmall", "大小形态", {"小", "大"}, 4, "各位置依次为大或小。"},
        {"oddEven", "奇偶形态", {"偶", "奇"}, 4, "各位置依次为奇或偶。"},
        {"zhiHe", "质合形态", {"合", "质"}, 4, "各位置依次为质数或合数。"},
        {"luShu012", "012路形态", {"0", "1", "2"}, 9, "各位置依次除以3的余数。"},
        {"threeArea", "三区形态", {"0", "1", "2"}, 9, "各位置依次所在的区：0为一区，1为二区，2为三区。"},
    };
    int sort = 0;
    for (const Shape &s : shapeList) {
        p.Add(shapes, s.name, "filter", s.text, "tabShape", ++sort,
              {.options = Patterns(g.d, s.classes),
               .cols = s.cols,
               .cls = straight,
               .explanation = s.explanation});
    }
    const std::string positionNames = Join(g.positions);
    const int bozl =
        p.Panel("dingWeiShapes", "BOZL", "定位形态", "tabShape",
                {.areaText = positionNames, .cls = straight, .explanation = "为每一位指定允许的号码类别。"});
    std::vector<std::string> elements;
    elements.reserve(std::size(kElements));
    for (int e = 0; e < 5; ++e) {
        elements.push_back(Str(e) + "=" + kElements[e]);
    }
    struct Position {
        const char *name;
        const char *text;
        std::string options;
        int cols;
    };
    const Position positionShapes[] = {
        {"bigSmallDingWei", "定位大小", "1=大,0=小", 2},
        {"oddEvenDingWei", "定位奇偶", "1=奇,0=偶", 2},
        {"zhiHeDingWei", "定位质合", "1=质,0=合", 2},
        {"luShu012DingWei", "定位012路", "0=0路,1=1路,2=2路", 3},
        {"threeAreaDingWei", "定位三区", "0=一区,1=二区,2=三区", 3},
        {"wuXingDingWei", "定位五行", Join(elements), 5},
    };
    sort = 0;
    for (const Position &s : positionShapes) {
        p.Add(bozl, s.name, "BOZL", s.text, "tabShape", ++sort,
              {.options = s.options,
               .cols = s.cols,
               .areaText = positionNames,
               .cls = straight,
               .explanation = "每一位允许的号码类别。"});
    }
}

void ClassCountPanels(const Game &g, Panels &p)
{
    const int k = g.k();
    const int big = g.d.bigStart;
    const int sums = p.Panel("shapeSums", "filterListTabs", "形态和值", "tabShape",
                             {.explanation = "一注号码中某一类号码的和。"});
    struct Sum {
        const char *name;
        const char *what; // the class; the panel's text is its sum ("小数" gives "小数和")
        std::function<bool(int)> member;
    };
    const Sum sumList[] = {
        {"shapeSum00Small", "小数", [&](int v) { return v < big; }},
        {"shapeSum01Big", "大数", [&](int v) { return v >= big; }},
        {"shapeSum02Odd", "奇数", [](int v) { return v % 2 == 1; }},
        {"shapeSum03Even", "偶数", [](int v) { return v % 2 == 0; }},
        {"shapeSum04Zhi", "质数", [](int v) { return kPrimes.contains(v); }},
        {"shapeSum05He", "合数", [](int v) { return !kPrimes.contains(v); }},
        {"shapeSum06Lu0", "0路", [](int v) { return v % 3 == 0; }},
        {"shapeSum07Lu1", "1路", [](int v) { return v % 3 == 1; }},
        {"shapeSum08Lu2", "2路", [](int v) { return v % 3 == 2; }},
    };
    int sort = 0;
    for (const Sum &s : sumList) {
        p.Add(sums, s.name, "filter", std::string(s.what) + "和", "tabShape", ++sort,
              {.items = SumRange(g.d, s.member) + 1,
               .begin = 0,
               .cols = 14,
               .explanation = std::string(s.what) + "之和。"});
    }
    const int lu = p.Panel("luShuNum", "filterList", "012路个数", "tabShape",
                           {.explanation = "除3余0、1、2的号码各有几个。"});
    for (int r = 0; r < 3; ++r) {
        p.Add(lu, "luShuNum" + Str(r), "filter", Str(r) + "路个数", "tabShape", r + 1,
              {.items = k + 1, .begin = 0, .cols = k + 1, .explanation = "除3余" + Str(r) + "的号码个数。"});
    }
    const int wx = p.Panel("wuXingNum", "filterList", "五行个数", "tabShape",
                           {.explanation = "各五行的号码个数：金0、5，木1、6，水2、7，火3、8，土4、9。"});
    for (int e = 0; e < 5; ++e) {
        p.Add(wx, "wuXingNum" + Str(e), "filter", std::string(kElements[e]) + "个数", "tabShape", e + 1,
              {.items = k + 1,
               .begin = 0,
               .cols = k + 1,
               .explanation = "五行属" + std::string(kElements[e]) + "的号码个数。"});
    }
}

void TwoPositionPanels(const Game &g, Panels &p)
{
    const DigitGame &d = g.d;
    const int k = g.k();
    const int lo = d.lowDigit;
    const int hi = d.highDigit;
    const int he =
        p.Panel("erWeiHe", "filterListTabs", "二位和", "tabErWei", {.explanation = "两个位置上号码之和。"});
    const int cha = p.Panel("erWeiCha", "filterListTabs", "二位差", "tabErWei",
                            {.explanation = "两个位置上号码之差的绝对值。"});
    const int ma = p.Panel("erWeiMa", "filterListTabs", "二位码", "tabErWei",
                           {.explanation = "两个位置上的号码，小号在前组成的两位码。"});
    std::vector<std::string> codeList;
    for (int a = lo; a <= hi; ++a) {
        for (int b = a; b <= hi; ++b) {
            codeList.push_back(Str(a) + Str(b));
        }
    }
    const std::string codes = Join(codeList);
    int sort = 0;
    for (int i = 0; i < k; ++i) {
        for (int j = i + 1; j < k; ++j) {
            ++sort;
            const std::string label =
                g.shortNames[static_cast<std::size_t>(i)] + g.shortNames[static_cast<std::size_t>(j)];
            const std::string both =
                g.positions[static_cast<std::size_t>(i)] + "与" + g.positions[static_cast<std::size_t>(j)];
            const std::string ij = Str(i) + Str(j);
            p.Add(he, "erWeiHe" + ij, "filter", label + "和", "tabErWei", sort,
                  {.items = 2 * (hi - lo) + 1,
                   .begin = 2 * lo,
                   .cols = 10,
                   .explanation = both + "号码之和。"});
            p.Add(cha, "erWeiCha" + ij, "filter", label + "差", "tabErWei", sort,
                  {.items = hi - lo + 1, .begin = 0, .cols = 10, .explanation = both + "号码之差的绝对值。"});
            p.Add(ma, "erWeiMa" + ij, "filter", label + "码", "tabErWei", sort,
                  {.options = codes, .cols = 10, .explanation = both + "号码组成的两位码（小号在前）。"});
        }
    }
    if (d.erMa) {
        p.Panel(
            "erMa", "filter", "二码组合", "tabErWei",
            {.options = codes,
             .cols = 10,
             .explanation =
                 "任意两个号码组成的两位码（小号在前）；保留时至少含一个所选二码，排除时不含任何所选二码。"});
    }
    std::vector<std::string> countList;
    for (int c = 0; c <= k; ++c) {
        countList.push_back(Str(c));
    }
    const std::string counts = Join(countList);
    const int zdy =
        p.Panel("ziDingYi", "filterListTabs", "自定义号码组", "tabErWei",
                {.areaText = counts, .explanation = "自选一组号码，并指定一注号码中出现该组号码的个数。"});
    for (int i = 0; i < 10; ++i) {
        p.Add(zdy, "ziDingYi" + Str(i), "ball", "号码组" + std::string(kChinese[i + 1]), "tabErWei", i + 1,
              {.items = hi - lo + 1,
               .begin = lo,
               .quick = "numSelect",
               .cols = 10,
               .areaText = counts,
               .explanation = "一注号码中出现在该组的不同号码个数须为所勾选的个数之一。"});
    }
}

void MorePanels(const Game &g, Panels &p)
{
    const DigitGame &d = g.d;
    const int k = g.k();
    const int lo = d.lowDigit;
    const int hi = d.highDigit;
    const std::set<int> acs = AcValues(g.d);
    p.Panel("acValue", "filter", "AC值", "tabMore",
            {.items = *acs.rbegin() - *acs.begin() + 1,
             .begin = *acs.begin(),
             .cols = 10,
             .explanation = "任意两个号码之差的绝对值中不同值的个数减去号码个数加1。"});
    std::set<int> runs;
    ForEachMultiset(g.d, [&](const Row &row) { runs.insert(RunCode(row, k)); });
    const auto runLabel = [k](int c) -> std::string {
        const char *const threeRuns[] = {"不连", "二连", "三连"};
        return k <= 3 ? threeRuns[c] : c ? GroupLabel(c, "连") : "不连";
    };
    p.Panel("lianMa", "filter", "连号", "tabMore",
            {.options = CodeOptions(runs, runLabel), .cols = 6, .explanation = "去重排序后号码相连的情况。"});
    p.Panel("linHaoLag", "filter", "邻号最大间距", "tabMore",
            {.items = hi - lo + 1,
             .begin = 0,
             .cols = 10,
             .explanation = "按位置相邻的两个号码之差绝对值的最大值。"});
    const int tails =
        p.Panel("tails", "filterList", "尾数", "tabMore", {.explanation = "号码的尾数及同尾情况。"});
    p.Add(tails, "tail", "ball", "尾数", "tabMore", 1,
          {.items = hi - lo + 1,
           .begin = lo,
           .quick = "numSelect",
           .cols = 10,
           .explanation = "一注号码的每一个尾数都须在所选尾数之中。"});
    p.Add(tails, "sameTail", "filter", "同尾", "tabMore", 2,
          {.options = RepeatedDigitOptions(g.d, "无同尾"),
           .cols = 11,
           .explanation = "所选尾数在一注号码中出现两次或以上；无同尾指尾数各不相同。"});
    p.Add(tails, "sameTailNum", "filter", "同尾组", "tabMore", 3,
          {.options = CodeOptions(RepeatCodes(g.d), [](int c) { return GroupLabel(c, "同尾"); }),
           .cols = 6,
           .explanation = "同尾号码的组合形态。"});
    if (d.ruleOut == RuleOut::SharedDistinctDigits || d.ruleOut == RuleOut::SharedNumbers) {
        const std::string what = d.ruleOut == RuleOut::SharedDistinctDigits ? "不同号码" : "号码";
        p.Panel("ruleOutOldData", "filter", "排除历史开奖", "tabMore",
                {.items = k + 1,
                 .begin = 0,
                 .cols = k + 1,
                 .explanation = "一注中的" + what + "出现在最近某期开奖号码中的个数为所选个数时被排除。"});
    }
}

Panels PanelsOf(const Game &g)
{
    Panels p(Narrow(g.d.key), g.ids);
    // The per-position panels apply to straight play only, in a game with play types.
    Optional straight;
    for (const auto &type : g.d.playTypes) {
        if (type.straight()) {
            straight = Narrow(type.name);
        }
    }
    GlobalAndBasePanels(g, p, straight);
    BasicValuePanels(g, p);
    RatioAndPatternPanels(g, p, straight);
    ClassCountPanels(g, p);
    TwoPositionPanels(g, p);
    MorePanels(g, p);
    return p;
}

std::vector<std::string> Strings(const Json::Value &list)
{
    std::vector<std::string> out;
    for (const Json::Value &item : list) {
        out.push_back(item.asString());
    }
    return out;
}

// The game's texts, checked against its description: a name or play type the texts miss would
// make a panel without its text.
std::optional<Game> GameOf(const DigitGame &d, const Json::Value &texts, std::string &error)
{
    Game g{.d = d,
           .ids = texts["ids"].asInt(),
           .positions = Strings(texts["positions"]),
           .shortNames = Strings(texts["short"]),
           .playTexts = {},
           .labelText = texts["label"]["text"].asString(),
           .labelExample = texts["label"]["oldNumExample"].asString()};
    const auto k = static_cast<std::size_t>(d.positions);
    if (g.ids <= 0 || g.positions.size() != k || g.shortNames.size() != k) {
        error = "needs ids and a long and a short name for each of its " + Str(d.positions) + " positions";
        return std::nullopt;
    }
    for (const auto &type : d.playTypes) {
        const std::string name = Narrow(type.name);
        if (!texts["playTypes"].isMember(name)) {
            error = "names no text for the play type " + name;
            return std::nullopt;
        }
        g.playTexts[name] = texts["playTypes"][name].asString();
    }
    if (d.hasLabel() && (g.labelText.empty() || g.labelExample.empty())) {
        error = "needs the label's text and example";
        return std::nullopt;
    }
    return g;
}

// Writes the panels of every game the texts name; false, with a message, on texts that do not fit.
bool WritePanels(const char *output, const char *textsPath)
{
    std::ifstream textsFile(textsPath, std::ios::binary);
    if (!textsFile) {
        std::fprintf(stderr, "qel-digit-panels-sql: %s: cannot be read\n", textsPath);
        return false;
    }
    Json::Value texts;
    std::string parseErrors;
    if (!Json::parseFromStream(Json::CharReaderBuilder(), textsFile, &texts, &parseErrors) ||
        !texts.isObject()) {
        std::fprintf(stderr, "qel-digit-panels-sql: %s: no object of games: %s\n", textsPath,
                     parseErrors.c_str());
        return false;
    }
    std::ostringstream out;
    out << "-- Generated from the digit games' descriptions (plugins/digit/<Key>/) and their panels' texts\n"
        << "-- (seed/digit_panel_texts.json); do not edit. Column meanings: docs/settings-database.md.\n\n";
    std::set<std::string> written;
    for (const auto describe : plugins::digit::kDescriptions) {
        const DigitGame &d = describe();
        const std::string key = Narrow(d.key);
        if (!texts.isMember(key)) {
            continue; // a game with its own hand-written panels
        }
        std::string error;
        const std::optional<Game> game = GameOf(d, texts[key], error);
        if (!game) {
            std::fprintf(stderr, "qel-digit-panels-sql: %s: the game %s %s\n", textsPath, key.c_str(),
                         error.c_str());
            return false;
        }
        PanelsOf(*game).Write(out);
        written.insert(key);
    }
    for (const std::string &key : texts.getMemberNames()) {
        if (!key.starts_with('_') && !written.contains(key)) {
            std::fprintf(stderr, "qel-digit-panels-sql: %s: %s is no digit game's folder\n", textsPath,
                         key.c_str());
            return false;
        }
    }
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << out.str();
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: qel-digit-panels-sql <output.sql> <digit_panel_texts.json>\n");
        return 2;
    }
    try {
        return WritePanels(argv[1], argv[2]) ? 0 : 1;
    } catch (const Json::Exception &e) {
        // A value of the wrong kind (a list where a game's texts belong, a word for its ids).
        std::fprintf(stderr, "qel-digit-panels-sql: %s: %s\n", argv[2], e.what());
        return 1;
    }
}
