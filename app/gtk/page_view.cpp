#include "page_view.h"

#include <memory>
#include <string>

#include "log.h"
#include "qel_resources/bridge_script.h"

namespace qel::gtk {
namespace {

GObjectRef<WebKitUserContentManager> BridgeContent(const std::string &bridgeAddress)
{
    auto content = GObjectRef<WebKitUserContentManager>::Adopt(webkit_user_content_manager_new());
    std::string source = resources::BridgeScript(bridgeAddress);
    WebKitUserScript *script =
        webkit_user_script_new(source.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                               WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(content.get(), script);
    webkit_user_script_unref(script);
    return content;
}

GObjectRef<WebKitSettings> PageSettings(bool consoleToStdout)
{
    auto settings = GObjectRef<WebKitSettings>::Adopt(webkit_settings_new());
    // The pages and the files below the base directory are written for a Chinese Windows
    // system; UTF-8 is the default when a page names no encoding.
    webkit_settings_set_default_charset(settings.get(), "UTF-8");
    // Software rendering works under any X server (Xvfb included) and is ample for forms.
    webkit_settings_set_hardware_acceleration_policy(settings.get(),
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    webkit_settings_set_enable_write_console_messages_to_stdout(settings.get(), consoleToStdout);
    return settings;
}

// The script's value crosses as one string: JSON.stringify in the page, so that no JSCValue
// conversion decides what arrays and objects look like.
std::string JsonResultBody(const std::string &script)
{
    // The script gets lines of its own: a trailing // comment cannot swallow the closing brackets.
    return "return JSON.stringify(await (async () => {\n" + script + "\n})());";
}

void OnScriptDone(GObject *source, GAsyncResult *result, gpointer data)
{
    // Only the call's own data is used: the PageView may be gone. The web view object itself is
    // kept alive by the call until here.
    std::unique_ptr<PageView::ScriptDone> done(static_cast<PageView::ScriptDone *>(data));
    try {
        GError *error = nullptr;
        JSCValue *value =
            webkit_web_view_call_async_javascript_function_finish(WEBKIT_WEB_VIEW(source), result, &error);
        if (!value) {
            std::string message = error ? error->message : "no value";
            g_clear_error(&error);
            (*done)(false, message);
            return;
        }
        // A value JSON has no text for (undefined, a function) arrives as undefined.
        gchar *text = jsc_value_to_string(value);
        std::string json = text ? text : "";
        g_free(text);
        g_object_unref(value);
        (*done)(true, json);
    } catch (...) {
        LogCurrentException("page script");
    }
}

} // namespace

PageView::PageView(WebKitWebContext *context, int windowId, const std::string &bridgeAddress,
                   bool consoleToStdout)
    : windowId_(windowId), calls_(GObjectRef<GCancellable>::Adopt(g_cancellable_new()))
{
    window_ = GObjectRef<GtkWidget>::Ref(gtk_window_new(GTK_WINDOW_TOPLEVEL));
    gtk_window_set_decorated(window(), FALSE);

    auto content = BridgeContent(bridgeAddress);
    auto settings = PageSettings(consoleToStdout);
    // Not related to any other view: every page window runs in a web process of its own.
    webView_ = GObjectRef<GtkWidget>::Ref(
        GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context, "user-content-manager",
                                content.get(), "settings", settings.get(), nullptr)));
    gtk_container_add(GTK_CONTAINER(window_.get()), webView_.get());

    g_signal_connect(webView_.get(), "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(webView_.get(), "notify::title", G_CALLBACK(OnTitle), this);
    g_signal_connect(webView_.get(), "load-changed", G_CALLBACK(OnLoadChanged), this);
    g_signal_connect(webView_.get(), "load-failed", G_CALLBACK(OnLoadFailed), this);
    g_signal_connect(webView_.get(), "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(window_.get(), "delete-event", G_CALLBACK(OnDelete), this);
}

PageView::~PageView()
{
    g_cancellable_cancel(calls_.get());
    g_signal_handlers_disconnect_by_data(webView_.get(), this);
    g_signal_handlers_disconnect_by_data(window_.get(), this);
    gtk_widget_destroy(window_.get());
}

// Not const: they change the page this object shows, though none of its own members.
void PageView::Load(const std::string &uri) // NOLINT(readability-make-member-function-const)
{
    webkit_web_view_load_uri(webView(), uri.c_str());
}

// NOLINTNEXTLINE(readability-make-member-function-const)
void PageView::CallFunction(const std::string &body, const char *argument, const std::string &value)
{
    GVariantBuilder arguments;
    g_variant_builder_init(&arguments, G_VARIANT_TYPE_VARDICT);
    g_variant_builder_add(&arguments, "{sv}", argument, g_variant_new_string(value.c_str()));
    webkit_web_view_call_async_javascript_function(webView(), body.c_str(), static_cast<gssize>(body.size()),
                                                   g_variant_builder_end(&arguments), nullptr, nullptr,
                                                   nullptr, nullptr, nullptr);
}

void PageView::RunScript(const std::string &body, ScriptDone done)
{
    std::string wrapped = JsonResultBody(body);
    // No timeout: a page may well compute for minutes inside the script.
    webkit_web_view_call_async_javascript_function(
        webView(), wrapped.c_str(), static_cast<gssize>(wrapped.size()), nullptr, nullptr, nullptr,
        calls_.get(), OnScriptDone, new ScriptDone(std::move(done)));
}

gboolean PageView::OnButtonPress(GtkWidget *, GdkEventButton *event, gpointer self)
{
    try {
        auto *view = static_cast<PageView *>(self);
        if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY || !view->onPress) {
            return FALSE;
        }
        return view->onPress(*event) ? TRUE : FALSE;
    } catch (...) {
        LogCurrentException("button press");
        return FALSE;
    }
}

gboolean PageView::OnDelete(GtkWidget *, GdkEvent *, gpointer self)
{
    try {
        auto *view = static_cast<PageView *>(self);
        if (view->onCloseRequest) {
            view->onCloseRequest();
        }
    } catch (...) {
        LogCurrentException("close request");
    }
    // The owner destroys the window when it is done with it.
    return TRUE;
}

void PageView::OnTitle(GObject *, GParamSpec *, gpointer self)
{
    try {
        auto *view = static_cast<PageView *>(self);
        if (view->onTitleChanged) {
            const gchar *title = webkit_web_view_get_title(view->webView());
            view->onTitleChanged(title ? title : "");
        }
    } catch (...) {
        LogCurrentException("page title");
    }
}

void PageView::OnLoadChanged(WebKitWebView *, WebKitLoadEvent event, gpointer self)
{
    try {
        auto *view = static_cast<PageView *>(self);
        if (event == WEBKIT_LOAD_STARTED) {
            // A status refused for a load that then did not fail is not this load's.
            view->refusedStatus_.clear();
        }
        if (event == WEBKIT_LOAD_FINISHED && view->onLoadFinished) {
            const gchar *uri = webkit_web_view_get_uri(view->webView());
            view->onLoadFinished(uri ? uri : "");
        }
    } catch (...) {
        LogCurrentException("page load");
    }
}

// An error status of the page itself (the service's 404 or 500) is a failed load as well: its
// body would show as a blank, title-less window. The response is refused, which fails the load,
// and the failure shows the error page; a frame's or a resource's status is the page's business.
gboolean PageView::OnDecidePolicy(WebKitWebView *, WebKitPolicyDecision *decision,
                                  WebKitPolicyDecisionType type, gpointer self)
{
    try {
        auto *view = static_cast<PageView *>(self);
        if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE || view->errorPage.empty()) {
            return FALSE;
        }
        auto *responseDecision = WEBKIT_RESPONSE_POLICY_DECISION(decision);
        if (!webkit_response_policy_decision_is_main_frame_main_resource(responseDecision)) {
            return FALSE;
        }
        const guint status = webkit_uri_response_get_status_code(
            webkit_response_policy_decision_get_response(responseDecision));
        if (status < 400) {
            return FALSE;
        }
        view->refusedStatus_ = "HTTP status " + std::to_string(status);
        webkit_policy_decision_ignore(decision);
        return TRUE;
    } catch (...) {
        LogCurrentException("page response");
        return FALSE;
    }
}

gboolean PageView::OnLoadFailed(WebKitWebView *, WebKitLoadEvent, gchar *uri, GError *error, gpointer self)
{
    try {
        auto *view = static_cast<PageView *>(self);
        // The refused error status says more than the interruption it caused.
        const std::string reason = !view->refusedStatus_.empty() ? view->refusedStatus_
                                   : error                       ? error->message
                                                                 : "";
        const bool refused = !view->refusedStatus_.empty();
        view->refusedStatus_.clear();
        // Without its query: a pop-up's address may carry the user's details (the user centre).
        const std::string address = uri ? uri : "";
        LogError("page failed to load", address.substr(0, address.find_first_of("?#")) + ": " + reason);
        // A load cut short by the next navigation is no failure.
        if (!refused && error &&
            g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED)) {
            return FALSE;
        }
        if (view->errorPage.empty() || (uri && view->errorPage == uri)) {
            return FALSE;
        }
        view->Load(view->errorPage);
        return TRUE;
    } catch (...) {
        LogCurrentException("load failure");
        return FALSE;
    }
}

} // namespace qel::gtk
