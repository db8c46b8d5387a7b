#include "widgets/HsxPanel.h"

#include "widgets/PanelDragDrop.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace tintora {
namespace {

const QColor Face(192, 192, 192);
const QColor Shadow(128, 128, 128);
const QColor Highlight(255, 255, 255);

// Three panels of group 1 on one page and one of group 1 on another, with a palette whose 3D
// colours are told apart by the pixel checks.
class HsxPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Button, Face);
        palette.setColor(QPalette::Dark, Shadow);
        palette.setColor(QPalette::Light, Highlight);
        window.setPalette(palette);
        window.resize(400, 200);
        page1 = new QWidget(&window);
        page1->setGeometry(0, 0, 200, 100);
        page2 = new QWidget(&window);
        page2->setGeometry(200, 0, 200, 100);
        for (int i = 0; i < 3; ++i) {
            panels[i] = new THsxPanel(page1);
            panels[i]->move(10 + 60 * i, 10);
            panels[i]->SetGroupIndex(1);
        }
        other = new THsxPanel(page2);
        other->move(10, 10);
        other->SetGroupIndex(1);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWindow* Handle() { return window.windowHandle(); }
    QPoint InWindow(QWidget* w, QPoint local) { return w->mapTo(&window, local); }

    static void SendEnter(THsxPanel* panel) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(panel, &enter);
    }
    static void SendLeave(THsxPanel* panel) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(panel, &leave);
    }

    QWidget window;
    QWidget* page1 = nullptr;
    QWidget* page2 = nullptr;
    THsxPanel* panels[3] = {};
    THsxPanel* other = nullptr;
};

TEST_F(HsxPanelTest, ClickingFollowsTheGroupRules) {
    THsxPanel* a = panels[0];
    THsxPanel* b = panels[1];
    a->SetDown(true);
    other->SetDown(true);
    QSignalSpy changeA(a, &THsxPanel::Change);
    QSignalSpy changeB(b, &THsxPanel::Change);

    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsUp);
    EXPECT_EQ(changeB.count(), 1);
    EXPECT_EQ(changeA.count(), 0); // raised by the group, not by its setter
    EXPECT_TRUE(other->Down()) << "a panel on another page follows its own group";

    // The down panel of a group that must keep one down stays down and says nothing.
    QTest::mouseClick(b, Qt::LeftButton);
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->ButtonState(), THsxPanel::TButtonState::bsDown);
    EXPECT_EQ(changeB.count(), 1);
}

TEST_F(HsxPanelTest, AllowAllUpSpreadsThroughTheGroupAndLetsTheLastOneUp) {
    THsxPanel* a = panels[0];
    a->SetDown(true);
    panels[2]->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());
    EXPECT_TRUE(panels[1]->AllowAllUp());
    EXPECT_FALSE(other->AllowAllUp());
    EXPECT_TRUE(a->Down()) << "the notice of an up sender raises nothing";

    QSignalSpy change(a, &THsxPanel::Change);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(change.count(), 1);
}

TEST_F(HsxPanelTest, GroupZeroIsAMomentaryButton) {
    THsxPanel* a = panels[0];
    a->SetGroupIndex(0);
    panels[1]->SetDown(true);
    QSignalSpy change(a, &THsxPanel::Change);
    QTest::mousePress(a, Qt::LeftButton);
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsPressed);
    QTest::mouseRelease(a, Qt::LeftButton);
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsUp);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(change.count(), 0);
    EXPECT_TRUE(panels[1]->Down());
}

TEST_F(HsxPanelTest, ReleasingOutsideCancelsThePress) {
    THsxPanel* a = panels[0];
    QSignalSpy change(a, &THsxPanel::Change);
    QTest::mousePress(a, Qt::LeftButton, {}, {20, 20});
    QTest::mouseMove(a, {80, 20});
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsUp);
    QTest::mouseMove(a, {20, 20});
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsPressed);
    QTest::mouseRelease(a, Qt::LeftButton, {}, {80, 20});
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(change.count(), 0);

    // A right press tracks nothing.
    QTest::mousePress(a, Qt::RightButton);
    EXPECT_FALSE(a->HoldsCapture());
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsUp);
    QTest::mouseRelease(a, Qt::RightButton);

    THsxPanel* b = panels[1];
    b->SetDown(true);
    QTest::mousePress(b, Qt::LeftButton, {}, {20, 20});
    QTest::mouseMove(b, {80, 20});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {80, 20});
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->ButtonState(), THsxPanel::TButtonState::bsDown);
}

// Qt sends no Leave while the button is held, so the panel must notice the leaving itself; the
// Leave Qt sends after the release must not be reported a second time.
TEST_F(HsxPanelTest, LeavingWithTheButtonHeldIsReportedOnceWhileTheCaptureIsHeld) {
    THsxPanel* a = panels[0];
    int leaves = 0;
    bool heldAtLeave = false;
    QObject::connect(
        a, &THsxPanel::MouseLeave,
        [&](THsxPanel* sender, Qt::KeyboardModifiers, Qt::MouseButtons buttons, QPoint) {
            ++leaves;
            heldAtLeave = sender->HoldsCapture() && buttons.testFlag(Qt::LeftButton);
        });
    QSignalSpy enters(a, &THsxPanel::MouseEnter);

    QTest::mouseMove(Handle(), InWindow(a, {20, 20}));
    ASSERT_EQ(enters.count(), 1);
    EXPECT_TRUE(a->Hot());
    QTest::mousePress(Handle(), Qt::LeftButton, {}, InWindow(a, {20, 20}));
    QTest::mouseMove(Handle(), InWindow(a, {70, 20}));
    EXPECT_EQ(leaves, 1);
    EXPECT_TRUE(heldAtLeave);
    EXPECT_FALSE(a->Hot());

    // Back in with the button still held: entered, but not lit.
    QTest::mouseMove(Handle(), InWindow(a, {25, 20}));
    EXPECT_EQ(enters.count(), 2);
    EXPECT_FALSE(a->Hot());
    QTest::mouseMove(Handle(), InWindow(a, {70, 20}));
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, InWindow(a, {70, 20}));
    QTest::mouseMove(Handle(), InWindow(a, {75, 25}));
    EXPECT_EQ(leaves, 2);
    EXPECT_FALSE(a->HoldsCapture());
}

TEST_F(HsxPanelTest, ADragStartedOnLeavingEndsThePressAndKeepsOtherPanelsDark) {
    THsxPanel* a = panels[0];
    THsxPanel* b = panels[1];
    QSignalSpy enterB(b, &THsxPanel::MouseEnter);
    bool draggingInside = false;
    auto previous = SetPanelDragExecutor([&](QDrag&) {
        draggingInside = a->Dragging();
        SendEnter(b);
        return Qt::CopyAction;
    });
    QObject::connect(a, &THsxPanel::MouseLeave,
                     [](THsxPanel* sender, Qt::KeyboardModifiers, Qt::MouseButtons, QPoint) {
                         if (sender->HoldsCapture()) {
                             StartPanelDrag(sender);
                         }
                     });
    QTest::mousePress(a, Qt::LeftButton, {}, {20, 20});
    QTest::mouseMove(a, {80, 20});
    SetPanelDragExecutor(previous);
    QTest::mouseRelease(a, Qt::LeftButton, {}, {80, 20}); // where the drag's end left it

    EXPECT_TRUE(draggingInside);
    EXPECT_FALSE(a->Dragging());
    EXPECT_EQ(enterB.count(), 0);
    EXPECT_FALSE(b->Hot());
    // The drag took the release: the panel must not wait for it.
    EXPECT_FALSE(a->HoldsCapture());
    EXPECT_EQ(a->ButtonState(), THsxPanel::TButtonState::bsUp);
    SendLeave(b);
    SendEnter(b);
    EXPECT_EQ(enterB.count(), 1);
    EXPECT_TRUE(b->Hot());
}

class HsxPanelLookTest : public HsxPanelTest {
protected:
    void SetUp() override {
        HsxPanelTest::SetUp();
        panel = panels[0];
        panel->SetColor(MakeColor(255, 0, 0));
        f = QFontMetrics(panel->font()).height();
    }
    QColor At(int x, int y) { return panel->grab().toImage().pixelColor(x, y); }

    // Swatch outline from (left, top) to (right, bottom) inclusive, filled with `fill`.
    void ExpectSwatch(const QImage& image, int left, int top, int right, int bottom,
                      const QColor& fill) {
        EXPECT_EQ(image.pixelColor(left, top), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(right, bottom), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(right, top), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(left + 1, top + 1), fill);
        EXPECT_EQ(image.pixelColor(right - 1, bottom - 1), fill);
        EXPECT_NE(image.pixelColor(left - 1, top - 1), QColor(Qt::black));
        EXPECT_NE(image.pixelColor(right + 1, bottom + 1), QColor(Qt::black));
    }

    THsxPanel* panel = nullptr;
    int f = 0;
};

TEST_F(HsxPanelLookTest, UpLooks) {
    QImage flat = panel->grab().toImage();
    EXPECT_EQ(flat.pixelColor(0, 0), Face);
    EXPECT_EQ(flat.pixelColor(48, 48), Face);
    ExpectSwatch(flat, 4, f + 4, 43, 43, QColor(255, 0, 0));

    SendEnter(panel);
    QImage hot = panel->grab().toImage();
    EXPECT_EQ(hot.pixelColor(0, 0), Highlight);
    EXPECT_EQ(hot.pixelColor(48, 0), Shadow);
    EXPECT_EQ(hot.pixelColor(48, 48), Shadow);
    EXPECT_EQ(hot.pixelColor(1, 1), Face);
    ExpectSwatch(hot, 4, f + 4, 43, 43, QColor(255, 0, 0));
}

TEST_F(HsxPanelLookTest, DownLooks) {
    panel->SetDown(true);
    QImage down = panel->grab().toImage();
    EXPECT_EQ(down.pixelColor(0, 0), Shadow);
    EXPECT_EQ(down.pixelColor(48, 48), Highlight);
    // Checkerboard: white where row and column have the same parity.
    EXPECT_EQ(down.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(down.pixelColor(2, 1), Face);
    EXPECT_EQ(down.pixelColor(9, 2), Face);
    EXPECT_EQ(down.pixelColor(10, 2), QColor(Qt::white));
    ExpectSwatch(down, 5, f + 5, 44, 44, QColor(255, 0, 0));

    SendEnter(panel);
    QImage hot = panel->grab().toImage();
    EXPECT_EQ(hot.pixelColor(0, 0), Shadow);
    EXPECT_EQ(hot.pixelColor(1, 1), Face);
    EXPECT_EQ(hot.pixelColor(2, 1), Face);
}

TEST_F(HsxPanelLookTest, PressedLookIsSunkenFace) {
    QTest::mousePress(panel, Qt::LeftButton);
    QImage pressed = panel->grab().toImage();
    EXPECT_EQ(pressed.pixelColor(0, 0), Shadow);
    EXPECT_EQ(pressed.pixelColor(1, 1), Face);
    EXPECT_EQ(pressed.pixelColor(2, 1), Face);
    ExpectSwatch(pressed, 5, f + 5, 44, 44, QColor(255, 0, 0));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, {80, 80});
}

TEST_F(HsxPanelLookTest, CaptionMovesByOnePixelWhenPressed) {
    panel->SetCaption("W");
    // The bounding box of the caption's pixels above the swatch, frames left out.
    auto captionBox = [&](const QImage& image) {
        QRect box;
        for (int y = 1; y < f + 3; ++y) {
            for (int x = 1; x < 47; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c != Face && c != QColor(Qt::white)) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    };
    SendEnter(panel); // hot, so that the down look has no checkerboard behind the caption
    const QRect up = captionBox(panel->grab().toImage());
    panel->SetDown(true);
    const QRect down = captionBox(panel->grab().toImage());
    ASSERT_FALSE(up.isEmpty());
    EXPECT_GE(up.left(), 4);
    EXPECT_GE(up.top(), 3);
    EXPECT_EQ(down.topLeft(), up.topLeft() + QPoint(1, 1));
}

TEST_F(HsxPanelLookTest, SetColorRepaintsWithoutChange) {
    panel->SetDown(true);
    QSignalSpy change(panel, &THsxPanel::Change);
    panel->SetColor(MakeColor(0, 0, 255));
    EXPECT_EQ(At(20, 30), QColor(0, 0, 255));
    EXPECT_EQ(change.count(), 0);
}

TEST_F(HsxPanelLookTest, PanelsShareOneBufferThatAnyDestructionFrees) {
    panel->grab();
    EXPECT_EQ(THsxPanel::SharedBufferSize(), QSize(49, 49));
    panels[1]->resize(60, 70);
    panels[1]->grab();
    EXPECT_EQ(THsxPanel::SharedBufferSize(), QSize(60, 70));
    delete panels[2];
    panels[2] = nullptr;
    EXPECT_TRUE(THsxPanel::SharedBufferSize().isEmpty());
    EXPECT_EQ(At(20, 30), QColor(255, 0, 0));
    EXPECT_EQ(THsxPanel::SharedBufferSize(), QSize(49, 49));
}

} // namespace
} // namespace tintora
