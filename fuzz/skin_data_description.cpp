// Loads arbitrary text as a skin description. Every image value ending in ".bmp" gets an
// image whose size comes from the value's text (from 1x1 up to a few hundred pixels wide), so
// the generated elements meet narrow, tall and odd-sized images; the first byte picks the
// scroll-bar width. Afterwards every element must be drawable: at least one frame, and an
// image whenever a slot holds an object.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/model_loader.h"
#include "skin/data/parse_colour.h"

using namespace aw::skin;

namespace {

std::uint32_t Hash(std::string_view text)
{
    std::uint32_t h = 2166136261u;
    for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

PixelImage MadeUpImage(std::string_view value)
{
    if (value.size() < 4 || value.substr(value.size() - 4) != ".bmp") return PixelImage{};
    const std::uint32_t h = Hash(value);
    PixelImage image(1 + static_cast<int>(h % 320), 1 + static_cast<int>((h >> 9) % 64));
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = (i + h) % 3 == 0 ? kMagenta : h;
    return image;
}

Colour System(int index) { return Rgb(index, 255 - index, index * 7); }

void Check(bool ok)
{
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TQuickIni ini;
    ini.LoadFromText(text);
    LoadEnvironment env;
    env.systemColour = System;
    env.hScrollWidth = size > 0 ? data[0] % 48 : 17;
    env.resourceBitmap = [](std::string_view name) { return name == "TRACK" ? PixelImage(5, 5) : PixelImage{}; };

    SkinModel model;
    LoadSkinModel(ini, MadeUpImage, env, model);
    // A second load over the first must replace it cleanly.
    LoadSkinModel(ini, MadeUpImage, env, model);

    for (const auto& slot : model.slots) {
        if (!slot) continue;
        Check(slot->FrameCount >= 1);
        Check(!slot->image.Empty());
    }
    for (const auto& border : model.borders) Check(border.FrameCount >= 1);
    for (const auto& button : model.captionButtons) Check(button->FrameCount >= 1);
    Check(model.buttons.CheckButtonFrame >= 1 && model.buttons.RadioButtonFrame >= 1);
    Check(model.captionButtons.size() >= 3);
    Check(model.Slot(SkinSlot::Toolbar) != nullptr);

    (void)ParseColour(text.substr(0, 64));
    return 0;
}
