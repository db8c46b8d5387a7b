#include "images/SPIFolders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fnmatch.h>
#include <system_error>

namespace tintora {

namespace fs = std::filesystem;

TSPIFolders CurrentSPIFolders(const std::string& installedPluginDir) {
    TSPIFolders folders;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        folders.AppDir = exe.parent_path().string();
    }
    const fs::path current = fs::current_path(ec);
    if (!ec) {
        folders.CurrentDir = current.string();
    }
    const char* susieDir = std::getenv("TINTORA_SUSIE_DIR");
    if (susieDir != nullptr && *susieDir != '\0') {
        folders.SusieDir = susieDir;
    } else if (!installedPluginDir.empty()) {
        const fs::path installed(installedPluginDir);
        folders.SusieDir = installed.is_absolute() || folders.AppDir.empty()
                               ? installed.string()
                               : (fs::path(folders.AppDir) / installed).lexically_normal().string();
    }
    return folders;
}

std::string IncludePathDelim(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path canonical = fs::canonical(folder.empty() ? "." : folder, ec);
    if (ec) {
        return names;
    }
    for (fs::directory_iterator it(canonical, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code statError;
        if (name.starts_with('.') || !it->is_regular_file(statError) ||
            fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) != 0) {
            continue;
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    const std::string prefix = IncludePathDelim(canonical.string());
    for (std::string& name : names) {
        name = prefix + name;
    }
    return names;
}

} // namespace tintora
