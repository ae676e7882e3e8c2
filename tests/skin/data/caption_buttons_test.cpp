// Caption buttons from the "BUTTON..." sections and the three MDI buttons.

#include <gtest/gtest.h>

#include "skin_data_test_support.h"

namespace aw::skin {
namespace {

using test::FakeImages;
using test::LoadFromText;

std::vector<std::string> Names(const SkinModel& m)
{
    std::vector<std::string> names;
    for (const auto& b : m.captionButtons) names.push_back(b->Name);
    return names;
}

TEST(CaptionButtons, SectionsAreChosenByNameAndDecorationsByVisibility)
{
    FakeImages images;
    const SkinModel m = LoadFromText(
        "[Button]\n[Buttons]\n[BUTTON.RADIO]\n[Button.CheckBox]\n"
        "[button7]\nAction=2\n"
        "[ButtonX]\nAction=-1\n"
        "[ButtonY]\nAction=-1\nVisibility=3\n"
        "[ButtonZ]\nAction=-1\nVisibility=0\n"
        "[ButtonsExtra]\n",
        images);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"BUTTON7", "BUTTONZ", "BUTTONSEXTRA", "MDICONTROLS", "MDICONTROLS",
                                                  "MDICONTROLS"}));
    const SkinModel::SysButton& z = *m.captionButtons[1];
    EXPECT_EQ(z.Visibility1, -1);
    EXPECT_EQ(z.FrameCount, 6);  // decorations always have six frames
    EXPECT_EQ(m.captionButtons[0]->Visibility1, 0);
    EXPECT_EQ(m.captionButtons[0]->CombineOp, -1);
}

TEST(CaptionButtons, FrameCountFollowsTheImagesProportions)
{
    FakeImages images;
    images.Add("wide.bmp", 39, 10);
    images.Add("narrow.bmp", 38, 10);
    images.Add("icon.bmp", 30, 10);
    const SkinModel m = LoadFromText(
        "[BUTTON0]\nButtonImage=wide.bmp\n"
        "[BUTTON1]\nButtonImage=narrow.bmp\n"
        "[BUTTON2]\nButtonImage=narrow.bmp\nframe=2\n"
        "[BUTTON3]\nButtonImage=icon.bmp\nAction=3\n"
        "[BUTTON4]\nButtonImage=icon.bmp\nAction=11\nframe=5\n"
        "[BUTTON5]\nAction=2\n",
        images);
    ASSERT_EQ(m.captionButtons.size(), 9u);
    EXPECT_EQ(m.captionButtons[0]->FrameCount, 6);  // 3.9
    EXPECT_EQ(m.captionButtons[1]->FrameCount, 3);  // 3.8
    EXPECT_EQ(m.captionButtons[2]->FrameCount, 2);
    // The icon button draws the form's icon: its image is dropped, its count kept from it.
    EXPECT_EQ(m.captionButtons[3]->FrameCount, 3);
    EXPECT_TRUE(m.captionButtons[3]->image.Empty());
    // With an explicit frame count the image stays.
    EXPECT_FALSE(m.captionButtons[4]->image.Empty());
    EXPECT_EQ(m.captionButtons[5]->FrameCount, 6);
}

TEST(CaptionButtons, Action4TakesTheMaximizeButtonsPlace)
{
    FakeImages images;
    const SkinModel m = LoadFromText(
        "[BUTTON0]\nAction=4\nXcoord=1\nYcoord=1\n"
        "[BUTTON1]\nAction=1\nVisibility=2\nXcoord=66\nYcoord=5\n"
        "[BUTTON2]\nAction=4\nXcoord=10\nYcoord=9\n",
        images);
    EXPECT_EQ(m.captionButtons[0]->XCoord, 1);  // before the maximize button: its own place
    EXPECT_EQ(m.captionButtons[2]->XCoord, 66);
    EXPECT_EQ(m.captionButtons[2]->YCoord, 5);
}

TEST(CaptionButtons, MdiButtonsAreCutFromTwelveFrames)
{
    FakeImages images;
    PixelImage& strip = images.Add("mdi.bmp", 192, 14);
    for (int x = 0; x < strip.width; ++x)
        for (int y = 0; y < strip.height; ++y) strip.Set(x, y, static_cast<Colour>(x));
    const SkinModel m = LoadFromText("[MDICONTROLS]\nImage=mdi.bmp\n", images);
    ASSERT_EQ(m.captionButtons.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const SkinModel::SysButton& b = *m.captionButtons[static_cast<std::size_t>(k)];
        EXPECT_EQ(b.Action, 7 + k);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.FrameCount, 4);
        EXPECT_EQ(b.XCoord, 20 * (3 - k));
        ASSERT_EQ(b.image.width, 64);
        EXPECT_EQ(b.image.height, 14);
        EXPECT_EQ(b.image.At(0, 0), static_cast<Colour>(64 * k));
        EXPECT_EQ(b.image.At(63, 13), static_cast<Colour>(64 * k + 63));
    }

    // Without the image the buttons still exist, with nothing to draw.
    const SkinModel bare = LoadFromText("", images);
    ASSERT_EQ(bare.captionButtons.size(), 3u);
    EXPECT_TRUE(bare.captionButtons[0]->image.Empty());
    EXPECT_EQ(bare.captionButtons[0]->XCoord, 12);
}

}  // namespace
}  // namespace aw::skin
