#include "app/FormOpt.h"

#include "app/CharCaseCheck.h"
#include "app/ErrorReport.h"
#include "app/ProgramInfo.h"
#include "files/UserFolder.h"
#include "images/SPIFolders.h"
#include "platform/HelpFile.h"
#include "preview/BrowserPrograms.h"
#include "settings/IniFile2.h"
#include "widgets/QvSpinEdit.h"
#include "widgets/SampleFont.h"
#include "widgets/ShBrowseForFolderEx.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace tintora {

namespace {

constexpr char kPositionSection[] = "Window";
constexpr char kTopKey[] = "Option.Top";
constexpr char kLeftKey[] = "Option.Left";
constexpr int kDefaultPosition = 10;

const QString kAutomaticFace = QStringLiteral("(自動)");
const QString kNoValue = QStringLiteral("-");
const QString kNotLoaded = QStringLiteral("(読み込まれていません)");

constexpr char kProgramFilter[] = "実行ファイル(*.exe)|*.exe|全てのファイル|*.*";
constexpr char kSoundFilter[] = "サウンド(*.wav)|*.wav";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Text(const QString& s) {
    return s.toStdString();
}

// A field the user can type in only while its box is checked; off, it shows `offColour` behind
// its text.
void SetFieldEnabled(QLineEdit* field, bool on, QPalette::ColorRole offColour) {
    field->setEnabled(on);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(offColour));
    field->setPalette(palette);
}

} // namespace

TFormOpt::TFormOpt(TOptionsContext context, QWidget* parent)
    : TModalDialog(parent), context_(std::move(context)) {
    BuildControls();
    ConnectControls();
    FormCreate();
    ShowOptions();
}

TFormOpt::~TFormOpt() = default;

void TFormOpt::FormCreate() {
    const TIniFile2 ini(context_.SettingsFile);
    const int top = ini.ReadInteger(kPositionSection, kTopKey, kDefaultPosition);
    const int left = ini.ReadInteger(kPositionSection, kLeftKey, kDefaultPosition);
    SetPlaceInWorkArea(QPoint(left, top));

    comboSampleFontName->addItem(kAutomaticFace);
    comboSampleFontName->addItems(ListFontFaces());
    comboSampleFontName->setCurrentIndex(0);

    std::vector<std::string> loaded;
    for (const TPluginInfo& plugin : context_.LoadedPlugins) {
        loaded.push_back(plugin.FileName);
    }
    for (const TPluginRow& row : PluginRows(loaded, context_.Settings.SkipFiles)) {
        auto* item = new QListWidgetItem(Text(row.Name), lbSpi);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(row.Checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TFormOpt::ShowOptions() {
    std::vector<TPluginRow> rows;
    const TOptionsEdit e =
        OptionsEditOf(context_.Settings, Text(context_.SampleFontName), std::move(rows));

    cases_ = e.Cases;
    ShowCaseState();
    cbPlayCopySound->setChecked(e.PlayCopySound);
    EditCopySound->setText(Text(e.CopySound));
    cbPlayCopySoundClick();
    cbAddSharp->setChecked(e.AddSharp);
    cbWrapFontTag->setChecked(e.WrapFontTag);
    cbEscHtmlTokens->setChecked(e.EscHtmlTokens);
    cbEscSpaceChar->setChecked(e.EscSpaceChar);
    QCheckBox* const bodyBoxes[] = {cbDefBodyBg, cbDefBodyText, cbDefBodyLink, cbDefBodyVlink,
                                    cbDefBodyAlink};
    for (int i = 0; i < DefBodyAttribCount; ++i) {
        bodyBoxes[i]->setChecked(e.DefBody[static_cast<std::size_t>(i)]);
    }
    cbNoAskBodyAttrib->setChecked(e.NoAskBodyAttrib);

    SpinSampleFontSize->SetValue(e.SampleFontSize);
    const int face = comboSampleFontName->findText(Text(e.SampleFontName), Qt::MatchFixedString);
    comboSampleFontName->setCurrentIndex(std::max(face, 0));
    cbInsBaseTag->setChecked(e.InsBaseTag);
    MainBrowserItems->button(e.MainBrowser)->setChecked(true);
    EditIEPath->setText(Text(e.IEPath));
    EditNNPath->setText(Text(e.NNPath));

    cbPathWin->setChecked(e.PathWin);
    cbPathSys->setChecked(e.PathSys);
    cbPathOther->setChecked(e.PathOther);
    cbPathOtherClick();
    editSpiDir->setText(Text(e.SpiDir));

    cbShowHint->setChecked(e.ShowHint);
    cbHideExtInPicking->setChecked(e.HideExtInPicking);
    PalClickItems->button(e.PalClickType)->setChecked(true);
    comboGrdPointer->setCurrentIndex(e.GrdPointer);
    cbHideGrdPointer->setChecked(e.HideGrdPointer);
    cbUseHSV->setChecked(e.UseHSV);
    lbSpiClick();
}

TOptionsEdit TFormOpt::Edited() const {
    TOptionsEdit e;
    e.Cases = CharCasesForCheckState(cbUpperCase->checkState(), cases_);
    e.PlayCopySound = cbPlayCopySound->isChecked();
    e.CopySound = Text(EditCopySound->text());
    e.AddSharp = cbAddSharp->isChecked();
    e.WrapFontTag = cbWrapFontTag->isChecked();
    e.EscHtmlTokens = cbEscHtmlTokens->isChecked();
    e.EscSpaceChar = cbEscSpaceChar->isChecked();
    const QCheckBox* const bodyBoxes[] = {cbDefBodyBg, cbDefBodyText, cbDefBodyLink, cbDefBodyVlink,
                                          cbDefBodyAlink};
    for (int i = 0; i < DefBodyAttribCount; ++i) {
        e.DefBody[static_cast<std::size_t>(i)] = bodyBoxes[i]->isChecked();
    }
    e.NoAskBodyAttrib = cbNoAskBodyAttrib->isChecked();

    e.SampleFontSize = SpinSampleFontSize->Value();
    e.SampleFontName = Text(comboSampleFontName->currentText());
    e.InsBaseTag = cbInsBaseTag->isChecked();
    e.MainBrowser = MainBrowserItems->checkedId();
    e.IEPath = Text(EditIEPath->text());
    e.NNPath = Text(EditNNPath->text());

    e.ShowHint = cbShowHint->isChecked();
    e.HideExtInPicking = cbHideExtInPicking->isChecked();
    e.PalClickType = PalClickItems->checkedId();
    e.GrdPointer = comboGrdPointer->currentIndex();
    e.HideGrdPointer = cbHideGrdPointer->isChecked();
    e.UseHSV = cbUseHSV->isChecked();

    e.PathWin = cbPathWin->isChecked();
    e.PathSys = cbPathSys->isChecked();
    e.PathOther = cbPathOther->isChecked();
    e.SpiDir = Text(editSpiDir->text());
    for (int i = 0; i < lbSpi->count(); ++i) {
        const QListWidgetItem* item = lbSpi->item(i);
        e.Plugins.push_back({Text(item->text()), item->checkState() == Qt::Checked});
    }
    return e;
}

TSettings TFormOpt::NewSettings() const {
    return OptionsEditResult(context_.Settings, Edited());
}

void TFormOpt::cbPlayCopySoundClick() {
    const bool on = cbPlayCopySound->isChecked();
    SetFieldEnabled(EditCopySound, on, QPalette::Button);
    btnBrwsCopySound->setEnabled(on);
}

void TFormOpt::cbPathOtherClick() {
    const bool on = cbPathOther->isChecked();
    SetFieldEnabled(editSpiDir, on, QPalette::Window);
    btnBrwsSpiDir->setEnabled(on);
    cbPathWin->setEnabled(!on);
    cbPathSys->setEnabled(!on);
}

void TFormOpt::btnBrwsPathClick(QPushButton* sender) {
    QLineEdit* target = sender == btnBrwsIEPath   ? EditIEPath
                        : sender == btnBrwsNNPath ? EditNNPath
                                                  : EditCopySound;
    TOpenFileRequest request;
    request.Filter = sender == btnBrwsCopySound ? kSoundFilter : kProgramFilter;
    if (QFileInfo(target->text()).isFile()) {
        request.InitialFile = Text(target->text());
    }
    if (const auto chosen = context_.Files.ChooseFileToOpen(request)) {
        target->setText(Text(*chosen));
    }
}

void TFormOpt::btnBrwsSpiDirClick() {
    if (FolderDlg1->Execute()) {
        editSpiDir->setText(FolderDlg1->SelectedPath());
    }
}

void TFormOpt::btnFindBrowserPathClick() {
    const std::pair<TBrowserFamily, QLineEdit*> fields[] = {
        {TBrowserFamily::bfChromium, EditIEPath},
        {TBrowserFamily::bfFirefox, EditNNPath},
    };
    for (const auto& [family, field] : fields) {
        const std::string found = FindBrowserOnPath(family, context_.BrowserSearchPath);
        if (!found.empty()) {
            field->setText(Text(found));
        }
    }
}

void TFormOpt::lbSpiClick() {
    const int row = lbSpi->currentRow();
    if (row < 0 || row >= static_cast<int>(context_.LoadedPlugins.size())) {
        for (QLabel* value : {LabelSpiName, LabelSpiPath, LabelSpiExt, LabelSpiFmt}) {
            ShowValue(value, kNoValue);
        }
        ShowValue(LabelSpiInfo, kNotLoaded);
        return;
    }
    const TPluginInfo& plugin = context_.LoadedPlugins[static_cast<std::size_t>(row)];
    ShowValue(LabelSpiName, Text(std::string(FileNameOf(plugin.FileName))));
    ShowValue(LabelSpiPath, Text(IncludePathDelim(FolderOf(plugin.FileName))));
    ShowValue(LabelSpiExt, Text(plugin.Extension));
    ShowValue(LabelSpiFmt, Text(plugin.Description));
    ShowValue(LabelSpiInfo, Text(plugin.Info));
}

// A value longer than its label is shortened and shown whole in the tooltip: in the middle on one
// line (a path keeps both ends), at the end when the label wraps its lines.
void TFormOpt::ShowValue(QLabel* label, const QString& text) {
    const QFontMetrics metrics = label->fontMetrics();
    const int width = label->contentsRect().width();
    const int lines = label->height() / metrics.lineSpacing();
    // Lines wrap at word boundaries and leave some of their width unused.
    const QString shown = label->wordWrap()
                              ? metrics.elidedText(text, Qt::ElideRight,
                                                   lines * (width - 8 * metrics.averageCharWidth()))
                              : metrics.elidedText(text, Qt::ElideMiddle, width);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void TFormOpt::BtnCharCaseClick() {
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    if (RunCharCaseDialog(this, cbUpperCase->checkState(), cases_, ShowHint(), origin,
                          context_.RunModal)) {
        ShowCaseState();
    }
}

void TFormOpt::ShowCaseState() {
    cbUpperCase->setCheckState(CharCasesCheckState(cases_));
}

void TFormOpt::btnHelpClick() {
    Guarded(context_.Prompts,
            [this] { ShowHelpSection(kHelpFileName, Text(context_.InstalledDataDir), "options"); });
}

void TFormOpt::done(int result) {
    FormClose();
    TModalDialog::done(result);
}

void TFormOpt::FormClose() {
    Guarded(context_.Prompts, [this] {
        // An installed program keeps its settings in the user's folder, which may not exist yet.
        QDir().mkpath(QFileInfo(Text(context_.SettingsFile)).absolutePath());
        TIniFile2 ini(context_.SettingsFile);
        ini.WriteInteger(kPositionSection, kTopKey, y());
        ini.WriteInteger(kPositionSection, kLeftKey, x());
        ini.UpdateFile();
    });
}

} // namespace tintora
