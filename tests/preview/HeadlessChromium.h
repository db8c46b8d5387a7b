#pragma once

// A headless Chromium of the test's own, on a fresh profile folder, with its DevTools port on
// loopback; the port is the one Chromium writes into DevToolsActivePort. Pages are opened and
// read through the program's own DevTools client.

#include "TempDir.h"
#include "platform/DevToolsClient.h"

#include <memory>

#include <QJsonValue>
#include <QProcess>

namespace tintora::test {

// Runs the event loop until done() holds or the time is up; returns done().
bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 10000);

class THeadlessChromium {
public:
    THeadlessChromium();
    ~THeadlessChromium();

    bool Running() const { return port_.has_value(); }
    QString ProfileDir() const { return QString::fromStdString(profile_.Path().string()); }
    TDevToolsClient& Client() { return *client_; }

    // Opens a new tab, which becomes the first in window order, and waits until it has loaded
    // (when asked to).
    TDevToolsTarget Open(const std::string& url, bool waitForLoad = true);
    void CloseAll();
    // Runs an expression in the page and returns its value.
    QJsonValue Evaluate(const TDevToolsTarget& page, const QString& expression);
    // Calls a protocol method on the page's session and returns its result.
    QJsonObject Call(const TDevToolsTarget& page, const QString& method, const QJsonObject& params);

private:
    QByteArray Http(const QByteArray& verb, const QString& path);

    TTempDir profile_;
    QProcess process_;
    std::optional<int> port_;
    std::unique_ptr<TDevToolsClient> client_;
    std::vector<TDevToolsTarget> opened_;
};

} // namespace tintora::test
