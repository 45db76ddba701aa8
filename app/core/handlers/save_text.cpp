#include "handlers/save_text.h"

#include <optional>

#include "basekit/json_util.h"
#include "basekit/text_convert.h"
#include "files/user_files.h"

namespace qel {

SaveResult SaveTextToChosenFile(WindowSystem &windows, FileKind kind, const std::string &suggestedName,
                                const std::wstring &text)
{
    std::optional<std::string> chosen = windows.ChooseFileToSave(kind, suggestedName);
    if (!chosen) {
        return {};
    }
    SaveResult result;
    result.path = WithExtension(*chosen, kind);
    result.error = WriteUserFile(result.path, text);
    result.outcome = result.error ? SaveOutcome::Unwritable : SaveOutcome::Saved;
    return result;
}

std::wstring SaveReply(const SaveResult &result, const std::wstring &cancelFlag)
{
    using basekit::JsonUtil;
    switch (result.outcome) {
    case SaveOutcome::Saved:
        return JsonUtil::Msg(L"ok", L"保存成功！");
    case SaveOutcome::Cancelled:
        return JsonUtil::Msg(cancelFlag, L"保存取消！");
    case SaveOutcome::Unwritable:
        break;
    }
    // As the settings database's messages do: the file, then the system's own words for why.
    return JsonUtil::Msg(L"error", L"保存失败：文件无法写入：" + basekit::UTF8ToUnicode(result.path) + L"（" +
                                       basekit::UTF8ToUnicode(result.error.message()) + L"）");
}

} // namespace qel
