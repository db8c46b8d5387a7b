#include "widgets/BodySample.h"

#include "widgets/QtColor.h"
#include "widgets/SampleSurface.h"

#include <QPainter>

namespace tintora {

namespace {

struct TLine {
    QString Text;
    bool Bold;
    bool Underline;
    TColor Color;
    int GapAfter;
};

// Draws one line centred across the box with its top at `top` and returns the height it took.
int DrawLine(QPainter& painter, const QFont& base, int width, int top, const TLine& line) {
    QFont font = base;
    font.setBold(line.Bold);
    font.setUnderline(line.Underline);
    painter.setFont(font);
    painter.setPen(ToQColor(line.Color));
    // Centred lines may be wider than the box; only the drawing is clipped, not the layout.
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip;
    QRect took;
    painter.drawText(QRect(0, top, width, 0), flags, line.Text, &took);
    return took.height();
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QFont BodySampleFont(const QString& family) {
    QFont font;
    font.setFamily(family);
    return font;
}

void PaintBodySample(QImage& target, const TBodySampleInput& input) {
    if (target.isNull()) {
        return;
    }
    const int width = target.width();
    const int height = target.height();
    target.fill(ToQColor(input.Page.Bgcolor));
    PaintBgTiles(target, width, height, input.BgPicture);

    QPainter painter(&target);
    PaintSunkenFrame(painter, width, height, input.Colors);
    painter.setBackgroundMode(Qt::TransparentMode);

    const QString sample = QStringLiteral("*sample text*sample text*sample text*");
    // The name and version stand on two lines; Qt breaks lines at a line feed.
    const TLine lines[] = {
        {sample, false, false, input.Page.Text, 0},
        {QStringLiteral("Tintora\nver.2.24"), true, false, input.Page.Text, 0},
        {sample, false, false, input.Page.Text, 10},
        {Latin1(BodySampleLinkText), false, true, input.Page.Link, 3},
        {Latin1(BodySampleVlinkText), false, true, input.Page.Vlink, 3},
        {Latin1(BodySampleAlinkText), false, true, input.Page.Alink, 0},
    };
    int top = 10;
    for (const TLine& line : lines) {
        top += DrawLine(painter, input.Font, width, top, line) + line.GapAfter;
    }
}

} // namespace tintora
