#include "platform/QtClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tintora {

void TQtClipboardText::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
}

} // namespace tintora
