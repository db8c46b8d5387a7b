#include "preview/PeVersionResource.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tintora {

namespace {

constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kMaxSections = 96;               // the loader's own limit
constexpr std::size_t kMaxResourceSection = 64u << 20; // 64 MiB
constexpr std::size_t kMaxVersionBlock = 0x10000;      // wLength is 16 bits

std::uint32_t U32(std::string_view bytes, std::size_t pos) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{static_cast<unsigned char>(bytes[pos + i])} << (8 * i);
    }
    return value;
}

std::uint16_t U16(std::string_view bytes, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[pos]) |
                                      static_cast<unsigned char>(bytes[pos + 1]) << 8);
}

struct TSection {
    std::uint32_t VirtualAddress = 0;
    std::uint32_t VirtualSize = 0;
    std::uint32_t RawSize = 0;
    std::uint32_t RawOffset = 0;
};

// The file offset of size bytes at a relative virtual address, when they lie in one section's
// stored data.
std::optional<std::uint64_t> RvaToOffset(const std::vector<TSection>& sections, std::uint32_t rva,
                                         std::size_t size) {
    for (const TSection& s : sections) {
        const std::uint64_t span = std::max(s.VirtualSize, s.RawSize);
        if (rva >= s.VirtualAddress && rva - s.VirtualAddress < span) {
            const std::uint64_t inSection = rva - s.VirtualAddress;
            if (inSection + size > s.RawSize) {
                return std::nullopt;
            }
            return std::uint64_t{s.RawOffset} + inSection;
        }
    }
    return std::nullopt;
}

// The OffsetToData field of the first entry of the directory at dirPos whose ID matches (any
// entry when id is empty); entries named by a string never match an ID.
std::optional<std::uint32_t> FindEntry(std::string_view rsrc, std::size_t dirPos,
                                       std::optional<std::uint32_t> id) {
    if (dirPos + 16 > rsrc.size()) {
        return std::nullopt;
    }
    const std::size_t count = std::size_t{U16(rsrc, dirPos + 12)} + U16(rsrc, dirPos + 14);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = dirPos + 16 + 8 * i;
        if (entry + 8 > rsrc.size()) {
            return std::nullopt;
        }
        const std::uint32_t name = U32(rsrc, entry);
        if (!id || ((name & kHighBit) == 0 && name == *id)) {
            return U32(rsrc, entry + 4);
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> SubdirectoryOf(std::optional<std::uint32_t> entry) {
    if (!entry || (*entry & kHighBit) == 0) {
        return std::nullopt;
    }
    return *entry & ~kHighBit;
}

} // namespace

std::optional<std::string> ReadPeVersionResource(const TFileRangeReader& read) {
    const std::optional<std::string> dos = read(0, 64);
    if (!dos || dos->compare(0, 2, "MZ") != 0) {
        return std::nullopt;
    }
    const std::uint64_t peStart = U32(*dos, 0x3C);
    const std::optional<std::string> fileHeader = read(peStart, 24);
    if (!fileHeader || fileHeader->compare(0, 4, std::string_view("PE\0\0", 4)) != 0) {
        return std::nullopt;
    }
    const std::size_t sectionCount = std::min<std::size_t>(U16(*fileHeader, 6), kMaxSections);
    const std::size_t optionalSize = U16(*fileHeader, 20);
    const std::optional<std::string> optional = read(peStart + 24, optionalSize);
    if (!optional || optionalSize < 2) {
        return std::nullopt;
    }
    const std::uint16_t magic = U16(*optional, 0);
    if (magic != 0x10B && magic != 0x20B) {
        return std::nullopt;
    }
    const std::size_t countPos = magic == 0x10B ? 92 : 108;
    const std::size_t resourceDirPos = countPos + 4 + 2 * 8; // data directory 2
    if (resourceDirPos + 8 > optionalSize || U32(*optional, countPos) < 3) {
        return std::nullopt;
    }
    const std::uint32_t rsrcRva = U32(*optional, resourceDirPos);
    const std::size_t rsrcSize =
        std::min<std::size_t>(U32(*optional, resourceDirPos + 4), kMaxResourceSection);

    const std::optional<std::string> table =
        read(peStart + 24 + optionalSize, sectionCount * kSectionHeaderSize);
    if (!table) {
        return std::nullopt;
    }
    std::vector<TSection> sections;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t h = i * kSectionHeaderSize;
        sections.push_back(
            {U32(*table, h + 12), U32(*table, h + 8), U32(*table, h + 16), U32(*table, h + 20)});
    }

    const std::optional<std::uint64_t> rsrcOffset = RvaToOffset(sections, rsrcRva, rsrcSize);
    const std::optional<std::string> rsrc = rsrcOffset ? read(*rsrcOffset, rsrcSize) : std::nullopt;
    if (!rsrc) {
        return std::nullopt;
    }
    // Type, then name, then language; the first name and the first language are taken.
    const std::optional<std::size_t> names = SubdirectoryOf(FindEntry(*rsrc, 0, kRtVersion));
    const std::optional<std::size_t> languages =
        names ? SubdirectoryOf(FindEntry(*rsrc, *names, std::nullopt)) : std::nullopt;
    const std::optional<std::uint32_t> leaf =
        languages ? FindEntry(*rsrc, *languages, std::nullopt) : std::nullopt;
    if (!leaf || (*leaf & kHighBit) != 0 || std::size_t{*leaf} + 8 > rsrc->size()) {
        return std::nullopt;
    }
    const std::uint32_t dataRva = U32(*rsrc, *leaf);
    const std::size_t dataSize = std::min<std::size_t>(U32(*rsrc, *leaf + 4), kMaxVersionBlock);
    const std::optional<std::uint64_t> dataOffset = RvaToOffset(sections, dataRva, dataSize);
    if (!dataOffset || dataSize == 0) {
        return std::nullopt;
    }
    return read(*dataOffset, dataSize);
}

} // namespace tintora
