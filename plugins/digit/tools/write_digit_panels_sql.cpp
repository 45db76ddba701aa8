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

namespace {

using plugins::digit::DigitGame;
using plugins::digit::RowValue;
using plugins::digit::RuleOut;
using Row = std::vector<int>;
using Optional = std::optional<std::string>;
using Number = std::optional<int>;

const std::set<int> kPrimes = {1, 2, 3, 5, 7};                  // the prime digits of the class rules
const char *const kElements[] = {"金", "木", "水", "火", "土"}; // a digit's element is digit % 5
const char *const kChinese[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

std::string Narrow(const std::wstring &text)
{
    return basekit::CStrW2CStrA(text);
}
std::string Str(int value)
{
    return std::to_string(value);
}

std::string Join(const std::vector<std::string> &parts, const std::string &separator = ",")
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        out += (i ? separator : "") + parts[i];
    }
    return out;
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
    std::vector<int> Digits() const
    {
        std::vector<int> out;
        for (int v = d.lowDigit; v <= d.highDigit; ++v) {
            out.push_back(v);
        }
        return out;
    }
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

// Every multiset of the game's digits of its positions, digits ascending.
void ForEachMultiset(const Game &g, const std::function<void(const Row &)> &visit)
{
    Row row;
    std::function<void(int)> extend = [&](int from) {
        if (static_cast<int>(row.size()) == g.k()) {
            visit(row);
            return;
        }
        for (int v = from; v <= g.d.highDigit; ++v) {
            row.push_back(v);
            extend(v);
            row.pop_back();
        }
    };
    extend(g.d.lowDigit);
}

// The group code of groups of these sizes (2 and more): per size ascending, count then size.
int GroupCode(const std::vector<int> &sizes)
{
    std::string code;
    for (int size : std::set<int>(sizes.begin(), sizes.end())) {
        if (size >= 2) {
            code += Str(static_cast<int>(std::ranges::count(sizes, size))) + Str(size);
        }
    }
    return code.empty() ? 0 : std::stoi(code);
}

// "二同号", "两组二同号", "二同号+三同号" for the codes 12, 22, 1213 ("无" for 0).
std::string GroupLabel(int code, const std::string &word)
{
    if (code == 0) {
        return "无";
    }
    const std::string text = Str(code);
    std::vector<std::string> parts;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int count = text[i] - '0';
        const int size = text[i + 1] - '0';
        parts.push_back(std::string(count == 2 ? "两组" : count == 3 ? "三组" : "") + kChinese[size] + word);
    }
    return Join(parts, "+");
}

std::vector<int> RepeatGroups(const Row &row)
{
    std::vector<int> sizes;
    for (int v : std::set<int>(row.begin(), row.end())) {
        sizes.push_back(static_cast<int>(std::ranges::count(row, v)));
    }
    return sizes;
}

// The group codes of the repeated digits the rows of the game give.
std::set<int> RepeatCodes(const Game &g)
{
    std::set<int> codes;
    ForEachMultiset(g, [&](const Row &row) { codes.insert(GroupCode(RepeatGroups(row))); });
    return codes;
}

// The choices "code=label" of the codes.
std::string CodeOptions(const std::set<int> &codes, const std::function<std::string(int)> &label)
{
    std::vector<std::string> items;
    items.reserve(codes.size());
    for (int c : codes) {
        items.push_back(Str(c) + "=" + label(c));
    }
    return Join(items);
}

// The choices of a repeated digit: none ("-1") or one of the game's digits.
std::string RepeatedDigitOptions(const Game &g, const std::string &none)
{
    std::string options = "-1=" + none;
    for (int v : g.Digits()) {
        options += "," + Str(v);
    }
    return options;
}

// The consecutive-digit value of a row: steps of one among its distinct digits (three positions),
// else the group code of its runs of two or more.
int RunCode(const Row &row, int k)
{
    const std::set<int> distinct(row.begin(), row.end());
    const std::vector<int> values(distinct.begin(), distinct.end());
    if (k <= 3) {
        int steps = 0;
        for (std::size_t i = 1; i < values.size(); ++i) {
            steps += values[i] == values[i - 1] + 1 ? 1 : 0;
        }
        return steps;
    }
    std::vector<int> runs;
    int length = 1;
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] == values[i - 1] + 1) {
            ++length;
        } else {
            runs.push_back(length);
            length = 1;
        }
    }
    runs.push_back(length);
    return GroupCode(runs);
}

std::set<int> AcValues(const Game &g)
{
    std::set<int> out;
    ForEachMultiset(g, [&](const Row &row) {
        std::set<int> diffs;
        for (std::size_t i = 0; i < row.size(); ++i) {
            for (std::size_t j = i + 1; j < row.size(); ++j) {
                diffs.insert(std::abs(row[i] - row[j]));
            }
        }
        out.insert(static_cast<int>(diffs.size()) - (g.k() - 1));
    });
    return out;
}

// Choices "code=a:b[:c]" of the splits of the positions into the classes that a row can give.
std::string RatioOptions(const Game &g, int classes, const std::function<int(int)> &classify)
{
    std::set<Row> possible;
    ForEachMultiset(g, [&](const Row &row) {
        Row tally(static_cast<std::size_t>(classes), 0);
        for (int v : row) {
            ++tally[static_cast<std::size_t>(classify(v))];
        }
        possible.insert(tally);
    });
    std::vector<Row> splits;
    const int k = g.k();
    for (int a = k; a >= 0; --a) {
        if (classes == 2) {
            splits.push_back({a, k - a});
            continue;
        }
        for (int b = k - a; b >= 0; --b) {
            splits.push_back({a, b, k - a - b});
        }
    }
    std::vector<std::string> items;
    for (const Row &split : splits) {
        if (possible.contains(split)) {
            std::string code;
            std::vector<std::string> counts;
            for (int x : split) {
                code += Str(x);
                counts.push_back(Str(x));
            }
            items.push_back(code + "=" + Join(counts, ":"));
        }
    }
    return Join(items);
}

int SumRange(const Game &g, const std::function<bool(int)> &member)
{
    int best = 0;
    for (int v : g.Digits()) {
        if (member(v)) {
            best = std::max(best, v);
        }
    }
    return best * g.k();
}

// Every pattern of the positions over the classes, first position first; classes of two are
// named ("0101=小大小大").
std::string Patterns(const Game &g, const std::vector<std::string> &names)
{
    const int base = static_cast<int>(names.size());
    int total = 1;
    for (int i = 0; i < g.k(); ++i) {
        total *= base;
    }
    std::vector<std::string> out;
    for (int index = 0; index < total; ++index) {
        std::string code;
        int rest = index;
        for (int i = 0; i < g.k(); ++i) {
            code.insert(0, Str(rest % base));
            rest /= base;
        }
        if (base == 2) {
            std::string named;
            for (char c : code) {
                named += names[static_cast<std::size_t>(c - '0')];
            }
            code += "=" + named;
        }
        out.push_back(code);
    }
    return Join(out);
}

struct Fields {
    Number items = {};
    Number begin = {};
    Optional options = {};
    std::string cal = "baoLiu";
    Optional quick = {};
    Number random = {};
    Number cols = {};
    Optional areaText = {};
    Optional cls = {};
    int use = 1;
    Optional explanation = {};
    Optional example = {};
};

std::string Sql(const Optional &value)
{
    if (!value) {
        return "NULL";
    }
    std::string out = "'";
    for (char c : *value) {
        out += c == '\'' ? "''" : std::string(1, c);
    }
    return out + "'";
}
std::string Sql(const Number &value)
{
    return value ? Str(*value) : "NULL";
}

// Collects the rows of one game: panels get ids from its base, conditions from base + 100.
class Panels {
public:
    explicit Panels(const Game &g) : g_(g), panelId_(g.ids), itemId_(g.ids + 100) {}

    int Add(Number parent, const std::string &name, const std::string &type, const std::string &text,
            const std::string &tab, int sort, const Fields &f)
    {
        const int id = parent ? ++itemId_ : ++panelId_;
        rows_.push_back("    (" +
                        Join({Str(id),
                              Sql(parent),
                              Sql(Narrow(g_.d.key)),
                              Sql(name),
                              Sql(type),
                              Sql(text),
                              Sql(tab),
                              Str(sort),
                              Sql(f.items),
                              Sql(f.begin),
                              Sql(f.options),
                              Sql(f.cal),
                              Sql(f.quick),
                              Sql(f.random),
                              Sql(f.cols),
                              Sql(f.areaText),
                              Sql(f.cls),
                              Str(f.use),
                              Sql(f.explanation),
                              Sql(f.example)},
                             ", ") +
                        ")");
        return id;
    }
    int Panel(const std::string &name, const std::string &type, const std::string &text,
              const std::string &tab, const Fields &f)
    {
        return Add(std::nullopt, name, type, text, tab, ++sort_, f);
    }

    void Write(std::ostream &out) const
    {
        const std::string key = Narrow(g_.d.key);
        out << "-- Condition panels of the digit game \"" << key << "\".\n"
            << "INSERT INTO base_config (id, parentId, productName, moduleName, type, moduleText, tabIndex, "
               "sort, "
               "itemsNumber, optionBegin, options, calType, quickSelect, randomMaxNum, colNum, areaText, "
               "classification, use, explanation, example) VALUES\n"
            << Join(rows_, ",\n") << ";\n"
            << "UPDATE base_config SET ballPanelCss = 'ballPanel', bgSuffixForXp = '_xp' WHERE productName = "
               "'"
            << key << "' AND type = 'ball';\n"
            << "UPDATE base_config SET titleCss = 'componentTitle' WHERE productName = '" << key
            << "' AND parentId IS NULL;\n"
            << "UPDATE base_config SET titleCss = 'itemTitle' WHERE productName = '" << key
            << "' AND parentId IS NOT NULL;\n"
            << "UPDATE base_config SET css = 'component-' || type WHERE productName = '" << key << "';\n"
            << "UPDATE base_config SET remarks = "
               "'勾选“容错”后，不满足该条件的号码计入容错数，不超过最大容错数时保留。'\n"
            << "    WHERE productName = '" << key << "' AND use = 1;\n\n";
    }

private:
    const Game &g_;
    int panelId_;
    int itemId_;
    int sort_ = 0;
    std::vector<std::string> rows_;
};

void GlobalAndBasePanels(const Game &g, Panels &p, const Optional &straight)
{
    const DigitGame &d = g.d;
    const int n = static_cast<int>(g.Digits().size());
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
                {.options = RepeatedDigitOptions(g, "无重码"),
                 .cols = 11,
                 .explanation = chongMaPrimary && k > 3
                                    ? "前三位中重复出现的号码；无重码指前三位各不相同。"
                                    : "一注号码中重复出现的号码；无重码指各号码均不相同。"});
    }
    if (d.repeatTests) {
        p.Panel("chongMaNum", "filter", "重号形态", "tabBase",
                {.options = CodeOptions(RepeatCodes(g), [](int c) { return GroupLabel(c, "同号"); }),
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
          {.options = RatioOptions(g, 2, [&](int v) { return v >= big ? 0 : 1; }),
           .cols = 4,
           .explanation = "大号（" + Str(big) + "～" + Str(d.highDigit) + "）与小号（" + Str(d.lowDigit) +
                          "～" + Str(big - 1) + "）的个数之比。"});
    p.Add(rates, "oddEvenRate", "filter", "奇偶比", "tabShape", 2,
          {.options = RatioOptions(g, 2, [](int v) { return 1 - v % 2; }),
           .cols = 4,
           .explanation = "奇数与偶数的个数之比。"});
    p.Add(rates, "zhiHeRate", "filter", "质合比", "tabShape", 3,
          {.options = RatioOptions(g, 2, [](int v) { return kPrimes.contains(v) ? 0 : 1; }),
           .cols = 4,
           .explanation = "质数（1、2、3、5、7）与合数的个数之比。"});
    p.Add(rates, "luShuRate", "filter", "012路比", "tabShape", 4,
          {.options = RatioOptions(g, 3, [](int v) { return v % 3; }),
           .cols = 5,
           .explanation = "除以3余0、余1、余2的号码个数之比。"});
    p.Add(rates, "threeAreaRate", "filter", "三区比", "tabShape", 5,
          {.options = RatioOptions(g, 3, [&](int v) { return g.Area(v); }),
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
              {.options = Patterns(g, s.classes),
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
              {.items = SumRange(g, s.member) + 1,
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
    const std::set<int> acs = AcValues(g);
    p.Panel("acValue", "filter", "AC值", "tabMore",
            {.items = *acs.rbegin() - *acs.begin() + 1,
             .begin = *acs.begin(),
             .cols = 10,
             .explanation = "任意两个号码之差的绝对值中不同值的个数减去号码个数加1。"});
    std::set<int> runs;
    ForEachMultiset(g, [&](const Row &row) { runs.insert(RunCode(row, k)); });
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
          {.options = RepeatedDigitOptions(g, "无同尾"),
           .cols = 11,
           .explanation = "所选尾数在一注号码中出现两次或以上；无同尾指尾数各不相同。"});
    p.Add(tails, "sameTailNum", "filter", "同尾组", "tabMore", 3,
          {.options = CodeOptions(RepeatCodes(g), [](int c) { return GroupLabel(c, "同尾"); }),
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
    Panels p(g);
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
