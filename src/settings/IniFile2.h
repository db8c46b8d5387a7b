#pragma once

// The settings file: an INI text file, UTF-8 with CR LF line ends (a file that is not valid UTF-8
// is taken as code page 932, the encoding of files carried over from Windows).
//
// The whole file is read when the object is made and held as lines; reads and writes work on
// that copy, and UpdateFile() replaces the file on disk in one atomic step. A failed update raises
// EIniWriteError and leaves the old file exactly as it was.
//
// Section and key names compare without regard to ASCII letter case. Lines the writer does not
// touch (comments, unknown sections, odd lines) are written back as they were.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintora {

// Raised when the settings file cannot be replaced. what() is "<file name> に書き込めません".
class EIniWriteError : public std::runtime_error {
public:
    explicit EIniWriteError(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

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
    // Writes Text() to a new file beside the old one and renames it over the old one. Raises
    // EIniWriteError when the folder or the existing file is not writable or any step fails.
    void UpdateFile() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tintora
