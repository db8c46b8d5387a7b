// Reading the settings file while the window is created and writing it when the window closes.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "app/UpdatingScope.h"
#include "settings/IniFile2.h"
#include "widgets/GrdBarSet.h"
#include "widgets/LetterCaseValidator.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace tintora {

void TForm1::ReadSettingsFile() {
    const TIniFile2 ini(files_.SettingsFile);
    // The window keeps the place the platform gives it unless the file names one.
    settings_.Top = y();
    settings_.Left = x();
    ReadSettings(ini, settings_);
    LoadTemplates(ini);
    if (ini.ValueExists("WINDOW", "Top") || ini.ValueExists("WINDOW", "Left")) {
        move(settings_.Left, settings_.Top);
    }
    ApplySettings();
}

void TForm1::ApplySettings() {
    if (settings_.StayOnTop == 3) {
        miStayOnTopClick();
    }
    SetUseHsv(settings_.UseHSV);
    SetCharCase(TCaseKind::ckElement, static_cast<TCharCaseMode>(settings_.CharCaseE));
    SetCharCase(TCaseKind::ckAttribute, static_cast<TCharCaseMode>(settings_.CharCaseA));
    SetCharCase(TCaseKind::ckValue, static_cast<TCharCaseMode>(settings_.CharCaseV));
    GBSet->SetPointer(static_cast<TPointerType>(settings_.GrdBarPointer));
    SetHintsShown(settings_.ShowHint);
    // Both go through their setters, which keep only a font that is installed and a size in range.
    const QString sampleFontName = QString::fromStdString(settings_.SampleFontName);
    settings_.SampleFontName.clear();
    SetSampleFontName(sampleFontName);
    SetSampleFontSize(settings_.SampleFontSize);
    EditPreview->setText(QString::fromStdString(settings_.PreviewSample));
    miPaintFontBG->setChecked(settings_.PaintFontBG);
    palette = settings_.Pallet;
}

void TForm1::CollectSettings() {
    settings_.StayOnTop = miStayOnTop->isChecked() ? 3 : 0;
    settings_.GrdBarsMode = static_cast<std::int32_t>(GBSet->GrdBarsMode());
    settings_.GrdBarPointer = static_cast<std::uint8_t>(GBSet->Pointer());
    settings_.SampleFontName = GetSampleFontName().toStdString();
    settings_.SampleFontSize = BaseSampleSize;
    settings_.Top = y();
    settings_.Left = x();
    settings_.Pallet = palette;
    settings_.PreviewSample = EditPreview->text().toStdString();
    settings_.PaintFontBG = miPaintFontBG->isChecked();
}

TCharCases TForm1::CharCases() const {
    return TCharCases{static_cast<TCharCaseMode>(settings_.CharCaseE),
                      static_cast<TCharCaseMode>(settings_.CharCaseA),
                      static_cast<TCharCaseMode>(settings_.CharCaseV)};
}

void TForm1::SetCharCase(TCaseKind kind, TCharCaseMode mode) {
    const auto byte = static_cast<std::uint8_t>(mode);
    switch (kind) {
    case TCaseKind::ckElement:
        settings_.CharCaseE = byte;
        break;
    case TCaseKind::ckAttribute:
        settings_.CharCaseA = byte;
        break;
    case TCaseKind::ckValue:
        settings_.CharCaseV = byte;
        break;
    }
    rgbCase_->SetUpper(CharCases().Value == TCharCaseMode::ccUpper);
    const TUpdatingScope updating(Updating);
    EditRGB->setText(rgbCase_->Upper() ? EditRGB->text().toUpper() : EditRGB->text().toLower());
}

void TForm1::WriteSettingsFile() {
    CollectSettings();
    Guarded(this, [this] {
        // An installed program keeps its settings in the user's folder, which may not exist yet.
        QDir().mkpath(QFileInfo(QString::fromStdString(files_.SettingsFile)).absolutePath());
        TIniFile2 ini(files_.SettingsFile);
        WriteSettings(ini, settings_);
        SaveTemplates(ini);
        ini.UpdateFile();
    });
}

} // namespace tintora
