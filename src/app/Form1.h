#pragma once

// The main window: the colour editor in its upper area, the FONT and BODY tag pages below, and the
// menu bar. It owns every control and the in-memory settings; it reads the settings file once
// while it is created and writes it once when it closes.
//
// The selected colour lives in ColorPanel. Every source of a colour change goes through
// ChangeColor or the set operations, which update the views in a fixed order; `Updating` keeps the
// fields' own change events from feeding back while the program writes them.

#include "app/ProgramInfo.h"
#include "color/Color.h"
#include "color/ColorRandomizer.h"
#include "color/Esl.h"
#include "html/BodyTag.h"
#include "html/CharCase.h"
#include "html/FontTag.h"
#include "html/GrdColor.h"
#include "html/TemplateStorage.h"
#include "settings/ProgramFiles.h"
#include "settings/Settings.h"
#include "widgets/PanelDragDrop.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

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
class QToolButton;

namespace tintora {

class TColorLookupComboBox;
class TCopySound;
class TSampleBox;
class TColorPanel;
class TGrdBar;
class TLetterCaseValidator;
class TGrdBarSet;
class THsxPanel;
class TImageView;
class TPaintPanel;
class TUpDown;

enum class TEditMode { emEsl, emRgb, emHsv };

// Edits whose typing goes through EditsKeyPress carry this property: "digits", "hex" (digits and
// A-F) or "signed" (digits and "-").
inline constexpr char kKeyFilterProperty[] = "tintoraKeyFilter";

class TForm1 : public QMainWindow, private IPanelDropHandler {
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

    // The selected colour and the operations every colour source uses.
    TColor SelectedColor() const;
    void ChangeColor(TColor c);
    void SetColorValue(TColor c);
    void ShowColorValue(TColor c);
    void ShowEslBytes(EslBytes e);
    void ShowHsvEsl(HsvEsl t);
    void SetEslBytes(EslBytes e);
    void SetHsvEsl(HsvEsl t);
    EslBytes GetEslBytes() const;
    HsvEsl GetHsvEsl() const;
    TEditMode CurrentEditMode() const;
    void SetEditMode(TEditMode m);
    void SelectEditMode(int rgb);
    void SetUseHsv(bool on);
    void RefreshTagSamples();

    THsxPanel* SelectedFontPanel() const;
    THsxPanel* SelectedBodyPanel() const;

    // Palette geometry in pal1's client coordinates; -1 for a gap or outside the grid.
    static int PaletteCellAt(QPoint p);

    // Case and escaping settings.
    void SetCharCase(TCaseKind kind, TCharCaseMode mode);
    TCharCases CharCases() const;

    // The FONT page.
    TGrdType GetGrdType() const;
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

    // The one clipboard writer, with the optional copy sound.
    void CopyToClipboard(const std::string& text);
    // A copy format with the attribute case and the selected colour filled in.
    std::string FormatCopyText(const std::string& format) const;

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
    void BuildFontPage();
    void BuildBodyPage();
    void BuildMenus();
    void ConnectColorEditor();
    void ConnectPalette();
    void ConnectPages();
    void ReadSettingsFile();
    void ApplySettings();
    void FormShow();
    // Closing.
    void FormDestroy();
    void CollectSettings();
    void WriteSettingsFile();

    void FormKeyDown();
    bool IsMenuShortcut(QKeyCombination key) const;
    void AppDeactivate();
    void EndBarDrag();
    void mcOptClick();
    // Lets the window paint and take input in the middle of an update, once at a time.
    void ProcessPendingMessages();

    // Colour editor handlers.
    void EditESLChange(QLineEdit* sender);
    void EditRGBChange();
    bool EditsKeyPress(QObject* edit, QKeyEvent* key);
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
    void comboFontFaceChange();
    void comboFontSizeChange();
    void GrdSamplePaint(QImage& target);
    void BodySamplePaint(QImage& target);
    void miCopyFontClick();
    void btnCopyBodyClick();
    void miLoadBgImageClick();
    void miClearBgImageClick();
    TFontTagInput FontTagInput() const;
    TGrdParams GrdParams() const;

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
    void mcTagClick();
    void miReadmeClick();
    bool IsFontPageShown() const;

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
    void FillTemplateCombo(QComboBox* combo, const std::vector<std::string>& names, int select);
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
    TSettings settings_;
    TColorRandomizer random_;
    bool destroyed_ = false;
    bool firstShow_ = true;
    bool pumping_ = false;
    bool dropperErrorShown_ = false;
    bool TemplateApplying = false;
    std::string bgImageFile_;
    QImage ImageBg; // the background picture, null for none
    QFont SampleFont;
    int BaseSampleSize = 12;
    QStringList installedFonts_;
    TFontTemplateList fontTemplates_;
    TBodyTemplateList bodyTemplates_;
    std::unique_ptr<TCopySound> copySound_;
    TLetterCaseValidator* rgbCase_ = nullptr;

    // Window state.
    bool BarDragging = false;
    bool Updating = false;
    bool Picking = false;
    std::array<TColor, PaletteCellCount> palette{};
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

    // FONT page.
    QWidget* tsFont = nullptr;
    QLineEdit* EditGrd = nullptr;
    TSampleBox* GrdSample = nullptr;
    QToolButton* btnGtNone = nullptr;
    QToolButton* btnGtTwo = nullptr;
    QToolButton* btnGtThree = nullptr;
    QToolButton* btnGtRainBow = nullptr;
    QToolButton* btnGtWave = nullptr;
    THsxPanel* pnlStart = nullptr;
    THsxPanel* pnlMid = nullptr;
    THsxPanel* pnlEnd = nullptr;
    THsxPanel* pnlBack = nullptr;
    QComboBox* comboFontFace = nullptr;
    QComboBox* ComboFontSize = nullptr;
    QToolButton* btnBold = nullptr;
    QToolButton* btnItalic = nullptr;
    QToolButton* btnUnderline = nullptr;
    QLabel* LabelWave = nullptr;
    QLineEdit* EditWave = nullptr;
    TUpDown* udWave = nullptr;
    QLabel* LabelWave2 = nullptr;
    QLineEdit* EditWave2 = nullptr;
    TUpDown* udWave2 = nullptr;
    QLabel* LabelFontTemplate = nullptr;
    QComboBox* comboFontTemplate = nullptr;
    QPushButton* SpeedButton1 = nullptr;

    // BODY page.
    QWidget* tsBody = nullptr;
    TSampleBox* BodySample = nullptr;
    QPushButton* btnLoadBgImage = nullptr;
    QPushButton* btnClearBgImage = nullptr;
    QPushButton* btnCopyBody = nullptr;
    QLabel* LabelBodyTemplate = nullptr;
    QComboBox* comboBodyTemplate = nullptr;
    QLineEdit* EditPreview = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPreviewNew = nullptr;
    THsxPanel* pnlBgcolor = nullptr;
    THsxPanel* pnlText = nullptr;
    THsxPanel* pnlLink = nullptr;
    THsxPanel* pnlVlink = nullptr;
    THsxPanel* pnlAlink = nullptr;

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

    friend class TForm1Probe; // widget tests look at the controls
};

} // namespace tintora
