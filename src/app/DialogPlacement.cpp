#include "app/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace tintora {

QPoint PullInFromRightEdge(QPoint topLeft, int width, const QRect& screen) {
    const int screenRight = screen.left() + screen.width();
    if (topLeft.x() + width > screenRight) {
        topLeft.setX(screenRight - width);
    }
    return topLeft;
}

void PlaceDialogAt(QWidget* dialog, QPoint topLeft) {
    QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen) {
        screen = dialog->screen();
    }
    if (!screen) {
        dialog->move(topLeft);
        return;
    }
    dialog->move(PullInFromRightEdge(topLeft, dialog->frameGeometry().width(), screen->geometry()));
}

void PlaceDialogOnShow(QWidget* dialog, QPoint topLeft) {
    PlaceDialogAt(dialog, topLeft);
    QTimer::singleShot(0, dialog, [dialog, topLeft] {
        if (dialog->isVisible()) {
            PlaceDialogAt(dialog, topLeft);
        }
    });
}

} // namespace tintora
