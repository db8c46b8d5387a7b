// One step of a hue-bar drag in the real main window: the mouse move reaches the controller,
// which sets the colour, updates every view, repaints the other bars and the tag sample.

#include "app/Form1.h"
#include "app/ProgramServices.h"
#include "widgets/GrdBar.h"
#include "widgets/GrdBarSet.h"

#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

void HueBarDragStep(benchmark::State& state, bool tagPagesShown) {
    QTemporaryDir dir;
    tintora::TProgramFiles files;
    files.SettingsFile = dir.filePath("tintora.INI").toStdString();
    tintora::TProgramServices services(dir.filePath("profile").toStdString());
    tintora::TForm1 form(files, services.FormServices());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the main window was not shown");
        return;
    }
    if (tagPagesShown) {
        form.miTagClick();
    }
    auto bars = form.findChildren<tintora::TGrdBar*>();
    tintora::TGrdBar* hue = nullptr;
    for (tintora::TGrdBar* bar : bars) {
        if (bar->Element() == tintora::TGrdElement::geEqu) {
            hue = bar;
        }
    }
    const int y = hue->height() / 2;
    QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(0, y));
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % hue->width();
        QTest::mouseMove(hue, QPoint(x, y));
    }
    QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(x, y));
    state.SetItemsProcessed(state.iterations());
}

void BM_HueBarDragStepCollapsed(benchmark::State& state) {
    HueBarDragStep(state, false);
}
void BM_HueBarDragStepWithFontSample(benchmark::State& state) {
    HueBarDragStep(state, true);
}

BENCHMARK(BM_HueBarDragStepCollapsed)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_HueBarDragStepWithFontSample)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
