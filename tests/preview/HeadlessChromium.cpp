#include "HeadlessChromium.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QStandardPaths>

namespace tintora::test {

bool SpinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

THeadlessChromium::THeadlessChromium() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (program.isEmpty()) {
        return;
    }
    // This machine's network is closed: Chromium's own background traffic only costs time here.
    QStringList args =
        QStringLiteral("--headless --disable-gpu --disable-quic --no-first-run "
                       "--disable-background-networking --disable-component-update "
                       "--disable-sync --hide-scrollbars --force-device-scale-factor=1 "
                       "--window-size=800,600 --remote-debugging-port=0 about:blank")
            .split(' ');
    args << QStringLiteral("--user-data-dir=") + ProfileDir();
    if (geteuid() == 0) {
        args << QStringLiteral("--no-sandbox");
    }
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start(program, args);
    client_ = std::make_unique<TDevToolsClient>(ProfileDir());
    SpinUntil([this] { return client_->DevToolsPort().has_value(); }, 20000);
    port_ = client_->DevToolsPort();
}

THeadlessChromium::~THeadlessChromium() {
    client_.reset();
    process_.kill();
    process_.waitForFinished(5000);
}

QByteArray THeadlessChromium::Http(const QByteArray& verb, const QString& path) {
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy::NoProxy);
    QNetworkReply* reply = network.sendCustomRequest(
        QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(*port_).arg(path))), verb);
    SpinUntil([reply] { return reply->isFinished(); });
    const QByteArray body = reply->readAll();
    delete reply;
    return body;
}

TDevToolsTarget THeadlessChromium::Open(const std::string& url, bool waitForLoad) {
    const QJsonObject entry =
        QJsonDocument::fromJson(Http("PUT", "/json/new?" + QString::fromStdString(url))).object();
    const auto text = [&entry](const char* key) {
        return entry.value(key).toString().toStdString();
    };
    const TDevToolsTarget page{text("id"), text("type"), text("url"), text("webSocketDebuggerUrl")};
    opened_.push_back(page);
    if (waitForLoad) {
        // The tab shows about:blank, itself complete, until the page replaces it.
        SpinUntil([&] {
            return Evaluate(page, "location.href !== 'about:blank' && document.readyState")
                       .toString() == "complete";
        });
    }
    return page;
}

void THeadlessChromium::CloseAll() {
    for (const TDevToolsTarget& page : opened_) {
        Http("GET", "/json/close/" + QString::fromStdString(page.Id));
    }
    opened_.clear();
}

QJsonObject THeadlessChromium::Call(const TDevToolsTarget& page, const QString& method,
                                    const QJsonObject& params) {
    std::optional<TDevToolsReply> reply;
    client_->SessionFor(page).Call(method, params, std::chrono::seconds(5),
                                   [&reply](const TDevToolsReply& r) { reply = r; });
    SpinUntil([&reply] { return reply.has_value(); });
    return reply ? reply->Result : QJsonObject();
}

QJsonValue THeadlessChromium::Evaluate(const TDevToolsTarget& page, const QString& expression) {
    return Call(page, QStringLiteral("Runtime.evaluate"),
                {{"expression", expression}, {"returnByValue", true}})
        .value("result")
        .toObject()
        .value("value");
}

} // namespace tintora::test
