#include "dataservice/service_catalogue.h"

#include <array>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"

namespace qel {
namespace {

using S = ValueSource;
constexpr bool kBare = true;

constexpr ParamKey C{"clientId", S::ClientId, nullptr};

constexpr std::array kAnalysisByCount = {ParamKey{"productName", S::Request, "productName"},
                                         ParamKey{"type", S::Request, "type"},
                                         ParamKey{"rowNumber", S::Request, "rowNumber", kBare}, C};
constexpr std::array kAnalysisByRange = {ParamKey{"productName", S::Request, "productName"},
                                         ParamKey{"type", S::Request, "type"},
                                         ParamKey{"beginQiHao", S::Request, "beginQiHao", kBare},
                                         ParamKey{"endQiHao", S::Request, "endQiHao", kBare}, C};
constexpr std::array kDanMa = {ParamKey{"lotteryCategory", S::Config, "lotteryCategory"}, C};
constexpr std::array kQiHaoList = {ParamKey{"lotCategory", S::RequestOrConfig, "lotteryCategory"}, C,
                                   ParamKey{"lastest", S::Request, "lastest", kBare}};
constexpr std::array kNewLottery = {C, ParamKey{"clientVersion", S::Config, "mainProVersion"}};
constexpr std::array kLastLottery = {ParamKey{"productName", S::Request, "productName"}, C};
constexpr std::array kLotLevel = {C, ParamKey{"lotteryCategory", S::Request, "lotteryCategory"}};
constexpr std::array kLotDetail = {ParamKey{"lotCategoryId", S::Request, "lotCategoryId"}, C,
                                   ParamKey{"qiHao", S::Request, "qiHao"}};
constexpr std::array kClientOnly = {C};
constexpr std::array kCheck = {ParamKey{"lotteryCategory", S::Request, "lotteryCategory"}, C,
                               ParamKey{"qiHao", S::Request, "qiHao"}};
constexpr std::array kArticles = {C, ParamKey{"lastestNum", S::Request, "lastestNum", kBare},
                                  ParamKey{"tab", S::Request, "tab"}};
constexpr std::array kAddOne = {C, ParamKey{"articleId", S::Request, "articleId", kBare}};
constexpr std::array kAds = {C, ParamKey{"ids", S::Request, "ids"}};
constexpr std::array kVersion = {ParamKey{"clientVersion", S::Config, "mainProVersion"}, C};
constexpr std::array kFeedback = {ParamKey{"content", S::Request, "content"},
                                  ParamKey{"type", S::Request, "type"},
                                  ParamKey{"userName", S::UserId, nullptr}, C};
constexpr std::array kConfigUpdate = {ParamKey{"canal", S::Supplied, "canal"},
                                      C,
                                      ParamKey{"clientVersion", S::Config, "mainProVersion"},
                                      ParamKey{"email", S::Supplied, "email"},
                                      ParamKey{"osVersion", S::Supplied, "osVersion"},
                                      ParamKey{"password", S::Supplied, "password"},
                                      ParamKey{"phone", S::Supplied, "phone"},
                                      ParamKey{"productName", S::Supplied, "productName"},
                                      ParamKey{"userName", S::UserId, nullptr}};
constexpr std::array kUserOnly = {C, ParamKey{"userName", S::UserId, nullptr}};
constexpr std::array kCredentials = {
    C, ParamKey{"email", S::Supplied, "email"}, ParamKey{"password", S::Supplied, "password"},
    ParamKey{"phone", S::Supplied, "phone"}, ParamKey{"userName", S::UserId, nullptr}};
constexpr std::array kChangePassword = {C,
                                        ParamKey{"email", S::Supplied, "email"},
                                        ParamKey{"newPassword", S::Supplied, "newPassword"},
                                        ParamKey{"oldPassword", S::Supplied, "oldPassword"},
                                        ParamKey{"phone", S::Supplied, "phone"},
                                        ParamKey{"userName", S::UserId, nullptr}};

using F = ParamForm;
using R = ReplyUse;
constexpr HttpVerb G = HttpVerb::Get;

const std::array<CatalogueRow, 26> kCatalogue = {{
    {"GetDataAnalysis", "byQiShu", G, "/lot/getDataAnalysis", F::Json, kAnalysisByCount, R::Processed},
    {"GetDataAnalysis", "byQiHao", G, "/lot/getDataAnalysis", F::Json, kAnalysisByRange, R::Processed},
    {"GetDataAnalysis", nullptr, G, "/lot/getDataAnalysis", F::Empty, {}, R::Processed},
    {"InstallOldDataForRuleOut", nullptr, G, "/lot/getDataAnalysis", F::Json, kAnalysisByCount, R::Processed},
    {"getDanMa", nullptr, G, "/lot/getDanMa", F::Json, kDanMa, R::Processed},
    {"GetQiHaoList", nullptr, G, "/lot/getQiHaoList", F::Json, kQiHaoList, R::PassThrough},
    {"GetNewLottery", nullptr, G, "/lot/getNewLottery", F::Json, kNewLottery, R::PassThrough},
    {"GetLastLottery", nullptr, G, "/lot/getLotteryByLotCategory", F::Json, kLastLottery, R::PassThrough},
    {"getLotLevel", nullptr, G, "/lot/getLotLevel", F::Json, kLotLevel, R::PassThrough},
    {"getLotDetailById", nullptr, G, "/lot/getLotteryByLotCategoryId", F::Json, kLotDetail, R::PassThrough},
    {"getLotCategory", nullptr, G, "/lot/getLotCategory", F::Json, kClientOnly, R::PassThrough},
    {"zjCheck", nullptr, G, "/lot/checkZj", F::Json, kCheck, R::Processed},
    {"touZhuYuSuan", nullptr, G, "/lot/checkZj", F::Json, kCheck, R::Processed},
    {"getArticles", nullptr, G, "/art/getMoreTypeArticles", F::Json, kArticles, R::PassThrough},
    {"updateReadTime", nullptr, G, "/art/addOne", F::Json, kAddOne, R::PassThrough},
    {"getForumInfo", nullptr, G, "/art/getForumInfo", F::Json, kClientOnly, R::PassThrough},
    {"getAdById", nullptr, G, "/art/getAds", F::Json, kAds, R::PassThrough},
    {"CheckNewClienVersion", nullptr, G, "/sys/checkNewClienVersion", F::Json, kVersion, R::PassThrough},
    {"Feedback", nullptr, HttpVerb::Post, "/sys/feedback", F::Json, kFeedback, R::Processed},
    {"", nullptr, G, "/sys/checkConfigUpdate", F::MapReply, kConfigUpdate, R::Processed},
    {"getCastWebsite", nullptr, G, "/sys/getCastWebsite", F::MapReply, kClientOnly, R::PassThrough},
    {"getUserInfo", nullptr, G, "/sys/getUserInfo", F::MapReply, kCredentials, R::Processed},
    {"getTextAdForCastWin", nullptr, G, "/sys/getTextAdForCastWin", F::MapReply, kUserOnly, R::PassThrough},
    {"getVideoUrl", nullptr, G, "/sys/getVideoUrl", F::MapReply, kUserOnly, R::PassThrough},
    {"logIn", nullptr, G, "/sys/logIn", F::MapReply, kCredentials, R::Processed},
    {"changePassword", nullptr, G, "/sys/changePassword", F::MapReply, kChangePassword, R::Processed},
}};

} // namespace

std::span<const CatalogueRow> ServiceCatalogue()
{
    return kCatalogue;
}

const CatalogueRow *FindServiceRequest(std::string_view method, const Json::Value &request)
{
    const std::wstring type = basekit::JsonUtil::GetString(request, "type");
    for (const CatalogueRow &row : kCatalogue) {
        if (method == row.method && (!row.type || type == basekit::CStrA2CStrW(row.type))) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace qel
