#include "widgets/GrdSample.h"

#include "text/Encoding.h"
#include "widgets/QtColor.h"
#include "widgets/SampleSurface.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include <QFontMetrics>
#include <QPainter>

namespace tintora {

namespace {

QString CharText(std::string_view ch, TCodePage codePage) {
    if (codePage == TCodePage::cp932 &&
        !(ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 0x80)) {
        const std::optional<std::string> utf8 = Cp932ToUtf8(ch);
        return utf8 ? QString::fromStdString(*utf8) : QString(QChar::ReplacementCharacter);
    }
    // A malformed byte comes out as U+FFFD.
    return QString::fromUtf8(ch.data(), static_cast<qsizetype>(ch.size()));
}

} // namespace

int CharAdvance(const QFontMetrics& metrics, const QString& ch) {
    return metrics.horizontalAdvance(ch);
}

void PaintGrdSample(QImage& target, const TGrdSampleInput& input) {
    if (target.isNull()) {
        return;
    }
    const int width = target.width();
    const int height = target.height();
    target.fill(ToQColor(input.Back));
    PaintBgTiles(target, width, height, input.BgPicture);

    QPainter painter(&target);
    painter.setFont(input.Font);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics = painter.fontMetrics();
    // The cell's top, as text is placed on this box; Qt draws at the baseline.
    const int top = (height - metrics.height()) / 2;
    const int baseline = top + metrics.ascent();
    // No glyph reaches further left of its origin than a font's widest character or its height,
    // so characters starting that far past the edge cannot show: a long text stops there.
    const int reach = std::max(metrics.maxWidth(), metrics.height());

    TGrdColorizer colorizer(input.Grd, TextCharCount(input.Text, input.CodePage));
    int x = 4;
    std::size_t i = 0;
    for (const std::string_view ch : TCharRange(input.Text, input.CodePage)) {
        if (x - reach > width) {
            break;
        }
        const QString text = CharText(ch, input.CodePage);
        painter.setPen(ToQColor(colorizer.ColorAt(i)));
        painter.drawText(x, baseline, text);
        x += CharAdvance(metrics, text);
        ++i;
    }

    PaintSunkenFrame(painter, width, height, input.Colors);
}

} // namespace tintora
