// The Qt forms of what the program hands its platform services.

#include "platform/QtFileChooser.h"
#include "platform/QtUserPrompts.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(QtFileFilter, PairsBecomeQtEntriesWithSpaceSeparatedPatterns) {
    const struct {
        const char* name;
        const char* filter;
        const char* qt;
    } rows[] = {
        {"two entries", "HTML文書|*.html;*.htm|すべてのファイル|*.*",
         "HTML文書 (*.html *.htm);;すべてのファイル (*.*)"},
        {"description with its own patterns", "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp", "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp) (*.bmp)"},
        {"no patterns", "全て|", "全て (*)"},
        {"a description without its pair is dropped", "実行ファイル|*.exe|余り",
         "実行ファイル (*.exe)"},
        {"empty", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(QtFileFilter(row.filter), QString::fromUtf8(row.qt)) << row.name;
    }
}

TEST(PromptText, ALoneCarriageReturnBreaksTheLine) {
    EXPECT_EQ(PromptText("a\rb\r\nc\nd"), "a\nb\nc\nd");
}

} // namespace
} // namespace tintora
