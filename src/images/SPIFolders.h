#pragma once

// The folders the plug-in search looks in, and listing a folder's files by mask.

#include <string>
#include <vector>

namespace tintora {

// One folder per place of the search options; an empty one contributes nothing.
struct TSPIFolders {
    std::string SusieDir; // the plug-in folder: $TINTORA_SUSIE_DIR, else the installed one
    std::string AppDir;   // the program's own folder
    std::string CurrentDir;
    std::string SystemDir;  // none on this platform
    std::string WindowsDir; // none on this platform
};

// The folders of the running program. `installedPluginDir` is the installed plug-in folder; a
// relative one is taken from the executable's folder, so that an installed tree can be moved.
TSPIFolders CurrentSPIFolders(const std::string& installedPluginDir);

// "" stays ""; a folder ending in "/" stays as it is; any other gets "/" appended.
std::string IncludePathDelim(const std::string& folder);

// The full names (folder followed by the entry name) of the files in `folder` whose names match
// `mask` ("*" and "?" wildcards, letter case ignored as plug-in masks are written): ordinary files
// and links to them, not hidden ones (names beginning with "."), sorted by name. The folder is
// made absolute and free of links first, so that one folder spelt two ways lists the same names.
std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& mask);

} // namespace tintora
