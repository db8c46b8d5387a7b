// The live preview's browser connection, opened from its module on first use.

#include "platform/LazyDevToolsBrowser.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace tintora {
namespace {

// A browser that answers as the live preview sees it: targets, and a script call on a target
// that is not there. Both answers come from the event loop, never inside the call.
struct TAnswers {
    bool listedInCall = true;
    bool calledInCall = true;
    std::optional<std::vector<TDevToolsTarget>> targets;
    std::optional<TScriptResult> result;
};

TAnswers Ask(TLazyDevToolsBrowser& browser) {
    TAnswers a;
    bool inCall = true;
    browser.ListTargets([&](std::vector<TDevToolsTarget> t) {
        a.listedInCall = inCall;
        a.targets = std::move(t);
    });
    browser.CallFunction(TDevToolsTarget{"gone", "page", "about:blank", "ws://127.0.0.1:9/x"},
                         "function () { return 1; }", {}, std::chrono::milliseconds(500),
                         [&](TScriptResult r) {
                             a.calledInCall = inCall;
                             a.result = std::move(r);
                         });
    inCall = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return a.targets && a.result; }, 5000));
    return a;
}

TEST(LazyDevToolsBrowser, WithOrWithoutItsModuleTheBrowserIsOnlyUnreachable) {
    const QTemporaryDir profile;
    const QTemporaryDir empty;
    const struct {
        const char* name;
        QStringList folders;
        bool loads;
    } rows[] = {
        {"no folder holds the module", {empty.path()}, false},
        {"the module beside the built program", {empty.path(), TINTORA_MODULE_BUILD_DIR}, true},
    };
    for (const auto& row : rows) {
        TLazyDevToolsBrowser browser(profile.path(), row.folders);
        const TAnswers a = Ask(browser);
        EXPECT_EQ(browser.Client() != nullptr, row.loads) << row.name;
        EXPECT_FALSE(a.listedInCall) << row.name;
        EXPECT_FALSE(a.calledInCall) << row.name;
        ASSERT_TRUE(a.targets && a.result) << row.name;
        EXPECT_TRUE(a.targets->empty()) << row.name;
        EXPECT_EQ(a.result->Kind, TScriptResult::TKind::skUnreachable) << row.name;
    }
}

} // namespace
} // namespace tintora
