#include "platform/QtUserPrompts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace tintora {

QString PromptText(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n").replace('\r', '\n');
}

namespace {

int ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const std::string& text,
            QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton = QMessageBox::Ok) {
    QMessageBox box(icon, caption, PromptText(text), buttons, owner);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void TQtUserPrompts::ShowError(const std::string& message) {
    ShowBox(Owner(), QMessageBox::Critical, title_, message, QMessageBox::Ok);
}

void TQtUserPrompts::ShowMessage(const std::string& message) {
    ShowBox(Owner(), QMessageBox::NoIcon, title_, message, QMessageBox::Ok);
}

void TQtUserPrompts::ShowInformation(const std::string& message) {
    ShowBox(Owner(), QMessageBox::Information, title_, message, QMessageBox::Ok);
}

bool TQtUserPrompts::AskYesNo(const std::string& caption, const std::string& question) {
    const QString shown = caption.empty() ? title_ : QString::fromStdString(caption);
    return ShowBox(Owner(), QMessageBox::Question, shown, question,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> TQtUserPrompts::AskText(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        Owner(), caption.empty() ? title_ : QString::fromStdString(caption), PromptText(prompt),
        QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text.toStdString();
}

} // namespace tintora
