// The whole-number field with arrows: reading and clamping its number, what typing, pasting and
// the arrows may change, the arrows' auto-repeat on a hand-moved timer, and where the arrows sit.

#include "widgets/QvSpinEdit.h"

#include "fakes/FakeTimers.h"
#include "widgets/SpinButton.h"
#include "widgets/TimerSpeedButton.h"

#include <gtest/gtest.h>
#include <ostream>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tintora {
namespace {

class QvSpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.resize(200, 80);
        edit_ = new TQvSpinEdit(timers_, &window_);
        edit_->setGeometry(10, 10, 80, 24);
        edit_->SetBeep([this] { ++beeps_; });
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    void Focus(Qt::FocusReason reason) {
        QFocusEvent event(QEvent::FocusIn, reason);
        QApplication::sendEvent(edit_, &event);
    }
    void Leave() {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit_, &event);
    }
    void ClickArrow(TTimerSpeedButton* arrow) { QTest::mouseClick(arrow, Qt::LeftButton); }

    TFakeTimerSource timers_; // outlives the field and its timers
    QWidget window_;
    TQvSpinEdit* edit_ = nullptr;
    int beeps_ = 0;
};

TEST_F(QvSpinEditTest, ReadsItsTextAsANumberOrTheMinimum) {
    edit_->SetMinValue(3);
    edit_->SetMaxValue(9);
    const struct {
        const char* text;
        int value;
    } rows[] = {{"", 3}, {"abc", 3}, {"$1F", 31}, {" -5", -5}, {"7", 7}};
    for (const auto& row : rows) {
        edit_->setText(row.text);
        EXPECT_EQ(edit_->Value(), row.value) << row.text;
    }
    EXPECT_EQ(TQvSpinEdit(timers_).text(), "0");
}

TEST_F(QvSpinEditTest, EqualEndsMeanNoRange) {
    edit_->SetValue(-7);
    EXPECT_EQ(edit_->text(), "-7");
    QTest::keyClick(edit_, Qt::Key_Down);
    EXPECT_EQ(edit_->Value(), -8);
    edit_->setText("123456");
    Leave();
    EXPECT_EQ(edit_->text(), "123456");
}

TEST_F(QvSpinEditTest, ARangeHoldsStepsAndTypedNumbers) {
    edit_->SetMinValue(1);
    edit_->SetMaxValue(10);
    edit_->SetValue(10);
    ClickArrow(edit_->Button()->UpButton());
    QTest::keyClick(edit_, Qt::Key_Up);
    EXPECT_EQ(edit_->text(), "10");

    edit_->clear();
    QTest::keyClicks(edit_, "25");
    EXPECT_EQ(edit_->text(), "25"); // held only once the user leaves
    Leave();
    EXPECT_EQ(edit_->text(), "10");

    // A text that is no number reads as the minimum, which needs no clamping: it stays as typed.
    edit_->setText("-");
    Leave();
    EXPECT_EQ(edit_->text(), "-");
}

TEST_F(QvSpinEditTest, TypingTakesOnlyNumberCharacters) {
    edit_->clear();
    QTest::keyClicks(edit_, "1a2");
    EXPECT_EQ(edit_->text(), "12");
    EXPECT_EQ(beeps_, 1);
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_EQ(beeps_, 1); // Enter is refused without a sound
}

TEST_F(QvSpinEditTest, AReadOnlyFieldOnlyBeeps) {
    edit_->setReadOnly(true);
    edit_->SetValue(4);
    ClickArrow(edit_->Button()->UpButton());
    ClickArrow(edit_->Button()->DownButton());
    QTest::keyClick(edit_, Qt::Key_Up);
    QTest::keyClick(edit_, Qt::Key_Down);
    EXPECT_EQ(edit_->text(), "4");
    EXPECT_EQ(beeps_, 4);
}

TEST_F(QvSpinEditTest, WithoutTheEditorOnlyTheArrowsChangeTheNumber) {
    edit_->SetEditorEnabled(false);
    edit_->SetValue(5);
    edit_->end(false);
    QTest::keyClicks(edit_, "7");
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(beeps_, 2);
    QApplication::clipboard()->setText("99");
    edit_->selectAll();
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit_, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(edit_, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit_->text(), "5");

    ClickArrow(edit_->Button()->UpButton());
    QTest::keyClick(edit_, Qt::Key_Up);
    EXPECT_EQ(edit_->text(), "7");
}

TEST_F(QvSpinEditTest, HeldArrowRepeatsAfterTheFirstPause) {
    edit_->SetValue(0);
    TTimerSpeedButton* up = edit_->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    timers_.Advance(399);
    EXPECT_EQ(edit_->Value(), 0);
    timers_.Advance(1);
    EXPECT_EQ(edit_->Value(), 1);
    timers_.Advance(100);
    EXPECT_EQ(edit_->Value(), 2);
    QTest::mouseRelease(up, Qt::LeftButton); // released over the arrow: one more
    EXPECT_EQ(edit_->Value(), 3);
    timers_.Advance(1000);
    EXPECT_EQ(edit_->Value(), 3);
    EXPECT_EQ(timers_.Made, 1);

    // The next press waits the full first pause again.
    QTest::mousePress(up, Qt::LeftButton);
    timers_.Advance(100);
    EXPECT_EQ(edit_->Value(), 3);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(edit_->Value(), 4);
}

TEST_F(QvSpinEditTest, PressingAnArrowFocusesTheFieldWithoutSelecting) {
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    edit_->SetValue(12);
    auto* other = new QLineEdit(&window_);
    other->show();
    other->setFocus();
    QTest::mousePress(edit_->Button()->DownButton(), Qt::LeftButton);
    EXPECT_TRUE(edit_->hasFocus());
    QTest::mouseRelease(edit_->Button()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(edit_->text(), "11");
    EXPECT_FALSE(edit_->hasSelectedText());

    edit_->deselect();
    Focus(Qt::OtherFocusReason);
    EXPECT_EQ(edit_->selectedText(), "11");
    edit_->SetAutoSelect(false);
    edit_->deselect();
    Focus(Qt::ActiveWindowFocusReason);
    EXPECT_FALSE(edit_->hasSelectedText());
}

TEST_F(QvSpinEditTest, DisablingTheFieldDisablesItsArrows) {
    edit_->setEnabled(false);
    EXPECT_FALSE(edit_->Button()->UpButton()->isEnabled());
    EXPECT_FALSE(edit_->Button()->DownButton()->isEnabled());
    edit_->setEnabled(true);
    EXPECT_TRUE(edit_->Button()->UpButton()->isEnabled());
    EXPECT_TRUE(edit_->Button()->DownButton()->isEnabled());
}

TEST_F(QvSpinEditTest, ArrowsSitAtTheRightEdgeBesideTheText) {
    edit_->resize(90, 3);
    EXPECT_GE(edit_->height(), edit_->MinHeight());
    const QRect arrows = edit_->Button()->geometry();
    EXPECT_EQ(arrows.width(), 15);
    EXPECT_LE(arrows.right(), edit_->width() - 1);
    EXPECT_GE(arrows.right(), edit_->width() - 4);
    EXPECT_GE(arrows.top(), 0);
    EXPECT_LE(arrows.bottom(), edit_->height() - 1);
    EXPECT_GE(edit_->textMargins().right(), arrows.width());
}

TEST(SpinButtonTest, SplitsItsHeightAndKeepsItsMinimumWidth) {
    TFakeTimerSource timers;
    TSpinButton button(timers);
    EXPECT_EQ(button.size(), QSize(20, 25));
    button.resize(10, 25);
    button.show();
    EXPECT_EQ(button.width(), 15);
    EXPECT_EQ(button.UpButton()->geometry(), QRect(0, 0, 15, 12));
    EXPECT_EQ(button.DownButton()->geometry(), QRect(0, 12, 15, 13));
}

TEST(SpinButtonTest, DefaultArrowsAreSmallBlackTriangles) {
    TSpinButton button;
    const QImage up = button.UpGlyph().toImage();
    const QImage down = button.DownGlyph().toImage();
    ASSERT_EQ(up.size(), QSize(8, 4));
    // One row of text per image row, "#" for black.
    auto rows = [](const QImage& image) {
        QStringList lines;
        for (int y = 0; y < image.height(); ++y) {
            QString line;
            for (int x = 0; x < image.width(); ++x) {
                line +=
                    qAlpha(image.pixel(x, y)) == 255 && qGray(image.pixel(x, y)) == 0 ? '#' : '.';
            }
            lines << line;
        }
        return lines;
    };
    EXPECT_EQ(rows(up), QStringList({"...#....", "..###...", ".#####..", "........"}));
    EXPECT_EQ(rows(down), QStringList({".#####..", "..###...", "...#....", "........"}));

    button.SetUpGlyph(QPixmap(6, 6));
    button.SetUpGlyph(QPixmap());
    EXPECT_EQ(rows(button.UpGlyph().toImage()), rows(up));
}

TEST(SpinButtonTest, KeysClickTheArrows) {
    TFakeTimerSource timers;
    TSpinButton button(timers);
    int ups = 0;
    int downs = 0;
    QObject::connect(&button, &TSpinButton::OnUpClick, [&] { ++ups; });
    QObject::connect(&button, &TSpinButton::OnDownClick, [&] { ++downs; });
    QTest::keyClick(&button, Qt::Key_Up);
    QTest::keyClick(&button, Qt::Key_Down);
    QTest::keyClick(&button, Qt::Key_Space); // the active arrow is the up arrow at first
    EXPECT_EQ(ups, 2);
    EXPECT_EQ(downs, 1);
}

} // namespace
} // namespace tintora
