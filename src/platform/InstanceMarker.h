#pragma once

// The process-wide marker that tells a starting program whether another copy already runs: a
// local socket named after the executable's file name in the user's runtime folder. The first copy
// owns it; a later copy asks the first one to bring its window to the front, and then starts as
// well. Plain POSIX sockets watched by the event loop: the program needs no network library.

#include <memory>
#include <vector>

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace tintora {

class TInstanceMarker : public QObject {
    Q_OBJECT
public:
    enum class TResult { imPlaced, imFoundOther, imFailed };

    explicit TInstanceMarker(QString name, QObject* parent = nullptr);
    ~TInstanceMarker() override;

    // Finds the marker; when another copy holds it, asks that copy to raise its window; otherwise
    // places it. imFailed means the marker could neither be found nor placed.
    TResult FindOrPlace();
    // Removes the marker if this process placed it.
    void Remove();

    const QString& Name() const { return name_; }

signals:
    // Another copy started and asks this one to bring its window to the front.
    void RaiseRequested();

private:
    bool AskOtherToRaise() const;
    void Accept();
    void ReadFrom(int fd);

    QString name_;
    int listening_ = -1;
    std::unique_ptr<QSocketNotifier> incoming_;
    // The copies connected now, each with what it has sent so far.
    struct TCaller {
        int fd;
        QByteArray received;
        std::unique_ptr<QSocketNotifier> readable;
    };
    std::vector<TCaller> callers_;
};

} // namespace tintora
