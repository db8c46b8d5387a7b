#include "widgets/UpDown.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace tintora {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(60);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent, TOrientation orientation)
    : QWidget(parent), orientation_(orientation) {
    const bool vertical = orientation == TOrientation::udVertical;
    up_ = MakeArrow(this, vertical ? Qt::UpArrow : Qt::RightArrow);
    down_ = MakeArrow(this, vertical ? Qt::DownArrow : Qt::LeftArrow);
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
    setFocusPolicy(Qt::NoFocus);
}

void TUpDown::SetAssociate(QLineEdit* buddy) {
    if (buddy_) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    if (buddy_) {
        buddy_->installEventFilter(this);
        WriteBuddy();
    }
}

void TUpDown::SetRange(std::int16_t min, std::int16_t max) {
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, std::min(min_, max_), std::max(min_, max_));
}

void TUpDown::SetPosition(int position) {
    position_ = static_cast<std::int16_t>(std::clamp(
        position, static_cast<int>(std::min(min_, max_)), static_cast<int>(std::max(min_, max_))));
    WriteBuddy();
}

std::int16_t TUpDown::Position() {
    if (buddy_) {
        bool ok = false;
        const int typed = buddy_->text().toInt(&ok);
        if (ok && typed >= std::min(min_, max_) && typed <= std::max(min_, max_)) {
            position_ = static_cast<std::int16_t>(typed);
        }
    }
    return position_;
}

void TUpDown::StepBy(int direction) {
    const int lo = std::min(min_, max_);
    const int hi = std::max(min_, max_);
    int next = Position() + direction * increment_;
    if (next > hi) {
        next = wrap_ ? lo : hi;
    } else if (next < lo) {
        next = wrap_ ? hi : lo;
    }
    SetPosition(next);
    emit Changed(position_);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepBy(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    if (orientation_ == TOrientation::udVertical) {
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

void TUpDown::WriteBuddy() {
    if (buddy_) {
        buddy_->setText(QString::number(position_));
    }
}

} // namespace tintora
