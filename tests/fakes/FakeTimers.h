#pragma once

// Timers whose time a test moves by hand: Advance(ms) runs every tick that falls due within those
// milliseconds, in order, on every timer the source has made and that still exists.

#include "services/Timer.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tintora {

class TFakeTimerSource;

class TFakeTimer : public ITimer {
public:
    explicit TFakeTimer(std::vector<TFakeTimer*>& live) : live_(live) { live_.push_back(this); }
    ~TFakeTimer() override { std::erase(live_, this); }

    void Start(int intervalMs) override {
        interval_ = intervalMs;
        elapsed_ = 0;
        active_ = true;
    }
    void SetInterval(int intervalMs) override {
        interval_ = intervalMs;
        elapsed_ = 0;
    }
    void Stop() override { active_ = false; }
    bool Active() const override { return active_; }
    void SetOnTick(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

    int Interval() const { return interval_; }

    void Advance(int ms) {
        while (active_ && interval_ > 0 && elapsed_ + ms >= interval_) {
            ms -= interval_ - elapsed_;
            elapsed_ = 0;
            if (onTick_) {
                onTick_();
            }
        }
        if (active_) {
            elapsed_ += ms;
        }
    }

private:
    std::vector<TFakeTimer*>& live_;
    std::function<void()> onTick_;
    int interval_ = 0;
    int elapsed_ = 0;
    bool active_ = false;
};

class TFakeTimerSource : public ITimerSource {
public:
    std::unique_ptr<ITimer> MakeTimer() override {
        ++Made;
        return std::make_unique<TFakeTimer>(live_);
    }

    void Advance(int ms) {
        for (TFakeTimer* timer : std::vector<TFakeTimer*>(live_)) {
            if (std::find(live_.begin(), live_.end(), timer) != live_.end()) {
                timer->Advance(ms);
            }
        }
    }

    int Made = 0;

private:
    std::vector<TFakeTimer*> live_;
};

} // namespace tintora
