#include "app/HintDisplay.h"

#include <QEvent>
#include <QWidget>

namespace tintora {

namespace {

// Swallows tooltip requests while hints are off. A control without a tooltip of its own passes the
// request on to its parent, so the window and every control in it must be watched.
class THintGate : public QObject {
public:
    explicit THintGate(QObject* parent) : QObject(parent) { setObjectName(kName); }
    static constexpr const char* kName = "tintoraHintGate";
    bool shown = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!shown && event->type() == QEvent::ToolTip) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void SetHintsShown(QWidget* window, bool shown) {
    // Looked up by name: the gate has no meta-object of its own for findChild to tell it apart by.
    auto* gate = dynamic_cast<THintGate*>(
        window->findChild<QObject*>(THintGate::kName, Qt::FindDirectChildrenOnly));
    if (!gate) {
        gate = new THintGate(window);
    }
    gate->shown = shown;
    // Installing a filter twice keeps one copy, so repeated calls cost nothing.
    window->installEventFilter(gate);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(gate);
    }
}

} // namespace tintora
