#pragma once

// Answers the next modal dialog the code under test opens: once it is up, `answer` gets it (to
// fill a field, press a button). Polls on a timer, as the dialog runs its own event loop.

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace tintora {

inline void AnswerNextDialog(std::function<void(QWidget* dialog)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

} // namespace tintora
