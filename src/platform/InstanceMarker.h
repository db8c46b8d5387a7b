#pragma once

// The process-wide marker that tells a starting program whether another copy already runs: a
// local socket named after the executable's file name in the user's runtime folder. The first copy
// owns it; a later copy asks the first one to bring its window to the front, and then starts as
// well.

#include <QLocalServer>
#include <QObject>
#include <QString>

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
    bool AskOtherToRaise();
    void OnNewConnection();

    QString name_;
    QLocalServer server_;
};

} // namespace tintora
