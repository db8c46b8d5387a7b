#pragma once

// Windows executables built byte by byte: a PE header, one resource section and in it one
// version resource holding the given block.

#include "preview/VersionBlock.h"

#include <cstdint>
#include <string>

namespace tintora::test {

inline void PutU16(std::string& out, std::size_t pos, std::uint32_t v) {
    out[pos] = static_cast<char>(v & 0xFF);
    out[pos + 1] = static_cast<char>((v >> 8) & 0xFF);
}

inline void PutU32(std::string& out, std::size_t pos, std::uint32_t v) {
    PutU16(out, pos, v & 0xFFFF);
    PutU16(out, pos + 2, v >> 16);
}

inline std::string PeFileWithVersionBlock(const std::string& block, bool pe32Plus = false) {
    constexpr std::uint32_t kPe = 0x40, kRawOffset = 0x200, kRva = 0x1000, kBlockAt = 0x58;
    const std::uint32_t optionalSize = pe32Plus ? 240 : 224;
    const std::uint32_t dirs = pe32Plus ? 112 : 96;
    std::string file(kRawOffset + kBlockAt, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    PutU32(file, 0x3C, kPe);
    file.replace(kPe, 4, std::string("PE\0\0", 4));
    PutU16(file, kPe + 6, 1);             // one section
    PutU16(file, kPe + 20, optionalSize); // size of the optional header
    const std::uint32_t opt = kPe + 24;
    PutU16(file, opt, pe32Plus ? 0x20B : 0x10B);
    PutU32(file, opt + dirs - 4, 16);    // number of data directories
    PutU32(file, opt + dirs + 16, kRva); // resource table
    PutU32(file, opt + dirs + 20, kBlockAt + static_cast<std::uint32_t>(block.size()));
    const std::uint32_t section = opt + optionalSize;
    file.replace(section, 5, ".rsrc");
    const auto sectionSize = static_cast<std::uint32_t>(kBlockAt + block.size());
    PutU32(file, section + 8, sectionSize);
    PutU32(file, section + 12, kRva);
    PutU32(file, section + 16, sectionSize);
    PutU32(file, section + 20, kRawOffset);
    // Type 16 (version), then name 1, then language 0x411, then the data entry.
    const std::uint32_t r = kRawOffset;
    PutU16(file, r + 14, 1);
    PutU32(file, r + 16, 16);
    PutU32(file, r + 20, 0x80000000u | 0x18);
    PutU16(file, r + 0x18 + 14, 1);
    PutU32(file, r + 0x18 + 16, 1);
    PutU32(file, r + 0x18 + 20, 0x80000000u | 0x30);
    PutU16(file, r + 0x30 + 14, 1);
    PutU32(file, r + 0x30 + 16, 0x411);
    PutU32(file, r + 0x30 + 20, 0x48);
    PutU32(file, r + 0x48, kRva + kBlockAt);
    PutU32(file, r + 0x48 + 4, static_cast<std::uint32_t>(block.size()));
    return file + block;
}

// A block with the translation 0411/03A4 (when given) and a product version in that table.
inline std::string VersionBlockWith(const std::string& productVersion, bool withTranslation) {
    TVersionNode root{"VS_VERSION_INFO", false, std::string(52, '\0'), {}};
    root.Children.push_back({"StringFileInfo",
                             true,
                             "",
                             {{"041103a4",
                               true,
                               "",
                               {{"CompanyName", true, " Maker\t", {}},
                                {"ProductVersion", true, productVersion, {}}}}}});
    if (withTranslation) {
        root.Children.push_back({"VarFileInfo",
                                 true,
                                 "",
                                 {{"Translation", false, std::string("\x11\x04\xA4\x03", 4), {}}}});
    }
    return SerializeVersionBlock(root);
}

} // namespace tintora::test
