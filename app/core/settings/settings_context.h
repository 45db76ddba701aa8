/// \file
/// \brief Everything a settings handler works on, as one window holds it.
#pragma once

#include <filesystem>
#include <string>

#include "basekit/row_types.h"
#include "settings/service_endpoints.h"
#include "settings/settings_host.h"
#include "settings/system_service.h"

namespace qel {

/// The handlers read and replace runtimeConfig on the user-interface thread only.
struct SettingsContext {
    const basekit::TextMap &settings; ///< "xml/system.xml" plus "sysDb"
    basekit::TextMap &runtimeConfig;  ///< the process's runtime configuration
    CSystemService &service;          ///< the window's settings service
    SettingsHost &host;
    std::wstring baseUrl;          ///< the base directory as the pages address it ("baseDir")
    std::filesystem::path baseDir; ///< the base directory as a path ("Plugin/" is below it)
    ServiceEndpoints endpoints = BuiltInServiceEndpoints();
};

} // namespace qel
