#pragma once

// A pair of arrow buttons bound to an edit field (its "buddy"): each click or auto-repeat step
// moves the position by Increment within Min..Max (wrapping around when Wrap is on) and writes the
// position into the buddy as decimal text. The position is a signed 16-bit number. The Up and Down
// keys in the buddy step it too.
//
// Reading Position() takes the buddy's text first: a valid number within the range becomes the
// position; any other text leaves the last position in force.

#include <cstdint>

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace tintora {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    enum class TOrientation { udVertical, udHorizontal };

    explicit TUpDown(QWidget* parent = nullptr,
                     TOrientation orientation = TOrientation::udVertical);

    void SetAssociate(QLineEdit* buddy);
    QLineEdit* Associate() const { return buddy_; }

    void SetRange(std::int16_t min, std::int16_t max);
    std::int16_t Min() const { return min_; }
    std::int16_t Max() const { return max_; }
    void SetMax(std::int16_t max) { SetRange(min_, max); }
    void SetIncrement(std::int16_t increment) { increment_ = increment; }
    void SetWrap(bool wrap) { wrap_ = wrap; }

    // Clamps into the range and rewrites the buddy's text.
    void SetPosition(int position);
    std::int16_t Position();

    // One step as a click on an arrow does.
    void StepBy(int direction);

signals:
    void Changed(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void WriteBuddy();

    TOrientation orientation_;
    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> buddy_;
    std::int16_t min_ = 0;
    std::int16_t max_ = 100;
    std::int16_t position_ = 0;
    std::int16_t increment_ = 1;
    bool wrap_ = false;
};

} // namespace tintora
