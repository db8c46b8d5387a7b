#pragma once

// What the live preview asks of a browser that speaks the DevTools protocol: its targets, and
// scripts run in a target's page. Every callback runs later from the event loop, never inside the
// call that was given it.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tintora {

struct TDevToolsTarget {
    std::string Id;
    std::string Type; // "page", "browser_ui", "service_worker", ...
    std::string Url;
    std::string WebSocketUrl;
};

struct TScriptResult {
    enum class TKind {
        skReturned,    // Value is what the function returned, as text
        skThrew,       // Value describes the exception the page raised
        skUnreachable, // the target went away, did not answer in time, or the call failed
    };
    TKind Kind = TKind::skUnreachable;
    std::string Value;
};

class IDevToolsBrowser {
public:
    using TTargetsCallback = std::function<void(std::vector<TDevToolsTarget>)>;
    using TResultCallback = std::function<void(TScriptResult)>;

    virtual ~IDevToolsBrowser() = default;

    // The browser's targets, most recently activated first; none when no browser is reachable.
    virtual void ListTargets(TTargetsCallback done) = 0;

    // Calls a function, given as the source text of a function expression, with text arguments in
    // the target's page. The arguments reach the page exactly as given, whatever they contain.
    virtual void CallFunction(const TDevToolsTarget& target, const std::string& functionSource,
                              const std::vector<std::string>& args,
                              std::chrono::milliseconds timeout, TResultCallback done) = 0;

    // Replaces the first element that matches the CSS selector, tags included, by the HTML text;
    // works where the page's own scripts may not set HTML (Trusted Types).
    virtual void SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                              const std::string& html, std::chrono::milliseconds timeout,
                              TResultCallback done) = 0;
};

} // namespace tintora
