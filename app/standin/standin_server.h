/// \file
/// \brief The stand-in data service: the service's paths on 127.0.0.1, answered from sample draws.
///
/// A test tool and the run script's service, not part of the program. It answers every path of
/// the program's request catalogue in the reply shapes the program and the pages read, from the
/// fixture files of past draws (one per game, marked as sample data), and serves the files below
/// its pages folder ("/html/pageForPc/..."). It records every request it received and can be told
/// per path to fail.
///
/// Account paths ("fixtures/account.json", sample data): the sample users log in with their phone
/// number or e-mail address and password, get their information and change their password (kept
/// until a reset); a wrong password or an unknown user is refused. The version check announces
/// the newest version when it is newer than the client's; the configuration-update check answers
/// "openUpdate" "1" with the settings it was given, "0" without any.
///
/// Control addresses, for scripts:
///   GET  /standin/received            the requests received, as a JSON array
///   POST /standin/fail?path=P&mode=M  path P fails with mode M ("none" answers again)
///                                     (POSTs with a body, if an empty one: curl -d "")
///   POST /standin/reply?path=P        path P answers the POST's body (status 200) in place of
///                                     its own reply, an empty body its own reply again
///   POST /standin/newest-version?version=V   the version the version check announces
///   POST /standin/config-update?name=N&value=V   a setting the configuration update hands out
///   POST /standin/announce?what=W&address=A   the address the version check's download
///                                     (W "download") or the video menu (W "video") announces,
///                                     whatever it is; without one the video menu has none
///   POST /standin/draws?game=K        the body, a JSON array of draws ({"qiHao", "lotDate",
///                                     "lottery"}, oldest first, any values), replaces the
///                                     sample draws of game key K (400: not an array, empty,
///                                     no such game); by count, all of a list longer than the
///                                     service's cap of 500 are served
///   POST /standin/reset               forgets the requests, every failure and given reply, the changed
///                                     passwords, the announced version, addresses and settings, and
///                                     brings back the sample draws
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <json/value.h>

namespace qel::standin {

/// How a path fails.
enum class Failure {
    None,
    NotFound,    ///< status 404
    ServerError, ///< status 500
    Stall,       ///< no answer until the server stops
    Close,       ///< the connection closes in the middle of the reply
    ErrorBody,   ///< status 200 with the body "error=错误代码：500"
    NotJson,     ///< status 200 with a body that is not JSON
    JsonArray,   ///< status 200 with a JSON array
    Empty,       ///< status 200 with an empty body
};

/// The failure a mode name of the control address names ("404", "500", "stall", "close",
/// "error", "nonjson", "array", "empty", "none").
std::optional<Failure> FailureNamed(const std::string &name);

/// The "param" text as the service reads it: JSON, or the object literal with bare keys that the
/// "/sys/" requests carry; an empty object for anything else.
Json::Value ParseParam(const std::string &text);

/// One request as the service received it.
struct ReceivedRequest {
    std::string verb; ///< "GET" or "POST"
    std::string path;
    std::string param; ///< the decoded "param" (query or form field)
    std::string body;  ///< the raw body of a POST
};

class StandinServer {
public:
    /// fixtures: the folder of "draws/<game key>.json", "levels.json" and "account.json"; pages: the folder
    /// served below "/" for "/html/..."; pageScripts: the program's page folder, served below
    /// "/qel/" (the page protocol and style sheet the pages share with the program's own).
    /// Throws std::runtime_error when a fixture does not read.
    StandinServer(const std::string &fixtures, const std::string &pages, const std::string &pageScripts);
    ~StandinServer();
    StandinServer(const StandinServer &) = delete;
    StandinServer &operator=(const StandinServer &) = delete;

    /// Binds 127.0.0.1:port (0: a free port); the port, or nothing.
    std::optional<int> Listen(int port);
    /// Serves until Stop().
    void Run();
    void Stop();
    bool running() const;

    void SetFailure(const std::string &path, Failure failure);
    /// Path answers body, as it is, in place of its own reply; nothing: its own reply again. A
    /// failure of the path comes first.
    void SetReply(const std::string &path, const std::optional<std::string> &body);
    void SetNewestVersion(const std::string &version);
    /// what: "download" or "video" (false for anything else); address "" for the stand-in's own.
    bool AnnounceAddress(const std::string &what, const std::string &address);
    void AddConfigUpdate(const std::string &name, const std::string &value);
    /// Replaces the draws of the game with that key (as /standin/draws does); false for no such
    /// game or no draws.
    bool SetDraws(const std::string &game, std::vector<Json::Value> draws);
    void Reset();
    std::vector<ReceivedRequest> Received() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace qel::standin
