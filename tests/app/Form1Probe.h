#pragma once

// Test access to the main window's controls and handlers, which stay private to the program.

#include "app/Form1.h"
#include "settings/ProgramFiles.h"

#include <memory>

#include <QTemporaryDir>

namespace tintora {

class TForm1Probe {
public:
    explicit TForm1Probe(TForm1& form) : f(form) {}

    // A main window whose settings file lives in a fresh folder of its own.
    static std::unique_ptr<TForm1> MakeForm(const QTemporaryDir& dir) {
        TProgramFiles files;
        files.SettingsFile = dir.filePath("tintora.INI").toStdString();
        files.PreviewFile = dir.filePath("tintora.html").toStdString();
        return std::make_unique<TForm1>(files);
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
    QFrame* PanelStretch() const { return f.PanelStretch; }
    QLabel* LabelRInfo() const { return f.LabelRInfo; }
    QToolButton* btnGbmRGB() const { return f.btnGbmRGB; }
    QToolButton* btnGbmESL() const { return f.btnGbmESL; }
    TColorLookupComboBox* ColorLookup() const { return f.ColorLookup; }
    THsxPanel* pnlStart() const { return f.pnlStart; }
    THsxPanel* pnlMid() const { return f.pnlMid; }
    THsxPanel* pnlEnd() const { return f.pnlEnd; }
    THsxPanel* pnlBack() const { return f.pnlBack; }
    THsxPanel* pnlText() const { return f.pnlText; }
    THsxPanel* pnlLink() const { return f.pnlLink; }
    THsxPanel* pnlBgcolor() const { return f.pnlBgcolor; }
    std::array<TColor, PaletteCellCount>& palette() const { return f.palette; }
    int& PaletteDragCell() const { return f.PaletteDragCell; }
    bool BarDragging() const { return f.BarDragging; }
    bool Picking() const { return f.Picking; }
    TSettings& settings() const { return f.settings_; }

    void miGbmClick(QObject* sender) { f.miGbmClick(sender); }
    bool PanelDragOver(QWidget* target, QWidget* source, QPoint p) {
        return f.PanelDragOver(target, source, p);
    }
    void PalsDragDrop(QWidget* target, QWidget* source, QPoint p, bool ctrl) {
        f.PalsDragDrop(target, source, p, ctrl);
    }
    void PalsMouseDown(QWidget* sender, QPoint p) { f.PalsMouseDown(sender, Qt::LeftButton, p); }
};

} // namespace tintora
