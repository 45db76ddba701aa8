#include "standin_server.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <sstream>
#include <stdexcept>

#include <httplib.h>
#include <json/json.h>

namespace qel::standin {
namespace {

constexpr const char *kHost = "127.0.0.1";
constexpr int kDanMaDraws = 30;
constexpr int kMaxDraws = 500;

// One game's sample draws, oldest first.
struct Game {
    std::string key;
    std::string category; // key + "_" + flag
    std::string id;
    std::string cnName;
    std::string notice;
    std::vector<Json::Value> draws;
    std::vector<Json::Value> fixtureDraws; // what a reset brings back
};

Json::Value ReadJsonFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    Json::Value value;
    Json::CharReaderBuilder builder;
    std::string errors;
    if (!in || !Json::parseFromStream(builder, in, &value, &errors)) {
        throw std::runtime_error("cannot read " + file.string() + ": " + errors);
    }
    return value;
}

std::string Write(const Json::Value &value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value);
}

// The object literal with bare keys as JSON text: every key that stands outside a string right
// after "{" or "," is put in quotes.
std::string QuoteBareKeys(const std::string &text)
{
    std::string out;
    bool inString = false;
    char before = '\0'; // the last character outside strings that is not a blank
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            out.push_back(c);
            if (c == '\\' && i + 1 < text.size()) {
                out.push_back(text[++i]);
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        const bool startsKey = std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$';
        if (startsKey && (before == '{' || before == ',')) {
            std::size_t end = i;
            while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) ||
                                         text[end] == '_' || text[end] == '$')) {
                ++end;
            }
            out += '"' + text.substr(i, end - i) + '"';
            i = end - 1;
            before = 'k';
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            before = c;
        }
        out.push_back(c);
    }
    return out;
}

} // namespace

Json::Value ParseParam(const std::string &text)
{
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    for (const std::string &candidate : {text, QuoteBareKeys(text)}) {
        Json::Value value;
        std::string errors;
        if (reader->parse(candidate.data(), candidate.data() + candidate.size(), &value, &errors) &&
            value.isObject()) {
            return value;
        }
    }
    return Json::Value(Json::objectValue);
}

namespace {

// A member as an int, whether the client wrote it bare or quoted.
int IntOf(const Json::Value &param, const char *key, int fallback)
{
    const Json::Value &v = param[key];
    if (v.isInt()) {
        return v.asInt();
    }
    if (v.isString()) {
        try {
            return std::stoi(v.asString());
        } catch (const std::exception &) {
            return fallback;
        }
    }
    return fallback;
}

std::string TextOf(const Json::Value &param, const char *key)
{
    return param[key].isString() ? param[key].asString() : std::string();
}

// Compares dotted versions part by part as numbers ("1.10" is newer than "1.9").
bool IsNewer(const std::string &candidate, const std::string &current)
{
    std::istringstream a(candidate);
    std::istringstream b(current);
    std::string x;
    std::string y;
    while (true) {
        const bool moreA = static_cast<bool>(std::getline(a, x, '.'));
        const bool moreB = static_cast<bool>(std::getline(b, y, '.'));
        if (!moreA && !moreB) {
            return false;
        }
        const long left = moreA ? std::strtol(x.c_str(), nullptr, 10) : 0;
        const long right = moreB ? std::strtol(y.c_str(), nullptr, 10) : 0;
        if (left != right) {
            return left > right;
        }
    }
}

// The sample users, the announced version and the settings of the configuration update: what
// the account paths answer from and change.
struct Accounts {
    Json::Value users = Json::Value(Json::arrayValue);
    std::string newestVersion;
    // Addresses the version check's download and the video menu announce instead of their own
    // ("" for those): a test tells the stand-in to hand out a hostile one.
    std::string downloadUrl;
    std::string videoUrl;
    Json::Value configUpdate = Json::Value(Json::objectValue);

    // The user a request names: by phone number when it has one, else by e-mail address.
    Json::Value *Find(const Json::Value &param)
    {
        const std::string phone = TextOf(param, "phone");
        const std::string email = TextOf(param, "email");
        for (Json::Value &user : users) {
            if ((!phone.empty() && user["phone"].asString() == phone) ||
                (phone.empty() && !email.empty() && user["email"].asString() == email)) {
                return &user;
            }
        }
        return nullptr;
    }
};

// What the service tells about a user: everything but the password.
Json::Value UserInfo(const Json::Value &user)
{
    Json::Value info = user;
    info.removeMember("password");
    return info;
}

} // namespace

std::optional<Failure> FailureNamed(const std::string &name)
{
    static const std::map<std::string, Failure> kNames = {
        {"none", Failure::None},       {"404", Failure::NotFound},    {"500", Failure::ServerError},
        {"stall", Failure::Stall},     {"close", Failure::Close},     {"error", Failure::ErrorBody},
        {"nonjson", Failure::NotJson}, {"array", Failure::JsonArray}, {"empty", Failure::Empty},
    };
    auto it = kNames.find(name);
    return it == kNames.end() ? std::nullopt : std::optional<Failure>(it->second);
}

struct StandinServer::Impl {
    httplib::Server server;
    std::vector<Game> games;
    Json::Value levels;
    mutable std::mutex mutex;
    std::shared_mutex drawsMutex;    // answers read the draws, a replacement writes them
    std::condition_variable stopped; // a stall ends: the server stops or the path's failure changed
    bool stopping = false;
    std::map<std::string, Failure> failures;
    std::map<std::string, std::string> replies; // a path's body in place of its own reply
    std::vector<ReceivedRequest> received;
    Json::Value accountFixture;
    mutable Accounts accounts; // under mutex; the answers change it
    int port = 0;
    using Answer = std::function<Json::Value(const Json::Value &param)>;

    const Game *FindGame(const std::string &name) const
    {
        for (const Game &game : games) {
            if (name == game.key || name == game.category || name == game.id) {
                return &game;
            }
        }
        return nullptr;
    }

    Json::Value DrawOf(const Game &game, const Json::Value &draw) const
    {
        Json::Value item = draw;
        item["lotCategoryId"] = game.id;
        item["lotteryCategory"] = game.category;
        item["productCnName"] = game.cnName;
        return item;
    }

    Json::Value Items(const Game *game, std::size_t first, std::size_t last) const
    {
        Json::Value reply;
        reply["flag"] = game ? "ok" : "error";
        reply["notice"] = game ? game->notice : "没有该彩种的数据";
        reply["items"] = Json::Value(Json::arrayValue);
        if (game) {
            for (std::size_t i = first; i < last && i < game->draws.size(); ++i) {
                reply["items"].append(DrawOf(*game, game->draws[i]));
            }
        }
        reply["size"] = reply["items"].size();
        return reply;
    }

    // The newest count draws, oldest first.
    Json::Value Newest(const Game *game, int count) const
    {
        const std::size_t total = game ? game->draws.size() : 0;
        // The service's cap, or all of a list of more draws that a test put in its place.
        const int most = std::max(kMaxDraws, static_cast<int>(std::min<std::size_t>(total, INT_MAX)));
        const std::size_t n = static_cast<std::size_t>(std::clamp(count, 0, most));
        return Items(game, total - std::min(n, total), total);
    }

    const Json::Value *DrawNumbered(const Game &game, const std::string &qiHao) const
    {
        for (const Json::Value &draw : game.draws) {
            if (draw["qiHao"].asString() == qiHao) {
                return &draw;
            }
        }
        return nullptr;
    }

    std::map<std::string, Answer> Answers() const
    {
        std::map<std::string, Answer> a;
        a["/lot/getDataAnalysis"] = [this](const Json::Value &p) {
            const Game *game = FindGame(TextOf(p, "productName"));
            if (TextOf(p, "type") == "byQiHao" && game) {
                const int begin = IntOf(p, "beginQiHao", 0);
                const int end = IntOf(p, "endQiHao", 0);
                Json::Value reply = Items(game, 0, 0);
                for (const Json::Value &draw : game->draws) {
                    const int number = std::stoi(draw["qiHao"].asString());
                    if (number >= begin && number <= end) {
                        reply["items"].append(DrawOf(*game, draw));
                    }
                }
                reply["size"] = reply["items"].size();
                return reply;
            }
            return Newest(game, IntOf(p, "rowNumber", 0));
        };
        a["/lot/getDanMa"] = [this](const Json::Value &p) {
            return Newest(FindGame(TextOf(p, "lotteryCategory")), kDanMaDraws);
        };
        a["/lot/getQiHaoList"] = [this](const Json::Value &p) {
            const Game *game = FindGame(TextOf(p, "lotCategory"));
            Json::Value reply = Newest(game, IntOf(p, "lastest", 30));
            Json::Value list(Json::arrayValue);
            for (Json::ArrayIndex i = reply["items"].size(); i-- > 0;) {
                Json::Value entry;
                entry["text"] = reply["items"][i]["qiHao"];
                entry["value"] = reply["items"][i]["qiHao"];
                list.append(entry);
            }
            reply["items"] = list;
            return reply;
        };
        a["/lot/getNewLottery"] = [this](const Json::Value &) {
            Json::Value reply = Items(nullptr, 0, 0);
            reply["flag"] = "ok";
            reply["notice"] = "样例数据，非真实开奖结果";
            for (const Game &game : games) {
                reply["items"].append(DrawOf(game, game.draws.back()));
            }
            reply["size"] = reply["items"].size();
            return reply;
        };
        a["/lot/getLotteryByLotCategory"] = [this](const Json::Value &p) {
            return Newest(FindGame(TextOf(p, "productName")), 1);
        };
        a["/lot/getLotLevel"] = [this](const Json::Value &p) {
            const Game *game = FindGame(TextOf(p, "lotteryCategory"));
            Json::Value reply = Items(game, 0, 0);
            if (game) {
                reply["items"] = levels.get(game->category, Json::Value(Json::arrayValue));
            }
            reply["size"] = reply["items"].size();
            return reply;
        };
        a["/lot/getLotteryByLotCategoryId"] = [this](const Json::Value &p) {
            const Game *game = FindGame(TextOf(p, "lotCategoryId"));
            const Json::Value *draw = game ? DrawNumbered(*game, TextOf(p, "qiHao")) : nullptr;
            Json::Value reply = Items(draw ? game : nullptr, 0, 0);
            if (draw) {
                Json::Value item = DrawOf(*game, *draw);
                item["levels"] = levels.get(game->category, Json::Value(Json::arrayValue));
                reply["items"].append(item);
            } else {
                reply["notice"] = "没有该期开奖数据";
            }
            reply["size"] = reply["items"].size();
            return reply;
        };
        a["/lot/getLotCategory"] = [this](const Json::Value &) {
            Json::Value reply = Items(nullptr, 0, 0);
            reply["flag"] = "ok";
            reply["notice"] = "样例数据";
            for (const Game &game : games) {
                Json::Value entry;
                entry["lotCategoryId"] = game.id;
                entry["lotteryCategory"] = game.category;
                entry["productCnName"] = game.cnName;
                reply["items"].append(entry);
            }
            reply["size"] = reply["items"].size();
            return reply;
        };
        a["/lot/checkZj"] = [this](const Json::Value &p) {
            const Game *game = FindGame(TextOf(p, "lotteryCategory"));
            const Json::Value *draw = game ? DrawNumbered(*game, TextOf(p, "qiHao")) : nullptr;
            if (!draw) {
                Json::Value reply;
                reply["flag"] = "error";
                reply["msg"] = "没有该期开奖数据";
                return reply;
            }
            Json::Value reply = DrawOf(*game, *draw);
            reply["flag"] = "ok";
            reply["notice"] = game->notice;
            return reply;
        };
        a["/art/getMoreTypeArticles"] = [](const Json::Value &p) {
            Json::Value reply;
            reply["flag"] = "ok";
            reply["items"] = Json::Value(Json::arrayValue);
            const int count = std::clamp(IntOf(p, "lastestNum", 5), 0, 20);
            for (int i = 1; i <= count; ++i) {
                Json::Value article;
                article["id"] = std::to_string(i);
                article["tab"] = TextOf(p, "tab");
                article["title"] = "样例文章 " + std::to_string(i);
                article["readTimes"] = "0";
                reply["items"].append(article);
            }
            return reply;
        };
        a["/art/addOne"] = [](const Json::Value &) { return Flag("ok", "已记录"); };
        a["/art/getForumInfo"] = [](const Json::Value &) {
            Json::Value reply = Flag("ok", "样例论坛");
            reply["forumUrl"] = "";
            return reply;
        };
        a["/art/getAds"] = [](const Json::Value &) {
            Json::Value reply = Flag("ok", "");
            reply["items"] = Json::Value(Json::arrayValue);
            return reply;
        };
        a["/sys/checkNewClienVersion"] = [this](const Json::Value &p) {
            std::lock_guard<std::mutex> lock(mutex);
            const std::string newest = accounts.newestVersion;
            if (!IsNewer(newest, TextOf(p, "clientVersion"))) {
                return Flag("noNewVersion", "当前版本已是最新版本！");
            }
            Json::Value reply = Flag("newVersion", "发现新版本");
            reply["version"] = newest;
            reply["downloadUrl"] = !accounts.downloadUrl.empty()
                                       ? accounts.downloadUrl
                                       : std::string("http://") + kHost + ":" + std::to_string(port) +
                                             "/download/varnel-" + newest + ".tar.gz";
            return reply;
        };
        a["/sys/feedback"] = [](const Json::Value &p) {
            return TextOf(p, "content").empty() ? Flag("error", "反馈内容不能为空！")
                                                : Flag("ok", "反馈成功！");
        };
        a["/sys/checkConfigUpdate"] = [this](const Json::Value &) {
            std::lock_guard<std::mutex> lock(mutex);
            Json::Value reply;
            reply["openUpdate"] = accounts.configUpdate.empty() ? "0" : "1";
            if (!accounts.configUpdate.empty()) {
                reply["systemConfigs"].append(accounts.configUpdate);
            }
            return reply;
        };
        a["/sys/getCastWebsite"] = [](const Json::Value &) {
            Json::Value reply = Flag("ok", "");
            reply["items"] = Json::Value(Json::arrayValue);
            Json::Value site;
            site["name"] = "样例投注网站";
            site["url"] = "";
            reply["items"].append(site);
            return reply;
        };
        a["/sys/getUserInfo"] = [this](const Json::Value &p) {
            std::lock_guard<std::mutex> lock(mutex);
            const Json::Value *user = accounts.Find(p);
            if (!user || (*user)["password"].asString() != TextOf(p, "password")) {
                return Flag("no_user", "没有该用户");
            }
            Json::Value reply = Flag("ok", "");
            reply["items"].append(UserInfo(*user));
            return reply;
        };
        a["/sys/getTextAdForCastWin"] = [](const Json::Value &) {
            Json::Value reply = Flag("ok", "");
            reply["items"] = Json::Value(Json::arrayValue);
            return reply;
        };
        a["/sys/getVideoUrl"] = [this](const Json::Value &) {
            std::lock_guard<std::mutex> lock(mutex);
            if (accounts.videoUrl.empty()) {
                return Flag("error", "暂无视频");
            }
            Json::Value reply = Flag("ok", "");
            reply["videoUrl"] = accounts.videoUrl;
            return reply;
        };
        a["/sys/logIn"] = [this](const Json::Value &p) {
            std::lock_guard<std::mutex> lock(mutex);
            const Json::Value *user = accounts.Find(p);
            if (!user) {
                return Flag("no_user", "该用户不存在！");
            }
            if ((*user)["password"].asString() != TextOf(p, "password")) {
                return Flag("error", "密码错误！");
            }
            Json::Value reply = Flag("ok", "登录成功！");
            reply["items"].append(UserInfo(*user));
            return reply;
        };
        a["/sys/changePassword"] = [this](const Json::Value &p) {
            std::lock_guard<std::mutex> lock(mutex);
            Json::Value *user = accounts.Find(p);
            if (!user) {
                return Flag("no_user", "该用户不存在！");
            }
            if ((*user)["password"].asString() != TextOf(p, "oldPassword")) {
                return Flag("error", "原密码错误！");
            }
            if (TextOf(p, "newPassword").empty()) {
                return Flag("error", "新密码不能为空！");
            }
            (*user)["password"] = TextOf(p, "newPassword");
            return Flag("ok", "密码修改成功！");
        };
        return a;
    }

    static Json::Value Flag(const char *flag, const char *msg)
    {
        Json::Value reply;
        reply["flag"] = flag;
        reply["msg"] = msg;
        return reply;
    }

    // Records the request; answers it with its path's failure or the reply it was given, when
    // it has one.
    bool FailOrRecord(const httplib::Request &request, httplib::Response &response)
    {
        Failure failure = Failure::None;
        std::optional<std::string> given;
        {
            std::lock_guard<std::mutex> lock(mutex);
            received.push_back({request.method, request.path,
                                request.has_param("param") ? request.get_param_value("param") : std::string(),
                                request.method == "POST" ? request.body : std::string()});
            auto it = failures.find(request.path);
            if (it != failures.end()) {
                failure = it->second;
            }
            auto reply = replies.find(request.path);
            if (reply != replies.end()) {
                given = reply->second;
            }
        }
        switch (failure) {
        case Failure::None:
            if (given) {
                response.set_content(*given, "text/plain; charset=utf-8");
            }
            return given.has_value();
        case Failure::NotFound:
            response.status = 404;
            break;
        case Failure::ServerError:
            response.status = 500;
            break;
        case Failure::Stall: {
            // Until the server stops or the path is told otherwise, a minute at the most.
            std::unique_lock<std::mutex> lock(mutex);
            stopped.wait_for(lock, std::chrono::seconds(60), [this, &request] {
                auto it = failures.find(request.path);
                return stopping || it == failures.end() || it->second != Failure::Stall;
            });
            response.status = 503;
            break;
        }
        case Failure::Close:
            response.set_chunked_content_provider("text/plain",
                                                  [](std::size_t, httplib::DataSink &) { return false; });
            break;
        case Failure::ErrorBody:
            response.set_content("error=错误代码：500", "text/plain; charset=utf-8");
            break;
        case Failure::NotJson:
            response.set_content("<html>not a reply</html>", "text/plain; charset=utf-8");
            break;
        case Failure::JsonArray:
            response.set_content("[1,2,3]", "text/plain; charset=utf-8");
            break;
        case Failure::Empty:
            response.set_content("", "text/plain; charset=utf-8");
            break;
        }
        return true;
    }

    void Routes()
    {
        for (auto &[path, answer] : Answers()) {
            auto handler = [this, answer = answer](const httplib::Request &request,
                                                   httplib::Response &response) {
                if (FailOrRecord(request, response)) {
                    return;
                }
                const std::string param = request.has_param("param") ? request.get_param_value("param") : "";
                const std::shared_lock<std::shared_mutex> drawsLock(drawsMutex);
                response.set_content(Write(answer(ParseParam(param))), "text/plain; charset=utf-8");
            };
            server.Get(path, handler);
            server.Post(path, handler);
        }
        server.Get("/standin/received", [this](const httplib::Request &, httplib::Response &response) {
            Json::Value list(Json::arrayValue);
            for (const ReceivedRequest &r : Received()) {
                Json::Value entry;
                entry["verb"] = r.verb;
                entry["path"] = r.path;
                entry["param"] = r.param;
                entry["body"] = r.body;
                list.append(entry);
            }
            response.set_content(Write(list), "application/json");
        });
        server.Post("/standin/fail", [this](const httplib::Request &request, httplib::Response &response) {
            std::optional<Failure> failure = FailureNamed(request.get_param_value("mode"));
            if (!failure || request.get_param_value("path").empty()) {
                response.status = 400;
                return;
            }
            SetFailure(request.get_param_value("path"), *failure);
        });
        server.Post("/standin/reply", [this](const httplib::Request &request, httplib::Response &response) {
            if (request.get_param_value("path").empty()) {
                response.status = 400;
                return;
            }
            SetReply(request.get_param_value("path"),
                     request.body.empty() ? std::nullopt : std::optional<std::string>(request.body));
        });
        server.Post("/standin/newest-version", [this](const httplib::Request &request, httplib::Response &) {
            SetNewestVersion(request.get_param_value("version"));
        });
        server.Post("/standin/config-update",
                    [this](const httplib::Request &request, httplib::Response &response) {
                        if (request.get_param_value("name").empty()) {
                            response.status = 400;
                            return;
                        }
                        AddConfigUpdate(request.get_param_value("name"), request.get_param_value("value"));
                    });
        server.Post(
            "/standin/announce", [this](const httplib::Request &request, httplib::Response &response) {
                if (!AnnounceAddress(request.get_param_value("what"), request.get_param_value("address"))) {
                    response.status = 400;
                }
            });
        server.Post("/standin/draws", [this](const httplib::Request &request, httplib::Response &response) {
            Json::Value draws;
            Json::CharReaderBuilder builder;
            std::string errors;
            std::istringstream body(request.body);
            if (!Json::parseFromStream(builder, body, &draws, &errors) || !draws.isArray() ||
                !SetDraws(request.get_param_value("game"), {draws.begin(), draws.end()})) {
                response.status = 400;
            }
        });
        server.Post("/standin/reset", [this](const httplib::Request &, httplib::Response &) { Reset(); });
    }

    std::vector<ReceivedRequest> Received() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return received;
    }

    // Stalled requests of a path that no longer stalls end.
    void SetFailure(const std::string &path, Failure failure)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            failures[path] = failure;
        }
        stopped.notify_all();
    }

    void SetReply(const std::string &path, const std::optional<std::string> &body)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (body) {
            replies[path] = *body;
        } else {
            replies.erase(path);
        }
    }

    void SetNewestVersion(const std::string &version)
    {
        std::lock_guard<std::mutex> lock(mutex);
        accounts.newestVersion = version;
    }

    bool AnnounceAddress(const std::string &what, const std::string &address)
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::string *announced = what == "download" ? &accounts.downloadUrl
                                 : what == "video"  ? &accounts.videoUrl
                                                    : nullptr;
        if (announced) {
            *announced = address;
        }
        return announced != nullptr;
    }

    bool SetDraws(const std::string &name, std::vector<Json::Value> draws)
    {
        const std::unique_lock<std::shared_mutex> lock(drawsMutex);
        auto game = std::find_if(games.begin(), games.end(), [&](const Game &g) { return g.key == name; });
        if (game == games.end() || draws.empty()) {
            return false;
        }
        game->draws = std::move(draws);
        return true;
    }

    void AddConfigUpdate(const std::string &name, const std::string &value)
    {
        std::lock_guard<std::mutex> lock(mutex);
        accounts.configUpdate[name] = value;
    }

    // The account state as the fixture gives it; call with the mutex held.
    void ResetAccounts()
    {
        accounts = Accounts{};
        accounts.users = accountFixture["users"];
        accounts.newestVersion = accountFixture["newestVersion"].asString();
    }

    void Reset()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            failures.clear();
            replies.clear();
            received.clear();
            ResetAccounts();
        }
        {
            const std::unique_lock<std::shared_mutex> lock(drawsMutex);
            for (Game &game : games) {
                game.draws = game.fixtureDraws;
            }
        }
        stopped.notify_all();
    }
};

StandinServer::StandinServer(const std::string &fixtures, const std::string &pages,
                             const std::string &pageScripts)
    : impl_(std::make_unique<Impl>())
{
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(std::filesystem::path(fixtures) / "draws")) {
        if (entry.path().extension() == ".json") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path &file : files) {
        Json::Value doc = ReadJsonFile(file);
        Game game{doc["productName"].asString(),
                  doc["lotteryCategory"].asString(),
                  doc["lotCategoryId"].asString(),
                  doc["productCnName"].asString(),
                  doc["notice"].asString(),
                  {},
                  {}};
        for (const Json::Value &draw : doc["draws"]) {
            game.draws.push_back(draw);
        }
        if (game.draws.empty()) {
            throw std::runtime_error("no draws in " + file.string());
        }
        game.fixtureDraws = game.draws;
        impl_->games.push_back(std::move(game));
    }
    std::sort(impl_->games.begin(), impl_->games.end(),
              [](const Game &a, const Game &b) { return std::stoi(a.id) < std::stoi(b.id); });
    impl_->levels = ReadJsonFile(std::filesystem::path(fixtures) / "levels.json");
    impl_->accountFixture = ReadJsonFile(std::filesystem::path(fixtures) / "account.json");
    if (!impl_->accountFixture["users"].isArray()) {
        throw std::runtime_error("no users in account.json");
    }
    impl_->ResetAccounts();
    if (!pageScripts.empty()) {
        impl_->server.set_mount_point("/qel", pageScripts);
    }
    if (!pages.empty()) {
        impl_->server.set_mount_point("/", pages);
    }
    impl_->server.new_task_queue = [] { return new httplib::ThreadPool(8); };
    impl_->Routes();
}

StandinServer::~StandinServer()
{
    Stop();
}

std::optional<int> StandinServer::Listen(int port)
{
    if (port == 0) {
        port = impl_->server.bind_to_any_port(kHost);
    } else if (!impl_->server.bind_to_port(kHost, port)) {
        port = 0;
    }
    if (port <= 0) {
        return std::nullopt;
    }
    impl_->port = port; // before any request is served
    return port;
}

void StandinServer::Run()
{
    impl_->server.listen_after_bind();
}

void StandinServer::Stop()
{
    {
        std::lock_guard<std::mutex> lock(impl_->mutex);
        impl_->stopping = true;
    }
    impl_->stopped.notify_all();
    impl_->server.stop();
}

bool StandinServer::running() const
{
    return impl_->server.is_running();
}

void StandinServer::SetFailure(const std::string &path, Failure failure)
{
    impl_->SetFailure(path, failure);
}

void StandinServer::SetReply(const std::string &path, const std::optional<std::string> &body)
{
    impl_->SetReply(path, body);
}

void StandinServer::SetNewestVersion(const std::string &version)
{
    impl_->SetNewestVersion(version);
}

bool StandinServer::AnnounceAddress(const std::string &what, const std::string &address)
{
    return impl_->AnnounceAddress(what, address);
}

void StandinServer::AddConfigUpdate(const std::string &name, const std::string &value)
{
    impl_->AddConfigUpdate(name, value);
}

bool StandinServer::SetDraws(const std::string &game, std::vector<Json::Value> draws)
{
    return impl_->SetDraws(game, std::move(draws));
}

void StandinServer::Reset()
{
    impl_->Reset();
}

std::vector<ReceivedRequest> StandinServer::Received() const
{
    return impl_->Received();
}

} // namespace qel::standin
