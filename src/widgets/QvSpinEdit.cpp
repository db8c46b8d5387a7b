#include "widgets/QvSpinEdit.h"

#include "platform/QtTimers.h"
#include "text/SpinValue.h"
#include "widgets/SpinButton.h"

#include <algorithm>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOptionFrame>

namespace tintora {

namespace {

constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kDelete = u'\x7f';

} // namespace

TQvSpinEdit::TQvSpinEdit(ITimerSource& timers, QWidget* parent)
    : QLineEdit(parent), button_(new TSpinButton(timers, this)) {
    setText(QStringLiteral("0"));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Text dropped in would pass by the character filter; the field takes none.
    setAcceptDrops(false);
    button_->resize(15, 17);
    button_->setCursor(Qt::ArrowCursor);
    button_->SetFocusControl(this);
    connect(button_, &TSpinButton::OnUpClick, this, [this] { StepUp(); });
    connect(button_, &TSpinButton::OnDownClick, this, [this] { StepDown(); });
    setMinimumHeight(MinHeight());
    PlaceButton();
}

TQvSpinEdit::TQvSpinEdit(QWidget* parent) : TQvSpinEdit(QtTimers(), parent) {}

TQvSpinEdit::~TQvSpinEdit() = default;

int TQvSpinEdit::Value() const {
    return ReadSpinInteger(text().toStdString()).value_or(minValue_);
}

void TQvSpinEdit::SetValue(int v) {
    setText(QString::number(ClampValue(v)));
}

int TQvSpinEdit::ClampValue(int v) const {
    return ClampSpinValue(v, minValue_, maxValue_);
}

bool TQvSpinEdit::AcceptsChar(QChar c) const {
    const QString separator = locale().decimalPoint();
    const char32_t decimal = separator.isEmpty() ? U'.' : separator.front().unicode();
    return SpinAcceptsChar(c.unicode(), decimal, editorEnabled_);
}

void TQvSpinEdit::StepUp() {
    Step(+1);
}

void TQvSpinEdit::StepDown() {
    Step(-1);
}

void TQvSpinEdit::Step(int direction) {
    if (isReadOnly()) {
        Beep();
        return;
    }
    SetValue(AddSpinStep(Value(), direction * std::int64_t{increment_}));
}

void TQvSpinEdit::Beep() const {
    if (beep_) {
        beep_();
    } else {
        QApplication::beep();
    }
}

int TQvSpinEdit::MinHeight() const {
    constexpr int kBorderLine = 1;
    const int fontHeight = QFontMetrics(font()).height();
    const int systemHeight =
        QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    return fontHeight + std::min(systemHeight, fontHeight) / 4 + 4 * kBorderLine + 2;
}

void TQvSpinEdit::PlaceButton() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int arrows = button_->width();
    button_->setGeometry(width() - arrows - frame, frame, arrows, height() - 2 * frame);
    // The text stops short of the arrows instead of running on beneath them.
    setTextMargins(0, 0, arrows + 2, 0);
}

void TQvSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->key() == Qt::Key_Up ? StepUp() : StepDown();
        event->accept();
        return;
    }
    if (!MayChangeText() &&
        (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))) {
        event->accept();
        return;
    }
    // Keys that type no character (Delete among them) are editing keys, not characters.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front() != QChar(kDelete)) {
        for (const QChar c : typed) {
            if (AcceptsChar(c)) {
                continue;
            }
            // Enter types nothing but still reaches the dialog's default button.
            if (c == QChar(kCarriageReturn)) {
                break;
            }
            Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TQvSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const bool byLeftClick = event->reason() == Qt::MouseFocusReason &&
                             (QApplication::mouseButtons() & Qt::LeftButton) != 0;
    if (autoSelect_ && !byLeftClick) {
        selectAll();
    }
}

void TQvSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu opening takes the focus only for a moment: the user has not left the field.
    if (event->reason() == Qt::PopupFocusReason) {
        return;
    }
    const int value = Value();
    if (ClampValue(value) != value) {
        SetValue(value);
    }
}

void TQvSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceButton();
}

void TQvSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        setMinimumHeight(MinHeight());
        PlaceButton();
    }
}

void TQvSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (!MayChangeText()) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String("edit-cut") ||
                action->objectName() == QLatin1String("edit-paste")) {
                action->setEnabled(false);
            }
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TQvSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X selection.
    if (event->button() == Qt::MiddleButton && !MayChangeText()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace tintora
