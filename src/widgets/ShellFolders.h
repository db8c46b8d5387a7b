#pragma once

// The places a folder browse dialog can be rooted at or start on, as folders on this system. The
// top of the tree (the desktop of the tree) is the file system's root; "my computer" is the
// user's home folder; the other places are their freedesktop.org counterparts. A place with no
// counterpart here, or whose folder does not exist, is the top of the tree, as is a named folder
// that is empty, not absolute or not an existing folder.

#include "files/FolderBrowse.h"

#include <QString>

namespace tintora {

QString ShellFolderPath(TRootFolder folder, const QString& manualName);

inline QString ShellFolderPath(TSelectFolder folder, const QString& manualName) {
    return ShellFolderPath(AsRootFolder(folder), manualName);
}

// The top of the tree.
QString DesktopFolderPath();

} // namespace tintora
