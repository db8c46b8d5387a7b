#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into a normal close of a window, so that a desktop session
// that ends, a terminal that goes away or Ctrl+C still writes the settings. The handler only
// writes a byte to a pipe; the window is closed from the event loop.

#include <memory>

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

namespace tintora {

class TSignalCloser : public QObject {
    Q_OBJECT
public:
    explicit TSignalCloser(QWidget* window);
    ~TSignalCloser() override;

private:
    void OnSignal();

    QPointer<QWidget> window_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tintora
