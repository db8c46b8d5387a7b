#include "widgets/ShBrowseForFolderEx.h"

#include "widgets/FolderBrowseWindow.h"
#include "widgets/FolderDialogPlacement.h"
#include "widgets/ShellFolders.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace tintora {

namespace {

// Brings the owner's window to the front when the run ends, however it ends.
class TRaiseOnExit {
public:
    explicit TRaiseOnExit(QWidget* window) : window_(window) {}
    TRaiseOnExit(const TRaiseOnExit&) = delete;
    TRaiseOnExit& operator=(const TRaiseOnExit&) = delete;
    ~TRaiseOnExit() {
        if (window_ && window_->isVisible()) {
            window_->raise();
            window_->activateWindow();
        }
    }

private:
    QPointer<QWidget> window_;
};

QString DisplayNameOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

TSHBrowseForFolderEx::TSHBrowseForFolderEx(QObject* owner)
    : QObject(owner), runner_([](QDialog& window, QFileDialog&) { return window.exec(); }) {}

TSHBrowseForFolderEx::~TSHBrowseForFolderEx() = default;

QWidget* TSHBrowseForFolderEx::OwnerForm() const {
    auto* widget = qobject_cast<QWidget*>(parent());
    return widget ? widget->window() : nullptr;
}

bool TSHBrowseForFolderEx::Execute() {
    selectedPath_.clear();
    displayName_.clear();

    const QString initial = ShellFolderPath(selectFolder_, selectFolderName_);
    const QString root = ShellFolderPath(rootFolder_, rootFolderName_);
    const TBrowseFlags flags = WalkBrowseOptions(options_);

    TFolderBrowseWindow window(OwnerForm(), caption_, root, (flags.Flags & kBrowseStatusText) != 0,
                               (flags.Flags & kBrowseIncludeFiles) != 0);
    window.setWindowModality(Qt::ApplicationModal);
    connect(&window, &TFolderBrowseWindow::SelectionChanged, this,
            [&](const QString& path) { SelectionChanged(window, flags.ShowPath, path); });
    window.SelectInitial(initial);
    Place(window);

    int result = QDialog::Rejected;
    {
        const TRaiseOnExit raise(OwnerForm());
        result = runner_(window, *window.Chooser());
    }
    if (result != QDialog::Accepted) {
        return false;
    }
    const QString chosen = window.SelectedPath();
    displayName_ = DisplayNameOf(chosen);
    selectedPath_ = chosen;
    if (onExecuted_) {
        onExecuted_(selectedPath_, chosen);
    }
    return true;
}

void TSHBrowseForFolderEx::SelectionChanged(TFolderBrowseWindow& window, bool showPath,
                                            const QString& path) {
    QString showText;
    TOKButtonState okState = TOKButtonState::obsUnchanged;
    DoSelectionChanged(&window, path, showText, okState);
    window.SetStatusText(showPath ? path : showText);
    window.SetOkButtonState(okState);
}

void TSHBrowseForFolderEx::DoSelectionChanged(QWidget* wnd, const QString& path, QString& showText,
                                              TOKButtonState& okButtonState) {
    if (onSelectionChanged_) {
        onSelectionChanged_(this, wnd, path, showText, okButtonState);
    }
}

void TSHBrowseForFolderEx::Place(TFolderBrowseWindow& window) const {
    QWidget* form = OwnerForm();
    QScreen* screen = form && form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QSize size = window.frameGeometry().size();
    switch (showStyle_) {
    case TShowStyle::ssNone:
        return;
    case TShowStyle::ssCenterScreen:
        window.move(
            KeepOnScreen(CenterScreenTopLeft(size, screen->geometry(), screen->availableGeometry()),
                         size, screen->geometry()));
        return;
    case TShowStyle::ssClient:
        if (form && form->windowHandle()) {
            window.move(KeepOnScreen(form->mapToGlobal(QPoint(0, 0)), size, screen->geometry()));
        }
        return;
    }
}

} // namespace tintora
