/// \file
/// \brief A window's method table: request method names to handlers, compared in table order.
#pragma once

#include <cstring>
#include <span>
#include <string>

#include <json/value.h>

namespace qel {

template <typename Window> struct MethodRow {
    const char *name;
    std::wstring (*handler)(Window &window, const Json::Value &request);
};

/// The first row whose name equals method (case-sensitive), or null.
template <typename Window>
const MethodRow<Window> *FindMethod(std::span<const MethodRow<Window>> table, const std::string &method)
{
    for (const MethodRow<Window> &row : table) {
        if (method == row.name) {
            return &row;
        }
    }
    return nullptr;
}

/// Runs the handler of method from the table on window; false when the table has no such method.
template <typename Window>
bool DispatchTo(std::span<const MethodRow<Window>> table, Window &window, const std::string &method,
                const Json::Value &request, std::wstring &reply)
{
    const MethodRow<Window> *row = FindMethod(table, method);
    if (!row) {
        return false;
    }
    reply = row->handler(window, request);
    return true;
}

} // namespace qel
