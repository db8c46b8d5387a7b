#pragma once

// A colour swatch with a caption that behaves like a grouped toggle button: among the panels of one
// group on the same parent one at a time is down. It stays flat until the mouse is over it, shows
// the down state as a checkerboard, reports the mouse entering and leaving it with the keyboard
// and button state, and says whether the left button went down on it and is still held, so that
// its host can start a drag of its colour when the mouse leaves it that way.
//
// Geometry of the look, with w and h the panel's size and f the height of the panel's font
// (QFontMetrics::height(), the ascent plus the descent: the height of the caption's text cell, so
// that the swatch starts one pixel below the caption): the swatch's outline runs from (4, f + 4)
// to (w − 6, h − 6) inclusive, one pixel lower and further right while the panel looks pressed.
// The caption's text cell has its top-left corner at (4, 3), pressed at (5, 4).
//
// Qt gives a widget no Leave while the left button is held on it (the implicit grab; the Leave
// comes after the release, on offscreen and xcb alike), so the panel tells the leaving and
// re-entering during a press from the mouse moves itself; a Leave that Qt sends after the release
// is then not reported twice.

#include "color/Color.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

namespace tintora {

class THsxPanel : public QWidget {
    Q_OBJECT
public:
    // What the panel shows: up, pressed while the left button is held on an up panel, or down.
    enum class TButtonState { bsUp = 0, bsPressed = 1, bsDown = 2 };

    explicit THsxPanel(QWidget* parent = nullptr);
    ~THsxPanel() override;

    bool Down() const { return down_; }
    // Follows the group rules: pressing raises the group's other down panel (which fires nothing)
    // and then fires Change; releasing the down panel of a group without AllowAllUp is refused.
    void SetDown(bool value);

    // 0: no group; the panel acts as a momentary button and clicks never fire Change.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);

    // Taken over by every panel of the group whenever one of them sends its pressed notice.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);

    // Paints the ordinary panel underneath the panel's own drawing.
    bool DefaultPaint() const { return defaultPaint_; }
    void SetDefaultPaint(bool value);

    // White until set. Repaints; never fires Change.
    TColor Color() const { return color_; }
    void SetColor(TColor value);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

    // The left button went down on the panel and has not been released since.
    bool HoldsCapture() const { return tracking_; }

    // The running panel drag started from this panel.
    bool Dragging() const;

    TButtonState ButtonState() const { return state_; }
    bool Hot() const { return hot_; }

    QSize sizeHint() const override { return {49, 49}; }

    // The painting buffer all panels share: its size, empty while it does not exist.
    static QSize SharedBufferSize();

signals:
    // After Down changed through SetDown, and only then.
    void Change(THsxPanel* sender);
    // After the panel painted itself.
    void Paint(THsxPanel* sender);
    // The keyboard and button state at the moment, and the cursor in screen coordinates.
    void MouseEnter(THsxPanel* sender, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                    QPoint screenPos);
    void MouseLeave(THsxPanel* sender, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                    QPoint screenPos);
    // Any button, before the panel's own handling; positions in the panel's coordinates.
    void MouseDown(THsxPanel* sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                   QPoint pos);
    void MouseMove(THsxPanel* sender, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                   QPoint pos);
    void MouseUp(THsxPanel* sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                 QPoint pos);

protected:
    // The panel's own reactions, overridable in the order Change, mouse enter, mouse leave.
    virtual void DoChange();
    virtual void DoMouseEnter(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                              QPoint screenPos);
    virtual void DoMouseLeave(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                              QPoint screenPos);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void NotifyGroup();
    void ReceivePressedNotice(int groupIndex, THsxPanel* sender);
    void SetState(TButtonState state);
    void SetHot(bool hot);
    void Enter(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint screenPos);
    void Leave(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint screenPos);
    void DrawLook(QPainter& painter) const;

    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool defaultPaint_ = false;
    TColor color_ = clWhite;
    QString caption_;
    TButtonState state_ = TButtonState::bsUp;
    bool hot_ = false;
    bool tracking_ = false;
    bool mouseInside_ = false; // as last reported through MouseEnter and MouseLeave
    unsigned dragCountAtPress_ = 0;
};

} // namespace tintora
