#include "skin/data/gdi_skin_model.h"

#include <string>

#include "skin/draw/gdi_pixels.h"

namespace aw::skin {

namespace {

void CopyCommon(const SkinModel::Object& from, TDataSkinObject& to)
{
    static_cast<ElementFields&>(to) = from;
    to.image = CreateBitmap32(from.image);
}

std::unique_ptr<TDataSkinObject> ConvertObject(const SkinModel::Object& from)
{
    std::unique_ptr<TDataSkinObject> to;
    if (auto* border = dynamic_cast<const SkinModel::Border*>(&from)) {
        auto b = std::make_unique<TDataSkinBorder>();
        b->image2 = CreateBitmap32(border->image2);
        to = std::move(b);
    } else if (auto* box = dynamic_cast<const SkinModel::BoxLabel*>(&from)) {
        auto b = std::make_unique<TDataSkinBoxLabel>();
        static_cast<BoxLabelFields&>(*b) = *box;
        to = std::move(b);
    } else {
        to = std::make_unique<TDataSkinObject>();
    }
    CopyCommon(from, *to);
    return to;
}

}  // namespace

void ConvertToGdi(const SkinModel& loaded, GdiSkinModel& target)
{
    target.skinName = loaded.skinName;
    target.colours = loaded.colours;
    target.titleColourSample = loaded.titleColourSample;

    for (std::size_t i = 0; i < kSkinSlotCount; ++i) {
        target.slots[i].reset();
        if (loaded.slots[i]) target.slots[i] = ConvertObject(*loaded.slots[i]);
    }
    for (std::size_t side = 0; side < 4; ++side) {
        CopyCommon(loaded.borders[side], target.borders[side]);
        target.borders[side].image2 = CreateBitmap32(loaded.borders[side].image2);
    }
    CopyCommon(loaded.title, target.title);
    static_cast<TitleFields&>(target.title) = loaded.title;

    CopyCommon(loaded.buttons, target.buttons);
    static_cast<ButtonFields&>(target.buttons) = loaded.buttons;
    target.buttons.checkImage = CreateBitmap32(loaded.buttons.checkImage);
    target.buttons.radioImage = CreateBitmap32(loaded.buttons.radioImage);

    target.captionButtons.clear();
    for (const auto& button : loaded.captionButtons) {
        auto b = std::make_unique<TDataSkinSysButton>();
        CopyCommon(*button, *b);
        static_cast<SysButtonFields&>(*b) = *button;
        target.captionButtons.push_back(std::move(b));
    }
}

PixelImage ResourceBitmapPixels(HINSTANCE module, const char* name)
{
    if (!::FindResourceA(module, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */)) return PixelImage{};
    UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return ReadPixels(bitmap.Get());
}

}  // namespace aw::skin
