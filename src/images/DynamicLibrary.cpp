#include "images/DynamicLibrary.h"

#include <dlfcn.h>
#include <link.h>

namespace tintora {

void TDynamicLibrary::TClose::operator()(void* handle) const {
    dlclose(handle);
}

std::optional<TDynamicLibrary> TDynamicLibrary::Open(const std::string& path) {
    // A bare name would send the loader through the system's library folders.
    const std::string located = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(located.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return std::nullopt;
    }
    return TDynamicLibrary(handle);
}

void* TDynamicLibrary::Symbol(const char* name) const {
    return dlsym(handle_.get(), name);
}

std::string TDynamicLibrary::FileName() const {
    link_map* map = nullptr;
    if (dlinfo(handle_.get(), RTLD_DI_LINKMAP, &map) != 0 || map == nullptr ||
        map->l_name == nullptr) {
        return {};
    }
    return map->l_name;
}

} // namespace tintora
