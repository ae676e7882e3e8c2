// Element slots, frame borders, title and push buttons loaded from descriptions written here.

#include <gtest/gtest.h>

#include "skin_data_test_support.h"

namespace aw::skin {
namespace {

using test::FakeImages;
using test::LoadFromText;

class ElementLoading : public ::testing::Test {
protected:
    FakeImages images;
};

TEST_F(ElementLoading, GenericElementReadsMarginsFramesAndColours)
{
    images.Add("menuitem.bmp", 50, 20);
    const SkinModel m = LoadFromText(
        "[Colours]\nButtonText=9 8 7\n"
        "[MenuItem]\nImage=menuitem.bmp\nLeftWidth=6\nRightWidth=5\nTopHeight=4\nBottomHeight=3\nTrans=1\n"
        "Style=7\nNormalColour=12\nNormalColour2=1 2 3\n",
        images);
    const SkinModel::Object* e = m.Slot(SkinSlot::MenuItem);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Name, "MenuItem");
    EXPECT_EQ(e->GetMargins(), (Margins{6, 4, 5, 3}));
    EXPECT_EQ(e->Trans, 1);
    EXPECT_EQ(e->Style, 7);
    EXPECT_EQ(e->FrameCount, 5);
    EXPECT_EQ(e->image.width, 50);
    EXPECT_EQ(e->NormalColour, 12);
    EXPECT_EQ(e->MouseOverColour, kNoColour);
    EXPECT_EQ(e->NormalColour2, Rgb(1, 2, 3));
    // Absent second colours take the skin's ButtonText.
    EXPECT_EQ(e->PressedColour2, Rgb(9, 8, 7));
}

TEST_F(ElementLoading, MissingImageKeyLeavesTheSlotEmptyAndAMissingEntryAnEmptyImage)
{
    const SkinModel m = LoadFromText("[MenuItem]\nLeftWidth=3\n[Scrollbar]\nImage=nothere.bmp\nLeftWidth=2\n", images);
    EXPECT_EQ(m.Slot(SkinSlot::MenuItem), nullptr);
    // The skin names an image that does not decode: the element exists, without pixels.
    ASSERT_NE(m.Slot(SkinSlot::Scrollbar), nullptr);
    EXPECT_TRUE(m.Slot(SkinSlot::Scrollbar)->image.Empty());
    EXPECT_EQ(m.Slot(SkinSlot::Scrollbar)->LeftWidth, 2);
    EXPECT_EQ(m.Slot(SkinSlot::ComboxArrow), nullptr);
    // The fixed elements exist with empty images.
    EXPECT_TRUE(m.buttons.image.Empty());
    EXPECT_TRUE(m.borders[bsLeft].image.Empty());
    EXPECT_EQ(m.buttons.FrameCount, 5);
}

TEST_F(ElementLoading, TileAboveOneIsClampedPerLoader)
{
    images.Add("a.bmp", 40, 10);
    const SkinModel m = LoadFromText(
        "[MenuItem]\nImage=a.bmp\nTile=2\n"
        "[Progress]\nBitmap=a.bmp\nTile=2\n"
        "[Buttons]\nBitmap=a.bmp\nTile=2\n"
        "[Personality]\nLeft=a.bmp\nLeftStretch=5\nmenuBar=a.bmp\nTileMenu=3\n",
        images);
    EXPECT_EQ(m.Slot(SkinSlot::MenuItem)->Tile, 0);
    EXPECT_EQ(m.Slot(SkinSlot::Progress)->Tile, 1);
    EXPECT_EQ(m.buttons.Tile, 0);
    EXPECT_EQ(m.borders[bsLeft].Tile, 1);
    EXPECT_EQ(m.Slot(SkinSlot::MenuBar)->Tile, 1);
}

TEST_F(ElementLoading, FrameCountsFollowTheCatalogue)
{
    images.Add("a.bmp", 100, 10);
    const SkinModel m = LoadFromText(
        "[Headerbar]\nImage=a.bmp\nFrame=4\n"
        "[Progress.Chunk]\nImage=a.bmp\nFrame=7\n"
        "[Progress]\nBitmap=a.bmp\n"
        "[Scrollbar]\nImage=a.bmp\nFrame=2\n"
        "[HorzScrollThumb]\nImage=a.bmp\n"
        "[VertScrollThumb]\nImage=a.bmp\nFrameCount=4\n"
        "[UpDown.Vert]\nImage=a.bmp\nFrame=3\n"
        "[Track]\nImage=a.bmp\nFrame=-2\n",
        images);
    EXPECT_EQ(m.Slot(SkinSlot::Headerbar)->FrameCount, 4);
    EXPECT_EQ(m.Slot(SkinSlot::ProgressChunk)->FrameCount, 7);
    EXPECT_EQ(m.Slot(SkinSlot::Progress)->FrameCount, 2);  // Style 0
    EXPECT_EQ(m.Slot(SkinSlot::Scrollbar)->FrameCount, 23);
    EXPECT_EQ(m.Slot(SkinSlot::HorzScrollThumb)->FrameCount, 3);
    EXPECT_EQ(m.Slot(SkinSlot::VertScrollThumb)->FrameCount, 4);
    EXPECT_EQ(m.Slot(SkinSlot::UpDownVert)->FrameCount, 8);
    // A frame count below one would be a zero divisor for every painter.
    EXPECT_EQ(m.Slot(SkinSlot::Track)->FrameCount, 1);

    const SkinModel zero = LoadFromText("[Headerbar]\nImage=a.bmp\n[Progress]\nBitmap=a.bmp\nStyle=1\n", images);
    EXPECT_EQ(zero.Slot(SkinSlot::Headerbar)->FrameCount, 5);
    EXPECT_EQ(zero.Slot(SkinSlot::Progress)->FrameCount, 1);
}

TEST_F(ElementLoading, TwoImageElementsAndTheGroupBoxAndMenuBar)
{
    images.Add("tab.bmp", 50, 20);
    images.Add("sheet.bmp", 10, 10);
    const SkinModel m = LoadFromText(
        "[Tabs]\nImage=tab.bmp\nBorder=sheet.bmp\nFrame=9\n"
        "[GroupBox]\nImage=tab.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=-3\nFrame=9\n"
        "[Tab.Pane]\nImage=sheet.bmp\nLeftWidth=9\nTopHeight=3\nRightWidth=5\nBottomHeight=4\n"
        "[Personality]\nmenuBar=tab.bmp\n",
        images);
    const SkinModel::Border* tabs = m.BorderSlot(SkinSlot::Tabs);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->image2.width, 10);
    EXPECT_EQ(tabs->FrameCount, 5);
    const SkinModel::BoxLabel* box = m.GroupBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->BackgroundAlignment, 2);
    EXPECT_EQ(box->BackgroundLeftShift, -3);
    EXPECT_EQ(box->BackgroundRightShift, 0);
    EXPECT_EQ(box->FrameCount, 1);
    EXPECT_EQ(m.Slot(SkinSlot::TabPane)->GetMargins(), (Margins{4, 3, 4, 4}));
    const SkinModel::Object* bar = m.Slot(SkinSlot::MenuBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetMargins(), (Margins{1, 0, 1, 0}));
    EXPECT_EQ(bar->Tile, 1);
    EXPECT_EQ(bar->FrameCount, 2);
}

TEST_F(ElementLoading, FrameBordersTitleAndButtons)
{
    images.Add("left.bmp", 8, 60);
    images.Add("top.bmp", 30, 60);
    images.Add("buttons.bmp", 160, 24);
    images.Add("check.bmp", 52, 13);
    images.Add("radio.bmp", 208, 16);
    const SkinModel m = LoadFromText(
        "[Personality]\nLeft=left.bmp\nLeftFrame=2\nLeftTopHeight=30\nLeftBotHeight=4\n"
        "Top=top.bmp\nTopTopHeight=12\nTopBotHeight=11\nTopTrans=0\n"
        "TextShift=32\nTextShiftVert=2\nTextRightClip=104\nTextAlignment=1\n"
        "ActiveTextR=1\nActiveTextG=2\nActiveTextB=3\nInActiveTextR=1\nInActiveTextG=-1\nInActiveTextB=3\n"
        "[Fonts]\nFontHeight=abc\n"
        "[Buttons]\nBitmap=buttons.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\nLeftWidth=4\n"
        "NormalColour2=5 5 5\n",
        images);
    const SkinModel::Border& left = m.borders[bsLeft];
    EXPECT_EQ(left.Name, "Left");
    EXPECT_EQ(left.GetMargins(), (Margins{0, 30, 0, 4}));
    EXPECT_EQ(left.FrameCount, 2);
    EXPECT_EQ(left.Tile, 1);
    EXPECT_EQ(left.Trans, 1);
    const SkinModel::Border& top = m.borders[bsTop];
    EXPECT_EQ(top.GetMargins(), (Margins{12, 0, 11, 0}));
    EXPECT_EQ(top.FrameCount, 1);
    EXPECT_EQ(top.Trans, 0);
    EXPECT_TRUE(m.borders[bsRight].image.Empty());

    EXPECT_EQ(m.title.GetMargins(), (Margins{32, 2, 104, 0}));
    EXPECT_EQ(m.title.TextAlignment, 1);
    EXPECT_EQ(m.title.FontHeight, 14);  // unparsable: the default
    EXPECT_EQ(m.title.ActiveTextColour, Rgb(1, 2, 3));
    EXPECT_EQ(m.title.InactiveTextColour, kNoTitleTextColour);
    EXPECT_EQ(m.title.FrameCount, 2);

    EXPECT_EQ(m.buttons.LeftWidth, 4);
    EXPECT_EQ(m.buttons.FrameCount, 5);
    EXPECT_EQ(m.buttons.CheckButtonFrame, 4);   // 52 / 13
    EXPECT_EQ(m.buttons.RadioButtonFrame, 13);  // 208 / 16
    EXPECT_TRUE(m.buttons.HasNormalColour2);
    EXPECT_FALSE(m.buttons.HasPressedColour2);
    EXPECT_EQ(m.buttons.NormalColour2, Rgb(5, 5, 5));
    EXPECT_EQ(m.buttons.PressedColour2, SystemColour(kColorBtnText));
}

TEST_F(ElementLoading, TrackFallsBackToTheProgramsBitmapResource)
{
    LoadEnvironment env;
    std::vector<std::string> asked;
    env.resourceBitmap = [&asked](std::string_view name) {
        asked.emplace_back(name);
        return name == "TRACK" ? PixelImage(20, 6) : PixelImage{};
    };
    const SkinModel m = LoadFromText("[Track]\nImage=missing.bmp\nFrame=4\n", images, env);
    const SkinModel::Object* track = m.Slot(SkinSlot::Track);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->GetMargins(), (Margins{3, 3, 3, 3}));
    EXPECT_EQ(track->FrameCount, 1);
    EXPECT_EQ(track->image.width, 20);
    EXPECT_EQ(m.Slot(SkinSlot::TrackVert), nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"TRACK", "TRACKVERT"}));
}

TEST_F(ElementLoading, ReloadingReplacesEverything)
{
    images.Add("a.bmp", 40, 10);
    TQuickIni first, second;
    first.LoadFromText("[TitlebarSkin]\nSkinName=One\n[MenuItem]\nImage=a.bmp\n[Buttons]\nLeftWidth=7\n[BUTTON0]\n");
    second.LoadFromText("[TitlebarSkin]\nSkinName=Two\n");
    SkinModel m;
    LoadEnvironment env;
    LoadSkinModel(first, images.Source(), env, m);
    ASSERT_NE(m.Slot(SkinSlot::MenuItem), nullptr);
    EXPECT_EQ(m.captionButtons.size(), 4u);
    LoadSkinModel(second, images.Source(), env, m);
    EXPECT_EQ(m.skinName, "Two");
    EXPECT_EQ(m.Slot(SkinSlot::MenuItem), nullptr);
    EXPECT_EQ(m.buttons.LeftWidth, 0);
    EXPECT_EQ(m.captionButtons.size(), 3u);
}

}  // namespace
}  // namespace aw::skin
