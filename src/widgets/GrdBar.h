#pragma once

// One gradient bar: a paint control that shows its element's ramp for the selected colour held by
// its bar set, with a pointer at the present value. It fills its parent's client area (inside the
// parent's frame) and follows the parent's size. It does no dragging of its own: it reports every
// mouse press, move and release to whoever listens (the main window), in bar coordinates.

#include "editor/GrdBarTypes.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace tintora {

class TGrdBarSet;
struct TGrdBarPaintInput;

class TGrdBar : public QWidget {
    Q_OBJECT
public:
    // Made by its set, which supplies the colour and the pointer look and deletes the bar with
    // itself. The bar has no parent widget until the set gives it one.
    explicit TGrdBar(TGrdBarSet* owner);

    TGrdBarSet* Owner() const { return owner_; }

    TGrdElement Element() const { return element_; }
    // Stores only: the bar set switches all three elements, then the caller repaints.
    void SetElement(TGrdElement element) { element_ = element; }

    bool ShowPointer() const { return showPointer_; }
    // A changed flag is stored and, when the bar has a parent, painted at once.
    void SetShowPointer(bool show);

    // What Paint puts on the screen, built without painting.
    QImage PaintImage() const;

    // Keeps every mouse event coming to this bar, wherever the cursor goes, until
    // EndConfinedDrag. A press already sends moves and the release to the bar; this also holds
    // across presses of other buttons. Holding positions inside the bar is the listener's part.
    void BeginConfinedDrag();
    void EndConfinedDrag();

signals:
    // `button` is the button that changed, `buttons` those held after the change; `position` is
    // in the bar's coordinates and may lie outside the bar while a button is held.
    void MouseDown(tintora::TGrdBar* bar, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMove(tintora::TGrdBar* bar, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                   QPoint position);
    void MouseUp(tintora::TGrdBar* bar, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    // Builds the whole picture off screen and copies it onto the bar in one drawImage. Runs only
    // inside a paint event; repaint() paints now.
    virtual void Paint();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TGrdBarPaintInput PaintInput() const;
    void WatchParent();
    void FitParent();

    TGrdBarSet* owner_;
    TGrdElement element_ = TGrdElement::geEqu;
    bool showPointer_ = true;
    QPointer<QWidget> watchedParent_;
    QImage picture_; // kept between paints so that a drag does not allocate on every move
};

} // namespace tintora
