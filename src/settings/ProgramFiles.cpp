#include "settings/ProgramFiles.h"

#include "files/UserFolder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace tintora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolderName = "tintora";

// XDG base folders must be absolute; a relative one is to be ignored.
std::string XdgFolderOr(const char* name, const std::string& home, const char* fallback) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    return home.empty() ? std::string() : home + fallback;
}

std::string Join(const std::string& dir, const std::string& name) {
    return (fs::path(dir) / name).string();
}

std::string FileNameOf(const std::string& path) {
    return fs::path(path).filename().string();
}

} // namespace

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

TProgramFiles ResolveProgramFiles(const TProgramFolders& folders) {
    const std::string& exe = folders.ExecutablePath;
    TProgramFiles files;
    const std::string seedName = FileNameOf(ReplaceExtension(exe, ".IN0"));
    files.SeedFiles.push_back(ReplaceExtension(exe, ".IN0"));
    if (!folders.Installed && folders.ExecutableDirWritable) {
        files.SettingsFile = ReplaceExtension(exe, ".INI");
        files.PreviewFile = ReplaceExtension(exe, ".html");
    } else if (!folders.ConfigHome.empty()) {
        const std::string configDir = Join(folders.ConfigHome, kProgramFolderName);
        const std::string cacheDir = Join(folders.CacheHome, kProgramFolderName);
        files.SettingsFile = Join(configDir, FileNameOf(ReplaceExtension(exe, ".INI")));
        files.PreviewFile = Join(cacheDir, FileNameOf(ReplaceExtension(exe, ".html")));
    }
    if (!folders.InstalledDataDir.empty()) {
        files.SeedFiles.push_back(Join(folders.InstalledDataDir, seedName));
    }
    files.InstalledDataDir = folders.InstalledDataDir;
    return files;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* user = getpwuid(geteuid());
    return user != nullptr && user->pw_dir != nullptr ? std::string(user->pw_dir) : std::string();
}

TProgramFolders ProgramFoldersOf(const std::string& executablePath, const TInstallDirs& dirs) {
    TProgramFolders folders;
    folders.ExecutablePath = executablePath;
    const std::string home = HomeFolder();
    folders.ConfigHome = XdgFolderOr("XDG_CONFIG_HOME", home, "/.config");
    folders.CacheHome = XdgFolderOr("XDG_CACHE_HOME", home, "/.cache");

    std::error_code ec;
    const fs::path exeDir = fs::path(executablePath).parent_path();
    const fs::path dataBesideExe = (exeDir / dirs.DataDirFromBin).lexically_normal();
    if (!dirs.DataDirFromBin.empty() && fs::is_directory(dataBesideExe, ec)) {
        folders.Installed = true;
        folders.InstalledDataDir = dataBesideExe.string();
    } else {
        folders.Installed = !dirs.BinDir.empty() && fs::equivalent(exeDir, dirs.BinDir, ec);
        folders.InstalledDataDir = dirs.DataDir;
    }
    folders.ExecutableDirWritable = !exeDir.empty() && ::access(exeDir.c_str(), W_OK) == 0;
    return folders;
}

TProgramFolders CurrentProgramFolders(const TInstallDirs& dirs) {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ProgramFoldersOf(ec ? std::string("tintora") : exe.string(), dirs);
}

bool SeedSettingsFile(const TProgramFiles& files) {
    std::error_code ec;
    if (files.SettingsFile.empty() || fs::exists(fs::symlink_status(files.SettingsFile, ec))) {
        return false;
    }
    const std::string folder = FolderOf(files.SettingsFile);
    if (!CreateUserFolder(folder) || !IsTrustedFolder(folder)) {
        return false;
    }
    for (const auto& seed : files.SeedFiles) {
        if (fs::is_regular_file(seed, ec)) {
            return fs::copy_file(seed, files.SettingsFile, fs::copy_options::none, ec) && !ec;
        }
    }
    return false;
}

} // namespace tintora
