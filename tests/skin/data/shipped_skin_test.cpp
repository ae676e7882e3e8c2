// The program's own skin, res/skin/ashwarden.skin, loads completely: every element its
// description defines is there with the description's margins, frames and colours.

#include <gtest/gtest.h>

#include "skin/data/package_loader.h"
#include "skin/package/entry_bitmap.h"
#include "skin/package/skin_stream.h"
#include "skin_data_test_support.h"

namespace aw::skin {
namespace {

class ShippedSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::vector<std::uint8_t> property = test::ReadSourceFile("res/skin/ashwarden.skin");
        compressed_ = new std::vector<std::uint8_t>;
        model_ = new SkinModel;
        if (!ReadSkinStreamProperty(property.data(), property.size(), *compressed_)) return;
        LoadEnvironment env;
        env.systemColour = test::FakeSystemColour;
        loaded_ = LoadSkinModelFromPackage(*compressed_, env, nullptr, *model_);
    }
    static void TearDownTestSuite()
    {
        delete model_;
        delete compressed_;
    }
    void SetUp() override { ASSERT_TRUE(loaded_) << "res/skin/ashwarden.skin does not load"; }

    // The entry decoded independently of the model.
    static PixelImage Entry(const char* name)
    {
        TSkinReader reader;
        MemoryStream stream(compressed_->data(), compressed_->size());
        if (!reader.LoadPackage(stream)) return PixelImage{};
        MemoryStream scratch;
        PixelImage image;
        LoadEntryBitmap(image, name, reader, scratch);
        return image;
    }

    static const SkinModel& M() { return *model_; }

    static void ExpectElement(SkinSlot slot, const char* entry, Margins margins, int frames, int trans)
    {
        const SkinModel::Object* e = M().Slot(slot);
        ASSERT_NE(e, nullptr) << CatalogueRow(slot).section;
        const PixelImage image = Entry(entry);
        ASSERT_FALSE(image.Empty()) << entry;
        EXPECT_EQ(e->Name, CatalogueRow(slot).section);
        EXPECT_EQ(e->image.width, image.width) << entry;
        EXPECT_EQ(e->image.pixels, image.pixels) << entry;
        EXPECT_EQ(e->GetMargins(), margins) << entry;
        EXPECT_EQ(e->FrameCount, frames) << entry;
        EXPECT_EQ(e->Trans, trans) << entry;
        EXPECT_EQ(e->Tile, 0) << entry;
    }

    static std::vector<std::uint8_t>* compressed_;
    static SkinModel* model_;
    static bool loaded_;
};

std::vector<std::uint8_t>* ShippedSkin::compressed_ = nullptr;
SkinModel* ShippedSkin::model_ = nullptr;
bool ShippedSkin::loaded_ = false;

TEST_F(ShippedSkin, NameAndColours)
{
    EXPECT_EQ(M().skinName, "Ashwarden");
    const SkinColours& c = M().colours;
    struct Row {
        ColourSlot slot;
        Colour value;
    } rows[] = {
        {csWindowText, Rgb(31, 41, 51)},       {csButtonFace, Rgb(232, 235, 239)},
        {csScrollbar, Rgb(222, 227, 232)},     {csHilightText, Rgb(255, 255, 255)},
        {csHilight, Rgb(31, 130, 118)},        {csMenubar, Rgb(29, 36, 45)},
        {csMenu, Rgb(37, 45, 55)},             {csMenuText, Rgb(225, 231, 237)},
        {csButtonText, Rgb(31, 41, 51)},       {csButtonHilight, Rgb(255, 255, 255)},
        {csButtonlight, Rgb(245, 247, 249)},   {csButtonShadow, Rgb(123, 135, 148)},
        {csButtonDkShadow, Rgb(62, 76, 89)},   {csMenuBarText, Rgb(225, 231, 237)},
        {csTitleTextActive, Rgb(230, 237, 243)}, {csTitleTextNoActive, Rgb(139, 150, 162)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(c[r.slot], r.value) << r.slot;
        EXPECT_TRUE(c.defined[r.slot]) << r.slot;
    }
}

TEST_F(ShippedSkin, FrameBordersAndTitle)
{
    const char* entries[4] = {"frameleft.bmp", "frameright.bmp", "frametop.bmp", "framebottom.bmp"};
    const Margins margins[4] = {{0, 30, 0, 4}, {0, 30, 0, 4}, {12, 0, 12, 0}, {0, 0, 0, 0}};
    for (int side = 0; side < 4; ++side) {
        const SkinModel::Border& b = M().borders[static_cast<std::size_t>(side)];
        EXPECT_EQ(b.Name, kBorderNames[side]);
        EXPECT_EQ(b.image.pixels, Entry(entries[side]).pixels) << entries[side];
        EXPECT_FALSE(b.image.Empty());
        EXPECT_EQ(b.GetMargins(), margins[side]) << entries[side];
        EXPECT_EQ(b.FrameCount, 2);
        EXPECT_EQ(b.Tile, 1);
        EXPECT_EQ(b.Trans, side == bsBottom ? 0 : 1);
    }
    const SkinModel::Title& t = M().title;
    EXPECT_TRUE(t.image.Empty());  // no TextBack
    EXPECT_EQ(t.GetMargins(), (Margins{32, 0, 104, 0}));
    EXPECT_EQ(t.FontHeight, 14);
    EXPECT_EQ(t.ActiveTextColour, Rgb(230, 237, 243));
    EXPECT_EQ(t.InactiveTextColour, Rgb(139, 150, 162));
    const PixelImage top = Entry("frametop.bmp");
    EXPECT_EQ(M().titleColourSample, top.At(top.width / 3, top.height / 2 / 3));
}

TEST_F(ShippedSkin, CaptionButtons)
{
    const auto& buttons = M().captionButtons;
    ASSERT_EQ(buttons.size(), 8u);
    struct Row {
        const char* name;
        const char* entry;
        int action, align, x, y, visibility, visibility1;
    } rows[] = {
        {"BUTTON0", "closebutton.bmp", 0, 1, 36, 5, 0, 0},
        {"BUTTON1", "maxbutton.bmp", 1, 1, 66, 5, 2, 6},
        {"BUTTON2", "restrorebutton.bmp", 1, 1, 66, 5, 1, 6},
        {"BUTTON3", "minbutton.bmp", 2, 1, 96, 5, 8, 0},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const SkinModel::SysButton& b = *buttons[i];
        const Row& r = rows[i];
        EXPECT_EQ(b.Name, r.name);
        EXPECT_EQ(b.image.pixels, Entry(r.entry).pixels) << r.name;
        EXPECT_EQ(b.image.width, 168) << r.name;  // six 28 x 20 frames
        EXPECT_EQ(b.FrameCount, 6) << r.name;
        EXPECT_EQ(b.Action, r.action) << r.name;
        EXPECT_EQ(b.Align, r.align) << r.name;
        EXPECT_EQ(b.XCoord, r.x) << r.name;
        EXPECT_EQ(b.YCoord, r.y) << r.name;
        EXPECT_EQ(b.Visibility, r.visibility) << r.name;
        EXPECT_EQ(b.Visibility1, r.visibility1) << r.name;
        EXPECT_EQ(b.CombineOp, -1) << r.name;
    }
    const SkinModel::SysButton& icon = *buttons[4];
    EXPECT_EQ(icon.Name, "BUTTON4");
    EXPECT_EQ(icon.Action, 3);
    EXPECT_TRUE(icon.image.Empty());
    EXPECT_EQ(icon.FrameCount, 6);
    EXPECT_EQ(icon.XCoord, 10);
    EXPECT_EQ(icon.YCoord, 7);

    const PixelImage mdi = Entry("mdibutton.bmp");
    const int w = mdi.width / 12;
    EXPECT_EQ(w, 16);
    for (int k = 0; k < 3; ++k) {
        const SkinModel::SysButton& b = *buttons[5 + static_cast<std::size_t>(k)];
        EXPECT_EQ(b.Action, 7 + k);
        EXPECT_EQ(b.FrameCount, 4);
        EXPECT_EQ(b.XCoord, (w + 4) * (3 - k));
        ASSERT_EQ(b.image.width, 4 * w);
        EXPECT_EQ(b.image.At(0, 0), mdi.At(4 * w * k, 0));
    }
}

TEST_F(ShippedSkin, PushButtonsAndBoxes)
{
    const SkinModel::Button& b = M().buttons;
    EXPECT_EQ(b.image.pixels, Entry("buttons.bmp").pixels);
    EXPECT_EQ(b.checkImage.pixels, Entry("checkbox.bmp").pixels);
    EXPECT_EQ(b.radioImage.pixels, Entry("radiobutton.bmp").pixels);
    EXPECT_FALSE(b.image.Empty());
    EXPECT_EQ(b.GetMargins(), (Margins{4, 4, 4, 4}));
    EXPECT_EQ(b.Trans, 1);
    EXPECT_EQ(b.Tile, 0);  // no Tile key: the centre is stretched
    EXPECT_EQ(b.FrameCount, 5);
    EXPECT_EQ(b.CheckButtonFrame, 12);
    EXPECT_EQ(b.RadioButtonFrame, 12);
    EXPECT_TRUE(b.HasNormalColour2 && b.HasMouseOverColour2 && b.HasPressedColour2);
    EXPECT_EQ(b.NormalColour2, Rgb(31, 41, 51));
}

TEST_F(ShippedSkin, ElementSlots)
{
    ExpectElement(SkinSlot::Progress, "progress.bmp", {3, 3, 3, 3}, 1, 1);
    ExpectElement(SkinSlot::ProgressChunk, "progresschunk.bmp", {0, 0, 0, 0}, 1, 0);
    ExpectElement(SkinSlot::Tabs, "tab.bmp", {4, 4, 4, 2}, 5, 1);
    ExpectElement(SkinSlot::TabPane, "tabsheet.bmp", {2, 2, 2, 2}, 1, 0);
    ExpectElement(SkinSlot::StatusBarEdges, "statusbar.bmp", {2, 2, 2, 2}, 3, 0);
    ExpectElement(SkinSlot::ExtraImages, "extraimages.bmp", {0, 0, 0, 0}, 5, 1);
    ExpectElement(SkinSlot::Headerbar, "header.bmp", {2, 2, 2, 3}, 5, 0);
    ExpectElement(SkinSlot::MenuItem, "menuitem.bmp", {6, 4, 6, 4}, 5, 1);
    ExpectElement(SkinSlot::MenuBackground, "menubackground.bmp", {2, 2, 2, 2}, 1, 0);
    ExpectElement(SkinSlot::Scrollbar, "scrollbararrow.bmp", {0, 0, 0, 0}, 23, 1);
    ExpectElement(SkinSlot::HorzScroll, "scrollbarhbar.bmp", {3, 3, 3, 3}, 4, 1);
    ExpectElement(SkinSlot::VertScroll, "scrollbarvbar.bmp", {3, 3, 3, 3}, 4, 1);
    ExpectElement(SkinSlot::HorzScrollThumb, "scrollbarhthumb.bmp", {6, 0, 6, 0}, 3, 1);
    ExpectElement(SkinSlot::VertScrollThumb, "scrollbarvthumb.bmp", {0, 6, 0, 6}, 3, 1);
    ExpectElement(SkinSlot::TrackbarThumbHorz, "trackthumbh.bmp", {0, 0, 0, 0}, 5, 1);
    ExpectElement(SkinSlot::TrackbarThumbDown, "trackbot.bmp", {0, 0, 0, 0}, 5, 1);
    ExpectElement(SkinSlot::UpDownVert, "spin.bmp", {2, 2, 2, 2}, 8, 1);
    ExpectElement(SkinSlot::UpDownHorz, "spinh.bmp", {2, 2, 2, 2}, 8, 1);

    EXPECT_EQ(M().Slot(SkinSlot::Progress)->Style, 1);
    EXPECT_EQ(M().BorderSlot(SkinSlot::Tabs)->image2.pixels, Entry("tabsheet.bmp").pixels);
    EXPECT_EQ(M().Slot(SkinSlot::Tabs)->NormalColour2, Rgb(82, 96, 109));
    EXPECT_EQ(M().Slot(SkinSlot::Tabs)->PressedColour2, Rgb(31, 41, 51));
    EXPECT_EQ(M().Slot(SkinSlot::StatusBarEdges)->NormalColour2, Rgb(201, 210, 218));
    EXPECT_EQ(M().BorderSlot(SkinSlot::UpDownVert)->image2.pixels, Entry("spinarrow.bmp").pixels);
    EXPECT_EQ(M().BorderSlot(SkinSlot::UpDownHorz)->image2.pixels, Entry("spinharrow.bmp").pixels);

    // What the description does not define stays empty (no resources natively).
    for (SkinSlot slot : {SkinSlot::MenuBar, SkinSlot::GroupBoxEdge, SkinSlot::GroupBox, SkinSlot::ToolBars,
                          SkinSlot::TrackbarThumbVert, SkinSlot::TrackbarThumbLeft, SkinSlot::TrackbarThumbRight,
                          SkinSlot::TrackbarThumbUp, SkinSlot::Track, SkinSlot::TrackVert})
        EXPECT_EQ(M().Slot(slot), nullptr) << CatalogueRow(slot).section;
}

TEST_F(ShippedSkin, ComboElementsAreGeneratedFromTheEdgeAndButton)
{
    const SkinModel::Border* button = M().BorderSlot(SkinSlot::ComboButton);
    const SkinModel::Object* edge = M().Slot(SkinSlot::SunkEdge);
    ASSERT_TRUE(button && edge);
    EXPECT_EQ(button->Style, 2);
    EXPECT_EQ(button->image.width, 200);
    EXPECT_EQ(button->image.height, 21);
    EXPECT_EQ(button->GetMargins(), (Margins{2, 3, 21, 3}));
    EXPECT_EQ(button->FrameCount, 4);
    PixelImage mirrored = Entry("comboboxbtn.bmp");
    MirrorHorizontally(mirrored);
    EXPECT_EQ(button->image2.pixels, mirrored.pixels);
    EXPECT_EQ(edge->GetMargins(), (Margins{21, 3, 2, 3}));
    EXPECT_EQ(edge->image.width, 200);
    const SkinModel::Object* arrow = M().Slot(SkinSlot::ComboxArrow);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->image.width, 68);
    EXPECT_EQ(arrow->FrameCount, 4);
    const SkinModel::Object* toolbar = M().Slot(SkinSlot::Toolbar);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->image.height, 40);
}

}  // namespace
}  // namespace aw::skin
