#pragma once

// A folder of a test's own for the files it writes.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tintora::test {

// A fresh folder, removed with everything in it at the end.
class TTempDir {
public:
    TTempDir() {
        std::string name =
            (std::filesystem::temp_directory_path() / "tintora-test-XXXXXX").string();
        path_ = mkdtemp(name.data()) ? name : std::string();
    }
    ~TTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes a file in the folder, executable when asked; returns its path.
    std::string Write(const std::string& name, const std::string& bytes,
                      bool executable = false) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        if (executable) {
            std::filesystem::permissions(file, std::filesystem::perms::owner_exec,
                                         std::filesystem::perm_options::add);
        }
        return file.string();
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};

} // namespace tintora::test
