#pragma once

// A panel whose picture comes from its owner: on every paint the panel hands a painter on its
// off-screen buffer to the Paint signal, then copies the buffer onto the screen in one operation.
// With DefaultPaint the buffer first gets the ordinary panel, button face in a lowered one-pixel
// bevel; without it the handler paints every pixel itself (a new buffer starts as button face, so
// what it leaves out shows the face rather than noise).
//
// The panel also reports presses, clicks and double clicks, so that it can serve as a palette: a
// drag source through TPanelDragStarter and a drop target through TPanelDropTarget. Positions are
// in the panel's own coordinates.

#include <QImage>
#include <QWidget>

class QPainter;

namespace tintora {

class TPaintPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPaintPanel(QWidget* parent = nullptr);

    bool DefaultPaint() const { return defaultPaint_; }
    void SetDefaultPaint(bool value);

signals:
    // Connect directly: the painter lives only during the paint. Its origin is the panel's
    // top-left corner and the buffer has the panel's size.
    void Paint(TPaintPanel* sender, QPainter& canvas);
    // Any button, also the second press of a double click.
    void MouseDown(TPaintPanel* sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                   QPoint pos);
    // A left press and release on the panel, with no panel drag in between. The release that
    // completes a double click is no click.
    void Click(TPaintPanel* sender);
    void DoubleClick(TPaintPanel* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage buffer_;
    bool defaultPaint_ = true;
    bool clickPending_ = false;
    unsigned dragCountAtPress_ = 0;
};

} // namespace tintora
