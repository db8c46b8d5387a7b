#include "preview/VerInfo.h"

#include "preview/PeVersionResource.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <optional>

namespace tintora {

namespace {

constexpr std::string_view kTranslation = "\\VarFileInfo\\Translation";
constexpr std::string_view kUsEnglishUnicode = "040904B0";

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Hex4(unsigned value) {
    std::array<char, 5> digits{};
    std::snprintf(digits.data(), digits.size(), "%04X", value & 0xFFFFu);
    return digits.data();
}

std::optional<std::string> ReadFileRange(std::ifstream& file, std::uint64_t offset,
                                         std::size_t size) {
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(size, '\0');
    if (!file.read(bytes.data(), static_cast<std::streamsize>(size))) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> ReadVersionBlock(const std::string& fileName,
                                            IProcessStarter& processes) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    char magic[2] = {};
    if (file.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z') {
        return ReadPeVersionResource([&file](std::uint64_t offset, std::size_t size) {
            return ReadFileRange(file, offset, size);
        });
    }
    const std::optional<std::string> output =
        processes.RunForOutput(fileName, {"--version"}, VersionQueryTimeLimit);
    const std::string version = output ? FirstDottedVersion(*output) : std::string();
    if (version.empty()) {
        return std::nullopt;
    }
    return SerializeVersionBlock(ProductVersionBlock(version));
}

} // namespace

EVerInfo::EVerInfo() : std::runtime_error(std::string(VerInfoErrorMessage)) {}

TVerInfo::TVerInfo(const std::string& fileName, IProcessStarter& processes) {
    std::optional<std::string> block = ReadVersionBlock(fileName, processes);
    if (!block) {
        throw EVerInfo();
    }
    block_ = std::move(*block);
    const std::optional<TVersionValue> translation = QueryVersionValue(block_, kTranslation);
    if (!translation || translation->Bytes.size() < 4) {
        throw EVerInfo();
    }
    const auto word = [&](std::size_t pos) {
        return static_cast<unsigned>(static_cast<unsigned char>(translation->Bytes[pos]) |
                                     static_cast<unsigned char>(translation->Bytes[pos + 1]) << 8);
    };
    language_ = Hex4(word(0));
    codePage_ = Hex4(word(2));
}

std::string TVerInfo::GetValue(std::string_view subBlock) const {
    const std::optional<TVersionValue> value = QueryVersionValue(block_, subBlock);
    if (!value) {
        throw EVerInfo();
    }
    if (value->IsText) {
        return std::string(Trimmed(Utf16LeToUtf8(value->Bytes)));
    }
    const std::string_view bytes = value->Bytes.substr(0, value->Bytes.find('\0'));
    return std::string(Trimmed(bytes));
}

std::string TVerInfo::GetProductVersion() const {
    return GetValue("\\StringFileInfo\\" + language_ + codePage_ + "\\ProductVersion");
}

std::string TVerInfo::GetMajorVersion() const {
    return VersionPart(GetProductVersion(), 0);
}

std::string TVerInfo::VersionPart(std::string_view version, int index) {
    constexpr std::size_t kParts = 4;
    constexpr std::size_t kPartLength = 10;
    std::array<std::string, kParts> parts;
    std::size_t current = 0;
    for (const char c : version) {
        if (c == '.') {
            if (++current == kParts) {
                break;
            }
        } else if (parts[current].size() < kPartLength) {
            parts[current] += c;
        }
    }
    if (index < 0 || static_cast<std::size_t>(index) >= kParts) {
        return std::string();
    }
    return std::string(Trimmed(parts[static_cast<std::size_t>(index)]));
}

std::string FirstDottedVersion(std::string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t start = 0; start < text.size(); ++start) {
        if (!digit(text[start]) || (start > 0 && digit(text[start - 1]))) {
            continue;
        }
        std::size_t end = start;
        bool dotted = false;
        while (end < text.size() && digit(text[end])) {
            ++end;
            if (end + 1 < text.size() && text[end] == '.' && digit(text[end + 1])) {
                dotted = true;
                ++end;
            }
        }
        if (dotted) {
            return std::string(text.substr(start, end - start));
        }
    }
    return std::string();
}

TVersionNode ProductVersionBlock(const std::string& version) {
    const std::string translation("\x09\x04\xB0\x04", 4); // 0409, 04B0
    TVersionNode root{"VS_VERSION_INFO", false, "", {}};
    root.Children.push_back(
        {"StringFileInfo",
         true,
         "",
         {{std::string(kUsEnglishUnicode), true, "", {{"ProductVersion", true, version, {}}}}}});
    root.Children.push_back({"VarFileInfo", true, "", {{"Translation", false, translation, {}}}});
    return root;
}

} // namespace tintora
