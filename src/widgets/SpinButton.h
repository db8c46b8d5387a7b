#pragma once

// Two arrow buttons stacked in one control, up above down, each repeating its click while held.
// Pressing an arrow hands the keyboard focus to the FocusControl (the field the arrows step);
// when the control itself has the focus, Space clicks the active arrow and Up and Down click
// theirs.

#include "services/Timer.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace tintora {

class TTimerSpeedButton;

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinWidth = 15;

    explicit TSpinButton(ITimerSource& timers, QWidget* parent = nullptr);
    explicit TSpinButton(QWidget* parent = nullptr);

    TTimerSpeedButton* UpButton() const { return up_; }
    TTimerSpeedButton* DownButton() const { return down_; }
    TTimerSpeedButton* ActiveArrow() const { return active_; }

    // Forgotten by itself when that control goes away.
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    // A null image puts the default arrow back, as one glyph.
    QPixmap UpGlyph() const { return upGlyph_; }
    void SetUpGlyph(const QPixmap& glyph);
    int UpNumGlyphs() const { return upNumGlyphs_; }
    void SetUpNumGlyphs(int count);
    QPixmap DownGlyph() const { return downGlyph_; }
    void SetDownGlyph(const QPixmap& glyph);
    int DownNumGlyphs() const { return downNumGlyphs_; }
    void SetDownNumGlyphs(int count);

signals:
    void OnUpClick(TSpinButton* sender);
    void OnDownClick(TSpinButton* sender);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ArrowPressed(TTimerSpeedButton* arrow);
    void SetActiveArrow(TTimerSpeedButton* arrow);
    bool CanTakeFocus() const;

    TTimerSpeedButton* up_;
    TTimerSpeedButton* down_;
    TTimerSpeedButton* active_;
    QPointer<QWidget> focusControl_;
    QPixmap upGlyph_;
    QPixmap downGlyph_;
    int upNumGlyphs_ = 1;
    int downNumGlyphs_ = 1;
};

} // namespace tintora
