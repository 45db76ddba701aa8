#include "files/user_files.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

#include "basekit/text_convert.h"

namespace qel {
namespace {

bool EndsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::string WithExtension(const std::string &path, FileKind kind)
{
    if (kind == FileKind::Scenario) {
        return EndsWith(path, ".sc") ? path : path + ".sc";
    }
    return EndsWith(path, ".txt") || EndsWith(path, ".TXT") ? path : path + ".txt";
}

bool WriteUserFile(const std::string &path, const std::wstring &text)
{
    const std::string bytes = basekit::CStrW2CStrA(text);
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::wstring> ReadUserFile(const std::string &path, std::size_t maxBytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            return std::nullopt;
        }
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return basekit::DecodeUserFileText(bytes);
}

} // namespace qel
