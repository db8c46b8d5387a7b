#include "settings/IniFile2.h"

#include "text/Ascii.h"
#include "text/CodePage.h"
#include "text/Encoding.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view lineEnd = "\r\n";

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && IsSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool IsBlankLine(std::string_view text) {
    return Trim(text).empty();
}

// Names given by callers are brought into the form names read from the file have, so that what is
// written under a name is found under it again.
std::string NormalizeName(std::string_view name) {
    return std::string(Trim(ReplaceMalformedUtf8(name)));
}

std::string_view UpToLineBreak(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

enum class TLineKind { lkOther, lkSection, lkKey };

struct TLine {
    std::string text;
    TLineKind kind = TLineKind::lkOther;
    // Offsets into text, which keep pointing at the right bytes when the line is moved.
    std::size_t nameBegin = 0;
    std::size_t nameLength = 0;
    std::size_t valueBegin = 0;

    std::string_view Name() const { return std::string_view(text).substr(nameBegin, nameLength); }
    std::string_view RawValue() const { return std::string_view(text).substr(valueBegin); }
};

// A section line's name runs to its last "]", so that a name holding "]" survives a round trip.
TLine ClassifyLine(std::string text) {
    TLine line{std::move(text)};
    const std::string_view view = line.text;
    const std::size_t first = view.find_first_not_of(" \t");
    if (first != std::string_view::npos && view[first] == '[') {
        const std::size_t close = view.rfind(']');
        if (close != std::string_view::npos) {
            const std::string_view name = Trim(view.substr(first + 1, close - first - 1));
            line.kind = TLineKind::lkSection;
            line.nameBegin = static_cast<std::size_t>(name.data() - view.data());
            line.nameLength = name.size();
            return line;
        }
    }
    const std::size_t equals = view.find('=');
    if (equals != std::string_view::npos) {
        const std::string_view key = Trim(view.substr(0, equals));
        if (!key.empty()) {
            line.kind = TLineKind::lkKey;
            line.nameBegin = static_cast<std::size_t>(key.data() - view.data());
            line.nameLength = key.size();
            line.valueBegin = equals + 1;
        }
    }
    return line;
}

// The file's bytes as UTF-8. A BOM settles the question: what follows is UTF-8 even when some of
// it is broken. Without one, anything that is not entirely valid UTF-8 came from the Windows
// system in code page 932.
std::string DecodeFile(std::string_view bytes) {
    if (bytes.substr(0, utf8Bom.size()) == utf8Bom) {
        return ReplaceMalformedUtf8(bytes.substr(utf8Bom.size()));
    }
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    if (auto converted = Cp932ToUtf8(bytes)) {
        return std::move(*converted);
    }
    return ReplaceMalformedUtf8(bytes);
}

std::vector<TLine> SplitLines(std::string_view text) {
    std::vector<TLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(ClassifyLine(std::string(text.substr(start))));
            break;
        }
        lines.push_back(ClassifyLine(std::string(text.substr(start, end - start))));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string ValueByReadingRule(std::string_view raw) {
    std::string_view value = Trim(raw);
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

enum class TReadResult { rrRead, rrMissing, rrFailed };

// Opens without blocking, so that a FIFO put in the file's place cannot hang the program.
TReadResult ReadWholeFile(const std::string& fileName, std::string& contents) {
    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? TReadResult::rrMissing : TReadResult::rrFailed;
    }
    struct stat st {};
    TReadResult result = TReadResult::rrRead;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = TReadResult::rrFailed;
    }
    char buffer[65536];
    while (result == TReadResult::rrRead) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            contents.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            result = TReadResult::rrFailed;
        }
    }
    close(fd);
    return result;
}

mode_t CurrentUmask() {
    // Reading the mask from /proc leaves it alone; setting and restoring it would race with any
    // other thread that creates files.
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned int mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr) {
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        }
        std::fclose(status);
        if (found) {
            return static_cast<mode_t>(mask);
        }
    }
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The path whose file is to be replaced: a symbolic link is followed, so that the link stays and
// the file it names gets the new contents.
std::optional<std::string> ReplacementTarget(const std::string& fileName) {
    struct stat st {};
    if (lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return fileName;
    }
    char* resolved = realpath(fileName.c_str(), nullptr);
    if (resolved == nullptr) {
        return std::nullopt;
    }
    std::string target(resolved);
    std::free(resolved);
    return target;
}

} // namespace

// Replaces the file in one rename, so that readers see either the old or the new contents, never
// a part. Refuses a file that is marked read-only even where the system would let us replace it
// (the folder is writable, or we are root): the user marked it so that it stays as it is.
bool ReplaceFileContents(const std::string& fileName, std::string_view bytes) {
    const std::optional<std::string> target = ReplacementTarget(fileName);
    if (!target) {
        return false;
    }
    struct stat st {};
    bool exists = false;
    if (stat(target->c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || access(target->c_str(), W_OK) != 0 ||
            (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return false;
        }
        exists = true;
    } else if (errno != ENOENT) {
        return false;
    }
    const mode_t mode = exists ? (st.st_mode & 07777) : (0644 & ~CurrentUmask());

    const std::size_t slash = target->rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string tempName =
        target->substr(0, nameStart) + "." + target->substr(nameStart) + ".XXXXXX";
    const int fd = mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (exists && fchown(fd, st.st_uid, st.st_gid) != 0) {
        // Only root may give a file away; anyone else's new file is their own, which is right.
    }
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(tempName.c_str(), target->c_str()) == 0;
    if (!ok) {
        unlink(tempName.c_str());
        return false;
    }
    // The rename is done; syncing the folder only makes it survive a power cut sooner.
    const std::string folder = nameStart == 0 ? std::string(".") : target->substr(0, nameStart);
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

EIniWriteError::EIniWriteError(const std::string& fileName)
    : std::runtime_error(fileName + " に書き込めません"), fileName_(fileName) {}

struct TIniFile2::Impl {
    std::string fileName;
    std::vector<TLine> lines;
    // Set when the file exists but could not be read: replacing it would throw its contents away.
    bool unreadable = false;

    void Parse(std::string_view bytes) { lines = SplitLines(DecodeFile(bytes)); }

    // A section's keys may be spread over several blocks of the same name; the first key line in
    // file order wins.
    std::size_t FindKey(std::string_view section, std::string_view key) const {
        bool inSection = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const TLine& line = lines[i];
            if (line.kind == TLineKind::lkSection) {
                inSection = EqualsIgnoringAsciiCase(line.Name(), section);
            } else if (inSection && line.kind == TLineKind::lkKey &&
                       EqualsIgnoringAsciiCase(line.Name(), key)) {
                return i;
            }
        }
        return std::string::npos;
    }

    std::size_t FindSection(std::string_view section) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == TLineKind::lkSection &&
                EqualsIgnoringAsciiCase(lines[i].Name(), section)) {
                return i;
            }
        }
        return std::string::npos;
    }

    // After the last non-blank line of the block, so that blank lines between sections stay
    // between them.
    std::size_t EndOfBlock(std::size_t sectionLine) const {
        std::size_t end = sectionLine + 1;
        for (std::size_t i = sectionLine + 1;
             i < lines.size() && lines[i].kind != TLineKind::lkSection; ++i) {
            if (!IsBlankLine(lines[i].text)) {
                end = i + 1;
            }
        }
        return end;
    }

    const TLine* KeyLine(std::string_view section, std::string_view key) const {
        const std::size_t i = FindKey(NormalizeName(section), NormalizeName(key));
        return i == std::string::npos ? nullptr : &lines[i];
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
    std::string contents;
    switch (ReadWholeFile(impl_->fileName, contents)) {
    case TReadResult::rrRead:
        impl_->Parse(contents);
        break;
    case TReadResult::rrMissing:
        break;
    case TReadResult::rrFailed:
        impl_->unreadable = true;
        break;
    }
}

TIniFile2::TIniFile2(std::string fileName, std::string_view contents, FromContents)
    : impl_(std::make_unique<Impl>()) {
    impl_->fileName = std::move(fileName);
    impl_->Parse(contents);
}

TIniFile2::~TIniFile2() = default;

const std::string& TIniFile2::FileName() const {
    return impl_->fileName;
}

std::string TIniFile2::ReadString(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    const TLine* line = impl_->KeyLine(section, key);
    return line != nullptr ? ValueByReadingRule(line->RawValue()) : std::string(def);
}

std::int32_t TIniFile2::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t def) const {
    const TLine* line = impl_->KeyLine(section, key);
    if (line == nullptr) {
        return def;
    }
    return ParseInteger(ValueByReadingRule(line->RawValue())).value_or(def);
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
    return impl_->FindSection(NormalizeName(section)) != std::string::npos;
}

bool TIniFile2::ValueExists(std::string_view section, std::string_view key) const {
    return impl_->KeyLine(section, key) != nullptr;
}

std::optional<std::string> TIniFile2::ReadRawValue(std::string_view section,
                                                   std::string_view key) const {
    const TLine* line = impl_->KeyLine(section, key);
    if (line == nullptr) {
        return std::nullopt;
    }
    return std::string(line->RawValue());
}

std::vector<std::string> TIniFile2::SectionNames() const {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const TLine& line : impl_->lines) {
        if (line.kind == TLineKind::lkSection && seen.insert(AsciiLowered(line.Name())).second) {
            names.emplace_back(line.Name());
        }
    }
    return names;
}

std::vector<std::string> TIniFile2::KeyNames(std::string_view section) const {
    const std::string wanted = NormalizeName(section);
    std::vector<std::string> names;
    std::set<std::string> seen;
    bool inSection = false;
    for (const TLine& line : impl_->lines) {
        if (line.kind == TLineKind::lkSection) {
            inSection = EqualsIgnoringAsciiCase(line.Name(), wanted);
        } else if (inSection && line.kind == TLineKind::lkKey &&
                   seen.insert(AsciiLowered(line.Name())).second) {
            names.emplace_back(line.Name());
        }
    }
    return names;
}

// Every new line is read back before it goes in: a line that would not come back as the same
// section or the same key and value (a key holding "=", a key line that would read as a section
// line) would change how the rest of the file reads.
void TIniFile2::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string sectionName = NormalizeName(section);
    const std::string keyName = NormalizeName(key);
    const std::string storedValue = ReplaceMalformedUtf8(UpToLineBreak(value));

    TLine sectionLine = ClassifyLine("[" + sectionName + "]");
    if (HasLineBreak(sectionLine.text) || sectionLine.kind != TLineKind::lkSection ||
        sectionLine.Name() != sectionName) {
        throw EIniWriteError(impl_->fileName);
    }
    const auto makeKeyLine = [&](std::string_view name) {
        TLine line = ClassifyLine(std::string(name) + "=" + storedValue);
        if (HasLineBreak(line.text) || line.kind != TLineKind::lkKey || line.Name() != name ||
            line.RawValue() != storedValue) {
            throw EIniWriteError(impl_->fileName);
        }
        return line;
    };

    std::vector<TLine>& lines = impl_->lines;
    if (const std::size_t existing = impl_->FindKey(sectionName, keyName);
        existing != std::string::npos) {
        // The key keeps the spelling the file has.
        lines[existing] = makeKeyLine(lines[existing].Name());
        return;
    }
    TLine keyLine = makeKeyLine(keyName);
    if (const std::size_t found = impl_->FindSection(sectionName); found != std::string::npos) {
        const std::size_t at = impl_->EndOfBlock(found);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(keyLine));
        return;
    }
    if (!lines.empty() && !IsBlankLine(lines.back().text)) {
        lines.push_back(ClassifyLine(std::string()));
    }
    lines.push_back(std::move(sectionLine));
    lines.push_back(std::move(keyLine));
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
    const std::string name = NormalizeName(section);
    std::vector<TLine> kept;
    kept.reserve(impl_->lines.size());
    bool erasing = false;
    for (TLine& line : impl_->lines) {
        if (line.kind == TLineKind::lkSection) {
            erasing = EqualsIgnoringAsciiCase(line.Name(), name);
        }
        if (erasing && (line.kind != TLineKind::lkOther || IsBlankLine(line.text))) {
            continue;
        }
        kept.push_back(std::move(line));
    }
    impl_->lines = std::move(kept);
}

std::string TIniFile2::Text() const {
    std::string text;
    // A first line that itself begins with U+FEFF would lose it to the BOM test when read again.
    if (!impl_->lines.empty() && impl_->lines.front().text.starts_with(utf8Bom)) {
        text += utf8Bom;
    }
    for (const TLine& line : impl_->lines) {
        text += line.text;
        text += lineEnd;
    }
    return text;
}

void TIniFile2::UpdateFile() const {
    if (impl_->unreadable || !ReplaceFileContents(impl_->fileName, Text())) {
        throw EIniWriteError(impl_->fileName);
    }
}

} // namespace tintora
