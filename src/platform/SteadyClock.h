#pragma once

// The system's monotonic clock.

#include "services/Clock.h"

namespace tintora {

class TSteadyClock : public IClock {
public:
    std::int64_t NowMs() const override;
};

} // namespace tintora
