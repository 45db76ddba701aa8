/// \file
/// \brief Saving a text to a file the user picks, and the page's reply to that.
#pragma once

#include <string>
#include <system_error>

#include "window/window_system.h"

namespace qel {

enum class SaveOutcome {
    Saved,
    Cancelled,  ///< the user closed the dialog
    Unwritable, ///< the file could not be written; nothing was left under its name
};

/// What became of a save: the file it went to (or was meant to go to) and, when it could not be
/// written, the system's reason.
struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Cancelled;
    std::string path;      ///< the chosen path with its extension (UTF-8); empty when cancelled
    std::error_code error; ///< set when Unwritable
};

/// Asks where to save (the dialog offers suggestedName, UTF-8, when it is not empty), gives the
/// chosen path its kind's extension (WithExtension) and writes the text there (WriteUserFile).
SaveResult SaveTextToChosenFile(WindowSystem &windows, FileKind kind, const std::string &suggestedName,
                                const std::wstring &text);

/// {flag:"ok",msg:"保存成功！"}, {flag:cancelFlag,msg:"保存取消！"} or, naming the file and the
/// system's reason, {flag:"error",msg:"保存失败：文件无法写入：<file>（<reason>）"}.
std::wstring SaveReply(const SaveResult &result, const std::wstring &cancelFlag);

} // namespace qel
