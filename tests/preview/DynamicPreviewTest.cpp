#include "preview/DynamicPreview.h"

#include "fakes/FakeServices.h"
#include "preview/DynamicPreviewRequests.h"
#include "preview/PageScripts.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using namespace std::chrono_literals;

TEST(DynamicPreviewRequestsTest, ThirtyMillisecondRule) {
    TFakeClock clock;
    bool dynamicPreview = false;
    TDynamicPreviewRequests requests(clock, dynamicPreview);
    requests.RequestDynamicPreview();
    EXPECT_FALSE(requests.Pending()) << "off: edits request nothing";

    dynamicPreview = true;
    requests.RequestDynamicPreview();
    clock.Now += 20;
    requests.RequestDynamicPreview(); // a drag restamps the one request
    clock.Now += 30;
    EXPECT_EQ(requests.TimeUntilDue(), 1ms);
    EXPECT_FALSE(requests.TakeDueRequest());
    clock.Now += 1;
    dynamicPreview = false; // a pending request still runs
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

class DynamicPreviewTest : public ::testing::Test {
protected:
    DynamicPreviewTest() {
        for (const char* id : {"a", "b", "c"}) {
            browser_.Targets.push_back(
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

    TFakeDevToolsBrowser browser_;
    TFakeUserPrompts prompts_;
    TFakeClock clock_;
    int raised_ = 0;
    TDynamicPreview preview_{browser_, prompts_, clock_, [this] { ++raised_; }};
};

TEST_F(DynamicPreviewTest, OutcomesThatEndTheRound) {
    browser_.Targets.clear();
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoNoWindow);
    EXPECT_TRUE(prompts_.Shown.empty()) << "no browser: nothing is reported";

    browser_.Targets.push_back({"a", "page", "file:///a", "ws://a"});
    browser_.Answers["a"] = Returned(PageRefusedSelection);
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoRefused);
    browser_.Answers["a"] = {TScriptResult::TKind::skThrew, "TypeError: boom"};
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoFailed);
    EXPECT_EQ(prompts_.Shown, (std::vector<TFakeUserPrompts::TShown>{
                                  {"error", "", std::string(PastePreviewRefusedMessage)},
                                  {"error", "", "TypeError: boom"}}));

    browser_.Answers["a"] = Returned(PageNeedsOuterHtml);
    EXPECT_EQ(Run(TFontSpanUpdate{"<b>x</b>"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(browser_.Calls.back(), "outer a #huxgrd <span id=\"huxgrd\"><b>x</b></span>");
    EXPECT_EQ(raised_, 2) << "the program's window comes forward when a page was found";
}

TEST_F(DynamicPreviewTest, APageListFetchedAheadServesTheNextUpdateWhileItIsFresh) {
    browser_.Answers["a"] = Returned(PageUpdated);
    preview_.PrefetchTargets();
    browser_.Pump();
    clock_.Now += 50;
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(browser_.Listed, 1u);

    preview_.PrefetchTargets();
    browser_.Pump();
    clock_.Now += 51; // too old: listed again
    EXPECT_EQ(Run(TFontSpanUpdate{"x"}), TUpdateOutcome::uoUpdated);
    EXPECT_EQ(browser_.Listed, 3u);
}

TEST_F(DynamicPreviewTest, UpdatesAskedForDuringARoundRunAfterItNewestOnly) {
    browser_.Answers["a"] = Returned(PageUpdated);
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
    EXPECT_EQ(browser_.LastArgs[0], "3");
}

} // namespace
} // namespace tintora
