#include "app/ProgramServices.h"

#include "app/ProgramInfo.h"

#include <filesystem>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

namespace tintora {

namespace {

// The live preview's module lies beside a built program, and in the library folder of an
// installed one.
QStringList DevToolsModuleFolders() {
    const QString bin = QCoreApplication::applicationDirPath();
    return {bin, QDir::cleanPath(bin + "/" + TINTORA_MODULE_DIR_FROM_BIN)};
}

} // namespace

TProgramServices::TProgramServices(const std::string& browserProfileDir)
    : Prompts(kApplicationTitle), Browsers(Processes, {browserProfileDir, geteuid() == 0}),
      LiveBrowser(QString::fromStdString(browserProfileDir), DevToolsModuleFolders()) {}

void TProgramServices::SetOwner(QWidget* window) {
    Prompts.SetOwner(window);
    Files.SetOwner(window);
}

TFormServices TProgramServices::FormServices() {
    return TFormServices{Clipboard, Prompts, Files, Clock, Processes, Browsers, LiveBrowser};
}

std::string BrowserProfileDir(const TProgramFolders& folders) {
    return (std::filesystem::path(folders.CacheHome) / "tintora" / "chromium-profile").string();
}

} // namespace tintora
