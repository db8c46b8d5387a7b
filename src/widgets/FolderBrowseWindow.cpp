#include "widgets/FolderBrowseWindow.h"

#include <algorithm>
#include <memory>

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tintora {

namespace {

const char* const kTitle = "フォルダの参照";

bool IsWithin(const QString& path, const QString& root) {
    const QString clean = QDir::cleanPath(path);
    return root == QDir::rootPath() || clean == root || clean.startsWith(root + QLatin1Char('/'));
}

// A path typed into the name field could name a folder anywhere: what lies outside the root is
// not taken, and the chooser goes back to the root instead.
class TRootedChooser : public QFileDialog {
public:
    TRootedChooser(QWidget* parent, QString root) : QFileDialog(parent), root_(std::move(root)) {}

protected:
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (std::all_of(chosen.begin(), chosen.end(),
                        [this](const QString& path) { return IsWithin(path, root_); })) {
            QFileDialog::accept();
            return;
        }
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->clear();
        }
        for (auto* view : findChildren<QAbstractItemView*>()) {
            view->clearSelection();
        }
        setDirectory(root_);
    }

private:
    QString root_;
};

} // namespace

TFolderBrowseWindow::TFolderBrowseWindow(QWidget* owner, const QString& caption,
                                         const QString& root, bool statusLine, bool includeFiles)
    : QDialog(owner), root_(QDir::cleanPath(root)), chooser_(new TRootedChooser(this, root_)) {
    setWindowTitle(QString::fromUtf8(kTitle));
    auto* layout = new QVBoxLayout(this);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    // Shown inside this window rather than as a window of its own.
    chooser_->setWindowFlags(Qt::Widget);
    chooser_->setOption(QFileDialog::DontUseNativeDialog);
    chooser_->setFileMode(QFileDialog::Directory);
    chooser_->setOption(QFileDialog::ShowDirsOnly, !includeFiles);
    chooser_->setViewMode(QFileDialog::List);
    // A folder chooser has no types of file to pick from.
    for (const char* name : {"fileTypeLabel", "fileTypeCombo"}) {
        if (auto* part = chooser_->findChild<QWidget*>(QLatin1String(name))) {
            part->hide();
        }
    }
    chooser_->setSidebarUrls({QUrl::fromLocalFile(root_)});
    chooser_->setDirectory(root_);
    layout->addWidget(chooser_, 1);

    if (statusLine) {
        status_ = new QLabel(this);
        status_->setTextFormat(Qt::PlainText);
        status_->setFrameShape(QFrame::StyledPanel);
        status_->setFrameShadow(QFrame::Sunken);
        layout->addWidget(status_);
    }

    if (auto* buttons = chooser_->findChild<QDialogButtonBox*>()) {
        okButton_ = buttons->button(QDialogButtonBox::Open);
    }
    if (okButton_) {
        chooserEnablesOk_ = okButton_->isEnabled();
        okButton_->installEventFilter(this);
    }

    connect(chooser_, &QFileDialog::finished, this, &QDialog::done);
    connect(chooser_, &QFileDialog::directoryEntered, this, &TFolderBrowseWindow::DirectoryEntered);
    // What the chooser would return changes with the highlighted entry, the typed name and the
    // folder shown; each of them may change without the others.
    connect(chooser_, &QFileDialog::currentChanged, this, &TFolderBrowseWindow::Reselect);
    if (auto* name = chooser_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        connect(name, &QLineEdit::textChanged, this, &TFolderBrowseWindow::Reselect);
    }
    for (auto* view : chooser_->findChildren<QAbstractItemView*>()) {
        if (view->selectionModel()) {
            connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                    &TFolderBrowseWindow::Reselect);
        }
    }
    resize(520, 420);
}

bool TFolderBrowseWindow::WithinRoot(const QString& path) const {
    return IsWithin(path, root_);
}

void TFolderBrowseWindow::SelectInitial(const QString& folder) {
    if (folder.isEmpty() || !WithinRoot(folder) || QDir::cleanPath(folder) == root_) {
        chooser_->setDirectory(root_);
        Reselect();
        return;
    }
    const QString initial = QDir::cleanPath(folder);
    chooser_->selectFile(initial);
    Reselect();
    // The chooser reads folders in the background and highlights only what it has read: the
    // initial folder is highlighted, and scrolled into view, once its parent has been read.
    if (auto* model = chooser_->findChild<QFileSystemModel*>()) {
        const QString parent = QFileInfo(initial).absolutePath();
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(model, &QFileSystemModel::directoryLoaded, this,
                        [this, model, once, parent, initial](const QString& loaded) {
                            if (QDir::cleanPath(loaded) != parent) {
                                return;
                            }
                            disconnect(*once);
                            if (SelectedPath() == initial) {
                                Highlight(model, model->index(initial));
                            }
                        });
    }
}

void TFolderBrowseWindow::Highlight(const QAbstractItemModel* model, const QModelIndex& index) {
    for (auto* view : chooser_->findChildren<QAbstractItemView*>()) {
        if (view->model() == model && view->selectionModel()) {
            view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
            view->scrollTo(index);
        }
    }
}

QString TFolderBrowseWindow::SelectedPath() const {
    const QStringList chosen = chooser_->selectedFiles();
    return QDir::cleanPath(chosen.isEmpty() ? chooser_->directory().absolutePath()
                                            : chosen.front());
}

void TFolderBrowseWindow::DirectoryEntered(const QString& folder) {
    // The chooser's path field, history and parent button could all lead above the root.
    if (!WithinRoot(folder)) {
        chooser_->setDirectory(root_);
    }
    Reselect();
}

void TFolderBrowseWindow::Reselect() {
    const QString selected = SelectedPath();
    if (reported_ && selected == lastReported_) {
        return;
    }
    reported_ = true;
    lastReported_ = selected;
    // What a handler decided for the last folder does not hold for this one.
    okState_ = TOKButtonState::obsUnchanged;
    ApplyOkButton();
    emit SelectionChanged(selected);
}

void TFolderBrowseWindow::SetStatusText(const QString& text) {
    if (status_) {
        status_->setText(text);
    }
}

QString TFolderBrowseWindow::StatusText() const {
    return status_ ? status_->text() : QString();
}

void TFolderBrowseWindow::SetOkButtonState(TOKButtonState state) {
    okState_ = state;
    ApplyOkButton();
}

void TFolderBrowseWindow::ApplyOkButton() {
    if (!okButton_) {
        return;
    }
    const bool enabled = okState_ == TOKButtonState::obsUnchanged
                             ? chooserEnablesOk_
                             : okState_ == TOKButtonState::obsEnable;
    if (okButton_->isEnabled() != enabled) {
        applying_ = true;
        okButton_->setEnabled(enabled);
        applying_ = false;
    }
}

bool TFolderBrowseWindow::eventFilter(QObject* watched, QEvent* event) {
    // The chooser sets its OK button's state as the selection changes: that is the state the
    // button falls back to, but a handler's word stands until the next selection.
    if (watched == okButton_ && event->type() == QEvent::EnabledChange && !applying_) {
        chooserEnablesOk_ = okButton_->isEnabled();
        ApplyOkButton();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tintora
