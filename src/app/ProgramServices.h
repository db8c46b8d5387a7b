#pragma once

// The real platform services of the program, one of each, as the main window takes them. The
// browsers are the Chromium started on the program's own profile folder (whose DevTools port the
// live preview reads) and any other browser started with the page's URL.

#include "app/FormServices.h"
#include "platform/LazyDevToolsBrowser.h"
#include "platform/QtClipboardText.h"
#include "platform/QtFileChooser.h"
#include "platform/QtProcessStarter.h"
#include "platform/QtUserPrompts.h"
#include "platform/SteadyClock.h"
#include "preview/BrowserPrograms.h"
#include "settings/ProgramFiles.h"

#include <string>

namespace tintora {

class TProgramServices {
public:
    explicit TProgramServices(const std::string& browserProfileDir);

    // Message boxes and file dialogs open over this window from now on.
    void SetOwner(QWidget* window);
    TFormServices FormServices();

    TQtClipboardText Clipboard;
    TQtUserPrompts Prompts;
    TQtFileChooser Files;
    TSteadyClock Clock;
    TQtProcessStarter Processes;
    TProcessDdeClient Browsers;
    TLazyDevToolsBrowser LiveBrowser;
};

// The Chromium profile folder of the program: "tintora/chromium-profile" in the user's cache
// folder.
std::string BrowserProfileDir(const TProgramFolders& folders);

} // namespace tintora
