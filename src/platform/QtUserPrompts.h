#pragma once

// The user prompts as Qt's message boxes and one-line input dialog. Every box carries the title
// the program gives, unless a caption is passed.

#include "platform/DialogOwner.h"
#include "services/UserPrompts.h"

#include <QString>

namespace tintora {

// A program message breaks its lines with a lone CR; Qt's boxes break them at LF.
QString PromptText(const std::string& text);

class TQtUserPrompts : public IUserPrompts, public TDialogOwner {
public:
    explicit TQtUserPrompts(QString title) : title_(std::move(title)) {}

    void ShowError(const std::string& message) override;
    void ShowMessage(const std::string& message) override;
    void ShowInformation(const std::string& message) override;
    bool AskYesNo(const std::string& caption, const std::string& question) override;
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;

private:
    QString title_;
};

} // namespace tintora
