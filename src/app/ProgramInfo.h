#pragma once

// What the program calls itself.

#include <QString>

namespace tintora {

// The application title: the main window's caption and the caption of its message boxes.
inline const QString kApplicationTitle = QStringLiteral("Tintora");
inline constexpr char kProgramVersion[] = "2.24";
// The help file as the program names it; the help command resolves it to the HTML document
// shipped with the program.
inline constexpr char kHelpFileName[] = "tintora.hlp";

} // namespace tintora
