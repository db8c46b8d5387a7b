#pragma once

// The live preview's browser: the Chromium the program started on its own profile folder, reached
// through the DevTools port it wrote into that folder. Targets come from /json/list; each page
// gets one session, kept open while the page is listed.

#include "platform/DevToolsSession.h"
#include "services/DevToolsBrowser.h"

#include <map>
#include <optional>
#include <string>

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

namespace tintora {

class TDevToolsClient : public QObject, public IDevToolsBrowser {
    Q_OBJECT

public:
    explicit TDevToolsClient(QString profileDir, QObject* parent = nullptr);
    ~TDevToolsClient() override;

    void ListTargets(TTargetsCallback done) override;
    void CallFunction(const TDevToolsTarget& target, const std::string& functionSource,
                      const std::vector<std::string>& args, std::chrono::milliseconds timeout,
                      TResultCallback done) override;
    void SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                      const std::string& html, std::chrono::milliseconds timeout,
                      TResultCallback done) override;

    // The open session of a target, made when there is none.
    TDevToolsSession& SessionFor(const TDevToolsTarget& target);

    // The port in the profile folder's DevToolsActivePort file; nothing when there is none.
    std::optional<int> DevToolsPort() const;

private:
    void KeepSessionsOf(const std::vector<TDevToolsTarget>& targets);
    void Drop(TDevToolsSession* session);

    QString profileDir_;
    QNetworkAccessManager network_;
    // By WebSocket URL. Sessions are children of the client and are deleted only from the event
    // loop: a session may be dropped while one of its own callbacks runs.
    std::map<std::string, TDevToolsSession*> sessions_;
};

// functionSource applied to the arguments, each a JSON string literal: the text Runtime.evaluate
// runs.
QString FunctionCallExpression(const std::string& functionSource,
                               const std::vector<std::string>& args);

} // namespace tintora
