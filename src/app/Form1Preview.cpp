// The browser previews (F9, Ctrl+F9, files dropped on the window), the live preview of the open
// page (Shift+F10, F10, and the idle rule after every edit) and the About box.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "app/FormVer.h"
#include "html/SpanTag.h"
#include "widgets/HsxPanel.h"
#include "widgets/SampleBox.h"

#include <cstdlib>
#include <filesystem>

#include <QAction>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

namespace tintora {

namespace {

constexpr char kSampleDialogTitle[] = "BODYタグプレビューに利用する被試験ファイルの選択";
constexpr char kSampleDialogFilter[] =
    "HTML文書|*.html;*.htm;*.shtml;*.mhtml;*.mht;*.asp;*.cgi|すべてのファイル|*.*";

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec);
}

// The local files a drag carries, in the order given.
QList<QUrl> LocalFileUrls(const QMimeData* data) {
    QList<QUrl> files;
    if (data != nullptr && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                files << url;
            }
        }
    }
    return files;
}

// Ctrl at the moment of the preview picks the other browser.
bool CtrlHeld() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

} // namespace

std::string TForm1::BrowserSearchPath() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
}

void TForm1::ConnectPreview() {
    appIdleTimer_ = new QTimer(this);
    appIdleTimer_->setSingleShot(true);
    appIdleTimer_->setTimerType(Qt::PreciseTimer);
    connect(appIdleTimer_, &QTimer::timeout, this, [this] { AppIdle(); });

    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] {
            Guarded(services_.Prompts, [this, handler] { (this->*handler)(); });
        };
    };
    connect(miPreview, &QAction::triggered, this, guarded(&TForm1::miPreviewClick));
    connect(miPreviewNew, &QAction::triggered, this, guarded(&TForm1::btnPreviewNewClick));
    connect(body_->btnPreview, &QPushButton::clicked, this, guarded(&TForm1::btnPreviewClick));
    connect(body_->btnPreviewNew, &QPushButton::clicked, this,
            guarded(&TForm1::btnPreviewNewClick));
    connect(font_->GrdSample, &TSampleBox::DoubleClicked, this, guarded(&TForm1::PreviewFontTag));
    connect(body_->BodySample, &TSampleBox::DoubleClicked, this, guarded(&TForm1::btnPreviewClick));
    connect(body_->EditPreview, &QLineEdit::textChanged, this, [this] { mcTagClick(); });
    connect(miDynPreview, &QAction::triggered, this, [this] { miDynPreviewClick(); });
    connect(miPerformDynPreview, &QAction::triggered, this, [this] { miPerformDynPreviewClick(); });
    connect(miAbout, &QAction::triggered, this, guarded(&TForm1::miAboutClick));
    for (QAction* action : {miPreview, miDynPreview, miPerformDynPreview, miAbout}) {
        action->setEnabled(true);
    }
    body_->btnPreview->setEnabled(true);
    body_->btnPreviewNew->setEnabled(true);
    setAcceptDrops(true);
}

TBrowserSettings TForm1::BrowserSettings() const {
    return TBrowserSettings{settings_.UseNNMainly, settings_.IEPath, settings_.NNPath};
}

void TForm1::PreviewFontTag() {
    TFontPreviewInput page;
    page.FontTag = MakeFontTag();
    page.Background = font_->pnlBack->Color();
    page.BgImageFile = bgImageFile_;
    page.Cases = CharCases();
    browserPreview_.PreviewFontTag(page, CtrlHeld(), BrowserSettings());
}

void TForm1::PreviewBodyTag(const std::string& samplePath) {
    TBodyPreviewInput page;
    page.Colors = body_->State();
    page.BgImageFile = bgImageFile_;
    page.Cases = CharCases();
    page.InsBaseTag = settings_.InsBaseTag;
    browserPreview_.PreviewBodyTag(samplePath, page, CtrlHeld(), BrowserSettings());
}

void TForm1::btnPreviewClick() {
    const std::string sample = body_->EditPreview->text().toStdString();
    if (FileExists(sample)) {
        PreviewBodyTag(sample);
    } else {
        btnPreviewNewClick();
    }
}

void TForm1::btnPreviewNewClick() {
    TOpenFileRequest request;
    request.Title = kSampleDialogTitle;
    request.Filter = kSampleDialogFilter;
    request.InitialFile = body_->EditPreview->text().toStdString();
    const std::optional<std::string> chosen = services_.Files.ChooseFileToOpen(request);
    if (!chosen) {
        return;
    }
    body_->EditPreview->setText(QString::fromStdString(*chosen));
    PreviewBodyTag(body_->EditPreview->text().toStdString());
}

void TForm1::miPreviewClick() {
    if (IsFontPageShown()) {
        PreviewFontTag();
    } else {
        btnPreviewClick();
    }
}

bool TForm1::FileDropEvent(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> files = LocalFileUrls(drop->mimeData());
    if (files.isEmpty()) {
        return false;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        WMDropFiles(files);
    }
    return true;
}

void TForm1::WMDropFiles(const QList<QUrl>& urls) {
    if (urls.isEmpty()) {
        return;
    }
    const std::string path = urls.front().toLocalFile().toStdString();
    if (!FileExists(path)) {
        return;
    }
    if (!TagPagesShown()) {
        btnShowExt->setChecked(true);
        btnShowExtClick();
    }
    if (IsFontPageShown()) {
        PageCtrl->setCurrentWidget(body_->tsBody);
    }
    body_->EditPreview->setText(QString::fromStdString(path));
    Guarded(services_.Prompts,
            [this] { PreviewBodyTag(body_->EditPreview->text().toStdString()); });
}

void TForm1::RequestDynamicPreview() {
    const bool wasPending = previewRequests_.Pending();
    previewRequests_.RequestDynamicPreview();
    if (!wasPending && previewRequests_.Pending()) {
        dynamicPreview_.PrefetchTargets();
    }
    // An update that falls due must not wait for some later, unrelated event.
    if (const auto wait = previewRequests_.TimeUntilDue()) {
        appIdleTimer_->start(*wait);
    }
}

void TForm1::AppIdle() {
    if (previewRequests_.TakeDueRequest()) {
        Guarded(services_.Prompts, [this] { UpdateDynamicPreview(); });
    } else if (const auto wait = previewRequests_.TimeUntilDue()) {
        appIdleTimer_->start(*wait);
    }
}

void TForm1::UpdateDynamicPreview() {
    if (IsFontPageShown()) {
        dynamicPreview_.UpdateDynamicPreview(
            TFontSpanUpdate{settings_.UseSpanTag ? MakeFontPageTag(&MakeSpanTag) : MakeFontTag()});
        return;
    }
    const auto swatches = body_->Swatches();
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        if (swatches[i] == SelectedBodyPanel()) {
            const auto attribute = BodyColorAttribute(static_cast<int>(21 + i));
            dynamicPreview_.UpdateDynamicPreview(TBodyColorUpdate{*attribute, SelectedColor()});
            return;
        }
    }
}

void TForm1::miDynPreviewClick() {
    SetDynamicPreview(!settings_.DynamicPreview);
    miDynPreview->setChecked(settings_.DynamicPreview);
}

void TForm1::miPerformDynPreviewClick() {
    Guarded(services_.Prompts, [this] { UpdateDynamicPreview(); });
}

// The browser window cannot be put behind ours; ours is brought up over it instead, without
// taking the keyboard from it.
void TForm1::KeepProgramInFront() {
    if (isVisible() && !isMinimized()) {
        raise();
    }
}

void TForm1::miAboutClick() {
    TFormVer about(this);
    about.SetCentreOn(this);
    services_.RunModal(about);
}

} // namespace tintora
