#pragma once

// The lines of a settings file in their order, with the sections indexed when the text is read
// and each section's keys when it is first looked into, so that finding a key takes the same time
// in a file of ten lines or ten million. The index of keys is built on a const look-up: an object
// is for one thread.
//
// All line texts share one buffer and a line costs a few integers beside its bytes: a settings
// file in memory takes little more than its size. Section and key names compare without regard
// to ASCII letter case. A section may appear in several blocks: its keys are found in all of
// them, the first line of a key wins, and a new key goes to the end of the section's first block
// (after its last line that is not blank).

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tintora {

enum class TLineKind : std::uint8_t { lkOther, lkSection, lkKey };

struct TLineParts {
    TLineKind Kind = TLineKind::lkOther;
    std::string_view Name;     // section name or key name, trimmed of spaces and tabs
    std::string_view RawValue; // a key line's text after its first "="
};

// How a line reads: "[" name "]" (the name running to the last "]") is a section line; a line
// with "=" and a name before it is a key line; anything else is kept as it stands.
TLineParts ClassifyLine(std::string_view line);

// The text without the spaces and tabs around it.
std::string_view TrimSpaces(std::string_view text);
bool IsBlankLine(std::string_view line);

class TIniLines {
public:
    using TLineId = std::uint32_t;
    static constexpr TLineId none = UINT32_MAX;

    TIniLines() : TIniLines(std::string()) {}
    // text is UTF-8; CR, LF and CR LF each end a line. Throws std::length_error for a text of
    // 2 GiB or more.
    explicit TIniLines(std::string text);

    // Names are compared as they are given: the caller trims them as the file's names are.
    TLineId FindKey(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    std::string_view Line(TLineId id) const;

    // The key line's text becomes line, which must read as the same key. Throws
    // std::length_error when the buffer of added text is full.
    void ReplaceKeyLine(TLineId id, std::string_view line);
    // Adds keyLine to the section, and sectionLine (after a blank line, when the file does not
    // end in one) at the end of the file when the section is missing.
    void AddKeyLine(std::string_view section, std::string_view sectionLine,
                    std::string_view keyLine);
    // Removes every block of the section: its section line, key lines and blank lines.
    void EraseSection(std::string_view section);

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Calls visit(line id) for every line in file order.
    template <class F>
    void ForEachLine(F&& visit) const {
        const auto withAdded = [&](TLineId id) {
            visit(id);
            if (!added_.empty()) {
                if (const auto it = added_.find(id); it != added_.end()) {
                    for (const TLineId key : it->second) {
                        visit(key);
                    }
                }
            }
        };
        for (TLineId id = 0; id < fileLineCount_; ++id) {
            withAdded(id);
        }
        for (const TLineId id : atEnd_) {
            withAdded(id);
        }
    }

private:
    struct TLineRecord {
        std::uint32_t begin; // in text_, or in addedText_ with addedBit set
        std::uint32_t length;
    };
    struct TKeySlot {
        std::uint32_t hash;
        TLineId line; // none: empty slot
    };
    // A large table in huge pages where the system offers them: its slots are reached at random,
    // and with small pages nearly every look-up would first miss the address translation cache.
    template <class T>
    struct THugePageAllocator {
        using value_type = T;
        THugePageAllocator() = default;
        template <class U>
        THugePageAllocator(const THugePageAllocator<U>&) {}
        T* allocate(std::size_t n);
        void deallocate(T* p, std::size_t n);
        friend bool operator==(const THugePageAllocator&, const THugePageAllocator&) {
            return true;
        }
    };
    // A section's blocks among the lines read, the line after which its new keys go, and its keys,
    // indexed when it is first looked into: a key of a section nobody reads costs nothing.
    struct TSection {
        std::vector<std::pair<TLineId, TLineId>> blocks; // [section line, end of block)
        TLineId anchor = none;
        std::vector<TKeySlot, THugePageAllocator<TKeySlot>> keySlots; // empty until indexed
        std::size_t keyCount = 0;
    };
    static constexpr std::uint32_t addedBit = 0x80000000u;
    static constexpr std::uint32_t noSection = UINT32_MAX;

    TLineId NewLine(std::string_view text);
    std::uint32_t SectionId(std::string_view name) const;
    std::uint32_t AddSection(std::string_view name);
    TSection& IndexedSection(std::uint32_t id) const;
    TLineId LookUpKey(const TSection& section, std::string_view key, std::uint32_t hash) const;
    void IndexKey(TSection& section, TLineId id, std::string_view key, std::uint32_t hash) const;
    TLineId LastLine() const;

    std::string text_;      // the lines read, one after another
    std::string addedText_; // lines written since
    std::vector<TLineRecord> lines_;
    TLineId fileLineCount_ = 0;
    std::unordered_map<std::string, std::uint32_t> sectionIds_; // by lowered name
    mutable std::vector<TSection> sections_;
    // Key lines added after a line of the file (or after a new section line), in order; new
    // sections and the blank lines before them, at the end of the file.
    std::unordered_map<TLineId, std::vector<TLineId>> added_;
    std::vector<TLineId> atEnd_;
};

} // namespace tintora
