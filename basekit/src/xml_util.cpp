#include "basekit/xml_util.h"

#include <memory>
#include <mutex>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include "basekit/debug.h"
#include "basekit/text_convert.h"

namespace basekit {
namespace {

constexpr wchar_t kLoadFailed[] = L"加载失败";
constexpr wchar_t kBadFormat[] = L"xml格式不正确！";
constexpr wchar_t kBadFormatList[] = L"XML格式不正确！";

// No network access, no error output of the parser's own; entities stay unexpanded.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

struct DocFree {
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

struct XmlCharFree {
    void operator()(xmlChar *text) const { xmlFree(text); }
};
using XmlText = std::unique_ptr<xmlChar, XmlCharFree>;

void IgnoreGenericError(void *, const char *, ...) {}
void IgnoreStructuredError(void *, xmlError *) {}

// The library writes its errors to stderr by default; the callers learn of a failure from the
// empty result and the message instead. The handlers are the calling thread's own and are put
// back afterwards.
class QuietErrors {
public:
    QuietErrors()
        : generic_(xmlGenericError), genericContext_(xmlGenericErrorContext), structured_(xmlStructuredError),
          structuredContext_(xmlStructuredErrorContext)
    {
        xmlSetGenericErrorFunc(nullptr, IgnoreGenericError);
        xmlSetStructuredErrorFunc(nullptr, IgnoreStructuredError);
    }
    ~QuietErrors()
    {
        xmlSetGenericErrorFunc(genericContext_, generic_);
        xmlSetStructuredErrorFunc(structuredContext_, structured_);
    }
    QuietErrors(const QuietErrors &) = delete;
    QuietErrors &operator=(const QuietErrors &) = delete;

private:
    xmlGenericErrorFunc generic_;
    void *genericContext_;
    xmlStructuredErrorFunc structured_;
    void *structuredContext_;
};

void InitParserOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

DocPtr LoadFile(const std::wstring &path)
{
    InitParserOnce();
    QuietErrors quiet;
    return DocPtr(xmlReadFile(UnicodeToUTF8Chars(path).c_str(), nullptr, kParseOptions));
}

// Wide text has no byte encoding of its own: it is handed over as UTF-8 and that encoding
// overrides whatever the declaration names.
DocPtr LoadText(const std::wstring &text)
{
    InitParserOnce();
    const std::string utf8 = UnicodeToUTF8Chars(text);
    QuietErrors quiet;
    return DocPtr(xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8", kParseOptions));
}

DocPtr Load(const std::wstring &source, int isPath)
{
    return isPath != 0 ? LoadFile(source) : LoadText(source);
}

std::wstring WideOf(const xmlChar *text)
{
    return text == nullptr ? std::wstring() : UTF8ToUnicode(reinterpret_cast<const char *>(text));
}

xmlNode *FirstElementChild(xmlNode *node)
{
    for (xmlNode *child = node == nullptr ? nullptr : node->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            return child;
        }
    }
    return nullptr;
}

xmlNode *NextElement(xmlNode *node)
{
    for (xmlNode *next = node->next; next != nullptr; next = next->next) {
        if (next->type == XML_ELEMENT_NODE) {
            return next;
        }
    }
    return nullptr;
}

int ElementChildCount(xmlNode *node)
{
    int count = 0;
    for (xmlNode *child = FirstElementChild(node); child != nullptr; child = NextElement(child)) {
        ++count;
    }
    return count;
}

TextMap AttributesOf(xmlNode *node)
{
    TextMap attributes;
    for (xmlAttr *attr = node == nullptr ? nullptr : node->properties; attr != nullptr; attr = attr->next) {
        XmlText value(xmlNodeListGetString(node->doc, attr->children, 1));
        attributes.emplace(WideOf(attr->name), WideOf(value.get()));
    }
    return attributes;
}

} // namespace

CXmlUtil::CXmlUtil() = default;

TextMap CXmlUtil::ParseXmlToMap(const std::wstring &source, int isPath)
{
    lastMessage_.clear();
    DocPtr doc = Load(source, isPath);
    if (!doc) {
        lastMessage_ = kLoadFailed;
        return {};
    }
    TextMap map;
    xmlNode *root = xmlDocGetRootElement(doc.get());
    for (xmlNode *child = FirstElementChild(root); child != nullptr; child = NextElement(child)) {
        XmlText content(xmlNodeGetContent(child));
        map.emplace(WideOf(child->name), WideOf(content.get()));
    }
    return map;
}

TextMap CXmlUtil::ParseXmlWithAttrsToMap(const std::wstring &source, int isPath)
{
    lastMessage_.clear();
    DocPtr doc = Load(source, isPath);
    if (!doc) {
        lastMessage_ = kLoadFailed;
        return {};
    }
    return AttributesOf(FirstElementChild(xmlDocGetRootElement(doc.get())));
}

TextMapList CXmlUtil::ParseXmlToMapList(const std::wstring &source, int isPath)
{
    lastMessage_.clear();
    DocPtr doc = Load(source, isPath);
    if (!doc) {
        lastMessage_ = kBadFormatList;
        return {};
    }
    xmlNode *node = xmlDocGetRootElement(doc.get());
    while (ElementChildCount(node) == 1 && ElementChildCount(FirstElementChild(node)) > 0) {
        node = FirstElementChild(node);
    }
    TextMapList rows;
    for (xmlNode *child = FirstElementChild(node); child != nullptr; child = NextElement(child)) {
        rows.push_back(AttributesOf(child));
    }
    return rows;
}

int CXmlUtil::SaveAsXml(const std::wstring &xmlText, const std::wstring &path)
{
    lastMessage_.clear();
    DocPtr doc = LoadText(xmlText);
    if (!doc) {
        lastMessage_ = kBadFormat;
        return kSaveFailed;
    }
    QuietErrors quiet;
    if (xmlSaveFileEnc(UnicodeToUTF8Chars(path).c_str(), doc.get(), "UTF-8") < 0) {
        Debug(path, L"xml save failed");
        return kSaveFailed;
    }
    return 0;
}

std::wstring CXmlUtil::ParseXmlFileToStr(const std::wstring &path)
{
    lastMessage_.clear();
    DocPtr doc = LoadFile(path);
    if (!doc) {
        lastMessage_ = kLoadFailed;
        return {};
    }
    xmlChar *raw = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc.get(), &raw, &size, "UTF-8");
    XmlText text(raw);
    if (!text) {
        return {};
    }
    return UTF8ToUnicode(
        std::string_view(reinterpret_cast<const char *>(text.get()), static_cast<size_t>(size)));
}

} // namespace basekit
