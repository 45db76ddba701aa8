/// \file
/// \brief What the program tells and takes in its test mode (environment QEL_TEST_MODE=1).
///
/// It writes one line per event to standard output, flushed at once:
///   qel-test: splash shown
///   qel-test: main window shown id=<window id> xid=0x<hex>
///   qel-test: page loaded window=<id> xid=0x<hex> uri=<address>
///   qel-test: page title <title>                    (the main page's document title)
///   qel-test: bridge window=<id> request=<text> reply-bytes=<n>
///   qel-test: message <text>                        (a message box is up)
///   qel-test: gtk critical|warning <text> | event … (GTK warned; the event it was handling and
///                                                    its widgets, realized or not)
///   qel-test: result window=<id> <JSON text>        (a run command's value, never cut short)
///   qel-test: result window=<id> error <message>    (the script threw, or its window closed)
///   qel-test: no such window <text>                 (a command named no open window)
///   qel-test: no message                            (answer, and no message box was up)
///   qel-test: unknown command <text>
/// Requests and commands shown are cut to 120 bytes (before a character, never inside one),
/// messages and results are not; line breaks become spaces.
/// It reads commands from standard input, one a line:
///   execute <window id> <request text>   that window's page sends the request through the
///                                        bridge, as its own script would
///   run <window id> <script>             runs the script (one line) as the body of an async
///                                        function in that window's page; its awaited return
///                                        value comes back as JSON in a result line. Commands
///                                        that follow run meanwhile; no result is awaited
///                                        with a timeout.
///   answer                               presses OK on the message box that is up
#pragma once

#include <string>

#include <glib.h>

namespace qel::gtk {

class GtkWindowSystem;

class TestMode {
public:
    /// True when the environment asks for the test mode.
    static bool Requested();

    explicit TestMode(GtkWindowSystem &windows);
    ~TestMode();
    TestMode(const TestMode &) = delete;
    TestMode &operator=(const TestMode &) = delete;

    static void Report(const std::string &event);

private:
    static gboolean OnInput(GIOChannel *channel, GIOCondition condition, gpointer self);
    void Command(const std::string &line);

    GtkWindowSystem &windows_;
    GIOChannel *input_ = nullptr;
    guint watch_ = 0;
    guint gtkWarnings_ = 0;
};

} // namespace qel::gtk
