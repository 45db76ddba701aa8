#include "basekit/registry.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <json/json.h>
#include <memory>
#include <mutex>
#include <pwd.h>
#include <sstream>
#include <unistd.h>
#include <vector>

#include "basekit/text_convert.h"

namespace basekit {
namespace {

constexpr char kFolderName[] = "varnel";
constexpr char kFileName[] = "registry.json";

// One read-modify-write at a time within the process.
std::mutex &StoreMutex()
{
    static std::mutex mutex;
    return mutex;
}

const char *RootName(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::filesystem::path HomeFolder()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

std::filesystem::path ConfigFolder()
{
    // The XDG base-directory rules ignore a relative XDG_CONFIG_HOME.
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return config;
    }
    std::filesystem::path home = HomeFolder();
    return home.empty() ? home : home / ".config";
}

// Names are kept as UTF-8; narrow input that is not valid UTF-8 is repaired the way every
// other narrow text of the program is, so the file always holds well-formed JSON strings.
std::string Utf8Of(std::string_view narrow)
{
    return UnicodeToUTF8Str(CStrA2CStrW(narrow));
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string &a, const std::string &b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The stored spelling of a member: the exact one when present, else the first that differs
// only in letter case, else the name itself (a new member).
std::string MemberName(const Json::Value &object, const std::string &name)
{
    if (object.isMember(name)) {
        return name;
    }
    for (const std::string &member : object.getMemberNames()) {
        if (SameName(member, name)) {
            return member;
        }
    }
    return name;
}

// The object under `name`, or null when there is none or it is not an object.
const Json::Value *FindObject(const Json::Value &parent, const std::string &name)
{
    std::string stored = MemberName(parent, name);
    const Json::Value *child = parent.find(stored.data(), stored.data() + stored.size());
    return child != nullptr && child->isObject() ? child : nullptr;
}

// The object under `name`, created (or replacing a member of another type) when needed.
Json::Value &ObjectMember(Json::Value &parent, const std::string &name)
{
    Json::Value &child = parent[MemberName(parent, name)];
    if (!child.isObject()) {
        child = Json::Value(Json::objectValue);
    }
    return child;
}

Json::Value LoadStore(const std::filesystem::path &file)
{
    Json::Value store(Json::objectValue);
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return store;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string bytes = text.str();
    Json::CharReaderBuilder builder;
    Json::CharReaderBuilder::strictMode(&builder.settings_);
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    std::string errors;
    try {
        if (reader->parse(bytes.data(), bytes.data() + bytes.size(), &parsed, &errors) && parsed.isObject()) {
            store = std::move(parsed);
        }
    } catch (const Json::Exception &) {
        // Nesting deeper than the reader's limit is thrown rather than reported.
    }
    return store;
}

bool WriteAll(int fd, const std::string &bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

// Writes the file beside its final name and renames it into place, so readers see either the
// old store or the new one.
void SaveStore(const std::filesystem::path &file, const Json::Value &store)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);

    Json::StreamWriterBuilder builder;
    builder["indentation"] = "  ";
    builder["emitUTF8"] = true;
    std::string bytes = Json::writeString(builder, store) + "\n";

    std::string temp = file.string() + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        return;
    }
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp.c_str(), file.c_str()) != 0) {
        unlink(temp.c_str());
    }
}

std::string ReadValue(const std::string &subKey, const std::string &valueName, RegistryRoot root)
{
    std::filesystem::path file = RegistryFilePath();
    if (file.empty()) {
        return {};
    }
    std::lock_guard<std::mutex> lock(StoreMutex());
    Json::Value store = LoadStore(file);
    const Json::Value *rootObject = FindObject(store, RootName(root));
    const Json::Value *key = rootObject == nullptr ? nullptr : FindObject(*rootObject, subKey);
    if (key == nullptr) {
        return {};
    }
    const Json::Value &value = (*key)[MemberName(*key, valueName)];
    return value.isString() ? value.asString() : std::string();
}

void WriteValue(const std::string &subKey, const std::string &valueName, const std::string &value,
                RegistryRoot root)
{
    std::filesystem::path file = RegistryFilePath();
    if (file.empty()) {
        return;
    }
    std::lock_guard<std::mutex> lock(StoreMutex());
    Json::Value store = LoadStore(file);
    Json::Value &key = ObjectMember(ObjectMember(store, RootName(root)), subKey);
    key[MemberName(key, valueName)] = value;
    SaveStore(file, store);
}

} // namespace

std::filesystem::path RegistryFilePath()
{
    std::filesystem::path folder = ConfigFolder();
    return folder.empty() ? folder : folder / kFolderName / kFileName;
}

std::string RegRead(std::string_view subKey, std::string_view valueName, RegistryRoot root)
{
    return CStrW2CStrA(UTF8ToUnicode(ReadValue(Utf8Of(subKey), Utf8Of(valueName), root)));
}

std::wstring RegReadW(std::wstring_view subKey, std::wstring_view valueName, RegistryRoot root)
{
    return UTF8ToUnicode(ReadValue(UnicodeToUTF8Str(subKey), UnicodeToUTF8Str(valueName), root));
}

void RegWrite(std::string_view subKey, std::string_view valueName, std::string_view value, RegistryRoot root)
{
    WriteValue(Utf8Of(subKey), Utf8Of(valueName), Utf8Of(value), root);
}

void RegWriteW(std::wstring_view subKey, std::wstring_view valueName, std::wstring_view value,
               RegistryRoot root)
{
    WriteValue(UnicodeToUTF8Str(subKey), UnicodeToUTF8Str(valueName), UnicodeToUTF8Str(value), root);
}

} // namespace basekit
