#pragma once

// Fakes of the platform services for tests: they record what the code under test asked and give
// the answers a test queued. An answer that was not queued is the cautious one: No, Cancel.

#include "services/ClipboardText.h"
#include "services/Clock.h"
#include "services/FileChooser.h"
#include "services/ProcessStarter.h"
#include "services/UserPrompts.h"

#include <deque>
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

// One of each, for code that takes them all.
struct TFakeServices {
    TFakeClipboardText Clipboard;
    TFakeUserPrompts Prompts;
    TFakeFileChooser Files;
    TFakeClock Clock;
    TFakeProcessStarter Processes;
};

} // namespace tintora
