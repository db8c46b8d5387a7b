#pragma once

// When the live preview runs: every edit restamps one pending request, and the update runs once
// the program is idle and more than 30 ms have passed since the latest request, so a drag updates
// the page when it pauses or ends rather than at every move.

#include "services/Clock.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace tintora {

inline constexpr std::chrono::milliseconds DynamicPreviewDelay{30};

class TDynamicPreviewRequests {
public:
    // dynamicPreview is the DynamicPreview setting, read at each request; turning it off leaves
    // a pending request pending, and that update still runs. The request time starts at the
    // moment of creation.
    TDynamicPreviewRequests(const IClock& clock, const bool& dynamicPreview);

    // With DynamicPreview on: the request is pending, stamped now. Off: nothing.
    void RequestDynamicPreview();

    // The idle rule: true when a request is pending and more than DynamicPreviewDelay old; it is
    // then no longer pending, and the caller runs the update.
    bool TakeDueRequest();

    // How long the pending request still has to wait (zero when it is due); nothing when no
    // request is pending.
    std::optional<std::chrono::milliseconds> TimeUntilDue() const;

    bool Pending() const { return pending_; }

private:
    const IClock& clock_;
    const bool& dynamicPreview_;
    bool pending_ = false;
    std::int64_t requestMs_;
};

} // namespace tintora
