#pragma once

// The version information block that Windows executables carry (VS_VERSIONINFO): a tree of
// nodes, each with a key, a text or binary value and child nodes. Keys and text values are
// UTF-16LE in the block and UTF-8 here. Nodes are read with every length checked against the
// block, so any bytes may be queried.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

struct TVersionNode {
    std::string Key;
    bool IsText = false;
    std::string Value; // UTF-8 when IsText, raw bytes otherwise
    std::vector<TVersionNode> Children;
};

// The node as it is stored: lengths, type, key, value and children, each part aligned to four
// bytes. A text value gets its terminating NUL; an empty one is stored with no value at all.
std::string SerializeVersionBlock(const TVersionNode& root);

struct TVersionValue {
    std::string_view Bytes; // a text value's UTF-16LE units, NUL included when stored so
    bool IsText = false;
};

// The value at a path such as "\StringFileInfo\040904B0\ProductVersion" ("\" alone is the root's
// value), keys compared without regard to ASCII case; nothing when a node on the path is missing.
std::optional<TVersionValue> QueryVersionValue(std::string_view block, std::string_view subBlock);

// UTF-16LE units up to the first NUL, as UTF-8. An unpaired surrogate becomes U+FFFD; an odd
// last byte is dropped.
std::string Utf16LeToUtf8(std::string_view units);

} // namespace tintora
