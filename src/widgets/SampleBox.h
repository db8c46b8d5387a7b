#pragma once

// The box that shows a tag sample: an opaque control of fixed size whose whole picture comes from
// a paint routine, copied onto the screen in one operation, so repainting on every keystroke and
// every step of a bar drag does not flicker. A double click is reported, nothing else.

#include <functional>

#include <QImage>
#include <QSize>
#include <QWidget>

namespace tintora {

class TSampleBox : public QWidget {
    Q_OBJECT
public:
    // Paints the box's picture into `image` (the box's size, QImage::Format_RGB32). The image still
    // holds the previous picture, so a routine that has nothing to paint at the moment (the page is
    // hidden, a template is being applied) returns without touching it and the box keeps showing
    // what it showed.
    using TPaintRoutine = std::function<void(QImage& image)>;

    // `size` in pixels: GrdSampleSize or BodySampleSize.
    explicit TSampleBox(QSize size, QWidget* parent = nullptr);

    void SetPaintRoutine(TPaintRoutine routine);

    // The picture the box shows now.
    const QImage& Picture() const { return picture_; }

    QSize sizeHint() const override { return size(); }

signals:
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TPaintRoutine routine_;
    QImage picture_;
};

} // namespace tintora
