#pragma once

// How an opener runs its dialog modally. The real program always uses QDialog::exec; widget tests
// pass a runner that looks at the dialog and closes it, so no event loop waits for a user.

#include <functional>

#include <QDialog>

namespace tintora {

// Returns the dialog's result: QDialog::Accepted or QDialog::Rejected.
using TModalRun = std::function<int(QDialog&)>;

inline int ExecModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace tintora
