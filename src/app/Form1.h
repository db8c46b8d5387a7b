#pragma once

// The main window: the colour editor in its upper area, the FONT and BODY tag pages below, and the
// menu bar. It owns every control; it reads the settings file once while it is created and writes
// it once when it closes.
//
// Three owners hold the window's state, each in one place: the colour controller (TColorController)
// the selected colour and its edit mode, TSettings every setting while the program runs (a control
// that changes a setting writes it there at once), and the two page objects the controls of the
// tag pages. The window's handlers keep their names and forward to them.

#include "app/BodyPage.h"
#include "app/FontPage.h"
#include "app/FormServices.h"
#include "app/ProgramInfo.h"
#include "color/Color.h"
#include "color/ColorRandomizer.h"
#include "editor/ColorController.h"
#include "html/BodyTag.h"
#include "html/CharCase.h"
#include "html/FontTag.h"
#include "html/TemplateStorage.h"
#include "images/SPIs.h"
#include "preview/BrowserPreview.h"
#include "preview/DynamicPreview.h"
#include "preview/DynamicPreviewRequests.h"
#include "settings/ProgramFiles.h"
#include "settings/Settings.h"
#include "widgets/PanelDragDrop.h"

#include <memory>
#include <string>

#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class QUrl;

namespace tintora {

class TColorLookupComboBox;
class TFormContrast;
class TCopySound;
class TColorPanel;
class TGrdBar;
class TFieldCharsValidator;
class TGrdBarSet;
class THsxPanel;
class TImageView;
class TPaintPanel;
class TUpDown;

class TForm1 : public QMainWindow, private IPanelDropHandler, private IColorView {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 353;
    static constexpr int CollapsedClientHeight = 189; // top of Bevel1
    static constexpr int PageCtrlTop = 194;
    static constexpr int PageCtrlHeight = 228;
    static constexpr int ExpandedClientHeight = PageCtrlTop + PageCtrlHeight;

    TForm1(TProgramFiles files, TFormServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The settings as they stand: the Options dialog edits a copy and hands it to ApplySettings.
    const TSettings& Settings() const { return settings_; }
    // Takes every setting of `s` and shows it in the window: the options, the palette, the sample
    // document, the menu checks, stay-on-top and the bar mode. Settings the window corrects on the
    // way are kept corrected (a sample size outside 6..99, a sample face that is not installed);
    // the window's position is the window's own and stays. Applying the same settings again
    // changes nothing.
    void ApplySettings(const TSettings& s);
    const TProgramFiles& Files() const { return files_; }

    // Window helpers.
    QRect GetWorkArea() const;
    void KeepInWorkArea();
    void SetClientHeight(int height);
    int ClientHeight() const;

    // Tag pages.
    void btnShowExtClick();
    void miTagClick();
    bool TagPagesShown() const;

    // The selected colour, and the operation every colour source uses; the other set operations
    // are the controller's.
    TColor SelectedColor() const { return colors_.SelectedColor(); }
    void ChangeColor(TColor c) { colors_.ChangeColor(c); }
    TColorController& Colors() { return colors_; }
    TEditMode CurrentEditMode() const { return colors_.CurrentEditMode(); }
    void SetEditMode(TEditMode m) { colors_.SetEditMode(m); }
    void SelectEditMode(int rgb) { colors_.SelectEditMode(rgb); }
    void SetUseHsv(bool on) { colors_.SetUseHsv(on); }
    void RefreshTagSamples() override;

    THsxPanel* SelectedFontPanel() const { return font_->SelectedPanel(); }
    THsxPanel* SelectedBodyPanel() const { return body_->SelectedPanel(); }

    // Palette geometry in pal1's client coordinates; -1 for a gap or outside the grid.
    static int PaletteCellAt(QPoint p);

    // Case and escaping settings.
    void SetCharCase(TCaseKind kind, TCharCaseMode mode);
    TCharCases CharCases() const;

    // The FONT page.
    TGrdType GetGrdType() const { return font_->GetGrdType(); }
    void SetGrdType(TGrdType t);
    // The FONT tag of the page as it stands; shows the empty-text message when there is no text.
    std::string MakeFontTag();
    // The BODY tag that the copy command would copy with the given attribute choice.
    TBodyTagInput BodyTagInput() const;
    const std::string& BgImageFile() const { return bgImageFile_; }
    void SetBgImageFile(const std::string& name);
    QString GetSampleFontName() const;
    void SetSampleFontName(const QString& name);
    void SetSampleFontSize(int n);

    // The image plug-ins: the loaded ones in load order (the skipped ones are the settings'
    // SkipFiles). ReloadPlugins frees them all, removes their file types from the picture format
    // registry and searches again with the settings as they stand; a search error is reported.
    const TSPIs& PluginHost() const { return SPIs1; }
    void ReloadPlugins();

    // The one clipboard writer, with the optional copy sound.
    void CopyToClipboard(const std::string& text);
    // A copy format with the attribute case and the selected colour filled in.
    std::string FormatCopyText(const std::string& format) const;

    // Browser previews and the live preview.
    void PreviewFontTag();
    void PreviewBodyTag(const std::string& samplePath);
    void RequestDynamicPreview();
    void SetDynamicPreview(bool on) { settings_.DynamicPreview = on; }
    void UpdateDynamicPreview();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation, in the order the steps run.
    void FormCreate();
    void BuildUpperArea();
    void BuildDropper();
    void BuildPages();
    void BuildMenus();
    void ConnectColorEditor();
    void ConnectPalette();
    void ConnectPages();
    void ReadSettingsFile();
    void FormShow();
    // Closing.
    void FormDestroy();
    void WriteSettingsFile();

    void FormKeyDown();
    bool RunMenuShortcut(QKeyCombination key);
    void PrepareMenu(QMenu* menu);
    void AppDeactivate();
    void mcOptClick();
    // The Options dialog; OK applies what it gives back and searches the plug-ins again
    // (Form1Options.cpp).
    void miOptClick();

    // The views of the selected colour, as the controller drives them.
    void ShowBarForms(TColor color, FineEsl esl) override;
    void ShowSelectedColor(TColor color) override;
    void ShowRgbText(const std::string& text) override;
    void ShowFieldValues(const std::array<int, 3>& values) override;
    void ShowEditMode(TEditMode mode, const TEditModeLook& look,
                      const std::array<int, 3>& values) override;
    void ShowScaleName(std::string_view name) override;
    void ProcessPendingMessages() override;
    void RepaintBar(int index) override;
    void BeginBarDrag(int index, bool hidePointer) override;
    void EndBarDrag(bool showPointers) override;

    // Colour editor handlers.
    void EditESLChange(QLineEdit* sender);
    void EditRGBChange();
    bool EditsKeyPress(const QLineEdit* edit, const QKeyEvent* key);
    void ImageESLMouseDown(TGrdBar* bar, Qt::MouseButtons buttons, QPoint pos);
    void ImageESLMouseMove(TGrdBar* bar, Qt::MouseButtons buttons, QPoint pos);
    void ImageESLMouseUp();
    void miGbmClick(QObject* sender);
    void ColorLookupChange();
    void hsxpnlsChange(THsxPanel* sender);
    void hsxpnlsMouseLeave(THsxPanel* sender);

    // Palette and colour drag-and-drop.
    void pal1Paint(QPainter& canvas);
    void PalsMouseDown(QWidget* sender, Qt::MouseButton button, QPoint pos);
    void PalsClick();
    void PalsDblClick();
    void PickPaletteColor();
    TColor DragSourceColor(QWidget* panel, bool asSource, QPoint p) const;
    void PutDroppedColor(QWidget* panel, TColor color, bool asSource, QPoint p);
    bool IsColorPanel(QWidget* w) const;
    bool PanelDragOver(QWidget* target, QWidget* source, QPoint pos) override;
    void PanelDragDrop(QWidget* target, QWidget* source, QPoint pos, bool ctrlHeld) override;
    void PalsDragDrop(QWidget* target, QWidget* source, QPoint pos, bool ctrlHeld);

    // Tag pages and their commands.
    void PageCtrlChange() {}
    void EditGrdChange();
    void EditWaveChange(QLineEdit* sender);
    void btnGrdTypeClick();
    void btnFontStyleClick();
    void SetSampleFontStyle(std::uint8_t style);
    void comboFontFaceChange();
    void comboFontSizeChange();
    void GrdSamplePaint(QImage& target);
    void BodySamplePaint(QImage& target);
    void miCopyFontClick();
    // The FONT page's text in the other tag forms, and the contrast check (Form1TagForms.cpp).
    void miCopySpanClick();
    void miCopyCssGradientClick();
    void miCheckContrastClick();
    // Switches the live preview between the FONT tag and the span form, and shows the switch.
    void miUseSpanTagClick();
    // Shows the shown page's colours in the contrast check while it is open; closes it when the
    // tag pages are hidden.
    void RefreshContrast();
    // A tag of the FONT page built by `make`; shows the empty-text message when there is no text.
    std::string MakeFontPageTag(TFontTagResult (*make)(const TFontTagInput&));
    void btnCopyBodyClick();
    void miLoadBgImageClick();
    void miClearBgImageClick();

    // Image plug-ins.
    void SetUpPlugins();
    void SearchPlugins();
    TFontTagInput FontTagInput() const;

    // Colour commands.
    void BuildCopyFormatMenus();
    void ConnectCommands();
    void miCopyClick();
    void btnCopyFmtClick();
    void btnCopyMouseUp(QMouseEvent* event);
    void pmCopyFmtPopup(QMenu* menu);
    void mcCopyFmtClick(int entry);
    void miBrowseClick();
    void FitWebColor();
    void miNegaClick();
    void miRandomClick();
    void miSwapClick();
    void miUnifyClick(int tag);
    void UnifyPanel(THsxPanel* swatch, int tag, THsxPanel* pressed);
    void miStayOnTopClick();
    void SetStayOnTop(bool on);
    void mcTagClick();
    void miReadmeClick();
    bool IsFontPageShown() const;

    // Browser previews, the live preview and the About box (Form1Preview.cpp).
    void ConnectPreview();
    void btnPreviewClick();
    void btnPreviewNewClick();
    void miPreviewClick();
    // Files dragged onto any part of the window: true when the event carries some and was taken.
    // The first one dropped, when it exists, becomes the BODY preview's sample.
    bool FileDropEvent(QEvent* event);
    void WMDropFiles(const QList<QUrl>& urls);
    void AppIdle();
    void miDynPreviewClick();
    void miPerformDynPreviewClick();
    void KeepProgramInFront();
    void miAboutClick();
    TBrowserSettings BrowserSettings() const;
    // The folders browsers are looked up in: $PATH.
    static std::string BrowserSearchPath();

    // Templates.
    void LoadTemplates(const TIniFile2& ini);
    void SaveTemplates(TIniFile2& ini) const;
    void miSaveTemplateClick();
    void miDelTemplateClick();
    void SaveFontTemplateAs();
    void SaveBodyTemplateAs();
    void DeleteSelectedTemplate(QComboBox* combo);
    void comboFontTemplateChange();
    void ApplyFontTemplateToPage(const TFontTemplate& t);
    void comboBodyTemplateChange();
    // Asks for a template name; empty when the user cancels or gives none.
    std::string AskTemplateName(QComboBox* combo);
    bool AskYesNo(const std::string& question);

    // Screen dropper.
    void btnDropperMouseDown(QMouseEvent* event);
    void btnDropperMouseMove();
    void btnDropperMouseUp(QMouseEvent* event);
    void SetHintsShown(bool shown);

    QAction* AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {});

    TProgramFiles files_;
    TFormServices services_;
    TSettings settings_;
    TColorController colors_{*this, settings_};
    TColorRandomizer random_;
    bool destroyed_ = false;
    bool firstShow_ = true;
    bool pumping_ = false;
    bool dropperErrorShown_ = false;
    bool TemplateApplying = false;
    std::string bgImageFile_;
    QImage ImageBg; // the background picture, null for none
    TSPIs SPIs1;
    QFont SampleFont;
    QStringList installedFonts_;
    TFontTemplateList fontTemplates_;
    TBodyTemplateList bodyTemplates_;
    std::unique_ptr<TCopySound> copySound_;
    TBrowserLauncher browserLauncher_;
    TBrowserPreview browserPreview_;
    TDynamicPreviewRequests previewRequests_;
    TDynamicPreview dynamicPreview_;
    QTimer* appIdleTimer_ = nullptr;    // wakes AppIdle when a pending request falls due
    TFormContrast* contrast_ = nullptr; // made on first use, a child of the window
    TFieldCharsValidator* rgbChars_ = nullptr;

    // Window state.
    bool Picking = false;
    int PaletteDragCell = -1;

    QWidget* client_ = nullptr;
    TGrdBarSet* GBSet = nullptr;

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
    TColorPanel* ColorPanel = nullptr;
    TPaintPanel* pal1 = nullptr;
    QPushButton* btnCopy = nullptr;
    QToolButton* btnCopyFmt = nullptr;
    QPushButton* btnDropper = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* btnShowExt = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditRGB = nullptr;
    TColorLookupComboBox* ColorLookup = nullptr;
    QFrame* Bevel1 = nullptr;
    QTabWidget* PageCtrl = nullptr;

    // Dropper magnifier.
    QFrame* PanelStretch = nullptr;
    TImageView* pb2 = nullptr;
    QFrame* pnlDropperInfo = nullptr;
    QLabel* LabelCurPos = nullptr;
    QLabel* LabelRInfo = nullptr;
    QLabel* LabelGInfo = nullptr;
    QLabel* LabelBInfo = nullptr;

    // The tag pages.
    std::unique_ptr<TFontPage> font_;
    std::unique_ptr<TBodyPage> body_;

    // Menu bar.
    QMenu* pmCopyFmt = nullptr;
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
    QAction* miCopySpan = nullptr;
    QAction* miCopyCssGradient = nullptr;
    QAction* miCopyBody = nullptr;
    QAction* miCheckContrast = nullptr;
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
    QAction* miUseSpanTag = nullptr;
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

    friend class TForm1Probe; // widget tests look at the controls
};

} // namespace tintora
