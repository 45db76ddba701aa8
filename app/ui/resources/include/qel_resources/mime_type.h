/// \file
/// \brief Content types of the files the pages load.
#pragma once

#include <string_view>

namespace qel::resources {

/// The content type for a file name by its extension ("text/html", "image/png", ...);
/// "application/octet-stream" for an extension the pages do not use.
std::string_view MimeTypeFor(std::string_view path);

} // namespace qel::resources
