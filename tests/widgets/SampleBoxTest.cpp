// The sample box: an opaque control showing what its paint routine paints, reporting double
// clicks.

#include "widgets/SampleBox.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace tintora {
namespace {

TEST(SampleBox, ShowsWhatTheRoutinePaints) {
    TSampleBox box(QSize(20, 10));
    int paints = 0;
    bool paint = true;
    box.SetPaintRoutine([&](QImage& image) {
        ++paints;
        if (paint) {
            image.fill(QColor(0x12, 0x34, 0x56));
        }
    });
    QImage shown = box.grab().toImage();
    EXPECT_GE(paints, 1);
    EXPECT_EQ(shown.pixel(19, 9) & 0xFFFFFF, 0x123456u);

    // A routine with nothing to paint leaves the last picture on the box.
    paint = false;
    shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(box.Picture().size(), QSize(20, 10));
}

TEST(SampleBox, ReportsLeftDoubleClicks) {
    TSampleBox box(QSize(20, 10));
    QSignalSpy spy(&box, &TSampleBox::DoubleClicked);
    QTest::mouseDClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseDClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
}

} // namespace
} // namespace tintora
