// One edit in the real main window until the page open in a real (headless) Chromium shows it:
// the colour changes, the tag is rebuilt, the idle rule waits its 30 ms, and the live preview
// rewrites the page's span over the DevTools connection. The time runs from the edit to the DOM
// change the page itself observes; median and 95th percentile over 200 edits.

#include "app/Form1.h"
#include "app/ProgramServices.h"
#include "preview/HeadlessChromium.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

double EpochMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

// Resolves with the page's own clock (epoch milliseconds) at the next change of its document.
constexpr char kNextMutation[] = R"js(new Promise(resolve => {
  const observer = new MutationObserver(() => {
    observer.disconnect();
    resolve(performance.timeOrigin + performance.now());
  });
  observer.observe(document.body, {subtree: true, childList: true, characterData: true});
}))js";

void BM_EditToPageUpdated(benchmark::State& state) {
    tintora::test::THeadlessChromium chromium;
    QTemporaryDir dir;
    if (!chromium.Running()) {
        state.SkipWithError("no chromium to run");
        return;
    }
    tintora::TProgramServices services(chromium.ProfileDir().toStdString());
    tintora::TProgramFiles files;
    files.SettingsFile = dir.filePath("tintora.INI").toStdString();
    tintora::TForm1 form(files, services.FormServices());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the main window was not shown");
        return;
    }
    form.miTagClick();
    form.SetDynamicPreview(true);
    QFile html(dir.filePath("page.html"));
    html.open(QIODevice::WriteOnly);
    html.write("<html><body><p>A page with text.</p></body></html>\r\n");
    html.close();
    const tintora::TDevToolsTarget page = chromium.Open("file://" + html.fileName().toStdString());

    std::vector<double> latencies;
    int edit = 0;
    for (auto _ : state) {
        std::optional<double> changedAt;
        chromium.Client().SessionFor(page).Call(
            "Runtime.evaluate", {{"expression", kNextMutation}, {"awaitPromise", true}},
            std::chrono::seconds(5), [&](const tintora::TDevToolsReply& reply) {
                const QJsonValue value = reply.Result.value("result").toObject().value("value");
                changedAt = value.isDouble() ? value.toDouble() : -1.0;
            });
        QTest::qWait(5); // the observer is in place
        ++edit;
        const double editedAt = EpochMs();
        form.ChangeColor(tintora::MakeColor(static_cast<std::uint8_t>(edit), 128,
                                            static_cast<std::uint8_t>(255 - edit)));
        if (!tintora::test::SpinUntil([&] { return changedAt.has_value(); }) || *changedAt < 0) {
            state.SkipWithError("the page was not updated");
            return;
        }
        latencies.push_back(*changedAt - editedAt);
        state.SetIterationTime(latencies.back() / 1000.0);
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100];
}

BENCHMARK(BM_EditToPageUpdated)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
