#include "platform/DevToolsClient.h"

#include <set>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace tintora {

namespace {

constexpr int kListTimeoutMs = 1000;

TScriptResult Unreachable(const QString& why) {
    return {TScriptResult::TKind::skUnreachable, why.toStdString()};
}

// What Runtime.evaluate answered: the returned value as text, or the exception the page raised.
TScriptResult EvaluateResult(const TDevToolsReply& reply) {
    if (!reply.Ok) {
        return Unreachable(reply.Error);
    }
    const QJsonObject exception = reply.Result.value(QStringLiteral("exceptionDetails")).toObject();
    if (!exception.isEmpty()) {
        QString description =
            exception.value(QStringLiteral("exception")).toObject().value("description").toString();
        if (description.isEmpty()) {
            description = exception.value(QStringLiteral("text")).toString();
        }
        return {TScriptResult::TKind::skThrew, description.toStdString()};
    }
    const QJsonValue value = reply.Result.value(QStringLiteral("result")).toObject().value("value");
    return {TScriptResult::TKind::skReturned, value.toVariant().toString().toStdString()};
}

TDevToolsTarget TargetOf(const QJsonObject& entry) {
    const auto text = [&entry](const char* key) {
        return entry.value(QLatin1String(key)).toString().toStdString();
    };
    return {text("id"), text("type"), text("url"), text("webSocketDebuggerUrl")};
}

} // namespace

QString FunctionCallExpression(const std::string& functionSource,
                               const std::vector<std::string>& args) {
    QJsonArray array;
    for (const std::string& arg : args) {
        array.append(QString::fromStdString(arg));
    }
    return QStringLiteral("(%1).apply(null, %2)")
        .arg(QString::fromStdString(functionSource),
             QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

TDevToolsClient::TDevToolsClient(QString profileDir, QObject* parent)
    : QObject(parent), profileDir_(std::move(profileDir)) {
    network_.setProxy(QNetworkProxy::NoProxy);
}

TDevToolsClient::~TDevToolsClient() = default;

std::optional<int> TDevToolsClient::DevToolsPort() const {
    QFile file(QDir(profileDir_).filePath(QStringLiteral("DevToolsActivePort")));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    bool ok = false;
    const int port = QString::fromLatin1(file.readLine()).trimmed().toInt(&ok);
    if (!ok || port <= 0 || port > 65535) {
        return std::nullopt;
    }
    return port;
}

void TDevToolsClient::ListTargets(TTargetsCallback done) {
    const std::optional<int> port = DevToolsPort();
    if (!port) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done({}); });
        return;
    }
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/json/list").arg(*port)));
    request.setTransferTimeout(kListTimeoutMs);
    QNetworkReply* reply = network_.get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply, done = std::move(done)] {
        reply->deleteLater();
        std::vector<TDevToolsTarget> targets;
        if (reply->error() == QNetworkReply::NoError) {
            const QJsonArray list = QJsonDocument::fromJson(reply->readAll()).array();
            for (const QJsonValue& entry : list) {
                targets.push_back(TargetOf(entry.toObject()));
            }
        }
        KeepSessionsOf(targets);
        done(std::move(targets));
    });
}

void TDevToolsClient::KeepSessionsOf(const std::vector<TDevToolsTarget>& targets) {
    std::set<std::string> listed;
    for (const TDevToolsTarget& t : targets) {
        listed.insert(t.WebSocketUrl);
    }
    for (auto it = sessions_.begin(); it != sessions_.end();) {
        if (it->second->IsClosed() || !listed.contains(it->first)) {
            TDevToolsSession* session = it->second;
            it = sessions_.erase(it);
            Drop(session);
        } else {
            ++it;
        }
    }
}

void TDevToolsClient::Drop(TDevToolsSession* session) {
    session->Close();
    session->deleteLater();
}

TDevToolsSession& TDevToolsClient::SessionFor(const TDevToolsTarget& target) {
    TDevToolsSession*& session = sessions_[target.WebSocketUrl];
    if (session != nullptr && session->IsClosed()) {
        Drop(session);
        session = nullptr;
    }
    if (session == nullptr) {
        session = new TDevToolsSession(QUrl(QString::fromStdString(target.WebSocketUrl)), this);
    }
    return *session;
}

void TDevToolsClient::CallFunction(const TDevToolsTarget& target, const std::string& functionSource,
                                   const std::vector<std::string>& args,
                                   std::chrono::milliseconds timeout, TResultCallback done) {
    const QJsonObject params{{"expression", FunctionCallExpression(functionSource, args)},
                             {"returnByValue", true}};
    SessionFor(target).Call(
        QStringLiteral("Runtime.evaluate"), params, timeout,
        [done = std::move(done)](const TDevToolsReply& reply) { done(EvaluateResult(reply)); });
}

void TDevToolsClient::SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                                   const std::string& html, std::chrono::milliseconds timeout,
                                   TResultCallback done) {
    // Node ids only live as long as the document the session last fetched: fetch it, find the
    // element, replace it, one call after the other on the same session.
    TDevToolsSession& session = SessionFor(target);
    const QString outerHtml = QString::fromStdString(html);
    const QString cssSelector = QString::fromStdString(selector);
    session.Call(
        QStringLiteral("DOM.getDocument"), {{"depth", 0}}, timeout,
        [&session, outerHtml, cssSelector, timeout, done](const TDevToolsReply& document) {
            if (!document.Ok) {
                done(Unreachable(document.Error));
                return;
            }
            const int rootId = document.Result.value("root").toObject().value("nodeId").toInt();
            session.Call(QStringLiteral("DOM.querySelector"),
                         {{"nodeId", rootId}, {"selector", cssSelector}}, timeout,
                         [&session, outerHtml, timeout, done](const TDevToolsReply& found) {
                             const int nodeId = found.Result.value("nodeId").toInt();
                             if (!found.Ok || nodeId == 0) {
                                 done(Unreachable(found.Ok ? QStringLiteral("no such element")
                                                           : found.Error));
                                 return;
                             }
                             session.Call(
                                 QStringLiteral("DOM.setOuterHTML"),
                                 {{"nodeId", nodeId}, {"outerHTML", outerHtml}}, timeout,
                                 [done](const TDevToolsReply& set) {
                                     done(set.Ok
                                              ? TScriptResult{TScriptResult::TKind::skReturned, ""}
                                              : Unreachable(set.Error));
                                 });
                         });
        });
}

} // namespace tintora
