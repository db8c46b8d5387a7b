#pragma once

// One WebSocket to one DevTools target, kept open between calls. Each call gets the next message
// id and waits for the answer with that id, up to its own time limit; when the socket closes,
// every call still waiting fails with the same error. Nothing here blocks: answers arrive through
// the event loop, and a call's callback never runs inside Call itself.

#include <chrono>
#include <functional>
#include <map>

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>

namespace tintora {

struct TDevToolsReply {
    bool Ok = false;
    QJsonObject Result; // the answer's "result" when Ok
    QString Error;      // why not, otherwise
};

class TDevToolsSession : public QObject {
    Q_OBJECT

public:
    using TReplyCallback = std::function<void(const TDevToolsReply&)>;

    // Connects at once to a ws:// URL the browser listed (on 127.0.0.1, without an Origin header).
    explicit TDevToolsSession(const QUrl& webSocketUrl, QObject* parent = nullptr);
    // Calls still waiting are dropped without their callbacks running.
    ~TDevToolsSession() override;

    void Call(const QString& method, const QJsonObject& params, std::chrono::milliseconds timeout,
              TReplyCallback done);

    bool IsClosed() const { return closed_; }
    // Closes the socket; calls still waiting fail as when the browser closes it.
    void Close();

signals:
    void Closed();

private:
    struct TPending {
        TReplyCallback Done;
        QTimer* Timer = nullptr;
    };

    void OnConnected();
    void OnMessage(const QString& message);
    void OnClosed();
    void Complete(int id, const TDevToolsReply& reply);
    void FailLater(TReplyCallback done, const QString& error);

    QWebSocket socket_;
    QUrl url_;
    int nextId_ = 1;
    bool connected_ = false;
    bool closed_ = false;
    QStringList unsent_;
    std::map<int, TPending> pending_;
};

} // namespace tintora
