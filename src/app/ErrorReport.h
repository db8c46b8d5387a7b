#pragma once

// The program's one way of telling the user that an operation could not go on: the error box of
// the user prompts (a stop icon and the application title). Handlers that can fail run through
// Guarded(), so an error ends the operation, is shown, and the program goes on.

#include "services/UserPrompts.h"

#include <exception>
#include <utility>

namespace tintora {

template <typename F>
void Guarded(IUserPrompts& prompts, F&& action) {
    try {
        std::forward<F>(action)();
    } catch (const std::exception& error) {
        prompts.ShowError(error.what());
    }
}

} // namespace tintora
