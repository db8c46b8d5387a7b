// Finding the help document the help file name stands for.

#include "platform/HelpFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintora {
namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(HelpDocumentName, TheHelpFilesBaseName) {
    EXPECT_EQ(HelpDocumentName("tintora.hlp"), "tintora-help.html");
    EXPECT_EQ(HelpDocumentName("/opt/tintora/tintora.hlp"), "tintora-help.html");
    EXPECT_EQ(HelpDocumentName("readme"), "readme-help.html");
}

TEST(FindHelpDocument, FirstFolderThatHoldsIt) {
    QTemporaryDir beside, installed;
    const QString empty = QDir(beside.path()).filePath("empty");
    ASSERT_TRUE(QDir().mkpath(empty));
    Touch(installed.filePath("tintora-help.html"));

    EXPECT_EQ(FindHelpDocument("tintora.hlp", {"", empty, installed.path()}),
              installed.filePath("tintora-help.html"));
    Touch(beside.filePath("tintora-help.html"));
    EXPECT_EQ(FindHelpDocument("tintora.hlp", {beside.path(), installed.path()}),
              beside.filePath("tintora-help.html"));
    EXPECT_EQ(FindHelpDocument("tintora.hlp", {empty}), "");
    EXPECT_EQ(FindHelpDocument("other.hlp", {beside.path(), installed.path()}), "");

    // A folder of that name is no document.
    ASSERT_TRUE(QDir(empty).mkdir("tintora-help.html"));
    EXPECT_EQ(FindHelpDocument("tintora.hlp", {empty}), "");
}

TEST(ShowHelpContents, AMissingDocumentIsReported) {
    QTemporaryDir installed;
    try {
        ShowHelpContents("nothing-here.hlp", installed.path());
        FAIL() << "no error";
    } catch (const EHelpFile& error) {
        EXPECT_EQ(std::string(error.what()),
                  "ヘルプファイル nothing-here-help.html が見つかりません。");
    }
}

} // namespace
} // namespace tintora
