#pragma once

// A folder browse dialog as a component: its properties say what the tree is rooted at, which
// folder is selected at the start, where the window opens and which options it has; Execute runs
// it and leaves the chosen folder in SelectedPath. Every folder the user selects on the way is
// reported to OnSelectionChanged, which may set the status line's text and the OK button's state.
//
// The dialog is application-modal: the rest of the program takes no input while it runs, and the
// owner's window is brought to the front again afterwards, also when the run fails.

#include "files/FolderBrowse.h"

#include <functional>

#include <QObject>
#include <QString>

class QDialog;
class QFileDialog;
class QWidget;

namespace tintora {

class TFolderBrowseWindow;

class TSHBrowseForFolderEx : public QObject {
    Q_OBJECT
public:
    // (sender, the dialog's window, the selected folder's path, the status line's text (empty on
    // entry), the OK button's state (obsUnchanged on entry))
    using TSHBrowseEvent =
        std::function<void(TSHBrowseForFolderEx* sender, QWidget* wnd, const QString& path,
                           QString& showText, TOKButtonState& okButtonState)>;
    // (the chosen folder's path, the chosen item: here always a place in the file system)
    using TSHBrowseExecuted = std::function<void(const QString& path, const QString& item)>;
    // Runs the configured window until the user closes it and returns its result code. The
    // default runs window.exec(); tests choose a folder and accept through the chooser instead.
    using TRunDialog = std::function<int(QDialog& window, QFileDialog& chooser)>;

    explicit TSHBrowseForFolderEx(QObject* owner = nullptr);
    ~TSHBrowseForFolderEx() override;

    TSelectFolder SelectFolder() const { return selectFolder_; }
    void SetSelectFolder(TSelectFolder folder) { selectFolder_ = folder; }
    QString SelectFolderName() const { return selectFolderName_; }
    void SetSelectFolderName(const QString& name) { selectFolderName_ = name; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    TSHBrowseOptions Options() const { return options_; }
    void SetOptions(TSHBrowseOptions options) { options_ = options; }
    TSHBrowseEvent OnSelectionChanged() const { return onSelectionChanged_; }
    void SetOnSelectionChanged(TSHBrowseEvent handler) { onSelectionChanged_ = std::move(handler); }
    TRootFolder RootFolder() const { return rootFolder_; }
    void SetRootFolder(TRootFolder folder) { rootFolder_ = folder; }
    QString RootFolderName() const { return rootFolderName_; }
    void SetRootFolderName(const QString& name) { rootFolderName_ = name; }
    TShowStyle ShowStyle() const { return showStyle_; }
    void SetShowStyle(TShowStyle style) { showStyle_ = style; }
    TSHBrowseExecuted OnExecuted() const { return onExecuted_; }
    void SetOnExecuted(TSHBrowseExecuted handler) { onExecuted_ = std::move(handler); }

    // Results of the last Execute, cleared when the next one starts. SelectedPath is empty when
    // the chosen item has no place in the file system.
    QString SelectedPath() const { return selectedPath_; }
    QString DisplayName() const { return displayName_; }

    // True when the user confirmed a folder.
    virtual bool Execute();

    void SetRunner(TRunDialog runner) { runner_ = std::move(runner); }

    // The form whose client area ssClient opens the dialog at: the owner's window, when the
    // owner is a widget.
    QWidget* OwnerForm() const;

protected:
    virtual void DoSelectionChanged(QWidget* wnd, const QString& path, QString& showText,
                                    TOKButtonState& okButtonState);

private:
    void Place(TFolderBrowseWindow& window) const;
    void SelectionChanged(TFolderBrowseWindow& window, bool showPath, const QString& path);

    TSelectFolder selectFolder_ = TSelectFolder::sfDrives;
    QString selectFolderName_;
    QString caption_;
    TSHBrowseOptions options_{TSHBrowseOption::sboReturnOnlyFSDirs};
    TSHBrowseEvent onSelectionChanged_;
    TRootFolder rootFolder_ = TRootFolder::rfDesktop;
    QString rootFolderName_;
    TShowStyle showStyle_ = TShowStyle::ssClient;
    TSHBrowseExecuted onExecuted_;
    QString selectedPath_;
    QString displayName_;
    TRunDialog runner_;
};

} // namespace tintora
