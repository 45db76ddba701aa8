/// \file
/// \brief The text files the user saves and opens: results, lucky numbers, scenarios, old numbers.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>

#include "window/window_system.h"

namespace qel {

/// The chosen path with its kind's extension: ".txt" unless it already ends in ".txt" or ".TXT";
/// ".sc" unless it ends in ".sc".
std::string WithExtension(const std::string &path, FileKind kind);

/// Writes the text as UTF-8 without byte-order mark, replacing the file; the system's reason when
/// that failed, none when it was written. The text goes to a new temporary file of a name nobody
/// else holds, in the target's folder, which is then renamed into place: nothing half-written is
/// left under the name, and no file or link that happens to exist beside the target is touched.
std::error_code WriteUserFile(const std::string &path, const std::wstring &text);

/// What reading a user file gave.
struct UserFileText {
    enum class Status {
        Ok,
        Unreadable, ///< missing, not permitted, or a read error
        NotAFile,   ///< a folder, a pipe, a device: never opened for reading
        TooLarge,   ///< larger than the caller's limit; nothing was read
    };
    Status status = Status::Unreadable;
    std::wstring text; ///< the decoded text when status is Ok
    bool ok() const { return status == Status::Ok; }
};

/// The text of a regular file (UTF-8, or GB18030 as the Windows build wrote it). Anything else
/// is refused without blocking, and a file larger than maxBytes before it is read.
UserFileText ReadUserFile(const std::string &path, std::size_t maxBytes);

} // namespace qel
