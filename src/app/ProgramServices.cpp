#include "app/ProgramServices.h"

#include "app/ProgramInfo.h"

#include <filesystem>
#include <unistd.h>

namespace tintora {

TProgramServices::TProgramServices(const std::string& browserProfileDir)
    : Prompts(kApplicationTitle), Browsers(Processes, {browserProfileDir, geteuid() == 0}),
      LiveBrowser(QString::fromStdString(browserProfileDir)) {}

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
