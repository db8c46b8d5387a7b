#include "settings/IniFile2.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {
namespace {

namespace fs = std::filesystem;

class IniFile2UpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tintora-ini-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
    }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static mode_t Mode(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0);
        return st.st_mode & 07777;
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    // The settings file exists and cannot be replaced: the write must fail, say so with the file
    // name, and leave the file's bytes and the folder as they were. Returns what went wrong.
    std::string RefusedAndUntouched(const std::string& path) const {
        const std::string before = ReadFile(path);
        const std::size_t entries = EntriesInFolder();
        TIniFile2 ini(path);
        ini.WriteString("OPTION", "UseHSV", "1");
        std::string fault;
        try {
            ini.UpdateFile();
            fault = "UpdateFile() replaced the file. ";
        } catch (const EFileWriteError& e) {
            if (e.what() != path + " に書き込めません" || e.FileName() != path) {
                fault += "message: " + std::string(e.what()) + ". ";
            }
        }
        if (ReadFile(path) != before) {
            fault += "file changed. ";
        }
        if (EntriesInFolder() != entries) {
            fault += "temporary file left behind. ";
        }
        return fault;
    }

    // Root passes every permission check, so a scenario about permissions runs as root in a child
    // process that has become an ordinary user owning the test folder.
    void RunWithoutRoot(const std::function<std::string()>& scenario) {
        if (geteuid() != 0) {
            EXPECT_EQ(scenario(), "");
            return;
        }
        constexpr uid_t nobody = 65534;
        for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
            ASSERT_EQ(lchown(entry.path().c_str(), nobody, nobody), 0);
        }
        ASSERT_EQ(chown(dir_.c_str(), nobody, nobody), 0);
        EXPECT_EXIT(
            {
                if (setgid(nobody) != 0 || setuid(nobody) != 0) {
                    std::fputs("cannot leave root", stderr);
                    std::_Exit(2);
                }
                const std::string fault = scenario();
                std::fputs(fault.c_str(), stderr);
                std::_Exit(fault.empty() ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }

    std::string dir_;
};

TEST_F(IniFile2UpdateTest, ReplacesTheFileInOneStepKeepingItsPermissions) {
    const std::string path = Path("tintora.INI");
    WriteFile(path, "[OPTION]\r\nUseHSV=0\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    TIniFile2 ini(path);
    ini.WriteBool("OPTION", "UseHSV", true);
    ini.UpdateFile();

    EXPECT_EQ(ReadFile(path), "[OPTION]\r\nUseHSV=1\r\n");
    EXPECT_EQ(Mode(path), 0640u);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_NE(st.st_ino, before.st_ino) << "written in place instead of renamed over";
    EXPECT_EQ(EntriesInFolder(), 1u) << "temporary file left behind";
}

TEST_F(IniFile2UpdateTest, CreatesAMissingFileWithTheUsualMode) {
    const std::string path = Path("new.INI");
    const mode_t oldMask = umask(027);
    TIniFile2 ini(path);
    ini.WriteInteger("WINDOW", "Top", 3);
    ini.UpdateFile();
    umask(oldMask);
    EXPECT_EQ(ReadFile(path), "[WINDOW]\r\nTop=3\r\n");
    EXPECT_EQ(Mode(path), 0640u);
}

// Also as root, which the system would let through: the user marked the file read-only.
TEST_F(IniFile2UpdateTest, ReadOnlyFileIsRefused) {
    const std::string path = Path("tintora.INI");
    WriteFile(path, "[OPTION]\r\nUseHSV=0\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(RefusedAndUntouched(path), "");
}

TEST_F(IniFile2UpdateTest, ReadOnlyFolderIsRefused) {
    const std::string path = Path("tintora.INI");
    WriteFile(path, "[OPTION]\r\nUseHSV=0\r\n");
    ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
    RunWithoutRoot([&] { return RefusedAndUntouched(path); });
}

TEST_F(IniFile2UpdateTest, MissingFolderIsRefused) {
    const std::string path = Path("gone/tintora.INI");
    TIniFile2 ini(path);
    ini.WriteInteger("WINDOW", "Top", 3);
    EXPECT_THROW(ini.UpdateFile(), EFileWriteError);
    EXPECT_FALSE(fs::exists(Path("gone")));
}

// Replacing a file that could not be read would throw away settings that were never seen.
TEST_F(IniFile2UpdateTest, FileThatCouldNotBeReadIsNotOverwritten) {
    const std::string path = Path("tintora.INI");
    WriteFile(path, "[OPTION]\r\nUseHSV=0\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0200), 0);
    RunWithoutRoot([&] { return RefusedAndUntouched(path); });
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(path), "[OPTION]\r\nUseHSV=0\r\n");
}

TEST_F(IniFile2UpdateTest, SymbolicLinkStaysAndItsTargetIsReplaced) {
    const std::string real = Path("real.INI");
    const std::string link = Path("tintora.INI");
    WriteFile(real, "[A]\r\nk=1\r\n");
    fs::create_symlink("real.INI", link);
    TIniFile2 ini(link);
    ini.WriteString("A", "k", "2");
    ini.UpdateFile();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "[A]\r\nk=2\r\n");
}

} // namespace
} // namespace tintora
