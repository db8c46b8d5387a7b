#include "settings/CommaText.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using TList = std::vector<std::string>;

TEST(CommaTextTest, WritingQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(ToCommaText({}), "");
    EXPECT_EQ(ToCommaText({""}), "\"\"");
    EXPECT_EQ(ToCommaText({"a.spi", "b c.spi"}), "a.spi,\"b c.spi\"");
    EXPECT_EQ(ToCommaText({"say \"hi\"", "x,y", "tab\there", "plain"}),
              "\"say \"\"hi\"\"\",\"x,y\",\"tab\there\",plain");
    // An empty item among others is quoted as well: "a," would read back as one item.
    EXPECT_EQ(ToCommaText({"a", ""}), "a,\"\"");
}

TEST(CommaTextTest, ReadingFollowsTheLooseRules) {
    EXPECT_EQ(FromCommaText(""), TList{});
    EXPECT_EQ(FromCommaText("  \t "), TList{});
    EXPECT_EQ(FromCommaText("\"\""), TList{""});
    EXPECT_EQ(FromCommaText("a.spi,\"b c.spi\""), (TList{"a.spi", "b c.spi"}));
    EXPECT_EQ(FromCommaText(" a , b ,c"), (TList{"a", "b", "c"}));
    // A space ends an unquoted item, and what follows is the next item.
    EXPECT_EQ(FromCommaText("b c.spi"), (TList{"b", "c.spi"}));
    EXPECT_EQ(FromCommaText("\"a\"\"b\",c"), (TList{"a\"b", "c"}));
    EXPECT_EQ(FromCommaText("\"a\"b"), (TList{"a", "b"}));
    EXPECT_EQ(FromCommaText("\"open to the end"), TList{"open to the end"});
    EXPECT_EQ(FromCommaText(",a"), (TList{"", "a"}));
    EXPECT_EQ(FromCommaText("a,"), TList{"a"});
    EXPECT_EQ(FromCommaText(std::string("a\0b", 3)), (TList{"a", "b"}));
}

TEST(CommaTextTest, RoundTrip) {
    const TList lists[] = {
        {},
        {""},
        {"", ""},
        {"a", ""},
        {"", "a"},
        {"\"", ",", " "},
        {"\xE6\x97\xA5 x.spi", "y"},
        {std::string("nul\0inside", 10)},
    };
    for (const TList& list : lists) {
        EXPECT_EQ(FromCommaText(ToCommaText(list)), list) << ToCommaText(list);
    }
}

} // namespace
} // namespace tintora
