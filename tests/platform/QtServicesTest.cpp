// The Qt forms of what the program hands its platform services.

#include "platform/QtFileChooser.h"
#include "platform/QtTranslations.h"
#include "platform/QtUserPrompts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

namespace tintora {
namespace {

TEST(QtFileFilter, PairsBecomeQtEntriesWithSpaceSeparatedPatterns) {
    const struct {
        const char* name;
        const char* filter;
        const char* qt;
    } rows[] = {
        {"two entries", "HTML文書|*.html;*.htm|すべてのファイル|*.*",
         "HTML文書 (*.html *.htm);;すべてのファイル (*)"},
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

// The platform's own dialogs, such as the template name box, speak the program's language.
TEST(QtTranslations, StandardButtonsSpeakJapanese) {
    QTranslator* japanese = InstallQtTranslations(qApp);
    ASSERT_NE(japanese, nullptr);
    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    QCoreApplication::removeTranslator(japanese);
    delete japanese;
}

TEST(PromptText, ALoneCarriageReturnBreaksTheLine) {
    EXPECT_EQ(PromptText("a\rb\r\nc\nd"), "a\nb\nc\nd");
}

} // namespace
} // namespace tintora
