// Test support: a copy of a file in a folder of its own, removed with the copy.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace basekit::test_support {

// For tests that must not change a shared file: a program started on the staged settings
// database writes to it (the start count, the window's place) while other tests read it.
class ScratchCopy {
public:
    explicit ScratchCopy(const std::filesystem::path &file)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qel-scratch-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
            std::filesystem::copy_file(file, path());
        }
    }
    ~ScratchCopy()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchCopy(const ScratchCopy &) = delete;
    ScratchCopy &operator=(const ScratchCopy &) = delete;

    std::filesystem::path path() const { return folder_ / "copy"; }

private:
    std::filesystem::path folder_;
};

} // namespace basekit::test_support
