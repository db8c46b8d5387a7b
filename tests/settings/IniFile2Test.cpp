#include "settings/IniFile2.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintora {
namespace {

using TNames = std::vector<std::string>;

TIniFile2 Parse(std::string_view contents) {
    return TIniFile2("test.INI", contents, TIniFile2::FromContents{});
}

TEST(IniFile2ReadTest, StringValueTrimmedAndOnePairOfQuotesDropped) {
    const TIniFile2 ini = Parse("[S]\r\nplain =  a b \t\r\ndq=\"  a  \"\r\nsq='x'\r\n"
                                "twice=\"\"a\"\"\r\nmixed=\"a'\r\nlone=\"\r\neq=a=b\r\n");
    EXPECT_EQ(ini.ReadString("S", "plain", "-"), "a b");
    EXPECT_EQ(ini.ReadString("S", "dq", "-"), "  a  ");
    EXPECT_EQ(ini.ReadString("S", "sq", "-"), "x");
    EXPECT_EQ(ini.ReadString("S", "twice", "-"), "\"a\"");
    EXPECT_EQ(ini.ReadString("S", "mixed", "-"), "\"a'");
    EXPECT_EQ(ini.ReadString("S", "lone", "-"), "\"");
    EXPECT_EQ(ini.ReadString("S", "eq", "-"), "a=b");
    EXPECT_EQ(ini.ReadString("S", "missing", "def"), "def");
}

TEST(IniFile2ReadTest, IntegerBoolAndFontStyleForms) {
    // clang-format off
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0x1F", 31}, {"0X1f", 31}, {"0x", -7}, {"$ff", 255}, {"12abc", -7}, {"", -7},
        {"$FFFFFFFF", -1}, {"$80000000", INT32_MIN}, {"$00000000FF", 255}, {"$100000000", -7},
        {"$", -7}, {"0x-1", -7}, {"-$10", -7}, {" 42 ", 42}, {"+5", 5}, {"-", -7}, {"1 2", -7},
        {"\"12\"", 12}, {"-2147483648", INT32_MIN}, {"2147483648", -7}, {"-2147483649", -7},
        {"99999999999999999999", -7},
    };
    // clang-format on
    for (const auto& [stored, expected] : cases) {
        const TIniFile2 ini = Parse(std::string("[N]\nv=") + stored + "\n");
        EXPECT_EQ(ini.ReadInteger("N", "v", -7), expected) << "stored: " << stored;
    }
    const TIniFile2 ini = Parse("[B]\nminus=-3\njunk=yes\nsub=SUB\nlower=bius\n");
    EXPECT_TRUE(ini.ReadBool("B", "minus", false));
    EXPECT_TRUE(ini.ReadBool("B", "junk", true));
    EXPECT_FALSE(ini.ReadBool("B", "junk", false));
    EXPECT_EQ(ini.ReadFontStyles("B", "sub"), fsBold | fsUnderline | fsStrikeOut);
    EXPECT_EQ(ini.ReadFontStyles("B", "lower"), 0);
    EXPECT_EQ(ini.ReadFontStyles("B", "missing"), 0);
}

TEST(IniFile2ReadTest, ValueCutAt1023BytesOnCharacterBoundary) {
    EXPECT_EQ(Parse("[L]\nv=" + std::string(1500, 'x')).ReadString("L", "v", ""),
              std::string(TIniFile2::MaxValueLength, 'x'));
    // A three-byte character at byte 1022 would end at byte 1025.
    const std::string mixed = std::string(1022, 'y') + "\xE3\x81\x82" + "tail";
    EXPECT_EQ(Parse("[L]\nv=" + mixed).ReadString("L", "v", ""), std::string(1022, 'y'));
    // The quotes come off first, so a quoted value of 1023 bytes is whole.
    const std::string quoted = "\"" + std::string(1023, 'q') + "\"";
    EXPECT_EQ(Parse("[L]\nv=" + quoted).ReadString("L", "v", ""), std::string(1023, 'q'));
}

TEST(IniFile2ReadTest, LineStructureAndNames) {
    const TIniFile2 ini = Parse("top=not a key\r\n"
                                "  [ Window ]  \r\n\tOption.Top = 5\r\nno equals\r\n=no key\r\n"
                                "[B]x\rk=2\nj=3\r\n"
                                "[WINDOW]\r\nOption.top=ignored\r\nlater=4\r\n"
                                "[a]b]\r\n[open=1\r\n");
    EXPECT_EQ(ini.SectionNames(), (TNames{"Window", "B", "a]b"}));
    EXPECT_EQ(ini.KeyNames("window"), (TNames{"Option.Top", "later"}));
    EXPECT_EQ(ini.ReadInteger(" WINDOW\t", " option.top ", 0), 5);
    EXPECT_EQ(ini.ReadInteger("Window", "later", 0), 4);
    EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
    EXPECT_EQ(ini.ReadInteger("B", "j", 0), 3);
    // A line starting with "[" without "]" is a key line.
    EXPECT_EQ(ini.KeyNames("a]b"), TNames{"[open"});
    EXPECT_FALSE(ini.ValueExists("", "top"));
}

TEST(IniFile2ReadTest, BomIsSkippedAndNotWrittenBack) {
    TIniFile2 ini = Parse("\xEF\xBB\xBF[S]\r\nk=v\r\nbad=a\xFF\r\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
    // After a BOM the file is UTF-8 even where it is broken.
    EXPECT_EQ(ini.ReadString("S", "bad", ""), "a\xEF\xBF\xBD");
    EXPECT_EQ(ini.Text(), "[S]\r\nk=v\r\nbad=a\xEF\xBF\xBD\r\n");
}

TEST(IniFile2ReadTest, Cp932FileReadAndWrittenBackAsUtf8) {
    // "1:Name=日本語" and "名前=C:\表\a.htm" from the Windows system; 0x5C is also a trail byte.
    TIniFile2 ini = Parse("[TEMPLATE]\r\n1:Name=\x93\xFA\x96\x7B\x8C\xEA\r\n"
                          "\x96\xBC\x91\x4F=\"C:\\\x95\x5C\\a.htm\"\r\n");
    EXPECT_EQ(ini.ReadString("TEMPLATE", "1:Name", ""), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    EXPECT_EQ(ini.ReadString("TEMPLATE", "\xE5\x90\x8D\xE5\x89\x8D", ""),
              "C:\\\xE8\xA1\xA8\\a.htm");
    ini.WriteInteger("TEMPLATE", "1:Type", 2);
    EXPECT_EQ(ini.Text(), "[TEMPLATE]\r\n1:Name=\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n"
                          "\xE5\x90\x8D\xE5\x89\x8D=\"C:\\\xE8\xA1\xA8\\a.htm\"\r\n1:Type=2\r\n");
}

TEST(IniFile2ReadTest, ALineThatIsNotUtf8LeavesTheOtherLinesAlone) {
    // "1:Name=日本語" in UTF-8, and a Latin-1 "café" that some other program left in the file.
    TIniFile2 ini = Parse("[TEMPLATE]\r\n1:Name=\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n"
                          "[X]\r\nold=caf\xE9\r\n");
    EXPECT_EQ(ini.ReadString("TEMPLATE", "1:Name", ""), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    EXPECT_EQ(ini.Text(), "[TEMPLATE]\r\n1:Name=\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n"
                          "[X]\r\nold=caf\xEF\xBF\xBD\r\n");
}

TEST(IniFile2WriteTest, GoldenBytesOfANewFile) {
    TIniFile2 ini = Parse("");
    ini.WriteInteger("WINDOW", "StayOnTop", 0);
    ini.WriteBool("OPTION", "UseHSV", true);
    ini.WriteQuotedString("OPTION", "SampleFontName", "IPA Gothic");
    ini.WriteFontStyles("TEMPLATE", "1:Style", fsBold | fsUnderline);
    ini.WriteInteger("Window", "Top", -12);
    ini.WriteFontStyles("TEMPLATE", "2:Style", 0xFF);
    EXPECT_EQ(ini.Text(), "[WINDOW]\r\n"
                          "StayOnTop=0\r\n"
                          "Top=-12\r\n"
                          "\r\n"
                          "[OPTION]\r\n"
                          "UseHSV=1\r\n"
                          "SampleFontName=\"IPA Gothic\"\r\n"
                          "\r\n"
                          "[TEMPLATE]\r\n"
                          "1:Style=BU\r\n"
                          "2:Style=BIUS\r\n");
}

TEST(IniFile2WriteTest, ReplacesInPlaceAndKeepsEverythingElse) {
    TIniFile2 ini = Parse("; hand-written\n[OPTION]\n  useHSV = 0 \n; keep me\nAddSharp=1\n\n"
                          "[Other]\nx=y\n");
    ini.WriteBool("OPTION", "UseHSV", true);
    ini.WriteBool("OPTION", "EscSpaceChar", false);
    ini.WriteString("other", "z", "new");
    EXPECT_EQ(ini.Text(), "; hand-written\r\n[OPTION]\r\nuseHSV=1\r\n; keep me\r\nAddSharp=1\r\n"
                          "EscSpaceChar=0\r\n\r\n[Other]\r\nx=y\r\nz=new\r\n");
}

TEST(IniFile2WriteTest, WritesGoToTheOccurrenceReadsSee) {
    TIniFile2 ini = Parse("[A]\nk=1\n[B]\n[a]\nk=2\nm=3\n");
    ini.WriteString("A", "k", "10");
    ini.WriteString("A", "m", "30");
    ini.WriteString("A", "n", "40");
    EXPECT_EQ(ini.Text(), "[A]\r\nk=10\r\nn=40\r\n[B]\r\n[a]\r\nk=2\r\nm=30\r\n");
    // The main window's "WINDOW" and the Options dialog's "Window" are one section.
    ini.WriteInteger("b", "Top", 1);
    ini.WriteInteger("B", "TOP", 2);
    EXPECT_EQ(ini.ReadInteger("B", "top", 0), 2);
    EXPECT_EQ(ini.KeyNames("B"), TNames{"Top"});
}

TEST(IniFile2WriteTest, KeysOfNewSectionsStayInTheirSection) {
    TIniFile2 ini = Parse("[A]\nk=1\n\n");
    ini.WriteString("B", "x", "1");
    ini.WriteString("C", "y", "2");
    ini.WriteString("b", "z", "3");
    ini.WriteString("A", "m", "4");
    EXPECT_EQ(ini.Text(), "[A]\r\nk=1\r\nm=4\r\n\r\n[B]\r\nx=1\r\nz=3\r\n\r\n[C]\r\ny=2\r\n");
}

TEST(IniFile2WriteTest, QuotedStringsAndTheSkipList) {
    TIniFile2 ini = Parse("");
    ini.WriteQuotedString("S", "k", "  a  ");
    ini.WriteQuotedString("S", "q", "ends in \"");
    ini.WriteString("S", "plain", "  a  ");
    ini.WriteQuotedString("SPI", "SkipFiles", "a.spi,\"b c.spi\"");
    EXPECT_EQ(ini.Text(), "[S]\r\nk=\"  a  \"\r\nq=\"ends in \"\"\r\nplain=  a  \r\n\r\n"
                          "[SPI]\r\nSkipFiles=\"a.spi,\"b c.spi\"\"\r\n");
    const TIniFile2 again = Parse(ini.Text());
    EXPECT_EQ(again.ReadString("S", "k", ""), "  a  ");
    EXPECT_EQ(again.ReadString("S", "q", ""), "ends in \"");
    EXPECT_EQ(again.ReadString("S", "plain", ""), "a");
    EXPECT_EQ(again.ReadString("SPI", "SkipFiles", ""), "a.spi,\"b c.spi\"");
}

// Whatever is written, every other key must read as before when the file is read again.
TEST(IniFile2WriteTest, ValuesAreKeptToOneLineOfUtf8) {
    TIniFile2 ini = Parse("[S]\nname=\xE6\x97\xA5\n");
    ini.WriteString("S", "k", "first\r\nname=2\n[S]");
    ini.WriteQuotedString("S", "q", "line\nnext");
    // One Latin-1 byte would make the whole file read as code page 932 next time.
    ini.WriteString("S", "path", "/home/caf\xE9");
    EXPECT_EQ(ini.Text(), "[S]\r\nname=\xE6\x97\xA5\r\nk=first\r\nq=\"line\"\r\n"
                          "path=/home/caf\xEF\xBF\xBD\r\n");
}

TEST(IniFile2WriteTest, UnstorableNamesRaiseAndChangeNothing) {
    TIniFile2 ini = Parse("[S]\n[k=1\n");
    const std::string before = ini.Text();
    const std::pair<std::string, std::string> names[] = {
        {"S", "a=b"},  {"S", ""},         {"S", "  "},
        {"S", "a\nb"}, {"S\r\n[T]", "k"}, {"S", "[x]"}, // would read as a section line
    };
    for (const auto& [section, key] : names) {
        EXPECT_THROW(ini.WriteString(section, key, "1"), EFileWriteError) << section << "/" << key;
    }
    // An existing key whose line would turn into a section line.
    EXPECT_THROW(ini.WriteString("S", "[k", "]"), EFileWriteError);
    EXPECT_EQ(ini.Text(), before);
}

TEST(IniFile2WriteTest, EraseSectionRemovesAllItsBlocks) {
    TIniFile2 ini = Parse("[TEMPLATE]\n1:Name=a\n\n; note\n\n[SPI]\nx=1\n\n[template]\n2:Name=b\n");
    ini.EraseSection("Template");
    EXPECT_FALSE(ini.SectionExists("TEMPLATE"));
    EXPECT_EQ(ini.Text(), "; note\r\n[SPI]\r\nx=1\r\n\r\n");
}

TEST(IniFile2WriteTest, EraseAndRewriteAtEveryShutdownKeepsTheFileStable) {
    TIniFile2 ini = Parse("[OPTION]\r\nA=1\r\n\r\n[TEMPLATE]\r\n1:Name=x\r\n\r\n"
                          "[TEMPLATE-BODY]\r\n1:Name=y\r\n\r\n[SPI]\r\nS=0\r\n");
    const auto shutdown = [&] {
        ini.EraseSection("TEMPLATE");
        ini.EraseSection("TEMPLATE-BODY");
        ini.WriteString("TEMPLATE", "1:Name", "x");
        ini.WriteString("TEMPLATE-BODY", "1:Name", "y");
    };
    shutdown();
    const std::string once = ini.Text();
    shutdown();
    EXPECT_EQ(ini.Text(), once);
    EXPECT_EQ(once, "[OPTION]\r\nA=1\r\n\r\n[SPI]\r\nS=0\r\n\r\n[TEMPLATE]\r\n1:Name=x\r\n\r\n"
                    "[TEMPLATE-BODY]\r\n1:Name=y\r\n");
}

TEST(IniFile2WriteTest, LeadingByteOrderMarkCharacterSurvivesARoundTrip) {
    // After the erase the first line is a stray U+FEFF line; read again, it must still be that
    // line, not a BOM in front of "[B]".
    TIniFile2 ini = Parse("[A]\n\xEF\xBB\xBF[B]\nk=1\n");
    ini.EraseSection("A");
    const TIniFile2 again = Parse(ini.Text());
    EXPECT_FALSE(again.SectionExists("B"));
    EXPECT_EQ(again.Text(), ini.Text());
}

TEST(IniFile2Test, DefaultFileName) {
    EXPECT_EQ(TIniFile2::DefaultFileName("/opt/x/tintora"), "/opt/x/tintora.INI");
    EXPECT_EQ(TIniFile2::DefaultFileName("/a.b/tool"), "/a.b/tool.INI");
    EXPECT_EQ(TIniFile2::DefaultFileName("tintora.exe"), "tintora.INI");
    EXPECT_EQ(TIniFile2::DefaultFileName("/x/tintora.tar.gz"), "/x/tintora.tar.INI");
    EXPECT_EQ(TIniFile2::DefaultFileName("/x/.hidden"), "/x/.hidden.INI");
}

} // namespace
} // namespace tintora
