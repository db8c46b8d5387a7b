#include "app/ModalDialog.h"

#include "app/DialogPlacement.h"
#include "app/HintDisplay.h"

#include <QPointer>
#include <QTimer>

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

void TModalDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (place_) {
        // Placed now and once more when the event loop next runs, as the frame's size is known
        // only after the window manager has framed the dialog.
        place_(this);
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) {
                place_(this);
            }
        });
    }
    SetHintsShown(this, showHint_);
    FormShow();
}

} // namespace tintora
