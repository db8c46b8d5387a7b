#pragma once

// The window of the folder browse dialog: the caption above, Qt's own (non-native) directory
// chooser in the middle, confined to the tree's root, and a status line below when asked for.
// It reports every change of the selected folder once, and holds the OK button enabled or
// disabled when told to, whatever the chooser would do with it.

#include "files/FolderBrowse.h"

#include <QDialog>
#include <QModelIndex>
#include <QPointer>
#include <QPushButton>

class QAbstractItemModel;
class QFileDialog;
class QLabel;

namespace tintora {

class TFolderBrowseWindow : public QDialog {
    Q_OBJECT
public:
    // `owner` (may be null) is the window this one stays in front of.
    TFolderBrowseWindow(QWidget* owner, const QString& caption, const QString& root,
                        bool statusLine, bool includeFiles);

    QFileDialog* Chooser() const { return chooser_; }
    QString Root() const { return root_; }

    // Selects `folder` when it lies within the root; else the chooser shows the root with
    // nothing selected.
    void SelectInitial(const QString& folder);
    // The folder (or, with files included, the file) selected; the current folder when no
    // entry is.
    QString SelectedPath() const;

    // No effect without a status line.
    void SetStatusText(const QString& text);
    QString StatusText() const;
    // Holds the OK button enabled or disabled until the selection changes; obsUnchanged leaves
    // it to the chooser.
    void SetOkButtonState(TOKButtonState state);
    QPushButton* OkButton() const { return okButton_; }

signals:
    void SelectionChanged(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WithinRoot(const QString& path) const;
    void DirectoryEntered(const QString& folder);
    void Reselect();
    void Highlight(const QAbstractItemModel* model, const QModelIndex& index);
    void ApplyOkButton();

    QString root_;
    QFileDialog* chooser_;
    QLabel* status_ = nullptr;
    QPointer<QPushButton> okButton_;
    TOKButtonState okState_ = TOKButtonState::obsUnchanged;
    bool chooserEnablesOk_ = true; // the state the chooser itself last gave the OK button
    bool applying_ = false;
    QString lastReported_;
    bool reported_ = false;
};

} // namespace tintora
