#include "widgets/PanelDragDrop.h"

#include "widgets/DropperCursor.h"
#include "widgets/PaintPanel.h"

#include <gtest/gtest.h>
#include <vector>

#include <QBitmap>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace tintora {
namespace {

// Takes drops only left of x = 50, the way the palette refuses the gaps between cells.
struct TFakeHandler : IPanelDropHandler {
    bool PanelDragOver(QWidget* target, QWidget* source, QPoint pos) override {
        overTargets.push_back(target);
        lastOverSource = source;
        return pos.x() < 50;
    }
    void PanelDragDrop(QWidget* target, QWidget* source, QPoint pos, bool ctrlHeld) override {
        drops.push_back({target, source, pos, ctrlHeld});
    }
    struct TDrop {
        QWidget* target;
        QWidget* source;
        QPoint pos;
        bool ctrl;
    };
    std::vector<QWidget*> overTargets;
    QWidget* lastOverSource = nullptr;
    std::vector<TDrop> drops;
};

// Takes files itself, as a window that opens dropped pages does, and counts the drag events that
// reach its own handlers.
class TRecordingWidget : public QWidget {
public:
    using QWidget::QWidget;
    int ownDragEvents = 0;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        ++ownDragEvents;
        if (event->mimeData()->hasUrls()) {
            event->acceptProposedAction();
        } else {
            event->ignore();
        }
    }
    void dropEvent(QDropEvent* event) override {
        ++ownDragEvents;
        event->acceptProposedAction();
    }
};

// Puts an executor in force for one test and restores the one before.
class TExecutorScope {
public:
    explicit TExecutorScope(TPanelDragExecutor executor)
        : previous_(SetPanelDragExecutor(std::move(executor))) {}
    ~TExecutorScope() { SetPanelDragExecutor(std::move(previous_)); }

private:
    TPanelDragExecutor previous_;
};

bool SendMove(QWidget* target, QEvent::Type type, QPoint pos, const QMimeData* data,
              Qt::KeyboardModifiers modifiers = {}) {
    if (type == QEvent::DragEnter) {
        QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                              modifiers);
        QApplication::sendEvent(target, &enter);
        return enter.isAccepted() && enter.dropAction() != Qt::IgnoreAction;
    }
    if (type == QEvent::DragMove) {
        QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &move);
        return move.isAccepted();
    }
    QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

class PanelDragDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 100);
        source = new QWidget(&window);
        source->setGeometry(0, 0, 50, 50);
        target = new TRecordingWidget(&window);
        target->setGeometry(100, 0, 100, 50);
        new TPanelDropTarget(target, &handler);
    }

    QWidget window;
    QWidget* source = nullptr;
    TRecordingWidget* target = nullptr;
    TFakeHandler handler;
};

TEST_F(PanelDragDropTest, DragOverAsksPerSpotAndTheDropCarriesCtrl) {
    bool enterAccepted = true;
    bool gapAccepted = true;
    bool cellAccepted = false;
    bool dropAccepted = false;
    TExecutorScope scope([&](QDrag& drag) {
        EXPECT_TRUE(PanelDragInProgress());
        EXPECT_EQ(PanelDragSource(), source);
        const QMimeData* data = drag.mimeData();
        enterAccepted = SendMove(target, QEvent::DragEnter, {70, 10}, data);
        gapAccepted = SendMove(target, QEvent::DragMove, {70, 10}, data);
        cellAccepted = SendMove(target, QEvent::DragMove, {20, 10}, data);
        dropAccepted = SendMove(target, QEvent::Drop, {21, 11}, data, Qt::ControlModifier);
        return Qt::CopyAction;
    });
    const unsigned before = PanelDragCount();
    EXPECT_EQ(StartPanelDrag(source), Qt::CopyAction);

    EXPECT_FALSE(enterAccepted) << "entered over a refused spot: no drop there";
    EXPECT_FALSE(gapAccepted);
    EXPECT_TRUE(cellAccepted);
    EXPECT_TRUE(dropAccepted);
    ASSERT_EQ(handler.drops.size(), 1u);
    EXPECT_EQ(handler.drops[0].target, target);
    EXPECT_EQ(handler.drops[0].source, source);
    EXPECT_EQ(handler.drops[0].pos, QPoint(21, 11));
    EXPECT_TRUE(handler.drops[0].ctrl);
    EXPECT_EQ(handler.lastOverSource, source);
    EXPECT_EQ(target->ownDragEvents, 0);
    EXPECT_FALSE(PanelDragInProgress());
    EXPECT_EQ(PanelDragSource(), nullptr);
    EXPECT_EQ(PanelDragCount(), before + 1);
}

TEST_F(PanelDragDropTest, ADropOnARefusedSpotIsNotForwarded) {
    TExecutorScope scope([&](QDrag& drag) {
        SendMove(target, QEvent::DragEnter, {20, 10}, drag.mimeData());
        EXPECT_FALSE(SendMove(target, QEvent::Drop, {80, 10}, drag.mimeData()));
        // No second drag while one runs.
        EXPECT_EQ(StartPanelDrag(target), Qt::IgnoreAction);
        return Qt::IgnoreAction;
    });
    StartPanelDrag(source);
    EXPECT_TRUE(handler.drops.empty());
}

TEST_F(PanelDragDropTest, ForeignDataIsLeftToTheTargetAndItsParents) {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/page.html")});
    EXPECT_TRUE(SendMove(target, QEvent::DragEnter, {20, 10}, &files));
    EXPECT_TRUE(SendMove(target, QEvent::Drop, {20, 10}, &files));
    EXPECT_EQ(target->ownDragEvents, 2);

    // Panel data of another process, or of a drag that is over, names no source here.
    QMimeData stale;
    stale.setData(PanelDragMimeType, "1/1");
    EXPECT_FALSE(SendMove(target, QEvent::DragEnter, {20, 10}, &stale));
    EXPECT_EQ(target->ownDragEvents, 3);
    EXPECT_TRUE(handler.overTargets.empty());
    EXPECT_TRUE(handler.drops.empty());
}

class DragStarterTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.resize(135, 44);
        starter = new TPanelDragStarter(&panel, [this](QWidget* s) { started.push_back(s); });
        // As the palette's press handler: only presses left of x = 50 may drag.
        QObject::connect(
            &panel, &TPaintPanel::MouseDown,
            [this](TPaintPanel*, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
                if (button == Qt::LeftButton && pos.x() < 50) {
                    starter->Arm();
                }
            });
    }
    TPaintPanel panel;
    TPanelDragStarter* starter = nullptr;
    std::vector<QWidget*> started;
};

TEST_F(DragStarterTest, StartsOnceBeyondTheThresholdAndOnlyWhenArmed) {
    const int d = QApplication::startDragDistance();
    QSignalSpy clicks(&panel, &TPaintPanel::Click);
    QTest::mousePress(&panel, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(&panel, {10 + d - 1, 10});
    EXPECT_TRUE(started.empty());
    QTest::mouseMove(&panel, {10 + d, 10});
    QTest::mouseMove(&panel, {10 + d + 5, 10});
    EXPECT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], &panel);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, {10 + d + 5, 10});

    // A press and release without moving far stays a click.
    QTest::mousePress(&panel, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(&panel, {11, 10});
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, {11, 10});
    EXPECT_EQ(started.size(), 1u);
    EXPECT_EQ(clicks.count(), 2) << "the fake start runs no drag, so both count as clicks";

    // A press the handler did not arm never drags.
    QTest::mousePress(&panel, Qt::LeftButton, {}, {80, 10});
    QTest::mouseMove(&panel, {80 + d + 5, 10});
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, {80 + d + 5, 10});
    EXPECT_EQ(started.size(), 1u);
}

TEST(PaintPanel, NoClickAfterARealPanelDrag) {
    TPaintPanel panel;
    panel.resize(135, 44);
    auto* starter = new TPanelDragStarter(&panel);
    QObject::connect(&panel, &TPaintPanel::MouseDown, starter, &TPanelDragStarter::Arm);
    TExecutorScope scope([](QDrag&) { return Qt::CopyAction; });
    QSignalSpy clicks(&panel, &TPaintPanel::Click);
    QSignalSpy doubleClicks(&panel, &TPaintPanel::DoubleClick);
    QTest::mousePress(&panel, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(&panel, {40, 10});
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseClick(&panel, Qt::LeftButton, {}, {10, 10});
    QTest::mouseDClick(&panel, Qt::LeftButton, {}, {10, 10});
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 1) << "the release that completes a double click is no click";
}

TEST(PaintPanel, PaintHookDrawsIntoTheBufferOverThePlainPanel) {
    TPaintPanel panel;
    panel.resize(40, 20);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    panel.setPalette(palette);
    QObject::connect(&panel, &TPaintPanel::Paint, [](TPaintPanel*, QPainter& canvas) {
        canvas.fillRect(QRect(10, 5, 4, 4), Qt::blue);
    });
    QImage plain = panel.grab().toImage();
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(128, 128, 128)); // lowered bevel
    EXPECT_EQ(plain.pixelColor(39, 19), QColor(255, 255, 255));
    EXPECT_EQ(plain.pixelColor(2, 2), QColor(192, 192, 192));
    EXPECT_EQ(plain.pixelColor(11, 6), QColor(Qt::blue));
}

TEST(DropperCursor, IsA32PixelDropperWithItsTipAsHotSpot) {
    const QCursor cursor = MakeDropperCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 31));
    const QImage pixels = cursor.bitmap().toImage();
    const QImage mask = cursor.mask().toImage();
    ASSERT_EQ(pixels.size(), QSize(32, 32));
    ASSERT_EQ(mask.size(), QSize(32, 32));
    // The tip is a shown black pixel; the opposite corner is clear; the tube has a white inside.
    EXPECT_EQ(mask.pixelColor(0, 31), QColor(Qt::black));
    EXPECT_EQ(pixels.pixelColor(0, 31), QColor(Qt::black));
    EXPECT_EQ(mask.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(mask.pixelColor(31, 31), QColor(Qt::white));
    EXPECT_EQ(pixels.pixelColor(8, 21), QColor(Qt::black));
    EXPECT_EQ(mask.pixelColor(10, 21), QColor(Qt::black));
    EXPECT_EQ(pixels.pixelColor(10, 21), QColor(Qt::white));
}

} // namespace
} // namespace tintora
