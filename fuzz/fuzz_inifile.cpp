// Any bytes as a settings file: reading never crashes, and what is read survives writing.

#include "settings/IniFile2.h"
#include "text/CodePage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using tintora::TIniFile2;

struct TEntry {
    std::string section;
    std::string key;
    std::string raw;
    std::string value;
};

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

TIniFile2 Parse(std::string_view bytes) {
    return TIniFile2("fuzz.INI", bytes, TIniFile2::FromContents{});
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// Every key of every section with what the reads give, in the order the file lists them.
std::vector<TEntry> Entries(const TIniFile2& ini) {
    std::vector<TEntry> entries;
    for (const std::string& section : ini.SectionNames()) {
        Check(ini.SectionExists(section), "listed section exists");
        for (const std::string& key : ini.KeyNames(section)) {
            const std::optional<std::string> raw = ini.ReadRawValue(section, key);
            Check(raw.has_value() && ini.ValueExists(section, key), "listed key exists");
            std::string value = ini.ReadString(section, key, "\x01missing");
            Check(value.size() <= TIniFile2::MaxValueLength, "value within the length limit");
            Check(tintora::IsValidUtf8(value), "value is UTF-8");
            // The typed reads only have to come back.
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadBool(section, key, false);
            (void)ini.ReadFontStyles(section, key);
            entries.push_back({section, key, *raw, std::move(value)});
        }
    }
    return entries;
}

bool operator==(const TEntry& a, const TEntry& b) {
    return a.section == b.section && a.key == b.key && a.raw == b.raw && a.value == b.value;
}

// A name of letters only, which every writer must accept as it is.
std::string LetterName(std::string_view bytes) {
    std::string name = "n";
    for (const char c : bytes) {
        name += static_cast<char>('a' + static_cast<unsigned char>(c) % 26);
    }
    return name;
}

// One write or one erase changes that key or section and nothing else. The input picks the
// target and gives the value, which may hold line breaks and bytes that are not UTF-8.
void CheckOneChange(TIniFile2& ini, const std::vector<TEntry>& original, std::string_view bytes) {
    const auto pick = static_cast<unsigned char>(bytes.front());
    // The last bytes of the input, padded, give the names and the value.
    std::string tail(bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 12)));
    tail.resize(12, 'x');
    std::string section = LetterName(std::string_view(tail).substr(0, 2));
    std::string key = LetterName(std::string_view(tail).substr(2, 2));
    if (!original.empty() && (pick & 0x01) != 0) {
        const TEntry& chosen = original[(pick >> 1) % original.size()];
        section = chosen.section;
        if ((pick & 0x02) != 0) {
            key = chosen.key;
        }
    }
    const std::string before = ini.Text();
    const bool erase = (pick & 0x80) != 0;
    if (erase) {
        ini.EraseSection(section);
        Check(!ini.SectionExists(section), "erased section is gone");
    } else {
        const std::string_view value = std::string_view(tail).substr(4);
        try {
            ini.WriteString(section, key, value);
        } catch (const tintora::EFileWriteError&) {
            Check(ini.Text() == before, "refused write changes nothing");
            return;
        }
        const std::string expected =
            tintora::ReplaceMalformedUtf8(value.substr(0, value.find_first_of("\r\n")));
        Check(ini.ReadRawValue(section, key) == expected, "written value is stored");
    }
    for (const TEntry& entry : original) {
        const bool target = SameName(entry.section, section) && (erase || SameName(entry.key, key));
        if (!target) {
            Check(ini.ReadRawValue(entry.section, entry.key) == entry.raw,
                  "other keys keep their values");
        }
    }
    Check(Entries(Parse(ini.Text())) == Entries(ini), "changed file reads the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TIniFile2 ini = Parse(bytes);
    const std::vector<TEntry> original = Entries(ini);
    const std::string text = ini.Text();
    Check(tintora::IsValidUtf8(text), "written file is UTF-8");

    // The file as written reads back the same, and writes the same again.
    const TIniFile2 reread = Parse(text);
    Check(Entries(reread) == original, "written file reads the same");
    Check(reread.Text() == text, "writing is stable");

    // Every value written into an empty file reads back the same: the raw text goes in, since
    // reading it once already dropped its quotes.
    TIniFile2 copy = Parse("");
    for (const TEntry& entry : original) {
        copy.WriteString(entry.section, entry.key, entry.raw);
    }
    Check(Entries(Parse(copy.Text())) == original, "copied values read the same");

    if (size > 0) {
        CheckOneChange(ini, original, bytes);
    }
    return 0;
}
