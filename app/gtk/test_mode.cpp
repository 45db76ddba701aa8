#include "test_mode.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <execinfo.h>
#include <gdk/gdkx.h>
#include <unistd.h>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "gtk_window_system.h"
#include "log.h"
#include "qel_resources/bridge_script.h"
#include "qel_resources/embedded_resources.h"

namespace qel::gtk {
namespace {

/// The whole text on one line.
std::string Unbroken(std::string_view text)
{
    std::string line(text);
    for (char &c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return line;
}

/// The start of the text on one line, for events that only need to be recognised. It is cut
/// before a character, never inside one, so the line stays valid UTF-8.
std::string OneLine(std::string_view text)
{
    std::size_t end = std::min<std::size_t>(text.size(), 120);
    while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return Unbroken(text.substr(0, end));
}

/// The request as the test-mode line shows it: a request that carries a password shows only its
/// method, so no password reaches the output.
std::string Reported(const std::string &request)
{
    const Json::Value parsed = basekit::JsonUtil::JsonStrToJsonObj(basekit::UTF8ToUnicode(request));
    for (const char *secret : {"password", "oldPswd", "newPswd", "pswd"}) {
        if (parsed.isObject() && parsed.isMember(secret)) {
            return R"({"method":")" +
                   basekit::UnicodeToUTF8Str(basekit::JsonUtil::GetString(parsed, "method")) +
                   R"("} (credentials left out))";
        }
    }
    return OneLine(request);
}

std::string WindowXid(PageView *view)
{
    GdkWindow *window = view ? gtk_widget_get_window(GTK_WIDGET(view->window())) : nullptr;
    unsigned long xid = window && GDK_IS_X11_WINDOW(window) ? gdk_x11_window_get_xid(window) : 0;
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%lx", xid);
    return hex;
}

const char *TypeName(GtkWidget *widget)
{
    return widget ? G_OBJECT_TYPE_NAME(widget) : "none";
}

std::string RealizedTypeName(GtkWidget *widget)
{
    return std::string(TypeName(widget)) +
           (widget && !gtk_widget_get_realized(widget) ? " (unrealized)" : "");
}

// A GTK warning or critical means a widget was used wrongly, whatever the windows show. It is
// told at once, with the event GTK was handling and the widgets it concerned (and the calls that
// led there on standard error), so that a test that meets one can say which; GLib's own handler
// then prints it as always (and stops the program under G_DEBUG=fatal-criticals).
void ReportGtkWarning(const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer)
{
    std::string line = std::string("gtk ") + ((level & G_LOG_LEVEL_CRITICAL) ? "critical " : "warning ") +
                       Unbroken(message ? message : "");
    if (GdkEvent *event = gtk_get_current_event()) {
        GtkWidget *target = gtk_get_event_widget(event);
        GtkWidget *toplevel = target ? gtk_widget_get_toplevel(target) : nullptr;
        GtkWidget *focus = GTK_IS_WINDOW(toplevel) ? gtk_window_get_focus(GTK_WINDOW(toplevel)) : nullptr;
        line += " | event type=" + std::to_string(static_cast<int>(event->type)) +
                " sent=" + std::to_string(event->any.send_event) + " widget=" + RealizedTypeName(target) +
                " window=" + RealizedTypeName(toplevel) + " focus=" + RealizedTypeName(focus) +
                " grab=" + RealizedTypeName(gtk_grab_get_current());
        gdk_event_free(event);
    }
    TestMode::Report(line);
    void *frames[48];
    backtrace_symbols_fd(frames, backtrace(frames, 48), STDERR_FILENO);
    g_log_default_handler(domain, level, message, nullptr);
}

} // namespace

bool TestMode::Requested()
{
    const char *value = std::getenv("QEL_TEST_MODE");
    return value && std::string_view(value) == "1";
}

TestMode::TestMode(GtkWindowSystem &windows) : windows_(windows)
{
    windows_.onBridgeAnswered = [](int id, const std::string &request, const std::string &reply) {
        Report("bridge window=" + std::to_string(id) + " request=" + Reported(request) +
               " reply-bytes=" + std::to_string(reply.size()));
    };
    windows_.onMainWindowShown = [this] {
        PageView *main = windows_.mainView();
        Report("main window shown id=" + std::to_string(main->windowId()) + " xid=" + WindowXid(main));
    };
    windows_.onPageLoaded = [this](int id, const std::string &uri) {
        Report("page loaded window=" + std::to_string(id) + " xid=" + WindowXid(windows_.FindView(id)) +
               " uri=" + uri);
    };
    windows_.onMessageShown = [](const std::string &text) { Report("message " + Unbroken(text)); };
    if (PageView *main = windows_.mainView()) {
        main->onTitleChanged = [](const std::string &title) { Report("page title " + title); };
    }
    input_ = g_io_channel_unix_new(0);
    watch_ = g_io_add_watch(input_, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP), OnInput, this);
    gtkWarnings_ = g_log_set_handler(
        "Gtk", static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING | G_LOG_FLAG_FATAL),
        ReportGtkWarning, nullptr);
}

TestMode::~TestMode()
{
    g_log_remove_handler("Gtk", gtkWarnings_);
    if (watch_) {
        g_source_remove(watch_);
    }
    g_io_channel_unref(input_);
    windows_.onBridgeAnswered = nullptr;
    windows_.onMainWindowShown = nullptr;
    windows_.onPageLoaded = nullptr;
    windows_.onMessageShown = nullptr;
    if (PageView *main = windows_.mainView()) {
        main->onTitleChanged = nullptr;
    }
}

void TestMode::Report(const std::string &event)
{
    std::printf("qel-test: %s\n", event.c_str());
    std::fflush(stdout);
}

void TestMode::Command(const std::string &line)
{
    std::size_t space = line.find(' ');
    std::string name = line.substr(0, space);
    if (name == "answer") {
        if (!windows_.AnswerMessage()) {
            Report("no message");
        }
        return;
    }
    if (name != "execute" && name != "run") {
        Report("unknown command " + OneLine(line));
        return;
    }
    std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);
    std::size_t gap = rest.find(' ');
    auto id = resources::ParseWindowId(rest.substr(0, gap));
    PageView *view = id ? windows_.FindView(*id) : nullptr;
    if (!view || gap == std::string::npos) {
        Report("no such window " + OneLine(rest));
        return;
    }
    std::string text = rest.substr(gap + 1);
    if (name == "execute") {
        auto body = resources::FindEmbedded("js/selftest.js");
        view->CallFunction(std::string(body.value_or("")), "text", text);
        return;
    }
    // The answer may come after this object and the view are gone: it holds neither.
    view->RunScript(text, [window = std::to_string(*id)](bool ok, const std::string &value) {
        Report("result window=" + window + (ok ? " " : " error ") + Unbroken(value));
    });
}

gboolean TestMode::OnInput(GIOChannel *channel, GIOCondition, gpointer self)
{
    auto *mode = static_cast<TestMode *>(self);
    try {
        gchar *text = nullptr;
        gsize length = 0;
        GIOStatus status = g_io_channel_read_line(channel, &text, &length, nullptr, nullptr);
        std::string line(text ? text : "");
        g_free(text);
        if (status == G_IO_STATUS_EOF || status == G_IO_STATUS_ERROR) {
            mode->watch_ = 0;
            return G_SOURCE_REMOVE;
        }
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        if (!line.empty()) {
            mode->Command(line);
        }
    } catch (...) {
        LogCurrentException("test input");
    }
    return G_SOURCE_CONTINUE;
}

} // namespace qel::gtk
