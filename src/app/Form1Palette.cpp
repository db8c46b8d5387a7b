// The 24-cell palette, and colour drag-and-drop among the palette, the selected-colour panel and
// the swatches of both tag pages.

#include "app/Form1.h"
#include "widgets/ColorPanel.h"
#include "widgets/Frame3D.h"
#include "widgets/HsxPanel.h"
#include "widgets/PaintPanel.h"
#include "widgets/QtColor.h"
#include "widgets/SystemColors.h"

#include <QCursor>
#include <QPainter>

namespace tintora {

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 3;
constexpr int kCellPitchX = 17;
constexpr int kCellPitchY = 15;

QRect CellRect(int row, int column) {
    return QRect(kCellPitchX * column, kCellPitchY * row, 16, 14);
}

} // namespace

int TForm1::PaletteCellAt(QPoint p) {
    const int x = p.x();
    const int y = p.y();
    if (x < 0 || y < 0 || x % kCellPitchX == 16 || y % kCellPitchY == 14) {
        return -1;
    }
    const int column = x / kCellPitchX;
    const int row = y / kCellPitchY;
    if (column >= kColumns || row >= kRows) {
        return -1;
    }
    return row * kColumns + column;
}

void TForm1::ConnectPalette() {
    connect(pal1, &TPaintPanel::Paint, this,
            [this](TPaintPanel*, QPainter& canvas) { pal1Paint(canvas); });
    for (TPaintPanel* source : {pal1, static_cast<TPaintPanel*>(ColorPanel)}) {
        auto* starter = new TPanelDragStarter(source);
        connect(source, &TPaintPanel::MouseDown, this,
                [this, starter](TPaintPanel* sender, Qt::MouseButton button, Qt::KeyboardModifiers,
                                QPoint pos) {
                    PalsMouseDown(sender, button, pos);
                    if (button == Qt::LeftButton && (sender != pal1 || PaletteDragCell >= 0)) {
                        starter->Arm();
                    }
                });
    }
    connect(pal1, &TPaintPanel::Click, this, [this] { PalsClick(); });
    connect(pal1, &TPaintPanel::DoubleClick, this, [this] { PalsDblClick(); });
    for (QWidget* target : std::initializer_list<QWidget*>{pal1, ColorPanel}) {
        new TPanelDropTarget(target, this);
    }
    for (QWidget* target : font_->Swatches()) {
        new TPanelDropTarget(target, this);
    }
    for (QWidget* target : body_->Swatches()) {
        new TPanelDropTarget(target, this);
    }
}

void TForm1::pal1Paint(QPainter& canvas) {
    const TSystemColors colors = TSystemColors::From(pal1->palette());
    canvas.fillRect(pal1->rect(), colors.BtnFace);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            QRect r = CellRect(row, column);
            Frame3D(canvas, r, colors.BtnShadow, colors.BtnHighlight, 1);
            canvas.fillRect(
                r, ToQColor(settings_.Pallet[static_cast<std::size_t>(row * kColumns + column)]));
        }
    }
}

void TForm1::PalsMouseDown(QWidget* sender, Qt::MouseButton button, QPoint pos) {
    if (button != Qt::LeftButton) {
        return;
    }
    if (sender == pal1) {
        PaletteDragCell = PaletteCellAt(pos);
    }
}

void TForm1::PalsClick() {
    if (!settings_.PalletClickType) {
        PickPaletteColor();
    }
}

void TForm1::PalsDblClick() {
    if (settings_.PalletClickType) {
        PickPaletteColor();
    }
}

void TForm1::PickPaletteColor() {
    const int cell = PaletteCellAt(pal1->mapFromGlobal(QCursor::pos()));
    if (cell >= 0) {
        ChangeColor(settings_.Pallet[static_cast<std::size_t>(cell)]);
    }
}

bool TForm1::IsColorPanel(QWidget* w) const {
    return w == pal1 || w == ColorPanel || qobject_cast<THsxPanel*>(w) != nullptr;
}

TColor TForm1::DragSourceColor(QWidget* panel, bool asSource, QPoint p) const {
    if (panel == pal1) {
        const int cell = asSource ? PaletteDragCell : PaletteCellAt(p);
        return cell >= 0 ? settings_.Pallet[static_cast<std::size_t>(cell)] : clNone;
    }
    if (panel == ColorPanel) {
        return ColorPanel->Color();
    }
    if (auto* swatch = qobject_cast<THsxPanel*>(panel)) {
        return swatch->Color();
    }
    return clNone;
}

void TForm1::PutDroppedColor(QWidget* panel, TColor color, bool asSource, QPoint p) {
    if (panel == pal1) {
        const int cell = asSource ? PaletteDragCell : PaletteCellAt(p);
        if (cell >= 0) {
            settings_.Pallet[static_cast<std::size_t>(cell)] = color;
        }
        pal1->update();
    } else if (panel == ColorPanel) {
        ColorPanel->SetColor(color);
    } else if (auto* swatch = qobject_cast<THsxPanel*>(panel)) {
        swatch->SetColor(color);
    }
}

bool TForm1::PanelDragOver(QWidget* target, QWidget* source, QPoint pos) {
    if (!IsColorPanel(source)) {
        return false;
    }
    if (target != pal1) {
        return target != source;
    }
    const int cell = PaletteCellAt(pos);
    if (cell < 0) {
        return false;
    }
    return !(source == pal1 && cell == PaletteDragCell);
}

void TForm1::PanelDragDrop(QWidget* target, QWidget* source, QPoint pos, bool ctrlHeld) {
    PalsDragDrop(target, source, pos, ctrlHeld);
}

void TForm1::PalsDragDrop(QWidget* target, QWidget* source, QPoint pos, bool ctrlHeld) {
    if (!IsColorPanel(target) || !IsColorPanel(source)) {
        return;
    }
    const TColor old = DragSourceColor(target, false, pos);
    PutDroppedColor(target, DragSourceColor(source, true, pos), false, pos);
    const bool sourceChanged = ctrlHeld;
    if (sourceChanged) {
        PutDroppedColor(source, old, true, pos);
    }
    const auto touched = [&](QWidget* w) { return w == target || (sourceChanged && w == source); };
    if (touched(ColorPanel)) {
        ChangeColor(ColorPanel->Color());
    } else if (THsxPanel* font = SelectedFontPanel(); font && touched(font)) {
        ChangeColor(font->Color());
    } else if (THsxPanel* body = SelectedBodyPanel(); body && touched(body)) {
        ChangeColor(body->Color());
    } else if (!qobject_cast<THsxPanel*>(target) &&
               !(sourceChanged && qobject_cast<THsxPanel*>(source))) {
        // Palette to palette, or between the palette and the selected colour: nothing follows.
    } else {
        RefreshTagSamples();
    }
}

} // namespace tintora
