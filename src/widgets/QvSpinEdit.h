#pragma once

// A one-line whole-number field with small up and down arrows at its right edge. The arrows and
// the Up and Down keys add or take away Increment; typing is limited to what can form a number
// (anything else is refused with a beep); leaving the field pulls an out-of-range number back
// into [MinValue, MaxValue]. When MinValue and MaxValue are equal the field has no range at all.
// With EditorEnabled off the number can only be changed by the arrows.

#include "services/Timer.h"

#include <functional>

#include <QLineEdit>

namespace tintora {

class TSpinButton;

class TQvSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    // The arrows' repeat timers come from `timers`, which must outlive the field.
    explicit TQvSpinEdit(ITimerSource& timers, QWidget* parent = nullptr);
    explicit TQvSpinEdit(QWidget* parent = nullptr);
    ~TQvSpinEdit() override;

    // The text read as a number (sign and decimal digits, or "$" and hexadecimal digits, after
    // leading spaces); MinValue when the text is no number.
    int Value() const;
    // Writes ClampValue(v) as decimal text.
    void SetValue(int v);
    int MinValue() const { return minValue_; }
    void SetMinValue(int v) { minValue_ = v; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v) { maxValue_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on) { editorEnabled_ = on; }
    // Select the whole text when the field is entered other than by a left click.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }

    int ClampValue(int v) const;
    virtual bool AcceptsChar(QChar c) const;
    // A read-only field only beeps.
    virtual void StepUp();
    virtual void StepDown();

    TSpinButton* Button() const { return button_; }

    // The sound of a refused key or step; the system beep unless replaced.
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // The least height that shows the font's text whole inside the field's border.
    int MinHeight() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool MayChangeText() const { return editorEnabled_ && !isReadOnly(); }
    void Step(int direction);
    void PlaceButton();
    void Beep() const;

    TSpinButton* button_;
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
    bool autoSelect_ = true;
    std::function<void()> beep_;
};

} // namespace tintora
