/// \file
/// \brief The test page host: the program's pages and the real core over HTTP on 127.0.0.1.
///
/// Headless browsers run the real page scripts against the real core through it:
///   GET  /res/<path>            the compiled-in resources (the shell's qel://res)
///   GET  /base/<path>           files below the base directory only (the shell's qel://base)
///   POST /bridge/<id>           one execute call of window <id>; the reply text is the body
///   GET  /bridge-script/<id>    the script that installs window.external for window <id>
///   GET  /status                what the core asked of its windows, as JSON
///   POST /popup                 opens a pop-up window of the core, as a modal window's page has
///                               one, kept until the host ends; answers {"id":<id>}
/// The core's base URL is the host's own "http://127.0.0.1:<port>/base". Requests are served one
/// at a time, as the shell serves them on its one user-interface thread.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace qel::testhost {

struct PageHostOptions {
    std::string baseDir;                         ///< the staged base directory
    std::string sysDb;                           ///< the settings database; "" = "sysDbName" below baseDir
    std::optional<std::string> openFile;         ///< what the open dialogs answer; nothing = cancel
    std::optional<std::string> saveFile;         ///< what the save dialogs answer; nothing = cancel
    std::map<std::string, std::string> settings; ///< values that replace those of "xml/system.xml"
};

class PageHost {
public:
    explicit PageHost(PageHostOptions options);
    ~PageHost();
    PageHost(const PageHost &) = delete;
    PageHost &operator=(const PageHost &) = delete;

    /// Binds 127.0.0.1:port (0: any free port) and builds the core over the host's base URL.
    /// The port bound, or nothing when binding failed.
    std::optional<int> Listen(int port);
    /// Serves until Stop() or the core's Exit; returns the exit status the core asked for (0).
    int Run();
    void Stop();
    /// True once Run() serves (Stop() before that has nothing to stop).
    bool running() const;

    int mainWindowId() const;
    std::string address() const; ///< "http://127.0.0.1:<port>"

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace qel::testhost
