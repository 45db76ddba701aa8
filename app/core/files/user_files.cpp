#include "files/user_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "basekit/text_convert.h"

namespace qel {
namespace {

bool EndsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

/// A file descriptor closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return fd_; }
    /// Closes now, reporting whether the close (which may flush) succeeded.
    bool Close()
    {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

bool WriteAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO; // nothing written and no reason given: the device took no more
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// "<folder>/.<name>.XXXXXX": hidden beside the target, so the rename stays on one file system.
std::string TemporaryTemplate(const std::string &path)
{
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".XXXXXX";
}

// The permissions a newly created file would get under the process's umask (mkstemp makes its
// files readable by the owner only). The mask is read from /proc rather than set and restored
// with umask(), which would race with other threads creating files.
mode_t NewFileMode()
{
    mode_t mask = 022;
    if (std::FILE *status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            unsigned int value = 0;
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        }
        std::fclose(status);
    }
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

std::string WithExtension(const std::string &path, FileKind kind)
{
    if (kind == FileKind::Scenario) {
        return EndsWith(path, ".sc") ? path : path + ".sc";
    }
    return EndsWith(path, ".txt") || EndsWith(path, ".TXT") ? path : path + ".txt";
}

std::error_code WriteUserFile(const std::string &path, const std::wstring &text)
{
    const std::string bytes = basekit::CStrW2CStrA(text);
    std::string temporary = TemporaryTemplate(path);
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    // mkostemp creates the file exclusively (O_EXCL): it never opens an existing file or follows
    // a link, whatever lies in the folder.
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        return LastError();
    }
    temporary.assign(name.data());
    std::error_code failure;
    if (::fchmod(fd.get(), NewFileMode()) != 0 || !WriteAll(fd.get(), bytes)) {
        failure = LastError();
    }
    if (!fd.Close() && !failure) {
        failure = LastError();
    }
    if (!failure && std::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = LastError();
    }
    if (failure) {
        ::unlink(temporary.c_str());
    }
    return failure;
}

UserFileText ReadUserFile(const std::string &path, std::size_t maxBytes)
{
    using Status = UserFileText::Status;
    // Non-blocking: opening a named pipe for reading would otherwise wait for a writer.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return {errno == EISDIR ? Status::NotAFile : Status::Unreadable, {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return {Status::Unreadable, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Status::NotAFile, {}};
    }
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        return {Status::TooLarge, {}};
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return {Status::Unreadable, {}};
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > maxBytes) { // the file grew while it was read
            return {Status::TooLarge, {}};
        }
    }
    return {Status::Ok, basekit::DecodeUserFileText(bytes)};
}

} // namespace qel
