#pragma once

// The settings file: an INI text file, UTF-8 with CR LF line ends. A line that is not valid UTF-8
// is taken as code page 932, the encoding of files carried over from Windows; every valid line
// stays UTF-8, so one stray byte cannot garble the rest of the file.
//
// The whole file is read when the object is made and held as lines; reads and writes work on
// that copy, and UpdateFile() replaces the file on disk in one atomic step. A failed update raises
// EFileWriteError and leaves the old file exactly as it was.
//
// Section and key names compare without regard to ASCII letter case. Lines the writer does not
// touch (comments, unknown sections, odd lines) are written back as they were.
//
// A section may appear more than once in a hand-edited file: its keys are looked up in all its
// blocks, the first occurrence of a key wins, and a write goes to that occurrence (a new key to
// the end of the first block). Names are trimmed of spaces and tabs on every call, as they are
// when the file is read. A write keeps the file readable as it was for every other key: a value
// is stored up to its first line break, bytes that are not UTF-8 are stored as U+FFFD, and a
// section or key name that cannot be stored on its line (a key with "=" or a line break, an
// empty key, a section name with a line break) raises EFileWriteError and changes nothing.

#include "files/WholeFile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

// Font style bits as stored in the file: "B", "I", "U", "S".
enum TFontStyleBits : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TIniFile2 {
public:
    // Longest value a read returns, in bytes; a longer value is cut at a character boundary.
    static constexpr std::size_t MaxValueLength = 1023;

    // The settings file that belongs to an executable: its path with the last extension replaced
    // by ".INI" (".INI" appended when it has none).
    static std::string DefaultFileName(std::string_view executablePath);

    // Reads fileName now; a missing or unreadable file is an empty settings file.
    explicit TIniFile2(std::string fileName);
    // Takes the file's bytes from contents instead of reading fileName; UpdateFile() still writes
    // to fileName. For tests and the fuzzer.
    struct FromContents {};
    TIniFile2(std::string fileName, std::string_view contents, FromContents);
    ~TIniFile2();
    TIniFile2(const TIniFile2&) = delete;
    TIniFile2& operator=(const TIniFile2&) = delete;

    const std::string& FileName() const;

    // The value with the spaces around it removed and one enclosing pair of double (or single)
    // quotes dropped; def when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal with optional sign, "$" hexadecimal, or "0x"/"0X" hexadecimal when longer than two
    // characters; anything else yields def.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // Bit set of TFontStyleBits: each capital letter B, I, U, S anywhere in the value.
    std::uint8_t ReadFontStyles(std::string_view section, std::string_view key) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The text after "=" exactly as the file holds it; nullopt when the section or key is missing.
    std::optional<std::string> ReadRawValue(std::string_view section, std::string_view key) const;
    // The sections, each once, in the order and spelling of their first appearance.
    std::vector<std::string> SectionNames() const;
    // The keys of a section, each once, in the order and spelling of their first appearance.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Replaces the value of an existing key in place, or adds the key at the end of its section,
    // or adds the section at the end of the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteQuotedString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFontStyles(std::string_view section, std::string_view key, std::uint8_t styles);
    // Removes the section line and all its key lines.
    void EraseSection(std::string_view section);

    // The file as it would be written: UTF-8, CR LF after every line.
    std::string Text() const;
    // Replaces the file with Text() in one atomic step (ReplaceWholeFile: refused for a folder
    // another user could write in and for a file without write permission bits; a symbolic link
    // stays). A file that existed but could not be read is never replaced. Raises EFileWriteError.
    void UpdateFile() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tintora
