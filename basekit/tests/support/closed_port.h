// A port of 127.0.0.1 that nobody listens on: one the system handed out and took back.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace basekit::test_support {

/// 0 when no socket could be had.
inline int ClosedLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        return 0;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                       getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0;
    close(fd);
    return bound ? ntohs(address.sin_port) : 0;
}

} // namespace basekit::test_support
