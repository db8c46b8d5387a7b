// The tag pages and colour commands of the real main window: what reaches the clipboard, what
// the commands do to the swatches, and templates kept across a restart.

#include "Form1Probe.h"
#include "widgets/ColorPanel.h"
#include "widgets/HsxPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace tintora {
namespace {

using TShown = TFakeUserPrompts::TShown;

class TagPages : public TForm1Test {
protected:
    // Closes the window the normal way, which writes the settings file, and starts a new one.
    void Restart() {
        p().Close();
        form_.reset();
        Start();
    }

    std::string Clipboard() const { return fakes_.Clipboard.Text(); }
};

TEST_F(TagPages, ThePlainCopyFollowsTheValueCaseAndTheSharpOption) {
    p().miCopyClick();
    EXPECT_EQ(Clipboard(), "ff0000");
    p().settings().AddSharp = true;
    form_->SetCharCase(TCaseKind::ckValue, TCharCaseMode::ccUpper);
    p().miCopyClick();
    EXPECT_EQ(Clipboard(), "#FF0000");
    EXPECT_EQ(p().EditRGB()->text(), "FF0000");
}

TEST_F(TagPages, CopyFormatCaptionsShowWhatAClickCopies) {
    p().pmCopyFmtPopup(p().pmCopyFmt());
    const QList<QAction*> entries = p().pmCopyFmt()->actions();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries[0]->text(), "color=\"#ff0000\"");
    EXPECT_TRUE(entries[5]->isSeparator());
    EXPECT_EQ(entries[0]->toolTip(), "COLOR=\"#%s\"");
    p().mcCopyFmtClick(1);
    EXPECT_EQ(Clipboard(), "bgcolor=\"#ff0000\"");

    form_->SetCharCase(TCaseKind::ckAttribute, TCharCaseMode::ccUpper);
    p().pmCopyFmtPopup(p().mcCopyFmt());
    EXPECT_EQ(p().mcCopyFmt()->actions()[0]->text(), "COLOR=\"#ff0000\"");
    form_->SetCharCase(TCaseKind::ckAttribute, TCharCaseMode::ccInitialUpper);
    p().mcCopyFmtClick(9);
    EXPECT_EQ(Clipboard(), "Vlink=\"#ff0000\"");
}

TEST_F(TagPages, ARightClickOnTheCopyButtonOpensTheFormats) {
    QTest::mouseClick(p().btnCopy(), Qt::RightButton);
    EXPECT_TRUE(p().pmCopyFmt()->isVisible());
    p().pmCopyFmt()->close();
    EXPECT_EQ(Clipboard(), "");
}

TEST_F(TagPages, WebFittingNegativeAndRandom) {
    form_->ChangeColor(MakeColor(26, 26, 26));
    p().FitWebColor();
    EXPECT_EQ(form_->SelectedColor(), MakeColor(0x33, 0x33, 0x33));
    form_->ChangeColor(MakeColor(25, 25, 25));
    p().FitWebColor();
    EXPECT_EQ(form_->SelectedColor(), MakeColor(0, 0, 0));

    form_->ChangeColor(MakeColor(1, 2, 3));
    p().miNegaClick();
    EXPECT_EQ(form_->SelectedColor(), MakeColor(254, 253, 252));
    p().miNegaClick();
    EXPECT_EQ(form_->SelectedColor(), MakeColor(1, 2, 3));
}

TEST_F(TagPages, TheFontTagOfTheExampleReachesTheClipboard) {
    p().btnShowExt()->click();
    p().EditGrd()->setText("AB");
    p().btnGtTwo()->click();
    p().pnlEnd()->SetColor(MakeColor(0, 0, 255));
    p().ComboFontSize()->setCurrentIndex(p().ComboFontSize()->findText("+1"));
    p().comboFontFace()->setEditText("MS ゴシック");
    p().btnBold()->click();
    p().miCopyFontClick();
    EXPECT_EQ(Clipboard(), "<b><font size=\"+1\" face=\"MS ゴシック\"><font color=\"#ff0000\">A"
                           "</font><font color=\"#0000ff\">B</font></font></b>");
}

TEST_F(TagPages, AnEmptyTextIsReportedAndStillCopied) {
    p().EditGrd()->clear();
    p().btnGtNone()->click();
    p().miCopyFontClick();
    EXPECT_EQ(fakes_.Prompts.Shown,
              (std::vector<TShown>{TShown{"information", "", "テキストが設定されていません。"}}));
    EXPECT_EQ(Clipboard(), "<font color=\"#ff0000\"></font>");
}

TEST_F(TagPages, ChoosingOneColourWhileTheEndSwatchIsPressedPressesTheBackground) {
    p().pnlEnd()->SetDown(true);
    p().btnGtNone()->click();
    EXPECT_TRUE(p().pnlEnd()->isHidden());
    EXPECT_TRUE(p().pnlBack()->Down());
    EXPECT_EQ(form_->SelectedColor(), MakeColor(0, 0, 0));
}

// A shortcut obeys the enabling rule of its menu at the moment it is pressed, menu opened or not:
// F8 swaps only for two colours, three colours and the wave, and the tag menu's shortcuts do
// nothing while the tag pages are hidden.
TEST_F(TagPages, ShortcutsObeyTheirMenusRuleWhenPressed) {
    const auto press = [this](QKeyCombination key) {
        QTest::keyClick(p().EditRGB(), key.key(), key.keyboardModifiers());
    };
    const auto swapped = [this] { return p().pnlStart()->Color() == MakeColor(0, 0, 255); };
    press(Qt::CTRL | Qt::Key_F);
    EXPECT_EQ(Clipboard(), "") << "tag pages hidden";

    p().btnShowExt()->click();
    p().btnGtNone()->click();
    press(QKeyCombination(Qt::Key_F8));
    EXPECT_FALSE(swapped()) << "one colour";
    p().btnGtThree()->click(); // shows the end swatch with the start colour
    p().pnlEnd()->SetColor(MakeColor(0, 0, 255));
    press(QKeyCombination(Qt::Key_F8));
    EXPECT_TRUE(swapped()) << "three colours";
}

TEST_F(TagPages, SwapAndUnify) {
    p().miSwapClick();
    EXPECT_EQ(p().pnlStart()->Color(), MakeColor(0, 0, 255));
    EXPECT_EQ(p().pnlEnd()->Color(), MakeColor(255, 0, 0));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(0, 0, 255)); // pnlStart is the pressed one

    // On the BODY page, unifying the luminance leaves the background and the pressed swatch.
    p().PageCtrl()->setCurrentWidget(p().tsBody());
    form_->ChangeColor(EslBytesToColor(PackEslBytes(0, 240, 60)));
    const TColor bg = p().pnlBgcolor()->Color();
    const TColor pressed = p().pnlText()->Color();
    p().miUnifyClick(503);
    EXPECT_EQ(p().pnlBgcolor()->Color(), bg);
    EXPECT_EQ(p().pnlText()->Color(), pressed);
    EXPECT_NEAR(ColorToFineEsl(p().pnlLink()->Color()).lum, 900, 20);
}

TEST_F(TagPages, StayOnTopKeepsTheColourAndTheFontSize) {
    form_->ChangeColor(MakeColor(10, 20, 30));
    p().ComboFontSize()->setCurrentIndex(2);
    p().miStayOnTopClick();
    EXPECT_TRUE(p().miStayOnTop()->isChecked());
    EXPECT_TRUE(form_->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form_->SelectedColor(), MakeColor(10, 20, 30));
    EXPECT_EQ(p().ComboFontSize()->currentIndex(), 2);
    p().miStayOnTopClick();
    EXPECT_FALSE(form_->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(TagPages, TheBodyTagIsCopiedWithoutTheDialogWhenAsked) {
    p().settings().NoAskBodyAttrib = true;
    p().settings().DefBodyAttrib = 1 | 4;
    p().btnCopyBodyClick();
    EXPECT_EQ(Clipboard(), "<body bgcolor=\"#ffffff\" link=\"#0000ff\">");
}

TEST_F(TagPages, TheBodyDialogCopiesWhatItShows) {
    answerDialog_ = [](QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == "コピー") {
                button->click();
            }
        }
        return dialog.result();
    };
    p().btnCopyBodyClick();
    EXPECT_EQ(Clipboard(), "<body bgcolor=\"#ffffff\" text=\"#ff0000\" link=\"#0000ff\" "
                           "vlink=\"#800080\" alink=\"#ff0000\">");
}

// Saves the page under `name`, the answer to the name prompt.
void SaveTemplate(TForm1Probe p, TFakeServices& fakes, const std::string& name) {
    fakes.Prompts.TextAnswers.push_back(name);
    p.miSaveTemplateClick();
}

TEST_F(TagPages, TemplatesAreSavedAppliedAndKeptAcrossARestart) {
    p().btnShowExt()->click();
    p().btnGtWave()->click();
    p().EditWave()->setText("200");
    p().pnlEnd()->SetColor(MakeColor(0, 0, 255));
    p().btnBold()->click();
    SaveTemplate(p(), fakes_, "wave1");
    ASSERT_EQ(p().comboFontTemplate()->count(), 1);
    EXPECT_EQ(p().comboFontTemplate()->currentText(), "wave1");

    // A name that differs only in case asks before it overwrites; "No" keeps the old one.
    fakes_.Prompts.YesNoAnswers.push_back(false);
    SaveTemplate(p(), fakes_, "WAVE1");
    EXPECT_EQ(p().comboFontTemplate()->count(), 1);
    EXPECT_EQ(fakes_.Prompts.TextInitials, (std::vector<std::string>{"", "wave1"}));
    EXPECT_EQ(fakes_.Prompts.Shown.back(),
              (TShown{"question", "確認 - Tintora",
                      "テンプレート名 'WAVE1' はすでに存在します。\r上書きしますか？"}));

    Restart();
    const std::string ini = [&] {
        QFile f(dir_.filePath("tintora.INI"));
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }();
    EXPECT_NE(ini.find("[TEMPLATE]\r\n1:Name=\"wave1\"\r\n1:Type=4\r\n1:C1=255\r\n"
                       "1:C3=16711680\r\n1:Wave=200\r\n1:Wave2=0\r\n1:CB=0\r\n1:Style=B\r\n"),
              std::string::npos)
        << ini;
    ASSERT_EQ(p().comboFontTemplate()->count(), 1);
    p().btnShowExt()->click();
    p().comboFontTemplate()->setCurrentIndex(0);
    p().comboFontTemplateChange();
    EXPECT_TRUE(p().btnGtWave()->isChecked());
    EXPECT_EQ(p().EditWave()->text(), "200");
    EXPECT_TRUE(p().btnBold()->isChecked());
    EXPECT_EQ(p().pnlEnd()->Color(), MakeColor(0, 0, 255));
}

TEST_F(TagPages, DeletingATemplateAsksAndLeavesThePageAsItIs) {
    p().btnShowExt()->click();
    p().btnGtWave()->click();
    SaveTemplate(p(), fakes_, "one");
    fakes_.Prompts.YesNoAnswers.push_back(true);
    p().miDelTemplateClick();
    EXPECT_EQ(p().comboFontTemplate()->count(), 0);
    EXPECT_EQ(p().comboFontTemplate()->currentIndex(), -1);
    EXPECT_TRUE(p().btnGtWave()->isChecked());
}

} // namespace
} // namespace tintora
