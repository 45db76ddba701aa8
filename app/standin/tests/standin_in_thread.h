/// \file
/// \brief The stand-in data service on a free port of 127.0.0.1, served by a thread of the test.
#pragma once

#include <chrono>
#include <stdexcept>
#include <thread>

#include "standin_server.h"

namespace qel::testing {

/// Serves from construction until destruction: the tests' fixtures hold one as a member.
class StandinInThread {
public:
    StandinInThread()
    {
        auto bound = server_.Listen(0);
        if (!bound) {
            throw std::runtime_error("the stand-in found no free port");
        }
        port_ = *bound;
        thread_ = std::thread([this] { server_.Run(); });
        while (!server_.running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~StandinInThread()
    {
        server_.Stop();
        thread_.join();
    }
    StandinInThread(const StandinInThread &) = delete;
    StandinInThread &operator=(const StandinInThread &) = delete;

    standin::StandinServer &server() { return server_; }
    const standin::StandinServer &server() const { return server_; }
    int port() const { return port_; }

private:
    standin::StandinServer server_{QEL_STANDIN_FIXTURES, QEL_STANDIN_PAGES, QEL_STANDIN_PAGE_SCRIPTS};
    std::thread thread_;
    int port_ = 0;
};

} // namespace qel::testing
