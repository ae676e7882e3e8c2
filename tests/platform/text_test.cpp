#include "platform/text.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EveryKindOfBreakEndsALine)
{
    EXPECT_EQ(SplitLines("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
    // CR LF is one break, LF CR two.
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

TEST(SplitLines, TrailingBreakStartsNoLine)
{
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
}

TEST(SplitLines, KeepsBlanksInsideLines)
{
    EXPECT_EQ(SplitLines("  x \t\ny"), (Lines{"  x \t", "y"}));
}

TEST(EqualsIgnoringCase, FoldsAsciiLettersOnly)
{
    EXPECT_TRUE(EqualsIgnoringCase("Profile0", "pROFILE0"));
    EXPECT_FALSE(EqualsIgnoringCase("Path", "Paths"));
    // Bytes that differ only in the 0x20 bit but are not letters stay different, and so do
    // letters outside ASCII, whatever the code page would say.
    EXPECT_FALSE(EqualsIgnoringCase("[", "{"));
    EXPECT_FALSE(EqualsIgnoringCase("@", "`"));
    EXPECT_FALSE(EqualsIgnoringCase("\xC9", "\xE9"));
    EXPECT_EQ(AsciiLower("MiXeD\xC9-Z"), "mixed\xC9-z");
    EXPECT_EQ(AsciiUpper("MiXeD\xE9-a"), "MIXED\xE9-A");
}

TEST(JoinLines, EachLineEndsWithCrLfAndRoundTrips)
{
    Lines lines{"FIL:%TEMP%\\a.txt", "", "REG:HKCU\\Software\\X"};
    std::string text = JoinLines(lines);
    EXPECT_EQ(text, "FIL:%TEMP%\\a.txt\r\n\r\nREG:HKCU\\Software\\X\r\n");
    EXPECT_EQ(SplitLines(text), lines);
    EXPECT_EQ(JoinLines({}), "");
}

} // namespace
} // namespace aw
