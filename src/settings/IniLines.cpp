#include "settings/IniLines.h"

#include "text/Ascii.h"

#include <algorithm>
#include <array>
#include <bit>
#include <new>
#include <stdexcept>
#include <sys/mman.h>

namespace tintora {

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Lines of a text below this size fit the 31-bit offsets of a line record.
constexpr std::size_t maxTextSize = 0x7FFFFFFFu;

// FNV-1a over the lowered name, with a final mix so that the low bits pick the slot well.
std::uint32_t KeyHash(std::string_view key) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : key) {
        hash = (hash ^ static_cast<unsigned char>(AsciiToLower(c))) * 0x100000001b3u;
    }
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9u;
    hash ^= hash >> 32;
    return static_cast<std::uint32_t>(hash);
}

constexpr std::size_t hugePage = std::size_t{2} << 20;

} // namespace

template <class T>
T* TIniLines::THugePageAllocator<T>::allocate(std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < 2 * hugePage) {
        return std::allocator<T>().allocate(n);
    }
    const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void* p = ::operator new (rounded, std::align_val_t{hugePage});
    madvise(p, rounded, MADV_HUGEPAGE); // a hint; without it the table works the same
    return static_cast<T*>(p);
}

template <class T>
void TIniLines::THugePageAllocator<T>::deallocate(T* p, std::size_t n) {
    if (n * sizeof(T) < 2 * hugePage) {
        std::allocator<T>().deallocate(p, n);
    } else {
        ::operator delete (p, std::align_val_t{hugePage});
    }
}

template struct TIniLines::THugePageAllocator<TIniLines::TKeySlot>;

TLineParts ClassifyLine(std::string_view line) {
    TLineParts parts;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos && line[first] == '[') {
        const std::size_t close = line.rfind(']');
        if (close != std::string_view::npos) {
            parts.Kind = TLineKind::lkSection;
            parts.Name = TrimSpaces(line.substr(first + 1, close - first - 1));
            return parts;
        }
    }
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        const std::string_view key = TrimSpaces(line.substr(0, equals));
        if (!key.empty()) {
            parts.Kind = TLineKind::lkKey;
            parts.Name = key;
            parts.RawValue = line.substr(equals + 1);
        }
    }
    return parts;
}

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

bool IsBlankLine(std::string_view line) {
    return TrimSpaces(line).empty();
}

TIniLines::TIniLines(std::string text) : text_(std::move(text)) {
    if (text_.size() >= maxTextSize) {
        throw std::length_error("settings text too large");
    }
    std::size_t lineCount = 0;
    for (std::size_t i = 0; i < text_.size(); ++i) {
        lineCount += IsLineBreak(text_[i]) &&
                     !(text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n');
    }
    lines_.reserve(lineCount + 1);

    std::uint32_t section = noSection;
    bool firstBlock = false;
    std::size_t start = 0;
    while (start < text_.size()) {
        std::size_t end = start;
        while (end < text_.size() && !IsLineBreak(text_[end])) {
            ++end;
        }
        const std::string_view line = std::string_view(text_).substr(start, end - start);
        const auto id = static_cast<TLineId>(lines_.size());
        // Only a line that starts with "[" can open a section; the others need no closer look yet.
        const std::size_t first = line.find_first_not_of(" \t");
        const TLineParts parts = first != std::string_view::npos && line[first] == '['
                                     ? ClassifyLine(line)
                                     : TLineParts{};
        if (parts.Kind == TLineKind::lkSection) {
            if (section != noSection) {
                sections_[section].blocks.back().second = id;
            }
            section = SectionId(parts.Name);
            firstBlock = section == noSection;
            if (firstBlock) {
                section = AddSection(parts.Name);
                sections_[section].anchor = id;
            }
            sections_[section].blocks.emplace_back(id, none);
        } else if (firstBlock && first != std::string_view::npos) {
            sections_[section].anchor = id;
        }
        lines_.push_back(
            {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
        start = end + (end < text_.size() ? 1 : 0);
        if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') {
            ++start;
        }
    }
    fileLineCount_ = static_cast<TLineId>(lines_.size());
    if (section != noSection) {
        sections_[section].blocks.back().second = fileLineCount_;
    }
}

std::uint32_t TIniLines::SectionId(std::string_view name) const {
    const auto it = sectionIds_.find(AsciiLowered(name));
    return it == sectionIds_.end() ? noSection : it->second;
}

std::uint32_t TIniLines::AddSection(std::string_view name) {
    const auto id = static_cast<std::uint32_t>(sections_.size());
    sectionIds_.emplace(AsciiLowered(name), id);
    sections_.emplace_back();
    return id;
}

TIniLines::TSection& TIniLines::IndexedSection(std::uint32_t sectionId) const {
    TSection& section = sections_[sectionId];
    if (!section.keySlots.empty()) {
        return section;
    }
    std::size_t lineCount = 0;
    for (const auto& [first, end] : section.blocks) {
        lineCount += end - first;
    }
    // A table a quarter empty at least, so that a search ends after a few slots.
    section.keySlots.assign(std::max<std::size_t>(16, std::bit_ceil(lineCount + lineCount / 3 + 1)),
                            TKeySlot{0, none});
    // A key goes into the table some lines after its slot was asked for: in a large section the
    // slots lie all over memory, and fetching several at once hides most of the wait for each.
    struct TPendingKey {
        TLineId id;
        std::string_view key;
        std::uint32_t hash;
    };
    constexpr std::size_t pipelineDepth = 16;
    std::array<TPendingKey, pipelineDepth> pending{};
    std::size_t keysSeen = 0;
    for (const auto& [first, end] : section.blocks) {
        for (TLineId id = first; id < end; ++id) {
            const TLineParts parts = ClassifyLine(Line(id));
            if (parts.Kind != TLineKind::lkKey) {
                continue;
            }
            const std::uint32_t hash = KeyHash(parts.Name);
            __builtin_prefetch(&section.keySlots[hash & (section.keySlots.size() - 1)]);
            TPendingKey& next = pending[keysSeen++ % pipelineDepth];
            if (keysSeen > pipelineDepth) {
                IndexKey(section, next.id, next.key, next.hash);
            }
            next = {id, parts.Name, hash};
        }
    }
    for (std::size_t i = keysSeen > pipelineDepth ? keysSeen - pipelineDepth : 0; i < keysSeen;
         ++i) {
        const TPendingKey& key = pending[i % pipelineDepth];
        IndexKey(section, key.id, key.key, key.hash);
    }
    return section;
}

TIniLines::TLineId TIniLines::LookUpKey(const TSection& section, std::string_view key,
                                        std::uint32_t hash) const {
    const auto& slots = section.keySlots;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask; slots[i].line != none; i = (i + 1) & mask) {
        if (slots[i].hash == hash &&
            EqualsIgnoringAsciiCase(ClassifyLine(Line(slots[i].line)).Name, key)) {
            return slots[i].line;
        }
    }
    return none;
}

void TIniLines::IndexKey(TSection& section, TLineId id, std::string_view key,
                         std::uint32_t hash) const {
    if (LookUpKey(section, key, hash) != none) {
        return; // the first line of a key wins
    }
    auto& slots = section.keySlots;
    if ((section.keyCount + 1) * 4 > slots.size() * 3) {
        std::vector<TKeySlot, THugePageAllocator<TKeySlot>> old(slots.size() * 2,
                                                                TKeySlot{0, none});
        old.swap(slots);
        for (const TKeySlot& slot : old) {
            if (slot.line != none) {
                std::size_t i = slot.hash & (slots.size() - 1);
                while (slots[i].line != none) {
                    i = (i + 1) & (slots.size() - 1);
                }
                slots[i] = slot;
            }
        }
    }
    std::size_t i = hash & (slots.size() - 1);
    while (slots[i].line != none) {
        i = (i + 1) & (slots.size() - 1);
    }
    slots[i] = {hash, id};
    ++section.keyCount;
}

TIniLines::TLineId TIniLines::FindKey(std::string_view section, std::string_view key) const {
    const std::uint32_t id = SectionId(section);
    return id == noSection ? none : LookUpKey(IndexedSection(id), key, KeyHash(key));
}

bool TIniLines::HasSection(std::string_view section) const {
    return SectionId(section) != noSection;
}

std::string_view TIniLines::Line(TLineId id) const {
    const TLineRecord& line = lines_[id];
    const std::string& buffer = (line.begin & addedBit) != 0 ? addedText_ : text_;
    return std::string_view(buffer).substr(line.begin & ~addedBit, line.length);
}

TIniLines::TLineId TIniLines::NewLine(std::string_view text) {
    const auto id = static_cast<TLineId>(lines_.size());
    lines_.push_back({static_cast<std::uint32_t>(addedText_.size()) | addedBit,
                      static_cast<std::uint32_t>(text.size())});
    addedText_ += text;
    return id;
}

void TIniLines::ReplaceKeyLine(TLineId id, std::string_view line) {
    if (addedText_.size() + line.size() >= maxTextSize) {
        throw std::length_error("settings text too large");
    }
    lines_[id] = {static_cast<std::uint32_t>(addedText_.size()) | addedBit,
                  static_cast<std::uint32_t>(line.size())};
    addedText_ += line;
}

TIniLines::TLineId TIniLines::LastLine() const {
    TLineId last = !atEnd_.empty() ? atEnd_.back() : fileLineCount_ > 0 ? fileLineCount_ - 1 : none;
    if (last != none) {
        if (const auto it = added_.find(last); it != added_.end() && !it->second.empty()) {
            last = it->second.back();
        }
    }
    return last;
}

void TIniLines::AddKeyLine(std::string_view section, std::string_view sectionLine,
                           std::string_view keyLine) {
    if (addedText_.size() + sectionLine.size() + keyLine.size() >= maxTextSize ||
        lines_.size() + 3 >= none) {
        throw std::length_error("settings text too large");
    }
    std::uint32_t id = SectionId(section);
    if (id == noSection) {
        const TLineId last = LastLine();
        if (last != none && !IsBlankLine(Line(last))) {
            atEnd_.push_back(NewLine(""));
        }
        id = AddSection(section);
        sections_[id].anchor = NewLine(sectionLine);
        atEnd_.push_back(sections_[id].anchor);
    }
    TSection& indexed = IndexedSection(id);
    const TLineId key = NewLine(keyLine);
    added_[indexed.anchor].push_back(key);
    const std::string_view name = ClassifyLine(Line(key)).Name;
    IndexKey(indexed, key, name, KeyHash(name));
}

namespace {

// Calls visit(line id, its parts, whether it lies in a block of the section) for every line in
// file order.
template <class F>
void ForEachLineOfSection(const TIniLines& lines, std::string_view section, F&& visit) {
    bool inSection = false;
    lines.ForEachLine([&](TIniLines::TLineId id) {
        const TLineParts parts = ClassifyLine(lines.Line(id));
        if (parts.Kind == TLineKind::lkSection) {
            inSection = EqualsIgnoringAsciiCase(parts.Name, section);
        }
        visit(id, parts, inSection);
    });
}

} // namespace

// Rare (twice a shutdown): the lines that stay are read again as a new text.
void TIniLines::EraseSection(std::string_view section) {
    if (!HasSection(section)) {
        return;
    }
    std::string kept;
    kept.reserve(text_.size() + addedText_.size() + lines_.size());
    ForEachLineOfSection(*this, section, [&](TLineId id, const TLineParts& parts, bool erased) {
        const std::string_view line = Line(id);
        if (!erased || (parts.Kind == TLineKind::lkOther && !IsBlankLine(line))) {
            kept += line;
            kept += '\n';
        }
    });
    *this = TIniLines(std::move(kept));
}

std::vector<std::string> TIniLines::SectionNames() const {
    std::vector<std::string> names;
    std::vector<bool> seen(sections_.size());
    ForEachLine([&](TLineId id) {
        const TLineParts parts = ClassifyLine(Line(id));
        if (parts.Kind == TLineKind::lkSection && !seen[SectionId(parts.Name)]) {
            seen[SectionId(parts.Name)] = true;
            names.emplace_back(parts.Name);
        }
    });
    return names;
}

std::vector<std::string> TIniLines::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    ForEachLineOfSection(*this, section, [&](TLineId id, const TLineParts& parts, bool inSection) {
        if (inSection && parts.Kind == TLineKind::lkKey && FindKey(section, parts.Name) == id) {
            names.emplace_back(parts.Name);
        }
    });
    return names;
}

} // namespace tintora
