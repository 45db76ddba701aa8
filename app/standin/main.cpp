// qel-data-standin: the data service's paths and pages on 127.0.0.1, from sample draws.
//
//   qel-data-standin --port <n|0> --fixtures <dir> --pages <dir> --page-scripts <dir>
//
// Prints "listening on http://127.0.0.1:<port>" once it accepts requests, then serves until it
// is ended by SIGTERM or SIGINT. See standin_server.h for what it answers.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "standin_server.h"

namespace {

int Usage()
{
    std::fprintf(
        stderr, "usage: qel-data-standin --port <n|0> --fixtures <dir> --pages <dir> --page-scripts <dir>\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int port = -1;
    std::string fixtures;
    std::string pages;
    std::string pageScripts;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string_view option = argv[i];
        std::string value = argv[i + 1];
        if (option == "--port") {
            char *end = nullptr;
            long number = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || number < 0 || number > 65535) {
                return Usage();
            }
            port = static_cast<int>(number);
        } else if (option == "--fixtures") {
            fixtures = value;
        } else if (option == "--pages") {
            pages = value;
        } else if (option == "--page-scripts") {
            pageScripts = value;
        } else {
            return Usage();
        }
    }
    if (argc % 2 == 0 || port < 0 || fixtures.empty()) {
        return Usage();
    }
    // The signals are taken by a thread of their own, which stops the server.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    try {
        qel::standin::StandinServer server(fixtures, pages, pageScripts);
        auto bound = server.Listen(port);
        if (!bound) {
            std::fprintf(stderr, "qel-data-standin: cannot listen on 127.0.0.1:%d\n", port);
            return 1;
        }
        std::thread stopper([&server, signals] {
            int received = 0;
            sigwait(&signals, &received);
            server.Stop();
        });
        std::printf("listening on http://127.0.0.1:%d\n", *bound);
        std::fflush(stdout);
        server.Run();
        // The server goes only after the stopper is done with it; should the server have ended on
        // its own, the stopper is woken by a signal it waits for (stopping twice does no harm).
        pthread_kill(stopper.native_handle(), SIGINT);
        stopper.join();
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "qel-data-standin: %s\n", e.what());
        return 1;
    }
}
