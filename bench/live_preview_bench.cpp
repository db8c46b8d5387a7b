// One edit in the real main window until the page open in a real (headless) Chromium shows it:
// the colour changes, the tag is rebuilt, the idle rule waits its 30 ms, and the live preview
// rewrites the page's span over the DevTools connection. The time runs from the edit to the DOM
// change the page itself observes; median and 95th percentile over 200 edits.

#include "app/Form1.h"
#include "app/ProgramServices.h"
#include "platform/DevToolsSession.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <unistd.h>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool SpinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return done();
}

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
    QTemporaryDir dir;
    const QString profile = dir.filePath("profile");
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) {
        state.SkipWithError("no chromium to run");
        return;
    }
    QProcess browser;
    QStringList args = {"--headless",
                        "--disable-gpu",
                        "--no-first-run",
                        "--disable-background-networking",
                        "--disable-component-update",
                        "--disable-sync",
                        "--remote-debugging-port=0",
                        "--user-data-dir=" + profile,
                        "about:blank"};
    if (geteuid() == 0) {
        args << "--no-sandbox";
    }
    browser.setStandardErrorFile(QProcess::nullDevice());
    browser.start(chromium, args);

    tintora::TProgramServices services(profile.toStdString());
    tintora::TProgramFiles files;
    files.SettingsFile = dir.filePath("tintora.INI").toStdString();
    tintora::TForm1 form(files, services.FormServices());
    form.show();
    const auto port = [&] { return services.LiveBrowser.DevToolsPort(); };
    if (!QTest::qWaitForWindowExposed(&form) ||
        !SpinUntil([&] { return port().has_value(); }, 20000)) {
        state.SkipWithError("the window or the browser did not come up");
        return;
    }
    form.miTagClick();
    form.SetDynamicPreview(true);

    QFile page(dir.filePath("page.html"));
    page.open(QIODevice::WriteOnly);
    page.write("<html><body><p>A page with text.</p></body></html>\r\n");
    page.close();
    QNetworkAccessManager network;
    QNetworkReply* opened = network.sendCustomRequest(
        QNetworkRequest(QUrl(
            QString("http://127.0.0.1:%1/json/new?file://%2").arg(*port()).arg(page.fileName()))),
        "PUT");
    SpinUntil([&] { return opened->isFinished(); }, 10000);
    const QJsonObject target = QJsonDocument::fromJson(opened->readAll()).object();
    tintora::TDevToolsSession watcher(QUrl(target.value("webSocketDebuggerUrl").toString()));
    const bool pageReady = SpinUntil(
        [&] {
            std::optional<QJsonValue> readiness;
            bool answered = false;
            watcher.Call("Runtime.evaluate",
                         {{"expression", "location.protocol + document.readyState"}},
                         std::chrono::seconds(5), [&](const tintora::TDevToolsReply& reply) {
                             answered = true;
                             readiness = reply.Result.value("result").toObject().value("value");
                         });
            SpinUntil([&] { return answered; }, 5000);
            return readiness && readiness->toString() == "file:complete";
        },
        20000);
    if (!pageReady) {
        state.SkipWithError("the page did not load");
        return;
    }

    std::vector<double> latencies;
    int edit = 0;
    for (auto _ : state) {
        std::optional<double> changedAt;
        watcher.Call("Runtime.evaluate", {{"expression", kNextMutation}, {"awaitPromise", true}},
                     std::chrono::seconds(5), [&](const tintora::TDevToolsReply& reply) {
                         const QJsonValue value =
                             reply.Result.value("result").toObject().value("value");
                         changedAt = value.isDouble() ? value.toDouble() : -1.0;
                     });
        QTest::qWait(5); // the observer is in place
        ++edit;
        const double editedAt = EpochMs();
        form.ChangeColor(tintora::MakeColor(static_cast<std::uint8_t>(edit), 128,
                                            static_cast<std::uint8_t>(255 - edit)));
        if (!SpinUntil([&] { return changedAt.has_value(); }, 5000) || *changedAt < 0) {
            state.SkipWithError("the page was not updated");
            break;
        }
        latencies.push_back(*changedAt - editedAt);
        state.SetIterationTime(latencies.back() / 1000.0);
    }
    if (latencies.empty()) {
        return;
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100];
    state.counters["idle_rule_ms"] = 30;
    browser.kill();
    browser.waitForFinished(5000);
}

BENCHMARK(BM_EditToPageUpdated)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
