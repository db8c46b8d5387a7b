#pragma once

// Test access to the main window's controls and handlers, which stay private to the program.

#include "app/Form1.h"
#include "fakes/FakeServices.h"
#include "settings/ProgramFiles.h"

#include <gtest/gtest.h>
#include <memory>

#include <QTemporaryDir>
#include <QTest>

namespace tintora {

class TForm1Probe {
public:
    explicit TForm1Probe(TForm1& form) : f(form) {}

    // A main window whose settings file lives in a fresh folder of its own, with fake services and
    // its dialogs run by `run`.
    static std::unique_ptr<TForm1> MakeForm(const QTemporaryDir& dir, TFakeServices& fakes,
                                            TModalRun run) {
        TProgramFiles files;
        files.SettingsFile = dir.filePath("tintora.INI").toStdString();
        files.PreviewFile = dir.filePath("tintora.html").toStdString();
        return std::make_unique<TForm1>(files,
                                        TFormServices{fakes.Clipboard, fakes.Prompts, fakes.Files,
                                                      fakes.Clock, fakes.Processes, fakes.Browsers,
                                                      fakes.LiveBrowser, std::move(run)});
    }

    TForm1& f;

    QLineEdit* EditEqu() const { return f.EditEqu; }
    QLineEdit* EditSat() const { return f.EditSat; }
    QLineEdit* EditLum() const { return f.EditLum; }
    QLineEdit* EditRGB() const { return f.EditRGB; }
    QLabel* LabelEqu() const { return f.LabelEqu; }
    QFrame* Panel1() const { return f.Panel1; }
    TGrdBarSet* GBSet() const { return f.GBSet; }
    TColorPanel* ColorPanel() const { return f.ColorPanel; }
    TPaintPanel* pal1() const { return f.pal1; }
    QPushButton* btnShowExt() const { return f.btnShowExt; }
    QPushButton* btnDropper() const { return f.btnDropper; }
    QPushButton* btnCopy() const { return f.btnCopy; }
    QFrame* PanelStretch() const { return f.PanelStretch; }
    QLabel* LabelRInfo() const { return f.LabelRInfo; }
    QToolButton* btnGbmRGB() const { return f.btnGbmRGB; }
    QToolButton* btnGbmESL() const { return f.btnGbmESL; }
    TColorLookupComboBox* ColorLookup() const { return f.ColorLookup; }
    THsxPanel* pnlStart() const { return f.font_->pnlStart; }
    THsxPanel* pnlMid() const { return f.font_->pnlMid; }
    THsxPanel* pnlEnd() const { return f.font_->pnlEnd; }
    THsxPanel* pnlBack() const { return f.font_->pnlBack; }
    THsxPanel* pnlText() const { return f.body_->pnlText; }
    THsxPanel* pnlLink() const { return f.body_->pnlLink; }
    THsxPanel* pnlBgcolor() const { return f.body_->pnlBgcolor; }
    std::array<TColor, PaletteCellCount>& palette() const { return f.settings_.Pallet; }
    int& PaletteDragCell() const { return f.PaletteDragCell; }
    QLineEdit* EditGrd() const { return f.font_->EditGrd; }
    QToolButton* btnGtNone() const { return f.font_->btnGtNone; }
    QToolButton* btnGtTwo() const { return f.font_->btnGtTwo; }
    QToolButton* btnGtThree() const { return f.font_->btnGtThree; }
    QToolButton* btnGtWave() const { return f.font_->btnGtWave; }
    QToolButton* btnBold() const { return f.font_->btnBold; }
    QComboBox* comboFontFace() const { return f.font_->comboFontFace; }
    QComboBox* ComboFontSize() const { return f.font_->ComboFontSize; }
    QComboBox* comboFontTemplate() const { return f.font_->comboFontTemplate; }
    QComboBox* comboBodyTemplate() const { return f.body_->comboBodyTemplate; }
    QLineEdit* EditWave() const { return f.font_->EditWave; }
    QTabWidget* PageCtrl() const { return f.PageCtrl; }
    QWidget* tsBody() const { return f.body_->tsBody; }
    QWidget* tsFont() const { return f.font_->tsFont; }
    QMenu* pmCopyFmt() const { return f.pmCopyFmt; }
    QMenu* mcCopyFmt() const { return f.mcCopyFmt; }
    QAction* miCopyFont() const { return f.miCopyFont; }
    QAction* miStayOnTop() const { return f.miStayOnTop; }
    THsxPanel* pnlVlink() const { return f.body_->pnlVlink; }
    THsxPanel* pnlAlink() const { return f.body_->pnlAlink; }
    bool BarDragging() const { return f.colors_.BarDragging(); }
    bool Picking() const { return f.Picking; }
    TSettings& settings() const { return f.settings_; }
    QLineEdit* EditPreview() const { return f.body_->EditPreview; }
    QAction* miPaintFontBG() const { return f.miPaintFontBG; }
    QAction* miUseSpanTag() const { return f.miUseSpanTag; }
    QAction* miLoadBgImage() const { return f.miLoadBgImage; }
    const QImage& ImageBg() const { return f.ImageBg; }
    QAction* miPreview() const { return f.miPreview; }
    QAction* miPreviewNew() const { return f.miPreviewNew; }
    QAction* miDynPreview() const { return f.miDynPreview; }
    QAction* miPerformDynPreview() const { return f.miPerformDynPreview; }
    QPushButton* btnPreview() const { return f.body_->btnPreview; }
    QPushButton* btnPreviewNew() const { return f.body_->btnPreviewNew; }
    void mcTagClick() { f.mcTagClick(); }
    QMenu* mcTag() const { return f.mcTag; }
    TFormContrast* contrast() const { return f.contrast_; }

    void miGbmClick(QObject* sender) { f.miGbmClick(sender); }
    bool PanelDragOver(QWidget* target, QWidget* source, QPoint p) {
        return f.PanelDragOver(target, source, p);
    }
    void PalsDragDrop(QWidget* target, QWidget* source, QPoint p, bool ctrl) {
        f.PalsDragDrop(target, source, p, ctrl);
    }
    void PalsMouseDown(QWidget* sender, QPoint p) { f.PalsMouseDown(sender, Qt::LeftButton, p); }
    void miCopyClick() { f.miCopyClick(); }
    void pmCopyFmtPopup(QMenu* menu) { f.pmCopyFmtPopup(menu); }
    void mcCopyFmtClick(int entry) { f.mcCopyFmtClick(entry); }
    void FitWebColor() { f.FitWebColor(); }
    void miNegaClick() { f.miNegaClick(); }
    void miSwapClick() { f.miSwapClick(); }
    void miUnifyClick(int tag) { f.miUnifyClick(tag); }
    void miStayOnTopClick() { f.miStayOnTopClick(); }
    void miCopyFontClick() { f.miCopyFontClick(); }
    void btnCopyBodyClick() { f.btnCopyBodyClick(); }
    void miSaveTemplateClick() { f.miSaveTemplateClick(); }
    void miDelTemplateClick() { f.miDelTemplateClick(); }
    void comboFontTemplateChange() { f.comboFontTemplateChange(); }
    void comboBodyTemplateChange() { f.comboBodyTemplateChange(); }
    void Close() { f.close(); }
    QAction* miOpt() const { return f.miOpt; }
    void miOptClick() { f.miOptClick(); }
};

// A shown main window with fake services and a settings file of its own, fresh for each test.
class TForm1Test : public ::testing::Test {
protected:
    void SetUp() override { Start(); }

    // Starts a window; the dialogs it runs are answered by answerDialog_, Cancel when unset.
    void Start() {
        form_ = TForm1Probe::MakeForm(dir_, fakes_, [this](QDialog& dialog) {
            return answerDialog_ ? answerDialog_(dialog) : int(QDialog::Rejected);
        });
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    TForm1Probe p() const { return TForm1Probe(*form_); }

    QTemporaryDir dir_;
    TFakeServices fakes_;
    TModalRun answerDialog_;
    std::unique_ptr<TForm1> form_;
};

} // namespace tintora
