#include "qel_resources/base_files.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include <sys/stat.h>

namespace qel::resources {
namespace {

struct FreeDeleter {
    void operator()(char *p) const { std::free(p); }
};

// The path with every link resolved, or "" when it does not exist.
std::string Resolved(const std::string &path)
{
    std::unique_ptr<char, FreeDeleter> resolved(realpath(path.c_str(), nullptr));
    return resolved ? std::string(resolved.get()) : std::string();
}

bool IsInside(const std::string &folder, const std::string &path)
{
    if (folder == "/") {
        return path.size() > 1 && path[0] == '/';
    }
    return path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

} // namespace

bool IsPlainRelativePath(std::string_view relativePath)
{
    if (relativePath.empty() || relativePath.front() == '/') {
        return false;
    }
    if (relativePath.find('\0') != std::string_view::npos ||
        relativePath.find('\\') != std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        std::size_t end = relativePath.find('/', start);
        if (end == std::string_view::npos) {
            end = relativePath.size();
        }
        std::string_view name = relativePath.substr(start, end - start);
        if (name.empty() || name == "." || name == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

BaseFile ReadBaseFile(const std::string &baseDir, std::string_view relativePath)
{
    BaseFile result;
    if (!IsPlainRelativePath(relativePath)) {
        result.status = BaseFileStatus::Refused;
        return result;
    }
    std::string base = Resolved(baseDir);
    if (base.empty()) {
        return result;
    }
    std::string file = Resolved(base + "/" + std::string(relativePath));
    if (file.empty()) {
        return result;
    }
    if (!IsInside(base, file)) {
        result.status = BaseFileStatus::Refused;
        return result;
    }
    struct stat info {};
    if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return result;
    }
    result.content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.content.clear();
        return result;
    }
    result.status = BaseFileStatus::Found;
    return result;
}

} // namespace qel::resources
