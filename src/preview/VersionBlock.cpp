#include "preview/VersionBlock.h"

#include "text/Ascii.h"

#include <cstddef>
#include <cstdint>

namespace tintora {

namespace {

constexpr std::size_t kHeaderSize = 6; // wLength, wValueLength, wType

constexpr std::size_t AlignUp4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

std::uint16_t ReadU16(std::string_view bytes, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[pos]) |
                                      static_cast<unsigned char>(bytes[pos + 1]) << 8);
}

void AppendU16(std::string& out, std::uint32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

void PatchU16(std::string& out, std::size_t pos, std::size_t value) {
    out[pos] = static_cast<char>(value & 0xFF);
    out[pos + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-8 to UTF-16LE for the texts the program itself puts into a block (keys, version texts).
void AppendUtf16Le(std::string& out, std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            AppendU16(out, 0xD800 | (cp >> 10));
            AppendU16(out, 0xDC00 | (cp & 0x3FF));
        } else {
            AppendU16(out, cp);
        }
        i += length;
    }
}

void PadTo4(std::string& out) {
    out.append(AlignUp4(out.size()) - out.size(), '\0');
}

void AppendNode(std::string& out, const TVersionNode& node) {
    PadTo4(out);
    const std::size_t start = out.size();
    out.append(kHeaderSize, '\0');
    AppendUtf16Le(out, node.Key);
    AppendU16(out, 0);
    PadTo4(out);
    std::size_t valueLength = node.Value.size();
    if (node.IsText && !node.Value.empty()) {
        const std::size_t valueStart = out.size();
        AppendUtf16Le(out, node.Value);
        AppendU16(out, 0);
        valueLength = (out.size() - valueStart) / 2;
    } else {
        out += node.Value;
    }
    for (const TVersionNode& child : node.Children) {
        AppendNode(out, child);
    }
    PatchU16(out, start, out.size() - start);
    PatchU16(out, start + 2, valueLength);
    PatchU16(out, start + 4, node.IsText ? 1 : 0);
}

// One node of a stored block, located by its offsets.
struct TNodeView {
    std::size_t End = 0; // one past the node's last byte
    std::string Key;
    TVersionValue Value;
    std::size_t ChildrenStart = 0;
};

std::optional<TNodeView> ReadNode(std::string_view block, std::size_t pos, std::size_t limit) {
    if (pos + kHeaderSize > limit) {
        return std::nullopt;
    }
    const std::size_t length = ReadU16(block, pos);
    const std::size_t valueLength = ReadU16(block, pos + 2);
    const bool isText = ReadU16(block, pos + 4) == 1;
    if (length < kHeaderSize || pos + length > limit) {
        return std::nullopt;
    }
    TNodeView node;
    node.End = pos + length;
    std::size_t keyEnd = pos + kHeaderSize;
    while (keyEnd + 2 <= node.End && ReadU16(block, keyEnd) != 0) {
        keyEnd += 2;
    }
    node.Key = Utf16LeToUtf8(block.substr(pos + kHeaderSize, keyEnd - pos - kHeaderSize));
    const std::size_t valueStart = std::min(AlignUp4(keyEnd + 2), node.End);
    const std::size_t valueBytes =
        std::min(isText ? valueLength * 2 : valueLength, node.End - valueStart);
    node.Value = {block.substr(valueStart, valueBytes), isText};
    node.ChildrenStart = AlignUp4(valueStart + valueBytes);
    return node;
}

std::optional<TNodeView> FindChild(std::string_view block, const TNodeView& parent,
                                   std::string_view key) {
    std::size_t pos = parent.ChildrenStart;
    while (pos < parent.End) {
        std::optional<TNodeView> child = ReadNode(block, pos, parent.End);
        if (!child) {
            return std::nullopt;
        }
        if (EqualsIgnoringAsciiCase(child->Key, key)) {
            return child;
        }
        pos = AlignUp4(child->End);
    }
    return std::nullopt;
}

} // namespace

std::string SerializeVersionBlock(const TVersionNode& root) {
    std::string out;
    AppendNode(out, root);
    return out;
}

std::optional<TVersionValue> QueryVersionValue(std::string_view block, std::string_view subBlock) {
    std::optional<TNodeView> node = ReadNode(block, 0, block.size());
    std::size_t pos = 0;
    while (node && pos < subBlock.size()) {
        const std::size_t end = std::min(subBlock.find('\\', pos), subBlock.size());
        if (end > pos) {
            node = FindChild(block, *node, subBlock.substr(pos, end - pos));
        }
        pos = end + 1;
    }
    if (!node) {
        return std::nullopt;
    }
    return node->Value;
}

std::string Utf16LeToUtf8(std::string_view units) {
    std::string out;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        std::uint32_t unit = ReadU16(units, i);
        if (unit == 0) {
            break;
        }
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < units.size()) {
            const std::uint32_t low = ReadU16(units, i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    return out;
}

} // namespace tintora
