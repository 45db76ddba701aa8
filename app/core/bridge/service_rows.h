/// \file
/// \brief Handlers of the method tables' data-service rows, for either window.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include <json/value.h>

#include "dataservice/data_service_client.h"
#include "settings/settings_context.h"

namespace qel {

/// A method name as a template argument.
template <std::size_t N> struct MethodName {
    char text[N];
    constexpr MethodName(const char (&name)[N]) { std::copy_n(name, N, text); } // NOLINT: implicit by design
};

/// Sends the catalogue's request Name for the page's request and answers the service's reply.
template <MethodName Name, typename Window>
std::wstring ServicePassThrough(Window &window, const Json::Value &request)
{
    return window.app().dataService().PassThrough(Name.text, request);
}

/// Runs a processing handler of the data service on the window's client and chain.
template <auto Handler, typename Window>
std::wstring ServiceHandler(Window &window, const Json::Value &request)
{
    return Handler(window.app().dataService(), window.context(), request);
}

/// Runs an account handler of the data service on the window's client and settings context (its
/// attempt counters and its connection to the settings database).
template <std::wstring (*Handler)(DataServiceClient &, SettingsContext &, const Json::Value &),
          typename Window>
std::wstring AccountHandler(Window &window, const Json::Value &request)
{
    SettingsContext context = window.services().Settings();
    return Handler(window.app().dataService(), context, request);
}

} // namespace qel
