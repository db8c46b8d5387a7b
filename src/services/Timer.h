#pragma once

// Timers that call back on the thread that runs the program's events. Controls that repeat
// while a button is held make their timers through an ITimerSource, so that tests can hand them
// timers whose time is moved by hand.

#include <functional>
#include <memory>

namespace tintora {

class ITimer {
public:
    virtual ~ITimer() = default;
    // Ticks every intervalMs milliseconds from now on, until stopped.
    virtual void Start(int intervalMs) = 0;
    // A running timer starts counting the new interval from now.
    virtual void SetInterval(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
    virtual void SetOnTick(std::function<void()> onTick) = 0;
};

class ITimerSource {
public:
    virtual ~ITimerSource() = default;
    virtual std::unique_ptr<ITimer> MakeTimer() = 0;
};

} // namespace tintora
