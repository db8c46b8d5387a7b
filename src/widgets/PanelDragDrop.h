#pragma once

// Dragging a colour from one panel of the main window to another: the palette, the selected-colour
// panel and the swatches. The drag carries no colour: its data only names the panel it came from,
// and the window's drop handler asks the panels for their colours, so that a drop can also write
// back into the source (the Ctrl swap).
//
// A drag is in-process only. Its data has the private type PanelDragMimeType and a token of this
// process and this drag; data of that type from another process (a second instance) resolves to no
// source and is treated like any foreign drop, as are files and text, which the drop targets leave
// alone for the window's own handling.
//
// Positions handed to the drop handler are in the target widget's own coordinates.

#include <functional>

#include <QObject>
#include <QPixmap>
#include <QPoint>

class QDrag;
class QMimeData;
class QWidget;

namespace tintora {

inline constexpr char PanelDragMimeType[] = "application/x-tintora-panel-drag";

// Drags `source` until the button is released (blocking, like QDrag::exec, with copy and move
// offered). `image`, when given, is shown under the cursor. Returns the action the target chose,
// Qt::IgnoreAction when nothing accepted the drop. Starting a drag while one is running does
// nothing and returns Qt::IgnoreAction.
Qt::DropAction StartPanelDrag(QWidget* source, const QPixmap& image = {});

// True from the start of StartPanelDrag until it returns.
bool PanelDragInProgress();

// The source of the running drag; nullptr when none runs or the source has been destroyed.
QWidget* PanelDragSource();

// How many panel drags this process has started. A widget that compares the count before and after
// handing an event on can tell that a drag ran in between, and with it took the button release.
unsigned PanelDragCount();

// The source that `data` names, if it is the data of the running panel drag of this process;
// nullptr for any other data.
QWidget* PanelDragSourceOf(const QMimeData* data);

// What actually runs the drag; QDrag::exec unless replaced. Tests replace it to act out a drag
// without a real pointer; the running drag's source and data are valid while it runs. Returns the
// executor that was in force.
using TPanelDragExecutor = std::function<Qt::DropAction(QDrag& drag)>;
TPanelDragExecutor SetPanelDragExecutor(TPanelDragExecutor executor);

// Implemented by the window that decides what a drop means.
class IPanelDropHandler {
public:
    virtual ~IPanelDropHandler() = default;

    // Whether `target` would take a drop from `source` at `pos`. Asked on every move over the
    // target, and once more at the drop.
    virtual bool PanelDragOver(QWidget* target, QWidget* source, QPoint pos) = 0;

    // The drop. `ctrlHeld`: the Ctrl key was down at the moment of the drop.
    virtual void PanelDragDrop(QWidget* target, QWidget* source, QPoint pos, bool ctrlHeld) = 0;
};

// Makes `target` a drop target of panel drags (it switches the target's acceptDrops on). Lives as
// the target's child. Drag events with any other data pass on untouched, so that they reach the
// target's own handlers and, ignored there, its parents.
class TPanelDropTarget : public QObject {
    Q_OBJECT
public:
    TPanelDropTarget(QWidget* target, IPanelDropHandler* handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* target_;
    IPanelDropHandler* handler_;
};

// Starts a panel drag from `source` once the mouse, with the left button held since a press on the
// source, has moved at least QApplication::startDragDistance() pixels (Manhattan length) from the
// press. The press only counts when the source's own press handling armed the starter (Arm()), so
// that the handler decides, for example, that a press on a gap between palette cells drags
// nothing. A press and release without that much movement stays a click. Lives as the source's
// child.
class TPanelDragStarter : public QObject {
    Q_OBJECT
public:
    // `start` runs the drag; StartPanelDrag(source) when empty.
    using TStart = std::function<void(QWidget* source)>;
    explicit TPanelDragStarter(QWidget* source, TStart start = {});

    // Call from the source's mouse-down handling: the current left press may become a drag. Does
    // nothing when no left press on the source is under way.
    void Arm();
    bool Armed() const { return armed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* source_;
    TStart start_;
    QPoint pressGlobal_;
    bool pressed_ = false;
    bool armed_ = false;
};

} // namespace tintora
