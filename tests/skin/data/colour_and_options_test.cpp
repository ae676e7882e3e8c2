// ParseColour, the colour table, the option sets and the default Skin3rd list.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "skin/data/parse_colour.h"
#include "skin/data/skin3rd.h"
#include "skin/data/skin_options.h"
#include "skin_data_test_support.h"

namespace aw::skin {
namespace {

TEST(ParseColour, ReadsRunsOfDigitsAsRedGreenBlue)
{
    struct Case {
        const char* text;
        Colour expected;
    } cases[] = {
        {"236 233 216", Rgb(236, 233, 216)},
        {"236,233,216", Rgb(236, 233, 216)},
        {"  1 2 3  ", Rgb(1, 2, 3)},
        {"r1g2b3", Rgb(1, 2, 3)},
        {"1, 2, 3,", Rgb(1, 2, 3)},
        {"1 2 3 4", Rgb(1, 2, 3)},
        {"", 0},
        // A run that ends the text is blue only after two runs: "10 20" drops the 20 and a
        // lone number gives nothing at all.
        {"10 20", Rgb(10, 0, 0)},
        {"10", 0},
        {"10 20 ", Rgb(10, 0, 0)},  // trimmed first
        {"10 20;", Rgb(10, 20, 0)},
        // Components are not masked, so an oversized one spills into the next channel.
        {"300 0 0", 300},
        // A run too long for a 32-bit integer fails to convert and counts as 0.
        {"99999999999 2 3", Rgb(0, 2, 3)},
        {"-5 7 9", Rgb(5, 7, 9)},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseColour(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SkinColours, UndefinedSlotsTakeSystemColoursAndMenubarTakesTheSkinsButtonFace)
{
    test::FakeImages images;
    const SkinModel model = test::LoadFromText("[Colours]\nButtonFace=236 233 216\nHilight=1,2,3\n", images);
    const SkinColours& c = model.colours;
    EXPECT_EQ(c[csButtonFace], Rgb(236, 233, 216));
    EXPECT_TRUE(c.defined[csButtonFace]);
    EXPECT_EQ(c[csMenubar], Rgb(236, 233, 216));
    EXPECT_FALSE(c.defined[csMenubar]);
    EXPECT_EQ(c[csHilight], Rgb(1, 2, 3));
    EXPECT_EQ(c[csWindowText], 0xFF000008u);
    EXPECT_EQ(c[csButtonlight], SystemColour(kColorBtnHighlight));
    EXPECT_EQ(c[csTitleTextNoActive], SystemColour(kColorInactiveCaptionText));
    EXPECT_FALSE(c.defined[csWindowText]);

    const SkinModel bare = test::LoadFromText("", images);
    EXPECT_EQ(bare.colours[csMenubar], SystemColour(kColorBtnFace));
}

TEST(SkinColours, ColourSectionsCustomColoursAndReservedSlots)
{
    test::FakeImages images;
    TQuickIni ini;
    ini.LoadFromText("[Colours]\n[Colour1]\ncolor=1 2 3\n[colourX]\n[Customcolors]\nColor3=0x10\n");
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    SkinColours colours;
    colours.values[9] = 0x123456;
    colours.values[17] = 0x654321;
    LoadSkinColours(ini, sections, colours);
    ASSERT_EQ(colours.sectionColours.size(), 2u);
    EXPECT_EQ(colours.sectionColours[0], Rgb(1, 2, 3));
    EXPECT_EQ(colours.sectionColours[1], SystemColour(kColorWindowText));
    EXPECT_EQ(colours.customColours[3], 0x10u);
    EXPECT_EQ(colours.customColours[0], kWhite);
    EXPECT_EQ(colours.values[9], 0x123456u);
    EXPECT_EQ(colours.values[17], 0x654321u);
}

TEST(SkinOptionSet, DefaultsAndTheMainWindowsSets)
{
    for (int m = 0; m < kSkinControlTypeCount; ++m) {
        const auto member = static_cast<TSkinControlType>(m);
        EXPECT_EQ(kDefaultSkinControls.Contains(member), member != xcMenuItem && member != xcFastReport)
            << kSkinControlTypeNames[m];
        EXPECT_EQ(kMainWindowSkinControls.Contains(member),
                  member != xcMenuItem && member != xcFastReport && member != xcPanel)
            << kSkinControlTypeNames[m];
    }
    EXPECT_EQ(kDefaultSkinControls.Bits(), 0x1FFFFBu);
    EXPECT_EQ(kDefaultSkinOptions.Bits(), (1u << 3) | (1u << 6) | (1u << 10));
    EXPECT_EQ(SkinOptionSet::FromBits(0xFFFFFFFF).Bits(), 0xFFFu);
}

TEST(SkinOptionSet, ControlsAfterLoadDropScrollBarsWithoutTheQueryAndOneMenuKind)
{
    const SkinControlSet all = SkinControlSet::All();
    const SkinControlSet noMain = all.Without(xcMainMenu);

    const SkinControlSet main = ControlsAfterLoad(all, sfMainform, true);
    EXPECT_FALSE(main.Contains(xcMenuItem));
    EXPECT_TRUE(main.Contains(xcSystemMenu));
    EXPECT_TRUE(main.Contains(xcScrollbar));

    const SkinControlSet withoutMenuBar = ControlsAfterLoad(noMain, sfMainform, false);
    EXPECT_TRUE(withoutMenuBar.Contains(xcMenuItem));
    EXPECT_FALSE(withoutMenuBar.Contains(xcSystemMenu));
    EXPECT_FALSE(withoutMenuBar.Contains(xcScrollbar));

    // Only the main form trades menu kinds.
    EXPECT_EQ(ControlsAfterLoad(all, sfOnlyThisForm, true), all);
}

TEST(Skin3rd, DefaultListHas118LinesAndRepeatsOnlyThreeClassesWithTheSameKind)
{
    const std::vector<std::string> lines = DefaultSkin3rdLines();
    ASSERT_EQ(lines.size(), 118u);
    EXPECT_EQ(lines.front(), "TCategoryButtons=scrollbar");
    EXPECT_EQ(lines.back(), "TLMDDBCHECKBOX=Checkbox");

    const std::set<std::string> kinds = {"scrollbar", "pngspeedbutton", "pngbitbtn", "panel",     "combobox",
                                         "speedbutton", "button",       "bitbtn",    "menubtn",   "checkgroup",
                                         "radiogroup",  "edit",         "radiobutton", "groupbox", "checkbox"};
    std::map<std::string, std::string> kindOf;
    std::map<std::string, int> perKind;
    int repeats = 0;
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        const std::string cls = line.substr(0, eq);
        std::string kind = line.substr(eq + 1);
        for (char& ch : kind) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(kinds.count(kind)) << line;
        ++perKind[kind];
        auto [it, inserted] = kindOf.emplace(cls, kind);
        if (!inserted) {
            ++repeats;
            EXPECT_EQ(it->second, kind) << cls;
        }
    }
    EXPECT_EQ(repeats, 3);
    EXPECT_EQ(perKind["combobox"], 39);
    EXPECT_EQ(perKind["edit"], 26);
    EXPECT_EQ(perKind["panel"], 15);
    EXPECT_EQ(perKind["scrollbar"], 10);
    EXPECT_EQ(perKind["radiogroup"], 7);
}

}  // namespace
}  // namespace aw::skin
