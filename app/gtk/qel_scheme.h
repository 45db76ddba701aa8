/// \file
/// \brief The "qel:" URI scheme: the program's resources, the base directory and the bridge.
///
///   qel://res/<path>          the compiled-in pages, scripts and style sheets
///   qel://base/<path>         files below the base directory, never outside it
///   POST qel://bridge/<id>    one execute call of window <id>: request text in, reply text out
///
/// Requests are served on the user-interface thread; a bridge call may run a nested main loop
/// (a modal pop-up) before it answers.
#pragma once

#include <functional>
#include <string>

#include <webkit2/webkit2.h>

namespace qel::gtk {

class QelScheme {
public:
    /// Answers one bridge request for the window windowId, asked by the web view asking.
    using Bridge =
        std::function<std::string(WebKitWebView *asking, int windowId, const std::string &request)>;

    QelScheme(std::string baseDir, Bridge bridge);
    QelScheme(const QelScheme &) = delete;
    QelScheme &operator=(const QelScheme &) = delete;

    /// Registers the scheme (secure, CORS-enabled) on the context, which must not outlive this.
    void Register(WebKitWebContext *context);

private:
    static void OnRequest(WebKitURISchemeRequest *request, gpointer self);
    void Handle(WebKitURISchemeRequest *request);
    void ServeResource(WebKitURISchemeRequest *request, const std::string &path);
    void ServeBaseFile(WebKitURISchemeRequest *request, const std::string &path);
    void ServeBridge(WebKitURISchemeRequest *request, const std::string &path);

    std::string baseDir_;
    Bridge bridge_;
};

} // namespace qel::gtk
