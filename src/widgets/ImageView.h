#pragma once

// A surface that shows the last picture drawn into it and paints nothing of its own: the
// dropper's magnifier.

#include <QImage>
#include <QWidget>

namespace tintora {

class TImageView : public QWidget {
    Q_OBJECT
public:
    explicit TImageView(QWidget* parent = nullptr);

    // Shows `image` from the top-left corner; parts the image does not cover keep what they
    // showed before.
    void DrawImage(const QImage& image);
    // The colour shown at a point of the surface.
    QRgb PixelAt(QPoint p) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage shown_;
};

} // namespace tintora
