// The bar set and its bars as the main window uses them: in sunken panels, repainted on request,
// reporting the mouse.

#include "widgets/GrdBarSet.h"

#include "widgets/GrdBar.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include <QFrame>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace tintora {
namespace {

// Records which bar got a paint event, in order; repaint() delivers it before returning.
class PaintLog : public QObject {
public:
    std::vector<int> painted;
    std::vector<TGrdBar*> bars;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (std::size_t i = 0; i < bars.size(); ++i) {
                if (bars[i] == watched) {
                    painted.push_back(static_cast<int>(i) + 1);
                }
            }
        }
        return false;
    }
};

QFrame* SunkenPanel(QWidget* parent, int top, int width) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(54, top, width, 18);
    return panel;
}

// The main window's arrangement: three panels 242 (hue), 243 and 243 wide.
class GrdBarSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 90);
        panels = {SunkenPanel(&window, 4, 242), SunkenPanel(&window, 29, 243),
                  SunkenPanel(&window, 54, 243)};
        for (int i = 1; i <= 3; ++i) {
            set.SetBarParent(i, panels[static_cast<std::size_t>(i - 1)]);
        }
        set.SetBarEsl240(PackEslBytes(40, 200, 100));
        set.SetBarColor(EslBytesToColor(set.GetBarEsl240()));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        log.bars = {set.Bar1(), set.Bar2(), set.Bar3()};
        for (TGrdBar* bar : log.bars) {
            bar->installEventFilter(&log);
        }
        QCoreApplication::processEvents();
        log.painted.clear();
    }

    QWidget window;
    std::vector<QFrame*> panels;
    TGrdBarSet set;
    PaintLog log;
};

TEST_F(GrdBarSetTest, BarsFillThePanelsInsideTheirBevel) {
    EXPECT_EQ(set.Bar1()->geometry(), QRect(1, 1, 240, 16));
    EXPECT_EQ(set.Bar2()->geometry(), QRect(1, 1, 241, 16));
    EXPECT_EQ(set.Bar3()->geometry(), QRect(1, 1, 241, 16));
    EXPECT_TRUE(set.Bar1()->isVisible());
    EXPECT_EQ(set.GetBarParent(1), panels[0]);
    EXPECT_EQ(set.GetBarParent(3), panels[2]);
    EXPECT_EQ(set.GetBarParent(0), nullptr);
    EXPECT_EQ(set.GetBarParent(4), nullptr);

    // The controller widens Panel1 for the red bar and narrows it again for the hue.
    panels[0]->resize(243, 18);
    EXPECT_EQ(set.Bar1()->geometry(), QRect(1, 1, 241, 16));
    panels[0]->resize(242, 18);
    EXPECT_EQ(set.Bar1()->width(), 240);

    set.SetBarParent(2, nullptr);
    EXPECT_EQ(set.GetBarParent(2), nullptr);
    EXPECT_FALSE(set.Bar2()->isVisible());
    panels[1]->resize(100, 18); // no longer followed
    EXPECT_EQ(set.Bar2()->width(), 241);
}

TEST_F(GrdBarSetTest, ScreenShowsThePaintedPictureWithThePalettesFace) {
    QPalette palette = panels[0]->palette();
    palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    panels[0]->setPalette(palette);
    panels[0]->resize(243, 18); // a hue bar with one column past the circle
    set.SetPointer(TPointerType::ptGroove);

    const QImage picture = set.Bar1()->PaintImage();
    ASSERT_EQ(picture.size(), QSize(241, 16));
    EXPECT_EQ(picture.pixel(240, 8), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(set.Bar1()->grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(set.Bar3()->grab().toImage().convertToFormat(QImage::Format_RGB32),
              set.Bar3()->PaintImage());
}

// The controller repaints after it has switched the mode and set the panels' widths; a repaint
// from the switch itself would paint the bars at the old width.
TEST_F(GrdBarSetTest, ModeSwitchDoesNotPaint) {
    set.SetGrdBarsMode(TGrdBarsMode::gbmRGB);
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.painted.empty());
    EXPECT_EQ(set.GrdBarsMode(), TGrdBarsMode::gbmRGB);
    EXPECT_EQ(set.Bar2()->Element(), TGrdElement::geGreen);
    EXPECT_EQ(set.Bar3()->Element(), TGrdElement::geBlue);

    set.SetGrdBarsMode(static_cast<TGrdBarsMode>(7));
    EXPECT_EQ(set.GrdBarsMode(), TGrdBarsMode::gbmESL);
    EXPECT_EQ(set.Bar1()->Element(), TGrdElement::geEqu);
    EXPECT_EQ(set.Bar3()->Element(), TGrdElement::geLum);

    // The mode is read from the top bar alone.
    set.Bar1()->SetElement(TGrdElement::geRed);
    EXPECT_EQ(set.GrdBarsMode(), TGrdBarsMode::gbmRGB);
    set.Bar1()->SetElement(TGrdElement::geGreen);
    EXPECT_EQ(set.GrdBarsMode(), TGrdBarsMode::gbmESL);
}

TEST_F(GrdBarSetTest, PointerAndRepaintsPaintAtOnceInBarOrder) {
    set.SetPointer(TPointerType::ptPanel); // unchanged
    EXPECT_TRUE(log.painted.empty());
    set.SetPointer(TPointerType::ptDot);
    EXPECT_EQ(log.painted, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(set.Pointer(), TPointerType::ptDot);

    log.painted.clear();
    set.RepaintBars();
    set.RepaintBar(2);
    set.RepaintBar(9);
    EXPECT_EQ(log.painted, (std::vector<int>{1, 2, 3, 2}));
}

TEST_F(GrdBarSetTest, HidingThePointerPaintsOnlyThatBar) {
    const QImage shown = set.Bar2()->PaintImage();
    set.Bar2()->SetShowPointer(false);
    EXPECT_EQ(log.painted, (std::vector<int>{2}));
    EXPECT_FALSE(set.Bar2()->ShowPointer());
    EXPECT_NE(set.Bar2()->PaintImage(), shown);
    set.Bar2()->SetShowPointer(false);
    EXPECT_EQ(log.painted.size(), 1u);
    set.Bar2()->SetShowPointer(true);
    EXPECT_EQ(set.Bar2()->PaintImage(), shown);
}

// One line per signal: kind, button, buttons held, modifiers, position.
void ListenTo(TGrdBar* bar, std::vector<std::string>& log) {
    const auto line = [&log, bar](const char* kind, TGrdBar* sender, int button,
                                  Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                  QPoint at) {
        log.push_back(std::string(sender == bar ? "" : "other ") + kind + ' ' +
                      std::to_string(button) + ' ' + std::to_string(buttons.toInt()) + ' ' +
                      std::to_string(modifiers.toInt() >> 24) + ' ' + std::to_string(at.x()) + ',' +
                      std::to_string(at.y()));
    };
    QObject::connect(bar, &TGrdBar::MouseDown,
                     [=](TGrdBar* b, Qt::MouseButton button, Qt::MouseButtons buttons,
                         Qt::KeyboardModifiers modifiers,
                         QPoint at) { line("down", b, button, buttons, modifiers, at); });
    QObject::connect(bar, &TGrdBar::MouseMove,
                     [=](TGrdBar* b, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         QPoint at) { line("move", b, 0, buttons, modifiers, at); });
    QObject::connect(bar, &TGrdBar::MouseUp,
                     [=](TGrdBar* b, Qt::MouseButton button, Qt::MouseButtons buttons,
                         Qt::KeyboardModifiers modifiers,
                         QPoint at) { line("up", b, button, buttons, modifiers, at); });
}

TEST_F(GrdBarSetTest, ReportsEveryButtonInBarCoordinates) {
    TGrdBar* bar = set.Bar3();
    std::vector<std::string> reports;
    ListenTo(bar, reports);

    // Buttons: left 1, right 2, middle 4; Shift is modifier 2 once shifted down.
    QTest::mousePress(bar, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 5));
    // Dragged past the right end: the move still comes to the bar, in its coordinates.
    QMouseEvent away(QEvent::MouseMove, QPointF(300, 5), bar->mapToGlobal(QPointF(300, 5)),
                     Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &away);
    QTest::mouseRelease(bar, Qt::RightButton, Qt::NoModifier, QPoint(-4, 5));
    QTest::mouseClick(bar, Qt::MiddleButton, Qt::NoModifier, QPoint(1, 1));
    ASSERT_GE(reports.size(), 5u);
    EXPECT_EQ(reports[0], "down 2 2 2 10,5");
    EXPECT_EQ(reports[1], "move 0 2 0 300,5");
    EXPECT_EQ(reports[2], "up 2 0 0 -4,5");
    EXPECT_EQ(reports[3], "down 4 4 0 1,1");
    EXPECT_EQ(reports.back(), "up 4 0 0 1,1");
}

TEST_F(GrdBarSetTest, ConfinedDragHoldsTheMouse) {
    set.Bar1()->BeginConfinedDrag();
    EXPECT_EQ(QWidget::mouseGrabber(), set.Bar1());
    set.Bar2()->EndConfinedDrag(); // not the holder: no effect
    EXPECT_EQ(QWidget::mouseGrabber(), set.Bar1());
    set.Bar1()->EndConfinedDrag();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// A panel takes its bar with it; the set must neither touch nor delete it again.
TEST(GrdBarSetLifetime, BarsGoWithTheirParentOrWithTheSet) {
    QPointer<TGrdBar> parentless;
    QPointer<TGrdBar> parented;
    {
        QFrame other; // outlives the set, which deletes the bar it holds
        TGrdBarSet set;
        auto panel = std::make_unique<QFrame>();
        set.SetBarParent(1, panel.get());
        parentless = set.Bar2();
        panel.reset();
        EXPECT_EQ(set.Bar1(), nullptr);
        EXPECT_EQ(set.GetBarParent(1), nullptr);
        EXPECT_EQ(set.GrdBarsMode(), TGrdBarsMode::gbmESL);
        set.SetGrdBarsMode(TGrdBarsMode::gbmRGB);
        set.RepaintBars();
        set.SetPointer(TPointerType::ptGroove);

        set.SetBarParent(3, &other);
        parented = set.Bar3();
        EXPECT_FALSE(parentless.isNull());
    }
    EXPECT_TRUE(parentless.isNull());
    EXPECT_TRUE(parented.isNull());
}

} // namespace
} // namespace tintora
