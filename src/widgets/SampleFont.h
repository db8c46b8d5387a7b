#pragma once

// The rules that choose the tag samples' font from the face and size fields and the options.
// Apart from ListFontFaces, which asks the font database, they work on a given list of installed
// family names, so they need no window. Every lookup in that list ignores letter case and gives
// back the installed spelling, which is what the font database matches best.

#include <optional>

#include <QString>
#include <QStringList>

namespace tintora {

// The installed font families for the face list: sorted ignoring letter case, each name once
// (names differing only in case count as one, the first in order kept), without an entry named
// exactly "Default".
QStringList ListFontFaces();

// The same rule over any list of family names.
QStringList SortFontFaces(QStringList families);

// The installed spelling of `name`, letter case ignored; nullopt when no family has that name.
std::optional<QString> FindInstalledFont(const QString& name, const QStringList& installed);

// The face the sample takes from the face field's text: the part before the first comma, trimmed
// of blanks and control characters (U+0000..U+0020) at both ends, without one pair of enclosing
// double or single quotes, if an installed font has that name. nullopt when the sample takes the
// default face (GetSampleFontName) instead: nothing before the comma, nothing left after trimming,
// or no such font. The tag itself writes the field's text as typed.
std::optional<QString> SampleFaceFromField(const QString& text, const QStringList& installed);

// The sample's point size for the size field's text, given the base size (BaseSampleSize, 6..99
// points), or nullopt for "leave the size as it is". v is the text as a signed integer, 3 when it
// is not one (the empty item included), plus 3 when the text is exactly two characters long (the
// signed items "+1".."-3"); v = 0..7 gives 0.5, 0.7, 0.88, 1, 1.2, 1.55, 2 and 3 times the base,
// rounded to the nearest integer with exact halves going to the even neighbour (25 x 0.7 = 17.5
// gives 18, 15 x 0.7 = 10.5 gives 10). Other values of v give nullopt.
std::optional<int> SampleFontSizeFromField(const QString& text, int baseSize);

// BaseSampleSize for the SampleFontSize option: 6..99 as it stands, anything else 12.
int ValidSampleFontSize(int size);

// GetSampleFontName: the installed spelling of the SampleFontName option when an installed font
// has that name, otherwise `fallback` (the main window's own font family). An empty option
// always gives the fallback.
QString SampleFontName(const QString& option, const QStringList& installed,
                       const QString& fallback);

// SetSampleFontName: the option's new value, or nullopt when nothing changes: `name` equals the
// stored value exactly, or no installed font has that name (such as the Options dialog's
// "(自動)"). The name is stored as given.
std::optional<QString> NewSampleFontName(const QString& stored, const QString& name,
                                         const QStringList& installed);

} // namespace tintora
