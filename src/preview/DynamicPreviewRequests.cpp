#include "preview/DynamicPreviewRequests.h"

#include <algorithm>

namespace tintora {

TDynamicPreviewRequests::TDynamicPreviewRequests(const IClock& clock, const bool& dynamicPreview)
    : clock_(clock), dynamicPreview_(dynamicPreview), requestMs_(clock.NowMs()) {}

void TDynamicPreviewRequests::RequestDynamicPreview() {
    if (dynamicPreview_) {
        pending_ = true;
        requestMs_ = clock_.NowMs();
    }
}

bool TDynamicPreviewRequests::TakeDueRequest() {
    if (!pending_ || clock_.NowMs() - requestMs_ <= DynamicPreviewDelay.count()) {
        return false;
    }
    pending_ = false;
    return true;
}

std::optional<std::chrono::milliseconds> TDynamicPreviewRequests::TimeUntilDue() const {
    if (!pending_) {
        return std::nullopt;
    }
    const std::int64_t waited = clock_.NowMs() - requestMs_;
    return std::chrono::milliseconds(
        std::max<std::int64_t>(0, DynamicPreviewDelay.count() + 1 - waited));
}

} // namespace tintora
