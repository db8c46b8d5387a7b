#pragma once

// The product version of an executable file. A Windows executable has it in its version resource;
// any other program is asked with "--version" and the first dotted number it prints is taken,
// read as a block in US English with Unicode text.

#include "preview/VersionBlock.h"
#include "services/ProcessStarter.h"

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintora {

// Every failure to read version information.
class EVerInfo : public std::runtime_error {
public:
    EVerInfo();
};

inline constexpr std::string_view VerInfoErrorMessage = "バージョン情報が取得できません.";
inline constexpr std::chrono::milliseconds VersionQueryTimeLimit{3000};

class TVerInfo {
public:
    // Reads the block of the file. Raises EVerInfo when the file is missing, carries no version
    // information, or its block has no translation table.
    TVerInfo(const std::string& fileName, IProcessStarter& processes);

    // The text at a path in the block, up to its first NUL, blanks and control characters trimmed
    // at both ends. Raises EVerInfo when the path names no value.
    std::string GetValue(std::string_view subBlock) const;
    // "\StringFileInfo\" + Language + CodePage + "\ProductVersion".
    std::string GetProductVersion() const;
    // The product version's text before its first ".".
    std::string GetMajorVersion() const;

    // The first word of the translation table as four upper-case hexadecimal digits, and the
    // second.
    const std::string& Language() const { return language_; }
    const std::string& CodePage() const { return codePage_; }

    // Part index (0..3) of a dotted version text: at most 10 characters each, anything after a
    // fourth "." ignored, blanks and control characters trimmed; empty when there is no such part.
    static std::string VersionPart(std::string_view version, int index);

private:
    std::string block_;
    std::string language_;
    std::string codePage_;
};

// The first run of digits with at least one "." and more digits after it ("115.3.0" in "Mozilla
// Firefox 115.3.0esr"); empty when there is none.
std::string FirstDottedVersion(std::string_view text);

// A block holding only a product version, as a program that prints its version is read.
TVersionNode ProductVersionBlock(const std::string& version);

} // namespace tintora
