// The Options dialog's command.

#include "app/Form1.h"
#include "app/FormOpt.h"

#include <QAction>

namespace tintora {

void TForm1::miOptClick() {
    TOptionsContext context{settings_,           GetSampleFontName(),     {},
                            files_.SettingsFile, files_.InstalledDataDir, BrowserSearchPath(),
                            services_.Files,     services_.Prompts,       services_.RunModal};
    for (int i = 0; i < SPIs1.Count(); ++i) {
        const TSPI& spi = SPIs1.SPIs(i);
        context.LoadedPlugins.push_back(
            {spi.FileName(), spi.Extensions().empty() ? std::string() : spi.Extensions().front(),
             spi.Descriptions().empty() ? std::string() : spi.Descriptions().front(),
             spi.PluginInfo()});
    }
    TFormOpt dialog(std::move(context), this);
    dialog.SetShowHint(settings_.ShowHint);
    if (services_.RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    ApplySettings(dialog.NewSettings());
    ReloadPlugins();
}

} // namespace tintora
