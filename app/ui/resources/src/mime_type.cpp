#include "qel_resources/mime_type.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace qel::resources {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kTypes = {{
    {"html", "text/html"},
    {"htm", "text/html"},
    {"js", "text/javascript"},
    {"css", "text/css"},
    {"json", "application/json"},
    {"txt", "text/plain"},
    {"png", "image/png"},
    {"jpg", "image/jpeg"},
    {"jpeg", "image/jpeg"},
    {"gif", "image/gif"},
    {"svg", "image/svg+xml"},
    {"ico", "image/x-icon"},
    {"bmp", "image/bmp"},
    {"woff", "font/woff"},
    {"woff2", "font/woff2"},
    {"ttf", "font/ttf"},
}};

} // namespace

std::string_view MimeTypeFor(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return "application/octet-stream";
    }
    std::string extension(path.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto &[known, type] : kTypes) {
        if (extension == known) {
            return type;
        }
    }
    return "application/octet-stream";
}

} // namespace qel::resources
