#include "settings/ProgramFiles.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace tintora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolderName = "tintora";

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
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
    if (folders.ExecutableDirWritable) {
        files.SettingsFile = ReplaceExtension(exe, ".INI");
        files.PreviewFile = ReplaceExtension(exe, ".html");
    } else {
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

TProgramFolders CurrentProgramFolders(const std::string& installedDataDir) {
    TProgramFolders folders;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    folders.ExecutablePath = ec ? std::string("tintora") : exe.string();
    const std::string home = EnvOr("HOME", "/tmp");
    folders.ConfigHome = EnvOr("XDG_CONFIG_HOME", home + "/.config");
    folders.CacheHome = EnvOr("XDG_CACHE_HOME", home + "/.cache");
    folders.InstalledDataDir = installedDataDir;
    const std::string exeDir = fs::path(folders.ExecutablePath).parent_path().string();
    folders.ExecutableDirWritable = !exeDir.empty() && ::access(exeDir.c_str(), W_OK) == 0;
    return folders;
}

bool SeedSettingsFile(const TProgramFiles& files) {
    std::error_code ec;
    if (fs::exists(files.SettingsFile, ec)) {
        return false;
    }
    for (const auto& seed : files.SeedFiles) {
        if (!fs::is_regular_file(seed, ec)) {
            continue;
        }
        fs::create_directories(fs::path(files.SettingsFile).parent_path(), ec);
        return fs::copy_file(seed, files.SettingsFile, fs::copy_options::none, ec) && !ec;
    }
    return false;
}

} // namespace tintora
