#include "app/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

QRect OuterGeometry(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    return frame.isValid() ? frame : QRect(window->pos(), window->size());
}

void WhenFramed(QWidget* window, std::function<void()> then) {
    const auto framed = [window] {
        const QWindow* handle = window->windowHandle();
        return handle != nullptr && !handle->frameMargins().isNull();
    };
    if (framed()) {
        then();
        return;
    }
    constexpr int checkEveryMs = 10;
    constexpr int checks = 100;
    auto* timer = new QTimer(window);
    timer->setInterval(checkEveryMs);
    QObject::connect(timer, &QTimer::timeout, window,
                     [window, timer, framed, then = std::move(then), left = checks]() mutable {
                         if (framed() || --left == 0 || !window->isVisible()) {
                             timer->stop();
                             timer->deleteLater();
                             if (window->isVisible()) {
                                 then();
                             }
                         }
                     });
    timer->start();
}

QRect GetWorkArea(const QWidget* window) {
    QScreen* screen = QGuiApplication::screenAt(OuterGeometry(window).center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

void KeepInWorkArea(QWidget* window) {
    const QRect area = GetWorkArea(window);
    const QRect outer = OuterGeometry(window);
    QPoint to = outer.topLeft();
    if (to.x() < area.left()) {
        to.setX(area.left());
    } else if (to.x() + outer.width() > area.left() + area.width()) {
        to.setX(area.left() + area.width() - outer.width());
    }
    if (to.y() < area.top()) {
        to.setY(area.top());
    } else if (to.y() + outer.height() > area.top() + area.height()) {
        to.setY(area.top() + area.height() - outer.height());
    }
    if (to != outer.topLeft()) {
        window->move(to);
    }
}

} // namespace tintora
