#include "settings/ProgramFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>

namespace tintora {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFiles, ExtensionIsReplacedOnlyInTheFileName) {
    EXPECT_EQ(ReplaceExtension("/opt/bin/tintora", ".INI"), "/opt/bin/tintora.INI");
    EXPECT_EQ(ReplaceExtension("/opt/bin/tintora.exe", ".INI"), "/opt/bin/tintora.INI");
    EXPECT_EQ(ReplaceExtension("/opt/v1.2/tintora", ".IN0"), "/opt/v1.2/tintora.IN0");
}

TEST(ProgramFiles, AWritableProgramFolderKeepsEverythingBesideTheExecutable) {
    TProgramFolders folders{"/opt/t/tintora", "/home/u/.config", "/home/u/.cache",
                            "/usr/share/tintora", true};
    const TProgramFiles files = ResolveProgramFiles(folders);
    EXPECT_EQ(files.SettingsFile, "/opt/t/tintora.INI");
    EXPECT_EQ(files.PreviewFile, "/opt/t/tintora.html");
    EXPECT_EQ(files.SeedFiles,
              (std::vector<std::string>{"/opt/t/tintora.IN0", "/usr/share/tintora/tintora.IN0"}));
}

TEST(ProgramFiles, AnInstalledProgramUsesTheUsersFolders) {
    TProgramFolders folders{"/usr/bin/tintora", "/home/u/.config", "/home/u/.cache",
                            "/usr/share/tintora", false};
    const TProgramFiles files = ResolveProgramFiles(folders);
    EXPECT_EQ(files.SettingsFile, "/home/u/.config/tintora/tintora.INI");
    EXPECT_EQ(files.PreviewFile, "/home/u/.cache/tintora/tintora.html");
    EXPECT_EQ(files.SeedFiles.front(), "/usr/bin/tintora.IN0");
}

class SeedFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tintora-seed-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        files_.SettingsFile = (dir_ / "cfg" / "tintora.INI").string();
        files_.SeedFiles = {(dir_ / "a.IN0").string(), (dir_ / "b.IN0").string()};
    }
    void TearDown() override { fs::remove_all(dir_); }
    static void Write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text;
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
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

TEST_F(SeedFile, NoSeedMeansNoFile) {
    EXPECT_FALSE(SeedSettingsFile(files_));
    EXPECT_FALSE(fs::exists(files_.SettingsFile));
}

} // namespace
} // namespace tintora
