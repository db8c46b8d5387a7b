#include "preview/DynamicPreview.h"

#include "fakes/FakeServices.h"
#include "preview/DynamicPreviewRequests.h"
#include "preview/PageScripts.h"

#include <deque>
#include <gtest/gtest.h>

namespace tintora {
namespace {

using namespace std::chrono_literals;

TEST(DynamicPreviewRequestsTest, ThirtyMillisecondRule) {
    TFakeClock clock;
    TDynamicPreviewRequests requests(clock);
    requests.RequestDynamicPreview();
    EXPECT_FALSE(requests.Pending()) << "off: edits request nothing";

    requests.SetDynamicPreview(true);
    requests.RequestDynamicPreview();
    clock.Now += 20;
    requests.RequestDynamicPreview(); // a drag restamps the one request
    clock.Now += 30;
    EXPECT_EQ(requests.TimeUntilDue(), 1ms);
    EXPECT_FALSE(requests.TakeDueRequest());
    clock.Now += 1;
    requests.SetDynamicPreview(false); // a pending request still runs
    EXPECT_EQ(requests.TimeUntilDue(), 0ms);
    EXPECT_TRUE(requests.TakeDueRequest());
    EXPECT_FALSE(requests.TakeDueRequest());
    EXPECT_EQ(requests.TimeUntilDue(), std::nullopt);
}

TEST(DynamicPreviewTargetsTest, OnlyWebPagesInWindowOrder) {
    const std::vector<TDevToolsTarget> all = {
        {"1", "page", "chrome://newtab/", "ws://1"},
        {"2", "page", "file:///tmp/tintora.html", "ws://2"},
        {"3", "browser_ui", "https://x.example/", "ws://3"},
        {"4", "page", "HTTPS://x.example/", "ws://4"},
        {"5", "service_worker", "http://x.example/sw.js", "ws://5"},
        {"6", "page", "about:blank", "ws://6"},
        {"7", "page", "http://x.example/", ""},
        {"8", "page", "http://y.example/", "ws://8"},
    };
    std::vector<std::string> ids;
    for (const TDevToolsTarget& t : PreviewTargets(all)) {
        ids.push_back(t.Id);
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"2", "4", "8"}));
}

// Answers from a script: each page's answer by target id; callbacks run only when the test pumps.
class TScriptedBrowser : public IDevToolsBrowser {
public:
    void ListTargets(TTargetsCallback done) override {
        later.push_back([this, done] { done(targets); });
    }
    void CallFunction(const TDevToolsTarget& target, const std::string&,
                      const std::vector<std::string>& args, std::chrono::milliseconds,
                      TResultCallback done) override {
        calls.push_back(target.Id);
        lastArgs = args;
        const TScriptResult result = answers[target.Id];
        later.push_back([done, result] { done(result); });
    }
    void SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                      const std::string& html, std::chrono::milliseconds,
                      TResultCallback done) override {
        calls.push_back("outer " + target.Id + " " + selector + " " + html);
        later.push_back([done] { done({TScriptResult::TKind::skReturned, ""}); });
    }
    void Pump() {
        while (!later.empty()) {
            auto next = std::move(later.front());
            later.pop_front();
            next();
        }
    }

    std::vector<TDevToolsTarget> targets;
    std::map<std::string, TScriptResult> answers;
    std::vector<std::string> calls;
    std::vector<std::string> lastArgs;
    std::deque<std::function<void()>> later;
};

class DynamicPreviewTest : public ::testing::Test {
protected:
    DynamicPreviewTest() {
        for (const char* id : {"a", "b", "c"}) {
            browser_.targets.push_back(
                {id, "page", std::string("http://") + id, "ws://" + std::string(id)});
        }
    }
    TUpdateOutcome Run(TDynamicPreviewUpdate update) {
        std::optional<TUpdateOutcome> outcome;
        preview_.UpdateDynamicPreview(std::move(update), [&](TUpdateOutcome o) { outcome = o; });
        browser_.Pump();
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(TUpdateOutcome::uoFailed);
    }
    static TScriptResult Returned(std::string_view value) {
        return {TScriptResult::TKind::skReturned, std::string(value)};
    }

    TScriptedBrowser browser_;
    TFakeUserPrompts prompts_;
    TFakeClock clock_;
    int raised_ = 0;
    TDynamicPreview preview_{browser_, prompts_, clock_, [this] { ++raised_; }};
};

TEST_F(DynamicPreviewTest, OutcomesThatEndTheRound) {
    browser_.targets.clear();
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoNoWindow);
    EXPECT_TRUE(prompts_.Shown.empty()) << "no browser: nothing is reported";

    browser_.targets.push_back({"a", "page", "file:///a", "ws://a"});
    browser_.answers["a"] = Returned(PageRefusedSelection);
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoRefused);
    browser_.answers["a"] = {TScriptResult::TKind::skThrew, "TypeError: boom"};
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoFailed);
    EXPECT_EQ(prompts_.Shown, (std::vector<TFakeUserPrompts::TShown>{
                                  {"error", "", std::string(PastePreviewRefusedMessage)},
                                  {"error", "", "TypeError: boom"}}));

    browser_.answers["a"] = Returned(PageNeedsOuterHtml);
    EXPECT_EQ(Run(TFontSpanUpdate{"<b>x</b>"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(browser_.calls.back(), "outer a #huxgrd <span id=\"huxgrd\"><b>x</b></span>");
    EXPECT_EQ(raised_, 2) << "the program's window comes forward when a page was found";
}

TEST_F(DynamicPreviewTest, UpdatesAskedForDuringARoundRunAfterItNewestOnly) {
    browser_.answers["a"] = Returned(PageUpdated);
    std::vector<std::pair<std::string, TUpdateOutcome>> outcomes;
    for (const char* tag : {"1", "2", "3"}) {
        preview_.UpdateDynamicPreview(TFontSpanUpdate{tag}, [&outcomes, tag](TUpdateOutcome o) {
            outcomes.emplace_back(tag, o);
        });
    }
    EXPECT_TRUE(preview_.Busy());
    browser_.Pump();
    EXPECT_FALSE(preview_.Busy());
    EXPECT_EQ(outcomes, (std::vector<std::pair<std::string, TUpdateOutcome>>{
                            {"2", TUpdateOutcome::uoSuperseded},
                            {"1", TUpdateOutcome::uoUpdated},
                            {"3", TUpdateOutcome::uoUpdated}}));
    EXPECT_EQ(browser_.lastArgs[0], "3");
}

} // namespace
} // namespace tintora
