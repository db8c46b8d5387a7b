// The colour editor of the real main window, driven through its fields, bars and swatches.

#include "Form1Probe.h"
#include "widgets/ColorLookupComboBox.h"
#include "widgets/ColorPanel.h"
#include "widgets/GrdBar.h"
#include "widgets/GrdBarSet.h"
#include "widgets/HsxPanel.h"

#include <functional>
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace tintora {
namespace {

class ColorEditor : public TForm1Test {
protected:
    TColor Selected() const { return form_->SelectedColor(); }

    // Types into a field as the user does: focus, caret at the end, one key per character.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, text);
    }
    static void Retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(ColorEditor, StartsWithRedInTheHueSaturationLuminanceFields) {
    EXPECT_EQ(Selected(), MakeColor(255, 0, 0));
    EXPECT_EQ(p().EditRGB()->text(), "ff0000");
    EXPECT_EQ(p().EditEqu()->text(), "0");
    EXPECT_EQ(p().EditSat()->text(), "240");
    EXPECT_EQ(p().EditLum()->text(), "120");
    EXPECT_TRUE(p().pnlStart()->Down());
    EXPECT_EQ(p().pnlStart()->Color(), MakeColor(255, 0, 0));
    EXPECT_EQ(p().ColorLookup()->currentText(), "赤");
}

TEST_F(ColorEditor, AHueAboveTheRangeShowsTheLargestHueAndKeepsTheCaret) {
    QLineEdit* hue = p().EditEqu();
    Retype(hue, "250");
    EXPECT_EQ(hue->text(), "239");
    EXPECT_EQ(hue->cursorPosition(), 3);
    EXPECT_EQ(Selected(), EslBytesToColor(PackEslBytes(239, 240, 120)));
}

TEST_F(ColorEditor, AnEmptyFieldChangesNothingUntilADigitIsTyped) {
    QLineEdit* sat = p().EditSat();
    sat->setFocus();
    sat->selectAll();
    QTest::keyClick(sat, Qt::Key_Backspace);
    EXPECT_EQ(sat->text(), "");
    EXPECT_EQ(Selected(), MakeColor(255, 0, 0));
    QTest::keyClicks(sat, "0");
    EXPECT_EQ(sat->text(), "0");
    EXPECT_EQ(Selected(), EslBytesToColor(PackEslBytes(0, 0, 120)));
}

TEST_F(ColorEditor, LettersAreRefusedInTheNumberFields) {
    QLineEdit* lum = p().EditLum();
    Type(lum, "x");
    EXPECT_EQ(lum->text(), "120");
}

TEST_F(ColorEditor, InRgbModeAFieldAboveTheRangeSetsTheChannelTo255) {
    p().miGbmClick(p().btnGbmRGB());
    EXPECT_EQ(p().LabelEqu()->text(), "　赤(&E):");
    EXPECT_EQ(p().Panel1()->width(), 243);
    form_->ChangeColor(MakeColor(10, 20, 30));
    Retype(p().EditEqu(), "300");
    EXPECT_EQ(p().EditEqu()->text(), "255");
    EXPECT_EQ(Selected(), MakeColor(255, 20, 30));
}

TEST_F(ColorEditor, TheRgbFieldTakesAColourOnlyAtSixDigits) {
    QLineEdit* rgb = p().EditRGB();
    Retype(rgb, "12345");
    EXPECT_EQ(rgb->text(), "12345");
    EXPECT_EQ(Selected(), MakeColor(255, 0, 0));
    QTest::keyClicks(rgb, "6");
    EXPECT_EQ(Selected(), MakeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(p().EditEqu()->text(), QString::number(ColorToEslBytes(Selected()).Hue()));
    Type(rgb, "g");
    EXPECT_EQ(rgb->text(), "123456");
}

TEST_F(ColorEditor, SwitchingModesKeepsTheColourAndRewritesTheFields) {
    form_->ChangeColor(MakeColor(0x12, 0x34, 0x56));
    p().miGbmClick(p().btnGbmRGB());
    EXPECT_EQ(Selected(), MakeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(p().EditEqu()->text(), "18");
    EXPECT_EQ(p().EditSat()->text(), "52");
    EXPECT_EQ(p().EditLum()->text(), "86");
    p().miGbmClick(p().btnGbmESL());
    EXPECT_EQ(Selected(), MakeColor(0x12, 0x34, 0x56));
    const EslBytes e = ColorToEslBytes(Selected());
    EXPECT_EQ(p().EditEqu()->text(), QString::number(e.Hue()));
    EXPECT_EQ(p().EditLum()->text(), QString::number(e.Lum()));
}

TEST_F(ColorEditor, TheHsvScaleShowsDegreesAndPercent) {
    form_->SetUseHsv(true);
    EXPECT_EQ(p().btnGbmESL()->text(), "HSV");
    form_->ChangeColor(MakeColor(0xff, 0xcc, 0x00));
    EXPECT_EQ(p().EditEqu()->text(), "48");
    EXPECT_EQ(p().EditSat()->text(), "360");
    EXPECT_EQ(p().EditLum()->text(), "50");
    Retype(p().EditLum(), "150");
    EXPECT_EQ(p().EditLum()->text(), "100");
    EXPECT_EQ(Selected(), MakeColor(255, 255, 255));
}

TEST_F(ColorEditor, OneChangeRecoloursThePressedSwatchOfBothPages) {
    form_->ChangeColor(MakeColor(1, 2, 3));
    EXPECT_EQ(p().pnlStart()->Color(), MakeColor(1, 2, 3));
    EXPECT_EQ(p().pnlText()->Color(), MakeColor(1, 2, 3));
    EXPECT_EQ(p().pnlEnd()->Color(), MakeColor(0, 0, 255));
    EXPECT_EQ(p().pnlLink()->Color(), MakeColor(0, 0, 255));
}

TEST_F(ColorEditor, PressingASwatchMakesItsColourTheSelectedColour) {
    p().pnlEnd()->SetDown(true);
    EXPECT_EQ(Selected(), MakeColor(0, 0, 255));
    EXPECT_FALSE(p().pnlStart()->Down());
    // The BODY page's pressed swatch follows as well.
    EXPECT_EQ(p().pnlText()->Color(), MakeColor(0, 0, 255));
}

TEST_F(ColorEditor, RightDraggingTheHueBarSnapsToStepsOfForty) {
    TGrdBar* hue = p().GBSet()->Bar1();
    ASSERT_EQ(hue->width(), 240);
    const int y = hue->height() / 2;
    QTest::mousePress(hue, Qt::RightButton, {}, QPoint(55, y));
    EXPECT_EQ(p().EditEqu()->text(), "40");
    EXPECT_TRUE(p().BarDragging());
    EXPECT_FALSE(hue->ShowPointer());
    QTest::mouseMove(hue, QPoint(61, y));
    EXPECT_EQ(p().EditEqu()->text(), "80");
    QTest::mouseMove(hue, QPoint(235, y));
    EXPECT_EQ(p().EditEqu()->text(), "239");
    QTest::mouseRelease(hue, Qt::RightButton, {}, QPoint(235, y));
    EXPECT_FALSE(p().BarDragging());
    EXPECT_TRUE(hue->ShowPointer());
}

TEST_F(ColorEditor, RightDraggingTheGreenBarGivesOnlyWebLevels) {
    p().miGbmClick(p().btnGbmRGB());
    TGrdBar* green = p().GBSet()->Bar2();
    ASSERT_EQ(green->width(), 241);
    const int y = green->height() / 2;
    QTest::mousePress(green, Qt::RightButton, {}, QPoint(0, y));
    for (int x = 0; x < 241; x += 7) {
        QTest::mouseMove(green, QPoint(x, y));
        const int level = GreenOf(Selected());
        EXPECT_EQ(level % 51, 0) << "x " << x;
    }
    QTest::mouseMove(green, QPoint(240, y));
    EXPECT_EQ(GreenOf(Selected()), 255);
    QTest::mouseRelease(green, Qt::RightButton, {}, QPoint(240, y));
}

TEST_F(ColorEditor, AKeyPressEndsABarDrag) {
    TGrdBar* lum = p().GBSet()->Bar3();
    QTest::mousePress(lum, Qt::LeftButton, {}, QPoint(30, 5));
    ASSERT_TRUE(p().BarDragging());
    EXPECT_EQ(p().EditLum()->text(), "30");
    QTest::keyClick(p().EditLum(), Qt::Key_Shift);
    EXPECT_FALSE(p().BarDragging());
    QTest::mouseMove(lum, QPoint(90, 5));
    EXPECT_EQ(p().EditLum()->text(), "30");
    QTest::mouseRelease(lum, Qt::LeftButton, {}, QPoint(90, 5));
}

TEST_F(ColorEditor, ANamedColourBecomesTheSelectedColour) {
    TColorLookupComboBox* lookup = p().ColorLookup();
    const int gold = lookup->findText("gold");
    ASSERT_GE(gold, 0);
    lookup->setCurrentIndex(gold);
    emit lookup->activated(gold);
    EXPECT_EQ(Selected(), MakeColor(0xff, 0xd7, 0x00));
}

TEST_F(ColorEditor, TheNamedColoursDropDownTwentyRows) {
    TColorLookupComboBox* lookup = p().ColorLookup();
    lookup->showPopup();
    const QAbstractItemView* list = lookup->view();
    EXPECT_EQ(list->viewport()->height() / list->sizeHintForRow(0), 20);
    lookup->hidePopup();
}

// The fields refuse characters, not editing: Delete and the other editing keys work as in any
// field, and a paste keeps what typing would have let in.
TEST_F(ColorEditor, EditingKeysWorkAndAPasteIsFilteredLikeTyping) {
    // Delete as the X server sends it: the key with the DEL character as its text.
    const auto pressDelete = [](QLineEdit* edit) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
        QApplication::sendEvent(edit, &press);
    };
    const struct {
        const char* name;
        QLineEdit* (TForm1Probe::*field)() const;
        std::function<void(QLineEdit*)> edit;
        const char* text;
    } rows[] = {
        {"Home, Delete", &TForm1Probe::EditSat,
         [&](QLineEdit* e) {
             e->home(false);
             pressDelete(e);
         },
         "40"},
        {"select all, Delete", &TForm1Probe::EditRGB,
         [&](QLineEdit* e) {
             e->selectAll();
             pressDelete(e);
         },
         ""},
        {"paste into a number", &TForm1Probe::EditEqu,
         [](QLineEdit* e) {
             e->clear();
             QApplication::clipboard()->setText("1x2");
             e->paste();
         },
         "12"},
        {"paste into RGB", &TForm1Probe::EditRGB,
         [](QLineEdit* e) {
             e->selectAll();
             QApplication::clipboard()->setText("#00FF00");
             e->paste();
         },
         "00ff00"},
    };
    for (const auto& row : rows) {
        QLineEdit* field = (p().*row.field)();
        field->setFocus();
        row.edit(field);
        EXPECT_EQ(field->text(), row.text) << row.name;
    }
    EXPECT_EQ(Selected(), MakeColor(0, 255, 0));
}

} // namespace
} // namespace tintora
