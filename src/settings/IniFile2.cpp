#include "settings/IniFile2.h"

#include "files/WholeFile.h"
#include "settings/IniLines.h"
#include "text/Ascii.h"
#include "text/CodePage.h"
#include "text/Encoding.h"

#include <algorithm>

namespace tintora {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view lineEnd = "\r\n";

// Names given by callers are brought into the form names read from the file have, so that what is
// written under a name is found under it again.
std::string NormalizeName(std::string_view name) {
    return std::string(TrimSpaces(ReplaceMalformedUtf8(name)));
}

std::string_view UpToLineBreak(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// A line that is valid UTF-8 is UTF-8; only a line that is not came from the Windows system in
// code page 932. Deciding for the whole file would let one stray byte garble every other line.
// A BOM settles the question for the whole file: what follows is UTF-8 even where it is broken.
std::string DecodeFile(std::string bytes) {
    if (bytes.starts_with(utf8Bom)) {
        return ReplaceMalformedUtf8(std::string_view(bytes).substr(utf8Bom.size()));
    }
    if (IsValidUtf8(bytes)) {
        return bytes;
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    const std::string_view all = bytes;
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = std::min(all.find_first_of("\r\n", start), all.size());
        const std::string_view line = all.substr(start, end - start);
        if (IsValidUtf8(line)) {
            text += line;
        } else if (const auto converted = Cp932ToUtf8(line)) {
            text += *converted;
        } else {
            text += ReplaceMalformedUtf8(line);
        }
        // Line breaks are the same bytes in both encodings.
        start = std::min(all.find_first_not_of("\r\n", end), all.size());
        text += all.substr(end, start - end);
    }
    return text;
}

std::string ValueByReadingRule(std::string_view raw) {
    std::string_view value = TrimSpaces(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(CutAtCharBoundary(value, TIniFile2::MaxValueLength, TCodePage::cpUtf8));
}

// Hexadecimal is read into 32 bits and taken as signed, so "$FFFFFFFF" is -1, as files written on
// the Windows system expect.
std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2));
    }
    if (!text.empty() && text[0] == '$') {
        return ParseHex(text.substr(1));
    }
    return ParseDecimal(text);
}

constexpr struct {
    std::uint8_t bit;
    char letter;
} fontStyleLetters[] = {{fsBold, 'B'}, {fsItalic, 'I'}, {fsUnderline, 'U'}, {fsStrikeOut, 'S'}};

} // namespace

struct TIniFile2::Impl {
    std::string fileName;
    TIniLines lines;
    // Set when the file exists but could not be read: replacing it would throw its contents away.
    bool unreadable = false;

    void Parse(std::string bytes) {
        try {
            lines = TIniLines(DecodeFile(std::move(bytes)));
        } catch (const std::length_error&) {
            unreadable = true;
        }
    }

    std::optional<std::string_view> RawValue(std::string_view section, std::string_view key) const {
        const TIniLines::TLineId id = lines.FindKey(NormalizeName(section), NormalizeName(key));
        if (id == TIniLines::none) {
            return std::nullopt;
        }
        return ClassifyLine(lines.Line(id)).RawValue;
    }
};

std::string TIniFile2::DefaultFileName(std::string_view executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = executablePath.rfind('.');
    // A dot that begins the name marks a hidden file, not an extension.
    if (dot != std::string_view::npos && dot > nameStart) {
        executablePath = executablePath.substr(0, dot);
    }
    return std::string(executablePath) + ".INI";
}

TIniFile2::TIniFile2(std::string fileName) : impl_(std::make_unique<Impl>()) {
    impl_->fileName = std::move(fileName);
    TFileContents contents = ReadWholeFile(impl_->fileName);
    switch (contents.Status) {
    case TReadStatus::rsRead:
        impl_->Parse(std::move(contents.Bytes));
        break;
    case TReadStatus::rsMissing:
        break;
    case TReadStatus::rsFailed:
        impl_->unreadable = true;
        break;
    }
}

TIniFile2::TIniFile2(std::string fileName, std::string_view contents, FromContents)
    : impl_(std::make_unique<Impl>()) {
    impl_->fileName = std::move(fileName);
    impl_->Parse(std::string(contents));
}

TIniFile2::~TIniFile2() = default;

const std::string& TIniFile2::FileName() const {
    return impl_->fileName;
}

std::string TIniFile2::ReadString(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    const auto raw = impl_->RawValue(section, key);
    return raw ? ValueByReadingRule(*raw) : std::string(def);
}

std::int32_t TIniFile2::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t def) const {
    const auto raw = impl_->RawValue(section, key);
    return raw ? ParseInteger(ValueByReadingRule(*raw)).value_or(def) : def;
}

bool TIniFile2::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::uint8_t TIniFile2::ReadFontStyles(std::string_view section, std::string_view key) const {
    const std::string value = ReadString(section, key, "");
    std::uint8_t styles = 0;
    for (const auto& style : fontStyleLetters) {
        if (value.find(style.letter) != std::string::npos) {
            styles = static_cast<std::uint8_t>(styles | style.bit);
        }
    }
    return styles;
}

bool TIniFile2::SectionExists(std::string_view section) const {
    return impl_->lines.HasSection(NormalizeName(section));
}

bool TIniFile2::ValueExists(std::string_view section, std::string_view key) const {
    return impl_->RawValue(section, key).has_value();
}

std::optional<std::string> TIniFile2::ReadRawValue(std::string_view section,
                                                   std::string_view key) const {
    const auto raw = impl_->RawValue(section, key);
    return raw ? std::optional<std::string>(*raw) : std::nullopt;
}

std::vector<std::string> TIniFile2::SectionNames() const {
    return impl_->lines.SectionNames();
}

std::vector<std::string> TIniFile2::KeyNames(std::string_view section) const {
    return impl_->lines.KeyNames(NormalizeName(section));
}

// Every new line is read back before it goes in: a line that would not come back as the same
// section or the same key and value (a key holding "=", a key line that would read as a section
// line) would change how the rest of the file reads.
void TIniFile2::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string sectionName = NormalizeName(section);
    const std::string keyName = NormalizeName(key);
    const std::string storedValue = ReplaceMalformedUtf8(UpToLineBreak(value));

    const std::string sectionLine = "[" + sectionName + "]";
    const TLineParts sectionParts = ClassifyLine(sectionLine);
    if (HasLineBreak(sectionLine) || sectionParts.Kind != TLineKind::lkSection ||
        sectionParts.Name != sectionName) {
        throw EFileWriteError(impl_->fileName);
    }
    const auto makeKeyLine = [&](std::string_view name) {
        std::string line = std::string(name) + "=" + storedValue;
        const TLineParts parts = ClassifyLine(line);
        if (HasLineBreak(line) || parts.Kind != TLineKind::lkKey || parts.Name != name ||
            parts.RawValue != storedValue) {
            throw EFileWriteError(impl_->fileName);
        }
        return line;
    };

    TIniLines& lines = impl_->lines;
    try {
        if (const TIniLines::TLineId existing = lines.FindKey(sectionName, keyName);
            existing != TIniLines::none) {
            // The key keeps the spelling the file has.
            lines.ReplaceKeyLine(existing, makeKeyLine(ClassifyLine(lines.Line(existing)).Name));
        } else {
            lines.AddKeyLine(sectionName, sectionLine, makeKeyLine(keyName));
        }
    } catch (const std::length_error&) {
        throw EFileWriteError(impl_->fileName);
    }
}

void TIniFile2::WriteQuotedString(std::string_view section, std::string_view key,
                                  std::string_view value) {
    const std::string_view text = UpToLineBreak(value);
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.push_back('"');
    quoted.append(text);
    quoted.push_back('"');
    WriteString(section, key, quoted);
}

void TIniFile2::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile2::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile2::WriteFontStyles(std::string_view section, std::string_view key,
                                std::uint8_t styles) {
    std::string letters;
    for (const auto& style : fontStyleLetters) {
        if ((styles & style.bit) != 0) {
            letters += style.letter;
        }
    }
    WriteString(section, key, letters);
}

// Blank lines inside an erased block go with it, so that erasing a section and adding it again
// at the end, as every shutdown does with the templates, does not grow the file. Other lines that
// are not keys (comments, stray text) stay where they are.
void TIniFile2::EraseSection(std::string_view section) {
    impl_->lines.EraseSection(NormalizeName(section));
}

std::string TIniFile2::Text() const {
    std::string text;
    bool first = true;
    impl_->lines.ForEachLine([&](TIniLines::TLineId id) {
        const std::string_view line = impl_->lines.Line(id);
        // A first line that itself begins with U+FEFF would lose it to the BOM test when read
        // again.
        if (first && line.starts_with(utf8Bom)) {
            text += utf8Bom;
        }
        first = false;
        text += line;
        text += lineEnd;
    });
    return text;
}

void TIniFile2::UpdateFile() const {
    if (impl_->unreadable) {
        throw EFileWriteError(impl_->fileName);
    }
    ReplaceWholeFile(impl_->fileName, Text());
}

} // namespace tintora
