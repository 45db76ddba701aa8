// A lotto game run as a page drives it: the "Filter" request through the program's filter command
// and the real plug-in (the page-shaped run of the digit tests), and what the lotto tests read of
// its answer.
#pragma once

#include <string>
#include <vector>

#include "page_run.h"

namespace lottotest {

using digittest::Digits;
using digittest::Item;
using digittest::Narrow;

class LottoRun : public digittest::GameRun {
protected:
    explicit LottoRun(const std::wstring &game) : GameRun(game), game_(game) {}

    /// One run of new numbers (or of the old numbers when given); lotto games have no play type.
    std::wstring Run(const std::vector<Item> &conditions, const std::wstring &oldNumbers = L"",
                     int maxWrong = 0)
    {
        return GameRun::Run(L"", conditions, oldNumbers, maxWrong);
    }
    /// One run whose request also carries a condition the page sends disabled ("forbidden").
    std::wstring RunWithDisabled(const std::vector<Item> &conditions, const std::wstring &name,
                                 const std::wstring &chosen)
    {
        std::wstring request = digittest::FilterRequest(game_, L"", conditions);
        request.insert(request.size() - 2, L",{\"name\":\"" + name + L"\",\"chosenItem\":\"" + chosen +
                                               L"\",\"forbidden\":\"true\"}");
        page = context.OnFilter(basekit::JsonUtil::JsonStrToJsonObj(request));
        return page;
    }
    /// The rows of the search of that type, as the save text writes them.
    std::vector<std::wstring> Search(const std::wstring &type)
    {
        chain().SearchResult(type);
        return Rows(L"1");
    }

private:
    std::wstring game_;
};

} // namespace lottotest
