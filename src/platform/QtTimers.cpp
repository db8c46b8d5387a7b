#include "platform/QtTimers.h"

#include <QTimer>

namespace tintora {

namespace {

class TQtTimer : public ITimer {
public:
    TQtTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTick_) {
                onTick_();
            }
        });
    }

    void Start(int intervalMs) override { timer_.start(intervalMs); }
    // QTimer restarts a running timer when its interval is set.
    void SetInterval(int intervalMs) override { timer_.setInterval(intervalMs); }
    void Stop() override { timer_.stop(); }
    bool Active() const override { return timer_.isActive(); }
    void SetOnTick(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

} // namespace

std::unique_ptr<ITimer> TQtTimerSource::MakeTimer() {
    return std::make_unique<TQtTimer>();
}

ITimerSource& QtTimers() {
    static TQtTimerSource source;
    return source;
}

} // namespace tintora
