// A game's history tables as the program reaches them: the chain of the game's real plug-in over
// a cache of draws of the test's choosing, asked with GetDetailedData.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "calculation/plugin_library.h"
#include "support/history_fixture.h"

namespace testsupport {

class PluginTables {
public:
    explicit PluginTables(const wchar_t *game) : game_(game)
    {
        EXPECT_TRUE(library_.Open(calculation::PluginPathForGame(game))) << library_.error();
        chain_ = library_.MakeChain();
        if (chain_) {
            chain_->SetBaseUrl(kTestBaseUrl);
        }
    }

    /// The draws as the cache holds them, oldest first, numbered 1, 2, ... and dated d1, d2, ...
    void Cache(std::initializer_list<const wchar_t *> draws)
    {
        basekit::TextMapList cache;
        int n = 0;
        for (const wchar_t *lottery : draws) {
            ++n;
            cache.push_back(Draw(std::to_wstring(n), L"d" + std::to_wstring(n), lottery));
        }
        if (chain_) {
            chain_->SetOldDataCache(cache);
        }
    }

    std::wstring Text(const std::wstring &type)
    {
        return chain_ ? chain_->GetDetailedData(game_, type) : L"";
    }
    std::vector<basekit::OrderedRow> Rows(const std::wstring &type) { return ParseListReply(Text(type)); }

    /// What the table shows as its theoretical probabilities, in its key order.
    std::vector<std::wstring> ShownRates(const std::wstring &type)
    {
        const SummaryRows summary(Rows(type));
        std::vector<std::wstring> shown;
        for (const auto &[key, value] : summary.probability) {
            if (key != L"name") {
                shown.push_back(value);
            }
        }
        return shown;
    }

private:
    std::wstring game_;
    calculation::PluginLibrary library_;
    calculation::ChainHandle chain_{nullptr, {}};
};

} // namespace testsupport
