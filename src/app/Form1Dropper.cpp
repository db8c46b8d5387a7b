// The screen dropper: press on the dropper button, drag anywhere on the screen, release to pick.
// While dragging, the magnifier shows the 15 × 15 pixels around the pointer with the one under it
// framed.

#include "app/Form1.h"
#include "widgets/Frame3D.h"
#include "widgets/ImageView.h"
#include "widgets/QtColor.h"
#include "widgets/SystemColors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace tintora {

namespace {

constexpr int kSquare = 15;
constexpr int kHalf = kSquare / 2;

// The 15 × 15 screen square around `centre`; pixels off the screen stay black. Null when the
// screen cannot be read at all.
QImage GrabSquare(QPoint centre) {
    QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return {};
    }
    const QRect wanted(centre.x() - kHalf, centre.y() - kHalf, kSquare, kSquare);
    const QRect onScreen = wanted.intersected(screen->geometry());
    QImage square(kSquare, kSquare, QImage::Format_RGB32);
    square.fill(Qt::black);
    if (onScreen.isEmpty()) {
        return square;
    }
    const QRect local = onScreen.translated(-screen->geometry().topLeft());
    const QPixmap grabbed =
        screen->grabWindow(0, local.x(), local.y(), local.width(), local.height());
    if (grabbed.isNull()) {
        return {};
    }
    QPainter painter(&square);
    painter.drawPixmap(onScreen.topLeft() - wanted.topLeft(), grabbed);
    return square;
}

QString HexLabel(char channel, int value) {
    return QString::asprintf("%c:%2X", channel, static_cast<unsigned>(value));
}

} // namespace

void TForm1::btnDropperMouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    Picking = true;
    dropperErrorShown_ = false;
    SetHintsShown(false);
    if (settings_.HideExtInPicking) {
        SetClientHeight(CollapsedClientHeight);
    }
    PanelStretch->show();
    PanelStretch->raise();
}

void TForm1::btnDropperMouseMove() {
    if (!Picking) {
        return;
    }
    const QPoint p = QCursor::pos();
    const int w = pb2->width();
    QImage magnified(w, pb2->height(), QImage::Format_RGB32);
    magnified.fill(Qt::black);
    const QImage square = GrabSquare(p);
    if (square.isNull()) {
        // Reading the screen failed: say so once per pick, and try again on the next move.
        if (!dropperErrorShown_) {
            dropperErrorShown_ = true;
            services_.Prompts.ShowError("デスクトップのDC解放に失敗。");
        }
        return;
    }
    {
        QPainter painter(&magnified);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(0, 0, w, w), square);
        const int m = w / 2;
        const TSystemColors colors = TSystemColors::From(QWidget::palette());
        QRect frame(m - kHalf, m - kHalf, kSquare, kSquare);
        Frame3D(painter, frame, colors.BtnHighlight, colors.DkShadow3D, 1);
        Frame3D(painter, frame, colors.Light3D, colors.BtnShadow, 1);
    }
    const int m = w / 2;
    const QRgb c = magnified.valid(m, m) ? magnified.pixel(m, m) : qRgb(0, 0, 0);
    pb2->DrawImage(magnified);
    LabelCurPos->setText(QString::asprintf("(%4d,%4d)", p.x(), p.y()));
    LabelRInfo->setText(HexLabel('R', qRed(c)));
    LabelGInfo->setText(HexLabel('G', qGreen(c)));
    LabelBInfo->setText(HexLabel('B', qBlue(c)));
}

void TForm1::btnDropperMouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int w = pb2->width();
    const QRgb c = pb2->PixelAt(QPoint(w / 2, w / 2));
    ChangeColor(MakeColor(static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                          static_cast<std::uint8_t>(qBlue(c))));
    Picking = false;
    SetHintsShown(settings_.ShowHint);
    PanelStretch->hide();
    if (settings_.HideExtInPicking && TagPagesShown()) {
        SetClientHeight(PageCtrlTop + PageCtrlHeight);
    }
}

} // namespace tintora
