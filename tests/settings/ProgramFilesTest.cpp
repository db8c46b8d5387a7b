#include "settings/ProgramFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFiles, ExtensionIsReplacedOnlyInTheFileName) {
    EXPECT_EQ(ReplaceExtension("/opt/bin/tintora", ".INI"), "/opt/bin/tintora.INI");
    EXPECT_EQ(ReplaceExtension("/opt/bin/tintora.exe", ".INI"), "/opt/bin/tintora.INI");
    EXPECT_EQ(ReplaceExtension("/opt/v1.2/tintora", ".IN0"), "/opt/v1.2/tintora.IN0");
}

TEST(ProgramFiles, AWritableProgramFolderKeepsEverythingBesideTheExecutable) {
    TProgramFolders folders{
        "/opt/t/tintora", "/home/u/.config", "/home/u/.cache", "/usr/share/tintora", true, false};
    const TProgramFiles files = ResolveProgramFiles(folders);
    EXPECT_EQ(files.SettingsFile, "/opt/t/tintora.INI");
    EXPECT_EQ(files.PreviewFile, "/opt/t/tintora.html");
    EXPECT_EQ(files.SeedFiles,
              (std::vector<std::string>{"/opt/t/tintora.IN0", "/usr/share/tintora/tintora.IN0"}));
}

// Also where it could write to its bin folder, as root can.
TEST(ProgramFiles, AnInstalledProgramUsesTheUsersFolders) {
    for (const bool writable : {false, true}) {
        TProgramFolders folders{"/usr/bin/tintora",   "/home/u/.config", "/home/u/.cache",
                                "/usr/share/tintora", writable,          true};
        const TProgramFiles files = ResolveProgramFiles(folders);
        EXPECT_EQ(files.SettingsFile, "/home/u/.config/tintora/tintora.INI");
        EXPECT_EQ(files.PreviewFile, "/home/u/.cache/tintora/tintora.html");
        EXPECT_EQ(files.SeedFiles.front(), "/usr/bin/tintora.IN0");
    }
}

class InTempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tintora-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

// The environment is the test's to change.
class ProgramFolders : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            if (const char* value = std::getenv(name)) {
                saved_.emplace_back(name, value);
            }
        }
    }
    void TearDown() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            ::unsetenv(name);
        }
        for (const auto& [name, value] : saved_) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        InTempFolder::TearDown();
    }

    std::vector<std::pair<std::string, std::string>> saved_;
};

// Where the install was made or moved to, the data folder beside the bin folder marks it.
TEST_F(ProgramFolders, AnInstallIsKnownByItsLayoutWhereverItsPrefixIs) {
    fs::create_directories(dir_ / "prefix/bin");
    fs::create_directories(dir_ / "prefix/share/tintora");
    fs::create_directories(dir_ / "build/src");
    fs::create_directories(dir_ / "configured/bin");
    const TInstallDirs dirs{(dir_ / "configured/bin").string(), "/usr/local/share/tintora",
                            "../share/tintora"};
    const struct {
        const char* exe;
        bool installed;
        std::string dataDir;
    } rows[] = {
        {"prefix/bin/tintora", true, (dir_ / "prefix/share/tintora").string()},
        {"build/src/tintora", false, "/usr/local/share/tintora"},
        {"configured/bin/tintora", true, "/usr/local/share/tintora"},
    };
    for (const auto& row : rows) {
        const TProgramFolders folders = ProgramFoldersOf((dir_ / row.exe).string(), dirs);
        EXPECT_EQ(folders.Installed, row.installed) << row.exe;
        EXPECT_EQ(folders.InstalledDataDir, row.dataDir) << row.exe;
    }
}

// /tmp/.config would be a folder every user can plant links in.
TEST_F(ProgramFolders, WithoutHomeTheHomeFolderComesFromThePasswordDatabase) {
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const std::string home = user->pw_dir;
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        if (value == nullptr) {
            ::unsetenv("HOME");
        } else {
            ::setenv("HOME", value, 1);
        }
        ::setenv("XDG_CONFIG_HOME", "relative/config", 1); // not absolute: ignored
        ::unsetenv("XDG_CACHE_HOME");
        const TProgramFolders folders = ProgramFoldersOf("/usr/bin/tintora", {});
        EXPECT_EQ(folders.ConfigHome, home + "/.config");
        EXPECT_EQ(folders.CacheHome, home + "/.cache");
    }
}

class SeedFile : public InTempFolder {
protected:
    void SetUp() override {
        InTempFolder::SetUp();
        files_.SettingsFile = (dir_ / "cfg" / "tintora.INI").string();
        files_.SeedFiles = {(dir_ / "a.IN0").string(), (dir_ / "b.IN0").string()};
    }
    static void Write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text;
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TProgramFiles files_;
};

TEST_F(SeedFile, TheFirstExistingSeedIsCopiedWhenTheSettingsAreMissing) {
    Write(files_.SeedFiles[1], "[OPTION]\r\nAddSharp=1\r\n");
    EXPECT_TRUE(SeedSettingsFile(files_));
    EXPECT_EQ(Read(files_.SettingsFile), "[OPTION]\r\nAddSharp=1\r\n");
}

TEST_F(SeedFile, ExistingSettingsAreNeverOverwritten) {
    Write(files_.SettingsFile, "mine");
    Write(files_.SeedFiles[0], "seed");
    EXPECT_FALSE(SeedSettingsFile(files_));
    EXPECT_EQ(Read(files_.SettingsFile), "mine");
}

TEST_F(SeedFile, TheUsersSettingsFolderIsMadePrivate) {
    const fs::path folder = dir_ / "home/.config/tintora";
    files_.SettingsFile = (folder / "tintora.INI").string();
    Write(files_.SeedFiles[0], "seed");
    const mode_t oldMask = ::umask(022);
    EXPECT_TRUE(SeedSettingsFile(files_));
    ::umask(oldMask);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
}

TEST_F(SeedFile, NoSeedGoesIntoAFolderOthersCanWriteIn) {
    Write(files_.SeedFiles[0], "seed");
    fs::create_directories(fs::path(files_.SettingsFile).parent_path());
    ASSERT_EQ(::chmod(fs::path(files_.SettingsFile).parent_path().c_str(), 01777), 0);
    EXPECT_FALSE(SeedSettingsFile(files_));
    EXPECT_FALSE(fs::exists(files_.SettingsFile));
}

TEST_F(SeedFile, NoSeedMeansNoFile) {
    EXPECT_FALSE(SeedSettingsFile(files_));
    EXPECT_FALSE(fs::exists(files_.SettingsFile));
}

} // namespace
} // namespace tintora
