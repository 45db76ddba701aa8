#include "dataservice/prize_handlers.h"

#include <algorithm>
#include <optional>
#include <set>

#include "basekit/json_util.h"
#include "basekit/number_text.h"
#include "basekit/string_split.h"
#include "calculation/history/history_draw.h"
#include "calculation/prize_check.h"

namespace qel {
namespace {

using basekit::JsonUtil;

// The longest lists the pages let a user pick (the largest pool is 35 front numbers).
constexpr std::size_t kMaxFrontNumbers = 35;
constexpr std::size_t kMaxBackNumbers = 16;
// Numbers a game draws: at most seven front numbers and two back numbers.
constexpr int kMaxDrawn = 10;

struct Bet {
    std::wstring front;
    std::wstring back;
    std::vector<std::wstring> frontPieces;
    std::vector<std::wstring> backPieces;
};

std::wstring Error(const std::wstring &message)
{
    return JsonUtil::Msg(L"error", message);
}

// A list of distinct numbers of at most `limit` entries; an empty text is an empty list.
bool ReadBetList(const std::wstring &text, std::size_t limit, std::vector<std::wstring> &pieces)
{
    pieces.clear();
    if (text.empty()) {
        return true;
    }
    const std::optional<std::vector<int>> numbers = calculation::ReadDrawNumbers(text);
    if (!numbers || numbers->size() > limit ||
        std::set<int>(numbers->begin(), numbers->end()).size() != numbers->size()) {
        return false;
    }
    pieces = basekit::StrSplit(text, L",");
    return true;
}

// The bet of the request, or the reason it is not one.
std::optional<Bet> ReadBet(const Json::Value &request, std::wstring &errorReply)
{
    Bet bet{JsonUtil::GetString(request, "redStr"), JsonUtil::GetString(request, "blueStr"), {}, {}};
    if (bet.front.empty() || !ReadBetList(bet.front, kMaxFrontNumbers, bet.frontPieces) ||
        !ReadBetList(bet.back, kMaxBackNumbers, bet.backPieces)) {
        errorReply = Error(L"投注号码格式不正确，请用逗号分隔不重复的号码！");
        return std::nullopt;
    }
    return bet;
}

std::wstring AnswerWithCounts(Json::Value reply, const std::vector<int> &counts)
{
    Json::Value zjZhuShu(Json::arrayValue);
    for (int count : counts) {
        zjZhuShu.append(count);
    }
    reply["zjZhuShu"] = zjZhuShu;
    return JsonUtil::ObjToJsonStr(reply);
}

std::vector<int> Check(CFilterContext &filter, const Bet &bet, const std::wstring &category,
                       const std::wstring &drawn)
{
    if (filter.chain()) {
        return filter.chain()->zjCheck(bet.front, bet.back, category, drawn);
    }
    return calculation::CheckPrizes(bet.front, bet.back, category, drawn);
}

// An integer member in [low, high]; nothing when it is missing, not an integer or outside.
std::optional<int> CountMember(const Json::Value &request, const char *key, int low, int high)
{
    constexpr int kUnread = -1000000;
    const int value = JsonUtil::GetInt(request, key, kUnread);
    if (value == kUnread || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::wstring ImaginaryDraw(const std::vector<std::wstring> &front, const std::vector<std::wstring> &back,
                           int hitFront, int hitBack, int drawFront, int drawBack, bool specialFromFront)
{
    const std::wstring filler = basekit::IntToStrW(kFillerNumber) + L",";
    std::wstring text;
    for (int i = 0; i < hitFront; ++i) {
        text += front[static_cast<std::size_t>(i)] + L",";
    }
    for (int i = hitFront; i < drawFront; ++i) {
        text += filler;
    }
    for (int i = 0; i < hitBack; ++i) {
        text += (specialFromFront ? front[static_cast<std::size_t>(hitFront) + static_cast<std::size_t>(i)]
                                  : back[static_cast<std::size_t>(i)]) +
                L",";
    }
    for (int i = hitBack; i < drawBack; ++i) {
        text += filler;
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

std::wstring OnZjCheck(DataServiceClient &service, CFilterContext &filter, const Json::Value &request)
{
    std::wstring error;
    const std::optional<Bet> bet = ReadBet(request, error);
    if (!bet) {
        return error;
    }
    std::optional<Json::Value> reply = service.SendForObject("zjCheck", request, error);
    if (!reply) {
        return error;
    }
    const std::wstring category = JsonUtil::GetString(request, "lotteryCategory");
    return AnswerWithCounts(*reply, Check(filter, *bet, category, JsonUtil::GetString(*reply, "lottery")));
}

std::wstring OnTouZhuYuSuan(DataServiceClient &service, CFilterContext &filter, const Json::Value &request)
{
    std::wstring error;
    const std::optional<Bet> bet = ReadBet(request, error);
    if (!bet) {
        return error;
    }
    const std::wstring category = JsonUtil::GetString(request, "lotteryCategory");
    // The special number of this game comes from the front pool.
    const bool specialFromFront = category.find(L"Fc7Of30") != std::wstring::npos;
    const std::optional<int> drawFront = CountMember(request, "lotNum", 1, kMaxDrawn);
    const std::optional<int> drawBack = CountMember(request, "backLotNum", 0, kMaxDrawn);
    if (!drawFront || !drawBack) {
        return Error(L"开奖号码个数不正确！");
    }
    const int frontGiven = static_cast<int>(bet->frontPieces.size());
    const std::optional<int> hitFront =
        CountMember(request, "zhongRedNum", 0, std::min(*drawFront, frontGiven));
    if (!hitFront) {
        return Error(L"红球（前区）中奖个数不能超过开奖个数和所选号码个数！");
    }
    const int backGiven =
        specialFromFront ? frontGiven - *hitFront : static_cast<int>(bet->backPieces.size());
    const std::optional<int> hitBack =
        CountMember(request, "zhongBlueNum", 0, std::min(*drawBack, backGiven));
    if (!hitBack) {
        return Error(specialFromFront ? L"特别号中奖个数不能超过开奖个数和余下的所选号码个数！"
                                      : L"蓝球（后区）中奖个数不能超过开奖个数和所选号码个数！");
    }
    std::optional<Json::Value> reply = service.SendForObject("touZhuYuSuan", request, error);
    if (!reply) {
        return error;
    }
    const std::wstring drawn = ImaginaryDraw(bet->frontPieces, bet->backPieces, *hitFront, *hitBack,
                                             *drawFront, *drawBack, specialFromFront);
    return AnswerWithCounts(*reply, Check(filter, *bet, category, drawn));
}

} // namespace qel
