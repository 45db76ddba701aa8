/// \file
/// \brief Reading small XML documents (the settings file) into row containers.
///
/// Files are read in the encoding their declaration names (UTF-8, GBK, GB2312 and every other
/// encoding iconv knows); texts passed in memory are wide text and need no declaration. Nothing
/// here throws or shows anything: a file that is missing or does not parse gives an empty
/// result, and LastMessage() then holds the text the user should be shown ("加载失败",
/// "xml格式不正确！"), for the caller to show where it has a window. No document reaches the
/// network, and entities are not expanded.
#pragma once

#include <string>

#include "basekit/basekit_export.h"
#include "basekit/row_types.h"

namespace basekit {

class BASEKIT_EXPORT CXmlUtil {
public:
    /// SaveAsXml's result when the text does not parse or the file cannot be written.
    static constexpr int kSaveFailed = -1;

    CXmlUtil();

    /// For every element child of the root, in document order: its name to its text content
    /// (descendants included). A repeated name keeps its first text. source is a file path
    /// when isPath is non-zero, else XML text.
    TextMap ParseXmlToMap(const std::wstring &source, int isPath);
    /// The attributes of the root element's first element child.
    TextMap ParseXmlWithAttrsToMap(const std::wstring &source, int isPath);
    /// From the root, descends while a node has exactly one element child that has element
    /// children of its own; then one attribute map per element child of the node reached.
    TextMapList ParseXmlToMapList(const std::wstring &source, int isPath);
    /// Parses xmlText and writes it to path as UTF-8. 0 on success, kSaveFailed when the text
    /// does not parse (message "xml格式不正确！") or the file cannot be written; nothing is
    /// written for a text that does not parse.
    int SaveAsXml(const std::wstring &xmlText, const std::wstring &path);
    /// The whole document as UTF-8 XML text, read back as wide text; "" when the file does not
    /// load (message "加载失败").
    std::wstring ParseXmlFileToStr(const std::wstring &path);

    /// The message of the last call that failed, "" after a call that succeeded.
    const std::wstring &LastMessage() const { return lastMessage_; }

private:
    std::wstring lastMessage_;
};

} // namespace basekit
