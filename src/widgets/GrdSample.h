#pragma once

// The FONT page's sample: the gradient text drawn one character at a time, each in its own
// colour, over the back colour and the tiled background picture, inside a sunken frame. Painted
// off screen without a window; the sample box copies the picture in one operation.

#include "color/Color.h"
#include "html/GrdColor.h"
#include "text/CodePage.h"
#include "widgets/SystemColors.h"

#include <string>

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QFontMetrics;

namespace tintora {

// The FONT sample box, in pixels.
inline constexpr QSize GrdSampleSize(334, 57);

struct TGrdSampleInput {
    std::string Text; // the text field's bytes in CodePage, unescaped
    TCodePage CodePage = TCodePage::cpUtf8;
    TGrdParams Grd;        // type, swatch colours and wave fields: one colour per character
    TColor Back = clBlack; // the colour of pnlBack
    QFont Font;            // the sample font: face, point size, bold, italic, underline
    QImage BgPicture;      // the background picture; null for none
    TSystemColors Colors;  // button shadow and highlight draw the frame
};

// Paints the whole of `target` (normally GrdSampleSize, in QImage::Format_RGB32): the back colour,
// the background tiles from (1, 1), the characters, the frame on top. The text cell's top is at
// y = (target height - height of the text) / 2, truncated toward zero, where the height of the
// text is QFontMetrics::height() of the sample font: ascent plus descent, the whole cell every
// line of the font takes, whatever letters the text holds (so the sample does not jump up and
// down as letters with descenders come and go). Characters start at x = 4 and move right by
// CharAdvance; what passes the right edge is clipped. A null target paints nothing.
void PaintGrdSample(QImage& target, const TGrdSampleInput& input);

// How far the sample moves right after drawing `ch` (one character) in the metrics' font: its
// horizontal advance in whole pixels.
//
// A platform whose bitmap fonts slant italics by widening every glyph would measure such fonts
// upright, so that slanted letters keep the upright spacing. Here every font is drawn from
// scalable outlines: an italic face has its own advances, and where a family has none, the slant
// is synthesised by shearing the outline, which leaves the advance as it was. Qt cannot even tell
// which fonts are of the bitmap kind, and has no case to correct, so the advance is the plain one.
int CharAdvance(const QFontMetrics& metrics, const QString& ch);

} // namespace tintora
