#include "html/TemplateStorage.h"

#include "settings/IniFile2.h"

#include <string>

namespace tintora {

namespace {

std::string Key(int n, std::string_view suffix) {
    std::string key = std::to_string(n);
    key += ':';
    key += suffix;
    return key;
}

TColor ReadColor(const TIniFile2& ini, std::string_view section, int n, std::string_view suffix,
                 TColor def) {
    const auto stored = ini.ReadInteger(section, Key(n, suffix), static_cast<std::int32_t>(def));
    return static_cast<TColor>(stored) & 0xFFFFFF;
}

void WriteColor(TIniFile2& ini, std::string_view section, int n, std::string_view suffix,
                TColor c) {
    ini.WriteInteger(section, Key(n, suffix), static_cast<std::int32_t>(c & 0xFFFFFF));
}

TFontTemplate ReadFontTemplate(const TIniFile2& ini, int n) {
    constexpr std::string_view s = FontTemplateSection;
    TFontTemplate t;
    t.Type = static_cast<TGrdType>(ini.ReadInteger(s, Key(n, "Type"), 0) & 0xFF);
    t.Start = ReadColor(ini, s, n, "C1", clBlack);
    t.Back = ReadColor(ini, s, n, "CB", clWhite);
    switch (t.Type) {
    case TGrdType::gtTwo:
        t.End = ReadColor(ini, s, n, "C3", clBlack);
        break;
    case TGrdType::gtThree:
        t.Middle = ReadColor(ini, s, n, "C2", clBlack);
        t.End = ReadColor(ini, s, n, "C3", clBlack);
        break;
    case TGrdType::gtRainBow:
        t.Wave = ini.ReadInteger(s, Key(n, "Wave"), 100);
        break;
    case TGrdType::gtWave:
        t.End = ReadColor(ini, s, n, "C3", clBlack);
        t.Wave = ini.ReadInteger(s, Key(n, "Wave"), 100);
        t.Wave2 = static_cast<std::uint8_t>(ini.ReadInteger(s, Key(n, "Wave2"), 0) & 0xFF);
        break;
    case TGrdType::gtNone:
        break;
    }
    t.Face = ini.ReadString(s, Key(n, "Face"), "");
    t.Size = ini.ReadString(s, Key(n, "Size"), "");
    t.Style = ini.ReadFontStyles(s, Key(n, "Style"));
    t.Background = ini.ReadString(s, Key(n, "BgFile"), "");
    return t;
}

void WriteFontTemplate(TIniFile2& ini, int n, const std::string& name, const TFontTemplate& t) {
    constexpr std::string_view s = FontTemplateSection;
    ini.WriteQuotedString(s, Key(n, "Name"), name);
    ini.WriteInteger(s, Key(n, "Type"), static_cast<std::uint8_t>(t.Type));
    WriteColor(ini, s, n, "C1", t.Start);
    switch (t.Type) {
    case TGrdType::gtTwo:
        WriteColor(ini, s, n, "C3", t.End);
        break;
    case TGrdType::gtThree:
        WriteColor(ini, s, n, "C2", t.Middle);
        WriteColor(ini, s, n, "C3", t.End);
        break;
    case TGrdType::gtRainBow:
        ini.WriteInteger(s, Key(n, "Wave"), t.Wave);
        break;
    case TGrdType::gtWave:
        WriteColor(ini, s, n, "C3", t.End);
        ini.WriteInteger(s, Key(n, "Wave"), t.Wave);
        ini.WriteInteger(s, Key(n, "Wave2"), t.Wave2);
        break;
    case TGrdType::gtNone:
        break;
    }
    WriteColor(ini, s, n, "CB", t.Back);
    if (!t.Face.empty()) {
        ini.WriteQuotedString(s, Key(n, "Face"), t.Face);
    }
    if (!t.Size.empty()) {
        ini.WriteString(s, Key(n, "Size"), t.Size);
    }
    if (t.Style != 0) {
        ini.WriteFontStyles(s, Key(n, "Style"), t.Style);
    }
    if (!t.Background.empty()) {
        ini.WriteQuotedString(s, Key(n, "BgFile"), t.Background);
    }
}

TBodyTemplate ReadBodyTemplate(const TIniFile2& ini, int n) {
    constexpr std::string_view s = BodyTemplateSection;
    const TBodyColors defaults;
    TBodyTemplate t;
    t.Colors.Bgcolor = ReadColor(ini, s, n, "CBG", defaults.Bgcolor);
    t.Colors.Text = ReadColor(ini, s, n, "CText", defaults.Text);
    t.Colors.Link = ReadColor(ini, s, n, "CLink", defaults.Link);
    t.Colors.Vlink = ReadColor(ini, s, n, "CVlink", defaults.Vlink);
    t.Colors.Alink = ReadColor(ini, s, n, "CAlink", defaults.Alink);
    t.Background = ini.ReadString(s, Key(n, "BgFile"), "");
    return t;
}

void WriteBodyTemplate(TIniFile2& ini, int n, const std::string& name, const TBodyTemplate& t) {
    constexpr std::string_view s = BodyTemplateSection;
    ini.WriteQuotedString(s, Key(n, "Name"), name);
    WriteColor(ini, s, n, "CBG", t.Colors.Bgcolor);
    WriteColor(ini, s, n, "CText", t.Colors.Text);
    WriteColor(ini, s, n, "CLink", t.Colors.Link);
    WriteColor(ini, s, n, "CVlink", t.Colors.Vlink);
    WriteColor(ini, s, n, "CAlink", t.Colors.Alink);
    if (!t.Background.empty()) {
        ini.WriteQuotedString(s, Key(n, "BgFile"), t.Background);
    }
}

template <class T, class ReadOne>
TTemplateList<T> ReadTemplates(const TIniFile2& ini, std::string_view section, ReadOne readOne) {
    TTemplateList<T> list;
    for (int n = 1; n <= MaxTemplateNumber; ++n) {
        std::string name = ini.ReadString(section, Key(n, "Name"), "");
        if (!name.empty()) {
            list.Add(std::move(name), readOne(ini, n));
        }
    }
    return list;
}

template <class T, class WriteOne>
void WriteTemplates(TIniFile2& ini, std::string_view section, const TTemplateList<T>& list,
                    WriteOne writeOne) {
    ini.EraseSection(section);
    int n = 0;
    for (const auto& item : list.Items()) {
        writeOne(ini, ++n, item.Name, item.Template);
    }
}

} // namespace

TFontTemplateList ReadFontTemplates(const TIniFile2& ini) {
    return ReadTemplates<TFontTemplate>(ini, FontTemplateSection, ReadFontTemplate);
}

TBodyTemplateList ReadBodyTemplates(const TIniFile2& ini) {
    return ReadTemplates<TBodyTemplate>(ini, BodyTemplateSection, ReadBodyTemplate);
}

void WriteFontTemplates(TIniFile2& ini, const TFontTemplateList& list) {
    WriteTemplates(ini, FontTemplateSection, list, WriteFontTemplate);
}

void WriteBodyTemplates(TIniFile2& ini, const TBodyTemplateList& list) {
    WriteTemplates(ini, BodyTemplateSection, list, WriteBodyTemplate);
}

} // namespace tintora
