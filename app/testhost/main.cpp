// qel-page-host: the program's pages and its real core over HTTP on 127.0.0.1, for tests.
//
//   qel-page-host --base <staged dir> --port <n|0> [--sys-db <file>] [--open-file <path>]
//                 [--save-file <path>] [--setting <name>=<value>]...
//
// Prints "listening on http://127.0.0.1:<port>" once it accepts requests, then serves until it is
// stopped or the core asks to exit. See page_host.h for the addresses it answers.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <unistd.h>

#include "page_host.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: qel-page-host --base <staged dir> --port <n|0> [--sys-db <file>] "
                         "[--open-file <path>] [--save-file <path>] [--setting <name>=<value>]...\n");
    return 2;
}

std::string Absolute(const std::string &path)
{
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    char *cwd = getcwd(nullptr, 0);
    std::string absolute = cwd ? std::string(cwd) + "/" + path : path;
    std::free(cwd);
    return absolute;
}

} // namespace

int main(int argc, char **argv)
{
    qel::testhost::PageHostOptions options;
    int port = -1;
    for (int i = 1; i < argc; ++i) {
        std::string_view option = argv[i];
        if (i + 1 >= argc) {
            return Usage();
        }
        std::string value = argv[++i];
        if (option == "--base") {
            options.baseDir = Absolute(value);
        } else if (option == "--port") {
            char *end = nullptr;
            long number = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || number < 0 || number > 65535) {
                return Usage();
            }
            port = static_cast<int>(number);
        } else if (option == "--sys-db") {
            options.sysDb = Absolute(value);
        } else if (option == "--open-file") {
            options.openFile = Absolute(value);
        } else if (option == "--save-file") {
            options.saveFile = Absolute(value);
        } else if (option == "--setting") {
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos) {
                return Usage();
            }
            options.settings[value.substr(0, equals)] = value.substr(equals + 1);
        } else {
            return Usage();
        }
    }
    if (options.baseDir.empty() || port < 0) {
        return Usage();
    }
    // The core reads its relative paths ("Plugin/...") from the base directory, as the program does.
    if (chdir(options.baseDir.c_str()) != 0) {
        std::fprintf(stderr, "qel-page-host: cannot enter %s\n", options.baseDir.c_str());
        return 1;
    }
    try {
        qel::testhost::PageHost host(options);
        auto bound = host.Listen(port);
        if (!bound) {
            std::fprintf(stderr, "qel-page-host: cannot listen on 127.0.0.1:%d\n", port);
            return 1;
        }
        std::printf("listening on %s\n", host.address().c_str());
        std::printf("main window bridge: %s/bridge/%d\n", host.address().c_str(), host.mainWindowId());
        std::fflush(stdout);
        return host.Run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "qel-page-host: %s\n", e.what());
        return 1;
    }
}
