#include "platform/InstanceMarker.h"

#include <QLocalSocket>

namespace tintora {

namespace {

constexpr int kConnectTimeoutMs = 500;
const QByteArray kRaiseRequest = "raise\n";

} // namespace

TInstanceMarker::TInstanceMarker(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    connect(&server_, &QLocalServer::newConnection, this, &TInstanceMarker::OnNewConnection);
}

TInstanceMarker::~TInstanceMarker() {
    Remove();
}

TInstanceMarker::TResult TInstanceMarker::FindOrPlace() {
    if (AskOtherToRaise()) {
        return TResult::imFoundOther;
    }
    // Nobody answered: a socket file left behind by a copy that did not end normally is stale.
    QLocalServer::removeServer(name_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(name_) ? TResult::imPlaced : TResult::imFailed;
}

void TInstanceMarker::Remove() {
    if (server_.isListening()) {
        server_.close();
    }
}

bool TInstanceMarker::AskOtherToRaise() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        return false;
    }
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void TInstanceMarker::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("raise")) {
                emit RaiseRequested();
            }
        });
    }
}

} // namespace tintora
