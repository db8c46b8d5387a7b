#include "preview/DynamicPreview.h"

#include "color/ColorText.h"
#include "preview/PageScripts.h"
#include "text/Ascii.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace tintora {

namespace {

struct TQueuedUpdate {
    TDynamicPreviewUpdate Update;
    TDynamicPreview::TDoneCallback Done;
};

std::string EpochDeadline(std::chrono::milliseconds fromNow) {
    const auto deadline = std::chrono::system_clock::now() + fromNow;
    return std::to_string(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline.time_since_epoch()).count());
}

bool HasPreviewScheme(std::string_view url) {
    for (const std::string_view scheme : {"http:", "https:", "file:"}) {
        if (url.size() >= scheme.size() &&
            EqualsIgnoringAsciiCase(url.substr(0, scheme.size()), scheme)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::string_view> BodyColorAttribute(int swatchTag) {
    constexpr std::array<std::string_view, 5> kAttributes = {"bgColor", "text", "link", "vLink",
                                                             "aLink"};
    if (swatchTag < 21 || swatchTag > 25) {
        return std::nullopt;
    }
    return kAttributes[static_cast<std::size_t>(swatchTag - 21)];
}

std::vector<TDevToolsTarget> PreviewTargets(const std::vector<TDevToolsTarget>& targets) {
    std::vector<TDevToolsTarget> pages;
    for (const TDevToolsTarget& t : targets) {
        if (t.Type == "page" && !t.WebSocketUrl.empty() && HasPreviewScheme(t.Url)) {
            pages.push_back(t);
        }
    }
    return pages;
}

struct TDynamicPreview::TState : std::enable_shared_from_this<TDynamicPreview::TState> {
    IDevToolsBrowser& browser;
    IUserPrompts& prompts;
    const IClock& clock;
    std::function<void()> keepProgramInFront;

    bool running = false;
    TQueuedUpdate current;
    std::optional<TQueuedUpdate> queued;
    std::vector<TDevToolsTarget> targets;
    std::size_t nextTarget = 0;
    bool listing = false;
    std::optional<std::vector<TDevToolsTarget>> prefetched;
    std::int64_t prefetchedAtMs = 0;
    std::uint64_t restyleCount = 0;

    TState(IDevToolsBrowser& b, IUserPrompts& p, const IClock& c, std::function<void()> front)
        : browser(b), prompts(p), clock(c), keepProgramInFront(std::move(front)) {}

    // Callbacks hold the state weakly: a round outliving the preview ends quietly.
    template <typename F>
    auto Weakly(F f) {
        return [weak = weak_from_this(), f = std::move(f)](auto&&... args) {
            if (const auto self = weak.lock()) {
                f(*self, std::forward<decltype(args)>(args)...);
            }
        };
    }

    void Start(TQueuedUpdate update) {
        running = true;
        current = std::move(update);
        if (listing) {
            return; // the list on its way starts the round
        }
        if (prefetched && clock.NowMs() - prefetchedAtMs <= PrefetchedTargetsMaxAge.count()) {
            UseTargets(std::move(*prefetched));
        } else {
            List();
        }
    }

    void List() {
        listing = true;
        prefetched.reset();
        browser.ListTargets(Weakly([](TState& s, std::vector<TDevToolsTarget> all) {
            s.listing = false;
            if (s.running) {
                s.UseTargets(std::move(all));
            } else {
                s.prefetched = std::move(all);
                s.prefetchedAtMs = s.clock.NowMs();
            }
        }));
    }

    void UseTargets(std::vector<TDevToolsTarget> all) {
        prefetched.reset();
        targets = PreviewTargets(all);
        nextTarget = 0;
        TryNextTarget();
    }

    void TryNextTarget() {
        if (nextTarget >= targets.size()) {
            Finish(TUpdateOutcome::uoNoWindow);
            return;
        }
        const TDevToolsTarget& target = targets[nextTarget++];
        const std::string deadline = EpochDeadline(PageUpdateDeadline);
        auto onResult = Weakly([](TState& s, TScriptResult r) { s.OnScriptResult(std::move(r)); });
        if (const auto* font = std::get_if<TFontSpanUpdate>(&current.Update)) {
            browser.CallFunction(target, std::string(UpdateFontSpanScript),
                                 {font->FontTag, RenamedSpanId(), deadline}, PageAnswerWait,
                                 std::move(onResult));
        } else {
            const auto& body = std::get<TBodyColorUpdate>(current.Update);
            const std::string color = "#" + ColorToHexString(body.Color, TCharCaseMode::ccLower);
            browser.CallFunction(
                target, std::string(UpdateBodyColorScript),
                {std::string(body.Attribute), color, std::to_string(++restyleCount), deadline},
                PageAnswerWait, std::move(onResult));
        }
    }

    // "huxgrd" and the tick count as eight upper-case hexadecimal digits.
    std::string RenamedSpanId() const {
        std::array<char, 9> digits{};
        std::snprintf(digits.data(), digits.size(), "%08X",
                      static_cast<unsigned>(static_cast<std::uint32_t>(clock.NowMs())));
        return std::string(FontSpanId) + digits.data();
    }

    void OnScriptResult(const TScriptResult& result) {
        if (result.Kind == TScriptResult::TKind::skUnreachable) {
            TryNextTarget();
            return;
        }
        if (result.Kind == TScriptResult::TKind::skThrew) {
            prompts.ShowError(result.Value);
            Finish(TUpdateOutcome::uoFailed);
            return;
        }
        if (result.Value == PageUpdated) {
            keepProgramInFront();
            Finish(TUpdateOutcome::uoUpdated);
        } else if (result.Value == PageRefusedSelection) {
            keepProgramInFront();
            prompts.ShowError(std::string(PastePreviewRefusedMessage));
            Finish(TUpdateOutcome::uoRefused);
        } else if (result.Value == PageNeedsOuterHtml) {
            keepProgramInFront();
            SetSpanOuterHtml();
        } else {
            TryNextTarget();
        }
    }

    // For pages whose own scripts may not set HTML: the span is in place, the protocol fills it.
    void SetSpanOuterHtml() {
        const auto& font = std::get<TFontSpanUpdate>(current.Update);
        const std::string id(FontSpanId);
        browser.SetOuterHtml(targets[nextTarget - 1], "#" + id,
                             "<span id=\"" + id + "\">" + font.FontTag + "</span>", PageAnswerWait,
                             Weakly([](TState& s, TScriptResult r) {
                                 if (r.Kind == TScriptResult::TKind::skThrew) {
                                     s.prompts.ShowError(r.Value);
                                 }
                                 s.Finish(r.Kind == TScriptResult::TKind::skReturned
                                              ? TUpdateOutcome::uoUpdated
                                              : TUpdateOutcome::uoFailed);
                             }));
    }

    void Finish(TUpdateOutcome outcome) {
        TDoneCallback done = std::move(current.Done);
        running = false;
        if (queued) {
            TQueuedUpdate next = std::move(*queued);
            queued.reset();
            Start(std::move(next));
        }
        if (done) {
            done(outcome);
        }
    }
};

TDynamicPreview::TDynamicPreview(IDevToolsBrowser& browser, IUserPrompts& prompts,
                                 const IClock& clock, std::function<void()> keepProgramInFront)
    : state_(std::make_shared<TState>(browser, prompts, clock, std::move(keepProgramInFront))) {}

TDynamicPreview::~TDynamicPreview() = default;

void TDynamicPreview::UpdateDynamicPreview(TDynamicPreviewUpdate update, TDoneCallback done) {
    TQueuedUpdate next{std::move(update), std::move(done)};
    if (!state_->running) {
        state_->Start(std::move(next));
        return;
    }
    if (state_->queued && state_->queued->Done) {
        state_->queued->Done(TUpdateOutcome::uoSuperseded);
    }
    state_->queued = std::move(next);
}

void TDynamicPreview::PrefetchTargets() {
    if (!state_->running && !state_->listing) {
        state_->List();
    }
}

bool TDynamicPreview::Busy() const {
    return state_->running;
}

} // namespace tintora
