// The image plug-ins of the main window: set up at the end of its creation, searched again when
// the Options dialog changes where to look.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "images/PluginSetup.h"

namespace tintora {

void TForm1::SetUpPlugins() {
    // This platform reads neither icons nor metafiles.
    RemovePictureClass(IconClass);
    RemovePictureClass(MetafileClass);
    SPIs1.AutoSearch = false;
    SPIs1.Folders = CurrentSPIFolders(TINTORA_PLUGIN_DIR_FROM_BIN);
    BindPluginHandlers(SPIs1, settings_.SkipFiles);
    ReloadPlugins();
}

void TForm1::ReloadPlugins() {
    SPIs1.Clear();
    if (const TGraphicClass* pluginClass = TSPIs::PictureClass()) {
        RemovePictureClass(*pluginClass);
    }
    SearchPlugins();
}

void TForm1::SearchPlugins() {
    SPIs1.SearchOptions = {spsSusieDir, spsAppDir};
    if (settings_.SearchWinDir) {
        SPIs1.SearchOptions.Include(spsWindowsDir);
    }
    if (settings_.SearchSysDir) {
        SPIs1.SearchOptions.Include(spsSystemDir);
    }
    Guarded(services_.Prompts, [this] { tintora::SearchPlugins(SPIs1, settings_.SearchDir); });
}

} // namespace tintora
