// A game run as a page drives it: the "Filter" request with its items in the page's order, sent
// to the program's filter command over the real plug-in, and the first result page it answers.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "basekit/json_util.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "filter/filter_context.h"

namespace digittest {

/// One condition item as the page sends it.
struct Item {
    std::wstring name;
    std::wstring chosen = {};
    bool canBeWrong = false;
    std::wstring unchosen = {}; ///< with calType "paiChu" when not empty
};

inline std::wstring Quoted(const std::wstring &text)
{
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        out += c == L'"' || c == L'\\' ? std::wstring{L'\\', c} : std::wstring{c};
    }
    return out + L"\"";
}

/// The request of a run: data source, old numbers (when any), play type and most failures first,
/// then the conditions.
inline std::wstring FilterRequest(const std::wstring &game, const std::wstring &castType,
                                  const std::vector<Item> &conditions, const std::wstring &oldNumbers = L"",
                                  int maxWrong = 0)
{
    std::wstring items = L"{\"name\":\"dataSource\",\"chosenItem\":" +
                         Quoted(oldNumbers.empty() ? L"dataSourceNew" : L"dataSourceOld") + L"}";
    if (!oldNumbers.empty()) {
        items += L",{\"name\":\"oldNum\",\"chosenItem\":" + Quoted(oldNumbers) + L"}";
    }
    items += L",{\"name\":\"castType\",\"chosenItem\":" + Quoted(castType) + L"}";
    items += L",{\"name\":\"maxWrong\",\"chosenItem\":" + Quoted(std::to_wstring(maxWrong)) + L"}";
    for (const Item &item : conditions) {
        items += L",{\"name\":" + Quoted(item.name) + L",\"chosenItem\":" + Quoted(item.chosen);
        if (!item.unchosen.empty()) {
            items += L",\"unchosenItem\":" + Quoted(item.unchosen) + L",\"calType\":\"paiChu\"";
        }
        items += item.canBeWrong ? L",\"canBeWrong\":\"true\"}" : L"}";
    }
    return L"{\"method\":\"Filter\",\"productName\":" + Quoted(game) + L",\"items\":[" + items + L"]}";
}

/// The numbers from..to as the page writes a choice: "1,2,3".
inline std::wstring Digits(int from, int to)
{
    std::wstring text;
    for (int v = from; v <= to; ++v) {
        text += (text.empty() ? L"" : L",") + std::to_wstring(v);
    }
    return text;
}

inline std::string Narrow(const std::wstring &text)
{
    return basekit::CStrW2CStrA(text);
}

/// A window's plug-in host bound to one game.
class GameRun : public ::testing::Test {
protected:
    explicit GameRun(std::wstring game) : game_(std::move(game)) {}

    void SetUp() override
    {
        context.SwitchPlugin(game_);
        ASSERT_NE(context.chain(), nullptr) << context.lastError();
    }

    /// One run; the first result page it answers.
    std::wstring Run(const std::wstring &castType, const std::vector<Item> &conditions,
                     const std::wstring &oldNumbers = L"", int maxWrong = 0)
    {
        page = context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(
            FilterRequest(game_, castType, conditions, oldNumbers, maxWrong)));
        return page;
    }
    calculation::AbstractFilterChain &chain() { return *context.chain(); }

    /// The rows of a list as the save text writes them, one per line.
    std::vector<std::wstring> Rows(const std::wstring &listFlag = L"0", const std::wstring &separator = L",")
    {
        std::wstring text = chain().GetResultStr(listFlag, separator, L"+", 1, 1);
        if (text.empty() || text.rfind(L"error_", 0) == 0) {
            return {};
        }
        return basekit::StrSplit(text, L"\r\n");
    }
    /// One search of the current result and the rows it must give, as the save text writes them.
    struct SearchCase {
        const wchar_t *type;
        std::vector<std::wstring> rows;
    };
    void ExpectSearches(const std::vector<SearchCase> &cases, const std::wstring &separator = L",")
    {
        for (const SearchCase &c : cases) {
            chain().SearchResult(c.type);
            EXPECT_EQ(Rows(L"1", separator), c.rows) << Narrow(c.type);
        }
    }
    /// The counts after the rows of the last page answered: ",total:..." to the end.
    std::wstring Trailer() const
    {
        std::size_t at = page.rfind(L"],total:");
        return at == std::wstring::npos ? page : page.substr(at + 2);
    }
    int Count(const wchar_t *key) const
    {
        std::wstring marker = std::wstring(L",") + key + L":";
        std::size_t at = page.rfind(marker);
        return at == std::wstring::npos ? -1 : std::stoi(page.substr(at + marker.size()));
    }

    qel::CFilterContext context{L"qel://base"};
    std::wstring page;

private:
    std::wstring game_;
};

} // namespace digittest
