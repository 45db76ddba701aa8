#include "basekit/registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <json/json.h>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/saved_variable.h"

namespace basekit {
namespace {

namespace fs = std::filesystem;

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kMachine = RegistryRoot::LocalMachine;

using basekit::test_support::SavedVariable;

// Each test gets its own configuration and home folders.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "registry-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        config_ = root_ / "config";
        setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        setenv("HOME", (root_ / "home").c_str(), 1);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    fs::path StoreFile() const { return config_ / "varnel" / "registry.json"; }

    void PutFile(const std::string &bytes) const
    {
        fs::create_directories(StoreFile().parent_path());
        std::ofstream(StoreFile(), std::ios::binary) << bytes;
    }

    std::string FileText() const
    {
        std::ifstream in(StoreFile(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    SavedVariable savedConfig_{"XDG_CONFIG_HOME"};
    SavedVariable savedHome_{"HOME"};
    fs::path root_;
    fs::path config_;
};

TEST_F(RegistryTest, FileLivesInTheConfigurationFolder)
{
    EXPECT_EQ(RegistryFilePath(), StoreFile());
    EXPECT_FALSE(fs::exists(StoreFile()));
    RegWriteW(L"Software\\Varnel", L"Name", L"x", kUser);
    EXPECT_TRUE(fs::exists(StoreFile()));
}

TEST_F(RegistryTest, WithoutConfigurationFolderUsesDotConfigInHome)
{
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryFilePath(), root_ / "home" / ".config" / "varnel" / "registry.json");
    // A relative folder is not a valid configuration folder.
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(RegistryFilePath(), root_ / "home" / ".config" / "varnel" / "registry.json");
}

TEST_F(RegistryTest, MissingFileKeyOrValueReadsEmpty)
{
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"");
    EXPECT_EQ(RegRead("Software\\Varnel", "Name", kUser), "");

    RegWriteW(L"Software\\Varnel", L"Name", L"value", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Other", L"Name", kUser), L"");
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Other", kUser), L"");
}

TEST_F(RegistryTest, WrittenValuesReadBack)
{
    RegWriteW(L"Software\\Varnel", L"LastUser", L"张三", kUser);
    RegWrite("Software\\Varnel", "Port", "8080", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"LastUser", kUser), L"张三");
    EXPECT_EQ(RegRead("Software\\Varnel", "Port", kUser), "8080");
}

TEST_F(RegistryTest, NarrowAndWideShareTheSameValues)
{
    RegWrite("Software\\Varnel", "城市", "北京", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"城市", kUser), L"北京");
    RegWriteW(L"Software\\Varnel", L"城市", L"上海", kUser);
    EXPECT_EQ(RegRead("Software\\Varnel", "城市", kUser), "上海");
}

TEST_F(RegistryTest, WritingAgainReplacesTheValue)
{
    RegWriteW(L"Software\\Varnel", L"Name", L"first", kUser);
    RegWriteW(L"Software\\Varnel", L"Name", L"second", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"second");
    RegWriteW(L"Software\\Varnel", L"Name", L"", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"");
}

TEST_F(RegistryTest, RootsSubKeysAndNamesAreKeptApart)
{
    RegWriteW(L"Software\\Varnel", L"Name", L"user", kUser);
    RegWriteW(L"Software\\Varnel", L"Name", L"machine", kMachine);
    RegWriteW(L"Software\\Varnel\\Sub", L"Name", L"sub", kUser);
    RegWriteW(L"Software\\Varnel", L"Other", L"other", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"user");
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kMachine), L"machine");
    EXPECT_EQ(RegReadW(L"Software\\Varnel\\Sub", L"Name", kUser), L"sub");
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Other", kUser), L"other");
    EXPECT_EQ(RegReadW(L"Software\\Varnel\\Sub", L"Other", kMachine), L"");
}

TEST_F(RegistryTest, KeysAndNamesIgnoreLetterCase)
{
    RegWriteW(L"Software\\Varnel", L"LastUser", L"a", kUser);
    EXPECT_EQ(RegReadW(L"SOFTWARE\\varnel", L"lastuser", kUser), L"a");
    RegWriteW(L"software\\VARNEL", L"LASTUSER", L"b", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"LastUser", kUser), L"b");

    // The first spelling is kept: one key, one value.
    Json::Value store;
    std::istringstream(FileText()) >> store;
    ASSERT_TRUE(store["HKEY_CURRENT_USER"].isObject());
    EXPECT_EQ(store["HKEY_CURRENT_USER"].getMemberNames(), std::vector<std::string>{"Software\\Varnel"});
    EXPECT_EQ(store["HKEY_CURRENT_USER"]["Software\\Varnel"].getMemberNames(),
              std::vector<std::string>{"LastUser"});
}

TEST_F(RegistryTest, LongValuesReadWhole)
{
    const std::wstring value(5000, L'长');
    RegWriteW(L"Software\\Varnel", L"Long", value, kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Long", kUser), value);
}

TEST_F(RegistryTest, TextsNeedingEscapesSurvive)
{
    const std::wstring value = L"a\"b\\c\r\nd\te/f{}[]";
    RegWriteW(L"Software\\Varnel", L"Escaped", value, kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Escaped", kUser), value);
}

TEST_F(RegistryTest, StoreIsReadableJson)
{
    RegWriteW(L"Software\\Varnel", L"Name", L"值", kMachine);
    Json::Value store;
    std::istringstream in(FileText());
    ASSERT_NO_THROW(in >> store);
    EXPECT_EQ(store["HKEY_LOCAL_MACHINE"]["Software\\Varnel"]["Name"].asString(), "值");
}

struct DamagedStore {
    const char *name;
    std::string bytes;
};

class DamagedStoreTest : public RegistryTest, public testing::WithParamInterface<DamagedStore> {};

TEST_P(DamagedStoreTest, ReadsEmptyAndAWriteReplacesIt)
{
    PutFile(GetParam().bytes);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"");
    EXPECT_EQ(RegRead("Software\\Varnel", "Name", kUser), "");

    RegWriteW(L"Software\\Varnel", L"Name", L"fresh", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"fresh");
    Json::Value store;
    std::istringstream in(FileText());
    ASSERT_NO_THROW(in >> store);
    EXPECT_TRUE(store.isObject());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedStoreTest,
    testing::Values(DamagedStore{"Empty", ""}, DamagedStore{"NotJson", "this is not json"},
                    DamagedStore{"CutOff", R"({"HKEY_CURRENT_USER": {"Software\\Varnel": {"Name": "ol)"},
                    DamagedStore{"Binary", std::string("\x00\xFF\xFE{", 4)},
                    DamagedStore{"NotAnObject", R"(["HKEY_CURRENT_USER"])"},
                    DamagedStore{"DeeplyNested", "{\"a\":" + std::string(100000, '[')},
                    DamagedStore{"RootNotAnObject", R"({"HKEY_CURRENT_USER": 5})"},
                    DamagedStore{"KeyNotAnObject", R"({"HKEY_CURRENT_USER": {"Software\\Varnel": "x"}})"},
                    DamagedStore{"ValueNotAText",
                                 R"({"HKEY_CURRENT_USER": {"Software\\Varnel": {"Name": [1, 2]}}})"}),
    [](const testing::TestParamInfo<DamagedStore> &info) { return std::string(info.param.name); });

TEST_F(RegistryTest, ValuesOfOtherKeysSurviveARepair)
{
    PutFile(R"({"HKEY_CURRENT_USER": {"Software\\Varnel": "x", "Software\\Kept": {"Name": "kept"}}})");
    RegWriteW(L"Software\\Varnel", L"Name", L"fresh", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Kept", L"Name", kUser), L"kept");
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"fresh");
}

TEST_F(RegistryTest, UnreadableFileReadsEmptyAndAWriteReplacesIt)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not stop the super-user from reading";
    }
    RegWriteW(L"Software\\Varnel", L"Name", L"old", kUser);
    fs::permissions(StoreFile(), fs::perms::none);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"");
    RegWriteW(L"Software\\Varnel", L"Name", L"new", kUser);
    EXPECT_EQ(RegReadW(L"Software\\Varnel", L"Name", kUser), L"new");
}

TEST_F(RegistryTest, WritesLeaveNoTemporaryFilesBehind)
{
    for (int i = 0; i < 3; ++i) {
        RegWriteW(L"Software\\Varnel", L"Name", std::to_wstring(i), kUser);
    }
    int files = 0;
    for (const auto &entry : fs::directory_iterator(StoreFile().parent_path())) {
        EXPECT_EQ(entry.path().filename(), "registry.json");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

} // namespace
} // namespace basekit
