#include "widgets/PanelDragDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace tintora {

namespace {

struct TDragState {
    QPointer<QWidget> source;
    QByteArray token; // empty while no drag runs
    unsigned count = 0;
    TPanelDragExecutor executor;
};

TDragState& State() {
    static TDragState state;
    return state;
}

// Ends the drag on every way out of StartPanelDrag, an exception from a drop handler included.
struct TDragScope {
    ~TDragScope() {
        State().source = nullptr;
        State().token.clear();
    }
};

} // namespace

Qt::DropAction StartPanelDrag(QWidget* source, const QPixmap& image) {
    TDragState& state = State();
    if (source == nullptr || !state.token.isEmpty()) {
        return Qt::IgnoreAction;
    }
    ++state.count;
    state.source = source;
    state.token = QByteArray::number(QCoreApplication::applicationPid()) + '/' +
                  QByteArray::number(state.count);
    const TDragScope scope;

    auto* data = new QMimeData;
    data->setData(PanelDragMimeType, state.token);
    // Qt's drag manager deletes a finished drag later; a replaced executor does not, so the drag is
    // always handed to deleteLater, which tolerates being asked twice. The drag is the source's
    // child and goes with it if a drop handler destroys the source.
    const QPointer<QDrag> drag = new QDrag(source);
    drag->setMimeData(data);
    if (!image.isNull()) {
        drag->setPixmap(image);
    }
    const TPanelDragExecutor executor = state.executor;
    const Qt::DropAction action =
        executor ? executor(*drag) : drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    if (drag) {
        drag->deleteLater();
    }
    return action;
}

bool PanelDragInProgress() {
    return !State().token.isEmpty();
}

QWidget* PanelDragSource() {
    return PanelDragInProgress() ? State().source.data() : nullptr;
}

unsigned PanelDragCount() {
    return State().count;
}

QWidget* PanelDragSourceOf(const QMimeData* data) {
    const TDragState& state = State();
    if (data == nullptr || state.token.isEmpty() || !data->hasFormat(PanelDragMimeType)) {
        return nullptr;
    }
    return data->data(PanelDragMimeType) == state.token ? state.source.data() : nullptr;
}

TPanelDragExecutor SetPanelDragExecutor(TPanelDragExecutor executor) {
    std::swap(State().executor, executor);
    return executor;
}

TPanelDropTarget::TPanelDropTarget(QWidget* target, IPanelDropHandler* handler)
    : QObject(target), target_(target), handler_(handler) {
    target_->setAcceptDrops(true);
    target_->installEventFilter(this);
}

bool TPanelDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        QWidget* source = PanelDragSourceOf(move->mimeData());
        if (source == nullptr) {
            return false;
        }
        const bool accepted = handler_->PanelDragOver(target_, source, move->position().toPoint());
        move->setDropAction(accepted ? Qt::CopyAction : Qt::IgnoreAction);
        // An entry is always taken, also over a refused spot such as a gap between palette cells,
        // so that the moves over the target keep coming to decide spot by spot.
        if (accepted || event->type() == QEvent::DragEnter) {
            move->accept();
        } else {
            move->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        QWidget* source = PanelDragSourceOf(drop->mimeData());
        if (source == nullptr) {
            return false;
        }
        const QPoint pos = drop->position().toPoint();
        // The last move may have been accepted at the entry only, so the spot is asked again.
        if (!handler_->PanelDragOver(target_, source, pos)) {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        handler_->PanelDragDrop(target_, source, pos,
                                drop->modifiers().testFlag(Qt::ControlModifier));
        return true;
    }
    default:
        return false;
    }
}

TPanelDragStarter::TPanelDragStarter(QWidget* source, TStart start)
    : QObject(source), source_(source), start_(std::move(start)) {
    if (!start_) {
        start_ = [](QWidget* s) { StartPanelDrag(s); };
    }
    source_->installEventFilter(this);
}

void TPanelDragStarter::Arm() {
    armed_ = pressed_;
}

bool TPanelDragStarter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != source_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pressed_ = true;
            armed_ = false;
            pressGlobal_ = mouse->globalPosition().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!mouse->buttons().testFlag(Qt::LeftButton)) {
            // The release went elsewhere (a popup, another drag): this press is over.
            pressed_ = false;
            armed_ = false;
            return false;
        }
        if (!armed_ || (mouse->globalPosition().toPoint() - pressGlobal_).manhattanLength() <
                           QApplication::startDragDistance()) {
            return false;
        }
        pressed_ = false;
        armed_ = false;
        start_(source_);
        // The drag ran to its end inside start_; the move that began it is stale by now.
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressed_ = false;
            armed_ = false;
        }
        return false;
    default:
        return false;
    }
}

} // namespace tintora
