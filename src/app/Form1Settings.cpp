// The settings while the window lives: read from the settings file when it is created, shown
// through ApplySettings, kept in TSettings by every control that changes one, and written back
// when it closes.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "settings/IniFile2.h"
#include "settings/OptionsEdit.h"
#include "widgets/FieldCharsValidator.h"
#include "widgets/GrdBarSet.h"
#include "widgets/PaintPanel.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace tintora {

void TForm1::ReadSettingsFile() {
    const TIniFile2 ini(files_.SettingsFile);
    TSettings read = settings_;
    // The window keeps the place the platform gives it unless the file names one.
    read.Top = y();
    read.Left = x();
    ReadSettings(ini, read);
    LoadTemplates(ini);
    if (ini.ValueExists("WINDOW", "Top") || ini.ValueExists("WINDOW", "Left")) {
        move(read.Left, read.Top);
    }
    settings_.Top = read.Top;
    settings_.Left = read.Left;
    ApplySettings(read);
    // The bar mode is applied once the controls are prepared, at the end of creation.
    settings_.GrdBarsMode = read.GrdBarsMode;
}

void TForm1::ApplySettings(const TSettings& s) {
    const TSettings previous = settings_;
    settings_ = s;
    // Owned elsewhere: the position by the window (taken when it closes), the bar mode by the
    // colour editor; and those the setters below store only once they have checked them.
    settings_.Top = previous.Top;
    settings_.Left = previous.Left;
    settings_.GrdBarsMode = previous.GrdBarsMode;
    settings_.StayOnTop = previous.StayOnTop;
    settings_.SampleFontName = previous.SampleFontName;
    settings_.SampleFontSize = previous.SampleFontSize;

    SetStayOnTop(s.StayOnTop == 3);
    SetUseHsv(s.UseHSV);
    SetCharCase(TCaseKind::ckElement, static_cast<TCharCaseMode>(s.CharCaseE));
    SetCharCase(TCaseKind::ckAttribute, static_cast<TCharCaseMode>(s.CharCaseA));
    SetCharCase(TCaseKind::ckValue, static_cast<TCharCaseMode>(s.CharCaseV));
    GBSet->SetPointer(static_cast<TPointerType>(s.GrdBarPointer));
    SetHintsShown(s.ShowHint);
    SetSampleFontSize(s.SampleFontSize);
    SetSampleFontName(QString::fromStdString(s.SampleFontName));
    // Kept as the face the samples use, which is also what the file gets.
    settings_.SampleFontName = GetSampleFontName().toStdString();
    body_->EditPreview->setText(QString::fromStdString(s.PreviewSample));
    miPaintFontBG->setChecked(s.PaintFontBG);
    miUseSpanTag->setChecked(s.UseSpanTag);
    pal1->update();
}

TCharCases TForm1::CharCases() const {
    return CharCasesOf(settings_);
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
    rgbChars_->SetUpper(CharCases().Value == TCharCaseMode::ccUpper);
    const auto updating = colors_.HoldUpdating();
    EditRGB->setText(rgbChars_->Upper() ? EditRGB->text().toUpper() : EditRGB->text().toLower());
}

void TForm1::WriteSettingsFile() {
    Guarded(services_.Prompts, [this] {
        // An installed program keeps its settings in the user's folder, which may not exist yet.
        QDir().mkpath(QFileInfo(QString::fromStdString(files_.SettingsFile)).absolutePath());
        TIniFile2 ini(files_.SettingsFile);
        WriteSettings(ini, settings_);
        SaveTemplates(ini);
        ini.UpdateFile();
    });
}

} // namespace tintora
