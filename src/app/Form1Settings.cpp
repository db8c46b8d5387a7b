// Reading the settings file while the window is created and writing it when the window closes.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "settings/IniFile2.h"
#include "widgets/GrdBarSet.h"

#include <QDir>
#include <QFileInfo>

namespace tintora {

void TForm1::ReadSettingsFile() {
    const TIniFile2 ini(files_.SettingsFile);
    // The window keeps the place the platform gives it unless the file names one.
    settings_.Top = y();
    settings_.Left = x();
    ReadSettings(ini, settings_);
    if (ini.ValueExists("WINDOW", "Top") || ini.ValueExists("WINDOW", "Left")) {
        move(settings_.Left, settings_.Top);
    }
    ApplySettings();
}

void TForm1::ApplySettings() {
    SetUseHsv(settings_.UseHSV);
    GBSet->SetPointer(static_cast<TPointerType>(settings_.GrdBarPointer));
    SetHintsShown(settings_.ShowHint);
    palette = settings_.Pallet;
}

void TForm1::CollectSettings() {
    settings_.Top = y();
    settings_.Left = x();
    settings_.GrdBarsMode = static_cast<std::int32_t>(GBSet->GrdBarsMode());
    settings_.GrdBarPointer = static_cast<std::uint8_t>(GBSet->Pointer());
    settings_.Pallet = palette;
}

void TForm1::WriteSettingsFile() {
    CollectSettings();
    Guarded(this, [this] {
        // An installed program keeps its settings in the user's folder, which may not exist yet.
        QDir().mkpath(QFileInfo(QString::fromStdString(files_.SettingsFile)).absolutePath());
        TIniFile2 ini(files_.SettingsFile);
        WriteSettings(ini, settings_);
        ini.UpdateFile();
    });
}

} // namespace tintora
