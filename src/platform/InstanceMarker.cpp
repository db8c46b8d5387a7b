#include "platform/InstanceMarker.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace tintora {

namespace {

constexpr int kConnectTimeoutMs = 500;
constexpr char kRaiseRequest[] = "raise\n";

bool SocketAddress(const QString& name, sockaddr_un& address) {
    const QByteArray path = name.toLocal8Bit();
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// A connection that is refused or not accepted in time finds no other copy.
int ConnectWithin(const sockaddr_un& address, int timeoutMs) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return -1;
    }
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return fd;
    }
    pollfd waiting{fd, POLLOUT, 0};
    int error = errno;
    socklen_t length = sizeof error;
    if (error == EINPROGRESS || error == EAGAIN) {
        if (poll(&waiting, 1, timeoutMs) == 1 &&
            getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
            return fd;
        }
    }
    close(fd);
    return -1;
}

} // namespace

TInstanceMarker::TInstanceMarker(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

TInstanceMarker::~TInstanceMarker() {
    Remove();
}

TInstanceMarker::TResult TInstanceMarker::FindOrPlace() {
    if (AskOtherToRaise()) {
        return TResult::imFoundOther;
    }
    sockaddr_un address{};
    if (!SocketAddress(name_, address)) {
        return TResult::imFailed;
    }
    // Nobody answered: a socket file left behind by a copy that did not end normally is stale.
    unlink(address.sun_path);
    listening_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // Only the user may connect: the socket file is the user's own and not open to others.
    if (listening_ < 0 ||
        bind(listening_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        chmod(address.sun_path, 0600) != 0 || listen(listening_, 8) != 0) {
        Remove();
        return TResult::imFailed;
    }
    incoming_ = std::make_unique<QSocketNotifier>(listening_, QSocketNotifier::Read);
    connect(incoming_.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
    return TResult::imPlaced;
}

void TInstanceMarker::Remove() {
    callers_.clear();
    incoming_.reset();
    if (listening_ >= 0) {
        close(listening_);
        listening_ = -1;
        sockaddr_un address{};
        if (SocketAddress(name_, address)) {
            unlink(address.sun_path);
        }
    }
}

bool TInstanceMarker::AskOtherToRaise() const {
    sockaddr_un address{};
    if (!SocketAddress(name_, address)) {
        return false;
    }
    const int fd = ConnectWithin(address, kConnectTimeoutMs);
    if (fd < 0) {
        return false;
    }
    pollfd writable{fd, POLLOUT, 0};
    if (poll(&writable, 1, kConnectTimeoutMs) == 1) {
        const ssize_t sent = send(fd, kRaiseRequest, sizeof kRaiseRequest - 1, MSG_NOSIGNAL);
        static_cast<void>(sent); // the other copy runs either way; raising it is a courtesy
    }
    close(fd);
    return true;
}

void TInstanceMarker::Accept() {
    for (;;) {
        const int fd = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;
        }
        auto readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(readable.get(), &QSocketNotifier::activated, this, [this, fd] { ReadFrom(fd); });
        callers_.push_back({fd, {}, std::move(readable)});
    }
}

void TInstanceMarker::ReadFrom(int fd) {
    const auto caller = std::find_if(callers_.begin(), callers_.end(),
                                     [fd](const TCaller& c) { return c.fd == fd; });
    if (caller == callers_.end()) {
        return;
    }
    char buffer[64];
    ssize_t n = 0;
    while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0) {
        caller->received.append(buffer, n);
    }
    if (caller->received.contains("raise")) {
        caller->received.clear();
        emit RaiseRequested();
    }
    // The caller hung up (or failed): it is done.
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
        caller->readable.reset();
        close(fd);
        callers_.erase(caller);
    }
}

} // namespace tintora
