#include "platform/long_path.h"
#include "platform/text.h"
#include "platform/unicode_text.h"

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

// Names the ANSI code page cannot spell: Cyrillic, Chinese, and an emoji outside the basic
// plane (a surrogate pair in UTF-16, four bytes in UTF-8).
const char* const kCyrillic = "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.docx"; // отчёт.docx
const char* const kChinese = "\xE5\xA0\xB1\xE5\x91\x8A.txt";                    // 報告.txt
const char* const kEmoji = "\xF0\x9F\x98\x80.png";                               // U+1F600

TEST(UnicodeText, NamesRoundTripBetweenUtf8AndUtf16)
{
    EXPECT_EQ(Utf16FromUtf8(kCyrillic), std::u16string(u"\u043E\u0442\u0447\u0451\u0442.docx"));
    EXPECT_EQ(Utf16FromUtf8(kChinese), std::u16string(u"\u5831\u544A.txt"));
    EXPECT_EQ(Utf16FromUtf8(kEmoji), std::u16string(u"\xD83D\xDE00.png"));
    for (const char* name : {kCyrillic, kChinese, kEmoji, "", "plain.txt"}) {
        auto units = Utf16FromUtf8(name);
        ASSERT_TRUE(units) << name;
        EXPECT_EQ(Utf8FromUtf16(*units), name);
        EXPECT_EQ(Utf16Length(name), units->size()) << name;
        EXPECT_TRUE(IsStrictUtf8(name)) << name;
    }
}

TEST(UnicodeText, IllFormedTextNamesNothing)
{
    // An overlong form could smuggle in a separator or a dot that no check sees.
    for (const char* bad : {"\x80", "a\xD0", "\xC0\xAF", "\xC1\x9C", "\xE0\x80\xAE", "\xF0\x80\x80\xAF",
                            "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF", "\xE9t\xE9",
                            // a surrogate pair written as two three-byte sequences
                            "\xED\xA0\xBD\xED\xB8\x80"}) {
        EXPECT_FALSE(Utf16FromUtf8(bad)) << bad;
        EXPECT_FALSE(IsStrictUtf8(bad)) << bad;
    }
}

TEST(UnicodeText, AnUnpairedSurrogateKeepsItsOwnFormBothWays)
{
    // Windows names may hold one; it must come back to the system exactly.
    const std::u16string names[] = {{u'a', char16_t(0xD800), u'b'}, {char16_t(0xDC01)}, {char16_t(0xDBFF)},
                                    {char16_t(0xDC00), char16_t(0xD800)}};
    for (const std::u16string& name : names) {
        std::string utf8 = Utf8FromUtf16(name);
        EXPECT_EQ(Utf16FromUtf8(utf8), name);
        EXPECT_FALSE(IsStrictUtf8(utf8));
    }
    EXPECT_EQ(Utf8FromUtf16(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\xED\xA0\x80" "b");
}

TEST(UnicodeText, ATextFileIsUtf8OnlyWhenItsBytesAre)
{
    EXPECT_EQ(Utf8TextOf("\xEF\xBB\xBF" "FIL:C:\\\xD0\xBE"), std::optional<std::string_view>("FIL:C:\\\xD0\xBE"));
    EXPECT_EQ(Utf8TextOf("FIL:C:\\x"), std::optional<std::string_view>("FIL:C:\\x"));
    EXPECT_EQ(Utf8TextOf(""), std::optional<std::string_view>(""));
    // "Café" in the ANSI code page 1252, with and without a mark that lies about it.
    EXPECT_FALSE(Utf8TextOf("DIR:C:\\Caf\xE9|*.*"));
    EXPECT_FALSE(Utf8TextOf("\xEF\xBB\xBF" "Caf\xE9"));
    EXPECT_TRUE(IsAscii("FIL:%TEMP%\\x"));
    EXPECT_FALSE(IsAscii(kChinese));
}

std::string LongFolder(const std::string& root, std::size_t units)
{
    std::string path = root;
    while (Utf16Length(path) < units)
        path += "\\level";
    return path;
}

TEST(WideCallPath, ShortPathsGoAsWritten)
{
    for (const char* path : {"C:\\a\\\\b", "C:/a/./b/../c", "relative\\x", "C:x", "\\\\server\\share\\x",
                             "C:\\dots.\\x ", ""})
        EXPECT_EQ(WideCallPath(path), std::optional<std::string>(path)) << path;
    const std::string justShort = LongFolder("C:", kPlainPathUnits - 6);
    ASSERT_LT(Utf16Length(justShort), kPlainPathUnits);
    EXPECT_EQ(WideCallPath(justShort), justShort);
    // Counted in UTF-16 units, not bytes: 200 Cyrillic letters are 400 bytes.
    std::string cyrillic = "C:\\";
    for (int i = 0; i < 200; ++i)
        cyrillic += "\xD0\xB6";
    EXPECT_EQ(WideCallPath(cyrillic), cyrillic);
}

TEST(WideCallPath, LongPathsTakeTheLongFormAsTheSystemWouldReadThem)
{
    const std::string folder = LongFolder("C:", 300);
    const std::string tail = folder.substr(3);
    EXPECT_EQ(WideCallPath(folder + "\\file.txt"), "\\\\?\\" + folder + "\\file.txt");
    EXPECT_EQ(WideCallPath(folder + "\\"), "\\\\?\\" + folder + "\\");
    EXPECT_EQ(WideCallPath(folder + "\\*.*"), "\\\\?\\" + folder + "\\*.*");
    // Doubled and forward separators, "." and "..", as a plain path reads them.
    EXPECT_EQ(WideCallPath("C:\\\\" + tail + "/./x\\\\y\\..\\z"), "\\\\?\\" + folder + "\\x\\z");
    EXPECT_EQ(WideCallPath("\\\\server\\share\\" + tail + "\\f"), "\\\\?\\UNC\\server\\share\\" + tail + "\\f");
    EXPECT_EQ(WideCallPath("//server/share/" + tail), "\\\\?\\UNC\\server\\share\\" + tail);
    // The system's own forms stay as the caller wrote them.
    for (const std::string& device : {"\\\\?\\" + folder, "\\\\.\\" + folder, "\\??\\" + folder})
        EXPECT_EQ(WideCallPath(device), device);
}

TEST(WideCallPath, LongPathsWhoseMeaningIsUncertainNameNothing)
{
    const std::string tail = LongFolder("x", 300);
    for (const std::string& path : {
             tail,                                             // relative
             "C:" + tail,                                      // relative to the drive's folder
             "\\" + tail,                                      // relative to the current drive
             "C:\\..\\" + tail,                                // above the root
             "C:\\a\\..\\..\\" + tail,                         //
             "\\\\server\\share\\..\\other\\" + tail,          // out of the share
             "\\\\server\\..\\" + tail,                        //
             "C:\\" + tail + "\\trailing.\\x",                 // the system would trim these
             "C:\\" + tail + "\\trailing \\x",                 //
             "C:\\" + tail + "\\...\\x",                       //
             "C:\\" + tail + "\\name.",                        //
         })
        EXPECT_FALSE(WideCallPath(path)) << path.substr(0, 40);
}

} // namespace
} // namespace aw
