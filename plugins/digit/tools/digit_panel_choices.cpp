#include "digit_panel_choices.h"

#include <algorithm>
#include <cstdlib>

namespace plugins::digit::panels {

const std::set<int> kPrimes = {1, 2, 3, 5, 7};
const char *const kChinese[11] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

std::string Str(int value)
{
    return std::to_string(value);
}

std::string Join(const std::vector<std::string> &parts, const std::string &separator)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        out += (i ? separator : "") + parts[i];
    }
    return out;
}

std::vector<int> Digits(const DigitGame &d)
{
    std::vector<int> out;
    for (int v = d.lowDigit; v <= d.highDigit; ++v) {
        out.push_back(v);
    }
    return out;
}

void ForEachMultiset(const DigitGame &d, const std::function<void(const Row &)> &visit)
{
    Row row;
    std::function<void(int)> extend = [&](int from) {
        if (static_cast<int>(row.size()) == d.positions) {
            visit(row);
            return;
        }
        for (int v = from; v <= d.highDigit; ++v) {
            row.push_back(v);
            extend(v);
            row.pop_back();
        }
    };
    extend(d.lowDigit);
}

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

std::set<int> RepeatCodes(const DigitGame &d)
{
    std::set<int> codes;
    ForEachMultiset(d, [&](const Row &row) { codes.insert(GroupCode(RepeatGroups(row))); });
    return codes;
}

std::string CodeOptions(const std::set<int> &codes, const std::function<std::string(int)> &label)
{
    std::vector<std::string> items;
    items.reserve(codes.size());
    for (int c : codes) {
        items.push_back(Str(c) + "=" + label(c));
    }
    return Join(items);
}

std::string RepeatedDigitOptions(const DigitGame &d, const std::string &none)
{
    std::string options = "-1=" + none;
    for (int v : Digits(d)) {
        options += "," + Str(v);
    }
    return options;
}

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

std::set<int> AcValues(const DigitGame &d)
{
    std::set<int> out;
    ForEachMultiset(d, [&](const Row &row) {
        std::set<int> diffs;
        for (std::size_t i = 0; i < row.size(); ++i) {
            for (std::size_t j = i + 1; j < row.size(); ++j) {
                diffs.insert(std::abs(row[i] - row[j]));
            }
        }
        out.insert(static_cast<int>(diffs.size()) - (d.positions - 1));
    });
    return out;
}

std::string RatioOptions(const DigitGame &d, int classes, const std::function<int(int)> &classify)
{
    std::set<Row> possible;
    ForEachMultiset(d, [&](const Row &row) {
        Row tally(static_cast<std::size_t>(classes), 0);
        for (int v : row) {
            ++tally[static_cast<std::size_t>(classify(v))];
        }
        possible.insert(tally);
    });
    std::vector<Row> splits;
    const int k = d.positions;
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

int SumRange(const DigitGame &d, const std::function<bool(int)> &member)
{
    int best = 0;
    for (int v : Digits(d)) {
        if (member(v)) {
            best = std::max(best, v);
        }
    }
    return best * d.positions;
}

std::string Patterns(const DigitGame &d, const std::vector<std::string> &names)
{
    const int base = static_cast<int>(names.size());
    int total = 1;
    for (int i = 0; i < d.positions; ++i) {
        total *= base;
    }
    std::vector<std::string> out;
    for (int index = 0; index < total; ++index) {
        std::string code;
        int rest = index;
        for (int i = 0; i < d.positions; ++i) {
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

} // namespace plugins::digit::panels
