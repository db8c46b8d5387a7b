#pragma once

// The live preview: the FONT tag or one body colour written into a page already open in the
// browser, without reloading it. The pages are tried in the browser's window order (most recently
// activated first); the first one that takes the update ends the round. Everything runs from the
// event loop: a round goes on in callbacks, and an update asked for while a round runs waits for
// it, only the newest one being kept.

#include "color/Color.h"
#include "services/Clock.h"
#include "services/DevToolsBrowser.h"
#include "services/UserPrompts.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tintora {

inline constexpr std::string_view PastePreviewRefusedMessage =
    "ブラウザの選択範囲にタグを挿入できませんでした.\r\n\r\n"
    "このエラーは表 (TABLE) 内部を複数セルにまたがって選択している場合などに発生します.\r\n"
    "選択範囲を小さく (または大きく) なるように変更してから再試行してください";

// How long a page has to start an update, and how long the program waits for its answer. The
// answer may take a little longer than the page's own deadline; past the wait the page is taken as
// gone and the next one is tried, which the deadline makes safe.
inline constexpr std::chrono::milliseconds PageUpdateDeadline{400};
inline constexpr std::chrono::milliseconds PageAnswerWait{600};
// How old a list of pages fetched ahead of an update may be when the update uses it.
inline constexpr std::chrono::milliseconds PrefetchedTargetsMaxAge{50};

struct TFontSpanUpdate {
    std::string FontTag; // MakeFontTag's text
};

struct TBodyColorUpdate {
    std::string_view Attribute; // from BodyColorAttribute
    TColor Color = clBlack;
};

using TDynamicPreviewUpdate = std::variant<TFontSpanUpdate, TBodyColorUpdate>;

// The body attribute of a BODY swatch by its tag number: 21 bgColor, 22 text, 23 link, 24 vLink,
// 25 aLink; nothing for any other number.
std::optional<std::string_view> BodyColorAttribute(int swatchTag);

// The pages worth updating: page targets showing an http, https or file URL, in the given order.
std::vector<TDevToolsTarget> PreviewTargets(const std::vector<TDevToolsTarget>& targets);

enum class TUpdateOutcome {
    uoUpdated,    // a page took the update
    uoNoWindow,   // no page could take it; nothing was reported
    uoRefused,    // the page's selection could not take the span; the message was shown
    uoFailed,     // the page raised an error, which was shown, or its HTML could not be set
    uoSuperseded, // a newer update replaced this one before it ran
};

class TDynamicPreview {
public:
    using TDoneCallback = std::function<void(TUpdateOutcome)>;

    // keepProgramInFront runs when a page has been found to update, so that the program's own
    // window stays in front of the browser.
    TDynamicPreview(IDevToolsBrowser& browser, IUserPrompts& prompts, const IClock& clock,
                    std::function<void()> keepProgramInFront);
    ~TDynamicPreview();
    TDynamicPreview(const TDynamicPreview&) = delete;
    TDynamicPreview& operator=(const TDynamicPreview&) = delete;

    // Starts a round, or queues the update behind the one that runs. done, when given, gets the
    // outcome.
    void UpdateDynamicPreview(TDynamicPreviewUpdate update, TDoneCallback done = {});

    // Lists the browser's pages now for an update that is about to come (the first edit of a
    // burst), so that the update need not wait for the list when it runs.
    void PrefetchTargets();

    bool Busy() const;

private:
    struct TState;
    std::shared_ptr<TState> state_;
};

} // namespace tintora
