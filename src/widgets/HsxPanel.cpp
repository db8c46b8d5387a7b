#include "widgets/HsxPanel.h"

#include "widgets/Frame3D.h"
#include "widgets/PanelDragDrop.h"
#include "widgets/PlainPanel.h"
#include "widgets/QtColor.h"
#include "widgets/SystemColors.h"

#include <memory>

#include <QCursor>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace tintora {

namespace {

// One buffer for all panels: they are painted one after another, never at the same time.
struct TSharedBitmaps {
    std::unique_ptr<QImage> buffer;
    std::unique_ptr<QImage> pattern; // 8 × 8, for the down look
    QColor patternFace;
};

TSharedBitmaps& Shared() {
    static TSharedBitmaps shared;
    return shared;
}

QImage& BufferFor(const QWidget& panel) {
    const qreal ratio = panel.devicePixelRatioF();
    const QSize pixels = panel.size() * ratio;
    auto& buffer = Shared().buffer;
    if (!buffer || buffer->size() != pixels) {
        buffer = std::make_unique<QImage>(pixels, QImage::Format_RGB32);
    }
    buffer->setDevicePixelRatio(ratio);
    return *buffer;
}

// Button face with white wherever the row and the column have the same parity. Made again when the
// face colour differs, so that a panel with its own palette does not show another's pattern.
const QImage& DownPattern(const QColor& face) {
    TSharedBitmaps& shared = Shared();
    if (!shared.pattern || shared.patternFace != face) {
        shared.pattern = std::make_unique<QImage>(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                shared.pattern->setPixelColor(x, y, x % 2 == y % 2 ? QColor(Qt::white) : face);
            }
        }
        shared.patternFace = face;
    }
    return *shared.pattern;
}

} // namespace

THsxPanel::THsxPanel(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted from the buffer, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(49, 49);
}

THsxPanel::~THsxPanel() {
    Shared().buffer.reset();
    Shared().pattern.reset();
}

QSize THsxPanel::SharedBufferSize() {
    const auto& buffer = Shared().buffer;
    return buffer ? buffer->size() : QSize();
}

void THsxPanel::SetDown(bool value) {
    if (value == down_) {
        return;
    }
    // Releasing the down panel of a group that must keep one down is refused.
    if (!value && !allowAllUp_) {
        state_ = TButtonState::bsDown;
        return;
    }
    down_ = value;
    state_ = value ? TButtonState::bsDown : TButtonState::bsUp;
    repaint();
    if (value) {
        NotifyGroup();
    }
    DoChange();
}

void THsxPanel::SetGroupIndex(int value) {
    if (value == groupIndex_) {
        return;
    }
    groupIndex_ = value;
    NotifyGroup();
}

void THsxPanel::SetAllowAllUp(bool value) {
    if (value == allowAllUp_) {
        return;
    }
    allowAllUp_ = value;
    NotifyGroup();
}

void THsxPanel::SetDefaultPaint(bool value) {
    if (value == defaultPaint_) {
        return;
    }
    defaultPaint_ = value;
    update();
}

void THsxPanel::SetColor(TColor value) {
    if (value == color_) {
        return;
    }
    color_ = value;
    update();
}

void THsxPanel::SetCaption(const QString& value) {
    if (value == caption_) {
        return;
    }
    caption_ = value;
    update();
}

bool THsxPanel::Dragging() const {
    return PanelDragSource() == this;
}

void THsxPanel::NotifyGroup() {
    if (groupIndex_ == 0 || parentWidget() == nullptr) {
        return;
    }
    const auto siblings = parentWidget()->findChildren<THsxPanel*>(Qt::FindDirectChildrenOnly);
    for (THsxPanel* panel : siblings) {
        panel->ReceivePressedNotice(groupIndex_, this);
    }
}

void THsxPanel::ReceivePressedNotice(int groupIndex, THsxPanel* sender) {
    if (sender == this || groupIndex != groupIndex_) {
        return;
    }
    if (sender->down_ && down_) {
        down_ = false;
        state_ = TButtonState::bsUp;
        repaint();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void THsxPanel::SetState(TButtonState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    repaint();
}

void THsxPanel::SetHot(bool hot) {
    if (hot == hot_) {
        return;
    }
    hot_ = hot;
    update();
}

void THsxPanel::DoChange() {
    emit Change(this);
}

void THsxPanel::DoMouseEnter(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                             QPoint screenPos) {
    // A panel must not light up under a colour that is being dragged over it.
    if (PanelDragInProgress()) {
        return;
    }
    emit MouseEnter(this, modifiers, buttons, screenPos);
    SetHot(!buttons.testFlag(Qt::LeftButton));
}

void THsxPanel::DoMouseLeave(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                             QPoint screenPos) {
    emit MouseLeave(this, modifiers, buttons, screenPos);
    SetHot(false);
}

void THsxPanel::Enter(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint screenPos) {
    if (mouseInside_) {
        return;
    }
    mouseInside_ = true;
    DoMouseEnter(modifiers, buttons, screenPos);
}

void THsxPanel::Leave(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint screenPos) {
    if (!mouseInside_) {
        return;
    }
    mouseInside_ = false;
    DoMouseLeave(modifiers, buttons, screenPos);
}

void THsxPanel::enterEvent(QEnterEvent* event) {
    Enter(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons(),
          event->globalPosition().toPoint());
}

void THsxPanel::leaveEvent(QEvent* /*event*/) {
    Leave(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons(),
          QCursor::pos());
}

void THsxPanel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        return;
    }
    // A press is proof that the mouse is here, even if no Enter came (the panel appeared under
    // the cursor); without it the leaving could not be told.
    Enter(event->modifiers(), event->buttons(), event->globalPosition().toPoint());
    if (!down_) {
        state_ = TButtonState::bsPressed;
        repaint();
    }
    tracking_ = true;
    dragCountAtPress_ = PanelDragCount();
}

void THsxPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMove(this, event->buttons(), event->modifiers(), pos);
    if (tracking_ && !event->buttons().testFlag(Qt::LeftButton)) {
        // The release went to someone else (a popup): the press is over.
        tracking_ = false;
        SetState(down_ ? TButtonState::bsDown : TButtonState::bsUp);
    }
    if (!tracking_) {
        return;
    }
    const bool inside = rect().contains(pos);
    if (down_) {
        SetState(TButtonState::bsDown);
    } else {
        SetState(inside ? TButtonState::bsPressed : TButtonState::bsUp);
    }
    if (inside) {
        Enter(event->modifiers(), event->buttons(), event->globalPosition().toPoint());
    } else {
        Leave(event->modifiers(), event->buttons(), event->globalPosition().toPoint());
    }
    // A drag started from a handler above has run to its end and took the release with it.
    if (tracking_ && PanelDragCount() != dragCountAtPress_) {
        tracking_ = false;
        SetState(down_ ? TButtonState::bsDown : TButtonState::bsUp);
    }
}

void THsxPanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseUp(this, event->button(), event->modifiers(), pos);
    if (!tracking_ || event->button() != Qt::LeftButton) {
        return;
    }
    tracking_ = false;
    state_ = TButtonState::bsUp;
    if (groupIndex_ == 0) {
        repaint();
    } else if (rect().contains(pos)) {
        SetDown(!down_);
    } else {
        if (down_) {
            state_ = TButtonState::bsDown;
        }
        repaint();
    }
}

void THsxPanel::resizeEvent(QResizeEvent* event) {
    if (Shared().buffer) {
        BufferFor(*this);
    }
    QWidget::resizeEvent(event);
}

void THsxPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter widgetPainter(this);
    if (defaultPaint_) {
        widgetPainter.setFont(font());
        PaintPlainPanel(widgetPainter, rect(), TSystemColors::From(palette()),
                        TPanelBevel::pbRaised, caption_);
    }
    QImage& buffer = BufferFor(*this);
    {
        QPainter bufferPainter(&buffer);
        DrawLook(bufferPainter);
    }
    widgetPainter.drawImage(0, 0, buffer);
    widgetPainter.end();
    emit Paint(this);
}

void THsxPanel::DrawLook(QPainter& painter) const {
    const TSystemColors colors = TSystemColors::From(palette());
    const QFontMetrics metrics(font());
    const int f = metrics.height();
    QRect swatch(QPoint(4, f + 4), QPoint(width() - 6, height() - 6));
    QRect inside = rect();
    QPoint caption;
    if (state_ != TButtonState::bsUp) {
        Frame3D(painter, inside, colors.BtnShadow, colors.BtnHighlight, 1);
        if (hot_ || state_ == TButtonState::bsPressed) {
            painter.fillRect(inside, colors.BtnFace);
        } else {
            painter.fillRect(inside, QBrush(DownPattern(colors.BtnFace)));
        }
        swatch.translate(1, 1);
        caption = {5, 4};
    } else {
        if (hot_) {
            Frame3D(painter, inside, colors.BtnHighlight, colors.BtnShadow, 1);
        }
        painter.fillRect(inside, colors.BtnFace);
        caption = {4, 3};
    }
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(caption + QPoint(0, metrics.ascent()), caption_);
    if (swatch.isValid()) {
        painter.fillRect(swatch, Qt::black);
        painter.fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(color_));
    }
}

} // namespace tintora
