#pragma once

// Fakes of the platform services for tests: they record what the code under test asked and give
// the answers a test queued. An answer that was not queued is the cautious one: No, Cancel.

#include "services/ClipboardText.h"
#include "services/Clock.h"
#include "services/DdeClient.h"
#include "services/DevToolsBrowser.h"
#include "services/FileChooser.h"
#include "services/ProcessStarter.h"
#include "services/UserPrompts.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tintora {

// The first queued answer, taken off the queue; `otherwise` when none is left.
template <class T>
T NextAnswer(std::deque<T>& answers, T otherwise = T()) {
    if (answers.empty()) {
        return otherwise;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

class TFakeClipboardText : public IClipboardText {
public:
    void SetText(const std::string& text) override { Texts.push_back(text); }
    // The clipboard's content: the last text set, empty when none was.
    std::string Text() const { return Texts.empty() ? std::string() : Texts.back(); }

    std::vector<std::string> Texts;
};

class TFakeUserPrompts : public IUserPrompts {
public:
    struct TShown {
        std::string Kind; // "error", "message", "information", "question", "text"
        std::string Caption;
        std::string Text;
        friend bool operator==(const TShown&, const TShown&) = default;
    };

    void ShowError(const std::string& message) override { Shown.push_back({"error", "", message}); }
    void ShowMessage(const std::string& message) override {
        Shown.push_back({"message", "", message});
    }
    void ShowInformation(const std::string& message) override {
        Shown.push_back({"information", "", message});
    }
    bool AskYesNo(const std::string& caption, const std::string& question) override {
        Shown.push_back({"question", caption, question});
        return NextAnswer(YesNoAnswers, false);
    }
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override {
        Shown.push_back({"text", caption, prompt});
        TextInitials.push_back(initial);
        return NextAnswer(TextAnswers);
    }

    std::vector<TShown> Shown;
    std::deque<bool> YesNoAnswers;
    std::deque<std::optional<std::string>> TextAnswers;
    std::vector<std::string> TextInitials; // the initial value of each AskText
};

class TFakeFileChooser : public IFileChooser {
public:
    std::optional<std::string> ChooseFileToOpen(const TOpenFileRequest& request) override {
        FileRequests.push_back(request);
        return NextAnswer(FileAnswers);
    }
    std::optional<std::string> ChooseFolder(const TFolderRequest& request) override {
        FolderRequests.push_back(request);
        return NextAnswer(FolderAnswers);
    }

    std::vector<TOpenFileRequest> FileRequests;
    std::vector<TFolderRequest> FolderRequests;
    std::deque<std::optional<std::string>> FileAnswers;
    std::deque<std::optional<std::string>> FolderAnswers;
};

class TFakeClock : public IClock {
public:
    std::int64_t NowMs() const override { return Now; }
    std::int64_t Now = 0;
};

class TFakeProcessStarter : public IProcessStarter {
public:
    struct TStart {
        std::string Program;
        std::vector<std::string> Args;
    };

    bool StartDetached(const std::string& program, const std::vector<std::string>& args) override {
        Detached.push_back({program, args});
        return StartSucceeds;
    }
    std::optional<std::string> RunForOutput(const std::string& program,
                                            const std::vector<std::string>& args,
                                            std::chrono::milliseconds) override {
        Runs.push_back({program, args});
        return Output;
    }

    std::vector<TStart> Detached;
    std::vector<TStart> Runs;
    bool StartSucceeds = true;
    std::optional<std::string> Output; // what every RunForOutput returns
};

// Records the conversation as lines: "open SERVICE TOPIC PROGRAM", "execute COMMAND", "close".
class TFakeDdeClient : public IDdeClient {
public:
    bool Open(const std::string& service, const std::string& topic,
              const std::string& serverProgram) override {
        Calls.push_back("open " + service + " " + topic + " " + serverProgram);
        return OpenSucceeds;
    }
    bool Execute(const std::string& command) override {
        Calls.push_back("execute " + command);
        return ExecuteSucceeds;
    }
    void Close() override { Calls.push_back("close"); }

    std::vector<std::string> Calls;
    bool OpenSucceeds = true;
    bool ExecuteSucceeds = true;
};

// A browser whose pages answer from a table (by target id; unlisted ones are unreachable). The
// answers wait in Later until the test runs Pump(), as real ones wait for the event loop.
class TFakeDevToolsBrowser : public IDevToolsBrowser {
public:
    void ListTargets(TTargetsCallback done) override {
        ++Listed;
        Later.push_back([this, done] { done(Targets); });
    }
    void CallFunction(const TDevToolsTarget& target, const std::string&,
                      const std::vector<std::string>& args, std::chrono::milliseconds,
                      TResultCallback done) override {
        Calls.push_back(target.Id);
        LastArgs = args;
        const TScriptResult result = Answers[target.Id];
        Later.push_back([done, result] { done(result); });
    }
    void SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                      const std::string& html, std::chrono::milliseconds,
                      TResultCallback done) override {
        Calls.push_back("outer " + target.Id + " " + selector + " " + html);
        Later.push_back([done] { done({TScriptResult::TKind::skReturned, ""}); });
    }
    void Pump() {
        while (!Later.empty()) {
            auto next = std::move(Later.front());
            Later.pop_front();
            next();
        }
    }

    std::vector<TDevToolsTarget> Targets;
    std::size_t Listed = 0;
    std::map<std::string, TScriptResult> Answers;
    std::vector<std::string> Calls;
    std::vector<std::string> LastArgs;
    std::deque<std::function<void()>> Later;
};

// One of each, for code that takes them all.
struct TFakeServices {
    TFakeClipboardText Clipboard;
    TFakeUserPrompts Prompts;
    TFakeFileChooser Files;
    TFakeClock Clock;
    TFakeProcessStarter Processes;
    TFakeDdeClient Browsers;
    TFakeDevToolsBrowser LiveBrowser;
};

} // namespace tintora
