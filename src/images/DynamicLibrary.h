#pragma once

// A loaded shared library, released with the object.

#include <memory>
#include <optional>
#include <string>

namespace tintora {

class TDynamicLibrary {
public:
    // Loads the library at `path` with every symbol bound at once, so that a library the program
    // cannot satisfy fails here rather than at its first call. Nothing when it cannot be loaded.
    static std::optional<TDynamicLibrary> Open(const std::string& path);

    // The address of an exported symbol; null when the library has none of that name.
    void* Symbol(const char* name) const;
    // The path the system loaded the library from.
    std::string FileName() const;

private:
    struct TClose {
        void operator()(void* handle) const;
    };
    explicit TDynamicLibrary(void* handle) : handle_(handle) {}

    std::unique_ptr<void, TClose> handle_;
};

} // namespace tintora
