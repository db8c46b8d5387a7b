#pragma once

// Time as the program's rules count it: milliseconds on a clock that never goes back. The real
// clock is the system's monotonic clock; tests move a fake one by hand.

#include <cstdint>

namespace tintora {

class IClock {
public:
    virtual ~IClock() = default;
    virtual std::int64_t NowMs() const = 0;
};

} // namespace tintora
