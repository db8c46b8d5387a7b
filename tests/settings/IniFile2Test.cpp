#include "settings/IniFile2.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintora {
namespace {

TIniFile2 Parse(std::string_view contents) {
    return TIniFile2("test.INI", contents, TIniFile2::FromContents{});
}

TEST(IniFile2ReadTest, StringValueTrimmedAndOnePairOfQuotesDropped) {
    const TIniFile2 ini = Parse("[S]\r\n"
                                "plain =  a b \t\r\n"
                                "dq=\"  a  \"\r\n"
                                "sq='x'\r\n"
                                "twice=\"\"a\"\"\r\n"
                                "mixed=\"a'\r\n"
                                "lone=\"\r\n"
                                "empty=\r\n"
                                "eq=a=b\r\n");
    EXPECT_EQ(ini.ReadString("S", "plain", "-"), "a b");
    EXPECT_EQ(ini.ReadString("S", "dq", "-"), "  a  ");
    EXPECT_EQ(ini.ReadString("S", "sq", "-"), "x");
    EXPECT_EQ(ini.ReadString("S", "twice", "-"), "\"a\"");
    EXPECT_EQ(ini.ReadString("S", "mixed", "-"), "\"a'");
    EXPECT_EQ(ini.ReadString("S", "lone", "-"), "\"");
    EXPECT_EQ(ini.ReadString("S", "empty", "-"), "");
    EXPECT_EQ(ini.ReadString("S", "eq", "-"), "a=b");
    EXPECT_EQ(ini.ReadString("S", "missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("T", "plain", "def"), "def");
}

TEST(IniFile2ReadTest, IntegerForms) {
    struct Case {
        const char* stored;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x", -7},
        {"$ff", 255},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"$100000000", -7},
        {"$00000000FF", 255},
        {"$", -7},
        {"$fg", -7},
        {"12abc", -7},
        {"", -7},
        {" 42 ", 42},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", -7},
        {"-2147483649", -7},
        {"+5", 5},
        {"-", -7},
        {"1 2", -7},
        {"\"12\"", 12},
        {"0x-1", -7},
        {"-$10", -7},
        {"99999999999999999999", -7},
    };
    for (const Case& c : cases) {
        const TIniFile2 ini = Parse(std::string("[N]\nv=") + c.stored + "\n");
        EXPECT_EQ(ini.ReadInteger("N", "v", -7), c.expected) << "stored: " << c.stored;
    }
    EXPECT_EQ(Parse("").ReadInteger("N", "v", 99), 99);
}

TEST(IniFile2ReadTest, BoolIsIntegerNotZero) {
    const TIniFile2 ini = Parse("[B]\none=1\nzero=0\nminus=-3\njunk=yes\n");
    EXPECT_TRUE(ini.ReadBool("B", "one", false));
    EXPECT_FALSE(ini.ReadBool("B", "zero", true));
    EXPECT_TRUE(ini.ReadBool("B", "minus", false));
    EXPECT_TRUE(ini.ReadBool("B", "junk", true));
    EXPECT_FALSE(ini.ReadBool("B", "junk", false));
    EXPECT_TRUE(ini.ReadBool("B", "missing", true));
}

TEST(IniFile2ReadTest, FontStylesFromCapitalLettersAnywhere) {
    const TIniFile2 ini = Parse("[F]\na=SUB\nb=bius\nc=xIx\nd=\n");
    EXPECT_EQ(ini.ReadFontStyles("F", "a"), fsBold | fsUnderline | fsStrikeOut);
    EXPECT_EQ(ini.ReadFontStyles("F", "b"), 0);
    EXPECT_EQ(ini.ReadFontStyles("F", "c"), fsItalic);
    EXPECT_EQ(ini.ReadFontStyles("F", "d"), 0);
    EXPECT_EQ(ini.ReadFontStyles("F", "missing"), 0);
}

TEST(IniFile2ReadTest, ValueCutAt1023BytesOnCharacterBoundary) {
    const std::string ascii(1500, 'x');
    EXPECT_EQ(Parse("[L]\nv=" + ascii + "\n").ReadString("L", "v", ""),
              std::string(TIniFile2::MaxValueLength, 'x'));
    // 1022 ASCII bytes and then a three-byte character: it would end at byte 1025.
    const std::string mixed = std::string(1022, 'y') + "\xE3\x81\x82" + "tail";
    EXPECT_EQ(Parse("[L]\nv=" + mixed + "\n").ReadString("L", "v", ""), std::string(1022, 'y'));
    // The quotes come off first, so a quoted value of 1023 bytes is whole.
    const std::string quoted = "\"" + std::string(1023, 'q') + "\"";
    EXPECT_EQ(Parse("[L]\nv=" + quoted + "\n").ReadString("L", "v", ""), std::string(1023, 'q'));
}

TEST(IniFile2ReadTest, NamesIgnoreAsciiCaseAndSurroundingBlanks) {
    const TIniFile2 ini = Parse("  [ Window ]  \r\n\tOption.Top = 5\r\n");
    EXPECT_TRUE(ini.SectionExists("WINDOW"));
    EXPECT_TRUE(ini.SectionExists(" window\t"));
    EXPECT_EQ(ini.ReadInteger("WINDOW", "option.top", 0), 5);
    EXPECT_EQ(ini.ReadInteger("window", " OPTION.TOP ", 0), 5);
    EXPECT_FALSE(ini.ValueExists("WINDOW", "Option"));
}

TEST(IniFile2ReadTest, LineStructure) {
    const TIniFile2 ini = Parse("top=not a key\r\n"
                                "[A]\r\n"
                                "k=1\r\n"
                                "no equals sign\r\n"
                                "=no key\r\n"
                                "[B]x\rk=2\nj=3\r\n"
                                "[A]\r\n"
                                "k=ignored\r\n"
                                "later=4\r\n"
                                "[b]\r\n"
                                "j=ignored");
    EXPECT_FALSE(ini.ValueExists("", "top"));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ini.KeyNames("a"), (std::vector<std::string>{"k", "later"}));
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "later", ""), "4");
    EXPECT_EQ(ini.ReadString("B", "k", ""), "2");
    EXPECT_EQ(ini.ReadString("B", "j", ""), "3");
    EXPECT_FALSE(ini.ValueExists("A", ""));
}

TEST(IniFile2ReadTest, SectionNameRunsToLastBracket) {
    // "[open=3" has no "]", so it is a key line whose key begins with "[".
    const TIniFile2 ini = Parse("[a]b]\nk=1\n[[x]\nk=2\n[open=3\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a]b", "[x"}));
    EXPECT_EQ(ini.ReadString("[x", "[open", ""), "3");
    EXPECT_EQ(ini.ReadString("a]b", "k", ""), "1");
    EXPECT_EQ(ini.KeyNames("[x"), (std::vector<std::string>{"k", "[open"}));
}

TEST(IniFile2ReadTest, BomIsSkippedAndNotWrittenBack) {
    TIniFile2 ini = Parse("\xEF\xBB\xBF[S]\r\nk=v\r\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
    EXPECT_EQ(ini.Text(), "[S]\r\nk=v\r\n");
}

TEST(IniFile2ReadTest, Cp932FileReadAndWrittenBackAsUtf8) {
    // "名前=日本語" in a Shift-JIS file from the Windows system, with a path holding 0x5C.
    const std::string sjis = "[TEMPLATE]\r\n"
                             "1:Name=\x93\xFA\x96\x7B\x8C\xEA\r\n"
                             "\x96\xBC\x91\x4F=\"C:\\\x95\x5C\\a.htm\"\r\n";
    TIniFile2 ini = Parse(sjis);
    EXPECT_EQ(ini.ReadString("TEMPLATE", "1:Name", ""), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    EXPECT_EQ(ini.ReadString("TEMPLATE", "\xE5\x90\x8D\xE5\x89\x8D", ""),
              "C:\\\xE8\xA1\xA8\\a.htm");
    ini.WriteInteger("TEMPLATE", "1:Type", 2);
    EXPECT_EQ(ini.Text(), "[TEMPLATE]\r\n"
                          "1:Name=\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n"
                          "\xE5\x90\x8D\xE5\x89\x8D=\"C:\\\xE8\xA1\xA8\\a.htm\"\r\n"
                          "1:Type=2\r\n");
    const TIniFile2 again = Parse(ini.Text());
    EXPECT_EQ(again.ReadString("TEMPLATE", "1:Name", ""), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
}

TEST(IniFile2ReadTest, BrokenUtf8AfterBomBecomesReplacementCharacter) {
    const TIniFile2 ini = Parse("\xEF\xBB\xBF[S]\nk=a\xFF\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "a\xEF\xBF\xBD");
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
    TIniFile2 ini = Parse("; hand-written\n"
                          "[OPTION]\n"
                          "  useHSV = 0 \n"
                          "; keep me\n"
                          "AddSharp=1\n"
                          "\n"
                          "[Other]\n"
                          "x=y\n");
    ini.WriteBool("OPTION", "UseHSV", true);
    ini.WriteBool("OPTION", "EscSpaceChar", false);
    ini.WriteString("other", "z", "new");
    EXPECT_EQ(ini.Text(), "; hand-written\r\n"
                          "[OPTION]\r\n"
                          "useHSV=1\r\n"
                          "; keep me\r\n"
                          "AddSharp=1\r\n"
                          "EscSpaceChar=0\r\n"
                          "\r\n"
                          "[Other]\r\n"
                          "x=y\r\n"
                          "z=new\r\n");
}

TEST(IniFile2WriteTest, WritesGoToTheOccurrenceReadsSee) {
    TIniFile2 ini = Parse("[A]\nk=1\n[B]\n[a]\nk=2\nm=3\n");
    ini.WriteString("A", "k", "10");
    ini.WriteString("A", "m", "30");
    ini.WriteString("A", "n", "40");
    EXPECT_EQ(ini.Text(), "[A]\r\nk=10\r\nn=40\r\n[B]\r\n[a]\r\nk=2\r\nm=30\r\n");
}

TEST(IniFile2WriteTest, WindowAndWINDOWEndUpInOneSection) {
    TIniFile2 ini = Parse("");
    ini.WriteInteger("WINDOW", "Top", 1);
    ini.WriteInteger("Window", "Option.Top", 10);
    ini.WriteInteger("window", "TOP", 2);
    EXPECT_EQ(ini.Text(), "[WINDOW]\r\nTop=2\r\nOption.Top=10\r\n");
}

TEST(IniFile2WriteTest, QuotedStringKeepsItsSpaces) {
    TIniFile2 ini = Parse("");
    ini.WriteQuotedString("S", "k", "  a  ");
    ini.WriteQuotedString("S", "q", "ends in \"");
    ini.WriteString("S", "plain", "  a  ");
    const TIniFile2 again = Parse(ini.Text());
    EXPECT_EQ(again.ReadString("S", "k", ""), "  a  ");
    EXPECT_EQ(again.ReadString("S", "q", ""), "ends in \"");
    EXPECT_EQ(again.ReadString("S", "plain", ""), "a");
}

TEST(IniFile2WriteTest, ValueStoredUpToItsFirstLineBreak) {
    TIniFile2 ini = Parse("[S]\nother=1\n");
    ini.WriteString("S", "k", "first\r\nother=2\n[S]");
    ini.WriteQuotedString("S", "q", "line\nnext");
    EXPECT_EQ(ini.Text(), "[S]\r\nother=1\r\nk=first\r\nq=\"line\"\r\n");
}

TEST(IniFile2WriteTest, UnstorableNamesRaiseAndChangeNothing) {
    TIniFile2 ini = Parse("[S]\n[k=1\n");
    const std::string before = ini.Text();
    const auto expectRefused = [&](std::string_view section, std::string_view key,
                                   std::string_view value) {
        EXPECT_THROW(ini.WriteString(section, key, value), EIniWriteError)
            << section << " / " << key << " / " << value;
        EXPECT_EQ(ini.Text(), before);
    };
    expectRefused("S", "a=b", "1");
    expectRefused("S", "", "1");
    expectRefused("S", "  ", "1");
    expectRefused("S", "a\nb", "1");
    expectRefused("S\r\n[T]", "k", "1");
    // Key lines that would read as section lines.
    expectRefused("S", "[k", "]");
    expectRefused("S", "[x]", "1");
    EXPECT_EQ(ini.ReadString("S", "[k", ""), "1");
}

TEST(IniFile2WriteTest, BytesThatAreNotUtf8AreStoredAsReplacementCharacters) {
    // One Latin-1 byte would otherwise make the whole file read as code page 932 next time.
    TIniFile2 ini = Parse("[S]\nname=\xE6\x97\xA5\n");
    ini.WriteString("S", "path", "/home/caf\xE9");
    const TIniFile2 again = Parse(ini.Text());
    EXPECT_EQ(again.ReadString("S", "name", ""), "\xE6\x97\xA5");
    EXPECT_EQ(again.ReadString("S", "path", ""), "/home/caf\xEF\xBF\xBD");
}

TEST(IniFile2WriteTest, SkipListStoredAsQuotedCommaText) {
    TIniFile2 ini = Parse("");
    ini.WriteQuotedString("SPI", "SkipFiles", "a.spi,\"b c.spi\"");
    EXPECT_EQ(ini.Text(), "[SPI]\r\nSkipFiles=\"a.spi,\"b c.spi\"\"\r\n");
    EXPECT_EQ(Parse(ini.Text()).ReadString("SPI", "SkipFiles", ""), "a.spi,\"b c.spi\"");
}

TEST(IniFile2WriteTest, EraseSectionRemovesAllItsBlocks) {
    TIniFile2 ini = Parse("[TEMPLATE]\n1:Name=a\n\n; note\n\n[SPI]\nx=1\n\n[template]\n2:Name=b\n");
    ini.EraseSection("Template");
    EXPECT_FALSE(ini.SectionExists("TEMPLATE"));
    EXPECT_EQ(ini.Text(), "; note\r\n[SPI]\r\nx=1\r\n\r\n");
    ini.EraseSection("missing");
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
