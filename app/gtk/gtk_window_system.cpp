#include "gtk_window_system.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/application.h"
#include "basekit/text_convert.h"
#include "bridge/main_window.h"
#include "bridge/page_window.h"
#include "dialog_folder.h"
#include "hit_test.h"
#include "log.h"
#include "rounded_shape.h"
#include "window/shell_target.h"

namespace qel::gtk {
namespace {

constexpr const char *kBridgeAddress = "qel://bridge/";
constexpr const char *kResourceAddress = "qel://res/";
constexpr const char *kErrorPage = "qel://base/html/error2.html";

struct LoopDeleter {
    void operator()(GMainLoop *loop) const { g_main_loop_unref(loop); }
};
using LoopPtr = std::unique_ptr<GMainLoop, LoopDeleter>;

struct GFreeDeleter {
    void operator()(gchar *text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

void MoveDrag(GtkWindow *window, const GdkEventButton &press)
{
    gtk_window_begin_move_drag(window, static_cast<gint>(press.button), static_cast<gint>(press.x_root),
                               static_cast<gint>(press.y_root), press.time);
}

GtkFileFilter *FilterFor(FileKind kind)
{
    GtkFileFilter *filter = gtk_file_filter_new();
    if (kind == FileKind::Scenario) {
        gtk_file_filter_set_name(filter, "方案文件 (*.sc)");
        gtk_file_filter_add_pattern(filter, "*.sc");
    } else {
        gtk_file_filter_set_name(filter, "文本文件 (*.txt)");
        gtk_file_filter_add_pattern(filter, "*.txt");
    }
    return filter;
}

// A target with a scheme is an address, opened only when it is a web address (the core checks
// every target before; this is the last wall against "file:", "javascript:" or a desktop
// entry); anything else is a file path, a tool the core let through, made absolute against the
// working directory (the base directory).
std::optional<std::string> UriForTarget(const std::string &target)
{
    if (target.empty()) {
        return std::nullopt;
    }
    if (g_uri_peek_scheme(target.c_str()) != nullptr) {
        const bool web = ClassifyShellTarget(basekit::UTF8ToUnicode(target), {}) == ShellTarget::WebAddress &&
                         g_uri_is_valid(target.c_str(), G_URI_FLAGS_NONE, nullptr);
        return web ? std::optional<std::string>(target) : std::nullopt;
    }
    GText absolute(g_canonicalize_filename(target.c_str(), nullptr));
    GText uri(g_filename_to_uri(absolute.get(), nullptr, nullptr));
    if (!uri) {
        return std::nullopt;
    }
    return std::string(uri.get());
}

} // namespace

struct GtkWindowSystem::Timer {
    GtkWindowSystem *owner;
    guint id;
    std::function<void()> onTimeout;
};

GtkWindowSystem::GtkWindowSystem(std::string baseDir, bool consoleToStdout)
    : baseDir_(std::move(baseDir)), consoleToStdout_(consoleToStdout),
      scheme_(baseDir_, [this](WebKitWebView *asking, int id, const std::string &request) {
          return Bridge(asking, id, request);
      })
{
    context_ = GObjectRef<WebKitWebContext>::Adopt(webkit_web_context_new());
    webkit_web_context_set_cache_model(context_.get(), WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
    scheme_.Register(context_.get());
    mainLoop_ = g_main_loop_new(nullptr, FALSE);
}

GtkWindowSystem::~GtkWindowSystem()
{
    CloseAll();
    for (guint id : std::set<guint>(timers_)) {
        g_source_remove(id);
    }
    context_.reset();
    g_main_loop_unref(mainLoop_);
}

void GtkWindowSystem::Attach(Application &app)
{
    app_ = &app;
    main_ = NewView(app.mainWindow().id());
    main_->onPress = [this](const GdkEventButton &press) { return OnMainPress(press); };
    main_->onCloseRequest = [this] { CloseMainWindow(); };
}

void GtkWindowSystem::ShowMainWindow()
{
    if (!main_ || quitting_) {
        return;
    }
    gtk_widget_show_all(GTK_WIDGET(main_->window()));
    gtk_window_present(main_->window());
    // A message that came up while the window was hidden (the splash was showing) stays in
    // front of it, with or without a window manager to keep it there.
    if (message_) {
        gtk_window_present(GTK_WINDOW(message_));
    }
    if (onMainWindowShown) {
        onMainWindowShown();
    }
}

void GtkWindowSystem::Run()
{
    if (!quitting_) {
        g_main_loop_run(mainLoop_);
    }
}

void GtkWindowSystem::CloseAll()
{
    for (auto &[id, popup] : popups_) {
        if (popup.modalLoop) {
            g_main_loop_quit(popup.modalLoop);
        }
    }
    // Modal pop-ups belong to the RunModal calls below us on the stack; only modeless ones go.
    for (auto it = popups_.begin(); it != popups_.end();) {
        it = it->second.modalLoop ? std::next(it) : popups_.erase(it);
    }
    main_.reset();
    app_ = nullptr;
}

PageView *GtkWindowSystem::FindView(int windowId) const
{
    if (main_ && main_->windowId() == windowId) {
        return main_.get();
    }
    auto it = popups_.find(windowId);
    return it == popups_.end() ? nullptr : it->second.view.get();
}

std::unique_ptr<PageView> GtkWindowSystem::NewView(int windowId)
{
    auto view = std::make_unique<PageView>(context_.get(), windowId,
                                           kBridgeAddress + std::to_string(windowId), consoleToStdout_);
    view->onLoadFinished = [this, windowId](const std::string &uri) {
        if (onPageLoaded) {
            onPageLoaded(windowId, uri);
        }
    };
    return view;
}

std::string GtkWindowSystem::Bridge(WebKitWebView *asking, int windowId, const std::string &request)
{
    // A page speaks only for the window that shows it.
    PageView *view = FindView(windowId);
    if (!app_ || !view || !asking || view->webView() != asking) {
        LogError("bridge", "refused a request for window " + std::to_string(windowId) + " from another page");
        return std::string();
    }
    PageWindow *window = app_->FindWindow(windowId);
    if (!window) {
        LogError("bridge", "no window " + std::to_string(windowId));
        return std::string();
    }
    auto popup = popups_.find(windowId);
    if (popup != popups_.end()) {
        ++popup->second.busy;
    }
    std::string reply = basekit::UnicodeToUTF8Str(window->Execute(basekit::UTF8ToUnicode(request)));
    // The call may have opened and closed other pop-ups, so the entry is looked up again.
    popup = popups_.find(windowId);
    if (popup != popups_.end() && --popup->second.busy == 0 && popup->second.closePending) {
        DestroyPopupLater(windowId);
    }
    if (onBridgeAnswered) {
        onBridgeAnswered(windowId, request, reply);
    }
    return reply;
}

WorkArea GtkWindowSystem::GetWorkArea()
{
    WorkArea area;
    GdkDisplay *display = gdk_display_get_default();
    if (!display) {
        return area;
    }
    GdkMonitor *monitor = nullptr;
    if (main_ && gtk_widget_get_window(GTK_WIDGET(main_->window()))) {
        monitor =
            gdk_display_get_monitor_at_window(display, gtk_widget_get_window(GTK_WIDGET(main_->window())));
    }
    if (!monitor) {
        monitor = gdk_display_get_primary_monitor(display);
    }
    if (!monitor && gdk_display_get_n_monitors(display) > 0) {
        monitor = gdk_display_get_monitor(display, 0);
    }
    if (!monitor) {
        return area;
    }
    GdkRectangle rect;
    gdk_monitor_get_workarea(monitor, &rect);
    area.x = rect.x;
    area.y = rect.y;
    area.width = rect.width;
    area.height = rect.height;
    return area;
}

void GtkWindowSystem::PlaceMainWindow(const WindowPlacement &placement, const std::wstring &title)
{
    if (!main_) {
        return;
    }
    GtkWindow *window = main_->window();
    gtk_window_set_title(window, basekit::UnicodeToUTF8Str(title).c_str());
    gtk_window_set_default_size(window, placement.width, placement.height);
    gtk_window_resize(window, placement.width, placement.height);
    gtk_window_move(window, placement.x, placement.y);
    ApplyRoundedShape(GTK_WIDGET(window), placement.width + 1, placement.height + 1,
                      placement.rounded ? placement.cornerRadius : 0);
}

void GtkWindowSystem::ShowMainPage(const std::string &resource)
{
    if (!main_) {
        return;
    }
    main_->Load(kResourceAddress + resource);
    mainPageShown_ = true;
}

void GtkWindowSystem::MinimizeMainWindow()
{
    if (main_) {
        gtk_window_iconify(main_->window());
    }
}

void GtkWindowSystem::CloseMainWindow()
{
    quitting_ = true;
    if (main_) {
        gtk_widget_hide(GTK_WIDGET(main_->window()));
    }
    for (auto &[id, popup] : popups_) {
        if (popup.modalLoop) {
            g_main_loop_quit(popup.modalLoop);
        }
    }
    g_main_loop_quit(mainLoop_);
}

void GtkWindowSystem::StartTimer(int milliseconds, std::function<void()> onTimeout)
{
    auto *timer = new Timer{this, 0, std::move(onTimeout)};
    timer->id = g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(std::max(milliseconds, 0)), OnTimer,
                                   timer, DeleteTimer);
    timers_.insert(timer->id);
}

gboolean GtkWindowSystem::OnTimer(gpointer data)
{
    auto *timer = static_cast<Timer *>(data);
    timer->owner->timers_.erase(timer->id);
    try {
        if (timer->onTimeout) {
            timer->onTimeout();
        }
    } catch (...) {
        LogCurrentException("timer");
    }
    return G_SOURCE_REMOVE;
}

void GtkWindowSystem::DeleteTimer(gpointer data)
{
    auto *timer = static_cast<Timer *>(data);
    timer->owner->timers_.erase(timer->id);
    delete timer;
}

// Called from other threads: it touches no member, only GLib's default main context, which is
// safe to add sources to from any thread. The task itself runs on the main loop's thread.
void GtkWindowSystem::PostToUserInterface(std::function<void()> task)
{
    auto *posted = new std::function<void()>(std::move(task));
    g_idle_add_full(G_PRIORITY_DEFAULT, OnPosted, posted, DeletePosted);
}

gboolean GtkWindowSystem::OnPosted(gpointer task)
{
    try {
        (*static_cast<std::function<void()> *>(task))();
    } catch (...) {
        LogCurrentException("posted task");
    }
    return G_SOURCE_REMOVE;
}

void GtkWindowSystem::DeletePosted(gpointer task)
{
    delete static_cast<std::function<void()> *>(task);
}

GtkWindowSystem::Popup &GtkWindowSystem::OpenPopup(PageWindow &window, const WindowPlacement &placement,
                                                   const std::string &url)
{
    const int id = window.id();
    Popup &popup = popups_[id];
    popup.window = &window;
    popup.view = NewView(id);
    popup.view->errorPage = kErrorPage;
    popup.view->onPress = [this, id](const GdkEventButton &press) { return OnPopupPress(id, press); };
    popup.view->onCloseRequest = [this, id] { ClosePopup(id); };

    GtkWindow *gtkWindow = popup.view->window();
    int x = placement.x;
    int y = placement.y;
    if (main_) {
        gtk_window_set_transient_for(gtkWindow, main_->window());
        if (placement.centred) {
            int parentX = 0;
            int parentY = 0;
            int parentWidth = 0;
            int parentHeight = 0;
            gtk_window_get_position(main_->window(), &parentX, &parentY);
            gtk_window_get_size(main_->window(), &parentWidth, &parentHeight);
            x = parentX + (parentWidth - placement.width) / 2;
            y = parentY + (parentHeight - placement.height) / 2;
        }
    }
    gtk_window_set_default_size(gtkWindow, placement.width, placement.height);
    gtk_window_move(gtkWindow, x, y);
    ApplyRoundedShape(GTK_WIDGET(gtkWindow), placement.width, placement.height,
                      placement.rounded ? placement.cornerRadius : 0);
    gtk_widget_show_all(GTK_WIDGET(gtkWindow));
    popup.view->Load(url.empty() ? std::string(kErrorPage) : url);
    return popup;
}

void GtkWindowSystem::RunModal(PageWindow &window, const WindowPlacement &placement, const std::string &url)
{
    if (quitting_ || popups_.contains(window.id())) {
        return;
    }
    LoopPtr loop(g_main_loop_new(nullptr, FALSE));
    const int id = window.id();
    struct Erase {
        GtkWindowSystem &shell;
        int id;
        ~Erase() { shell.popups_.erase(id); }
    } erase{*this, id};
    Popup &popup = OpenPopup(window, placement, url);
    popup.modalLoop = loop.get();
    gtk_window_set_modal(popup.view->window(), TRUE);
    g_main_loop_run(loop.get());
}

void GtkWindowSystem::ShowModeless(std::unique_ptr<PageWindow> window, const WindowPlacement &placement,
                                   const std::string &url)
{
    if (!window || quitting_ || popups_.contains(window->id())) {
        return;
    }
    PageWindow &page = *window;
    Popup &popup = OpenPopup(page, placement, url);
    popup.owned = std::move(window);
}

void GtkWindowSystem::ClosePopup(PageWindow &window)
{
    ClosePopup(window.id());
}

void GtkWindowSystem::ClosePopup(int windowId)
{
    auto it = popups_.find(windowId);
    if (it == popups_.end()) {
        return;
    }
    Popup &popup = it->second;
    gtk_widget_hide(GTK_WIDGET(popup.view->window()));
    if (popup.modalLoop) {
        g_main_loop_quit(popup.modalLoop);
    } else if (popup.busy > 0) {
        // Its own execute call is still on the stack: it goes once that call has answered.
        popup.closePending = true;
    } else {
        DestroyPopupLater(windowId);
    }
}

void GtkWindowSystem::DestroyPopupLater(int windowId)
{
    StartTimer(0, [this, windowId] {
        auto it = popups_.find(windowId);
        if (it != popups_.end() && !it->second.modalLoop && it->second.busy == 0) {
            popups_.erase(it);
        }
    });
}

void GtkWindowSystem::MovePopupBy(PageWindow &window, int deltaX, int deltaY)
{
    PageView *view = FindView(window.id());
    if (!view || view == main_.get()) {
        return;
    }
    int x = 0;
    int y = 0;
    gtk_window_get_position(view->window(), &x, &y);
    gtk_window_move(view->window(), x + deltaX, y + deltaY);
}

bool GtkWindowSystem::OnMainPress(const GdkEventButton &press)
{
    int width = gtk_widget_get_allocated_width(GTK_WIDGET(main_->window()));
    if (!MainWindowDragsAt(width, static_cast<int>(press.x), static_cast<int>(press.y))) {
        return false;
    }
    // The window manager takes the pointer over; the page never sees a matching release, so
    // it does not see the press either.
    MoveDrag(main_->window(), press);
    return true;
}

bool GtkWindowSystem::OnPopupPress(int windowId, const GdkEventButton &press)
{
    auto it = popups_.find(windowId);
    if (it == popups_.end()) {
        return false;
    }
    GtkWindow *window = it->second.view->window();
    int width = gtk_widget_get_allocated_width(GTK_WIDGET(window));
    switch (PopupPressAt(width, static_cast<int>(press.x), static_cast<int>(press.y))) {
    case PopupPress::None:
        return false;
    case PopupPress::Drag:
        MoveDrag(window, press);
        return true;
    case PopupPress::CloseBox:
        // Modal: its OK action ends the modal loop; modeless: its cancel action destroys it.
        ClosePopup(windowId);
        return true;
    }
    return false;
}

std::optional<std::string> GtkWindowSystem::ChooseFile(FileKind kind, bool save,
                                                       const std::string &suggestedName)
{
    GtkWindow *parent = main_ ? main_->window() : nullptr;
    GtkFileChooserNative *dialog = gtk_file_chooser_native_new(
        save ? "保存" : "打开", parent, save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
        save ? "保存(_S)" : "打开(_O)", "取消(_C)");
    auto owner = GObjectRef<GtkFileChooserNative>::Adopt(dialog);
    GtkFileChooser *chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_add_filter(chooser, FilterFor(kind));
    // Not the working directory, which is the program's folder (read-only once installed).
    const char *documents = g_get_user_special_dir(G_USER_DIRECTORY_DOCUMENTS);
    const std::string start =
        DialogStartFolder({lastDialogFolder_, documents ? documents : "", g_get_home_dir()},
                          save ? DialogUse::Save : DialogUse::Open);
    if (!start.empty()) {
        gtk_file_chooser_set_current_folder(chooser, start.c_str());
    }
    if (save) {
        gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
        if (!suggestedName.empty()) {
            gtk_file_chooser_set_current_name(chooser, suggestedName.c_str());
        }
    }
    std::optional<std::string> chosen;
    if (gtk_native_dialog_run(GTK_NATIVE_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        GText name(gtk_file_chooser_get_filename(chooser));
        if (name) {
            chosen = std::string(name.get());
            lastDialogFolder_ = FolderOfFile(*chosen);
        }
    }
    gtk_native_dialog_destroy(GTK_NATIVE_DIALOG(dialog));
    return chosen;
}

std::optional<std::string> GtkWindowSystem::ChooseFileToSave(FileKind kind, const std::string &suggestedName)
{
    return ChooseFile(kind, true, suggestedName);
}

std::optional<std::string> GtkWindowSystem::ChooseFileToOpen(FileKind kind)
{
    return ChooseFile(kind, false, {});
}

void GtkWindowSystem::ShowMessage(const std::wstring &text)
{
    // Over the main window once it shows; before that (at start-up) centred on the screen, as
    // a hidden parent would place it nowhere the player looks.
    GtkWindow *parent =
        main_ && gtk_widget_get_visible(GTK_WIDGET(main_->window())) ? main_->window() : nullptr;
    GtkWidget *dialog = gtk_message_dialog_new(
        parent, static_cast<GtkDialogFlags>(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        GTK_MESSAGE_INFO, GTK_BUTTONS_OK, "%s", basekit::UnicodeToUTF8Str(text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), "Varnel");
    if (!parent) {
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    }
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    if (onMessageShown) {
        onMessageShown(basekit::UnicodeToUTF8Str(text));
    }
    GtkDialog *outer = message_;
    message_ = GTK_DIALOG(dialog);
    gtk_dialog_run(GTK_DIALOG(dialog));
    message_ = outer;
    gtk_widget_destroy(dialog);
}

bool GtkWindowSystem::AnswerMessage()
{
    if (!message_) {
        return false;
    }
    gtk_dialog_response(message_, GTK_RESPONSE_OK);
    return true;
}

bool GtkWindowSystem::OpenWithDefaultApplication(const std::wstring &target)
{
    std::optional<std::string> uri = UriForTarget(basekit::UnicodeToUTF8Str(target));
    if (!uri) {
        LogError("open refused (not a web address nor a file path)", ShellTargetForLog(target));
        return false;
    }
    GError *error = nullptr;
    if (!g_app_info_launch_default_for_uri(uri->c_str(), nullptr, &error)) {
        // Without its query: an address may carry the stored login (the forum's sign-in).
        LogError("open " + uri->substr(0, uri->find_first_of("?#")), error ? error->message : "failed");
        g_clear_error(&error);
        return false;
    }
    return true;
}

void GtkWindowSystem::Exit(int status)
{
    std::fflush(nullptr);
    std::exit(status);
}

} // namespace qel::gtk
