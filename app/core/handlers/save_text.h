/// \file
/// \brief Saving a text to a file the user picks, and the page's reply to that.
#pragma once

#include <string>

#include "window/window_system.h"

namespace qel {

enum class SaveOutcome {
    Saved,
    Cancelled,  ///< the user closed the dialog
    Unwritable, ///< the file could not be written; nothing was left under its name
};

/// Asks where to save (the dialog offers suggestedName, UTF-8, when it is not empty), gives the
/// chosen path its kind's extension (WithExtension) and writes the text there (WriteUserFile).
SaveOutcome SaveTextToChosenFile(WindowSystem &windows, FileKind kind, const std::string &suggestedName,
                                 const std::wstring &text);

/// {flag:"ok",msg:"保存成功！"}, {flag:cancelFlag,msg:"保存取消！"} or
/// {flag:"error",msg:"保存失败：文件无法写入！"}.
std::wstring SaveReply(SaveOutcome outcome, const std::wstring &cancelFlag);

} // namespace qel
