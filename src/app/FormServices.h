#pragma once

// What the main window asks of its platform, handed to it when it is created: the real services
// in the program, fakes in tests. The window keeps the references; the services outlive it.

#include "app/ModalRun.h"
#include "services/ClipboardText.h"
#include "services/Clock.h"
#include "services/DdeClient.h"
#include "services/DevToolsBrowser.h"
#include "services/FileChooser.h"
#include "services/ProcessStarter.h"
#include "services/UserPrompts.h"

namespace tintora {

struct TFormServices {
    IClipboardText& Clipboard;
    IUserPrompts& Prompts;
    IFileChooser& Files;
    IClock& Clock;
    IProcessStarter& Processes;
    // The conversation that shows a page in a browser, and the browser the live preview updates.
    IDdeClient& Browsers;
    IDevToolsBrowser& LiveBrowser;
    // Runs the program's own modal dialogs, such as the BODY copy dialog.
    TModalRun RunModal = ExecModal;
};

} // namespace tintora
