#pragma once

// A flat push button that shows an image and, with AutoRepeat set, keeps clicking while it is held
// down: once 400 ms after the press, then every 100 ms, and once more when the mouse is released
// over it. It never takes the keyboard focus itself; the control it belongs to may ask it to draw a
// dotted focus rectangle.

#include "services/Timer.h"

#include <memory>

#include <QToolButton>

namespace tintora {

class TTimerSpeedButton : public QToolButton {
    Q_OBJECT
public:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    // The repeat timer comes from `timers`, which must outlive the button.
    explicit TTimerSpeedButton(ITimerSource& timers, QWidget* parent = nullptr);
    explicit TTimerSpeedButton(QWidget* parent = nullptr);
    ~TTimerSpeedButton() override;

    bool AutoRepeat() const { return autoRepeat_; }
    void SetAutoRepeat(bool on) { autoRepeat_ = on; }
    bool FocusRectShown() const { return focusRectShown_; }
    void SetFocusRectShown(bool shown);

    // The arrow image: a strip of numGlyphs equal pictures side by side, the first shown normally
    // and the second, when there is one, while the button is disabled.
    void SetGlyph(const QPixmap& glyph, int numGlyphs = 1);

    // Clicks as a mouse click would.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();

    ITimerSource& timers_;
    std::unique_ptr<ITimer> repeat_;
    bool autoRepeat_ = false;
    bool focusRectShown_ = false;
    bool held_ = false; // the left button went down on this button and is not yet released
};

} // namespace tintora
