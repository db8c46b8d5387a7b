#pragma once

// The base of the program's modal dialogs: where the dialog opens, whether its tooltips show, and
// FormShow, run each time it is shown after both have been applied. The opener sets them before
// running the dialog (ModalRun.h); a dialog that sets no place opens where the window system puts
// it.

#include <functional>

#include <QDialog>
#include <QPoint>

namespace tintora {

class TModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit TModalDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    // Opens with its outer top-left corner at topLeft (screen coordinates), pulled in from the
    // right edge of the screen.
    void SetPlaceAt(QPoint topLeft);
    // Opens at topLeft, moved into the work area of its screen on every side.
    void SetPlaceInWorkArea(QPoint topLeft);
    // Opens centred on `owner`: its left at the owner's left plus half the owner's width less half
    // its own width, its top likewise (halves truncated).
    void SetCentreOn(const QWidget* owner);

    void SetShowHint(bool show) { showHint_ = show; }
    bool ShowHint() const { return showHint_; }

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    // What the dialog does each time it is shown, once it stands in its place.
    virtual void FormShow() {}

private:
    std::function<void(QWidget*)> place_;
    bool showHint_ = true;
};

} // namespace tintora
