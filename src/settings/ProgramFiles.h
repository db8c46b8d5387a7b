#pragma once

// Where the program keeps its files. A portable copy whose folder is writable (a build tree, an
// unpacked copy) keeps them beside its executable; an installed program, wherever its prefix is,
// keeps them in the user's own folders under the same names, also when it could write to its
// bin folder (root).

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
    std::string ConfigHome;       // $XDG_CONFIG_HOME, or <home>/.config
    std::string CacheHome;        // $XDG_CACHE_HOME, or <home>/.cache
    std::string InstalledDataDir; // the data folder (help document, seed file)
    bool ExecutableDirWritable = false;
    bool Installed = false; // the executable runs from an install prefix's bin folder
};

// Where the build put things when it was configured.
struct TInstallDirs {
    std::string BinDir;         // absolute, e.g. /usr/local/bin
    std::string DataDir;        // absolute, e.g. /usr/local/share/tintora
    std::string DataDirFromBin; // the data folder seen from the bin folder, e.g. ../share/tintora
};

// The executable's path with its last extension replaced (appended when it has none).
std::string ReplaceExtension(const std::string& path, const std::string& extension);

TProgramFiles ResolveProgramFiles(const TProgramFolders& folders);

// The user's home folder: $HOME, or the password database's entry when HOME is unset or empty
// (never a shared folder such as /tmp); empty when neither names one.
std::string HomeFolder();

// The folders of the program at executablePath, from the environment and the file system. The
// program counts as installed when its data folder lies where an install puts it relative to the
// executable (so an install moved to another prefix still finds its data), or when it runs from
// the bin folder the build was configured for. The data folder is the one beside the executable
// when it exists, else the configured one.
TProgramFolders ProgramFoldersOf(const std::string& executablePath, const TInstallDirs& dirs);

// The folders of the running process (/proc/self/exe).
TProgramFolders CurrentProgramFolders(const TInstallDirs& dirs);

// When the settings file is missing, creates its folder (mode 0700 for each folder made) and
// copies the first existing seed file to it. A copy that would overwrite, or into a folder
// another user can write in, is refused and a failed copy is ignored: the program then starts
// with its defaults. Returns whether a seed was copied.
bool SeedSettingsFile(const TProgramFiles& files);

} // namespace tintora
