#pragma once

// Where the program keeps its files. A program whose folder is writable (a build tree, a portable
// copy) keeps them beside its executable; an installed program keeps them in the user's own
// folders, under the same names.

#include <string>
#include <vector>

namespace tintora {

struct TProgramFiles {
    std::string SettingsFile;           // tintora.INI
    std::vector<std::string> SeedFiles; // tintora.IN0 candidates, first found wins
    std::string PreviewFile;            // tintora.html
    std::string InstalledDataDir;       // the installed data folder (help document, seed file)
};

struct TProgramFolders {
    std::string ExecutablePath;   // the running executable, absolute
    std::string ConfigHome;       // $XDG_CONFIG_HOME, or $HOME/.config
    std::string CacheHome;        // $XDG_CACHE_HOME, or $HOME/.cache
    std::string InstalledDataDir; // the installed data folder (share/tintora)
    bool ExecutableDirWritable = false;
};

// The executable's path with its last extension replaced (appended when it has none).
std::string ReplaceExtension(const std::string& path, const std::string& extension);

TProgramFiles ResolveProgramFiles(const TProgramFolders& folders);

// The folders of the running process, read from /proc/self/exe and the environment.
TProgramFolders CurrentProgramFolders(const std::string& installedDataDir);

// When the settings file is missing, copies the first existing seed file to it. A copy that would
// overwrite is refused and a failed copy is ignored: the program then starts with its defaults.
// Creates the settings file's folder when needed. Returns whether a seed was copied.
bool SeedSettingsFile(const TProgramFiles& files);

} // namespace tintora
