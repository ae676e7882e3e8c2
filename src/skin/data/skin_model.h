#pragma once
// Everything a loaded skin consists of, over an image type: the colour table, the element
// slots (each empty or owning one object), the component's own elements (push buttons, title,
// the four frame borders), the caption buttons and the title colour sample.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/element_catalogue.h"
#include "skin/data/skin_colours.h"
#include "skin/data/skin_objects.h"
#include "skin/draw/pixel_image.h"

namespace aw::skin {

enum BorderSide { bsLeft = 0, bsRight = 1, bsTop = 2, bsBottom = 3 };
inline constexpr const char* kBorderNames[4] = {"Left", "Right", "Top", "Bottom"};

template <typename Image>
struct BasicSkinModel {
    using Object = BasicSkinObject<Image>;
    using Border = BasicSkinBorder<Image>;
    using Button = BasicSkinButton<Image>;
    using Title = BasicSkinTitle<Image>;
    using SysButton = BasicSkinSysButton<Image>;
    using BoxLabel = BasicSkinBoxLabel<Image>;

    BasicSkinModel()
    {
        for (int side = 0; side < 4; ++side) borders[side].Name = kBorderNames[side];
        title.Name = "Title";
        buttons.Name = "Buttons";
    }

    std::string skinName;
    SkinColours colours;
    std::array<std::unique_ptr<Object>, kSkinSlotCount> slots;
    std::array<Border, 4> borders;
    Title title;
    Button buttons;
    std::vector<std::unique_ptr<SysButton>> captionButtons;  // in section order, then the MDI buttons
    Colour titleColourSample = 0;

    Object* Slot(SkinSlot slot) const { return slots[static_cast<std::size_t>(slot)].get(); }
    // The two-image elements (Tabs, ComboButton, UpDown, Progress) hold a second image.
    Border* BorderSlot(SkinSlot slot) const { return dynamic_cast<Border*>(Slot(slot)); }
    BoxLabel* GroupBox() const { return dynamic_cast<BoxLabel*>(Slot(SkinSlot::GroupBox)); }
};

// The model the loader builds.
using SkinModel = BasicSkinModel<PixelImage>;

}  // namespace aw::skin
