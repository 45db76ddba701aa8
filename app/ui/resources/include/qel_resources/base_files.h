/// \file
/// \brief Files below the base directory, as the pages may read them.
///
/// Pages address the installation's "html/", "js/lib/" and "images/" folders through the base
/// URL. A request names a path relative to the base directory; nothing outside it is ever read,
/// neither through ".." nor through a symbolic link that leads out.
#pragma once

#include <string>
#include <string_view>

namespace qel::resources {

enum class BaseFileStatus {
    Found,
    Refused,  ///< the path is not a plain relative path, or it leads outside the base directory
    NotFound, ///< no readable regular file there
};

struct BaseFile {
    BaseFileStatus status = BaseFileStatus::NotFound;
    std::string content;
};

/// True for a non-empty relative path of "/"-separated names, none of them "." or "..", and
/// without NUL or backslash characters. relativePath is already percent-decoded.
bool IsPlainRelativePath(std::string_view relativePath);

/// Reads the file at relativePath below baseDir, once the resolved file (every link followed)
/// is known to lie inside the resolved base directory.
BaseFile ReadBaseFile(const std::string &baseDir, std::string_view relativePath);

} // namespace qel::resources
