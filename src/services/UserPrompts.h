#pragma once

// The message boxes and small questions the program puts to its user. Every box carries the
// application title unless a caption is given; texts are UTF-8, and a lone CR in them breaks the
// line as the program's own messages are written.

#include <optional>
#include <string>

namespace tintora {

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    // An operation could not go on: stop icon, application title.
    virtual void ShowError(const std::string& message) = 0;
    // A plain box without an icon, application title.
    virtual void ShowMessage(const std::string& message) = 0;
    // An information icon, application title.
    virtual void ShowInformation(const std::string& message) = 0;
    // A Yes/No question with the question icon and No as the default button.
    virtual bool AskYesNo(const std::string& caption, const std::string& question) = 0;
    // A one-line text; nothing when the user cancels.
    virtual std::optional<std::string>
    AskText(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
};

} // namespace tintora
