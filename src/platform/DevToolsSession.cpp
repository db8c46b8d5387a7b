#include "platform/DevToolsSession.h"

#include <QJsonDocument>
#include <QNetworkProxy>

namespace tintora {

TDevToolsSession::TDevToolsSession(const QUrl& webSocketUrl, QObject* parent)
    : QObject(parent), url_(webSocketUrl) {
    socket_.setProxy(QNetworkProxy::NoProxy);
    connect(&socket_, &QWebSocket::connected, this, &TDevToolsSession::OnConnected);
    connect(&socket_, &QWebSocket::textMessageReceived, this, &TDevToolsSession::OnMessage);
    connect(&socket_, &QWebSocket::disconnected, this, &TDevToolsSession::OnClosed);
    connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            [this](QAbstractSocket::SocketError) { OnClosed(); });
    socket_.open(url_);
}

TDevToolsSession::~TDevToolsSession() {
    socket_.disconnect(this);
}

void TDevToolsSession::Call(const QString& method, const QJsonObject& params,
                            std::chrono::milliseconds timeout, TReplyCallback done) {
    if (closed_) {
        FailLater(std::move(done),
                  QStringLiteral("DevTools connection to %1 is closed").arg(url_.toString()));
        return;
    }
    const int id = nextId_++;
    const QJsonObject message{{"id", id}, {"method", method}, {"params", params}};
    const QString text = QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact));

    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, id, method] {
        Complete(id, {false, {}, QStringLiteral("%1 got no answer in time").arg(method)});
    });
    timer->start(timeout);
    pending_.emplace(id, TPending{std::move(done), timer});

    if (connected_) {
        socket_.sendTextMessage(text);
    } else {
        unsent_ << text;
    }
}

void TDevToolsSession::Close() {
    socket_.abort();
    OnClosed();
}

void TDevToolsSession::OnConnected() {
    connected_ = true;
    for (const QString& text : std::as_const(unsent_)) {
        socket_.sendTextMessage(text);
    }
    unsent_.clear();
}

void TDevToolsSession::OnMessage(const QString& message) {
    const QJsonObject object = QJsonDocument::fromJson(message.toUtf8()).object();
    const QJsonValue id = object.value(QStringLiteral("id"));
    if (!id.isDouble()) {
        return; // an event; none are asked for
    }
    const QJsonValue error = object.value(QStringLiteral("error"));
    if (error.isObject()) {
        Complete(id.toInt(),
                 {false, {}, error.toObject().value(QStringLiteral("message")).toString()});
    } else {
        Complete(id.toInt(), {true, object.value(QStringLiteral("result")).toObject(), {}});
    }
}

void TDevToolsSession::OnClosed() {
    if (closed_) {
        return;
    }
    closed_ = true;
    connected_ = false;
    unsent_.clear();
    const QString error = QStringLiteral("DevTools connection to %1 closed: %2")
                              .arg(url_.toString(), socket_.errorString());
    std::map<int, TPending> failed;
    failed.swap(pending_);
    for (auto& [id, call] : failed) {
        delete call.Timer;
        call.Done({false, {}, error});
    }
    emit Closed();
}

void TDevToolsSession::Complete(int id, const TDevToolsReply& reply) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return; // answered after its time ran out
    }
    TPending call = std::move(found->second);
    pending_.erase(found);
    call.Timer->deleteLater();
    call.Done(reply);
}

void TDevToolsSession::FailLater(TReplyCallback done, const QString& error) {
    QTimer::singleShot(0, this, [done = std::move(done), error] { done({false, {}, error}); });
}

} // namespace tintora
