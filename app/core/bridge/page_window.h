/// \file
/// \brief A window that hosts pages: the one entry of the page bridge, execute.
#pragma once

#include <string>

#include <json/value.h>

namespace qel {

class PageWindow {
public:
    explicit PageWindow(int id) : id_(id) {}
    virtual ~PageWindow() = default;
    PageWindow(const PageWindow &) = delete;
    PageWindow &operator=(const PageWindow &) = delete;

    /// The number the shell's bridge address names this window by ("qel://bridge/<id>").
    int id() const { return id_; }

    /// One request of the window's pages, answered synchronously. Whatever the request (not JSON,
    /// not an object, members of the wrong type, an unknown method, a handler that fails), there
    /// is an answer, and nothing escapes.
    std::wstring Execute(const std::wstring &request) noexcept;

protected:
    /// Picks the handler of the method from the window's table and runs it; false when the table
    /// has no such method.
    virtual bool Dispatch(const std::string &method, const Json::Value &request, std::wstring &reply) = 0;
    /// The answer to a method the window's table does not list (also to a request that is not a
    /// JSON object).
    virtual std::wstring UnknownMethodReply() const = 0;
    /// The answer when a handler failed with the given message.
    virtual std::wstring FailureReply(const std::wstring &message) const = 0;

private:
    int id_;
};

} // namespace qel
