#pragma once

// The main window: the colour editor in its upper area, the FONT and BODY tag pages below, and the
// menu bar. It owns every control and the in-memory settings; it reads the settings file once
// while it is created and writes it once when it closes.

#include "settings/ProgramFiles.h"
#include "settings/Settings.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QComboBox;

namespace tintora {

class TUpDown;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 353;
    static constexpr int CollapsedClientHeight = 189; // top of Bevel1
    static constexpr int PageCtrlTop = 194;
    static constexpr int PageCtrlHeight = 228;
    static constexpr int ExpandedClientHeight = PageCtrlTop + PageCtrlHeight;

    explicit TForm1(TProgramFiles files, QWidget* parent = nullptr);
    ~TForm1() override;

    // The in-memory settings; the Options dialog edits them.
    const TSettings& Settings() const { return settings_; }
    const TProgramFiles& Files() const { return files_; }

    // Window helpers.
    QRect GetWorkArea() const;
    void KeepInWorkArea();
    static void FitUpDown(TUpDown* upDown, QLineEdit* edit);
    void SetClientHeight(int height);
    int ClientHeight() const;

    // Tag pages.
    void btnShowExtClick();
    void miTagClick();
    bool TagPagesShown() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation, in the order the steps run.
    void FormCreate();
    void BuildUpperArea();
    void BuildPages();
    void BuildMenus();
    void ReadSettingsFile();
    void ApplySettings();
    void FormShow();
    // Closing.
    void FormDestroy();
    void CollectSettings();
    void WriteSettingsFile();

    void FormKeyDown();
    void AppDeactivate();
    void mcOptClick();

    QAction* AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {});

    TProgramFiles files_;
    TSettings settings_;
    bool destroyed_ = false;
    bool firstShow_ = true;

    // Window state.
    bool BarDragging = false;
    bool Updating = false;

    QWidget* client_ = nullptr;

    // Upper area.
    QLabel* LabelEqu = nullptr;
    QLabel* LabelSat = nullptr;
    QLabel* LabelLum = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QLineEdit* EditEqu = nullptr;
    QLineEdit* EditSat = nullptr;
    QLineEdit* EditLum = nullptr;
    TUpDown* udEqu = nullptr;
    TUpDown* udSat = nullptr;
    TUpDown* udLum = nullptr;
    QToolButton* btnGbmESL = nullptr;
    QToolButton* btnGbmRGB = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* ColorPanel = nullptr;
    QFrame* pal1 = nullptr;
    QPushButton* btnCopy = nullptr;
    QToolButton* btnCopyFmt = nullptr;
    QPushButton* btnDropper = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* btnShowExt = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditRGB = nullptr;
    QComboBox* ColorLookup = nullptr;
    QFrame* Bevel1 = nullptr;
    QTabWidget* PageCtrl = nullptr;
    QWidget* tsFont = nullptr;
    QWidget* tsBody = nullptr;

    // Menu bar.
    QMenu* mcSelColor = nullptr;
    QMenu* mcCopyFmt = nullptr;
    QMenu* mcTag = nullptr;
    QMenu* mcPreview = nullptr;
    QMenu* Y1 = nullptr;
    QMenu* mcOpt = nullptr;
    QMenu* M1 = nullptr;
    QMenu* mcHelp = nullptr;
    QAction* miCopy = nullptr;
    QAction* miBrowse = nullptr;
    QAction* miFitWebColor = nullptr;
    QAction* miNega = nullptr;
    QAction* miRandom = nullptr;
    QAction* miCopyFont = nullptr;
    QAction* miCopyBody = nullptr;
    QAction* msFontTag1 = nullptr;
    QAction* miSwap = nullptr;
    QAction* msFontTag2 = nullptr;
    QAction* miUnifyEqu = nullptr;
    QAction* miUnifySat = nullptr;
    QAction* miUnifyLum = nullptr;
    QAction* miLoadBgImage = nullptr;
    QAction* miClearBgImage = nullptr;
    QAction* miPreview = nullptr;
    QAction* miPreviewNew = nullptr;
    QAction* miDynPreview = nullptr;
    QAction* miPerformDynPreview = nullptr;
    QAction* miPaintFontBG = nullptr;
    QAction* msFontTag3 = nullptr;
    QAction* miSaveTemplate = nullptr;
    QAction* miDelTemplate = nullptr;
    QAction* miGbmESL = nullptr;
    QAction* miGbmRGB = nullptr;
    QAction* miTag = nullptr;
    QAction* miOpt = nullptr;
    QAction* miStayOnTop = nullptr;
    QAction* miReadme = nullptr;
    QAction* miAbout = nullptr;
};

} // namespace tintora
