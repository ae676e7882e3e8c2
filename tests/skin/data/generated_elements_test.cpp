// The combined combo image, the combo arrow, the title colour sample and the toolbar.

#include <gtest/gtest.h>

#include "skin/data/loader_steps.h"
#include "skin_data_test_support.h"

namespace aw::skin {
namespace {

using test::FakeImages;
using test::LoadFromText;

constexpr Colour kEdge = 0x112233;
constexpr Colour kButton = 0x445566;

class ComboImages : public ::testing::Test {
protected:
    void SetUp() override
    {
        images.Add("edge.bmp", 4 * 21, 21, kEdge);
        images.Add("button.bmp", 4 * 18, 21, kButton);
    }
    FakeImages images;
    LoadEnvironment env{nullptr, 17, nullptr};
};

TEST_F(ComboImages, EdgeAndButtonAreCombinedIntoOneStripPerFrame)
{
    const SkinModel m = LoadFromText(
        "[SunkEdge]\nImage=edge.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\nTrans=1\n"
        "[ComboButton]\nImage=button.bmp\nTrans=1\n",
        images, env);
    const SkinModel::Border* button = m.BorderSlot(SkinSlot::ComboButton);
    const SkinModel::Object* edge = m.Slot(SkinSlot::SunkEdge);
    ASSERT_TRUE(button && edge);
    const int w = 19;
    EXPECT_EQ(button->Style, 2);
    EXPECT_EQ(button->GetMargins(), (Margins{2, 3, w + 2, 3}));
    ASSERT_EQ(button->image.width, 200);
    ASSERT_EQ(button->image.height, 21);
    // The original button image survives, mirrored, as the second image.
    EXPECT_EQ(button->image2.width, 72);

    const PixelImage& strip = button->image;
    for (int k = 0; k < 4; ++k) {
        const int x = 50 * k;
        EXPECT_EQ(strip.At(x, 0), kEdge) << k;                // the edge's border
        EXPECT_EQ(strip.At(x + 10, 10), kMagenta) << k;       // the field stays transparent
        EXPECT_EQ(strip.At(x + 49 - w - 1, 17), kMagenta) << k;
        EXPECT_EQ(strip.At(x + 49 - w, 10), kEdge) << k;      // just outside the field
        EXPECT_EQ(strip.At(x + 50 - w + 5, 10), kButton) << k;
    }
    EXPECT_EQ(edge->GetMargins(), (Margins{w + 2, 3, 2, 3}));
    ASSERT_EQ(edge->image.width, 200);
    EXPECT_EQ(edge->image.At(199 - (50 - w + 5), 10), kButton);

    const SkinModel::Object* arrow = m.Slot(SkinSlot::ComboxArrow);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->FrameCount, 4);
    EXPECT_EQ(arrow->image.width, 68);
    EXPECT_EQ(arrow->image.height, 17);
    // Cell 1 is x 31..47, y 2..18 of the strip: the button area.
    EXPECT_EQ(arrow->image.At(0, 0), strip.At(31, 2));
    EXPECT_EQ(arrow->image.At(16, 16), kButton);
}

TEST_F(ComboImages, ExtraImagesAreCentredOnTheButton)
{
    images.Add("extra.bmp", 5 * 7, 4, 0x0000AA);
    const SkinModel m = LoadFromText(
        "[SunkEdge]\nImage=edge.bmp\n[ComboButton]\nImage=button.bmp\n[ExtraImages]\nImage=extra.bmp\n", images, env);
    const PixelImage& strip = m.Slot(SkinSlot::ComboButton)->image;
    // Button area x 31..49; the 7x4 glyph is centred at x 37..43, y 8..11.
    EXPECT_EQ(strip.At(37, 8), 0x0000AAu);
    EXPECT_EQ(strip.At(43, 11), 0x0000AAu);
    EXPECT_EQ(strip.At(36, 8), kButton);
}

TEST_F(ComboImages, ArrowWithoutAnEdgeIsTheButtonWithMagentaReplaced)
{
    PixelImage& button = images.Add("magenta.bmp", 40, 10, kMagenta);
    button.Set(0, 0, kButton);
    const SkinModel m = LoadFromText("[Colours]\nButtonFace=1 2 3\n[ComboButton]\nImage=magenta.bmp\n", images, env);
    const SkinModel::Object* arrow = m.Slot(SkinSlot::ComboxArrow);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->FrameCount, 4);
    EXPECT_EQ(arrow->image.At(0, 0), kButton);
    EXPECT_EQ(arrow->image.At(5, 5), Rgb(1, 2, 3));
    EXPECT_EQ(m.Slot(SkinSlot::ComboButton)->image.At(5, 5), kMagenta);
}

TEST_F(ComboImages, ANarrowButtonStripNeverReadsOutsideIt)
{
    // One SunkEdge frame made of many frames leaves f smaller than the 19-pixel offset.
    SkinModel m;
    auto edge = std::make_unique<SkinModel::Object>();
    edge->image = PixelImage(10, 21, kEdge);
    edge->FrameCount = 8;
    auto button = std::make_unique<SkinModel::Border>();
    button->image = PixelImage(40, 21, kButton);
    button->Style = 2;
    button->FrameCount = 4;
    m.slots[static_cast<std::size_t>(SkinSlot::SunkEdge)] = std::move(edge);
    m.slots[static_cast<std::size_t>(SkinSlot::ComboButton)] = std::move(button);
    BuildComboArrow(env, m);
    const SkinModel::Object* arrow = m.Slot(SkinSlot::ComboxArrow);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->image.width, 8 * 17);
    EXPECT_EQ(arrow->image.At(0, 0), kMagenta);          // cell 1 reads x -14..3: only partly inside
    EXPECT_EQ(arrow->image.At(16, 0), kButton);
}

TEST(TitleColourSample, IsThePixelAtAThirdOfTheTopBordersFirstFrame)
{
    FakeImages images;
    PixelImage& top = images.Add("top.bmp", 30, 60, 0x010101);
    top.Set(10, 10, 0xABCDEF);
    const SkinModel m = LoadFromText("[Personality]\nTop=top.bmp\nTopFrame=2\n", images);
    EXPECT_EQ(m.titleColourSample, 0xABCDEFu);

    const SkinModel none = LoadFromText("[Colours]\nButtonFace=4 5 6\n", images);
    EXPECT_EQ(none.titleColourSample, Rgb(4, 5, 6));
}

TEST(Toolbar, GradientRunsFromLightFaceToATitleTint)
{
    const Colour face = Rgb(200, 200, 200);
    struct Case {
        Colour title;
        Colour bottom;
    } cases[] = {
        // Dark: counts as saturated (200), weight (5625 - 5000) / 140 + 50 = 54 percent.
        {Rgb(40, 60, 80), Blend(Rgb(40, 60, 80), kWhite, 54, nullptr)},
        // Bright and pale: saturation 21, so grey and title mix 15:85.
        {Rgb(240, 230, 220), Blend(0x808080, Rgb(240, 230, 220), 150, nullptr)},
        // Bright and fully saturated: 255 gives (5625 - 6375) / 140 + 50 = 45.
        {Rgb(255, 0, 0), Blend(Rgb(255, 0, 0), kWhite, 45, nullptr)},
    };
    for (const Case& c : cases) {
        const PixelImage image = ToolbarBackground(face, c.title, nullptr);
        ASSERT_EQ(image.width, 10);
        ASSERT_EQ(image.height, 40);
        EXPECT_EQ(image.At(0, 0), Blend(face, kWhite, 150, nullptr));
        EXPECT_EQ(image.At(9, 39), c.bottom) << std::hex << c.title;
    }
}

TEST(Toolbar, GeneratedElementIsOneFrame)
{
    FakeImages images;
    const SkinModel m = LoadFromText("", images);
    const SkinModel::Object* toolbar = m.Slot(SkinSlot::Toolbar);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->FrameCount, 1);
    // A system ButtonFace is resolved through the platform before blending.
    EXPECT_EQ(toolbar->image.At(0, 0), Blend(test::FakeSystemColour(kColorBtnFace), kWhite, 150, nullptr));
}

}  // namespace
}  // namespace aw::skin
