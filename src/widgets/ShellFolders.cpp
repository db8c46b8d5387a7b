#include "widgets/ShellFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tintora {

namespace {

QString Location(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location);
}

// The place's folder, empty where this system has none.
QString PlaceFolder(TRootFolder folder, const QString& manualName) {
    switch (folder) {
    case TRootFolder::rfDesktop:
        return DesktopFolderPath();
    case TRootFolder::rfManual:
        return manualName;
    case TRootFolder::rfDrives:
        return QDir::homePath();
    case TRootFolder::rfDesktopDir:
        return Location(QStandardPaths::DesktopLocation);
    case TRootFolder::rfPrograms:
    case TRootFolder::rfStartMenu:
        return Location(QStandardPaths::ApplicationsLocation);
    case TRootFolder::rfStartup:
        return Location(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
    case TRootFolder::rfTemplates:
        return Location(QStandardPaths::TemplatesLocation);
    case TRootFolder::rfFavorites:
    case TRootFolder::rfRecent:
    case TRootFolder::rfSendTo:
    case TRootFolder::rfControls:
        return QString();
    }
    return QString();
}

} // namespace

QString DesktopFolderPath() {
    return QDir::rootPath();
}

QString ShellFolderPath(TRootFolder folder, const QString& manualName) {
    const QString path = PlaceFolder(folder, manualName);
    const QFileInfo info(path);
    if (path.isEmpty() || info.isRelative() || !info.isDir()) {
        return DesktopFolderPath();
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

} // namespace tintora
