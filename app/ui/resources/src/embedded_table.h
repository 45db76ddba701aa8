// The generated table of compiled-in files (see embed_files.cmake).
#pragma once

#include <cstddef>

namespace qel::resources::detail {

struct EmbeddedFile {
    const char *path;
    const unsigned char *data;
    std::size_t size;
};

extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

} // namespace qel::resources::detail
