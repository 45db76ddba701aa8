#include "handlers/save_text.h"

#include <optional>

#include "basekit/json_util.h"
#include "files/user_files.h"

namespace qel {

SaveOutcome SaveTextToChosenFile(WindowSystem &windows, FileKind kind, const std::string &suggestedName,
                                 const std::wstring &text)
{
    std::optional<std::string> path = windows.ChooseFileToSave(kind, suggestedName);
    if (!path) {
        return SaveOutcome::Cancelled;
    }
    return WriteUserFile(WithExtension(*path, kind), text) ? SaveOutcome::Saved : SaveOutcome::Unwritable;
}

std::wstring SaveReply(SaveOutcome outcome, const std::wstring &cancelFlag)
{
    using basekit::JsonUtil;
    switch (outcome) {
    case SaveOutcome::Saved:
        return JsonUtil::Msg(L"ok", L"保存成功！");
    case SaveOutcome::Cancelled:
        return JsonUtil::Msg(cancelFlag, L"保存取消！");
    case SaveOutcome::Unwritable:
        break;
    }
    return JsonUtil::Msg(L"error", L"保存失败：文件无法写入！");
}

} // namespace qel
