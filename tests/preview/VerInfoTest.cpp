#include "preview/VerInfo.h"

#include "PeFiles.h"
#include "TempDir.h"
#include "fakes/FakeServices.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

class VerInfoTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return dir_.Write(name, bytes);
    }

    test::TTempDir dir_;
    TFakeProcessStarter processes_;
};

TEST_F(VerInfoTest, ReadsThePeVersionResource) {
    for (const bool pe32Plus : {false, true}) {
        const std::string exe =
            Write("a.exe",
                  test::PeFileWithVersionBlock(test::VersionBlockWith(" 4.08 ", true), pe32Plus));
        const TVerInfo info(exe, processes_);
        EXPECT_EQ(info.Language(), "0411");
        EXPECT_EQ(info.CodePage(), "03A4");
        EXPECT_EQ(info.GetProductVersion(), "4.08");
        EXPECT_EQ(info.GetMajorVersion(), "4");
        // Keys are found whatever their case; values lose blanks and control characters.
        EXPECT_EQ(info.GetValue("\\StringFileInfo\\041103A4\\CompanyName"), "Maker");
        EXPECT_THROW(info.GetValue("\\StringFileInfo\\041103A4\\FileVersion"), EVerInfo);
    }
}

TEST_F(VerInfoTest, FailsWithoutVersionInformation) {
    const std::string noTable =
        Write("b.exe", test::PeFileWithVersionBlock(test::VersionBlockWith("4.0", false)));
    EXPECT_THROW(TVerInfo(noTable, processes_), EVerInfo);
    EXPECT_THROW(TVerInfo((dir_.Path() / "missing").string(), processes_), EVerInfo);
    EXPECT_THROW(TVerInfo(Write("c.exe", "MZ"), processes_), EVerInfo);
}

TEST_F(VerInfoTest, OtherProgramsTellTheirVersion) {
    const std::string firefox = Write("firefox", "#!/bin/sh\n");
    processes_.Output = "Mozilla Firefox 115.3.0esr\n";
    const TVerInfo info(firefox, processes_);
    EXPECT_EQ(info.GetProductVersion(), "115.3.0");
    EXPECT_EQ(info.GetMajorVersion(), "115");

    const std::string silent = Write("silent", "#!/bin/sh\n");
    processes_.Output = "no number here 1. 2\n";
    EXPECT_THROW(TVerInfo(silent, processes_), EVerInfo);
    const std::string hung = Write("hung", "#!/bin/sh\n");
    processes_.Output = std::nullopt;
    EXPECT_THROW(TVerInfo(hung, processes_), EVerInfo);
}

TEST(VersionTextTest, VersionPart) {
    struct TRow {
        const char* version;
        int index;
        const char* part;
    } rows[] = {
        {"4.08", 0, "4"},
        {" 3 .01", 0, "3"},
        {"1.2.3.4.5", 3, "4"},
        {"1.2.3.4.5", 2, "3"},
        {"12345678901.2", 0, "1234567890"},
        {"1.2", 2, ""},
        {"1.2", 4, ""},
        {"", 0, ""},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(TVerInfo::VersionPart(row.version, row.index), row.part)
            << row.version << " #" << row.index;
    }
}

TEST(VersionTextTest, FirstDottedVersion) {
    EXPECT_EQ(FirstDottedVersion("Chromium 156.0.8078.129 built on Debian 12"), "156.0.8078.129");
    EXPECT_EQ(FirstDottedVersion("v2 build 10.4a"), "10.4");
    EXPECT_EQ(FirstDottedVersion("12. 3.x 4"), "");
}

} // namespace
} // namespace tintora
