#pragma once

// The help command. The program names its help file "tintora.hlp", as it always has; here that
// name stands for the HTML help document shipped with the program, which the desktop shows in
// the user's web browser.

#include <stdexcept>

#include <QString>
#include <QStringList>

namespace tintora {

// The help document could not be shown. The message is UTF-8 Japanese text for the error report.
class EHelpFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document a help file name stands for: the name's base (up to its last ".") followed by
// "-help.html"; "tintora.hlp" is "tintora-help.html".
QString HelpDocumentName(const QString& helpFile);

// The path of the help document in the first of `folders` that holds it; empty when none does.
QString FindHelpDocument(const QString& helpFile, const QStringList& folders);

// Shows the contents of the help file: the document beside the executable, else the one in the
// installed data folder, opened through the desktop. Throws EHelpFile when neither exists or the
// desktop cannot open it.
void ShowHelpContents(const QString& helpFile, const QString& installedDataDir);

// The same document at one of its sections (the id of its heading). A desktop that drops the
// fragment of a local file still shows the document, from its start.
void ShowHelpSection(const QString& helpFile, const QString& installedDataDir,
                     const QString& section);

} // namespace tintora
