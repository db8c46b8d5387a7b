#pragma once

// Timers on Qt's event loop.

#include "services/Timer.h"

namespace tintora {

class TQtTimerSource : public ITimerSource {
public:
    std::unique_ptr<ITimer> MakeTimer() override;
};

// The program's one source of real timers.
ITimerSource& QtTimers();

} // namespace tintora
