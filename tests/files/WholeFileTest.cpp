#include "files/WholeFile.h"

#include "files/UserFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {
namespace {

namespace fs = std::filesystem;

constexpr uid_t nobody = 65534;

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tintora-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Sets a file's modification time this many seconds from now.
    static void Age(const fs::path& path, int seconds) {
        const timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) + seconds, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    }

    fs::path dir_;
};

TEST_F(WholeFileTest, ReadTellsAMissingFileFromOneThatCannotBeRead) {
    Write(dir_ / "plain", "a\r\nb");
    ASSERT_EQ(mkfifo((dir_ / "fifo").c_str(), 0600), 0);
    const struct {
        const char* name;
        TReadStatus status;
        const char* bytes;
    } rows[] = {
        {"plain", TReadStatus::rsRead, "a\r\nb"},
        {"missing", TReadStatus::rsMissing, ""},
        {"missing/below", TReadStatus::rsMissing, ""},
        {"fifo", TReadStatus::rsFailed, ""}, // must not hang waiting for a writer
        {".", TReadStatus::rsFailed, ""},
    };
    for (const auto& row : rows) {
        const TFileContents contents = ReadWholeFile((dir_ / row.name).string());
        EXPECT_EQ(contents.Status, row.status) << row.name;
        EXPECT_EQ(contents.Bytes, row.bytes) << row.name;
    }
}

// Another user who can write in the folder could plant a link in the file's place.
TEST_F(WholeFileTest, AFolderAnotherUserCanWriteInIsRefused) {
    const struct {
        const char* name;
        mode_t mode;
        bool ownedByOther;
    } rows[] = {
        {"writable by all", 0777, false},
        {"shared like the temp folder", 01777, false},
        {"owned by another user", 0755, true},
    };
    for (const auto& row : rows) {
        const fs::path folder = dir_ / row.name;
        fs::create_directory(folder);
        ASSERT_EQ(chmod(folder.c_str(), row.mode), 0);
        if (row.ownedByOther) {
            ASSERT_EQ(chown(folder.c_str(), geteuid() == nobody ? 0 : nobody, -1), 0);
        }
        const std::string file = (folder / "tintora.INI").string();
        try {
            ReplaceWholeFile(file, "x");
            ADD_FAILURE() << row.name << ": written";
        } catch (const EFileWriteError& e) {
            EXPECT_EQ(e.what(), file + " に書き込めません") << row.name;
        }
        EXPECT_TRUE(fs::is_empty(folder)) << row.name;
    }
}

// A write killed between creating its temporary file and the rename leaves the file behind.
TEST_F(WholeFileTest, TemporaryFilesOfKilledWritesAreRemoved) {
    const bool root = geteuid() == 0;
    const struct {
        const char* name;
        int age;
        bool othersFile;
        bool stays;
    } rows[] = {
        {".tintora.INI.a1B2c3", -60, false, false},
        {".tintora.INI.Zz9yX8", 3600, false, true}, // newer than us: another copy writing now
        {".tintora.INI.oThEr1", -60, true, true},
        {".tintora.INI.a1B2c", -60, false, true}, // not our pattern
        {".tintora.INI.a1-2c3", -60, false, true},
        {".other.INI.a1B2c3", -60, false, true},
        {"tintora.INI.a1B2c3", -60, false, true},
    };
    for (const auto& row : rows) {
        Write(dir_ / row.name, "left");
        Age(dir_ / row.name, row.age);
        if (row.othersFile && root) {
            ASSERT_EQ(chown((dir_ / row.name).c_str(), nobody, nobody), 0);
        }
    }
    fs::create_symlink("elsewhere", dir_ / ".tintora.INI.lInK00");
    fs::create_directory(dir_ / ".tintora.INI.fOlDeR");
    Age(dir_ / ".tintora.INI.fOlDeR", -60);

    ReplaceWholeFile((dir_ / "tintora.INI").string(), "new");
    for (const auto& row : rows) {
        if (!row.othersFile || root) {
            EXPECT_EQ(fs::exists(dir_ / row.name), row.stays) << row.name;
        }
    }
    EXPECT_TRUE(fs::is_symlink(dir_ / ".tintora.INI.lInK00"));
    EXPECT_TRUE(fs::is_directory(dir_ / ".tintora.INI.fOlDeR"));
}

TEST_F(WholeFileTest, UserFoldersAreMadePrivate) {
    const fs::path folder = dir_ / "config" / "tintora";
    const mode_t oldMask = umask(0);
    const bool created = CreateUserFolder(folder.string());
    umask(oldMask);
    ASSERT_TRUE(created);
    for (const fs::path& made : {dir_ / "config", folder}) {
        struct stat st {};
        ASSERT_EQ(stat(made.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0700u) << made;
    }
    EXPECT_TRUE(IsTrustedFolder(folder.string()));
}

} // namespace
} // namespace tintora
