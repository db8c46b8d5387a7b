#pragma once

// The BODY page's sample: a few lines of a page in the five BODY colours over the background
// picture, inside a sunken frame. Painted off screen without a window; the sample box copies the
// picture in one operation.

#include "color/Color.h"
#include "html/BodyTag.h"
#include "widgets/SystemColors.h"

#include <string_view>

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace tintora {

// The BODY sample box, in pixels.
inline constexpr QSize BodySampleSize(241, 118);

// The three link lines. They stand for addresses without naming any real site: the example
// domains are reserved for that.
inline constexpr std::string_view BodySampleLinkText = "http://example.com/";
inline constexpr std::string_view BodySampleVlinkText = "http://example.org/visited.html";
inline constexpr std::string_view BodySampleAlinkText = "http://example.net/active.html";

struct TBodySampleInput {
    TBodyColors Page;     // the five BODY swatches
    QFont Font;           // normally BodySampleFont(GetSampleFontName()); bold and underline are
                          // switched per line
    QImage BgPicture;     // the background picture; null for none
    TSystemColors Colors; // button shadow and highlight draw the frame
};

// The sample's font: the face `family` at the size a new drawing surface starts with, which is
// the application font's size (QFont()). The program sets that to 12 pixels at start-up, the size
// of the controls' own text, so the sample reads like the page around it.
QFont BodySampleFont(const QString& family);

// Paints the whole of `target` (normally BodySampleSize, in QImage::Format_RGB32): the bgcolor,
// the background tiles from (1, 1), the frame, and then over it six lines, each centred across the
// whole box, an ampersand drawn as it stands. The first line's top is at y = 10; each next line
// starts below the height the previous one took (its line count times the font's line spacing)
// plus a gap: two sample text lines and the two-line program name in the text colour (the name
// bold), 10 pixels, then the three link lines underlined in the link, vlink and alink colours, 3
// pixels apart. A null target paints nothing.
void PaintBodySample(QImage& target, const TBodySampleInput& input);

} // namespace tintora
