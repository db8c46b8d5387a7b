// The palette and colour drag-and-drop of the real main window, and the dropper's window-side
// behaviour.

#include "Form1Probe.h"
#include "widgets/ColorPanel.h"
#include "widgets/HsxPanel.h"
#include "widgets/PaintPanel.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tintora {
namespace {

// The centre of palette cell `cell` in pal1's coordinates.
QPoint CellCentre(int cell) {
    return QPoint(17 * (cell % 8) + 8, 15 * (cell / 8) + 7);
}

TEST(PaletteGeometry, CellsAndGaps) {
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(0, 0)), 0);
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(15, 13)), 0);
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(16, 5)), -1); // gap between columns
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(5, 14)), -1); // gap between rows
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(17, 15)), 9);
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(17 * 7 + 15, 15 * 2 + 13)), 23);
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(17 * 8, 0)), -1); // right of the grid
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(0, 45)), -1);     // below it
    EXPECT_EQ(TForm1::PaletteCellAt(QPoint(-1, 0)), -1);
}

class Palette : public TForm1Test {
protected:
    void SetUp() override {
        TForm1Test::SetUp();
        for (int i = 0; i < PaletteCellCount; ++i) {
            p().palette()[static_cast<std::size_t>(i)] =
                MakeColor(static_cast<std::uint8_t>(i), 0, 0);
        }
    }

    TColor Cell(int i) const { return p().palette()[static_cast<std::size_t>(i)]; }

    // A drag from palette cell `from`, as the mouse press starts it.
    void PressCell(int from) { p().PalsMouseDown(p().pal1(), CellCentre(from)); }
};

TEST_F(Palette, TheSelectedColourDropsIntoACell) {
    form_->ChangeColor(MakeColor(9, 9, 9));
    ASSERT_TRUE(p().PanelDragOver(p().pal1(), p().ColorPanel(), CellCentre(5)));
    p().PalsDragDrop(p().pal1(), p().ColorPanel(), CellCentre(5), false);
    EXPECT_EQ(Cell(5), MakeColor(9, 9, 9));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(9, 9, 9));
}

TEST_F(Palette, ACellCopiesOrWithCtrlSwaps) {
    PressCell(3);
    p().PalsDragDrop(p().pal1(), p().pal1(), CellCentre(10), false);
    EXPECT_EQ(Cell(10), Cell(3));
    EXPECT_EQ(Cell(3), MakeColor(3, 0, 0));

    p().palette()[10] = MakeColor(10, 0, 0);
    PressCell(3);
    p().PalsDragDrop(p().pal1(), p().pal1(), CellCentre(10), true);
    EXPECT_EQ(Cell(10), MakeColor(3, 0, 0));
    EXPECT_EQ(Cell(3), MakeColor(10, 0, 0));
    // Palette to palette leaves the selected colour alone.
    EXPECT_EQ(form_->SelectedColor(), MakeColor(255, 0, 0));
}

TEST_F(Palette, DropsOnTheStartCellGapsAndThemselvesAreRefused) {
    PressCell(3);
    EXPECT_FALSE(p().PanelDragOver(p().pal1(), p().pal1(), CellCentre(3)));
    EXPECT_FALSE(p().PanelDragOver(p().pal1(), p().pal1(), QPoint(16, 3)));
    EXPECT_TRUE(p().PanelDragOver(p().pal1(), p().pal1(), CellCentre(4)));
    EXPECT_FALSE(p().PanelDragOver(p().pnlEnd(), p().pnlEnd(), QPoint(5, 5)));
    EXPECT_TRUE(p().PanelDragOver(p().pnlEnd(), p().pnlStart(), QPoint(5, 5)));
    EXPECT_FALSE(p().PanelDragOver(p().pnlEnd(), p().btnShowExt(), QPoint(5, 5)));
}

TEST_F(Palette, ACellDroppedOnThePressedSwatchBecomesTheSelectedColour) {
    PressCell(7);
    p().PalsDragDrop(p().pnlStart(), p().pal1(), QPoint(10, 30), false);
    EXPECT_EQ(p().pnlStart()->Color(), MakeColor(7, 0, 0));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(7, 0, 0));
    EXPECT_EQ(p().pnlText()->Color(), MakeColor(7, 0, 0)); // the BODY page follows too
}

TEST_F(Palette, ACellDroppedOnAnUnpressedSwatchRecoloursOnlyThatSwatch) {
    PressCell(8);
    p().PalsDragDrop(p().pnlEnd(), p().pal1(), QPoint(10, 30), false);
    EXPECT_EQ(p().pnlEnd()->Color(), MakeColor(8, 0, 0));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(255, 0, 0));
    EXPECT_EQ(p().pnlStart()->Color(), MakeColor(255, 0, 0));
}

TEST_F(Palette, ACtrlSwapWithTheSelectedColourPanelMakesEveryViewFollow) {
    PressCell(2);
    p().PalsDragDrop(p().ColorPanel(), p().pal1(), QPoint(5, 5), true);
    EXPECT_EQ(form_->SelectedColor(), MakeColor(2, 0, 0));
    EXPECT_EQ(Cell(2), MakeColor(255, 0, 0));
    EXPECT_EQ(p().pnlStart()->Color(), MakeColor(2, 0, 0));
}

TEST_F(Palette, ASingleClickPicksUnlessDoubleClicksAreAsked) {
    // The pick reads where the cursor is, as the click leaves it.
    TPaintPanel* pal = p().pal1();
    QCursor::setPos(pal->mapToGlobal(CellCentre(4)));
    QTest::mouseClick(pal, Qt::LeftButton, {}, CellCentre(4));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(4, 0, 0));

    p().settings().PalletClickType = true;
    QCursor::setPos(pal->mapToGlobal(CellCentre(6)));
    QTest::mouseClick(pal, Qt::LeftButton, {}, CellCentre(6));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(4, 0, 0));
    QTest::mouseDClick(pal, Qt::LeftButton, {}, CellCentre(6));
    EXPECT_EQ(form_->SelectedColor(), MakeColor(6, 0, 0));
}

TEST_F(Palette, CellsAreSunkenFramesFilledWithTheirColours) {
    const QImage shown = p().pal1()->grab().toImage();
    const QPalette colors = p().pal1()->palette();
    const auto rgb = [&](int x, int y) { return shown.pixel(x, y) & 0xFFFFFF; };
    // Cell 9 (row 1, column 1) spans x 17..32 and y 15..28.
    EXPECT_EQ(rgb(17, 15), colors.color(QPalette::Dark).rgb() & 0xFFFFFF);   // top-left edge
    EXPECT_EQ(rgb(32, 28), colors.color(QPalette::Light).rgb() & 0xFFFFFF);  // bottom-right edge
    EXPECT_EQ(rgb(25, 21), 0x090000u);                                       // the colour, as RGB
    EXPECT_EQ(rgb(33, 21), colors.color(QPalette::Button).rgb() & 0xFFFFFF); // the gap
}

TEST_F(Palette, APressOnAGapStartsNoDrag) {
    p().PalsMouseDown(p().pal1(), QPoint(16, 3));
    EXPECT_EQ(p().PaletteDragCell(), -1);
}

TEST_F(Palette, TheDropperShrinksTheWindowWhilePickingWhenAsked) {
    p().settings().HideExtInPicking = true;
    p().btnShowExt()->click();
    ASSERT_EQ(form_->ClientHeight(), TForm1::ExpandedClientHeight);
    QPushButton* dropper = p().btnDropper();

    QTest::mousePress(dropper, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(p().Picking());
    EXPECT_EQ(form_->ClientHeight(), TForm1::ExpandedClientHeight);
    QTest::mouseRelease(dropper, Qt::RightButton, {}, QPoint(5, 5));

    QTest::mousePress(dropper, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(p().Picking());
    EXPECT_TRUE(p().PanelStretch()->isVisible());
    EXPECT_EQ(form_->ClientHeight(), TForm1::CollapsedClientHeight);
    QTest::mouseRelease(dropper, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(p().Picking());
    EXPECT_FALSE(p().PanelStretch()->isVisible());
    EXPECT_EQ(form_->ClientHeight(), TForm1::ExpandedClientHeight);
}

TEST_F(Palette, AClickOnTheDropperWithoutAMovePicksTheMagnifiersFace) {
    QPushButton* dropper = p().btnDropper();
    QTest::mouseClick(dropper, Qt::LeftButton, {}, QPoint(5, 5));
    const QColor face = static_cast<QWidget*>(form_.get())->palette().color(QPalette::Button);
    EXPECT_EQ(form_->SelectedColor(), MakeColor(static_cast<std::uint8_t>(face.red()),
                                                static_cast<std::uint8_t>(face.green()),
                                                static_cast<std::uint8_t>(face.blue())));
}

} // namespace
} // namespace tintora
