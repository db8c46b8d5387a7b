#pragma once

// The Options dialog: every option of the program on four pages. It shows a copy of the settings
// in force and, when closed with OK, gives back the settings the user left in it (NewSettings);
// the main window applies them. Of its own it keeps only its place on the screen, which it reads
// from the settings file when it is made and writes there whenever it closes, OK or not.

#include "app/ModalDialog.h"
#include "app/ModalRun.h"
#include "html/CharCase.h"
#include "services/FileChooser.h"
#include "services/UserPrompts.h"
#include "settings/OptionsEdit.h"
#include "settings/Settings.h"

#include <string>
#include <vector>

#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tintora {

class TCaseCheckBox;
class TQvSpinEdit;
class TSHBrowseForFolderEx;

// One loaded plug-in as the information group shows it.
struct TPluginInfo {
    std::string FileName; // full path
    std::string Extension;
    std::string Description;
    std::string Info;
};

// What the dialog needs of the main window and the platform.
struct TOptionsContext {
    TSettings Settings; // the settings in force
    // The face the samples use now: the stored one when installed, else the window's own font.
    QString SampleFontName;
    std::vector<TPluginInfo> LoadedPlugins; // in load order
    std::string SettingsFile;
    std::string InstalledDataDir;  // where the help document is installed
    std::string BrowserSearchPath; // the folders browsers are looked up in
    IFileChooser& Files;
    IUserPrompts& Prompts;
    TModalRun RunModal = ExecModal; // runs the character case dialog
};

class TFormOpt : public TModalDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 441;
    static constexpr int ClientHeight = 385;

    explicit TFormOpt(TOptionsContext context, QWidget* parent = nullptr);
    ~TFormOpt() override;

    // What the controls hold now, and the settings they stand for.
    TOptionsEdit Edited() const;
    TSettings NewSettings() const;

    // Handlers, as the controls run them.
    void cbPlayCopySoundClick();
    void cbPathOtherClick();
    void btnBrwsPathClick(QPushButton* sender);
    void btnBrwsSpiDirClick();
    void btnFindBrowserPathClick();
    void lbSpiClick();
    void BtnCharCaseClick();
    void ShowCaseState();
    void btnHelpClick();

    // The working copy of the three case modes.
    const TCharCases& WorkingCases() const { return cases_; }

    QTabWidget* PageCtrl = nullptr;
    QWidget* tsGeneral = nullptr;
    QWidget* tsCopy = nullptr;
    QWidget* tsTagView = nullptr;
    QWidget* tsSpi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

    // 一般
    QCheckBox* cbShowHint = nullptr;
    QCheckBox* cbHideExtInPicking = nullptr;
    QLabel* LabelGrdPointer = nullptr;
    QComboBox* comboGrdPointer = nullptr;
    QCheckBox* cbHideGrdPointer = nullptr;
    QGroupBox* rgPalClickType = nullptr;
    QButtonGroup* PalClickItems = nullptr;
    QCheckBox* cbUseHSV = nullptr;

    // コピー
    TCaseCheckBox* cbUpperCase = nullptr;
    QPushButton* BtnCharCase = nullptr;
    QCheckBox* cbPlayCopySound = nullptr;
    QLabel* LabelCopySound = nullptr;
    QLineEdit* EditCopySound = nullptr;
    QPushButton* btnBrwsCopySound = nullptr;
    QCheckBox* cbAddSharp = nullptr;
    QCheckBox* cbWrapFontTag = nullptr;
    QCheckBox* cbEscSpaceChar = nullptr;
    QCheckBox* cbEscHtmlTokens = nullptr;
    QLabel* LabelDefBody = nullptr;
    QCheckBox* cbDefBodyBg = nullptr;
    QCheckBox* cbDefBodyText = nullptr;
    QCheckBox* cbDefBodyLink = nullptr;
    QCheckBox* cbDefBodyVlink = nullptr;
    QCheckBox* cbDefBodyAlink = nullptr;
    QCheckBox* cbNoAskBodyAttrib = nullptr;

    // タグ表示確認
    QLabel* LabelSampleFontName = nullptr;
    QComboBox* comboSampleFontName = nullptr;
    QLabel* LabelSampleFontSize = nullptr;
    TQvSpinEdit* SpinSampleFontSize = nullptr;
    QCheckBox* cbInsBaseTag = nullptr;
    QLabel* LabelIEPath = nullptr;
    QLineEdit* EditIEPath = nullptr;
    QPushButton* btnBrwsIEPath = nullptr;
    QLabel* LabelNNPath = nullptr;
    QLineEdit* EditNNPath = nullptr;
    QPushButton* btnBrwsNNPath = nullptr;
    QPushButton* btnFindBrowserPath = nullptr;
    QGroupBox* rgMainBrowser = nullptr;
    QButtonGroup* MainBrowserItems = nullptr;

    // Susie Plug-in
    QLabel* LabelSpiList = nullptr;
    QListWidget* lbSpi = nullptr;
    QGroupBox* grpSpiInfo = nullptr;
    QLabel* LabelSpiName = nullptr;
    QLabel* LabelSpiPath = nullptr;
    QLabel* LabelSpiExt = nullptr;
    QLabel* LabelSpiFmt = nullptr;
    QLabel* LabelSpiInfo = nullptr;
    QGroupBox* grpSpiPath = nullptr;
    QCheckBox* cbPathWin = nullptr;
    QCheckBox* cbPathSys = nullptr;
    QCheckBox* cbPathOther = nullptr;
    QLineEdit* editSpiDir = nullptr;
    QPushButton* btnBrwsSpiDir = nullptr;
    // The plug-in folder's browse dialog, with its default settings; owned by the dialog.
    TSHBrowseForFolderEx* FolderDlg1 = nullptr;

    // Every close, OK or Cancel, stores the dialog's place.
    void done(int result) override;

private:
    // Layout, page by page (FormOptPages.cpp).
    void BuildControls();
    void BuildGeneralPage();
    void BuildCopyPage();
    void BuildTagViewPage();
    void BuildSpiPage();
    void ConnectControls();

    void FormCreate();
    // Shows the settings in force in the controls. The dialog is made anew for each opening, so
    // this runs once, when it is made.
    void ShowOptions();
    void FormClose();
    void ShowValue(QLabel* label, const QString& text);

    TOptionsContext context_;
    TCharCases cases_;
};

} // namespace tintora
