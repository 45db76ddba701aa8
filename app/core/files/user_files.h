/// \file
/// \brief The text files the user saves and opens: results, lucky numbers, scenarios, old numbers.
#pragma once

#include <optional>
#include <string>

#include "window/window_system.h"

namespace qel {

/// The chosen path with its kind's extension: ".txt" unless it already ends in ".txt" or ".TXT";
/// ".sc" unless it ends in ".sc".
std::string WithExtension(const std::string &path, FileKind kind);

/// Writes the text as UTF-8 without byte-order mark, replacing the file; false when that failed
/// (nothing half-written is left under the name: the text goes to a temporary file first).
bool WriteUserFile(const std::string &path, const std::wstring &text);
/// The text of the file (UTF-8, or GB18030 as the Windows build wrote it), or nothing when it
/// cannot be read or is larger than maxBytes.
std::optional<std::wstring> ReadUserFile(const std::string &path,
                                         std::size_t maxBytes = std::size_t{64} << 20);

} // namespace qel
