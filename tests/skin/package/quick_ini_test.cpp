// The skin description's INI dialect.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/package/quick_ini.h"

namespace aw::skin {
namespace {

TQuickIni Ini(std::string_view text)
{
    TQuickIni ini;
    ini.LoadFromText(text);
    return ini;
}

TEST(QuickIni, FindsSectionsAndKeysWithoutCase)
{
    const TQuickIni ini = Ini("[Buttons]\r\nRightwidth=5\r\n[TitlebarSkin]\r\nSkinName=Ash\r\n");
    EXPECT_EQ(ini.ReadString("buttons", "RIGHTWIDTH", "d"), "5");
    EXPECT_EQ(ini.ReadString("BUTTONS", "rightwidth", "d"), "5");
    EXPECT_EQ(ini.ReadString("titlebarskin", "skinname", "d"), "Ash");
    // A key of another section is not found.
    EXPECT_EQ(ini.ReadString("Buttons", "SkinName", "d"), "d");
    EXPECT_EQ(ini.ReadString("Missing", "SkinName", "d"), "d");
}

TEST(QuickIni, TrimsLinesKeysAndValues)
{
    const TQuickIni ini = Ini("  [Buttons]  \n\t LeftWidth  =   7  \t\r\n Name = two words \r\n");
    EXPECT_EQ(ini.ReadString("Buttons", "LeftWidth", ""), "7");
    EXPECT_EQ(ini.ReadString("Buttons", "name", ""), "two words");
}

TEST(QuickIni, EmptyValueAndMissingKeyGiveTheDefault)
{
    const TQuickIni ini = Ini("[A]\nImage=\nFrame =   \nNoEquals\n");
    EXPECT_EQ(ini.ReadString("A", "Image", "def"), "def");
    EXPECT_EQ(ini.ReadString("A", "Frame", "def"), "def");
    EXPECT_EQ(ini.ReadString("A", "NoEquals", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("A", "Image", 42), 42);
    // The first matching line decides, even when its value is empty.
    EXPECT_EQ(Ini("[A]\nk=\nk=5\n").ReadString("A", "k", "def"), "def");
}

TEST(QuickIni, SemicolonStartsACommentOnlyAtTheLineStart)
{
    const TQuickIni ini = Ini("[A]\n;Image=hidden.bmp\n  ; Frame=3\nImage=a.bmp ; not a comment\nColour=1;2\n");
    EXPECT_EQ(ini.ReadString("A", "Image", ""), "a.bmp ; not a comment");
    EXPECT_EQ(ini.ReadString("A", "Frame", "none"), "none");
    EXPECT_EQ(ini.ReadString("A", "Colour", ""), "1;2");
}

TEST(QuickIni, ValueIsEverythingAfterTheFirstEquals)
{
    const TQuickIni ini = Ini("[A]\nExpr = a=b=c\n");
    EXPECT_EQ(ini.ReadString("A", "expr", ""), "a=b=c");
}

TEST(QuickIni, FirstOfTwoSectionsWithTheSameNameWins)
{
    const TQuickIni ini = Ini("[Tabs]\nImage=first.bmp\n[Other]\nx=1\n[TABS]\nImage=second.bmp\nFrame=4\n");
    EXPECT_EQ(ini.ReadString("Tabs", "Image", ""), "first.bmp");
    EXPECT_EQ(ini.ReadString("Tabs", "Frame", "none"), "none");
}

TEST(QuickIni, SectionNamesMatchWholeIncludingInnerBlanks)
{
    const TQuickIni ini = Ini("[Trackbar.ThumbHorz]\nImage=h.bmp\n[ Spaced ]\nk=v\n");
    EXPECT_EQ(ini.ReadString("Trackbar.ThumbHorz", "Image", ""), "h.bmp");
    EXPECT_EQ(ini.ReadString("Trackbar", "Image", "none"), "none");
    EXPECT_EQ(ini.ReadString("Spaced", "k", "none"), "none");
    EXPECT_EQ(ini.ReadString(" Spaced ", "k", "none"), "v");
}

TEST(QuickIni, KeysBeforeAnySectionBelongToNone)
{
    const TQuickIni ini = Ini("Image=top.bmp\n[A]\nFrame=2\n");
    EXPECT_EQ(ini.ReadString("A", "Image", "none"), "none");
    EXPECT_EQ(ini.ReadString("", "Image", "none"), "none");
}

TEST(QuickIni, ReadIntegerAcceptsDecimalAndHexadecimal)
{
    const TQuickIni ini = Ini(
        "[N]\nhex=0x1F\nHEX=0X1f\ndollar=$1F\nbad=12abc\nneg=-3\nplus=+8\nbare0x=0x\nhexbad=0x1G\n"
        "big=2147483647\nsmall=-2147483648\ntoobig=2147483648\nwide=0xFFFFFFFF\nwider=0x100000000\n"
        "negdollar=-$10\nspace=1 2\nmagenta=$FF00FF\n");
    EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 31);
    EXPECT_EQ(ini.ReadInteger("N", "bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -3);
    EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 8);
    EXPECT_EQ(ini.ReadInteger("N", "bare0x", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "hexbad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "big", 0), 2147483647);
    EXPECT_EQ(ini.ReadInteger("N", "small", 0), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("N", "toobig", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "wide", 0), -1);
    EXPECT_EQ(ini.ReadInteger("N", "wider", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "negdollar", 0), -16);
    EXPECT_EQ(ini.ReadInteger("N", "space", 9), 9);
    EXPECT_EQ(ini.ReadInteger("N", "magenta", 0), 0xFF00FF);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 77), 77);
}

TEST(QuickIni, LineBreaksAndNulEndTheText)
{
    const TQuickIni ini = Ini(std::string_view("[A]\rOne=1\nTwo=2\r\n\r\nThree=3\0[B]\nFour=4\n", 38));
    EXPECT_EQ(ini.ReadInteger("A", "One", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A", "Two", 0), 2);
    EXPECT_EQ(ini.ReadInteger("A", "Three", 0), 3);
    EXPECT_EQ(ini.ReadInteger("B", "Four", 0), 0);
}

TEST(QuickIni, ReadSectionsListsNamesInFileOrder)
{
    const TQuickIni ini = Ini("[Skins]\n[ Buttons ]\nx=1\n[]\n[Skins]\n[not a section\n");
    std::vector<std::string> sections = {"stale"};
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"Skins", "Buttons", "", "Skins"}));
}

TEST(QuickIni, LoadsFromTheStreamPositionAndReplacesEarlierText)
{
    const std::string text = "junk[A]\nk=1\n";
    MemoryStream stream(text.data(), text.size());
    stream.Seek(4);
    TQuickIni ini = Ini("[Old]\nk=2\n");
    ini.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), text.size());
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Old", "k", 0), 0);
    EXPECT_EQ(TQuickIni().ReadString("A", "k", "empty"), "empty");
}

}  // namespace
}  // namespace aw::skin
