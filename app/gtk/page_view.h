/// \file
/// \brief One page window of the shell: a GtkWindow holding one WebKitWebView.
#pragma once

#include <functional>
#include <string>

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include "gobject_ref.h"

namespace qel::gtk {

/// Every page and frame of the view gets window.external installed at document start, talking
/// to bridgeAddress. The window is undecorated and starts hidden. Nothing a callback does
/// escapes into GTK: failures are logged.
class PageView {
public:
    PageView(WebKitWebContext *context, int windowId, const std::string &bridgeAddress, bool consoleToStdout);
    ~PageView();
    PageView(const PageView &) = delete;
    PageView &operator=(const PageView &) = delete;

    int windowId() const { return windowId_; }
    GtkWindow *window() const { return GTK_WINDOW(window_.get()); }
    WebKitWebView *webView() const { return WEBKIT_WEB_VIEW(webView_.get()); }

    void Load(const std::string &uri);
    /// Calls the script body as a function with one string argument named argument.
    void CallFunction(const std::string &body, const char *argument, const std::string &value);
    /// Gets the outcome of RunScript: true and the JSON text of the value, or false and the
    /// error's message.
    using ScriptDone = std::function<void(bool ok, const std::string &text)>;
    /// Runs the script as the body of an async function in the page's main world and awaits
    /// its value, however long that takes. done is called once, from the main loop; it may
    /// outlive this view (a call still out when the view goes ends as an error) and must not
    /// refer to it.
    void RunScript(const std::string &body, ScriptDone done);

    /// A left-button press at window coordinates; true swallows it.
    std::function<bool(const GdkEventButton &press)> onPress;
    /// The window manager asked to close the window.
    std::function<void()> onCloseRequest;
    std::function<void(const std::string &title)> onTitleChanged;
    std::function<void(const std::string &uri)> onLoadFinished;
    /// Shown instead of WebKit's own error page when a page fails to load or answers an error
    /// status (400 and above); "" keeps WebKit's, and the page's own body for a status.
    std::string errorPage;

private:
    static gboolean OnButtonPress(GtkWidget *widget, GdkEventButton *event, gpointer self);
    static gboolean OnDelete(GtkWidget *widget, GdkEvent *event, gpointer self);
    static void OnTitle(GObject *object, GParamSpec *pspec, gpointer self);
    static void OnLoadChanged(WebKitWebView *view, WebKitLoadEvent event, gpointer self);
    static gboolean OnLoadFailed(WebKitWebView *view, WebKitLoadEvent event, gchar *uri, GError *error,
                                 gpointer self);
    static gboolean OnDecidePolicy(WebKitWebView *view, WebKitPolicyDecision *decision,
                                   WebKitPolicyDecisionType type, gpointer self);

    int windowId_;
    GObjectRef<GtkWidget> window_;
    GObjectRef<GtkWidget> webView_;
    /// Cancelled when the view goes, so that calls still out end at once.
    GObjectRef<GCancellable> calls_;
    /// The error status of the page's response just refused ("HTTP status 404"), until the load
    /// fails because of it.
    std::string refusedStatus_;
};

} // namespace qel::gtk
