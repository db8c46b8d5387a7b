#include "app/ModalDialog.h"

#include "app/DialogPlacement.h"
#include "app/HintDisplay.h"

#include <QLayout>
#include <QPointer>

namespace tintora {

void TModalDialog::SetPlaceAt(QPoint topLeft) {
    place_ = [topLeft](QWidget* dialog) { PlaceDialogAt(dialog, topLeft); };
}

void TModalDialog::SetPlaceInWorkArea(QPoint topLeft) {
    place_ = [topLeft](QWidget* dialog) {
        dialog->move(topLeft);
        KeepInWorkArea(dialog);
    };
}

void TModalDialog::SetCentreOn(const QWidget* owner) {
    place_ = [owner = QPointer<const QWidget>(owner)](QWidget* dialog) {
        if (!owner) {
            return;
        }
        const QRect outer = OuterGeometry(owner);
        const QRect own = OuterGeometry(dialog);
        dialog->move(outer.left() + outer.width() / 2 - own.width() / 2,
                     outer.top() + outer.height() / 2 - own.height() / 2);
    };
}

// Placed before the window exists, the dialog gets its frame at its place from the window manager;
// placed again once framed, it also keeps to the screen's edges by its real frame.
void TModalDialog::setVisible(bool visible) {
    const bool opening = visible && !isVisible() && place_;
    if (opening) {
        // At its final size: the right edge of the screen is kept by it.
        ensurePolished();
        if (layout() != nullptr) {
            layout()->activate();
        }
        place_(this);
    }
    QDialog::setVisible(visible);
    if (opening) {
        WhenFramed(this, [this] { place_(this); });
    }
}

void TModalDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SetHintsShown(this, showHint_);
    FormShow();
}

} // namespace tintora
