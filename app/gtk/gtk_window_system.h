/// \file
/// \brief The core's window interface over GTK 3 and WebKitGTK.
///
/// One GtkWindow with one WebKitWebView per page window: the main window, modal pop-ups (a
/// nested main loop until they close) and modeless pop-ups (owned here). All of them share one
/// web context, on which the "qel:" scheme is registered, and none is related to another, so
/// every page window runs in a web process of its own.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include <webkit2/webkit2.h>

#include "gobject_ref.h"
#include "page_view.h"
#include "qel_scheme.h"
#include "window/window_system.h"

namespace qel {
class Application;
}

namespace qel::gtk {

class GtkWindowSystem : public WindowSystem {
public:
    /// baseDir: the base directory whose files qel://base serves. consoleToStdout: pages'
    /// console messages go to standard output (test mode).
    GtkWindowSystem(std::string baseDir, bool consoleToStdout);
    ~GtkWindowSystem() override;
    GtkWindowSystem(const GtkWindowSystem &) = delete;
    GtkWindowSystem &operator=(const GtkWindowSystem &) = delete;

    /// Creates the (hidden) main window for the application's main page window and routes the
    /// bridge to the application. Call once, before Application::Start().
    void Attach(Application &app);
    void ShowMainWindow();
    /// Runs the main loop until the main window closes.
    void Run();
    /// Closes every window; call before the application goes, as the pop-ups refer to it.
    void CloseAll();

    bool mainPageShown() const { return mainPageShown_; }
    PageView *mainView() const { return main_.get(); }
    /// The view of the main window or of an open pop-up; null when none.
    PageView *FindView(int windowId) const;
    /// Presses OK on the message box that is up, as its reader would (test mode); false when
    /// none is.
    bool AnswerMessage();

    /// Observers for the test mode.
    std::function<void(int windowId, const std::string &request, const std::string &reply)> onBridgeAnswered;
    std::function<void()> onMainWindowShown;
    std::function<void(int windowId, const std::string &uri)> onPageLoaded;
    std::function<void(const std::string &text)> onMessageShown;

    // WindowSystem
    WorkArea GetWorkArea() override;
    void PlaceMainWindow(const WindowPlacement &placement, const std::wstring &title) override;
    void ShowMainPage(const std::string &resource) override;
    void MinimizeMainWindow() override;
    void CloseMainWindow() override;
    void StartTimer(int milliseconds, std::function<void()> onTimeout) override;
    void PostToUserInterface(std::function<void()> task) override;
    void RunModal(PageWindow &window, const WindowPlacement &placement, const std::string &url) override;
    void ShowModeless(std::unique_ptr<PageWindow> window, const WindowPlacement &placement,
                      const std::string &url) override;
    void ClosePopup(PageWindow &window) override;
    void MovePopupBy(PageWindow &window, int deltaX, int deltaY) override;
    std::optional<std::string> ChooseFileToSave(FileKind kind, const std::string &suggestedName) override;
    std::optional<std::string> ChooseFileToOpen(FileKind kind) override;
    void ShowMessage(const std::wstring &text) override;
    bool OpenWithDefaultApplication(const std::wstring &target) override;
    void Exit(int status) override;

private:
    struct Popup {
        PageWindow *window = nullptr;
        std::unique_ptr<PageWindow> owned; ///< modeless pop-ups only; outlives its view
        std::unique_ptr<PageView> view;
        GMainLoop *modalLoop = nullptr; ///< set while a modal pop-up runs
        int busy = 0;                   ///< execute calls of this window under way
        bool closePending = false;
    };
    struct Timer;

    std::string Bridge(WebKitWebView *asking, int windowId, const std::string &request);
    std::unique_ptr<PageView> NewView(int windowId);
    Popup &OpenPopup(PageWindow &window, const WindowPlacement &placement, const std::string &url);
    bool OnMainPress(const GdkEventButton &press);
    bool OnPopupPress(int windowId, const GdkEventButton &press);
    void ClosePopup(int windowId);
    void DestroyPopupLater(int windowId);
    std::optional<std::string> ChooseFile(FileKind kind, bool save, const std::string &suggestedName);
    static gboolean OnTimer(gpointer data);
    static void DeleteTimer(gpointer data);
    static gboolean OnPosted(gpointer task);
    static void DeletePosted(gpointer task);

    std::string baseDir_;
    bool consoleToStdout_;
    QelScheme scheme_;
    GObjectRef<WebKitWebContext> context_;
    Application *app_ = nullptr;
    std::unique_ptr<PageView> main_;
    std::map<int, Popup> popups_;
    std::set<guint> timers_;
    GMainLoop *mainLoop_ = nullptr;
    bool quitting_ = false;
    bool mainPageShown_ = false;
    GtkDialog *message_ = nullptr; ///< the message box while it is up
    std::string lastDialogFolder_; ///< the folder of the file last chosen in a file dialog
};

} // namespace qel::gtk
