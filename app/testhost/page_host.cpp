#include "page_host.h"

#include <memory>
#include <mutex>
#include <vector>

#include <httplib.h>
#include <json/json.h>

#include "app/application.h"
#include "basekit/text_convert.h"
#include "basekit/xml_util.h"
#include "bridge/main_window.h"
#include "bridge/page_window.h"
#include "bridge/popup_window.h"
#include "headless_window_system.h"
#include "qel_resources/base_files.h"
#include "qel_resources/bridge_script.h"
#include "qel_resources/embedded_resources.h"
#include "qel_resources/mime_type.h"

namespace qel::testhost {
namespace {

constexpr const char *kHost = "127.0.0.1";

basekit::TextMap ReadSettings(const PageHostOptions &options)
{
    basekit::CXmlUtil xml;
    basekit::TextMap settings =
        xml.ParseXmlToMap(basekit::UTF8ToUnicode(options.baseDir + "/xml/system.xml"), 1);
    std::wstring sysDb = basekit::UTF8ToUnicode(options.sysDb);
    if (sysDb.empty()) {
        // The host never reaches for the user's own copy: the staged database is the one.
        auto name = settings.find(L"sysDbName");
        if (name != settings.end() && !name->second.empty()) {
            sysDb = name->second.front() == L'/'
                        ? name->second
                        : basekit::UTF8ToUnicode(options.baseDir) + L"/" + name->second;
        }
    }
    settings[L"sysDb"] = sysDb;
    for (const auto &[name, value] : options.settings) {
        settings[basekit::UTF8ToUnicode(name)] = basekit::UTF8ToUnicode(value);
    }
    return settings;
}

Json::Value PlacementJson(const WindowPlacement &p)
{
    Json::Value value;
    value["x"] = p.x;
    value["y"] = p.y;
    value["width"] = p.width;
    value["height"] = p.height;
    value["centred"] = p.centred;
    value["rounded"] = p.rounded;
    return value;
}

void AllowAnyOrigin(httplib::Response &response)
{
    response.set_header("Access-Control-Allow-Origin", "*");
    response.set_header("Cache-Control", "no-store");
}

} // namespace

struct PageHost::Impl {
    PageHostOptions options;
    httplib::Server server;
    std::mutex mutex; // one request at a time reaches the core
    HeadlessWindowSystem windows;
    std::unique_ptr<Application> app;
    // Pop-ups opened for pages that run in one (POST /popup); a modal pop-up of the core only
    // lives for the call that opens it.
    std::vector<std::unique_ptr<PopupWindow>> popups;
    int port = 0;
    int exitStatus = 0;

    std::string Address() const { return std::string("http://") + kHost + ":" + std::to_string(port); }

    std::string Answer(int windowId, const std::string &request)
    {
        std::lock_guard<std::mutex> lock(mutex);
        PageWindow *window = app ? app->FindWindow(windowId) : nullptr;
        std::string reply = window
                                ? basekit::UnicodeToUTF8Str(window->Execute(basekit::UTF8ToUnicode(request)))
                                : std::string();
        windows.ReleaseClosed();
        return reply;
    }

    std::string OpenPopup()
    {
        std::lock_guard<std::mutex> lock(mutex);
        Json::Value answer;
        answer["id"] = 0;
        if (app) {
            popups.push_back(std::make_unique<PopupWindow>(*app));
            answer["id"] = popups.back()->id();
        }
        return Json::writeString(Json::StreamWriterBuilder(), answer);
    }

    std::string Status()
    {
        std::lock_guard<std::mutex> lock(mutex);
        Json::Value status;
        status["mainWindow"] = app ? app->mainWindow().id() : 0;
        status["mainPage"] = windows.mainPage;
        status["title"] = basekit::UnicodeToUTF8Str(windows.title);
        status["mainPlacement"] = PlacementJson(windows.mainPlacement);
        status["mainClosed"] = windows.mainClosed;
        status["minimized"] = windows.minimized;
        status["opened"] = Json::Value(Json::arrayValue);
        for (const OpenedWindow &w : windows.opened) {
            Json::Value entry = PlacementJson(w.placement);
            entry["url"] = w.url;
            entry["modal"] = w.modal;
            status["opened"].append(entry);
        }
        status["messages"] = Json::Value(Json::arrayValue);
        for (const std::wstring &m : windows.messages) {
            status["messages"].append(basekit::UnicodeToUTF8Str(m));
        }
        status["openedTargets"] = Json::Value(Json::arrayValue);
        for (const std::wstring &t : windows.openedTargets) {
            status["openedTargets"].append(basekit::UnicodeToUTF8Str(t));
        }
        return Json::writeString(Json::StreamWriterBuilder(), status);
    }

    void Routes()
    {
        server.Get(R"(/res/(.+))", [](const httplib::Request &request, httplib::Response &response) {
            std::string path = request.matches[1];
            auto content = resources::FindEmbedded(path);
            if (!content) {
                response.status = 404;
                return;
            }
            response.set_content(std::string(*content), std::string(resources::MimeTypeFor(path)));
        });
        server.Get(R"(/base/(.*))", [this](const httplib::Request &request, httplib::Response &response) {
            std::string path = request.matches[1];
            resources::BaseFile file = resources::ReadBaseFile(options.baseDir, path);
            switch (file.status) {
            case resources::BaseFileStatus::Found:
                response.set_content(file.content, std::string(resources::MimeTypeFor(path)));
                return;
            case resources::BaseFileStatus::Refused:
                response.status = 403;
                return;
            case resources::BaseFileStatus::NotFound:
                response.status = 404;
                return;
            }
        });
        server.Post(R"(/bridge/([^/]+))",
                    [this](const httplib::Request &request, httplib::Response &response) {
                        std::string reply;
                        if (auto id = resources::ParseWindowId(request.matches[1].str())) {
                            reply = Answer(*id, request.body);
                        }
                        AllowAnyOrigin(response);
                        response.set_content(reply, "text/plain; charset=utf-8");
                    });
        server.Options(R"(/bridge/([^/]+))", [](const httplib::Request &, httplib::Response &response) {
            AllowAnyOrigin(response);
            response.set_header("Access-Control-Allow-Methods", "POST");
            response.set_header("Access-Control-Allow-Headers", "Content-Type");
        });
        server.Get(R"(/bridge-script/([^/]+))", [this](const httplib::Request &request,
                                                       httplib::Response &response) {
            auto id = resources::ParseWindowId(request.matches[1].str());
            if (!id) {
                response.status = 404;
                return;
            }
            response.set_content(resources::BridgeScript(Address() + "/bridge/" + std::to_string(*id)),
                                 "text/javascript");
        });
        server.Post("/popup", [this](const httplib::Request &, httplib::Response &response) {
            AllowAnyOrigin(response);
            response.set_content(OpenPopup(), "application/json");
        });
        server.Get("/status", [this](const httplib::Request &, httplib::Response &response) {
            AllowAnyOrigin(response);
            response.set_content(Status(), "application/json");
        });
    }
};

PageHost::PageHost(PageHostOptions options) : impl_(std::make_unique<Impl>())
{
    impl_->options = std::move(options);
    impl_->windows.fileToOpen = impl_->options.openFile;
    impl_->windows.fileToSave = impl_->options.saveFile;
    impl_->windows.onExit = [this](int status) {
        impl_->exitStatus = status;
        impl_->server.stop();
    };
    // The core is not thread-safe: the mutex lets one request at a time reach it. There are
    // several workers all the same, because a worker stays with its connection while a browser
    // keeps it open (keep-alive, pre-connected sockets); with a single one, a page's second
    // connection would wait for the first to close.
    impl_->server.new_task_queue = [] { return new httplib::ThreadPool(8); };
    impl_->Routes();
}

PageHost::~PageHost()
{
    Stop();
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->windows.ReleaseAll();
    impl_->popups.clear();
    impl_->app.reset();
}

std::optional<int> PageHost::Listen(int port)
{
    if (port == 0) {
        port = impl_->server.bind_to_any_port(kHost);
        if (port <= 0) {
            return std::nullopt;
        }
    } else if (!impl_->server.bind_to_port(kHost, port)) {
        return std::nullopt;
    }
    impl_->port = port;
    StartupSettings startup;
    startup.baseDir = impl_->options.baseDir;
    startup.baseUrl = basekit::UTF8ToUnicode(impl_->Address() + "/base");
    startup.resourceUrl = basekit::UTF8ToUnicode(impl_->Address() + "/res");
    startup.settings = ReadSettings(impl_->options);
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->app = std::make_unique<Application>(impl_->windows, std::move(startup));
    impl_->app->Start();
    if (impl_->windows.mainPage.empty()) {
        impl_->windows.mainPage = "main.html";
    }
    return port;
}

int PageHost::Run()
{
    impl_->server.listen_after_bind();
    return impl_->exitStatus;
}

void PageHost::Stop()
{
    impl_->server.stop();
}

bool PageHost::running() const
{
    return impl_->server.is_running();
}

int PageHost::mainWindowId() const
{
    return impl_->app ? impl_->app->mainWindow().id() : 0;
}

std::string PageHost::address() const
{
    return impl_->Address();
}

} // namespace qel::testhost
