#include "qel_resources/embedded_resources.h"

#include "embedded_table.h"

namespace qel::resources {

std::optional<std::string_view> FindEmbedded(std::string_view path)
{
    for (std::size_t i = 0; i < detail::kEmbeddedFileCount; ++i) {
        const detail::EmbeddedFile &file = detail::kEmbeddedFiles[i];
        if (path == file.path) {
            return std::string_view(reinterpret_cast<const char *>(file.data), file.size);
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> EmbeddedPaths()
{
    std::vector<std::string_view> paths;
    paths.reserve(detail::kEmbeddedFileCount);
    for (std::size_t i = 0; i < detail::kEmbeddedFileCount; ++i) {
        paths.emplace_back(detail::kEmbeddedFiles[i].path);
    }
    return paths;
}

} // namespace qel::resources
