#pragma once

// The program's one way of telling the user that an operation could not go on: a message box
// with a stop icon and the application title. Handlers that can fail run through Guarded(), so an
// error ends the operation, is shown, and the program goes on.

#include "app/ProgramInfo.h"

#include <exception>
#include <utility>

#include <QString>

class QWidget;

namespace tintora {

void ShowErrorMessage(QWidget* parent, const QString& message);

template <typename F>
void Guarded(QWidget* parent, F&& action) {
    try {
        std::forward<F>(action)();
    } catch (const std::exception& error) {
        ShowErrorMessage(parent, QString::fromStdString(error.what()));
    }
}

} // namespace tintora
