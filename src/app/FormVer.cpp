#include "app/FormVer.h"

#include "app/ProgramInfo.h"
#include "widgets/Frame3D.h"
#include "widgets/SystemColors.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace tintora {

namespace {

constexpr char kAuthorLine[] = "© Tintora";
constexpr char kMailAddress[] = "tintora@example.org";
constexpr char kHomePage[] = "https://tintora.example.org/";

QFont PixelFont(const QStringList& families, int pixels, bool bold, bool italic,
                bool underline = false) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font,
                  const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

} // namespace

QString TFormVer::MainCaption() {
    return QStringLiteral("     Tintora  \r     Version: %1  ").arg(kProgramVersion);
}

TFormVer::TFormVer(QWidget* parent, TOpenUrl openUrl)
    : TModalDialog(parent), openUrl_(std::move(openUrl)) {
    if (!openUrl_) {
        openUrl_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(ClientWidth + 2 * FrameWidth, ClientHeight + 2 * FrameWidth);
    FormCreate();
}

void TFormVer::FormCreate() {
    auto* client = new QWidget(this);
    client->setGeometry(FrameWidth, FrameWidth, ClientWidth, ClientHeight);

    // The caption's lines are separated by a CR; a label breaks lines at LF, and it would drop the
    // blanks at the end of a line that keep the text off the right edge.
    LabelMain = MakeLabel(client, MainCaption().replace('\r', '\n').replace(' ', QChar(0xA0)),
                          QRect(0, 0, ClientWidth, 58),
                          PixelFont({"Verdana", "DejaVu Sans"}, 24, true, true), QColor(0x008000));
    LabelMain->setAutoFillBackground(true);
    QPalette band = LabelMain->palette();
    band.setColor(QPalette::Window, QColor(0xE1FFBF));
    LabelMain->setPalette(band);

    imgVerInfoIcon = new QLabel(client);
    imgVerInfoIcon->setGeometry(8, 8, 32, 32);
    imgVerInfoIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    Label5 = MakeLabel(client, kAuthorLine, QRect(197, 64, 91, 20),
                       PixelFont({"Times New Roman", "Nimbus Roman"}, 16, true, false), Qt::black);
    const QFont address = PixelFont({"ＭＳ Ｐゴシック", "IPAPGothic"}, 12, false, true, true);
    LabelMailad = MakeLabel(client, kMailAddress, QRect(200, 90, 88, 12), address, Qt::blue);
    LabelMailad->hide();
    LabelHomePage = MakeLabel(client, kHomePage, QRect(45, 106, 243, 12), address, Qt::blue);
    for (QLabel* link : {LabelMailad, LabelHomePage}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

void TFormVer::FormShow() {
    QApplication::beep();
}

void TFormVer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        FormClick();
    }
}

bool TFormVer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == LabelMailad || watched == LabelHomePage)) {
        CmdLabelsClick(static_cast<QLabel*>(watched));
        return true;
    }
    return TModalDialog::eventFilter(watched, event);
}

void TFormVer::CmdLabelsClick(QLabel* label) {
    const QString target =
        label == LabelMailad ? QStringLiteral("mailto:") + label->text() : label->text();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct TRestoreCursor {
        ~TRestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    openUrl_(QUrl(target));
}

// The sizing frame: a raised edge of two rings, then two rings of the face colour.
void TFormVer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TSystemColors colors = TSystemColors::From(palette());
    QRect rect = this->rect();
    Frame3D(painter, rect, colors.Light3D, colors.DkShadow3D, 1);
    Frame3D(painter, rect, colors.BtnHighlight, colors.BtnShadow, 1);
    Frame3D(painter, rect, colors.BtnFace, colors.BtnFace, FrameWidth - 2);
}

} // namespace tintora
