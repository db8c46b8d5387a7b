#include "app/Form1.h"

#include "app/DialogPlacement.h"
#include "app/HintDisplay.h"
#include "app/PageControls.h"
#include "platform/CopySound.h"
#include "widgets/ColorLookupComboBox.h"
#include "widgets/ColorPanel.h"
#include "widgets/DropperCursor.h"
#include "widgets/GrdBarSet.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleFont.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace tintora {

TForm1::TForm1(TProgramFiles files, TFormServices services, QWidget* parent)
    : QMainWindow(parent), files_(std::move(files)), services_(std::move(services)),
      browserLauncher_(services_.Browsers, services_.Processes, services_.Prompts,
                       BrowserSearchPath()),
      browserPreview_(files_.PreviewFile, browserLauncher_, services_.Prompts),
      previewRequests_(services_.Clock, settings_.DynamicPreview),
      dynamicPreview_(services_.LiveBrowser, services_.Prompts, services_.Clock,
                      [this] { KeepProgramInFront(); }) {
    setWindowTitle(kApplicationTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The window takes exactly the size of its menu bar and client area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new QWidget(this);
    setCentralWidget(client_);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    BuildUpperArea();
    BuildPages();
    BuildMenus();
    BuildDropper();
    connect(btnShowExt, &QPushButton::clicked, this, [this] { btnShowExtClick(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) {
            AppDeactivate();
        }
    });
    qApp->installEventFilter(this);
    ConnectColorEditor();
    ConnectPalette();
    ConnectPages();
    ConnectCommands();
    ConnectPreview();

    SeedSettingsFile(files_);
    BuildCopyFormatMenus();
    btnDropper->setCursor(MakeDropperCursor());
    installedFonts_ = ListFontFaces();
    font_->comboFontFace->addItems(installedFonts_);
    font_->comboFontFace->setCurrentIndex(-1);

    ReadSettingsFile();
    btnShowExtClick();
    KeepInWorkArea();
    font_->pnlStart->SetDown(true);
    body_->pnlText->SetDown(true);
    ColorLookup->SelectColor(MakeColor(255, 0, 0));
    ColorLookupChange();
    SelectEditMode(settings_.GrdBarsMode);
    font_->EditGrd->setText(font_->EditGrd->text().replace("%s", kProgramVersion));
    SetUpPlugins();
}

QRect TForm1::GetWorkArea() const {
    return tintora::GetWorkArea(this);
}

void TForm1::KeepInWorkArea() {
    tintora::KeepInWorkArea(this);
}

void TForm1::SetClientHeight(int height) {
    client_->setFixedSize(ClientWidth, height);
    layout()->activate();
}

int TForm1::ClientHeight() const {
    return client_->height();
}

// Tooltips of the main window: the ShowHint option, switched off while the dropper picks.
void TForm1::SetHintsShown(bool shown) {
    tintora::SetHintsShown(this, shown);
}

bool TForm1::TagPagesShown() const {
    return btnShowExt->isChecked();
}

void TForm1::btnShowExtClick() {
    if (btnShowExt->isChecked()) {
        SetClientHeight(PageCtrlTop + PageCtrlHeight);
        const QRect area = GetWorkArea();
        const QRect outer = OuterGeometry(this);
        const int areaBottom = area.top() + area.height();
        if (areaBottom < outer.y() + outer.height()) {
            move(outer.x(), areaBottom - outer.height());
        }
        PageCtrl->show();
        mcTag->setEnabled(true);
        mcTagClick();
    } else {
        SetClientHeight(CollapsedClientHeight);
        PageCtrl->hide();
        mcTag->setEnabled(false);
        RefreshContrast();
    }
}

void TForm1::miTagClick() {
    btnShowExt->setChecked(!btnShowExt->isChecked());
    btnShowExtClick();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
    if (firstShow_) {
        firstShow_ = false;
        // The frame's size is known only once the window manager has framed the window.
        WhenFramed(this, [this] { KeepInWorkArea(); });
    }
}

void TForm1::FormShow() {
    FitUpDown(udEqu, EditEqu);
    FitUpDown(udSat, EditSat);
    FitUpDown(udLum, EditLum);
    if (!font_->udWave->isHidden()) {
        FitUpDown(font_->udWave, font_->EditWave);
        FitUpDown(font_->udWave2, font_->EditWave2);
    }
    comboFontSizeChange();
    comboFontFaceChange();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!destroyed_) {
        // Taken while the window is still framed: once it is hidden the window manager may take
        // its frame away at any moment, and the position would then be the client area's.
        settings_.Top = y();
        settings_.Left = x();
    }
    // The window goes first; a settings file that cannot be written is then reported on its own.
    hide();
    FormDestroy();
    event->accept();
}

void TForm1::FormDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    if (colors_.BarDragging()) {
        colors_.EndBarDrag();
    }
    WriteSettingsFile();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = widget && widget->window() == this;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (ours) {
            FormKeyDown();
            // A menu shortcut wins over a text field's own use of the key (Ctrl+Y, Ctrl+E, ...).
            if (RunMenuShortcut(static_cast<QKeyEvent*>(event)->keyCombination())) {
                return true;
            }
        }
        if (const auto* edit = qobject_cast<QLineEdit*>(watched)) {
            return EditsKeyPress(edit, static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (ours && FileDropEvent(event)) {
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == btnDropper) {
            btnDropperMouseDown(static_cast<QMouseEvent*>(event));
        }
        break;
    case QEvent::MouseMove:
        if (watched == btnDropper) {
            btnDropperMouseMove();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == btnDropper) {
            btnDropperMouseUp(static_cast<QMouseEvent*>(event));
        } else if (watched == btnCopy || watched == btnCopyFmt) {
            btnCopyMouseUp(static_cast<QMouseEvent*>(event));
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A key press or another application taking over ends a bar drag and frees the mouse.
void TForm1::FormKeyDown() {
    if (colors_.BarDragging()) {
        colors_.EndBarDrag();
    }
}

void TForm1::AppDeactivate() {
    if (colors_.BarDragging()) {
        colors_.EndBarDrag();
    }
}

} // namespace tintora
