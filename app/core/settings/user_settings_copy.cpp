#include "settings/user_settings_copy.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qel {
namespace {

namespace fs = std::filesystem;

// Owns one file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

std::string Failure(const std::string &what, const std::string &file, int error)
{
    return what + " " + file + ": " + std::strerror(error);
}

std::string FolderOf(const std::string &file)
{
    const std::string folder = fs::path(file).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

// Makes the missing folders of path one by one with mode 0700: the user's data stays the user's.
bool MakeFolders(const fs::path &folder, std::string &problem)
{
    fs::path made;
    for (const fs::path &part : folder) {
        made /= part;
        if (mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
            problem = Failure("cannot make the folder", made.string(), errno);
            return false;
        }
    }
    return true;
}

bool CopyBytes(int from, int to)
{
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = read(from, buffer.data(), buffer.size());
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = write(to, buffer.data() + written, static_cast<std::size_t>(got - written));
            if (put < 0 && errno != EINTR) {
                return false;
            }
            written += put < 0 ? 0 : put;
        }
    }
}

// Puts the finished scratch file in place without replacing a copy that is there already. A
// folder that knows no hard links still gets it by a rename.
bool PlaceCopy(const std::string &scratch, const std::string &copy, std::string &problem)
{
    if (link(scratch.c_str(), copy.c_str()) == 0 || errno == EEXIST) {
        unlink(scratch.c_str());
        return true;
    }
    struct stat existing {};
    if (lstat(copy.c_str(), &existing) == 0 || rename(scratch.c_str(), copy.c_str()) == 0) {
        unlink(scratch.c_str());
        return true;
    }
    problem = Failure("cannot put the settings database in place at", copy, errno);
    unlink(scratch.c_str());
    return false;
}

} // namespace

bool SettingsDatabaseWritableInPlace(const std::string &database)
{
    // access() lets root write anything; the owner's write bit is what marks a seed for root too.
    struct stat status {};
    return !database.empty() && stat(database.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_mode & S_IWUSR) != 0 && access(database.c_str(), W_OK) == 0 &&
           access(FolderOf(database).c_str(), W_OK | X_OK) == 0;
}

bool CopyToScratchFile(const std::string &seed, const std::string &besides, std::string &scratch,
                       std::string &problem)
{
    FileDescriptor from(open(seed.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0) {
        problem = Failure("cannot read the installed settings database", seed, errno);
        return false;
    }
    // mkostemp makes the file with mode 0600 whatever the umask.
    scratch = besides + ".XXXXXX";
    FileDescriptor to(mkostemp(scratch.data(), O_CLOEXEC));
    if (to.get() < 0) {
        problem = Failure("cannot write the settings database", besides, errno);
        return false;
    }
    if (!CopyBytes(from.get(), to.get()) || fsync(to.get()) != 0) {
        problem = Failure("cannot write the settings database", besides, errno);
        unlink(scratch.c_str());
        return false;
    }
    return true;
}

bool MakeUserSettingsCopy(const std::string &seed, const std::string &copy, std::string &problem)
{
    if (access(seed.c_str(), R_OK) != 0) {
        problem = Failure("cannot read the installed settings database", seed, errno);
        return false;
    }
    std::string scratch;
    return MakeFolders(fs::path(FolderOf(copy)), problem) &&
           CopyToScratchFile(seed, copy, scratch, problem) && PlaceCopy(scratch, copy, problem);
}

} // namespace qel
