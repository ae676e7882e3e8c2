#pragma once
// Turns a parsed skin description into the element objects of a SkinModel.

#include <functional>
#include <string_view>

#include "skin/data/skin_model.h"
#include "skin/package/quick_ini.h"

namespace aw::skin {

// The image an element's image value names (empty when it names none).
using ImageSource = std::function<PixelImage(std::string_view value)>;

// What the loader asks of the platform.
struct LoadEnvironment {
    // Resolves system colours where a generated element needs plain ones.
    SystemColourLookup systemColour = nullptr;
    // The width of a horizontal scroll bar's arrow (the system metric SM_CXHSCROLL).
    int hScrollWidth = 17;
    // The program's bitmap resource of a name ("TRACK", "TRACKVERT"); empty when there is none.
    std::function<PixelImage(std::string_view name)> resourceBitmap;
};

// Runs the whole load sequence over `model`: skin name, frame borders, colours, caption and
// MDI buttons, push buttons, title, every element slot, the resource fallbacks, frame-count
// fixing, the generated elements and the title colour sample. Slot objects and caption
// buttons are replaced; the component's own elements are reloaded in place; the reserved
// colour slots keep their values.
void LoadSkinModel(const TQuickIni& ini, const ImageSource& images, const LoadEnvironment& env, SkinModel& model);

}  // namespace aw::skin
