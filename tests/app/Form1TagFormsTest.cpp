// The span and CSS gradient copies and the contrast check, as the menu and the keyboard reach them.

#include "Form1Probe.h"
#include "app/FormContrast.h"
#include "widgets/HsxPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace tintora {
namespace {

class TagForms : public TForm1Test {
protected:
    void ShowPages() {
        p().btnShowExt()->click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(form_.get(), key, modifiers);
    }
    std::string Clipboard() const { return fakes_.Clipboard.Text(); }
    QStringList TagMenuCaptions() const {
        QStringList captions;
        for (const QAction* action : p().mcTag()->actions()) {
            captions << action->text();
        }
        return captions.mid(0, 6);
    }
};

TEST_F(TagForms, TheCopiesSitAfterTheFontCopyAndAnswerTheirKeys) {
    ShowPages();
    EXPECT_EQ(TagMenuCaptions(),
              (QStringList{"fontタグをコピー(&C)", "spanタグでコピー(&S)",
                           "CSSグラデーションでコピー(&G)", "bodyタグをコピー(&C)...",
                           "コントラストを確認(&K)...", ""}));
    p().EditGrd()->setText("A<");
    p().btnGtTwo()->click();
    Press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "<span style=\"color:#ff0000\">A</span>"
                           "<span style=\"color:#0000ff\">&lt;</span>");
    Press(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "<span style=\"color:#ff0000;background-image:linear-gradient(to "
                           "right,#ff0000,#0000ff);-webkit-background-clip:text;background-clip:"
                           "text;-webkit-text-fill-color:transparent\">A&lt;</span>");
    // The FONT copy keeps its key.
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "<font color=\"#ff0000\">A</font><font color=\"#0000ff\">&lt;</font>");
}

TEST_F(TagForms, TheLivePreviewTakesTheSpanFormWhenChosen) {
    fakes_.LiveBrowser.Targets = {{"a", "page", "file:///a.html", "ws://a"}};
    fakes_.LiveBrowser.Answers["a"] = {TScriptResult::TKind::skReturned, "updated"};
    ShowPages();
    p().EditGrd()->setText("AB");
    p().btnGtTwo()->click();
    p().miUseSpanTag()->trigger();
    p().miPerformDynPreview()->trigger();
    fakes_.LiveBrowser.Pump();
    ASSERT_EQ(fakes_.LiveBrowser.Calls.size(), 1u);
    EXPECT_EQ(fakes_.LiveBrowser.LastArgs[0],
              "<span style=\"color:#ff0000\">A</span><span style=\"color:#0000ff\">B</span>");
}

TEST_F(TagForms, TheBodyPageHidesOnlyTheFontCopy) {
    ShowPages();
    p().EditGrd()->setText("AB");
    p().btnGtTwo()->click();
    p().PageCtrl()->setCurrentWidget(p().tsBody());
    p().mcTagClick();
    const QList<QAction*> items = p().mcTag()->actions().mid(0, 5);
    const bool shown[] = {false, true, true, true, true}; // font, span, CSS, body, contrast
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->isVisible(), shown[i]) << items[i]->text().toStdString();
        EXPECT_EQ(items[i]->isEnabled(), shown[i]) << items[i]->text().toStdString();
    }
    Press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(),
              "<span style=\"color:#ff0000\">A</span><span style=\"color:#0000ff\">B</span>");
}

TEST_F(TagForms, TheContrastCheckFollowsColoursAndPagesAndClosesWithEscape) {
    ShowPages();
    p().PageCtrl()->setCurrentWidget(p().tsBody());
    Press(Qt::Key_K, Qt::ControlModifier);
    TFormContrast* dialog = p().contrast();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->Rows[1].Ratio->text(), "8.59:1"); // link blue on white

    // The text swatch is pressed: the selected colour goes there.
    form_->ChangeColor(MakeColor(0x77, 0x77, 0x77));
    EXPECT_EQ(dialog->Rows[0].Ratio->text(), "4.48:1");
    EXPECT_EQ(dialog->Rows[0].Verdicts[0]->text(), "×");
    EXPECT_EQ(dialog->Rows[0].Verdicts[2]->text(), "○");

    p().PageCtrl()->setCurrentWidget(p().tsFont());
    EXPECT_TRUE(dialog->LabelCount->text().startsWith("4.5:1 未満の文字:"));
    EXPECT_FALSE(dialog->Rows[1].Ratio->isVisible());

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    Press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(dialog->isVisible());
    p().btnShowExt()->click(); // the tag pages go, and the check with them
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
} // namespace tintora
