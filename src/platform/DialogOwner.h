#pragma once

// The window that owns the platform's dialogs: they open over it and keep it from taking input
// while they are up. Set once the program's main window exists; without one the dialogs stand on
// their own.

#include <QPointer>
#include <QWidget>

namespace tintora {

class TDialogOwner {
public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    QWidget* Owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
};

} // namespace tintora
