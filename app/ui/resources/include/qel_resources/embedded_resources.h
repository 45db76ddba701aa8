/// \file
/// \brief The program's own pages, scripts and style sheets, compiled in from app/ui/pages.
///
/// Both the desktop shell ("qel://res/<path>") and the test page host ("/res/<path>") serve
/// from here, so the pages a test drives are the very bytes the program shows.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace qel::resources {

/// The content of the resource at path ("main.html", "js/bridge.js"), or nothing when the
/// program has no such resource. The bytes live as long as the program.
std::optional<std::string_view> FindEmbedded(std::string_view path);

/// Every resource path, in the order the build listed them.
std::vector<std::string_view> EmbeddedPaths();

} // namespace qel::resources
