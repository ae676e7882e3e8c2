// TSkinData over GDI: the shipped skin becomes bitmaps identical to the loaded pixels, and the
// component talks to the skin manager as its lifecycle requires.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "skin/data/optional_user32.h"
#include "skin/data/package_loader.h"
#include "skin/data/skin_data.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/package/skin_stream.h"
#include "skin_data_test_support.h"

namespace aw::skin {
namespace {

class RecordingManager : public SkinManagerLink {
public:
    void RegisterSkinData(TSkinData&) override { calls.push_back("register"); }
    void UnregisterSkinData(TSkinData&) override { calls.push_back("unregister"); }
    void InstallHook() override { calls.push_back("hook"); }
    void SetSkinning(bool on) override { calls.push_back(on ? "skinning on" : "skinning off"); }
    int ActivityState() const override { return activity; }
    void SetActivityState(int state) override
    {
        activity = state;
        calls.push_back("activity " + std::to_string(state));
    }
    void Schedule(SkinOperation operation, TSkinData&, int delayMs) override
    {
        const char* names[] = {"skin all", "unskin all", "refresh"};
        calls.push_back(std::string(names[static_cast<int>(operation)]) + " " + std::to_string(delayMs));
    }
    void ReloadForms(TSkinData&) override { calls.push_back("reload"); }
    void AttachForm(HWND) override { calls.push_back("attach"); }

    std::vector<std::string> calls;
    int activity = 0;
};

using Calls = std::vector<std::string>;

std::vector<std::uint8_t> ShippedProperty() { return test::ReadSourceFile("res/skin/ashwarden.skin"); }

class SkinDataComponent : public ::testing::Test {
protected:
    std::unique_ptr<TSkinData> Make(HWND owner = nullptr)
    {
        auto data = std::make_unique<TSkinData>(owner, [this] { return &manager; });
        data->SetMessageSink([this](const std::string& text) { messages.push_back(text); });
        return data;
    }
    void ReadShipped(TSkinData& data)
    {
        const auto property = ShippedProperty();
        data.ReadSkinStream(property.data(), property.size());
    }

    RecordingManager manager;
    std::vector<std::string> messages;
};

void ExpectSameImage(HBITMAP bitmap, const PixelImage& image, const std::string& what)
{
    if (image.Empty()) {
        EXPECT_EQ(bitmap, nullptr) << what;
        return;
    }
    ASSERT_NE(bitmap, nullptr) << what;
    const PixelImage read = ReadPixels(bitmap);
    EXPECT_EQ(read.width, image.width) << what;
    EXPECT_EQ(read.height, image.height) << what;
    EXPECT_TRUE(read.pixels == image.pixels) << what;
}

TEST_F(SkinDataComponent, ConstructorDefaults)
{
    auto data = Make();
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(data->DisableTag, 99);
    EXPECT_EQ(data->SkinControls, kDefaultSkinControls);
    EXPECT_EQ(data->Options, kDefaultSkinOptions);
    EXPECT_EQ(data->Skin3rd.size(), 118u);
    EXPECT_EQ(data->SkinFile(), "");
    EXPECT_EQ(data->SkinStore(), "(none)");
    EXPECT_EQ(data->SkinFormtype(), sfMainform);
    data->SetVersion("2.0");
    EXPECT_EQ(data->Version(), "1.0.0.0");
    EXPECT_TRUE(data->MenuUpdate);
    EXPECT_FALSE(data->MenuMerge);
    EXPECT_FALSE(data->SkinReady());
    EXPECT_NE(data->HintWindow(), nullptr);
    EXPECT_NE(data->MenuGlyphs(), nullptr);
    EXPECT_GT(data->MaximizedSize().cx, 0);
    // The fixed elements exist before any skin.
    EXPECT_EQ(data->Skin().borders[bsTop].Name, "Top");
    EXPECT_EQ(data->Skin().buttons.Name, "Buttons");
}

TEST_F(SkinDataComponent, ShippedSkinBecomesTheSameImagesAsGdiBitmaps)
{
    auto data = Make();
    ReadShipped(*data);
    ASSERT_TRUE(data->SkinReady());
    EXPECT_EQ(data->SkinName(), "Ashwarden");
    EXPECT_TRUE(messages.empty());

    // The same skin loaded purely, with this platform's metrics and colours.
    std::vector<std::uint8_t> compressed;
    const auto property = ShippedProperty();
    ASSERT_TRUE(ReadSkinStreamProperty(property.data(), property.size(), compressed));
    LoadEnvironment env;
    env.systemColour = PlatformSystemColour;
    env.hScrollWidth = GetSystemMetrics(SM_CXHSCROLL);
    env.resourceBitmap = [](std::string_view name) {
        return ResourceBitmapPixels(GetModuleHandleA(nullptr), std::string(name).c_str());
    };
    SkinModel expected;
    ASSERT_TRUE(LoadSkinModelFromPackage(compressed, env, nullptr, expected));

    const GdiSkinModel& skin = data->Skin();
    for (std::size_t i = 0; i < kSkinSlotCount; ++i) {
        const std::string name = kElementCatalogue[i].section;
        ASSERT_EQ(skin.slots[i] != nullptr, expected.slots[i] != nullptr) << name;
        if (!expected.slots[i]) continue;
        const ElementFields& got = *skin.slots[i];
        EXPECT_EQ(got.GetMargins(), expected.slots[i]->GetMargins()) << name;
        EXPECT_EQ(got.FrameCount, expected.slots[i]->FrameCount) << name;
        EXPECT_EQ(got.Name, expected.slots[i]->Name) << name;
        ExpectSameImage(skin.slots[i]->image.Get(), expected.slots[i]->image, name);
    }
    for (int side = 0; side < 4; ++side) {
        ExpectSameImage(skin.borders[side].image.Get(), expected.borders[side].image, kBorderNames[side]);
        EXPECT_EQ(skin.borders[side].FrameCount, 2);
    }
    ExpectSameImage(skin.buttons.image.Get(), expected.buttons.image, "Buttons");
    ExpectSameImage(skin.buttons.checkImage.Get(), expected.buttons.checkImage, "CheckButton");
    EXPECT_EQ(skin.buttons.CheckButtonFrame, 12);
    ASSERT_EQ(skin.captionButtons.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        ExpectSameImage(skin.captionButtons[i]->image.Get(), expected.captionButtons[i]->image,
                        skin.captionButtons[i]->Name);
        EXPECT_EQ(skin.captionButtons[i]->Action, expected.captionButtons[i]->Action);
    }
    auto* tabs = dynamic_cast<TDataSkinBorder*>(data->Slot(SkinSlot::Tabs));
    ASSERT_NE(tabs, nullptr);
    ExpectSameImage(tabs->image2.Get(), expected.BorderSlot(SkinSlot::Tabs)->image2, "Tabs border");

    // The skin has no Track: the program's TRACK bitmap stands in, TRACKVERT stays empty.
    const TDataSkinObject* track = data->Slot(SkinSlot::Track);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(BitmapSize(track->image.Get()).cx, 9);
    EXPECT_EQ(track->GetMargins(), (Margins{3, 3, 3, 3}));
    EXPECT_EQ(track->FrameCount, 1);
    EXPECT_EQ(data->Slot(SkinSlot::TrackVert), nullptr);

    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectA(data->ButtonFaceBrush(), sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, RGB(232, 235, 239));
}

TEST_F(SkinDataComponent, MainFormLoadRegistersHooksAndSkinsEverythingLater)
{
    auto data = Make();
    ReadShipped(*data);
    data->SetActive(true);  // while reading: stored only
    EXPECT_TRUE(manager.calls.empty());
    data->Loaded();
    EXPECT_EQ(manager.calls, (Calls{"register", "hook", "skin all 250"}));
    EXPECT_TRUE(data->Active());
    EXPECT_FALSE(data->SkinControls.Contains(xcMenuItem));
    EXPECT_TRUE(data->SkinControls.Contains(xcSystemMenu));
    EXPECT_EQ(data->SkinControls.Contains(xcScrollbar), User32Extras().getScrollBarInfo != nullptr);
    EXPECT_NE(data->CaptionFont(), nullptr);
    ASSERT_NE(data->AppIconCopy(), nullptr);
    EXPECT_EQ(BitmapSize(data->AppIconCopy()).cx, GetSystemMetrics(SM_CXSMICON));
    // No owner, no icon: the copy is all transparent magenta.
    EXPECT_EQ(ReadPixels(data->AppIconCopy()).At(0, 0), kMagenta);

    manager.calls.clear();
    data->SetActive(false);
    data->SetActive(true);
    EXPECT_EQ(manager.calls, (Calls{"unskin all 250", "skin all 250", "activity 1"}));

    manager.calls.clear();
    data.reset();
    EXPECT_EQ(manager.calls, (Calls{"unregister"}));
}

TEST_F(SkinDataComponent, APackageThatDoesNotLoadKeepsSkinningOff)
{
    auto data = Make();
    std::vector<std::uint8_t> compressed;
    ReadSkinStreamProperty(ShippedProperty().data(), ShippedProperty().size(), compressed);
    // Decompresses to garbage with no known FormatTag.
    for (std::size_t i = 4; i < compressed.size(); ++i) compressed[i] ^= 0x5A;
    const auto property = WriteSkinStreamProperty(compressed);
    data->ReadSkinStream(property.data(), property.size());
    EXPECT_FALSE(data->SkinReady());
    EXPECT_EQ(messages, (std::vector<std::string>{kOlderSkinMessage}));
    data->SetActive(true);
    data->Loaded();
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(manager.calls, (Calls{"register", "hook"}));
    data->SetActive(true);
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(manager.calls.size(), 2u);
    EXPECT_EQ(data->WriteSkinStream(), property);  // what was stored is kept for saving
}

TEST_F(SkinDataComponent, AStreamReadWhileLoadingIsDecodedWhenTheSkinIsFirstNeeded)
{
    std::vector<std::uint8_t> compressed;
    ReadSkinStreamProperty(ShippedProperty().data(), ShippedProperty().size(), compressed);
    for (std::size_t i = 4; i < compressed.size(); ++i) compressed[i] ^= 0x5A;
    const auto damaged = WriteSkinStreamProperty(compressed);
    auto data = Make();
    data->ReadSkinStream(damaged.data(), damaged.size());
    data->SetActive(true);
    data->Loaded();
    // Nothing decoded yet: the skinning is scheduled as for a good skin.
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(manager.calls, (Calls{"register", "hook", "skin all 250"}));
    // The skinning asks for it: the package does not load, and the component is off.
    EXPECT_FALSE(data->SkinReady());
    EXPECT_EQ(messages, (std::vector<std::string>{kOlderSkinMessage}));
    EXPECT_FALSE(data->Active());
    data->SetActive(true); // and cannot be switched on
    EXPECT_FALSE(data->Active());

    auto good = Make();
    ReadShipped(*good);
    good->Loaded();
    EXPECT_EQ(good->SkinName(), "Ashwarden"); // decoded on the first question
}

TEST_F(SkinDataComponent, FormLocalComponentsAttachTheirOwnForm)
{
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    {
        auto data = Make(owner);
        ReadShipped(*data);
        data->SetSkinFormtype(sfOnlyThisForm);
        data->SetActive(true);
        manager.activity = 2;
        data->Loaded();
        EXPECT_EQ(manager.calls, (Calls{"register", "skinning on", "activity 3", "attach"}));
        manager.calls.clear();
        data->SetActive(false);
        EXPECT_EQ(manager.calls, (Calls{"unskin all 250"}));

        manager.calls.clear();
        data->SetSkinFormtype(sfDialog);
        data->SetActive(true);
        EXPECT_TRUE(manager.calls.empty());
    }
    DestroyWindow(owner);
}

TEST_F(SkinDataComponent, SkinFileLoadsAnExistingFileAndRefreshes)
{
    char folder[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string path = std::string(folder) + "aw_skin_data_test.skn";
    std::vector<std::uint8_t> compressed;
    const auto property = ShippedProperty();
    ASSERT_TRUE(ReadSkinStreamProperty(property.data(), property.size(), compressed));
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(compressed.data(), 1, compressed.size(), f);
        std::fclose(f);
    }

    auto data = Make();
    data->Loaded();
    manager.calls.clear();
    data->SetSkinFile(path + ".missing");
    EXPECT_EQ(data->SkinFile(), path + ".missing");
    EXPECT_FALSE(data->SkinReady());
    EXPECT_TRUE(manager.calls.empty());

    manager.activity = 1;
    data->SetSkinFile(path);
    EXPECT_TRUE(data->SkinReady());
    EXPECT_EQ(data->SkinName(), "Ashwarden");
    EXPECT_EQ(data->CompressedSkin(), compressed);
    EXPECT_EQ(manager.calls, (Calls{"reload", "refresh 250"}));
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace aw::skin
