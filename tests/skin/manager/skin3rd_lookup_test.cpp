// The Skin3rd lookup over the default list and over edited lines, and the kind table.

#include <gtest/gtest.h>

#include "skin/data/skin3rd.h"
#include "skin/manager/skin3rd_lookup.h"

namespace aw::skin {
namespace {

TEST(Skin3rdLookup, MatchesWholeClassNamesRegardlessOfCase)
{
    const std::vector<std::string> lines = DefaultSkin3rdLines();
    EXPECT_EQ(LookupSkin3rd(lines, "TVirtualStringTree"), "scrollbar");
    EXPECT_EQ(LookupSkin3rd(lines, "tvirtualstringtree"), "scrollbar");
    EXPECT_EQ(LookupSkin3rd(lines, "TControlBar"), "Panel");
    // A class that is only a prefix of a listed one does not match.
    EXPECT_EQ(LookupSkin3rd(lines, "TVirtualString"), "");
    EXPECT_EQ(LookupSkin3rd(lines, "TButton"), "");
}

TEST(Skin3rdLookup, FirstLineWinsAndTheKindIsCut)
{
    const std::string longKind(60, 'k');
    const std::vector<std::string> lines = {"TMine=nil", "TMINE=panel", "TLong=" + longKind, "TEq=a=b", "TEmpty="};
    EXPECT_EQ(LookupSkin3rd(lines, "tmine"), "nil");
    EXPECT_EQ(LookupSkin3rd(lines, "TLong"), std::string(50, 'k'));
    EXPECT_EQ(LookupSkin3rd(lines, "TEq"), "a=b");
    EXPECT_EQ(LookupSkin3rd(lines, "TEmpty"), "");
    EXPECT_EQ(LookupSkin3rd({}, "TMine"), "");
}

TEST(Skin3rdKinds, RequirementsFollowTheTable)
{
    const SkinControlSet all = SkinControlSet::All();
    struct Row {
        const char* kind;
        SkinControlSet controls;
        bool tabs;
        bool creates;
    } rows[] = {
        {"nil", all, true, false},
        {"unknown", all, true, false},
        {"panel", all.Without(xcPanel), true, false},
        {"Panel", {xcPanel}, false, true},
        {"trackbar", {xcTrackBar}, false, false},
        {"trackbar", {xcButton}, false, true},
        {"checkgroup", {xcGroupBox}, false, false},
        {"checkgroup", {xcPanel}, false, true},
        {"tab", {xcTab}, false, false},
        {"tab", {xcTab}, true, true},
        {"advpagecontrol", {xcTab}, false, true},
        {"container", {}, false, true},
        {"speedbutton", {xcButton}, false, false},
        {"speedbutton", {xcSpeedButton}, false, true},
        {"datetimepicker", {xcCombo}, false, true},
        {"embedscrollbar", all.Without(xcScrollbar), false, false},
        {"CHECKBOX", {xcCheckBox}, false, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Skin3rdKindCreatesPainter(row.kind, row.controls, row.tabs), row.creates) << row.kind;
    EXPECT_EQ(kSkin3rdKindRuleCount, 25u);
}

TEST(Skin3rdKinds, EveryDefaultLineNamesAKnownKind)
{
    for (const std::string& line : DefaultSkin3rdLines()) {
        const std::string kind = LookupSkin3rd({line}, line.substr(0, line.find('=')));
        EXPECT_TRUE(Skin3rdKindCreatesPainter(kind, SkinControlSet::All(), true)) << line;
    }
}

}  // namespace
}  // namespace aw::skin
