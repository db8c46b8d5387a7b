#pragma once

// Building DIB headers byte by byte, and folders of plug-ins made for a test.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tintora::test {

using TBytes = std::vector<std::uint8_t>;

inline void Put(TBytes& bytes, std::size_t at, std::uint32_t value, int size = 4) {
    if (bytes.size() < at + static_cast<std::size_t>(size)) {
        bytes.resize(at + static_cast<std::size_t>(size));
    }
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline void Append(TBytes& bytes, std::uint32_t value, int size = 4) {
    Put(bytes, bytes.size(), value, size);
}

inline void Append(TBytes& bytes, const TBytes& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
}

// A BITMAPINFOHEADER of `size` bytes.
inline TBytes InfoHeader(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                         std::uint32_t compression = 0, std::uint32_t colorsUsed = 0,
                         std::uint32_t size = 40) {
    TBytes header(size, 0);
    Put(header, 0, size);
    Put(header, 4, static_cast<std::uint32_t>(width));
    Put(header, 8, static_cast<std::uint32_t>(height));
    Put(header, 12, 1, 2);
    Put(header, 14, bitCount, 2);
    Put(header, 16, compression);
    Put(header, 32, colorsUsed);
    return header;
}

// Colour table entries (blue, green, red, 0) from 0xRRGGBB values.
inline TBytes ColorTable(const std::vector<std::uint32_t>& colors) {
    TBytes table;
    for (const std::uint32_t rgb : colors) {
        Append(table, rgb & 0xFFFFFF);
    }
    return table;
}

// A fresh folder, removed with its content at the end of the test. Its path is canonical and
// ends in "/", as the plug-in search spells the files it finds.
class TTempFolder {
public:
    TTempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tintora-XXXXXX").string();
        path_ = std::filesystem::canonical(mkdtemp(pattern.data())).string() + "/";
    }
    ~TTempFolder() { std::filesystem::remove_all(path_); }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::string& Path() const { return path_; }

    std::string Write(const std::string& name, const TBytes& bytes) const {
        std::ofstream(path_ + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path_ + name;
    }

    // A copy of a test plug-in built under TINTORA_TEST_SPI_DIR, named `as`.
    std::string AddPlugin(const std::string& built, const std::string& as) const {
        std::filesystem::copy_file(std::string(TINTORA_TEST_SPI_DIR) + "/" + built + ".spi",
                                   path_ + as);
        return path_ + as;
    }

private:
    std::string path_;
};

} // namespace tintora::test
